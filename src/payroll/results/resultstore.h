#pragma once
// Data access of the stored payroll results (ZERMAAS) and pay-record snapshots (ZERARSIV).
//
// A payroll is written as: delete the month's rows of the kind (one unit or all), then one
// result row and one snapshot row per pay record — all inside the caller's unit of work, so
// that a failure half-way leaves the previous rows in place:
//
//     db::Transaction tx(db);
//     results::deleteMonth(db, month, unit);
//     results::ResultWriter writer(db);          // prepares the two inserts once
//     for (...) { writer.insertResult(r); writer.insertSnapshot(s); }
//     tx.commit();
//
// A ResultWriter must not outlive the unit of work it was made in: the driver invalidates a
// prepared statement when the transaction ends.

#include "database.h"
#include "resultlayout.h"

#include <optional>
#include <vector>

namespace zeran::results {

/// Inserts result and snapshot rows with statements prepared once for the whole unit of work.
class ResultWriter {
public:
    /// Throws db::DbError (Transaction) when no unit of work is open on `db`.
    explicit ResultWriter(db::Database &db);

    /// MAASAYAZ: one ZERMAAS row. Throws ResultValueError (nothing written) or db::DbError.
    void insertResult(const ResultRow &row);
    /// ARSIVYAZ: one ZERARSIV row.
    void insertSnapshot(const SnapshotRow &row);

private:
    db::Database &db_;
    std::optional<QSqlQuery> result_;
    std::optional<QSqlQuery> snapshot_;
};

/// One row, in a unit of work of its own (or the caller's when one is open).
void insertResultRow(db::Database &db, const ResultRow &row);
void insertSnapshotRow(db::Database &db, const SnapshotRow &row);

/// MAASTBLSIL: deletes the payroll's ZERMAAS rows of unit `bkod`, or of every unit when
/// `bkod` is empty. Returns the number of rows deleted.
int deleteResults(db::Database &db, const PayrollMonth &month, std::optional<int> bkod);
/// ARSTBLSIL: the same on ZERARSIV.
int deleteSnapshots(db::Database &db, const PayrollMonth &month, std::optional<int> bkod);
/// Both deletions in one unit of work (the caller's when one is open).
void deleteMonth(db::Database &db, const PayrollMonth &month, std::optional<int> bkod);

/// The payroll's rows of unit `bkod` (every unit when empty), ordered by BKOD, PKOD, PKAYNO.
std::vector<ResultRow> readResults(db::Database &db, const PayrollMonth &month, std::optional<int> bkod = {});
std::vector<SnapshotRow> readSnapshots(db::Database &db, const PayrollMonth &month, std::optional<int> bkod = {});

/// The result row of one pay record in one payroll; nullopt when there is none.
std::optional<ResultRow> readResult(db::Database &db, const PayrollMonth &month, int pkayno, int bkod, int pkod);
std::optional<SnapshotRow> readSnapshot(db::Database &db, const PayrollMonth &month, int pkayno, int bkod, int pkod);

/// The largest month of the kind stored for unit `bkod` in `year`; nullopt when none.
std::optional<int> lastMonth(db::Database &db, const QString &year, PayrollKind kind, int bkod);

// ---- Past payrolls: the archive, stored-month corrections and hand-entered tax bases ----
// Each joins the caller's unit of work (or runs in one of its own).

/// Result rows of unit `bkod` and the payroll's kind and year in months after `month`.
int countLaterMonths(db::Database &db, const PayrollMonth &month, int bkod);
/// The first journal number (YEVNO) stamped on the payroll's rows of unit `bkod`; nullopt
/// when none is posted.
std::optional<qint64> postedJournal(db::Database &db, const PayrollMonth &month, int bkod);
/// The journal number of one stored row; nullopt when it is not posted.
std::optional<qint64> postedJournal(db::Database &db, const RowKey &key);

/// What deleteArchivedPayroll removed.
struct DeletedPayroll {
    int results = 0, snapshots = 0, ledgerRows = 0;
};
/// Deletes one stored payroll of unit `bkod`: its ZERMAAS and ZERARSIV rows and the rows of
/// the retirement-contribution ledger (EMKES) made from it.
DeletedPayroll deleteArchivedPayroll(db::Database &db, const PayrollMonth &month, int bkod);

/// Payment status of a stored row: ODE "1"/"2" (empty: NULL), ODENO and ODETAR (NULL when empty).
struct PaymentStatus {
    QString ODE;
    std::optional<double> ODENO, ODETAR;
};
/// Sets the status of one row (`key` names it whole, PKOD included). Returns the rows changed.
int setPayment(db::Database &db, const RowKey &key, const PaymentStatus &status);

/// Writes every amount and item name of `row` over the stored row of the same key (PKOD
/// included); keys, payment status and journal number stay. Returns the rows changed (0 when
/// the row is gone). Throws ResultValueError for a refused value.
int updateResultRow(db::Database &db, const ResultRow &row);

/// One of a person's rows of the year, and whether it carries only keys and bases (a row
/// entered on the tax-base screen: GELTOP, KESTOP and MAAS are NULL).
struct PersonYearRow {
    ResultRow row;
    bool taxBaseOnly = false;
};
/// Every result row of person `pkayno` in `year` (any unit and kind), ordered by AY, TUR, BKOD.
std::vector<PersonYearRow> personYearResults(db::Database &db, int pkayno, const QString &year);
/// Whether a row of the person, unit, year, kind and month exists (any PKOD).
bool resultExists(db::Database &db, int pkayno, int bkod, const PayrollMonth &month);
/// A hand-entered tax base: a row with the keys, VERMAT and VERMAT1 only.
void insertTaxBase(db::Database &db, const RowKey &key, Money vermat, Money vermat1);
/// Corrects VERMAT of one stored row. Returns the rows changed.
int updateTaxBase(db::Database &db, const RowKey &key, Money vermat);
/// Deletes one hand-entered tax-base row: a row of a computed payroll (its totals are set) is
/// never deleted here. Returns the rows deleted (0: none, or not a hand-entered row).
int deleteTaxBase(db::Database &db, const RowKey &key);

/// The retirement-contribution correction: insurance kind and promotion date of every
/// snapshot row of person `pkayno` in `year`, in the caller's unit of work. Returns the rows
/// changed.
int updatePersonSnapshotsInsurance(db::Database &db, int pkayno, const QString &year, const QString &gsstur,
                                   const QDate &tertar);

/// The journal number of a posting stamped on the payroll's rows (ZERMAAS.YEVNO): the rows of
/// kind `month.TUR` in `month`, of unit `bkod` (every unit when empty) and of the person's code
/// `pkod` when given (single-person posting), in the caller's unit of work. With `onlyWhere`
/// only rows that now carry that number change (undoing a stamp: `yevno` empty clears it).
/// Returns the rows changed.
int stampJournalNumber(db::Database &db, const PayrollMonth &month, std::optional<int> bkod, std::optional<int> pkod,
                       std::optional<qint64> yevno, std::optional<qint64> onlyWhere = {});

}  // namespace zeran::results
