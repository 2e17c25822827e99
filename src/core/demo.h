#pragma once
// A demo municipality for trying the program out and for tests: pay units of every kind,
// titles, code lists, the indicator table, the rates of 2025 and 2026, about fifty people
// with their pay records and ledgers. The same options always give the same rows.

#include "database.h"

namespace zeran::demo {

struct Options {
    /// Working year written to PTANIM.CYIL; entry dates, seniority and ledger dates are
    /// counted back from 1 January of it. The rate rows are those of 2025 and 2026 whatever
    /// the year.
    int year = 2026;
};

/// Fills a freshly created main database (its settings row and built-in user only) with
/// the demo institution, in one unit of work. Throws db::DbError when the database already
/// holds pay units or people (nothing is changed then) or when a statement fails (all of
/// it is rolled back).
void fillDemoInstitution(zeran::db::Database &db, const Options &o = {});

}  // namespace zeran::demo
