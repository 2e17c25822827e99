#pragma once
// What "BİRİM TANIMLAR" stores: a new unit numbered when it is saved, a unit deleted with its
// pay records and plans, a unit copied with its pay records and plans — each one unit of work.

#include "plancopy.h"
#include "unitstore.h"

namespace zeran::units {

/// Saves a new unit under the next free code, found when saving (two clerks adding at once get
/// two codes). Returns the code. Throws db::DbError.
int addUnit(db::Database &db, UnitRow row);

enum class DeleteOutcome { Deleted, HasResults };
/// Deletes the unit, its plans (through `plans`, when given) and its pay records, unless
/// payroll results of the unit exist. Throws db::DbError (nothing deleted then).
DeleteOutcome deleteUnit(db::Database &db, int bkod, const AccountPlanDeleter &plans);

/// Copies unit `from` under a new code and name: the unit row with every column, every pay
/// record with every column, and the plans (through `plans`, when given), all or nothing.
/// Returns the new code. Throws db::DbError (nothing stored then).
int copyUnit(db::Database &db, int from, const QString &name, const AccountPlanCopier &plans);

}  // namespace zeran::units
