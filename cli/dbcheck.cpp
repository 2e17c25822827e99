// zeran-cli db-check: the database file check of the working year. Without --yes it only shows
// what it would change (the work is rolled back); with --yes the changes are kept.

#include "commands.h"
#include "dbcheck.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"

namespace {

using namespace zeran;

int dbCheck(const QStringList &argsIn, cli::Io io)
{
    const char *name = "db-check";
    QStringList args = argsIn;
    const bool yes = cli::takeFlag(args, QStringLiteral("--yes"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        session.ctx.CYIL = settingsrow::readWorkingYear(session.main()).CYIL;
    } catch (const db::DbError &e) {
        io.err << "Çalışma yılı okunamadı: " << e.text << "\n";
        return 1;
    }
    session.ctx.KULNO = 1;
    dbcheck::Hooks hooks;
    hooks.confirm = [&](const dbcheck::Counts &c) {
        if (!yes)
            io.out << dbcheck::question(c) << "\n\n";
        return yes;
    };
    const dbcheck::Outcome out = dbcheck::run(session.main(), session.ctx, hooks);
    for (const QString &line : out.log)
        io.out << line << "\n";
    switch (out.status) {
    case dbcheck::Outcome::Status::Done:
    case dbcheck::Outcome::Status::Declined:
        return 0;
    case dbcheck::Outcome::Status::Refused:
        io.err << out.message << "\n";
        return 2;
    case dbcheck::Outcome::Status::Failed:
        io.err << "Dosya kontrolü yapılamadı: " << out.message << "\n";
        return 1;
    }
    return 1;
}

const cli::Registration reg("db-check",
                            "db-check DIR [--yes] [--server HOST]"
                            "   dosya kontrolü: tanımsız birim kayıtlarını siler, eksik kesenek ve nakit tanımlarını "
                            "oluşturur (--yes olmadan yalnızca gösterir)",
                            &dbCheck);

}  // namespace
