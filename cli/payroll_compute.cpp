// zeran-cli payroll compute: the monthly result rows the payroll would write today, as JSON on
// stdout, without writing anything.

#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "resultjson.h"
#include "runloader.h"
#include "secrets.h"
#include "settings.h"
#include "stages.h"
#include "writtenrow.h"

#include <QDir>

#include <cstdio>
#include <optional>
#include <tuple>

namespace {

using namespace zeran;

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok && v > 0 ? std::optional<int>(v) : std::nullopt;
}

int payrollCompute(const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    const QString server = cli::takeOption(args, QStringLiteral("--server"));
    const QString unitText = cli::takeOption(args, QStringLiteral("--unit"));
    const QString personText = cli::takeOption(args, QStringLiteral("--person"));
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        io.err << "payroll compute: klasör (DIR) bekleniyor" << (args.isEmpty() ? QString() : QStringLiteral(", fazlası: ") + args.join(QLatin1Char(' '))) << "\n";
        return 2;
    }
    payrollrun::RunSelection selection;
    for (const auto &[text, target, name] : {std::tuple{unitText, &selection.unit, "--unit"},
                                             std::tuple{personText, &selection.person, "--person"}}) {
        if (text.isEmpty())
            continue;
        const auto v = number(text);
        if (!v) {
            io.err << "payroll compute: " << name << " pozitif bir sayı olmalı: " << text << "\n";
            return 2;
        }
        *target = *v;
    }

    db::ConnectParams params;
    params.server = server;
    params.path = mainDatabasePath(QDir(args.first()).absolutePath());
    params.password = Secrets::load().mainPassword;
    db::Database database(QStringLiteral("zeran-payroll-compute"));
    try {
        database.open(params);
    } catch (const db::DbError &e) {
        io.err << "Veritabanına bağlanılamadı: " << e.text << "\n";
        return 1;
    }
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
