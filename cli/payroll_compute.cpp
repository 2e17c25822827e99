// zeran-cli payroll compute: the monthly result rows the payroll would write today, as JSON on
// stdout, without writing anything.

#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "resultjson.h"
#include "runloader.h"
#include "secrets.h"
#include "session.h"
#include "settings.h"
#include "stages.h"
#include "writtenrow.h"

#include <QDir>

#include <cstdio>
#include <optional>
#include <tuple>

namespace {

using namespace zeran;

int payrollCompute(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    payrollrun::RunSelection selection;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), selection.unit, io, "payroll compute") ||
        !cli::takeKeyOption(args, QStringLiteral("--person"), selection.person, io, "payroll compute"))
        return 2;
    const auto target = cli::takeTarget(args, io, "payroll compute");
    if (!target)
        return 2;
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(database);
        const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(settings.CYIL, clock::today());
        const payrollrun::LoadedRun loaded = payrollrun::loadRun(database, period, selection, settings.engine);
        for (const QString &w : loaded.warnings)
            io.err << w << "\n";
        std::vector<results::ResultRow> rows;
        rows.reserve(loaded.people.size());
        for (const payrollrun::RunPerson &p : loaded.people)
            rows.push_back(payrollrun::resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
        const QByteArray json = payrollrun::resultRowsJson(rows);
        io.out.flush();
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    } catch (const db::DbError &e) {
        io.err << "Bordro hesaplanamadı: " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << "Bordro hesaplanamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

const cli::Registration reg("payroll compute",
                            "payroll compute DIR --today YYYY-AA-GG [--unit BKOD] [--person PKAYNO] [--server HOST]   "
                            "ayın maaş satırlarını yazmadan JSON olarak verir",
                            &payrollCompute);

}  // namespace
