#include "lookups.h"

#include "unitstore.h"

namespace zeran::personnel {

namespace {
const QString kProvinces = QStringLiteral("SELECT ILKOD,ILADI FROM IL ORDER BY ILKOD");
const QString kDistricts = QStringLiteral("SELECT ILCEKOD,ILCE FROM ILCE WHERE ILKOD=:IK ORDER BY ILCE");
const QString kEducation = QStringLiteral("SELECT TKOD,ACIK FROM TNM WHERE TUR=7 ORDER BY TKOD");
const QString kSpouse = QStringLiteral("SELECT KY,ACIK FROM TNM WHERE TUR=3 ORDER BY TKOD");
const QString kTitles = QStringLiteral("SELECT UKOD,UNVAN FROM UNTAN ORDER BY UNVAN");
const QString kUnions = QStringLiteral("SELECT SENKOD,SENDIKA FROM SENDIKA WHERE TUR='M' ORDER BY SENKOD");
const QString kClasses = QStringLiteral("SELECT SNFKOD,SINIF FROM HIZSNF ORDER BY SNFKOD");
const QString kSubclasses = QStringLiteral("SELECT ALTKOD,ACIK FROM HIZSNF1 WHERE SNFKOD=:SK ORDER BY ALTKOD");

// Numbers stay numbers; text codes (CHAR columns come back padded) are trimmed.
LookupList read(db::Database &db, const QString &sql, const QVariantMap &binds = {}, bool textCode = false)
{
    LookupList list;
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        const QVariant code = textCode ? QVariant(q.value(0).toString().trimmed()) : QVariant(q.value(0).toInt());
        list.push_back({code, q.value(1).toString().trimmed()});
    }
    return list;
}
}  // namespace

LookupList provinces(db::Database &db) { return read(db, kProvinces); }
LookupList districts(db::Database &db, int ilkod) { return read(db, kDistricts, {{QStringLiteral("IK"), ilkod}}); }
LookupList educationLevels(db::Database &db) { return read(db, kEducation); }
LookupList spouseCodes(db::Database &db) { return read(db, kSpouse, {}, true); }
LookupList titles(db::Database &db) { return read(db, kTitles); }
LookupList unions(db::Database &db) { return read(db, kUnions); }
LookupList serviceClasses(db::Database &db) { return read(db, kClasses); }
LookupList serviceSubclasses(db::Database &db, int snfkod)
{
    return read(db, kSubclasses, {{QStringLiteral("SK"), snfkod}}, true);
}
namespace {
LookupList unitList(db::Database &db, units::UnitFilter filter)
{
    LookupList list;
    for (const units::UnitName &u : units::units(db, filter))
        list.push_back({u.BKOD, u.BIRIM});
    return list;
}
}  // namespace

LookupList activeUnits(db::Database &db) { return unitList(db, units::UnitFilter::Active); }
LookupList allUnits(db::Database &db) { return unitList(db, units::UnitFilter::All); }

QString unitName(db::Database &db, int bkod)
{
    return units::unitName(db, bkod);
}

}  // namespace zeran::personnel
