#pragma once
// IZIN and IZINMIKTAR: every statement on the leave tables, and what the leave screens read
// (the unit's people, the units, the years of stored payrolls). Each change is one unit of
// work with its audit line.

#include "context.h"
#include "database.h"
#include "leavelogic.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zeran::leave {

/// A person of the leave screen's list (one line per person, however many pay records).
struct Person {
    int PKAYNO = 0;
    QString ADSOY, EMSNO, TEL1, UNVAN;
};

struct UnitChoice {
    int BKOD = 0;
    QString BIRIM;
};

/// Units of this system that are not passive, by name.
std::vector<UnitChoice> leaveUnits(const db::Database &db);
/// Every unit of this system, by name (the entitlement list).
std::vector<UnitChoice> allUnits(const db::Database &db);
/// The years of stored payrolls, newest first.
QStringList payrollYears(const db::Database &db);

/// The people with a paid pay record (DURUM 'E') in the unit, by name.
std::vector<Person> unitPeople(const db::Database &db, int bkod);
/// One person (also when the person has no pay record), nullopt when there is none.
std::optional<Person> person(const db::Database &db, int pkayno);

/// Every leave of the person (all years), by start date.
std::vector<Leave> leavesOf(const db::Database &db, int pkayno);
std::vector<Entitlement> entitlementsOf(const db::Database &db, int pkayno);
Balance loadBalance(const db::Database &db, int pkayno, int year);

/// Stores a new leave (HARNO from GEN_HARNO) or changes a stored one; returns its HARNO.
/// The leave must have passed checkLeave.
int saveLeave(db::Database &db, WorkingContext &ctx, const Leave &leave);
void deleteLeave(db::Database &db, WorkingContext &ctx, int pkayno, int harno);

/// "Yıllık İzin Giriş": GUN of `year` set to `days` for every person (DEVIR untouched).
void setYearDays(db::Database &db, WorkingContext &ctx, const std::vector<int> &people, const QString &year,
                 int days);

/// The days granted for a new year by "Tümünü Aktar".
inline constexpr int kYearDays = 30;

struct CarryResult {
    int added = 0;
    QStringList failures;  ///< "PKAYNO: message", one per person whose row was not written
};
/// "Tümünü Aktar": an entitlement row of `year` (GUN 30, DEVIR the days carried) for every
/// person with a pay record in the unit who has none for that year. One unit of work; a
/// person whose row fails is reported, the others are stored.
CarryResult carryOver(db::Database &db, WorkingContext &ctx, int bkod, const QString &year);

/// A line of the entitlement list.
struct EntitlementLine {
    int PKAYNO = 0;
    QString ADSOY, YIL;
    int GUN = 0, DEVIR = 0;
};
/// The entitlement rows of `year` of the people with a paid pay record (in unit `bkod`, or
/// in every unit for 0), by name.
std::vector<EntitlementLine> entitlementList(const db::Database &db, const QString &year, int bkod);

}  // namespace zeran::leave
