#include "printloader.h"

#include "resultstore.h"
#include "settingsrow.h"
#include "unitstore.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <map>
#include <tuple>

namespace zeran::payrolldocs {

namespace {

// Table order within a number: the later row names the item, as for the run's definitions.
const QString kSelectEarnings =
    QStringLiteral("SELECT HNO,ADI,DUR FROM ZERHESTUR WHERE HNO BETWEEN 1 AND 10 ORDER BY HNO,BKOD");
const QString kSelectDeductions =
    QStringLiteral("SELECT HARNO,KESADI FROM ZERKES WHERE AKTIF='A' AND HARNO BETWEEN 1 AND 5 ORDER BY HARNO");

const QString kSelectTitles = QStringLiteral("SELECT UKOD,UNVAN FROM UNTAN");
const QString kSelectNames = QStringLiteral(
    "SELECT S.PKAYNO,S.ADI,S.SOYADI,S.EMSNO FROM SICIL S "
    "WHERE S.PKAYNO IN (SELECT M.PKAYNO FROM ZERMAAS M WHERE M.YIL=:YL AND M.TUR=:TT)");
const QString kSelectName = QStringLiteral("SELECT PKAYNO,ADI,SOYADI,EMSNO FROM SICIL WHERE PKAYNO=:PK");
// The bases of every kind and unit, per person and month; summed up to each row's month here.
const QString kSelectBases =
    QStringLiteral("SELECT PKAYNO,AY,SUM(VERMAT) FROM ZERMAAS WHERE YIL=:YL GROUP BY PKAYNO,AY");
const QString kSelectPersonBases =
    QStringLiteral("SELECT PKAYNO,AY,SUM(VERMAT) FROM ZERMAAS WHERE YIL=:YL AND PKAYNO=:PK GROUP BY PKAYNO,AY");
const QString kSelectLegalRates = QStringLiteral(
    "SELECT DON,KATSAYI,YOD,KAK,TAG,EYMG,TAK,INDIRIM,AYRDP FROM ZERKANOR WHERE YIL=:YL AND DON IN ('1','2')");
const QString kSelectMinimumWage = QStringLiteral("SELECT DON,ASUCR FROM VEROR WHERE YIL=:YL AND DON IN ('1','2')");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

double number(const QVariant &v)
{
    return v.isNull() ? 0.0 : v.toDouble();
}

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

UnitInfo readUnit(db::Database &db, int bkod)
{
    UnitInfo u;
    u.BKOD = bkod;
    const std::optional<units::UnitHeader> h = units::unitHeader(db, bkod);
    if (!h)
        return u;
    u.BIRIM = h->BIRIM;
    u.BASLIK = h->BASLIK;
    u.TAS = h->signatories.TAS;
    u.TUN = h->signatories.TUN;
    u.SAS = h->signatories.SAS;
    u.SUN = h->signatories.SUN;
    u.IAS = h->signatories.IAS;
    u.IUN = h->signatories.IUN;
    return u;
}

/// Rates of the year's two half-years (all zero for a half-year without rows).
std::array<HeaderRates, 2> readHalfYears(db::Database &db, const QString &year)
{
    std::array<HeaderRates, 2> out{};
    const QVariantMap binds{{QStringLiteral("YL"), year}};
    const auto half = [](const QVariant &don) { return text(don) == QLatin1String("2") ? 1 : 0; };
    QSqlQuery legal = db.exec(kSelectLegalRates, binds);
    while (legal.next()) {
        HeaderRates &r = out[std::size_t(half(legal.value(0)))];
        r.KATSAYI = number(legal.value(1));
        r.YOD = number(legal.value(2));
        r.KAK = number(legal.value(3));
        r.EYMG = number(legal.value(5));
        r.TAK = number(legal.value(6));
        r.INDIRIM = amount(legal.value(7));
        r.AYRDP = number(legal.value(8));
        r.EYMM = engine::eymmAmount(r.EYMG, r.KATSAYI);
    }
    QSqlQuery wage = db.exec(kSelectMinimumWage, binds);
    while (wage.next())
        out[std::size_t(half(wage.value(0)))].ASUCR = amount(wage.value(1));
    return out;
}

struct Person {
    QString ADSOY, EMSNO;
};

Person personOf(const QSqlQuery &q)
{
    return {text(q.value(1)) + QLatin1Char(' ') + text(q.value(2)), text(q.value(3))};
}

/// Σ VERMAT of the person's months up to `month`, whole lira.
Money cumulativeBase(const std::map<int, Money> &byMonth, int month)
{
    Money sum;
    for (const auto &[ay, vermat] : byMonth) {
        if (ay <= month)
            sum += vermat;
    }
    return sum.yuvarla2();
}

QHash<int, QString> readPairs(db::Database &db, const QString &sql)
{
    QHash<int, QString> out;
    QSqlQuery q = db.exec(sql);
    while (q.next())
        out.insert(q.value(0).toInt(), text(q.value(1)));
    return out;
}

}  // namespace

PrintContext loadPrintContext(db::Database &db, int unit)
{
    db::Transaction tx(db);
    PrintContext c;
    {
        const QSqlRecord r = settingsrow::read(db, {QStringLiteral("KURUM"), QStringLiteral("ONIZ"),
                                                    QStringLiteral("ASUCISTISNA"), QStringLiteral("MBKOD")});
        c.KURUM = text(r.value(QStringLiteral("KURUM")));
        c.ONIZ = text(r.value(QStringLiteral("ONIZ")));
        c.ASUCISTISNA = text(r.value(QStringLiteral("ASUCISTISNA")));
        c.MBKOD = r.value(QStringLiteral("MBKOD")).toInt();
    }
    c.unit = readUnit(db, unit != 0 ? unit : c.MBKOD);
    {
        QSqlQuery q = db.exec(kSelectEarnings);
        while (q.next()) {
            const auto i = std::size_t(q.value(0).toInt() - 1);
            c.items.earning[i] = text(q.value(1));
            c.items.earningInUse[i] = text(q.value(2)).startsWith(QLatin1Char('V'));
        }
    }
    {
        QSqlQuery q = db.exec(kSelectDeductions);
        while (q.next())
            c.items.deduction[std::size_t(q.value(0).toInt() - 1)] = text(q.value(1));
    }
    tx.commit();
    return c;
}

ArchiveData loadArchive(db::Database &db, const ArchiveSelection &selection)
{
    db::Transaction tx(db);
    ArchiveData out;
    out.selection = selection;
    out.context = loadPrintContext(db, selection.unit);
    out.halfYear = readHalfYears(db, selection.year);

    const std::optional<int> unit = selection.unit != 0 ? std::optional<int>(selection.unit) : std::nullopt;
    std::vector<results::ResultRow> results;
    std::vector<results::SnapshotRow> snapshots;
    for (int month = selection.month != 0 ? selection.month : 1; month <= (selection.month != 0 ? selection.month : 12);
         ++month) {
        const results::PayrollMonth pm{selection.year, month, selection.kind};
        for (results::ResultRow &r : results::readResults(db, pm, unit)) {
            if (selection.person == 0 || r.key.PKAYNO == selection.person)
                results.push_back(std::move(r));
        }
        for (results::SnapshotRow &s : results::readSnapshots(db, pm, unit)) {
            if (selection.person == 0 || s.key.PKAYNO == selection.person)
                snapshots.push_back(std::move(s));
        }
    }

    QHash<int, Person> people;
    {
        QSqlQuery q = db.exec(kSelectNames, {{QStringLiteral("YL"), selection.year},
                                             {QStringLiteral("TT"), results::kindCode(selection.kind)}});
        while (q.next())
            people.insert(q.value(0).toInt(), personOf(q));
    }
    const QHash<int, QString> units = units::unitNames(db);
    const QHash<int, QString> titles = readPairs(db, kSelectTitles);
    QHash<int, std::map<int, Money>> bases;
    {
        QSqlQuery q = db.exec(kSelectBases, {{QStringLiteral("YL"), selection.year}});
        while (q.next())
            bases[q.value(0).toInt()][q.value(1).toInt()] += amount(q.value(2));
    }
    tx.commit();

    // The snapshot joins on the person, unit and month (the payroll's year and kind are fixed).
    using Key = std::tuple<int, int, int>;
    std::map<Key, const results::SnapshotRow *> byKey;
    for (const results::SnapshotRow &s : snapshots)
        byKey.emplace(Key{s.key.PKAYNO, s.key.BKOD, s.key.AY}, &s);

    out.rows.reserve(results.size());
    for (results::ResultRow &r : results) {
        ArchiveRow a;
        const auto s = byKey.find(Key{r.key.PKAYNO, r.key.BKOD, r.key.AY});
        if (s != byKey.end()) {
            a.snapshot = *s->second;
            a.GOREV = titles.value(s->second->UKOD);
        }
        const Person p = people.value(r.key.PKAYNO);
        a.ADSOY = p.ADSOY;
        a.EMSNO = p.EMSNO;
        a.BIRIM = units.value(r.key.BKOD);
        a.TGVMAT = cumulativeBase(bases.value(r.key.PKAYNO), r.key.AY);
        a.result = std::move(r);
        out.rows.push_back(std::move(a));
    }
    std::stable_sort(out.rows.begin(), out.rows.end(), [](const ArchiveRow &x, const ArchiveRow &y) {
        return std::tie(x.result.key.PKOD, x.result.key.AY, x.result.key.BKOD, x.result.key.PKAYNO) <
               std::tie(y.result.key.PKOD, y.result.key.AY, y.result.key.BKOD, y.result.key.PKAYNO);
    });
    return out;
}

std::optional<ArchivePayslipData> loadArchivePayslip(db::Database &db, const results::PayrollMonth &month, int pkayno,
                                                     int bkod, int pkod, int startupYear)
{
    db::Transaction tx(db);
    std::optional<results::ResultRow> result = results::readResult(db, month, pkayno, bkod, pkod);
    if (!result)
        return std::nullopt;
    ArchivePayslipData out;
    ArchiveRow &a = out.row;
    a.snapshot = results::readSnapshot(db, month, pkayno, bkod, pkod);
    {
        QSqlQuery q = db.exec(kSelectName, {{QStringLiteral("PK"), pkayno}});
        if (q.next()) {
            const Person p = personOf(q);
            a.ADSOY = p.ADSOY;
            a.EMSNO = p.EMSNO;
        }
    }
    const QHash<int, QString> units = units::unitNames(db);
    a.BIRIM = units.value(bkod);
    if (a.snapshot)
        a.GOREV = readPairs(db, kSelectTitles).value(a.snapshot->UKOD);
    {
        std::map<int, Money> byMonth;
        QSqlQuery q = db.exec(kSelectPersonBases, {{QStringLiteral("YL"), month.YIL}, {QStringLiteral("PK"), pkayno}});
        while (q.next())
            byMonth[q.value(1).toInt()] += amount(q.value(2));
        a.TGVMAT = cumulativeBase(byMonth, month.AY);
    }
    out.rates = readHalfYears(db, month.YIL)[month.AY > 6 ? 1 : 0];
    tx.commit();

    out.unitName = a.BIRIM;
    out.startupYear = startupYear;
    for (std::size_t i = 0; i < out.captions.size(); ++i) {
        const QString &stored = result->KAZA[i];
        out.captions[i] = stored.isEmpty() ? QStringLiteral("KAZ%1").arg(i + 1) : stored;
    }
    a.result = std::move(*result);
    return out;
}

}  // namespace zeran::payrolldocs
