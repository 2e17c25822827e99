#pragma once
// Data access of the payroll documents: the settings row, the unit's header and signatories
// and the item names (four statements), and the stored rows of the archive with their
// look-ups (a fixed number of statements per month read). Only reads.

#include "database.h"
#include "printdata.h"

#include <optional>

namespace zeran::payrolldocs {

/// KURUM, ONIZ, ASUCISTISNA and MBKOD of PTANIM; the BIRIM row of `unit` (the default unit
/// MBKOD when `unit` is 0), its texts trimmed; the earning names of ZERHESTUR and the active
/// deductions of ZERKES. Throws db::DbError (also when PTANIM has no row). A unit without a
/// BIRIM row leaves UnitInfo empty apart from its BKOD.
PrintContext loadPrintContext(db::Database &db, int unit = 0);

/// The archive query of `selection` (ZERMAAS joined with ZERARSIV, ordered by PKOD, AY) with
/// the names, unit names, titles and cumulative bases; the context of the selected unit; the
/// rates of both half-years of the year. Throws db::DbError.
ArchiveData loadArchive(db::Database &db, const ArchiveSelection &selection);

/// One pay record's stored month for the archived payslip, the six captions taken from the
/// row's stored item names; nullopt when the row does not exist. Throws db::DbError.
std::optional<ArchivePayslipData> loadArchivePayslip(db::Database &db, const results::PayrollMonth &month, int pkayno,
                                                     int bkod, int pkod, int startupYear);

}  // namespace zeran::payrolldocs
