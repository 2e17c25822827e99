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
