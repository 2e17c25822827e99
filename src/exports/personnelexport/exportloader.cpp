#include "exportloader.h"

#include <QSqlQuery>

#include <map>
#include <tuple>

namespace zeran::personnelexport {

namespace {

const QString kPeriod = QStringLiteral("SELECT MAX(AY) FROM ZERMAAS M WHERE M.YIL=:YY");
const QString kStaff = QStringLiteral(
    "SELECT B.PKAYNO,B.BKOD,B.PKOD,S.ADI||' '||S.SOYADI ADSOY,B.SNFKOD,U.UNVAN,B.DER,B.KAD,B.EGOS,B.YOP,B.OHT,B.EKOD,"
    "B.MHAL,B.ESI,S.KGT,BR.BIRIM,B.COC1,B.COC2,B.KIDEM,T.ACIK OGRDUR FROM ZERBORBIL B"
    " LEFT JOIN SICIL S ON B.PKAYNO=S.PKAYNO"
    " LEFT JOIN BIRIM BR ON B.BKOD=BR.BKOD"
    " LEFT JOIN UNTAN U ON B.UKOD=U.UKOD"
    " LEFT JOIN TNM T ON T.TKOD=S.OGRDUR AND T.TUR=:TT"
    " WHERE B.DURUM='E' AND BR.TUR='M'");
// The salary row of each pay record in the period; a difference or additional row of the
// same month is another payroll and never takes its place.
const QString kAmounts = QStringLiteral(
    "SELECT M.PKAYNO,M.BKOD,M.PKOD,M.AILEYRD,M.COCYRD,M.COCYRD1,M.VIADE,M.FAZMES,M.KAZ6,M.SEN1,M.SEN2,M.SEN3"
    " FROM ZERMAAS M WHERE M.YIL=:YY AND M.AY=:AA AND M.TUR='1'");
const QString kUnits = QStringLiteral(
    "SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M' AND MTUR='N' AND AKTIF<>'P' ORDER BY BIRIM");
// The education levels' group in TNM: without it every group's row of the same code would
// repeat the person.
constexpr int kEducationGroup = 7;

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

}  // namespace

int payPeriod(const db::Database &db, const QString &year, int unit)
{
    QString sql = kPeriod;
    QVariantMap binds{{QStringLiteral("YY"), year}};
    if (unit != 0) {
        sql += QStringLiteral(" AND M.BKOD=:BK");
        binds.insert(QStringLiteral("BK"), unit);
    }
    const QVariant v = db.scalar(sql, binds);
    return v.isNull() ? 0 : v.toInt();
}

std::vector<StaffSource> loadStaff(const db::Database &db, const QString &year, int periodMonth, int unit)
{
    using Key = std::tuple<int, int, int>;
    std::map<Key, PeriodAmounts> amounts;
    if (periodMonth != 0) {
        QSqlQuery q = db.exec(kAmounts, {{QStringLiteral("YY"), year}, {QStringLiteral("AA"), periodMonth}});
        while (q.next()) {
            PeriodAmounts a;
            a.AILE = amount(q.value(3));
            a.COCYRD = amount(q.value(4)) + amount(q.value(5));
            a.AGI = amount(q.value(6));
            a.MESAI = amount(q.value(7));
            a.SDENGE = amount(q.value(8));
            a.SENDIKA = amount(q.value(9)) + amount(q.value(10)) + amount(q.value(11));
            amounts[{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()}] = a;
        }
    }
    QString sql = kStaff;
    QVariantMap binds{{QStringLiteral("TT"), kEducationGroup}};
    if (unit != 0) {
        sql += QStringLiteral(" AND B.BKOD=:BB");
        binds.insert(QStringLiteral("BB"), unit);
    }
    sql += QStringLiteral(" ORDER BY BR.BIRIM,ADSOY,B.PKOD");
    QSqlQuery q = db.exec(sql, binds);
    std::vector<StaffSource> out;
    while (q.next()) {
        StaffSource r;
        r.PKAYNO = q.value(0).toInt();
        r.BKOD = q.value(1).toInt();
        r.PKOD = q.value(2).toInt();
        r.ADSOY = q.value(3).toString().trimmed();
        if (!q.value(4).isNull())
            r.SNFKOD = q.value(4).toInt();
        r.UNVAN = q.value(5).toString().trimmed();
        r.DER = q.value(6).toInt();
        r.KAD = q.value(7).toInt();
        r.EGOS = q.value(8).toInt();
        r.YOP = q.value(9).toInt();
        r.OHT = q.value(10).toInt();
        r.EKOD = q.value(11).toInt();
        r.MHAL = q.value(12).toString().trimmed();
        r.ESI = q.value(13).toString().trimmed();
        r.KGT = q.value(14).toDate();
        r.BIRIM = q.value(15).toString().trimmed();
        r.COC1 = q.value(16).toInt();
        r.COC2 = q.value(17).toInt();
        r.KIDEM = q.value(18).toInt();
        r.OGRDUR = q.value(19).toString().trimmed();
        if (const auto it = amounts.find({r.PKAYNO, r.BKOD, r.PKOD}); it != amounts.end())
            r.amounts = it->second;
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<UnitChoice> exportUnits(const db::Database &db)
{
    std::vector<UnitChoice> out;
    QSqlQuery q = db.exec(kUnits);
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toString().trimmed()});
    return out;
}

}  // namespace zeran::personnelexport
