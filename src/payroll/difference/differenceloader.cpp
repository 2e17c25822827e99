#include "differenceloader.h"

#include "oranlar.h"
#include "periodrows.h"
#include "resultjson.h"
#include "writtenrow.h"

#include <QSqlQuery>

#include <stdexcept>

namespace zeran::difference {

namespace {

const QString kOwnKindBases = QStringLiteral(
    "SELECT PKAYNO,SUM(VERMAT) FROM ZERMAAS WHERE YIL=:YL AND AY=:AY AND TUR=:TR");
const QString kOfUnit = QStringLiteral(" AND BKOD=:BK");
const QString kGroup = QStringLiteral(" GROUP BY PKAYNO");

/// Σ VERMAT per person of the rows this payroll replaces: its own kind, this month, in the
/// units being made.
QHash<int, Money> replacedBases(const db::Database &db, Kind kind, const payrollrun::RunPeriod &period, int unit)
{
    QVariantMap binds{{QStringLiteral("YL"), period.YIL},
                      {QStringLiteral("AY"), period.AY},
                      {QStringLiteral("TR"), kindCode(kind)}};
    QString sql = kOwnKindBases;
    if (unit != 0) {
        sql += kOfUnit;
        binds.insert(QStringLiteral("BK"), unit);
    }
    QSqlQuery q = db.exec(sql + kGroup, binds);
    QHash<int, Money> sums;
    while (q.next())
        sums.insert(q.value(0).toInt(), q.value(1).isNull() ? Money() : Money::fromDbDouble(q.value(1).toDouble()));
    return sums;
}

}  // namespace

results::PayrollKind payrollKind(Kind kind)
{
    return kind == Kind::Inflation ? results::PayrollKind::InflationDifference : results::PayrollKind::Difference;
}

LoadedDifference loadDifference(db::Database &db, Kind kind, const payrollrun::RunPeriod &period, int unit,
                                const engine::EngineSettings &settings)
{
    payrollrun::RunSelection selection;
    selection.unit = unit;
    payrollrun::LoadedRun monthly = payrollrun::loadRun(db, period, selection, settings);

    LoadedDifference loaded;
    loaded.run = monthly.run;
    loaded.rates.current = monthly.run.rates;
    const PeriodKey prev = previousPeriod(kind, period.YIL, period.DON);
    loaded.rates.previous = payrollrun::oranlar(rates::loadPeriod(db, prev.YIL, prev.DON)).rates;
    if (loaded.rates.current.KATSAYI == 0)
        loaded.warnings << QString::fromUtf8(kNewRatesWarning);
    if (loaded.rates.previous.KATSAYI == 0)
        loaded.warnings << QString::fromUtf8(kPreviousRatesWarning);
    // The monthly warnings about the new period's tax rows still hold; its legal-rate warning
    // is said above in this payroll's own words.
    for (const QString &w : monthly.warnings)
        if (w != QString::fromUtf8(payrollrun::kLegalRatesWarning) && !loaded.warnings.contains(w))
            loaded.warnings << w;

    const QHash<int, Money> replaced = replacedBases(db, kind, period, unit);
    // The monthly selection already holds salary units in use only.
    const UnitKind salaryUnit{QLatin1Char('M'), QLatin1Char('N'), QLatin1Char('A')};
    for (payrollrun::RunPerson &p : monthly.people) {
        if (!selected(kind, p.input.rec, salaryUnit))
            continue;
        loaded.earlierBases.push_back(p.input.earlier.vermatToMonth - replaced.value(p.input.rec.PKAYNO));
        loaded.people.push_back(std::move(p));
    }
    return loaded;
}

std::vector<DifferencePay> computeAll(const LoadedDifference &loaded, const Options &options)
{
    std::vector<DifferencePay> pays;
    pays.reserve(loaded.people.size());
    for (std::size_t i = 0; i < loaded.people.size(); ++i) {
        const payrollrun::RunPerson &p = loaded.people[i];
        try {
            pays.push_back(compute(loaded.run, loaded.rates, options, p.input.rec, loaded.earlierBases[i]));
        } catch (const std::exception &e) {
            throw std::runtime_error((QString::number(p.input.rec.PKOD) + QLatin1Char(' ') + p.ADI + QLatin1Char(' ') +
                                      p.SOYADI + QStringLiteral(": ") + QString::fromUtf8(e.what()))
                                         .toStdString());
        }
    }
    return pays;
}

results::ResultRow resultRow(Kind kind, const engine::PayrollRun &run, const engine::PayRecord &rec,
                             const DifferencePay &pay, const QDate &today)
{
    results::ResultRow row;
    row.key = {rec.PKAYNO, rec.BKOD, rec.PKOD, payrollKind(kind), run.YIL, run.AY};
    row.AYTUT = pay.AYTUT;
    row.EGOSTUT = pay.EGOSTUT;
    row.TABAY = pay.TABAY;
    row.KIDAY = pay.KIDAY;
    row.YANOD = pay.YANOD;
    row.OZHIZTAZ = pay.OZHIZTAZ;
    row.EKODTUT = pay.EKODTUT;
    row.AILEYRD = pay.AILEYRD;
    row.COCYRD = pay.COCYRD;
    row.EMKESD = pay.EMKESD;
    row.EMKESM = pay.EMKESM;
    row.GELTOP = pay.GELTOP;
    row.VERMAT = pay.VERMAT;
    row.VEROR = pay.VEROR;
    row.GELVER = pay.GELVER;
    row.DAMVER = pay.DAMVER;
    row.GELVERKES = pay.GELVER;
    row.DAMVERKES = pay.DAMVER;
    row.KESTOP = pay.KESTOP;
    row.DVMAT = pay.DVMAT;
    row.EKMAT = pay.EKMAT;
    row.MAAS = pay.MAAS;
    row.MYOI = pay.MYOI;
    row.MYOP = pay.MYOP;
    row.GSSI = pay.GSSI;
    row.GSSP = pay.GSSP;
    row.GSSMAT = pay.GSSMAT;
    row.ACIKKES = pay.ACIKKES;
    if (kind == Kind::Inflation) {
        row.DVVIADE = pay.GECICI;
        row.EKFARK = pay.EKFARK;
    }
    row.TAR = today;
    return row;
}

results::SnapshotRow snapshotRow(Kind kind, const engine::PayrollRun &run, const engine::PersonInput &person)
{
    results::SnapshotRow s = payrollrun::snapshotRow(run, person);
    s.key.TUR = payrollKind(kind);
    return s;
}

QByteArray rowsJson(Kind kind, const std::vector<results::ResultRow> &rows)
{
    if (kind == Kind::Difference || rows.empty())
        return payrollrun::resultRowsJson(rows);
    // The monthly layout of each row with EKFARK after its last column.
    QByteArray out = "[";
    bool first = true;
    for (const results::ResultRow &row : rows) {
        QByteArray one = payrollrun::resultRowsJson({row});
        one = one.mid(1, one.size() - 1 - int(sizeof("\n]\n") - 1));  // the object alone
        one.chop(int(sizeof("\n  }") - 1));
        one += ",\n    \"EKFARK\": \"" + row.EKFARK.value_or(Money()).toPlain(2).toLatin1() + "\"\n  }";
        out += first ? one : "," + one;
        first = false;
    }
    out += "\n]\n";
    return out;
}

}  // namespace zeran::difference
