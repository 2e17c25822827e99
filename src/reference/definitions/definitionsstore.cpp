#include "definitionsstore.h"

#include "payrecords.h"

namespace zeran::definitions {

namespace {

const QString kSelectTitles = QStringLiteral("SELECT UKOD,UNVAN,YOP FROM UNTAN ORDER BY UNVAN,UKOD");
const QString kMaxTitle = QStringLiteral("SELECT MAX(UKOD) YENINO FROM UNTAN");
const QString kInsertTitle = QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN,YOP) VALUES (:UKOD,:UNVAN,:YOP)");
const QString kUpdateTitle = QStringLiteral("UPDATE UNTAN SET UNVAN=:UNVAN,YOP=:YOP WHERE UKOD=:UKOD");

const QString kSelectDeductions = QStringLiteral("SELECT HARNO,KESADI,TUTAR,AKTIF FROM ZERKES ORDER BY HARNO");
const QString kCountDeductions = QStringLiteral("SELECT COUNT(*) FROM ZERKES");
const QString kMaxDeduction = QStringLiteral("SELECT MAX(HARNO) YENINO FROM ZERKES");
const QString kInsertDeduction =
    QStringLiteral("INSERT INTO ZERKES (HARNO,KESADI,TUTAR,AKTIF) VALUES (:HARNO,:KESADI,:TUTAR,:AKTIF)");
const QString kUpdateDeduction =
    QStringLiteral("UPDATE ZERKES SET KESADI=:KESADI,TUTAR=:TUTAR,AKTIF=:AKTIF WHERE HARNO=:HARNO");

const QString kSlotColumns = QStringLiteral("HNO,BKOD,ADI,DUR,GV,DV,EMK,IND,TUR,SEK,TUTAR,BRUTNET,KOD");
const QString kSelectSlots = QStringLiteral("SELECT %1 FROM ZERHESTUR ORDER BY HNO,BKOD");
const QString kSelectSlot = QStringLiteral("SELECT %1 FROM ZERHESTUR WHERE HNO=:HNO ORDER BY BKOD");
const QString kCountSlots = QStringLiteral("SELECT COUNT(*) FROM ZERHESTUR");
const QString kMaxSlot = QStringLiteral("SELECT MAX(HNO) HNO FROM ZERHESTUR");
const QString kInsertSlot = QStringLiteral(
    "INSERT INTO ZERHESTUR (HNO,BKOD,ADI,DUR,GV,DV,EMK,IND,TUR,SEK,TUTAR,BRUTNET,KOD) "
    "VALUES (:HNO,:BKOD,:ADI,:DUR,:GV,:DV,:EMK,:IND,:TUR,:SEK,:TUTAR,:BRUTNET,:KOD)");
const QString kUpdateSlot = QStringLiteral(
    "UPDATE ZERHESTUR SET ADI=:ADI,DUR=:DUR,GV=:GV,DV=:DV,EMK=:EMK,IND=:IND,TUR=:TUR,SEK=:SEK,TUTAR=:TUTAR,"
    "BRUTNET=:BRUTNET,KOD=:KOD WHERE HNO=:HNO AND BKOD=:BKOD");
const QString kSeyyanenCount =
    QStringLiteral("SELECT COUNT(*) SAY FROM ZERHESTUR WHERE UPPER(ADI)='SEYYANEN ZAM'");
const QString kSeyyanenSlot = QStringLiteral(
    "UPDATE ZERHESTUR SET ADI=:X0,DUR=:X2,GV=:GV,DV=:DV,EMK=:SIG,IND=:IND,TUR=:TUR,BRUTNET=:BNET,TUTAR=:TUT "
    "WHERE HNO=:HN");
// One pass over the year's results for all ten slots.
const QString kSlotsUsed = QStringLiteral("SELECT %1 FROM ZERMAAS B WHERE B.YIL=:YL");

const QString kSelectUnions = QStringLiteral(
    "SELECT SENKOD,SENDIKA,ADRES,ORN,HTUR,BHNO,HKOD,HESAP FROM SENDIKA WHERE TUR='M' ORDER BY SENKOD");
const QString kMaxUnion = QStringLiteral("SELECT MAX(SENKOD) SENKOD FROM SENDIKA");
const QString kInsertUnion = QStringLiteral(
    "INSERT INTO SENDIKA (SENKOD,TUR,SENDIKA,ADRES,ORN,HTUR,BHNO,HKOD,HESAP) "
    "VALUES (:SENKOD,'M',:SENDIKA,:ADRES,:ORN,:HTUR,:BHNO,:HKOD,:HESAP)");
const QString kUpdateUnion = QStringLiteral(
    "UPDATE SENDIKA SET TUR='M',SENDIKA=:SENDIKA,ADRES=:ADRES,ORN=:ORN,HTUR=:HTUR,BHNO=:BHNO,HKOD=:HKOD,"
    "HESAP=:HESAP WHERE SENKOD=:SENKOD");

const QString kSelectCompanies = QStringLiteral("SELECT FKOD,FIRMA,ADRES,BHNO,HKOD FROM BESFIRMA ORDER BY FKOD");
const QString kMaxCompany = QStringLiteral("SELECT MAX(FKOD) YNO FROM BESFIRMA");
const QString kInsertCompany =
    QStringLiteral("INSERT INTO BESFIRMA (FKOD,FIRMA,ADRES,BHNO,HKOD) VALUES (:FKOD,:FIRMA,:ADRES,:BHNO,:HKOD)");
const QString kUpdateCompany =
    QStringLiteral("UPDATE BESFIRMA SET FIRMA=:FIRMA,ADRES=:ADRES,BHNO=:BHNO,HKOD=:HKOD WHERE FKOD=:FKOD");

QVariant text(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}
QString readText(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString().trimmed();
}
QVariant number(const std::optional<double> &d)
{
    return d ? QVariant(*d) : QVariant(QMetaType(QMetaType::Double));
}
std::optional<double> readNumber(const QVariant &v)
{
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}
QVariant amount(const std::optional<Money> &m)
{
    return m ? QVariant(m->toDouble()) : QVariant(QMetaType(QMetaType::Double));
}
std::optional<Money> readAmount(const QVariant &v)
{
    return v.isNull() ? std::nullopt : std::optional<Money>(Money::fromDbDouble(v.toDouble()));
}
int nextKey(db::Database &db, const QString &maxSql, const QString &what)
{
    // an empty table gives NULL: the first key is 1
    return db::smallintKey(db.scalar(maxSql).toLongLong() + 1, what);
}

EarningSlot slotFrom(const QSqlQuery &q)
{
    EarningSlot s;
    s.HNO = q.value(0).toInt();
    s.BKOD = q.value(1).toInt();
    s.ADI = readText(q.value(2));
    s.DUR = readText(q.value(3));
    s.GV = readText(q.value(4));
    s.DV = readText(q.value(5));
    s.EMK = readText(q.value(6));
    s.IND = readText(q.value(7));
    s.TUR = readText(q.value(8));
    s.SEK = readText(q.value(9));
    s.TUTAR = readAmount(q.value(10));
    s.BRUTNET = readText(q.value(11));
    s.KOD = readText(q.value(12));
    return s;
}

QVariantMap slotBinds(const EarningSlot &s)
{
    return {{QStringLiteral("HNO"), s.HNO},       {QStringLiteral("BKOD"), s.BKOD},  {QStringLiteral("ADI"), text(s.ADI)},
            {QStringLiteral("DUR"), text(s.DUR)}, {QStringLiteral("GV"), text(s.GV)}, {QStringLiteral("DV"), text(s.DV)},
            {QStringLiteral("EMK"), text(s.EMK)}, {QStringLiteral("IND"), text(s.IND)}, {QStringLiteral("TUR"), text(s.TUR)},
            {QStringLiteral("SEK"), text(s.SEK)}, {QStringLiteral("TUTAR"), amount(s.TUTAR)},
            {QStringLiteral("BRUTNET"), text(s.BRUTNET)}, {QStringLiteral("KOD"), text(s.KOD)}};
}

}  // namespace

// ---- Titles ------------------------------------------------------------------------------

std::vector<Title> readTitles(db::Database &db)
{
    std::vector<Title> out;
    QSqlQuery q = db.exec(kSelectTitles);
    while (q.next())
        out.push_back({q.value(0).toInt(), readText(q.value(1)), readNumber(q.value(2))});
    return out;
}

int saveTitle(db::Database &db, const Title &t)
{
    db::Transaction tx(db);
    const int ukod = t.UKOD > 0 ? t.UKOD : nextKey(db, kMaxTitle, QStringLiteral("Ünvan (UKOD)"));
    const QVariantMap binds{{QStringLiteral("UKOD"), ukod}, {QStringLiteral("UNVAN"), t.UNVAN}, {QStringLiteral("YOP"), number(t.YOP)}};
    db.exec(t.UKOD > 0 ? kUpdateTitle : kInsertTitle, binds);
    tx.commit();
    return ukod;
}

// ---- Special deductions --------------------------------------------------------------------

std::vector<Deduction> readDeductions(db::Database &db)
{
    std::vector<Deduction> out;
    QSqlQuery q = db.exec(kSelectDeductions);
    while (q.next())
        out.push_back({q.value(0).toInt(), readText(q.value(1)), readAmount(q.value(2)), readText(q.value(3))});
    return out;
}

std::optional<int> saveDeduction(db::Database &db, const Deduction &d)
{
    db::Transaction tx(db);
    int harno = d.HARNO;
    if (harno <= 0) {
        if (db.scalar(kCountDeductions).toInt() >= kDeductionSlots)
            return std::nullopt;  // a sixth deduction is refused
        harno = nextKey(db, kMaxDeduction, QStringLiteral("Kesinti (HARNO)"));
    }
    const QVariantMap binds{{QStringLiteral("HARNO"), harno},
                            {QStringLiteral("KESADI"), d.KESADI},
                            {QStringLiteral("TUTAR"), amount(d.TUTAR)},
                            {QStringLiteral("AKTIF"), text(d.AKTIF)}};
    db.exec(d.HARNO > 0 ? kUpdateDeduction : kInsertDeduction, binds);
    tx.commit();
    return harno;
}

// ---- Earning slots -------------------------------------------------------------------------

std::vector<EarningSlot> readSlots(db::Database &db)
{
    std::vector<EarningSlot> out;
    QSqlQuery q = db.exec(kSelectSlots.arg(kSlotColumns));
    while (q.next())
        out.push_back(slotFrom(q));
    return out;
}

std::optional<EarningSlot> readSlot(db::Database &db, int hno)
{
    QSqlQuery q = db.exec(kSelectSlot.arg(kSlotColumns), {{QStringLiteral("HNO"), hno}});
    if (!q.next())
        return std::nullopt;
    return slotFrom(q);
}

bool ensureSlots(db::Database &db)
{
    db::Transaction tx(db);
    if (db.scalar(kCountSlots).toInt() > 0)
        return false;
    for (int k = 1; k <= kEarningSlots; ++k)
        db.exec(kInsertSlot, slotBinds(defaultSlot(k)));
    tx.commit();
    return true;
}

std::optional<int> addSlot(db::Database &db)
{
    db::Transaction tx(db);
    const int hno = nextKey(db, kMaxSlot, QStringLiteral("Gelir türü (HNO)"));
    if (hno > kEarningSlots)
        return std::nullopt;
    db.exec(kInsertSlot, slotBinds(addedSlot(hno)));
    tx.commit();
    return hno;
}

void saveSlot(db::Database &db, const EarningSlot &slot)
{
    db::Transaction tx(db);
    db.exec(kUpdateSlot, slotBinds(slot));
    tx.commit();
}

std::vector<bool> slotsUsedInYear(db::Database &db, const QString &year)
{
    QStringList sums;
    for (int k = 1; k <= kEarningSlots; ++k)
        sums << QStringLiteral("SUM(CASE WHEN KAZ%1>0 AND KAZ%1 IS NOT NULL THEN 1 ELSE 0 END)").arg(k);
    QSqlQuery q = db.exec(kSlotsUsed.arg(sums.join(QLatin1Char(','))), {{QStringLiteral("YL"), year}});
    std::vector<bool> used(kEarningSlots, false);
    if (q.next())
        for (int k = 0; k < kEarningSlots; ++k)
            used[std::size_t(k)] = q.value(k).toInt() > 0;
    return used;
}

bool seyyanenSlotExists(db::Database &db)
{
    return db.scalar(kSeyyanenCount).toInt() > 0;
}

int applySeyyanen(db::Database &db, int hno)
{
    if (hno < 1 || hno > kEarningSlots)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Geçersiz hesap numarası: %1").arg(hno));
    const EarningSlot s = seyyanenSlot({});
    db::Transaction tx(db);
    db.exec(kSeyyanenSlot, {{QStringLiteral("X0"), s.ADI},
                            {QStringLiteral("X2"), s.DUR},
                            {QStringLiteral("GV"), s.GV},
                            {QStringLiteral("DV"), s.DV},
                            {QStringLiteral("SIG"), s.EMK},
                            {QStringLiteral("IND"), s.IND},
                            {QStringLiteral("TUR"), s.TUR},
                            {QStringLiteral("BNET"), s.BRUTNET},
                            {QStringLiteral("TUT"), s.TUTAR->toDouble()},
                            {QStringLiteral("HN"), hno}});
    const int flagged = personnel::markFixedItemOnSalaryRecords(db, hno);
    tx.commit();
    return flagged;
}

// ---- Unions ---------------------------------------------------------------------------------

std::vector<Union> readUnions(db::Database &db)
{
    std::vector<Union> out;
    QSqlQuery q = db.exec(kSelectUnions);
    while (q.next())
        out.push_back({q.value(0).toInt(), readText(q.value(1)), readText(q.value(2)), readNumber(q.value(3)),
                       readText(q.value(4)), readText(q.value(5)), readText(q.value(6)), readText(q.value(7))});
    return out;
}

int saveUnion(db::Database &db, const Union &u)
{
    db::Transaction tx(db);
    const int senkod = u.SENKOD > 0 ? u.SENKOD : nextKey(db, kMaxUnion, QStringLiteral("Sendika (SENKOD)"));
    const QVariantMap binds{{QStringLiteral("SENKOD"), senkod},  {QStringLiteral("SENDIKA"), text(u.SENDIKA)},
                            {QStringLiteral("ADRES"), text(u.ADRES)}, {QStringLiteral("ORN"), number(u.ORN)},
                            {QStringLiteral("HTUR"), text(u.HTUR)},  {QStringLiteral("BHNO"), text(u.BHNO)},
                            {QStringLiteral("HKOD"), text(u.HKOD)},  {QStringLiteral("HESAP"), text(u.HESAP)}};
    db.exec(u.SENKOD > 0 ? kUpdateUnion : kInsertUnion, binds);
    tx.commit();
    return senkod;
}

// ---- Private-pension companies ------------------------------------------------------------

std::vector<PensionCompany> readPensionCompanies(db::Database &db)
{
    std::vector<PensionCompany> out;
    QSqlQuery q = db.exec(kSelectCompanies);
    while (q.next())
        out.push_back({q.value(0).toInt(), readText(q.value(1)), readText(q.value(2)), readText(q.value(3)),
                       readText(q.value(4))});
    return out;
}

int savePensionCompany(db::Database &db, const PensionCompany &c)
{
    db::Transaction tx(db);
    const int fkod = c.FKOD > 0 ? c.FKOD : nextKey(db, kMaxCompany, QStringLiteral("BES firması (FKOD)"));
    const QVariantMap binds{{QStringLiteral("FKOD"), fkod},
                            {QStringLiteral("FIRMA"), text(c.FIRMA)},
                            {QStringLiteral("ADRES"), text(c.ADRES)},
                            {QStringLiteral("BHNO"), text(c.BHNO)},
                            {QStringLiteral("HKOD"), text(c.HKOD)}};
    db.exec(c.FKOD > 0 ? kUpdateCompany : kInsertCompany, binds);
    tx.commit();
    return fkod;
}

}  // namespace zeran::definitions
