#pragma once
// The statements of the views opened from the payroll screen and of the union dues detail
// list. The one write, a special-deduction amount of a pay record, goes through the pay
// records' owner and is audited in the same unit of work.

#include "context.h"
#include "database.h"
#include "views.h"

namespace zeran::lists {

/// The unit's pay records with their five special-deduction amounts, by person code.
std::vector<DeductionRecord> loadDeductionRecords(const db::Database &db, int bkod);

/// Stores KES`column` (1–5) of the row's pay record as `value`, with its audit line, in one
/// unit of work. False when the pay record no longer exists (nothing written).
bool saveDeduction(db::Database &db, WorkingContext &ctx, const DeductionRecord &row, int column, Money value);

/// The person's result rows of `year` in unit `bkod`, by month.
std::vector<YearlyDeduction> loadYearlyDeductions(const db::Database &db, int pkayno, int bkod, const QString &year);

/// The people of a unit's pay records for the past months' panel (once per person).
std::vector<PastPerson> loadPastPeople(const db::Database &db, int bkod);

/// One person for the panel, with the title of the first pay record; nothing when unknown.
std::optional<PastPerson> loadPastPerson(const db::Database &db, int pkayno);

/// The person's result rows of `year` with their snapshots: in unit `bkod` (0 = every unit),
/// from month `fromMonth` on (0 = every month), by month.
std::vector<PastMonth> loadPastMonths(const db::Database &db, int pkayno, int bkod, const QString &year, int fromMonth);

/// The union dues of the result rows of every kind in the months from `from` to `to` (unit
/// `unit`, 0 = every unit), by union, person and period.
std::vector<UnionDue> loadUnionDues(const db::Database &db, const QDate &from, const QDate &to, int unit);

}  // namespace zeran::lists
