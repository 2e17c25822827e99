#pragma once
// The rows the month-start checks read, and the clearing of last month's paid differences.

#include "database.h"
#include "monthstart.h"

namespace zeran::monthstart {

/// Reads the rows of the three checks for working month `ay` of `cyil` and active unit `unit`
/// (four statements, whatever the number of people).
Input loadInput(db::Database &db, int ay, int cyil, int unit, const QDate &today);

/// The pay records with a difference on them next to their archived monthly row of `previous`
/// (same person and unit): of every unit, or of `unit` only.
std::vector<IncreaseRow> loadIncreases(db::Database &db, const Month &previous, std::optional<int> unit = std::nullopt);

/// Clears TFA, GF, EKGF and KIDART of the records in `paid` (found by find()) in one unit of
/// work, the caller's when one is open. Returns the records changed.
int clearPaidIncreases(db::Database &db, const std::vector<IncreaseRow> &paid);

/// Loads, finds and clears in one go: what the month-start question's Yes does. Returns the
/// records changed.
int clearPaidIncreases(db::Database &db, int ay, int cyil);

}  // namespace zeran::monthstart
