#include "unitstore.h"

#include <QSqlQuery>

namespace zeran::units {

namespace {
const QString kUnits = QStringLiteral("SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M'%1 ORDER BY BIRIM,BKOD");
const QString kActive = QStringLiteral(" AND AKTIF='A'");
const QString kActiveSalary = QStringLiteral(" AND MTUR='N' AND AKTIF='A'");
const QString kNames = QStringLiteral("SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M'");
const QString kName = QStringLiteral("SELECT BIRIM FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kHeader =
    QStringLiteral("SELECT BKOD,BIRIM,BASLIK,TAS,TUN,SAS,SUN,IAS,IUN FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kLock = QStringLiteral("UPDATE BIRIM SET BKOD=BKOD WHERE TUR='M'%1");
const QString kOneUnit = QStringLiteral(" AND BKOD=:BK");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}
}  // namespace

std::vector<UnitName> units(const db::Database &db, UnitFilter filter)
{
    const QString condition = filter == UnitFilter::Active         ? kActive
                              : filter == UnitFilter::ActiveSalary ? kActiveSalary
                                                                   : QString();
    std::vector<UnitName> out;
    QSqlQuery q = db.exec(kUnits.arg(condition));
    while (q.next())
        out.push_back({q.value(0).toInt(), text(q.value(1))});
    return out;
}

QHash<int, QString> unitNames(const db::Database &db)
{
    QHash<int, QString> out;
    QSqlQuery q = db.exec(kNames);
    while (q.next())
        out.insert(q.value(0).toInt(), text(q.value(1)));
    return out;
}

QString unitName(const db::Database &db, int bkod)
{
    return text(db.scalar(kName, {{QStringLiteral("BK"), bkod}}));
}

std::optional<UnitHeader> unitHeader(const db::Database &db, int bkod)
{
    QSqlQuery q = db.exec(kHeader, {{QStringLiteral("BK"), bkod}});
    if (!q.next())
        return std::nullopt;
    UnitHeader h;
    h.BKOD = q.value(0).toInt();
    h.BIRIM = text(q.value(1));
    h.BASLIK = text(q.value(2));
    h.signatories = {text(q.value(3)), text(q.value(4)), text(q.value(5)),
                     text(q.value(6)), text(q.value(7)), text(q.value(8))};
    return h;
}

void lockUnits(const db::Database &db, std::optional<int> bkod)
{
    QVariantMap binds;
    if (bkod)
        binds.insert(QStringLiteral("BK"), *bkod);
    db.exec(kLock.arg(bkod ? kOneUnit : QString()), binds);
}

}  // namespace zeran::units
