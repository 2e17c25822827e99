#pragma once
// The pay units of this system (BIRIM rows of kind 'M'; the sibling program keeps its own
// under another kind). Every statement on BIRIM lives here; a unit is found by its code
// and kind, never by its name (two units may share a name).

#include "database.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace zeran::units {

struct UnitName {
    int BKOD = 0;
    QString BIRIM;
};

/// Which units a list shows.
enum class UnitFilter {
    All,           ///< every unit of this system
    Active,        ///< AKTIF 'A'
    ActiveSalary,  ///< AKTIF 'A' and MTUR 'N': the units of the monthly payroll
};

/// The units by name (then code), as the choosers list them.
std::vector<UnitName> units(const db::Database &db, UnitFilter filter);
/// Every unit's name by code (for lists that show a stored code's name).
QHash<int, QString> unitNames(const db::Database &db);
/// The name of a unit; empty when there is none.
QString unitName(const db::Database &db, int bkod);

/// The unit's three signatories as the payroll prints use them.
struct Signatories {
    QString TAS, TUN;  ///< "Düzenleyen"
    QString SAS, SUN;  ///< "Muhasebe Yetkilisi"
    QString IAS, IUN;  ///< "Harcama Yetkilisi"
    friend bool operator==(const Signatories &, const Signatories &) = default;
};

/// A unit as a printed document heads it.
struct UnitHeader {
    int BKOD = 0;
    QString BIRIM, BASLIK;
    Signatories signatories;
};
/// Nothing when the unit does not exist.
std::optional<UnitHeader> unitHeader(const db::Database &db, int bkod);

/// Locks the rows of the units a payroll is about to replace (one unit, or every unit of
/// this system), inside the caller's unit of work: a second workstation doing the same waits
/// for the first to end and then gets an update conflict. An update takes the lock when it
/// runs; a "SELECT ... WITH LOCK" locks only what is fetched, and the driver does not fetch
/// from a statement it does not see as a plain select.
void lockUnits(const db::Database &db, std::optional<int> bkod);

// ---- The units screen ---------------------------------------------------------------------

/// Which units "BİRİM TANIMLAR" lists, and in which order.
enum class ListFilter { All, Active, Passive };
enum class ListOrder { Code, Name };

/// A unit row as the units screen edits it (MAS, MUN, TTBA, TTSA are not on the screen; a
/// change leaves them, a copy carries them).
struct UnitRow {
    int BKOD = 0;
    QString BIRIM, BASLIK, MTUR, AKTIF;
    QString MAS, MUN, TAS, TUN, SAS, SUN, IAS, IUN, TTBA, TTSA;
    friend bool operator==(const UnitRow &, const UnitRow &) = default;
};

std::vector<UnitRow> unitRows(const db::Database &db, ListFilter filter, ListOrder order);
std::optional<UnitRow> unitRow(const db::Database &db, int bkod);
/// The largest code of this system's units plus 1 (1 when there are none); the sibling
/// program's units do not count.
int nextUnitCode(const db::Database &db);
/// Inserts the row under its own BKOD (kind 'M'). Throws db::DbError (also on a taken code).
void insertUnitRow(const db::Database &db, const UnitRow &r);
/// Writes the screen's columns of unit r.BKOD; returns the rows changed.
int updateUnitRow(const db::Database &db, const UnitRow &r);
/// Deletes this system's unit `bkod`; returns the rows deleted.
int deleteUnitRow(const db::Database &db, int bkod);
/// Whether payroll results of the unit exist in any year.
bool unitHasResults(const db::Database &db, int bkod);

}  // namespace zeran::units
