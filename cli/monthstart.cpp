// zeran-cli month-start: what the three month-start checks of the payroll screen find for the
// working month of --today (due promotions of the unit, last month's paid differences of every
// unit, child counts of the unit that differ from the ledger), without changing anything.

#include "clock.h"
#include "commands.h"
#include "monthstartstore.h"
#include "registry.h"
#include "session.h"
#include "settingsrow.h"

#include <QJsonDocument>
#include <QSqlRecord>

#include <cstdio>

namespace {

using namespace zeran;

int monthStartCommand(const QStringList &argsIn, cli::Io io)
{
    const char *name = "month-start";
    QStringList args = argsIn;
    int unit = 0;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), unit, io, name))
        return 2;
    const bool json = cli::takeFlag(args, QStringLiteral("--json"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    if (!json) {
        io.err << name << ": --json bekleniyor\n";
        return 2;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        const int cyil = settingsrow::readWorkingYear(database).CYIL.toInt();
        if (unit == 0)
            unit = settingsrow::read(database, {QStringLiteral("MBKOD")}).value(0).toInt();
        const QDate today = clock::today();
        const monthstart::Input input = monthstart::loadInput(database, today.month(), cyil, unit, today);
        const QByteArray bytes =
            QJsonDocument(monthstart::findingsJson(input, monthstart::find(input))).toJson(QJsonDocument::Indented);
        io.out.flush();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    } catch (const db::DbError &e) {
        io.err << "Ay başı denetimleri okunamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("month-start",
                            "month-start DIR --today YYYY-AA-GG [--unit BKOD] [--server HOST] --json   "
                            "ay başı denetimlerinin bulduğu kayıtlar (değiştirmez)",
                            &monthStartCommand);

}  // namespace
