#include "runloader.h"

#include "calendar.h"
#include "oranlar.h"
#include "paidsums.h"
#include "periodrows.h"
#include "settingsrow.h"
#include "stages.h"
#include "unitstore.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

namespace zeran::payrollrun {

namespace {

// ---- Statements. Composed only of the fixed parts below; every value is bound. ----------


const QString kSelectDeductions =
    QStringLiteral("SELECT HARNO,KESADI FROM ZERKES WHERE AKTIF='A' AND HARNO BETWEEN 1 AND 5 ORDER BY HARNO");

const QString kSelectUnions = QStringLiteral("SELECT SENKOD,SENDIKA,ORN,HTUR FROM SENDIKA WHERE TUR='M'");

const QString kSelectPayRecords = QStringLiteral(
    "SELECT B.PKAYNO,B.BKOD,B.PKOD,B.UKOD,B.DURUM,B.PERTUR,B.GSSTUR,B.DER,B.KAD,B.GOS,B.EGOS,B.MDER,B.MKAD,"
    "B.MGOS,B.MEGOS,B.KIDEM,B.YOP,B.OHT,B.EKOD,B.EKTAZ,B.LTAZ,B.DIGTAZ,B.DTAZ,B.MESAI,B.COC1,B.COC2,B.DIGCOC,"
    "B.MHAL,B.ESI,B.AGI,B.ACOCYRD,B.SAKDER,B.RAPOR,B.KGUN,B.KISTEMKES,B.TFA,B.GF,B.EKGF,B.KIDART,B.TERTAR,"
    "B.YDER,B.YKAD,B.YGOS,B.YEGOS,B.YKID,B.KEFALET,B.SENDIKA,B.SENKOD,B.YIG,B.VEKIL,B.BES,B.BESORAN,"
    "B.KES1,B.KES2,B.KES3,B.KES4,B.KES5,B.KAZ1,B.KAZ2,B.KAZ3,B.KAZ4,B.KAZ5,B.KAZ6,B.KAZ7,B.KAZ8,B.KAZ9,B.KAZ10,"
    "B.KAZS1,B.KAZS2,B.KAZS3,B.KAZS4,B.KAZS5,B.KAZS6,B.KAZS7,B.KAZS8,B.KAZS9,B.KAZS10,"
    "B.PCEZA,B.KIRA,B.OZIN,B.HIZBOR,B.HIZBORDUR,B.KISZAMAN,B.YEMEKGUN,"
    "S.ADI,S.SOYADI,S.EMSNO,U.UNVAN,BR.BIRIM ");
// The order is read apart: sorting the wide rows costs more than the rest of the read. By
// "Kodu" it takes the units' order by name (the database's Turkish collation) and sorts the
// numbers here; the other orders sort the keys alone in the database.
const QString kSelectOrder = QStringLiteral("SELECT B.PKAYNO,B.BKOD,B.PKOD ");
const QString kSelectionFrom = QStringLiteral(
    "FROM ZERBORBIL B "
    "JOIN SICIL S ON S.PKAYNO=B.PKAYNO "
    "JOIN BIRIM BR ON BR.BKOD=B.BKOD AND BR.TUR='M'");
const QString kTitleJoin = QStringLiteral(" LEFT JOIN UNTAN U ON U.UKOD=B.UKOD");
const QString kSelectionWhere = QStringLiteral(" WHERE BR.AKTIF='A' AND BR.MTUR='N'");
const QString kPaidOnly = QStringLiteral(" AND B.DURUM<>'H'");
const QString kOfUnit = QStringLiteral(" AND B.BKOD=:BK");
const QString kOfPerson = QStringLiteral(" AND B.PKAYNO=:PK");
const QString kOrderByRegistry = QStringLiteral(" ORDER BY S.EMSNO,B.PKAYNO,B.BKOD,B.PKOD");
const QString kOrderByName = QStringLiteral(" ORDER BY S.ADI,S.SOYADI,B.PKAYNO,B.BKOD,B.PKOD");

// The income-tax bases of the working year up to the run month, per person and unit, with
// the part that is the month's own monthly row in that unit (the row a run replaces).
const QString kSelectBases = QStringLiteral(
    "SELECT PKAYNO,BKOD,SUM(VERMAT),SUM(VERMAT1),"
    "SUM(CASE WHEN AY=:AY AND TUR='1' THEN VERMAT ELSE 0 END),"
    "SUM(CASE WHEN AY=:AY AND TUR='1' THEN VERMAT1 ELSE 0 END) "
    "FROM ZERMAAS WHERE YIL=:YL AND AY<=:AY");
const QString kBasesGroup = QStringLiteral(" GROUP BY PKAYNO,BKOD");

// Debt ledgers: the total of every order and the instalments of the running ones.
const QString kSelectDebts = QStringLiteral(
    "SELECT 'I',PKAYNO,SUM(TUTAR),SUM(CASE WHEN DUR='D' THEN KESTUT ELSE 0 END) FROM ICRA WHERE 1=1%1 GROUP BY PKAYNO "
    "UNION ALL "
    "SELECT 'H',PKAYNO,SUM(TUTAR),SUM(CASE WHEN DUR='D' THEN KESTUT ELSE 0 END) FROM HIZBOR WHERE 1=1%1 GROUP BY PKAYNO");

// Which people the grouped sums cover.
const QString kScopeUnit = QStringLiteral(" AND PKAYNO IN (SELECT PKAYNO FROM ZERBORBIL WHERE BKOD=:BK)");
const QString kScopePerson = QStringLiteral(" AND PKAYNO=:PK");

// ---- Reading values ---------------------------------------------------------------------

QChar code(const QVariant &v)
{
    const QString s = v.toString().trimmed();
    return s.isEmpty() ? QChar() : s.front();
}

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

/// FLOAT columns: the value the clerk typed, not its binary neighbour.
Money floatAmount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbFloat(float(v.toDouble()));
}

/// A FLOAT column's number as typed (15.6, not 15.600000381…).
double floatNumber(const QVariant &v)
{
    if (v.isNull())
        return 0;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, float(v.toDouble()));
    double out = 0;
    std::from_chars(buf, res.ptr, out);
    return out;
}

struct Scope {
    QString clause;
    QVariantMap binds;
};

Scope scopeOf(const RunSelection &s)
{
    if (s.person != 0)
        return {kScopePerson, {{QStringLiteral("PK"), s.person}}};
    if (s.unit != 0)
        return {kScopeUnit, {{QStringLiteral("BK"), s.unit}}};
    return {};
}

/// A pay record: (PKAYNO, BKOD, PKOD).
struct RecordKey {
    int pkayno, bkod, pkod;
    friend bool operator==(const RecordKey &, const RecordKey &) = default;
};

size_t qHash(const RecordKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.pkayno, k.bkod, k.pkod);
}

quint64 pairKey(int pkayno, int bkod)
{
    return (quint64(quint32(pkayno)) << 32) | quint32(bkod);
}

struct Bases {
    Money vermat, vermat1, ownVermat, ownVermat1;
};

void readDefinitions(const db::Database &db, engine::PayrollRun &run)
{
    QSqlQuery d = db.exec(kSelectDeductions);
    while (d.next()) {
        const int n = d.value(0).toInt();
        // The result rows keep 15 characters of the name; the screen shows all of it.
        run.deductionCaptions[std::size_t(n - 1)] = d.value(1).toString().trimmed();
        run.deductionNames[std::size_t(n - 1)] = run.deductionCaptions[std::size_t(n - 1)].left(15);
    }
    QSqlQuery u = db.exec(kSelectUnions);
    while (u.next())
        run.unions.insert(u.value(0).toInt(),
                          {u.value(1).toString().trimmed(), u.value(2).toDouble(), code(u.value(3))});
}

QString selectionWhere(const RunSelection &s, QVariantMap &binds)
{
    QString where = kSelectionWhere;
    if (!s.everyStatus)
        where += kPaidOnly;
    if (s.unit != 0) {
        where += kOfUnit;
        binds.insert(QStringLiteral("BK"), s.unit);
    }
    if (s.person != 0) {
        where += kOfPerson;
        binds.insert(QStringLiteral("PK"), s.person);
    }
    return where;
}

std::vector<RunPerson> readPayRecords(const db::Database &db, const RunSelection &s, QStringList &warnings)
{
    QVariantMap binds;
    const QString where = selectionWhere(s, binds);

    QHash<int, int> unitRank;            // by "Kodu"
    QHash<RecordKey, qsizetype> position;  // by the other orders
    if (s.order == RunOrder::Code) {
        for (const units::UnitName &u : units::units(db, units::UnitFilter::ActiveSalary))
            unitRank.insert(u.BKOD, int(unitRank.size()));
    } else {
        QSqlQuery keys = db.exec(kSelectOrder + kSelectionFrom + where +
                                     (s.order == RunOrder::Registry ? kOrderByRegistry : kOrderByName),
                                 binds);
        while (keys.next())
            position.insert({keys.value(0).toInt(), keys.value(1).toInt(), keys.value(2).toInt()}, position.size());
    }
    std::vector<RunPerson> people;

    QSqlQuery q = db.exec(kSelectPayRecords + kSelectionFrom + kTitleJoin + where, binds);
    const QSqlRecord rec = q.record();
    const auto col = [&rec](const char *name) { return rec.indexOf(QLatin1String(name)); };
    const int iPKAYNO = col("PKAYNO"), iBKOD = col("BKOD"), iPKOD = col("PKOD"), iUKOD = col("UKOD"),
              iDURUM = col("DURUM"), iPERTUR = col("PERTUR"), iGSSTUR = col("GSSTUR"), iDER = col("DER"),
              iKAD = col("KAD"), iGOS = col("GOS"), iEGOS = col("EGOS"), iMDER = col("MDER"), iMKAD = col("MKAD"),
              iMGOS = col("MGOS"), iMEGOS = col("MEGOS"), iKIDEM = col("KIDEM"), iYOP = col("YOP"), iOHT = col("OHT"),
              iEKOD = col("EKOD"), iEKTAZ = col("EKTAZ"), iLTAZ = col("LTAZ"), iDIGTAZ = col("DIGTAZ"),
              iDTAZ = col("DTAZ"), iMESAI = col("MESAI"), iCOC1 = col("COC1"), iCOC2 = col("COC2"),
              iDIGCOC = col("DIGCOC"), iMHAL = col("MHAL"), iESI = col("ESI"), iAGI = col("AGI"),
              iACOCYRD = col("ACOCYRD"), iSAKDER = col("SAKDER"), iRAPOR = col("RAPOR"), iKGUN = col("KGUN"),
              iKISTEMKES = col("KISTEMKES"), iTFA = col("TFA"), iGF = col("GF"), iEKGF = col("EKGF"),
              iKIDART = col("KIDART"), iTERTAR = col("TERTAR"), iYDER = col("YDER"), iYKAD = col("YKAD"),
              iYGOS = col("YGOS"), iYEGOS = col("YEGOS"), iYKID = col("YKID"), iKEFALET = col("KEFALET"),
              iSENDIKA = col("SENDIKA"), iSENKOD = col("SENKOD"), iYIG = col("YIG"), iVEKIL = col("VEKIL"),
              iBES = col("BES"), iBESORAN = col("BESORAN"), iKES1 = col("KES1"), iKAZ1 = col("KAZ1"),
              iKAZS1 = col("KAZS1"), iPCEZA = col("PCEZA"), iKIRA = col("KIRA"), iOZIN = col("OZIN"),
              iHIZBOR = col("HIZBOR"), iHIZBORDUR = col("HIZBORDUR"), iKISZAMAN = col("KISZAMAN"),
              iYEMEKGUN = col("YEMEKGUN"), iADI = col("ADI"), iSOYADI = col("SOYADI"), iEMSNO = col("EMSNO"),
              iUNVAN = col("UNVAN"), iBIRIM = col("BIRIM");

    while (q.next()) {
        RunPerson p;
        engine::PayRecord &r = p.input.rec;
        const auto i = [&q](int c) { return q.value(c).toInt(); };
        r.PKAYNO = i(iPKAYNO);
        r.BKOD = i(iBKOD);
        r.PKOD = i(iPKOD);
        r.UKOD = i(iUKOD);
        r.DURUM = code(q.value(iDURUM));
        r.PERTUR = code(q.value(iPERTUR));
        r.GSSTUR = code(q.value(iGSSTUR));
        r.DER = i(iDER);
        r.KAD = i(iKAD);
        r.GOS = i(iGOS);
        r.EGOS = i(iEGOS);
        r.MDER = i(iMDER);
        r.MKAD = i(iMKAD);
        r.MGOS = i(iMGOS);
        r.MEGOS = i(iMEGOS);
        r.KIDEM = i(iKIDEM);
        r.YOP = i(iYOP);
        r.OHT = i(iOHT);
        r.EKOD = i(iEKOD);
        r.EKTAZ = floatAmount(q.value(iEKTAZ));
        r.LTAZ = floatAmount(q.value(iLTAZ));
        r.DIGTAZ = floatAmount(q.value(iDIGTAZ));
        r.DTAZ = floatAmount(q.value(iDTAZ));
        r.MESAI = floatAmount(q.value(iMESAI));
        r.COC1 = i(iCOC1);
        r.COC2 = i(iCOC2);
        r.DIGCOC = i(iDIGCOC);
        r.MHAL = code(q.value(iMHAL));
        r.ESI = code(q.value(iESI));
        r.AGI = code(q.value(iAGI));
        r.ACOCYRD = code(q.value(iACOCYRD));
        r.SAKDER = i(iSAKDER);
        r.RAPOR = i(iRAPOR);
        r.KGUNstored = floatNumber(q.value(iKGUN));
        r.KGUN = int(std::lround(r.KGUNstored));
        r.KISTEMKES = code(q.value(iKISTEMKES));
        r.TFA = i(iTFA);
        r.GF = i(iGF);
        r.EKGF = i(iEKGF);
        r.KIDART = i(iKIDART);
        r.TERTAR = q.value(iTERTAR).toDate();
        r.YDER = i(iYDER);
        r.YKAD = i(iYKAD);
        r.YGOS = i(iYGOS);
        r.YEGOS = i(iYEGOS);
        r.YKID = i(iYKID);
        r.KEFALET = code(q.value(iKEFALET));
        r.SENDIKA = code(q.value(iSENDIKA));
        r.SENKOD = i(iSENKOD);
        r.YIG = code(q.value(iYIG));
        r.VEKIL = code(q.value(iVEKIL));
        r.BES = code(q.value(iBES));
        r.BESORAN = q.value(iBESORAN).toDouble();
        for (int k = 0; k < 5; ++k) {
            const QVariant v = q.value(iKES1 + k);
            r.KES[std::size_t(k)] = k < 3 ? floatAmount(v) : amount(v);  // KES4, KES5 are DOUBLE PRECISION
        }
        for (int k = 0; k < 10; ++k) {
            r.KAZ[std::size_t(k)] = floatAmount(q.value(iKAZ1 + k));
            r.KAZS[std::size_t(k)] = code(q.value(iKAZS1 + k));
        }
        r.PCEZA = floatAmount(q.value(iPCEZA));
        r.KIRA = floatAmount(q.value(iKIRA));
        r.OZIN = floatAmount(q.value(iOZIN));
        r.HIZBOR = floatAmount(q.value(iHIZBOR));
        r.HIZBORDUR = q.value(iHIZBORDUR).toBool();
        r.KISZAMAN = code(q.value(iKISZAMAN));
        r.YEMEKGUN = i(iYEMEKGUN);
        p.ADI = q.value(iADI).toString().trimmed();
        p.SOYADI = q.value(iSOYADI).toString().trimmed();
        p.EMSNO = q.value(iEMSNO).toString().trimmed();
        p.UNVAN = q.value(iUNVAN).toString().trimmed();
        p.BIRIM = q.value(iBIRIM).toString().trimmed();
        if (double(r.KGUN) != r.KGUNstored)
            warnings << QStringLiteral("Dikkat! %1 %2: kıst gün sayısı %3 tam gün değil, %4 gün hesaplandı.")
                            .arg(p.ADI, p.SOYADI, shortestDecimal(r.KGUNstored))
                            .arg(r.KGUN);
        people.push_back(std::move(p));
    }

    // Both reads run in one snapshot, so every record has its place.
    std::vector<std::pair<qsizetype, std::size_t>> order;  // (place, index)
    order.reserve(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        const engine::PayRecord &r = people[i].input.rec;
        order.emplace_back(s.order == RunOrder::Code ? unitRank.value(r.BKOD) : position.value({r.PKAYNO, r.BKOD, r.PKOD}), i);
    }
    const auto before = [&people](const std::pair<qsizetype, std::size_t> &a, const std::pair<qsizetype, std::size_t> &b) {
        if (a.first != b.first)
            return a.first < b.first;
        const engine::PayRecord &x = people[a.second].input.rec;
        const engine::PayRecord &y = people[b.second].input.rec;
        return std::tie(x.BKOD, x.PKOD, x.PKAYNO) < std::tie(y.BKOD, y.PKOD, y.PKAYNO);
    };
    std::sort(order.begin(), order.end(), before);
    std::vector<RunPerson> ordered;
    ordered.reserve(people.size());
    for (const auto &[place, index] : order)
        ordered.push_back(std::move(people[index]));
    return ordered;
}

QHash<quint64, Bases> readBases(const db::Database &db, const RunPeriod &period, const Scope &scope)
{
    QVariantMap binds = scope.binds;
    binds.insert(QStringLiteral("YL"), period.YIL);
    binds.insert(QStringLiteral("AY"), period.AY);
    QSqlQuery q = db.exec(kSelectBases + scope.clause + kBasesGroup, binds);
    QHash<quint64, Bases> out;
    while (q.next())
        out.insert(pairKey(q.value(0).toInt(), q.value(1).toInt()),
                   {amount(q.value(2)), amount(q.value(3)), amount(q.value(4)), amount(q.value(5))});
    return out;
}

struct Debts {
    QHash<int, engine::DebtTotals> garnishments, serviceDebts;
};

Debts readDebts(const db::Database &db, const Scope &scope)
{
    QSqlQuery q = db.exec(kSelectDebts.arg(scope.clause), scope.binds);
    Debts out;
    while (q.next()) {
        const engine::DebtTotals t{amount(q.value(2)), amount(q.value(3))};
        (code(q.value(0)) == QLatin1Char('I') ? out.garnishments : out.serviceDebts).insert(q.value(1).toInt(), t);
    }
    return out;
}

QHash<int, ledgers::PaidSums> readPaid(const db::Database &db, const RunPeriod &period, const RunSelection &s)
{
    ledgers::PayrollKey replaced;
    replaced.year = period.YIL.toInt();
    replaced.month = period.AY;
    replaced.kind = QStringLiteral("1");
    if (s.unit != 0)
        replaced.bkod = s.unit;
    if (s.person != 0)
        return {{s.person, ledgers::paidSumsOf(db, s.person, replaced)}};
    if (s.unit != 0)
        return ledgers::paidSumsOfUnit(db, s.unit, replaced);
    return ledgers::paidSums(db, replaced);
}

}  // namespace

RunPeriod RunPeriod::of(const QString &workingYear, const QDate &today)
{
    RunPeriod p;
    p.YIL = workingYear;
    p.AY = today.month();
    p.DON = cal::donFor(p.AY);
    return p;
}

InstallationSettings readInstallationSettings(const db::Database &db)
{
    const QSqlRecord r = settingsrow::read(db, {QStringLiteral("CYIL"), QStringLiteral("ASUCISTISNA"),
                                                QStringLiteral("MKESDUR"), QStringLiteral("HBORKESDUR"),
                                                QStringLiteral("KEF"), QStringLiteral("SEN"), QStringLiteral("YEMEKGV"),
                                                QStringLiteral("YEMEKGSS"), QStringLiteral("PEKFARK")});
    const auto v = [&](const char *column) { return r.value(QLatin1String(column)); };
    InstallationSettings s;
    s.CYIL = v("CYIL").toString().trimmed();
    s.engine.ASUCISTISNA = code(v("ASUCISTISNA"));
    s.engine.MKESDUR = code(v("MKESDUR"));
    s.engine.HBORKESDUR = code(v("HBORKESDUR"));
    s.engine.KEF = code(v("KEF"));
    s.engine.SEN = code(v("SEN"));
    s.engine.YEMEKGV = v("YEMEKGV").toBool();
    s.engine.YEMEKGSS = v("YEMEKGSS").toBool();
    s.engine.PEKFARK = v("PEKFARK").toBool();
    return s;
}

LoadedRun loadRun(db::Database &db, const RunPeriod &period, const RunSelection &selection,
                  const engine::EngineSettings &settings)
{
    // One snapshot of the database for the whole load.
    db::Transaction tx(db);
    LoadedRun out;
    engine::PayrollRun &run = out.run;
    run.YIL = period.YIL;
    run.AY = period.AY;
    run.DON = period.DON;
    run.settings = settings;

    const rates::PeriodRows rows = rates::loadPeriod(db, period.YIL, period.DON);
    LoadedRates loaded = oranlar(rows);
    run.rates = loaded.rates;
    out.warnings = loaded.warnings;
    run.items = itemDefinitions(rows.earningTypes);
    readDefinitions(db, run);

    out.people = readPayRecords(db, selection, out.warnings);
    const Scope scope = scopeOf(selection);
    const QHash<quint64, Bases> bases = readBases(db, period, scope);
    const Debts debts = readDebts(db, scope);
    const QHash<int, ledgers::PaidSums> paid = readPaid(db, period, selection);
    tx.commit();

    // Σ over the units of a person for the year-to-month bases.
    QHash<int, Bases> perPerson;
    for (auto it = bases.cbegin(); it != bases.cend(); ++it) {
        Bases &b = perPerson[int(it.key() >> 32)];
        b.vermat += it->vermat;
        b.vermat1 += it->vermat1;
    }
    for (RunPerson &p : out.people) {
        engine::PersonInput &in = p.input;
        const int pk = in.rec.PKAYNO;
        const Bases year = perPerson.value(pk);
        const Bases own = bases.value(pairKey(pk, in.rec.BKOD));
        in.earlier.vermatToMonth = year.vermat;
        in.earlier.vermat1ToMonth = year.vermat1;
        in.earlier.vermatOwnRow = own.ownVermat;
        in.earlier.vermat1OwnRow = own.ownVermat1;
        const ledgers::PaidSums done = paid.value(pk);
        in.earlier.icraPaid = done.garnishment;
        in.earlier.hizborPaid = done.serviceDebt;
        in.garnishments = debts.garnishments.value(pk);
        in.serviceDebts = debts.serviceDebts.value(pk);
    }
    return out;
}

int countSelection(const db::Database &db, const RunSelection &selection)
{
    QVariantMap binds;
    const QString where = selectionWhere(selection, binds);
    return db.scalar(QStringLiteral("SELECT COUNT(*) ") + kSelectionFrom + where, binds).toInt();
}

std::vector<engine::PersonPay> computeAll(const LoadedRun &loaded)
{
    std::vector<engine::PersonPay> out;
    out.reserve(loaded.people.size());
    for (const RunPerson &p : loaded.people)
        out.push_back(engine::hesapla(loaded.run, p.input));
    return out;
}

}  // namespace zeran::payrollrun
