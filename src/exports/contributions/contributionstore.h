#pragma once
// The contribution module's SQL: the rows the declaration files are made from, the ledger
// `EMKES` (owned here), the person lists and figures of the ledger prints, and the correction
// dialog's reads and its one unit of work (the writes go through the owners' stores).

#include "contributionfile.h"
#include "database.h"
#include "ledger.h"

#include <QDateTime>
#include <optional>
#include <vector>

namespace zeran {
struct WorkingContext;
}

namespace zeran::contributions {

/// The rows of the month and kinds (result rows, their snapshots, the people and their pay
/// records) and the minimum wage of the month's half-year. A fixed number of statements.
FileInput loadFileInput(db::Database &db, Regime regime, PayrollChoice payroll, Order order, const QString &year,
                        int month, const QDateTime &now);

/// Writes a made file and its audit line: the audit line only once the file is whole on disk.
/// False with `error` set when the folder is missing or the file cannot be written.
bool writeDeclaration(db::Database &db, WorkingContext &ctx, const QString &path, const QByteArray &bytes,
                      const QString &year, int month, Regime regime, QString *error);

// ---- The ledger EMKES ------------------------------------------------------------------

/// The person's rows of the year, every kind and unit, by month.
std::vector<LedgerRow> ledgerRows(db::Database &db, int pkayno, const QString &year);
/// Saves a new row, or (with `old`) the row that was `old`. The month and duplicates are
/// checked first; the message is returned and nothing is written when they fail.
QString saveLedgerRow(db::Database &db, const LedgerRow &row, const std::optional<LedgerRow> &old = std::nullopt);

/// Units of the ledger lists: this system's units not marked "P", by name.
std::vector<std::pair<int, QString>> ledgerUnits(db::Database &db);

/// A pay record of the unit's person list.
struct LedgerPerson {
    int BKOD = 0, PKOD = 0;
    QString ADSOY;
    SummaryPerson person;
};
/// The unit's pay records (with registry and title), in pay-record order.
std::vector<LedgerPerson> unitPeople(db::Database &db, int bkod);

/// The yearly summary's rows for the unit's people (or only `pkayno`), numbered from 1.
std::vector<SummaryRow> loadSummaryRows(db::Database &db, int bkod, const QString &year,
                                        std::optional<int> pkayno = std::nullopt);

/// The voucher's figures for a unit and month (0: no unit, all zero).
VoucherFigures loadVoucherFigures(db::Database &db, const QString &year, int month, int bkod);
/// The institution's district name (the voucher's branch).
QString institutionDistrict(db::Database &db);

// ---- "PERSONEL BİLGİLERİ" ---------------------------------------------------------------

struct PersonCorrection {
    int PKAYNO = 0;
    QString ADI, SOYADI, BIRIM;
    QString EMSNO, TCKNO, GSSTUR;
    QDate TERTAR;
};
/// The person as the dialog shows him, from the given pay record.
std::optional<PersonCorrection> readCorrection(db::Database &db, int pkayno, int bkod, int pkod);
/// Whether another person already carries the retirement number.
bool retirementNumberTaken(db::Database &db, const QString &emsno, int pkayno);
/// Writes what changed from `before` to `after` in one unit of work: the registry (numbers),
/// every pay record of the person and the person's snapshot rows of `year` (insurance kind and
/// promotion date). Throws db::DbError when any write fails; nothing is then kept.
void saveCorrection(db::Database &db, const PersonCorrection &before, const PersonCorrection &after,
                    const QString &year);

/// The database check: the twelve monthly ledger rows (TUR "1", amounts empty) of `year` for
/// every unit and person with a pay record, where missing; returns the rows made.
int addMissingLedgerMonths(db::Database &db, const QString &year);
/// The database check: deletes the ledger rows of a unit and person without a pay record, of
/// any year and kind, except rows of years before `year` that hold an amount (paid history);
/// returns the rows deleted.
int deleteLedgerRowsWithoutPayRecord(db::Database &db, const QString &year);

}  // namespace zeran::contributions
