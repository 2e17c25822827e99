#include "screendata.h"

#include "audit.h"

#include <QSqlQuery>

namespace zeran::payrollscreen {

namespace {
const QString kUnits = QStringLiteral(
    "SELECT BKOD,BIRIM FROM BIRIM WHERE TUR='M' AND MTUR='N' AND AKTIF='A' ORDER BY BIRIM,BKOD");
const QString kSignatories =
    QStringLiteral("SELECT TAS,TUN,SAS,SUN,IAS,IUN FROM BIRIM WHERE BKOD=:BK AND TUR='M'");
const QString kMarital = QStringLiteral("SELECT KY,ACIK FROM TNM WHERE TUR=2 ORDER BY TKOD");
const QString kPensionCompanies = QStringLiteral("SELECT FKOD,FIRMA FROM BESFIRMA ORDER BY FKOD");
const QString kDelete = QStringLiteral("DELETE FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PKOD");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}
}  // namespace

std::vector<UnitItem> salaryUnits(db::Database &db)
{
    std::vector<UnitItem> out;
    QSqlQuery q = db.exec(kUnits);
    while (q.next())
        out.push_back({q.value(0).toInt(), text(q.value(1))});
    return out;
}

Signatories readSignatories(db::Database &db, int bkod)
{
    QSqlQuery q = db.exec(kSignatories, {{QStringLiteral("BK"), bkod}});
    Signatories s;
    if (q.next()) {
        s.TAS = text(q.value(0));
        s.TUN = text(q.value(1));
        s.SAS = text(q.value(2));
        s.SUN = text(q.value(3));
        s.IAS = text(q.value(4));
        s.IUN = text(q.value(5));
    }
    return s;
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
    QSqlQuery q = db.exec(kDelete, {{QStringLiteral("PK"), key.PKAYNO},
                                    {QStringLiteral("BK"), key.BKOD},
                                    {QStringLiteral("PKOD"), key.PKOD}});
    if (q.numRowsAffected() == 0)
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
