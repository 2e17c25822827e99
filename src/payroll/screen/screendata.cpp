#include "screendata.h"

#include "audit.h"
#include "payrecords.h"

#include <QSqlQuery>

namespace zeran::payrollscreen {

namespace {
const QString kMarital = QStringLiteral("SELECT KY,ACIK FROM TNM WHERE TUR=2 ORDER BY TKOD");
const QString kPensionCompanies = QStringLiteral("SELECT FKOD,FIRMA FROM BESFIRMA ORDER BY FKOD");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}
}  // namespace

std::vector<UnitItem> salaryUnits(db::Database &db)
{
    return units::units(db, units::UnitFilter::ActiveSalary);
}

Signatories readSignatories(db::Database &db, int bkod)
{
    const std::optional<units::UnitHeader> h = units::unitHeader(db, bkod);
    return h ? h->signatories : Signatories{};
}

personnel::LookupList maritalStatuses(db::Database &db)
{
    personnel::LookupList list;
    QSqlQuery q = db.exec(kMarital);
    while (q.next())
        list.push_back({text(q.value(0)), text(q.value(1))});
    return list;
}

personnel::LookupList pensionCompanies(db::Database &db)
{
    personnel::LookupList list;
    QSqlQuery q = db.exec(kPensionCompanies);
    while (q.next())
        list.push_back({q.value(0).toInt(), text(q.value(1))});
    return list;
}

QString auditText(const QString &workingYear, int month, int bkod)
{
    return QStringLiteral("YIL:%1 AY:%2 Birim Kodu:%3").arg(workingYear).arg(month).arg(bkod);
}

bool deletePayRecord(db::Database &db, WorkingContext &ctx, const RecordKey &key, const QString &workingYear,
                     int month)
{
    db::Transaction tx(db);
    if (personnel::deletePayRecordRow(db, {key.PKAYNO, key.BKOD, key.PKOD}) == 0)
        return false;
    try {
        audit::write(db, ctx,
                     {QString::fromUtf8(kAuditSection), QStringLiteral("S"), auditText(workingYear, month, key.BKOD)});
    } catch (const db::DbError &) {
        throw db::DbError(db::DbError::Kind::Sql, QString::fromUtf8(audit::kFailureMessage));
    }
    tx.commit();
    return true;
}

}  // namespace zeran::payrollscreen
