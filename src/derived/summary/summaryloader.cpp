#include "summaryloader.h"

#include "calendar.h"
#include "periodrows.h"
#include "settingsrow.h"
#include "unitstore.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace zeran::summary {

namespace {

const QString kUnits = QStringLiteral("SELECT BKOD,BIRIM,MTUR FROM BIRIM WHERE TUR='M' AND AKTIF='A' ORDER BY BIRIM,BKOD");
const QString kUnitKind = QStringLiteral("SELECT MTUR FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kUnions = QStringLiteral("SELECT SENKOD,SENDIKA FROM SENDIKA WHERE TUR='M'");
const QString kDeductions = QStringLiteral("SELECT HARNO,KESADI,AKTIF FROM ZERKES WHERE HARNO BETWEEN 1 AND 5 ORDER BY HARNO");
// The rows are matched to today's pay record only for its union: a row is totalled whatever
// has become of the pay record since the payroll was made.
const QString kRows = QStringLiteral(
    "SELECT M.PKAYNO,M.BKOD,M.PKOD,M.TUR,P.SENKOD,%1 FROM ZERMAAS M "
    "LEFT JOIN ZERBORBIL P ON P.PKAYNO=M.PKAYNO AND P.BKOD=M.BKOD AND P.PKOD=M.PKOD "
    "WHERE M.YIL=:YL AND M.AY=:AY AND M.TUR IN (%2)");
const QString kAllowanceUnits = QStringLiteral(
    "SELECT DISTINCT M.BKOD,B.BIRIM,B.MTUR FROM ZERMAAS M JOIN BIRIM B ON B.BKOD=M.BKOD AND B.TUR='M' "
    "WHERE M.TUR='1' AND M.VIADE>0 AND M.YIL=:YL ORDER BY 2,1");
const QString kAllowanceRows = QStringLiteral(
    "SELECT M.PKAYNO,M.BKOD,M.PKOD,S.EMSNO,B.BIRIM,S.ADI,S.SOYADI,M.VIADE,P.MHAL,P.ESI,P.DIGCOC FROM ZERMAAS M "
    "LEFT JOIN BIRIM B ON B.BKOD=M.BKOD AND B.TUR='M' "
    "LEFT JOIN SICIL S ON S.PKAYNO=M.PKAYNO "
    "LEFT JOIN ZERBORBIL P ON P.PKAYNO=M.PKAYNO AND P.BKOD=M.BKOD AND P.PKOD=M.PKOD "
    "WHERE M.TUR='1' AND M.YIL=:YL AND M.AY=:AY AND M.VIADE>0");
const QString kAllowanceOrder = QStringLiteral(" ORDER BY M.BKOD,M.PKOD,M.PKAYNO");
// The salary row of each earlier month, by person: a difference row of the same month is
// another kind and never takes its place.
const QString kEarlierMonths = QStringLiteral(
    "SELECT PKAYNO,AY,SUM(CAST(VIADE AS NUMERIC(18,4))) FROM ZERMAAS "
    "WHERE TUR='1' AND YIL=:YL AND AY<:AY GROUP BY PKAYNO,AY");

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

std::vector<ItemDefinition> earningItems(const std::vector<rates::EarningType> &types)
{
    std::vector<ItemDefinition> items;
    for (const rates::EarningType &t : types) {
        if (t.HNO < 1 || t.HNO > 10)
            continue;
        ItemDefinition *d = nullptr;
        for (ItemDefinition &i : items)
            if (i.number == t.HNO)
                d = &i;
        if (!d) {
            items.push_back({t.HNO, t.ADI.trimmed(), false});
            d = &items.back();
        }
        if (t.DUR.trimmed() == QLatin1String("V"))
            d->inUse = true;
    }
    return items;
}

}  // namespace

std::vector<UnitChoice> summaryUnits(db::Database &db, SummaryMode mode)
{
    std::vector<UnitChoice> out;
    QSqlQuery q = db.exec(kUnits);
    while (q.next()) {
        const QString mtur = text(q.value(2));
        const bool salary = mtur == QLatin1String("N");
        if (salary != offersSalaryUnits(mode))
            continue;
        out.push_back({q.value(0).toInt(), text(q.value(1)), mtur.isEmpty() ? QChar() : mtur.at(0)});
    }
    return out;
}

QChar unitKind(db::Database &db, int bkod)
{
    if (bkod == 0)
        return {};
    const QString mtur = text(db.scalar(kUnitKind, {{QStringLiteral("BK"), bkod}}));
    return mtur.isEmpty() ? QChar() : mtur.at(0);
}

SummaryInput loadSummaryInput(db::Database &db, const SummaryRequest &request)
{
    SummaryInput in;
    in.mode = request.mode;
    in.unit = request.unit;
    in.person = request.person;
    in.unitKind = unitKind(db, request.unit);
    const QSqlRecord settings = settingsrow::read(db, {QStringLiteral("ASUCISTISNA")});
    in.minimumWageExempt = text(settings.value(0)) == QLatin1String("E");

    QStringList columns, kinds;
    for (const char *c : columnNames())
        columns << QStringLiteral("M.") + QLatin1String(c);
    QVariantMap binds{{QStringLiteral("YL"), request.year}, {QStringLiteral("AY"), request.month}};
    for (int k : modeKinds(request.mode)) {
        kinds << QStringLiteral(":T%1").arg(k);
        binds.insert(QStringLiteral("T%1").arg(k), QString::number(k));
    }
    QString sql = kRows.arg(columns.join(QLatin1Char(',')), kinds.join(QLatin1Char(',')));
    if (request.unit != 0) {
        sql += QStringLiteral(" AND M.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), request.unit);
    }
    if (request.person != 0) {
        sql += QStringLiteral(" AND M.PKAYNO=:PK");
        binds.insert(QStringLiteral("PK"), request.person);
    }
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        SummaryRow r;
        r.PKAYNO = q.value(0).toInt();
        r.BKOD = q.value(1).toInt();
        r.PKOD = q.value(2).toInt();
        r.TUR = text(q.value(3)).toInt();
        if (!q.value(4).isNull())
            r.SENKOD = q.value(4).toInt();
        for (int c = 0; c < col::Count; ++c)
            r.amounts[std::size_t(c)] = amount(q.value(5 + c));
        in.rows.push_back(r);
    }

    QSqlQuery unions = db.exec(kUnions);
    while (unions.next())
        in.unionNames[unions.value(0).toInt()] = text(unions.value(1));
    QSqlQuery deductions = db.exec(kDeductions);
    while (deductions.next())
        in.deductionItems.push_back({deductions.value(0).toInt(), text(deductions.value(1)),
                                     text(deductions.value(2)) == QLatin1String("A")});

    const rates::PeriodRows period = rates::loadPeriod(db, request.year, cal::donFor(request.month));
    in.earningItems = earningItems(period.earningTypes);
    if (period.legal) {
        const rates::LegalRates &l = *period.legal;
        in.rates = {l.KATSAYI, l.YOD, l.KAK, l.TAK, l.TAG, l.EYMG, l.AYRDP, l.CYRDP1, l.CYRDP2, true};
    }
    return in;
}

SummaryHeader loadSummaryHeader(db::Database &db, const SummaryRequest &request)
{
    SummaryHeader h;
    h.month = request.month;
    h.year = request.year;
    h.unitKind = unitKind(db, request.unit);
    const QSqlRecord settings = settingsrow::read(db, {QStringLiteral("KURUM"), QStringLiteral("MBKOD")});
    const int signingUnit = request.unit != 0 ? request.unit : settings.value(1).toInt();
    if (const auto unit = units::unitHeader(db, signingUnit)) {
        const units::Signatories &s = unit->signatories;
        h.TAS = s.TAS, h.TUN = s.TUN, h.SAS = s.SAS, h.SUN = s.SUN, h.IAS = s.IAS, h.IUN = s.IUN;
        if (request.unit != 0)
            h.kurumu = unit->BIRIM.trimmed();
    }
    if (request.unit == 0)
        h.kurumu = text(settings.value(0));
    return h;
}

std::vector<UnitChoice> allowanceUnits(db::Database &db, const QString &year)
{
    std::vector<UnitChoice> out;
    QSqlQuery q = db.exec(kAllowanceUnits, {{QStringLiteral("YL"), year}});
    while (q.next()) {
        const QString mtur = text(q.value(2));
        out.push_back({q.value(0).toInt(), text(q.value(1)), mtur.isEmpty() ? QChar() : mtur.at(0)});
    }
    return out;
}

AllowanceInput loadAllowanceInput(db::Database &db, const QString &year, int month, int unit)
{
    AllowanceInput in;
    // The rates of the year's own half-year of the chosen month, never whichever row comes first.
    const rates::PeriodRows period = rates::loadPeriod(db, year, cal::donFor(month));
    if (period.tax) {
        const rates::TaxRates &t = *period.tax;
        in.rates.ASUCR = t.ASUCR;
        in.rates.BEKOR = t.BEKOR;
        in.rates.EV1OR = t.EV1OR;
        in.rates.EV2OR = t.EV2OR;
        in.rates.COC1OR = t.COC1OR;
        in.rates.COC3OR = t.COC3OR;
        in.rates.COC4OR = t.COC4OR;
        in.rates.COC5OR = t.COC5OR;
        in.rates.COC6OR = t.COC6OR;
        in.rates.OR1 = t.OR1;
        in.rates.found = true;
    }
    QVariantMap binds{{QStringLiteral("YL"), year}, {QStringLiteral("AY"), month}};
    QString sql = kAllowanceRows;
    if (unit != 0) {
        sql += QStringLiteral(" AND M.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), unit);
    }
    QSqlQuery q = db.exec(sql + kAllowanceOrder, binds);
    while (q.next()) {
        AllowanceSource s;
        s.PKAYNO = q.value(0).toInt();
        s.BKOD = q.value(1).toInt();
        s.PKOD = q.value(2).toInt();
        s.EMSNO = text(q.value(3));
        s.BIRIM = text(q.value(4));
        s.ADSOY = text(q.value(5)) + QLatin1Char(' ') + text(q.value(6));
        s.ADSOY = s.ADSOY.trimmed();
        s.VIADE = amount(q.value(7));
        s.MHAL = text(q.value(8));
        s.ESI = text(q.value(9));
        s.DIGCOC = q.value(10).toInt();
        in.rows.push_back(s);
    }
    // Nobody listed, nothing to look up in the earlier months (a year of rows to group).
    if (month > 1 && !in.rows.empty()) {
        QSqlQuery e = db.exec(kEarlierMonths, {{QStringLiteral("YL"), year}, {QStringLiteral("AY"), month}});
        while (e.next())
            in.earlier[{e.value(0).toInt(), e.value(1).toInt()}] = amount(e.value(2));
    }
    return in;
}

AllowanceList loadAllowanceList(db::Database &db, const QString &year, int month, int unit)
{
    const AllowanceInput in = loadAllowanceInput(db, year, month, unit);
    return allowanceList(year, month, in.rates, in.rows, in.earlier);
}

}  // namespace zeran::summary
