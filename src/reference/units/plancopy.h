#pragma once
// The units screen copies and deletes a unit's account plans (ZERNAKBIL, ZERNAKTAN) inside its
// own unit of work, but those tables belong to the posting module, which sits above this one.
// The program registers the posting module's functions here at start-up; the copy and the
// delete call them with the open unit of work. Without a registration plans are left alone.

#include "database.h"

#include <functional>

namespace zeran::units {

/// Copies the plans of unit `fromBkod` to `toBkod`; throws db::DbError to undo the whole copy.
using AccountPlanCopier = std::function<void(db::Database &db, int fromBkod, int toBkod)>;
/// Deletes the plans of unit `bkod`; throws db::DbError to undo the whole delete.
using AccountPlanDeleter = std::function<void(db::Database &db, int bkod)>;

void setAccountPlanCopier(AccountPlanCopier copier);
const AccountPlanCopier &accountPlanCopier();
void setAccountPlanDeleter(AccountPlanDeleter deleter);
const AccountPlanDeleter &accountPlanDeleter();

}  // namespace zeran::units
