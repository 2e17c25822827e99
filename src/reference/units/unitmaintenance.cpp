#include "unitmaintenance.h"

#include "payrecords.h"

namespace zeran::units {

namespace {
AccountPlanCopier &copierSlot()
{
    static AccountPlanCopier copier;
    return copier;
}
AccountPlanDeleter &deleterSlot()
{
    static AccountPlanDeleter deleter;
    return deleter;
}
// A code taken by another workstation between reading the largest code and inserting makes the
// insert fail on the key; the next attempt reads the largest code again.
constexpr int kCodeAttempts = 3;
}  // namespace

void setAccountPlanCopier(AccountPlanCopier copier)
{
    copierSlot() = std::move(copier);
}
const AccountPlanCopier &accountPlanCopier()
{
    return copierSlot();
}
void setAccountPlanDeleter(AccountPlanDeleter deleter)
{
    deleterSlot() = std::move(deleter);
}
const AccountPlanDeleter &accountPlanDeleter()
{
    return deleterSlot();
}

int addUnit(db::Database &db, UnitRow row)
{
    for (int attempt = 1;; ++attempt) {
        try {
            db::Transaction work(db);
            row.BKOD = nextUnitCode(db);
            insertUnitRow(db, row);
            work.commit();
            return row.BKOD;
        } catch (const db::DbError &) {
            if (attempt >= kCodeAttempts || db.transactionDepth() > 0)
                throw;
        }
    }
}

DeleteOutcome deleteUnit(db::Database &db, int bkod, const AccountPlanDeleter &plans)
{
    db::Transaction work(db);
    if (unitHasResults(db, bkod))
        return DeleteOutcome::HasResults;
    if (plans)
        plans(db, bkod);
    personnel::deletePayRecordsOfUnit(db, bkod);
    deleteUnitRow(db, bkod);
    work.commit();
    return DeleteOutcome::Deleted;
}

int copyUnit(db::Database &db, int from, const QString &name, const AccountPlanCopier &plans)
{
    db::Transaction work(db);
    std::optional<UnitRow> row = unitRow(db, from);
    if (!row)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Kopyalanacak birim bulunamadı."));
    row->BKOD = nextUnitCode(db);
    row->BIRIM = name;
    insertUnitRow(db, *row);
    personnel::copyPayRecordsOfUnit(db, from, row->BKOD);
    if (plans)
        plans(db, from, row->BKOD);
    work.commit();
    return row->BKOD;
}

}  // namespace zeran::units
