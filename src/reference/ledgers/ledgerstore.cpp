#include "ledgerstore.h"

#include "payrecords.h"

#include <QSqlQuery>
#include <QVariant>

namespace zeran::ledgers {

namespace {

const QString kPersonSql = QStringLiteral("SELECT ADI,SOYADI,EMSNO FROM SICIL WHERE PKAYNO=:PK");

const QString kChildrenSql =
    QStringLiteral("SELECT HNO,ADSOY,DTAR,ODUR,CINS FROM COCUK WHERE PKAYNO=:PK ORDER BY HNO");
const QString kChildMaxSql = QStringLiteral("SELECT MAX(HNO) HNO FROM COCUK");
const QString kChildInsertSql = QStringLiteral(
    "INSERT INTO COCUK (PKAYNO,HNO,ADSOY,DTAR,ODUR,CINS) VALUES (:PK,:HN,:AD,:DT,:OD,:CN)");
const QString kChildUpdateSql = QStringLiteral(
    "UPDATE COCUK SET ADSOY=:AD,DTAR=:DT,ODUR=:OD,CINS=:CN WHERE PKAYNO=:PK AND HNO=:HN");

const QString kRecordCountsSql = QStringLiteral("SELECT COC1,COC2 FROM ZERBORBIL WHERE PKAYNO=:PK");
const QString kRecordCountsInUnitSql =
    QStringLiteral("SELECT COC1,COC2 FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK");

/// The statements of one debt ledger; the two tables have the same columns.
struct DebtSql {
    QString select, exists, insert, update, remove;
};

const DebtSql kIcraSql = {
    QStringLiteral("SELECT HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR FROM ICRA WHERE PKAYNO=:PK ORDER BY HARNO"),
    QStringLiteral("SELECT COUNT(*) FROM ICRA WHERE PKAYNO=:PK AND HARNO=:HN"),
    QStringLiteral("INSERT INTO ICRA (PKAYNO,HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR) "
                   "VALUES (:PK,:HN,:BT,:AC,:TU,:KT,:DR)"),
    QStringLiteral("UPDATE ICRA SET BASTAR=:BT,ACIK=:AC,TUTAR=:TU,KESTUT=:KT,DUR=:DR "
                   "WHERE PKAYNO=:PK AND HARNO=:HN"),
    QStringLiteral("DELETE FROM ICRA WHERE PKAYNO=:PK AND HARNO=:HN"),
};

const DebtSql kHizborSql = {
    QStringLiteral("SELECT HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR FROM HIZBOR WHERE PKAYNO=:PK ORDER BY HARNO"),
    QStringLiteral("SELECT COUNT(*) FROM HIZBOR WHERE PKAYNO=:PK AND HARNO=:HN"),
    QStringLiteral("INSERT INTO HIZBOR (PKAYNO,HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR) "
                   "VALUES (:PK,:HN,:BT,:AC,:TU,:KT,:DR)"),
    QStringLiteral("UPDATE HIZBOR SET BASTAR=:BT,ACIK=:AC,TUTAR=:TU,KESTUT=:KT,DUR=:DR "
                   "WHERE PKAYNO=:PK AND HARNO=:HN"),
    QStringLiteral("DELETE FROM HIZBOR WHERE PKAYNO=:PK AND HARNO=:HN"),
};

const DebtSql &sqlOf(DebtKind kind)
{
    return kind == DebtKind::Garnishment ? kIcraSql : kHizborSql;
}

QVariant dateOrNull(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDate>());
}

QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
}

Money amountOf(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

QVariantMap childBinds(int pkayno, const ChildRow &r)
{
    return {{QStringLiteral("PK"), pkayno},
            {QStringLiteral("HN"), r.hno},
            {QStringLiteral("AD"), textOrNull(r.adsoy.left(kChildNameLength))},
            {QStringLiteral("DT"), dateOrNull(r.dtar)},
            {QStringLiteral("OD"), textOrNull(r.odur)},
            {QStringLiteral("CN"), textOrNull(r.cins)}};
}

QVariantMap debtBinds(int pkayno, const DebtRow &r)
{
    return {{QStringLiteral("PK"), pkayno},
            {QStringLiteral("HN"), r.harno},
            {QStringLiteral("BT"), dateOrNull(r.bastar)},
            {QStringLiteral("AC"), textOrNull(r.acik.left(kDebtTextLength))},
            {QStringLiteral("TU"), r.tutar.toDouble()},
            {QStringLiteral("KT"), r.kestut.toDouble()},
            {QStringLiteral("DR"), textOrNull(r.dur)}};
}

}  // namespace

QString tableName(DebtKind kind)
{
    return kind == DebtKind::Garnishment ? QStringLiteral("ICRA") : QStringLiteral("HIZBOR");
}

std::optional<PersonHeader> readPerson(const db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kPersonSql, {{QStringLiteral("PK"), pkayno}});
    if (!q.next())
        return std::nullopt;
    return PersonHeader{q.value(0).toString().trimmed() + QLatin1Char(' ') + q.value(1).toString().trimmed(),
                        q.value(2).toString().trimmed()};
}

QList<ChildRow> readChildren(const db::Database &db, int pkayno)
{
    QList<ChildRow> rows;
    QSqlQuery q = db.exec(kChildrenSql, {{QStringLiteral("PK"), pkayno}});
    while (q.next()) {
        ChildRow r;
        r.hno = q.value(0).toInt();
        r.adsoy = q.value(1).toString().trimmed();
        r.dtar = q.value(2).toDate();
        r.odur = q.value(3).toString().trimmed();
        r.cins = q.value(4).toString().trimmed();
        rows.append(r);
    }
    return rows;
}

void storeChildren(db::Database &db, int pkayno, QList<ChildRow> &rows)
{
    QList<ChildRow> stored = rows;
    db::Transaction t(db);
    qint64 next = 0;
    for (ChildRow &r : stored) {
        if (r.hno != 0) {
            db.exec(kChildUpdateSql, childBinds(pkayno, r));
            continue;
        }
        if (next == 0)
            next = db.scalar(kChildMaxSql).toLongLong() + 1;
        r.hno = db::smallintKey(next++, QStringLiteral("Çocuk kaydı (HNO)"));
        db.exec(kChildInsertSql, childBinds(pkayno, r));
    }
    t.commit();
    rows = stored;
}

QList<RecordCounts> readRecordCounts(const db::Database &db, int pkayno, std::optional<int> bkod)
{
    QSqlQuery q = bkod ? db.exec(kRecordCountsInUnitSql, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), *bkod}})
                       : db.exec(kRecordCountsSql, {{QStringLiteral("PK"), pkayno}});
    QList<RecordCounts> list;
    while (q.next())
        list.append({q.value(0).toInt(), q.value(1).toInt()});
    return list;
}

int storeRecordCounts(db::Database &db, int pkayno, const ChildCounts &counts)
{
    db::Transaction t(db);
    const int n = personnel::storeChildCounts(db, pkayno, counts.young, counts.older, counts.total());
    t.commit();
    return n;
}

QList<DebtRow> readDebts(const db::Database &db, DebtKind kind, int pkayno)
{
    QList<DebtRow> rows;
    QSqlQuery q = db.exec(sqlOf(kind).select, {{QStringLiteral("PK"), pkayno}});
    while (q.next()) {
        DebtRow r;
        r.harno = q.value(0).toInt();
        r.bastar = q.value(1).toDate();
        r.acik = q.value(2).toString().trimmed();
        r.tutar = amountOf(q.value(3));
        r.kestut = amountOf(q.value(4));
        r.dur = q.value(5).toString().trimmed();
        rows.append(r);
    }
    return rows;
}

void storeDebts(db::Database &db, DebtKind kind, int pkayno, DebtChanges &changes)
{
    const DebtSql &sql = sqlOf(kind);
    QList<DebtRow> added = changes.added;
    db::Transaction t(db);
    for (int harno : changes.removed)
        db.exec(sql.remove, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("HN"), harno}});
    for (const DebtRow &r : changes.changed)
        db.exec(sql.update, debtBinds(pkayno, r));
    for (DebtRow &r : added) {
        // The generator is shared with other tables and may have been set back below
        // numbers this person already has.
        do {
            r.harno = db::smallintKey(db.nextGeneratorValue(QStringLiteral("GEN_HARNO")), QStringLiteral("Kayıt (HARNO)"));
        } while (db.scalar(sql.exists, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("HN"), r.harno}}).toInt() > 0);
        db.exec(sql.insert, debtBinds(pkayno, r));
    }
    t.commit();
    changes.added = added;
}

}  // namespace zeran::ledgers
