#include "viewsloader.h"

#include "audit.h"
#include "payrecords.h"

#include <QSqlQuery>

namespace zeran::lists {

namespace {

const QString kDeductionRecords = QStringLiteral(
    "SELECT B.PKAYNO,B.BKOD,B.PKOD,S.ADI||' '||S.SOYADI ADSOY,S.EMSNO,B.KES1,B.KES2,B.KES3,B.KES4,B.KES5 FROM ZERBORBIL B "
    "LEFT JOIN SICIL S ON S.PKAYNO=B.PKAYNO WHERE B.BKOD=:BK ORDER BY B.PKOD");
const QString kYearly = QStringLiteral(
    "SELECT AY,TUR,KES1,KES2,KES3,KES4,KES5,ICRA,KIRA FROM ZERMAAS WHERE PKAYNO=:PK AND BKOD=:BK AND YIL=:YL "
    "ORDER BY AY,TUR,PKOD");
const QString kPastPeople = QStringLiteral(
    "SELECT DISTINCT S.PKAYNO,S.ADI,S.SOYADI,S.EMSNO,U.UNVAN FROM SICIL S JOIN ZERBORBIL B ON B.PKAYNO=S.PKAYNO "
    "LEFT JOIN UNTAN U ON U.UKOD=B.UKOD WHERE B.BKOD=:BK ORDER BY S.ADI,S.SOYADI,S.PKAYNO");
const QString kPastPerson = QStringLiteral(
    "SELECT S.PKAYNO,S.ADI,S.SOYADI,S.EMSNO,U.UNVAN FROM SICIL S LEFT JOIN ZERBORBIL B ON B.PKAYNO=S.PKAYNO "
    "LEFT JOIN UNTAN U ON U.UKOD=B.UKOD WHERE S.PKAYNO=:PK ORDER BY B.BKOD,B.PKOD");
// The snapshot of the same row: the whole key, so a second pay record in the unit never
// doubles a month.
const QString kPastMonths = QStringLiteral(
    "SELECT M.AY,M.TUR,A.DER,A.KAD,A.GOS,A.EGOS,A.RAPOR,M.AYTUT,M.EGOSTUT,M.TABAY,M.KIDAY,M.YANOD,M.OZHIZTAZ,M.ICRA,"
    "M.KIRA,M.ARTIS,M.HIZBOR,M.VERMAT,M.OZELKES,M.MAAS,M.KAZ1,M.KAZ2,M.KAZ3,M.KAZ4,M.KAZ5,M.KAZ6,M.AILEYRD,M.COCYRD,"
    "M.VIADE,M.GELTOP,M.KESTOP FROM ZERMAAS M "
    "LEFT JOIN ZERARSIV A ON A.PKAYNO=M.PKAYNO AND A.BKOD=M.BKOD AND A.PKOD=M.PKOD AND A.AY=M.AY AND A.TUR=M.TUR "
    "AND A.YIL=M.YIL WHERE M.PKAYNO=:PK AND M.YIL=:YK");
const QString kUnionDues = QStringLiteral(
    "SELECT M.PKAYNO,S.ADI||' '||S.SOYADI ADSOY,S.TCKNO,S1.SENDIKA,M.YIL,M.AY,M.TAR,M.SEN1+M.SEN2+M.SEN3 SENTUT "
    "FROM ZERMAAS M LEFT JOIN SICIL S ON S.PKAYNO=M.PKAYNO "
    "LEFT JOIN ZERBORBIL B ON B.PKAYNO=M.PKAYNO AND B.PKOD=M.PKOD AND B.BKOD=M.BKOD "
    "LEFT JOIN SENDIKA S1 ON S1.SENKOD=B.SENKOD AND S1.TUR='M' "
    "WHERE M.SEN1+M.SEN2+M.SEN3>0 AND CAST(M.YIL AS INTEGER)*100+M.AY BETWEEN :P1 AND :P2");

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

}  // namespace

std::vector<DeductionRecord> loadDeductionRecords(const db::Database &db, int bkod)
{
    std::vector<DeductionRecord> out;
    QSqlQuery q = db.exec(kDeductionRecords, {{QStringLiteral("BK"), bkod}});
    while (q.next()) {
        DeductionRecord r;
        r.PKAYNO = q.value(0).toInt();
        r.BKOD = q.value(1).toInt();
        r.PKOD = q.value(2).toInt();
        r.ADSOY = text(q.value(3));
        r.EMSNO = text(q.value(4));
        for (int n = 0; n < 5; ++n)
            r.KES[std::size_t(n)] = amount(q.value(5 + n));
        out.push_back(std::move(r));
    }
    return out;
}

bool saveDeduction(db::Database &db, WorkingContext &ctx, const DeductionRecord &row, int column, Money value)
{
    if (column < 1 || column > 5)
        return false;
    db::Transaction tx(db);
    const int changed = personnel::updatePayRecordColumns(db, {row.PKAYNO, row.BKOD, row.PKOD},
                                                          {{QStringLiteral("KES%1").arg(column), value.toDouble()}});
    if (changed == 0)
        return false;
    try {
        audit::write(db, ctx,
                     {QStringLiteral("KESİNTİ"), QStringLiteral("D"),
                      deductionAuditText(row, column, row.KES[std::size_t(column - 1)], value), row.PKAYNO, row.BKOD});
    } catch (const db::DbError &) {
        throw db::DbError(db::DbError::Kind::Sql, QString::fromUtf8(audit::kFailureMessage));
    }
    tx.commit();
    return true;
}

std::vector<YearlyDeduction> loadYearlyDeductions(const db::Database &db, int pkayno, int bkod, const QString &year)
{
    std::vector<YearlyDeduction> out;
    QSqlQuery q = db.exec(kYearly, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), bkod}, {QStringLiteral("YL"), year}});
    while (q.next()) {
        YearlyDeduction r;
        r.AY = q.value(0).toInt();
        r.TUR = text(q.value(1));
        for (int n = 0; n < 5; ++n)
            r.KES[std::size_t(n)] = amount(q.value(2 + n));
        r.ICRA = amount(q.value(7));
        r.KIRA = amount(q.value(8));
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<PastPerson> loadPastPeople(const db::Database &db, int bkod)
{
    std::vector<PastPerson> out;
    QSqlQuery q = db.exec(kPastPeople, {{QStringLiteral("BK"), bkod}});
    while (q.next()) {
        // A person with two records of other titles in the unit comes once, with the first title.
        if (!out.empty() && out.back().PKAYNO == q.value(0).toInt())
            continue;
        out.push_back({q.value(0).toInt(), text(q.value(1)), text(q.value(2)), text(q.value(3)), text(q.value(4))});
    }
    return out;
}

std::optional<PastPerson> loadPastPerson(const db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kPastPerson, {{QStringLiteral("PK"), pkayno}});
    if (!q.next())
        return std::nullopt;
    return PastPerson{q.value(0).toInt(), text(q.value(1)), text(q.value(2)), text(q.value(3)), text(q.value(4))};
}

std::vector<PastMonth> loadPastMonths(const db::Database &db, int pkayno, int bkod, const QString &year, int fromMonth)
{
    QString sql = kPastMonths;
    QVariantMap binds{{QStringLiteral("PK"), pkayno}, {QStringLiteral("YK"), year}};
    if (bkod != 0) {
        sql += QStringLiteral(" AND M.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), bkod);
    }
    if (fromMonth != 0) {
        sql += QStringLiteral(" AND M.AY>=:AA");
        binds.insert(QStringLiteral("AA"), fromMonth);
    }
    sql += QStringLiteral(" ORDER BY M.AY,M.TUR,M.BKOD,M.PKOD");
    std::vector<PastMonth> out;
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        PastMonth r;
        int i = 0;
        r.AY = q.value(i++).toInt();
        r.TUR = text(q.value(i++));
        r.DER = q.value(i++).toInt();
        r.KAD = q.value(i++).toInt();
        r.GOS = q.value(i++).toInt();
        r.EGOS = q.value(i++).toInt();
        r.RAPOR = q.value(i++).toInt();
        for (Money *m : {&r.AYTUT, &r.EGOSTUT, &r.TABAY, &r.KIDAY, &r.YANOD, &r.OZHIZTAZ, &r.ICRA, &r.KIRA, &r.ARTIS,
                         &r.HIZBOR, &r.VERMAT, &r.OZELKES, &r.MAAS})
            *m = amount(q.value(i++));
        for (Money &k : r.KAZ)
            k = amount(q.value(i++));
        for (Money *m : {&r.AILEYRD, &r.COCYRD, &r.VIADE, &r.GELTOP, &r.KESTOP})
            *m = amount(q.value(i++));
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<UnionDue> loadUnionDues(const db::Database &db, const QDate &from, const QDate &to, int unit)
{
    const auto window = periodWindow(from, to);
    if (!window)
        return {};
    QString sql = kUnionDues;
    QVariantMap binds{{QStringLiteral("P1"), window->first}, {QStringLiteral("P2"), window->second}};
    if (unit != 0) {
        sql += QStringLiteral(" AND M.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), unit);
    }
    sql += QStringLiteral(" ORDER BY S1.SENDIKA,M.PKAYNO,M.YIL,M.AY,M.TUR,M.BKOD");
    std::vector<UnionDue> out;
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        UnionDue r;
        r.PKAYNO = q.value(0).toInt();
        r.ADSOY = text(q.value(1));
        r.TCKNO = text(q.value(2));
        r.SENDIKA = text(q.value(3));
        r.YIL = text(q.value(4));
        r.AY = q.value(5).toInt();
        r.TAR = q.value(6).toDate();
        r.SENTUT = amount(q.value(7));
        out.push_back(std::move(r));
    }
    return out;
}

}  // namespace zeran::lists
