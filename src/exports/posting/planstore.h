#pragma once
// Data access of the account plans: ZERNAKBIL (payment-order header) and ZERNAKTAN (account
// lines) of a unit and cash kind.

#include "database.h"
#include "plans.h"

#include <optional>
#include <vector>

namespace zeran::posting {

/// The header of a unit and cash kind; nullopt when there is none.
std::optional<PlanHeader> readHeader(db::Database &db, int bkod, const QString &naktur);
/// The lines of a unit and cash kind, ordered by HARNO.
std::vector<PlanLine> readLines(db::Database &db, int bkod, const QString &naktur);

/// Saves the header (inserted or updated) and replaces the plan's lines with `lines`, in the
/// caller's unit of work (its own when none is open). Lines keep the plan's earlier numbers in
/// order and new ones get numbers above the table's largest, so HARNO increases in the order
/// of `lines`. Every line is written with the header's BKOD and NAKTUR and its description cut
/// to the column. Throws db::DbError.
void savePlan(db::Database &db, const PlanHeader &header, const std::vector<PlanLine> &lines, int year);

/// The kind MTUR of a pay unit of this system; empty when there is none.
QString unitKind(db::Database &db, int bkod);

/// The database check: deletes the plan headers (ZERNAKBIL) of unit codes that are no unit of
/// BIRIM (of either program); returns how many.
int deletePlanHeadersWithoutUnit(db::Database &db);
/// The database check: an empty header (BKOD and NAKTUR only) for NAKTUR "1", "2", "3" of
/// every unit code of BIRIM, where missing; returns the rows made.
int addMissingPlanHeaders(db::Database &db);

/// The unit copy: every plan of unit `fromBkod` (headers and lines, every cash kind) copied to
/// `toBkod`, in the caller's unit of work. Copied lines keep their order and take numbers from
/// GEN_HARNO, above the table's largest; the generator is never set back.
void copyPlans(db::Database &db, int fromBkod, int toBkod);
/// The unit delete: every plan of unit `bkod`, lines and headers, in the caller's unit of work.
void deletePlans(db::Database &db, int bkod);

}  // namespace zeran::posting
