#pragma once
// The rest of the payroll screen's data access: the unit box, the unit's signatory texts,
// the code lists of the pay-record page and deleting a pay record ("Sil") with its audit line.

#include "context.h"
#include "database.h"
#include "lookups.h"
#include "payrecordfields.h"
#include "unitstore.h"

#include <QString>

#include <vector>

namespace zeran::payrollscreen {

/// A unit of the unit box.
using UnitItem = units::UnitName;

/// The active salary units of this system (TUR 'M', MTUR 'N', AKTIF 'A'), by name.
std::vector<UnitItem> salaryUnits(db::Database &db);

/// The unit's three signatories as the payroll prints use them.
using Signatories = units::Signatories;
/// Empty texts when the unit does not exist.
Signatories readSignatories(db::Database &db, int bkod);

/// Marital status (TNM list 2; the code is KY, stored in ZERBORBIL.MHAL).
personnel::LookupList maritalStatuses(db::Database &db);
/// Private-pension companies (BESFIRMA, by code).
personnel::LookupList pensionCompanies(db::Database &db);

/// The audit section of the monthly payroll, also of its deletions.
inline constexpr const char *kAuditSection = "ZER-MAAŞ";
/// "DİKKAT! Bu kişiye ait tüm bilgiler silinecektir.Onaylıyormusunuz."
inline constexpr const char *kDeleteQuestion = "DİKKAT! Bu kişiye ait tüm bilgiler silinecektir.Onaylıyormusunuz.";

/// "YIL:<year> AY:<month> Birim Kodu:<unit>"
QString auditText(const QString &workingYear, int month, int bkod);

/// "Sil": deletes the pay record and writes the audit line (operation "S") in one unit of
/// work. False when the record no longer exists (nothing written). Throws db::DbError; a
/// failed audit line rolls the deletion back (audit::kFailureMessage).
bool deletePayRecord(db::Database &db, WorkingContext &ctx, const RecordKey &key, const QString &workingYear,
                     int month);

}  // namespace zeran::payrollscreen
