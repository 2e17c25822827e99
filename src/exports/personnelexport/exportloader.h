#pragma once
// The staff rows of "PERSONEL DETAY BİLGİLERİ" and their pay period, read from the database in
// three statements whatever the number of people.

#include "database.h"
#include "personnelexport.h"

namespace zeran::personnelexport {

/// The latest month of `year` with result rows (of unit `unit`, 0 = every unit); 0 when none.
int payPeriod(const db::Database &db, const QString &year, int unit);

/// The paid ("E") pay records of the salary units (one unit, or all for 0), each with the
/// amounts of its own kind-"1" row of (year, periodMonth).
std::vector<StaffSource> loadStaff(const db::Database &db, const QString &year, int periodMonth, int unit);

struct UnitChoice {
    int BKOD = 0;
    QString BIRIM;
};
/// " Birimi": the active salary units by name.
std::vector<UnitChoice> exportUnits(const db::Database &db);

}  // namespace zeran::personnelexport
