// zeran-cli rates show DIR --year Y --period P: the rates of a period as the payroll reads
// them, one "NAME: value" line each, for a clerk's quick check and for scripts.

#include "commands.h"
#include "periodrows.h"
#include "registry.h"
#include "secrets.h"
#include "session.h"
#include "settings.h"

#include <QDir>
#include <QRegularExpression>

namespace zeran::cli {

namespace {

QString periodTitle(const QString &don)
{
    if (don == QLatin1String("1"))
        return QStringLiteral("OCAK/HAZİRAN");
    if (don == QLatin1String("2"))
        return QStringLiteral("TEMMUZ/ARALIK");
    return QStringLiteral("ENFLASYON FARKI");
}

int ratesShow(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const QString year = takeOption(args, QStringLiteral("--year"));
    const QString don = takeOption(args, QStringLiteral("--period"));
    const auto target = takeTarget(args, io, "rates show");
    if (!target)
        return 2;
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (!fourDigits.match(year).hasMatch()) {
        io.err << "rates show: --year dört haneli yıl olmalı (örnek 2026)\n";
        return 2;
    }
    if (don != QLatin1String("1") && don != QLatin1String("2") && don != QLatin1String("3")) {
        io.err << "rates show: --period 1, 2 ya da 3 olmalı\n";
        return 2;
    }

    rates::PeriodRows rows;
    Session session;
    if (const int rc = openMain(session, *target, io))
        return rc;
    try {
        rows = rates::loadPeriod(session.main(), year, don);
    } catch (const db::DbError &e) {
        io.err << "Veritabanı okunamadı: " << e.text << "\n";
        return 1;
    }

    io.out << "Dönem: " << year << "/" << don << " " << periodTitle(don) << "\n";
    for (const auto &line : rates::periodRateLines(rows))
        io.out << line.first << ": " << line.second << "\n";

    // A period the payroll cannot run on is an error; the worker rates only warn (the
    // minimum-wage exemption then counts no premium shares).
    int rc = 0;
    if (!rows.legal) {
        io.err << "Kanuni oranlar bulunamadı: ZERKANOR " << year << "/" << don << "\n";
        rc = 1;
    }
    if (!rows.tax) {
        io.err << "Vergi oranları bulunamadı: VEROR " << year << "/" << don << "\n";
        rc = 1;
    }
    if (!rows.worker)
        io.err << "Uyarı: ISCKANOR " << year << " kaydı yok (SHI ve ISSIZI 0 sayılır)\n";
    return rc;
}

const Registration regRatesShow("rates show", "rates show DIR --year YIL --period 1|2|3 [--server HOST]   dönemin kanuni ve vergi oranlarını yazar",
                                &ratesShow);

}  // namespace

}  // namespace zeran::cli
