#pragma once
// ALTTOPLAM: the month's totals of the stored monthly rows (kind "1") of one unit or of every
// unit, kept for the payroll prints. One statement; a month without rows gives zeros.

#include "database.h"
#include "monthtotalsdata.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zeran::results {

/// The ZERMAAS columns ALTTOPLAM sums, in a fixed order.
const QStringList &totalColumns();

/// ALTTOPLAM over the kind-"1" rows of `year` and `month`, of unit `bkod` or of every unit
/// when empty. Throws db::DbError.
MonthTotals alttoplam(db::Database &db, const QString &year, int month, std::optional<int> bkod);

}  // namespace zeran::results
