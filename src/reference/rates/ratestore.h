#pragma once
// Data access of the two rate screens: one ZERKANOR or VEROR row of a period as RateValues
// (canonical texts, see ratelogic.h), saved in one unit of work, and the atomic replacement
// of a period's tax row by the rate-update service's values.

#include "database.h"
#include "ratelogic.h"

#include <optional>

namespace zeran::rates {

/// The ZERKANOR row of the period (the screen's columns); nullopt when there is none.
std::optional<RateValues> readLegal(db::Database &db, const Period &period);
/// Saves the screen's columns of the period's row: updates the row when the period has one,
/// otherwise inserts it with KAYNO = MAX(KAYNO) + 1. Columns the screen does not show
/// (HNO, TASM, TASD, TAYIN, OYAK, ASUCR) are left as they are. Returns the row's KAYNO.
int saveLegal(db::Database &db, const Period &period, const RateValues &values);

/// The VEROR row of the period (the screen's columns, choosers included); nullopt when none.
std::optional<RateValues> readTax(db::Database &db, const Period &period);
/// Saves the screen's columns of the period's row (insert or update); VIDVER is left as it is.
void saveTax(db::Database &db, const Period &period, const RateValues &values);
/// Deletes the period's row and inserts `values` in its place in one unit of work: either
/// the new row is stored or the old one stays. Columns missing from `values` (VIDVER, the
/// choosers) are stored empty.
void replaceTax(db::Database &db, const Period &period, const RateValues &values);

/// PTANIM.NUFUS, the municipality's population (0 when empty).
qint64 population(db::Database &db);

}  // namespace zeran::rates
