#include "personsearch.h"

#include "calendar.h"

namespace zeran::personnel {

namespace {
const QString kSearch = QStringLiteral(
    "SELECT  B.BKOD,B.PKAYNO,BR.BIRIM,B.PKOD,S.ADI,S.SOYADI,S.ADI||' '||S.SOYADI ADSOY,U.UNVAN FROM ZERBORBIL B "
    "JOIN SICIL S ON(S.PKAYNO=B.PKAYNO) "
    "LEFT JOIN UNTAN U ON(U.UKOD=B.UKOD) "
    "JOIN BIRIM BR ON(BR.BKOD=B.BKOD AND BR.TUR='M') "
    "WHERE BR.TUR='M' ");
const QString kSearchUnit = QStringLiteral(" AND B.BKOD=:BK");
const QString kSearchName = QStringLiteral(" AND S.ADI LIKE :AA");
const QString kSearchByCode = QStringLiteral(" ORDER BY B.PKOD");
const QString kSearchByName = QStringLiteral(" ORDER BY ADSOY");

const QString kArchive = QStringLiteral(
    "SELECT S.PKAYNO,B.PKOD,S.ADI||' '||S.SOYADI ADSOY,S.EMSNO FROM SICIL S "
    "LEFT JOIN ZERBORBIL B ON(B.PKAYNO=S.PKAYNO) WHERE B.BKOD=:BK");
const QString kArchiveByCode = QStringLiteral(" ORDER BY B.PKOD");
const QString kArchiveByName = QStringLiteral(" ORDER BY ADSOY");
}  // namespace

QVector<PersonSearchRow> searchPersons(db::Database &db, std::optional<int> bkod, const QString &text,
                                       SearchOrder order)
{
    QString sql = kSearch;
    QVariantMap b;
    if (bkod) {
        sql += kSearchUnit;
        b.insert(QStringLiteral("BK"), *bkod);
    }
    if (!text.isEmpty()) {
        sql += kSearchName;
        b.insert(QStringLiteral("AA"), QLatin1Char('%') + text + QLatin1Char('%'));
    }
    sql += order == SearchOrder::ByCode ? kSearchByCode : kSearchByName;

    QVector<PersonSearchRow> rows;
    QSqlQuery q = db.exec(sql, b);
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(3).toInt(), q.value(2).toString().trimmed(),
                        q.value(4).toString().trimmed(), q.value(5).toString().trimmed(),
                        q.value(6).toString().trimmed(), q.value(7).toString().trimmed()});
    return rows;
}

QVector<ArchivePersonRow> archivePersons(db::Database &db, int bkod, SearchOrder order)
{
    QVector<ArchivePersonRow> rows;
    QSqlQuery q = db.exec(kArchive + (order == SearchOrder::ByCode ? kArchiveByCode : kArchiveByName),
                          {{QStringLiteral("BK"), bkod}});
    while (q.next()) {
        ArchivePersonRow r;
        r.PKAYNO = q.value(0).toInt();
        if (!q.value(1).isNull())
            r.PKOD = q.value(1).toInt();
        r.ADSOY = q.value(2).toString().trimmed();
        r.EMSNO = q.value(3).toString().trimmed();
        rows.push_back(r);
    }
    return rows;
}

int firstRowStartingWith(const QStringList &keys, const QString &prefix)
{
    if (prefix.isEmpty())
        return -1;
    const QString p = cal::turkishUpper(prefix);
    for (int i = 0; i < keys.size(); ++i)
        if (cal::turkishUpper(keys.at(i)).startsWith(p))
            return i;
    return -1;
}

}  // namespace zeran::personnel
