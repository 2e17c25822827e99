#include "promotionstore.h"

#include "monthstartstore.h"
#include "payrecords.h"

#include <QSqlQuery>

namespace zeran::promotions {

namespace {

const QString kRows = QStringLiteral(
    "SELECT B.PKAYNO,B.PKOD,B.BKOD,S.EMSNO,B.TERTAR,B.KIDEM,B.DER,B.KAD,B.GOS,B.MKAD,B.MDER,B.MGOS,B.EGOS,"
    "B.EKOD,B.MEGOS,B.GF,B.EKGF,B.TFA,B.KIDART,S.ADI||' '||S.SOYADI ADSOY,B.SNFKOD,B.SNFALTKOD,"
    "A.DER,A.KAD,A.GOS,A.EGOS,A.KIDEM,A.MDER,A.MKAD,A.MGOS,A.MEGOS,A.PKAYNO "
    "FROM ZERBORBIL B LEFT JOIN SICIL S ON(S.PKAYNO=B.PKAYNO) "
    "LEFT JOIN ZERARSIV A ON(A.PKAYNO=B.PKAYNO AND A.BKOD=B.BKOD AND A.AY=:AA AND A.YIL=:YL AND A.TUR='1') "
    "WHERE B.BKOD=:BK AND B.DURUM IN ('E','A')");
const QString kWindow = QStringLiteral(" AND B.TERTAR>=:TT1 AND B.TERTAR<=:TT2");
const QString kOrder = QStringLiteral(" ORDER BY B.PKOD,B.PKAYNO");

const QString kArchived = QStringLiteral(
    "SELECT DER,KAD,GOS,EGOS,KIDEM,MDER,MKAD,MGOS,MEGOS FROM ZERARSIV "
    "WHERE PKAYNO=:PK AND BKOD=:BK AND AY=:AA AND YIL=:YL AND TUR='1'");

const QString kLastMonth = QStringLiteral(
    "SELECT A.PKAYNO,A.PKOD,A.BKOD,S.ADI||' '||S.SOYADI ADSOY,S.EMSNO,A.KIDEM,A.DER,A.KAD,A.GOS,A.EGOS,"
    "B.TERTAR,A.TFA,A.GF,A.KIDART,B.TFA,B.GF,B.KIDART FROM ZERARSIV A "
    "JOIN ZERBORBIL B ON(B.PKAYNO=A.PKAYNO AND B.BKOD=A.BKOD) "
    "LEFT JOIN SICIL S ON(S.PKAYNO=A.PKAYNO) "
    "WHERE A.BKOD=:BK AND A.AY=:AA AND A.YIL=:YL AND A.TUR='1' AND A.TFA<>0 ORDER BY A.PKOD,A.PKAYNO");

std::optional<int> optionalInt(const QVariant &v)
{
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}

QVariant intOrNull(const std::optional<int> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}

QVariantMap monthBinds(int bkod, const monthstart::Month &previous)
{
    return {{QStringLiteral("BK"), bkod},
            {QStringLiteral("AA"), previous.month},
            {QStringLiteral("YL"), QString::number(previous.year)}};
}

ArchivedGrades archivedFrom(const QSqlQuery &q, int first)
{
    ArchivedGrades a;
    int *fields[] = {&a.DER, &a.KAD, &a.GOS, &a.EGOS, &a.KIDEM, &a.MDER, &a.MKAD, &a.MGOS, &a.MEGOS};
    for (int i = 0; i < 9; ++i)
        *fields[i] = q.value(first + i).toInt();
    return a;
}

}  // namespace

std::vector<PromotionRow> loadPromotionRows(db::Database &db, int bkod, const monthstart::Month &previous,
                                            const std::optional<cal::PayWindow> &window)
{
    QVariantMap binds = monthBinds(bkod, previous);
    QString sql = kRows;
    if (window) {
        sql += kWindow;
        binds.insert(QStringLiteral("TT1"), window->begin);
        binds.insert(QStringLiteral("TT2"), window->end);
    }
    QSqlQuery q = db.exec(sql + kOrder, binds);
    std::vector<PromotionRow> rows;
    while (q.next()) {
        PromotionRow r;
        r.PKAYNO = q.value(0).toInt();
        r.PKOD = q.value(1).toInt();
        r.BKOD = q.value(2).toInt();
        r.EMSNO = q.value(3).toString().trimmed();
        r.TERTAR = q.value(4).toDate();
        grades::GradeRecord &b = r.record;
        b.KIDEM = optionalInt(q.value(5));
        b.DER = optionalInt(q.value(6));
        b.KAD = optionalInt(q.value(7));
        b.GOS = optionalInt(q.value(8));
        b.MKAD = optionalInt(q.value(9));
        b.MDER = optionalInt(q.value(10));
        b.MGOS = optionalInt(q.value(11));
        b.EGOS = optionalInt(q.value(12));
        r.EKOD = optionalInt(q.value(13));
        b.MEGOS = optionalInt(q.value(14));
        b.GF = optionalInt(q.value(15));
        r.EKGF = optionalInt(q.value(16));
        b.TFA = optionalInt(q.value(17));
        r.KIDART = optionalInt(q.value(18));
        r.ADSOY = q.value(19).toString().trimmed();
        b.SNFKOD = optionalInt(q.value(20));
        b.SNFALTKOD = q.value(21).toString().trimmed();
        if (!q.value(31).isNull())
            r.archived = archivedFrom(q, 22);
        rows.push_back(r);
    }
    return rows;
}

std::optional<ArchivedGrades> archivedGrades(db::Database &db, int pkayno, int bkod, const monthstart::Month &previous)
{
    QVariantMap binds = monthBinds(bkod, previous);
    binds.insert(QStringLiteral("PK"), pkayno);
    QSqlQuery q = db.exec(kArchived, binds);
    if (!q.next())
        return std::nullopt;
    return archivedFrom(q, 0);
}

std::vector<LastMonthRow> loadLastMonth(db::Database &db, int bkod, const monthstart::Month &previous)
{
    QSqlQuery q = db.exec(kLastMonth, monthBinds(bkod, previous));
    std::vector<LastMonthRow> rows;
    while (q.next()) {
        LastMonthRow r;
        r.PKAYNO = q.value(0).toInt();
        r.PKOD = q.value(1).toInt();
        r.BKOD = q.value(2).toInt();
        r.ADSOY = q.value(3).toString().trimmed();
        r.EMSNO = q.value(4).toString().trimmed();
        r.KIDEM = q.value(5).toInt();
        r.DER = q.value(6).toInt();
        r.KAD = q.value(7).toInt();
        r.GOS = q.value(8).toInt();
        r.EGOS = q.value(9).toInt();
        r.TERTAR = q.value(10).toDate();
        r.archived = {optionalInt(q.value(11)), optionalInt(q.value(12)), optionalInt(q.value(13))};
        r.record = {optionalInt(q.value(14)), optionalInt(q.value(15)), optionalInt(q.value(16))};
        if (shownAsLastMonth(r))
            rows.push_back(r);
    }
    return rows;
}

int savePromotionRow(db::Database &db, const PromotionRow &r)
{
    const grades::GradeRecord &b = r.record;
    return personnel::updatePayRecordColumns(db, {r.PKAYNO, r.BKOD, r.PKOD},
                                             {{QStringLiteral("DER"), intOrNull(b.DER)},
                                              {QStringLiteral("KAD"), intOrNull(b.KAD)},
                                              {QStringLiteral("GOS"), intOrNull(b.GOS)},
                                              {QStringLiteral("EGOS"), intOrNull(b.EGOS)},
                                              {QStringLiteral("MDER"), intOrNull(b.MDER)},
                                              {QStringLiteral("MKAD"), intOrNull(b.MKAD)},
                                              {QStringLiteral("MGOS"), intOrNull(b.MGOS)},
                                              {QStringLiteral("MEGOS"), intOrNull(b.MEGOS)},
                                              {QStringLiteral("TFA"), intOrNull(b.TFA)},
                                              {QStringLiteral("GF"), intOrNull(b.GF)},
                                              {QStringLiteral("EKGF"), intOrNull(r.EKGF)},
                                              {QStringLiteral("KIDEM"), intOrNull(b.KIDEM)},
                                              {QStringLiteral("KIDART"), intOrNull(r.KIDART)}});
}

int clearLastMonth(db::Database &db, int bkod, const monthstart::Month &previous)
{
    db::Transaction work(db);
    std::vector<monthstart::IncreaseRow> paid;
    for (const monthstart::IncreaseRow &r : monthstart::loadIncreases(db, previous, bkod)) {
        if (monthstart::increasePaid(r))
            paid.push_back(r);
    }
    const int changed = monthstart::clearPaidIncreases(db, paid);
    work.commit();
    return changed;
}

}  // namespace zeran::promotions
