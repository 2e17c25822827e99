#pragma once
// Data access of past payrolls: the archive's choosers, the archive query (the documents'
// loader, so the grid, the prints and the workbook read the same rows), the stored payroll
// viewer's month, and the operations that change stored rows — each one unit of work with its
// audit line. The writes themselves are the result store's (resultstore.h).

#include "archivelogic.h"
#include "context.h"
#include "database.h"
#include "payrollmake.h"
#include "printdata.h"
#include "resultstore.h"

#include <QString>

#include <optional>
#include <vector>

namespace zeran::archive {

using Questions = payrollmake::Questions;

/// A person of the "Adı Soyadı" chooser: the name shown and the person it stands for, so two
/// namesakes stay two choices.
struct PersonChoice {
    int PKAYNO = 0;
    QString ADSOY;
};
/// Persons with stored rows (of unit `unit`; every unit when 0), by name then number.
std::vector<PersonChoice> personChoices(db::Database &db, int unit);

/// The archive query of `selection`: rows of ZERMAAS with their own snapshot (never a second
/// KEFALET in place of the amount), names, unit names and the cumulative bases.
std::vector<ArchiveRow> loadRows(db::Database &db, const ArchiveSelection &selection);
/// The same rows with what the archive's prints put around them (unit, signatories, rates).
payrolldocs::ArchiveData loadArchiveData(db::Database &db, const ArchiveSelection &selection);

// ---- Deleting a stored month ("Sil") ---------------------------------------------------

enum class Outcome { Done, Refused, Declined, Failed };
struct OperationResult {
    Outcome outcome = Outcome::Refused;
    QString message;  ///< what was shown (Refused, Failed)
    int rows = 0;     ///< rows changed or deleted
};

/// Deletes the selected month of the selected unit and kind: refuses without a unit or a
/// month; asks the deletion question, then (when a later month of the unit and kind has rows)
/// the not-last-month question, then (when the rows are posted) the journal question; deletes
/// the result, snapshot and contribution-ledger rows and writes the audit line, all in one
/// unit of work. Other units and kinds are never touched.
OperationResult deleteMonth(db::Database &db, WorkingContext &ctx, const ArchiveSelection &selection,
                            Questions &questions);

// ---- Payment status ("Ödeme Bilgileri", "Tüm Ödeme") ----------------------------------

/// Sets ODE/ODENO/ODETAR of every row of `keys` in one unit of work with one audit line each.
OperationResult setPayments(db::Database &db, WorkingContext &ctx, const std::vector<results::RowKey> &keys,
                            const results::PaymentStatus &status);

// ---- Stored payroll viewer ("PERSONEL BORDRO BİLGİLERİ") ------------------------------

struct StoredMonth {
    results::ResultRow result;
    std::optional<results::SnapshotRow> snapshot;
    QString ADI, SOYADI, EMSNO, TCKNO, PERNO;
    QString BIRIM;
    double KATSAYI = 0, YOD = 0, TAK = 0, EYMG = 0;  ///< ZERKANOR of the row's year and half-year
};
/// The stored month of one pay record; nullopt when the row does not exist.
std::optional<StoredMonth> loadStoredMonth(db::Database &db, const results::RowKey &key);

/// Saves a corrected stored row: asks the journal question when the row is posted, writes the
/// row (identified by its whole key, PKOD included) and the audit line in one unit of work.
OperationResult saveCorrection(db::Database &db, WorkingContext &ctx, const results::ResultRow &corrected,
                               Questions &questions);

// ---- Hand-entered tax bases -----------------------------------------------------------

/// The person's rows of the working year.
std::vector<results::PersonYearRow> taxBaseRows(db::Database &db, int pkayno, const QString &year);

struct TaxBaseEntry {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString YIL;
    int AY = 0;  ///< 0: no month chosen
    PayrollKind TUR = PayrollKind::Monthly;
    std::optional<Money> VERMAT;  ///< nullopt: the field is empty
    Money VERMAT1;
};
/// "Kayıt" of a new entry: the checks (month, base, run month, duplicate), then the row and
/// its audit line in one unit of work.
OperationResult addTaxBase(db::Database &db, WorkingContext &ctx, const TaxBaseEntry &entry, int runMonth);
/// "Kayıt" of a correction: VERMAT of the row, with its audit line.
OperationResult correctTaxBase(db::Database &db, WorkingContext &ctx, const results::RowKey &key, Money vermat);
/// Deletes a row entered on the tax-base screen after the question; a computed payroll's row
/// is refused.
OperationResult deleteTaxBase(db::Database &db, WorkingContext &ctx, const results::RowKey &key,
                              Questions &questions);

}  // namespace zeran::archive
