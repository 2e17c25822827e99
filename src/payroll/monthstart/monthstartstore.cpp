#include "monthstartstore.h"

#include "payrecords.h"

#include <QHash>
#include <QSqlQuery>

namespace zeran::monthstart {

namespace {

const QString kUnitRecords = QStringLiteral(
    "SELECT PKAYNO,BKOD,PKOD,TERTAR,GF FROM ZERBORBIL WHERE BKOD=:KK ORDER BY PKOD,PKAYNO");

// The record and its archived row of the previous month, joined on person and unit.
const QString kIncreases = QStringLiteral(
    "SELECT B.PKAYNO,B.BKOD,B.PKOD,B.TFA,B.GF,B.KIDART,A.TFA ATFA,A.GF AGF,A.KIDART AKIDART "
    "FROM ZERARSIV A JOIN ZERBORBIL B ON(B.PKAYNO=A.PKAYNO AND B.BKOD=A.BKOD) "
    "WHERE A.AY=:AA AND A.YIL=:YL AND A.TUR='1' AND (B.TFA<>0 OR B.GF<>0 OR B.KIDART<>0) "
    "AND (:BK=0 OR A.BKOD=:BK) ORDER BY B.BKOD,B.PKOD,B.PKAYNO");

const QString kChildRecords = QStringLiteral(
    "SELECT B.PKAYNO,B.PKOD,B.COC1,B.COC2 FROM ZERBORBIL B WHERE B.BKOD=:KK "
    "AND EXISTS (SELECT 1 FROM COCUK C WHERE C.PKAYNO=B.PKAYNO) ORDER BY B.PKAYNO,B.PKOD");

const QString kBirths = QStringLiteral(
    "SELECT C.PKAYNO,C.DTAR FROM COCUK C WHERE EXISTS "
    "(SELECT 1 FROM ZERBORBIL B WHERE B.PKAYNO=C.PKAYNO AND B.BKOD=:KK) ORDER BY C.PKAYNO,C.HNO");

std::optional<int> optionalInt(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}

}  // namespace

Input loadInput(db::Database &db, int ay, int cyil, int unit, const QDate &today)
{
    Input in;
    in.AY = ay;
    in.CYIL = cyil;
    in.unit = unit;
    in.today = today;

    QSqlQuery q = db.exec(kUnitRecords, {{QStringLiteral("KK"), unit}});
    while (q.next()) {
        in.unitRecords.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toDate(),
                                  optionalInt(q.value(4))});
    }

    in.increases = loadIncreases(db, previousMonth(ay, cyil));

    QHash<int, QList<QDate>> births;
    q = db.exec(kBirths, {{QStringLiteral("KK"), unit}});
    while (q.next())
        births[q.value(0).toInt()].append(q.value(1).toDate());
    q = db.exec(kChildRecords, {{QStringLiteral("KK"), unit}});
    while (q.next()) {
        const int pkayno = q.value(0).toInt();
        in.children.push_back({pkayno, q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), births.value(pkayno)});
    }
    return in;
}

std::vector<IncreaseRow> loadIncreases(db::Database &db, const Month &previous, std::optional<int> unit)
{
    std::vector<IncreaseRow> rows;
    QSqlQuery q = db.exec(kIncreases, {{QStringLiteral("AA"), previous.month},
                                       {QStringLiteral("YL"), QString::number(previous.year)},
                                       {QStringLiteral("BK"), unit.value_or(0)}});
    while (q.next()) {
        IncreaseRow r;
        r.PKAYNO = q.value(0).toInt();
        r.BKOD = q.value(1).toInt();
        r.PKOD = q.value(2).toInt();
        r.record = {optionalInt(q.value(3)), optionalInt(q.value(4)), optionalInt(q.value(5))};
        r.archived = {optionalInt(q.value(6)), optionalInt(q.value(7)), optionalInt(q.value(8))};
        rows.push_back(r);
    }
    return rows;
}

int clearPaidIncreases(db::Database &db, const std::vector<IncreaseRow> &paid)
{
    db::Transaction work(db);
    int changed = 0;
    const QVariant null(QMetaType::fromType<int>());
    for (const IncreaseRow &r : paid) {
        changed += personnel::updatePayRecordColumns(
            db, {r.PKAYNO, r.BKOD, r.PKOD},
            {{QStringLiteral("TFA"), null}, {QStringLiteral("GF"), null}, {QStringLiteral("EKGF"), null},
             {QStringLiteral("KIDART"), null}});
    }
    work.commit();
    return changed;
}

int clearPaidIncreases(db::Database &db, int ay, int cyil)
{
    db::Transaction work(db);
    std::vector<IncreaseRow> paid;
    for (const IncreaseRow &r : loadIncreases(db, previousMonth(ay, cyil))) {
        if (increasePaid(r))
            paid.push_back(r);
    }
    const int changed = clearPaidIncreases(db, paid);
    work.commit();
    return changed;
}

}  // namespace zeran::monthstart
