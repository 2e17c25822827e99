#pragma once
// Data access of the ledgers: the children (COCUK) with the child counts they give the pay
// records, and the garnishment (ICRA) and service-debt (HIZBOR) orders. Every write is one
// unit of work (joining the caller's when there is one); readers throw db::DbError.

#include "database.h"
#include "ledgers.h"
#include "money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace zeran::ledgers {

/// The two debt ledgers share one layout.
enum class DebtKind {
    Garnishment,  ///< ICRA
    ServiceDebt,  ///< HIZBOR
};

/// The table of a ledger ("ICRA" / "HIZBOR"), which is also the ZERMAAS column of its
/// deductions.
QString tableName(DebtKind kind);

/// Name and retirement registry number of a person (SICIL).
struct PersonHeader {
    QString name;   ///< ADI + " " + SOYADI
    QString emsno;  ///< EMSNO
};
/// nullopt when the registry has no such person.
std::optional<PersonHeader> readPerson(const db::Database &db, int pkayno);

// ---- Children -------------------------------------------------------------------

inline constexpr int kChildNameLength = 25;  // COCUK.ADSOY

struct ChildRow {
    int hno = 0;  ///< 0: not stored yet
    QString adsoy;
    QDate dtar;    ///< null: no date of birth
    QString odur;  ///< "O", "İ", "L", "Y" or empty
    QString cins;  ///< "E", "K" or empty
    friend bool operator==(const ChildRow &, const ChildRow &) = default;
};

/// The person's children in the order they were entered.
QList<ChildRow> readChildren(const db::Database &db, int pkayno);

/// Stores new rows (hno 0, numbered MAX(HNO) + 1 over the whole table, written back into
/// the rows) and changed stored rows of the person, in one unit of work.
void storeChildren(db::Database &db, int pkayno, QList<ChildRow> &rows);

/// COC1/COC2 of the person's pay record in unit `bkod`, or of every pay record of the
/// person when no unit is given.
QList<RecordCounts> readRecordCounts(const db::Database &db, int pkayno, std::optional<int> bkod);

/// Sets COC1, COC2 and DIGCOC of every pay record of the person (every unit); returns how
/// many records were changed. Joins the caller's unit of work.
int storeRecordCounts(db::Database &db, int pkayno, const ChildCounts &counts);

// ---- Garnishments and service debts ----------------------------------------------

inline constexpr int kDebtTextLength = 60;  // ACIK

struct DebtRow {
    int harno = 0;  ///< 0: not stored yet (numbered from GEN_HARNO when stored)
    QDate bastar;
    QString acik;
    Money tutar;
    Money kestut;
    QString dur = QString::fromLatin1(kDebtRunning);
    friend bool operator==(const DebtRow &, const DebtRow &) = default;
};

/// Every order of the person, running and finished, in number order.
QList<DebtRow> readDebts(const db::Database &db, DebtKind kind, int pkayno);

/// What a ledger screen changed since it read the rows.
struct DebtChanges {
    QList<DebtRow> added;     ///< new rows; their HARNO is filled in when stored
    QList<DebtRow> changed;   ///< stored rows (by HARNO) with new values
    QList<int> removed;       ///< HARNO of stored rows to delete
};

/// Stores all of `changes` for the person in one unit of work: all of it or nothing. A new
/// row is numbered from GEN_HARNO, skipping a number the person already uses (the unit copy
/// may set that shared generator back). Throws db::DbError; `changes.added` then keeps 0.
void storeDebts(db::Database &db, DebtKind kind, int pkayno, DebtChanges &changes);

}  // namespace zeran::ledgers
