#include "leavestore.h"

#include "audit.h"

#include <QSet>
#include <QSqlQuery>

#include <map>

namespace zeran::leave {

namespace {

const QString kLeaveUnits = QStringLiteral(
    "SELECT BIRIM,BKOD FROM BIRIM WHERE TUR='M' AND COALESCE(AKTIF,'')<>'P' ORDER BY BIRIM,BKOD");
const QString kAllUnits = QStringLiteral("SELECT BIRIM,BKOD FROM BIRIM WHERE TUR='M' ORDER BY BIRIM,BKOD");
const QString kYears = QStringLiteral("SELECT DISTINCT YIL FROM ZERMAAS ORDER BY YIL DESC");
const QString kPeople = QStringLiteral(
    "SELECT S.ADI||' '||S.SOYADI ADSOY,S.PKAYNO,S.EMSNO,S.TEL1,U.UNVAN FROM SICIL S "
    "JOIN ZERBORBIL B ON(B.PKAYNO=S.PKAYNO) LEFT JOIN UNTAN U ON(U.UKOD=B.UKOD) "
    "WHERE B.BKOD=:BK AND B.DURUM='E' ORDER BY 1,S.PKAYNO,B.PKOD");
const QString kPerson = QStringLiteral(
    "SELECT S.ADI||' '||S.SOYADI ADSOY,S.PKAYNO,S.EMSNO,S.TEL1,"
    "(SELECT FIRST 1 U.UNVAN FROM ZERBORBIL B JOIN UNTAN U ON(U.UKOD=B.UKOD) WHERE B.PKAYNO=S.PKAYNO "
    "ORDER BY B.BKOD,B.PKOD) UNVAN FROM SICIL S WHERE S.PKAYNO=:PK");
const QString kLeaves = QStringLiteral(
    "SELECT PKAYNO,HARNO,ITUR,OTAR,OSAY,MIKTAR,BASTAR,BITTAR,ADRES,TEL,YET1,UNV1,YET,UNV,\"NOT\" "
    "FROM IZIN WHERE PKAYNO=:PK ORDER BY BASTAR,HARNO");
const QString kEntitlements = QStringLiteral("SELECT YIL,GUN,DEVIR FROM IZINMIKTAR WHERE PKAYNO=:PK ORDER BY YIL");
// The carry-over reads the leaves and entitlements of a unit's people at once.
const QString kUnitLeaves = QStringLiteral(
    "SELECT PKAYNO,HARNO,ITUR,OTAR,OSAY,MIKTAR,BASTAR,BITTAR,ADRES,TEL,YET1,UNV1,YET,UNV,\"NOT\" FROM IZIN I "
    "WHERE EXISTS (SELECT 1 FROM ZERBORBIL B WHERE B.PKAYNO=I.PKAYNO AND B.BKOD=:BK) ORDER BY PKAYNO,BASTAR,HARNO");
const QString kUnitEntitlements = QStringLiteral(
    "SELECT PKAYNO,YIL,GUN,DEVIR FROM IZINMIKTAR M "
    "WHERE EXISTS (SELECT 1 FROM ZERBORBIL B WHERE B.PKAYNO=M.PKAYNO AND B.BKOD=:BK) ORDER BY PKAYNO,YIL");
const QString kInsertLeave = QStringLiteral(
    "INSERT INTO IZIN (PKAYNO,HARNO,ITUR,OTAR,OSAY,MIKTAR,BASTAR,BITTAR,ADRES,TEL,YET1,UNV1,YET,UNV,\"NOT\") "
    "VALUES (:PK,:HN,:IT,:OT,:OS,:MI,:BA,:BI,:AD,:TE,:Y1,:U1,:YE,:UN,:NO)");
const QString kUpdateLeave = QStringLiteral(
    "UPDATE IZIN SET ITUR=:IT,OTAR=:OT,OSAY=:OS,MIKTAR=:MI,BASTAR=:BA,BITTAR=:BI,ADRES=:AD,TEL=:TE,"
    "YET1=:Y1,UNV1=:U1,YET=:YE,UNV=:UN,\"NOT\"=:NO WHERE PKAYNO=:PK AND HARNO=:HN");
const QString kDeleteLeave = QStringLiteral("DELETE FROM IZIN WHERE PKAYNO=:PK AND HARNO=:HN");
const QString kStoreYearDays = QStringLiteral(
    "UPDATE OR INSERT INTO IZINMIKTAR (PKAYNO,YIL,GUN) VALUES (:PK,:YL,:GN) MATCHING (PKAYNO,YIL)");
const QString kUnitPeopleWithoutRow = QStringLiteral(
    "SELECT DISTINCT B.PKAYNO FROM ZERBORBIL B WHERE B.BKOD=:BK AND NOT EXISTS "
    "(SELECT 1 FROM IZINMIKTAR M WHERE M.PKAYNO=B.PKAYNO AND M.YIL=:YL) ORDER BY B.PKAYNO");
const QString kInsertCarried = QStringLiteral(
    "INSERT INTO IZINMIKTAR(PKAYNO,YIL,GUN,DEVIR) VALUES(:X0,:X1,:X2,:X3)");
const QString kEntitlementList = QStringLiteral(
    "SELECT DISTINCT M.YIL,M.PKAYNO,M.GUN,M.DEVIR,S.ADI||' '||S.SOYADI ADSOY FROM ZERBORBIL B "
    "JOIN IZINMIKTAR M ON(B.PKAYNO=M.PKAYNO) LEFT JOIN SICIL S ON(S.PKAYNO=M.PKAYNO) "
    "WHERE M.YIL=:YL AND B.DURUM='E'");

QString text(const QVariant &v)
{
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString().trimmed();
}

QVariant nullable(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType(QMetaType::QDate));
}

std::vector<UnitChoice> readUnits(const db::Database &db, const QString &sql)
{
    std::vector<UnitChoice> out;
    QSqlQuery q = db.exec(sql);
    while (q.next())
        out.push_back({q.value(1).toInt(), text(q.value(0))});
    return out;
}

Person readPerson(const QSqlQuery &q)
{
    return {q.value(1).toInt(), text(q.value(0)), text(q.value(2)), text(q.value(3)), text(q.value(4))};
}

QString leaveAudit(const Leave &l)
{
    return QStringLiteral("%1 %2-%3 %4 GÜN").arg(kindName(l.ITUR), dateText(l.BASTAR), dateText(l.BITTAR)).arg(l.MIKTAR);
}

}  // namespace

std::vector<UnitChoice> leaveUnits(const db::Database &db)
{
    return readUnits(db, kLeaveUnits);
}

std::vector<UnitChoice> allUnits(const db::Database &db)
{
    return readUnits(db, kAllUnits);
}

QStringList payrollYears(const db::Database &db)
{
    QStringList years;
    QSqlQuery q = db.exec(kYears);
    while (q.next())
        years << text(q.value(0));
    return years;
}

std::vector<Person> unitPeople(const db::Database &db, int bkod)
{
    std::vector<Person> out;
    QSet<int> seen;
    QSqlQuery q = db.exec(kPeople, {{QStringLiteral("BK"), bkod}});
    while (q.next()) {
        Person p = readPerson(q);
        if (!seen.contains(p.PKAYNO)) {
            seen.insert(p.PKAYNO);
            out.push_back(p);
        }
    }
    return out;
}

std::optional<Person> person(const db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kPerson, {{QStringLiteral("PK"), pkayno}});
    if (!q.next())
        return std::nullopt;
    return readPerson(q);
}

namespace {
Leave readLeave(const QSqlQuery &q)
{
    Leave l;
    l.PKAYNO = q.value(0).toInt();
    l.HARNO = q.value(1).toInt();
    l.ITUR = q.value(2).toInt();
    l.OTAR = q.value(3).toDate();
    l.OSAY = text(q.value(4));
    l.MIKTAR = q.value(5).toInt();
    l.BASTAR = q.value(6).toDate();
    l.BITTAR = q.value(7).toDate();
    l.ADRES = text(q.value(8));
    l.TEL = text(q.value(9));
    l.YET1 = text(q.value(10));
    l.UNV1 = text(q.value(11));
    l.YET = text(q.value(12));
    l.UNV = text(q.value(13));
    l.NOT = text(q.value(14));
    return l;
}
}  // namespace

std::vector<Leave> leavesOf(const db::Database &db, int pkayno)
{
    std::vector<Leave> out;
    QSqlQuery q = db.exec(kLeaves, {{QStringLiteral("PK"), pkayno}});
    while (q.next())
        out.push_back(readLeave(q));
    return out;
}

std::vector<Entitlement> entitlementsOf(const db::Database &db, int pkayno)
{
    std::vector<Entitlement> out;
    QSqlQuery q = db.exec(kEntitlements, {{QStringLiteral("PK"), pkayno}});
    while (q.next())
        out.push_back({text(q.value(0)), q.value(1).toInt(), q.value(2).toInt()});
    return out;
}

Balance loadBalance(const db::Database &db, int pkayno, int year)
{
    return balance(year, entitlementsOf(db, pkayno), leavesOf(db, pkayno));
}

int saveLeave(db::Database &db, WorkingContext &ctx, const Leave &leave)
{
    db::Transaction tx(db);
    const bool isNew = leave.HARNO == 0;
    const int harno = isNew ? db::smallintKey(db.nextGeneratorValue(QStringLiteral("GEN_HARNO")), QStringLiteral("İzin kayıt no"))
                            : leave.HARNO;
    const QVariantMap binds = {
        {QStringLiteral("PK"), leave.PKAYNO}, {QStringLiteral("HN"), harno},
        {QStringLiteral("IT"), leave.ITUR},   {QStringLiteral("OT"), nullable(leave.OTAR)},
        {QStringLiteral("OS"), leave.OSAY},   {QStringLiteral("MI"), leave.MIKTAR},
        {QStringLiteral("BA"), nullable(leave.BASTAR)}, {QStringLiteral("BI"), nullable(leave.BITTAR)},
        {QStringLiteral("AD"), leave.ADRES},  {QStringLiteral("TE"), leave.TEL},
        {QStringLiteral("Y1"), leave.YET1},   {QStringLiteral("U1"), leave.UNV1},
        {QStringLiteral("YE"), leave.YET},    {QStringLiteral("UN"), leave.UNV},
        {QStringLiteral("NO"), leave.NOT},
    };
    const QSqlQuery q = db.exec(isNew ? kInsertLeave : kUpdateLeave, binds);
    if (!isNew && q.numRowsAffected() == 0)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("İzin kaydı bulunamadı (başka bir kullanıcı silmiş olabilir)."));
    audit::write(db, ctx, {QStringLiteral("IZIN"), isNew ? QStringLiteral("Y") : QStringLiteral("D"), leaveAudit(leave),
                           leave.PKAYNO, harno});
    tx.commit();
    return harno;
}

void deleteLeave(db::Database &db, WorkingContext &ctx, int pkayno, int harno)
{
    db::Transaction tx(db);
    db.exec(kDeleteLeave, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("HN"), harno}});
    audit::write(db, ctx, {QStringLiteral("IZIN"), QStringLiteral("S"), QStringLiteral("İZİN SİLİNDİ"), pkayno, harno});
    tx.commit();
}

void setYearDays(db::Database &db, WorkingContext &ctx, const std::vector<int> &people, const QString &year, int days)
{
    db::Transaction tx(db);
    for (int pk : people)
        db.exec(kStoreYearDays, {{QStringLiteral("PK"), pk}, {QStringLiteral("YL"), year}, {QStringLiteral("GN"), days}});
    audit::write(db, ctx, {QStringLiteral("IZIN"), QStringLiteral("D"),
                           QStringLiteral("%1 YILI İZİN GÜNÜ %2 (%3 KİŞİ)").arg(year).arg(days).arg(people.size())});
    tx.commit();
}

CarryResult carryOver(db::Database &db, WorkingContext &ctx, int bkod, const QString &year)
{
    CarryResult result;
    const int y = year.trimmed().toInt();
    db::Transaction tx(db);
    std::vector<int> people;
    {
        QSqlQuery q = db.exec(kUnitPeopleWithoutRow, {{QStringLiteral("BK"), bkod}, {QStringLiteral("YL"), year}});
        while (q.next())
            people.push_back(q.value(0).toInt());
    }
    std::map<int, std::vector<Leave>> leaves;
    std::map<int, std::vector<Entitlement>> entitlements;
    if (!people.empty()) {
        QSqlQuery q = db.exec(kUnitLeaves, {{QStringLiteral("BK"), bkod}});
        while (q.next()) {
            const Leave l = readLeave(q);
            leaves[l.PKAYNO].push_back(l);
        }
        q = db.exec(kUnitEntitlements, {{QStringLiteral("BK"), bkod}});
        while (q.next())
            entitlements[q.value(0).toInt()].push_back({text(q.value(1)), q.value(2).toInt(), q.value(3).toInt()});
    }
    for (int pk : people) {
        // A failed insert leaves the statement undone and the unit of work usable: the
        // person is reported and the others go on.
        try {
            const int carried = carriedInto(y, entitlements[pk], leaves[pk]);
            // DEVIR is a SMALLINT: the driver would store an out-of-range figure wrapped.
            if (carried < -db::kSmallIntMax - 1 || carried > db::kSmallIntMax)
                throw db::DbError(db::DbError::Kind::Sql,
                                  QStringLiteral("devreden izin günü (%1) sütuna sığmıyor").arg(carried));
            db.exec(kInsertCarried, {{QStringLiteral("X0"), pk}, {QStringLiteral("X1"), year},
                                     {QStringLiteral("X2"), kYearDays}, {QStringLiteral("X3"), carried}});
            ++result.added;
        } catch (const db::DbError &e) {
            result.failures << QStringLiteral("%1: %2").arg(pk).arg(e.text);
        }
    }
    if (result.added > 0)
        audit::write(db, ctx, {QStringLiteral("IZIN"), QStringLiteral("Y"),
                               QStringLiteral("%1 YILINA İZİN DEVRİ (%2 KİŞİ)").arg(year).arg(result.added), bkod});
    tx.commit();
    return result;
}

std::vector<EntitlementLine> entitlementList(const db::Database &db, const QString &year, int bkod)
{
    QString sql = kEntitlementList;
    QVariantMap binds = {{QStringLiteral("YL"), year}};
    if (bkod != 0) {
        sql += QStringLiteral(" AND B.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), bkod);
    }
    sql += QStringLiteral(" ORDER BY 5,2");
    std::vector<EntitlementLine> out;
    QSqlQuery q = db.exec(sql, binds);
    while (q.next())
        out.push_back({q.value(1).toInt(), text(q.value(4)), text(q.value(0)), q.value(2).toInt(), q.value(3).toInt()});
    return out;
}

}  // namespace zeran::leave
