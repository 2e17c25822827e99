// zeran-cli payroll make: makes the month's payroll through the same code as the payroll
// screen (checks, questions, the month's rows replaced in one unit of work, audit line) and
// prints the number of rows written and the month's totals. The screen's questions are
// answered Yes only with --yes; without it the first question stops the run unchanged.

#include "clock.h"
#include "commands.h"
#include "payrollmake.h"
#include "registry.h"
#include "secrets.h"
#include "session.h"
#include "settings.h"

#include <QDir>

namespace {

using namespace zeran;

class CliQuestions : public payrollmake::Questions {
public:
    CliQuestions(bool yes, QTextStream &err) : yes_(yes), err_(err) {}
    bool confirm(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << (yes_ ? " → Evet\n" : " → Hayır (--yes verilmedi)\n");
        err_.flush();
        return yes_;
    }
    void inform(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        err_.flush();
    }

private:
    bool yes_;
    QTextStream &err_;
};

int payrollMake(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    payrollmake::MakeRequest request;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), request.selection.unit, io, "payroll make"))
        return 2;
    const bool yes = cli::takeFlag(args, QStringLiteral("--yes"));
    const auto target = cli::takeTarget(args, io, "payroll make");
    if (!target)
        return 2;

    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        session.activateContext(clock::today());
        session.loginAsDefaultUser();
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(session.main());
        request.workingYear = settings.CYIL;
        request.today = clock::today();
        request.settings = settings.engine;
    } catch (const db::DbError &e) {
        io.err << "Ayarlar okunamadı: " << e.text << "\n";
        return 1;
    }

    CliQuestions questions(yes, io.err);
    const payrollmake::MakeResult made = payrollmake::make(session.main(), session.ctx, request, questions);
    for (const QString &w : made.loaded.warnings)
        io.err << w << "\n";
    switch (made.outcome) {
    case payrollmake::Outcome::Written:
        break;
    case payrollmake::Outcome::Empty:
        io.out << "rows 0\n";
        io.err << "Seçimde bordrosu yapılacak kimse yok; hiçbir şey yazılmadı.\n";
        return 0;
    case payrollmake::Outcome::Declined:
        io.err << "Bordro yazılmadı.\n";
        return 3;
    case payrollmake::Outcome::SinglePerson:  // not reachable: no --person here
    case payrollmake::Outcome::Refused:
    case payrollmake::Outcome::Failed:
        return 1;
    }
    // One "NAME amount" line each: plain decimal amounts a script can read.
    io.out << "rows " << made.rows << "\n";
    io.out << "snapshots " << made.rows << "\n";
    for (const QString &c : results::totalColumns())
        io.out << c << ' ' << made.totals[c].toPlain(c == QLatin1String("ACIKKES") ? 4 : 2) << "\n";
    io.out << "ARTIS2 " << made.totals.ARTIS2.toPlain(2) << "\n";
    return 0;
}

const cli::Registration reg("payroll make",
                            "payroll make DIR --today YYYY-AA-GG [--unit BKOD] [--yes] [--server HOST]   "
                            "ayın maaş bordrosunu yazar (ekran ile aynı kontroller; sorulara yalnız --yes ile Evet)",
                            &payrollMake);

}  // namespace
