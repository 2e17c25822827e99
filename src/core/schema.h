#pragma once
// The schema of the main database (PERSONEL.GDB) and of the accounting database
// (ANALITIK.GDB): creating them from nothing, reading the schema version and upgrading an
// older main database. Each step runs in its own unit of work and checks its commit.

#include "database.h"

#include <QStringList>

namespace zeran::schema {

/// The statements of a bundled script ("personel" or "analitik"), in order.
QStringList scriptStatements(const QString &name);
/// Splits a script: a statement ends with ';' at the end of a line; "--" lines are comments.
QStringList splitScript(const QString &text);

/// Runs the statements: definitions first (committed), then the data rows (committed).
/// Definitions must be committed before rows can go into the new tables.
void runScript(db::Database &db, const QStringList &statements);

/// Creates PERSONEL.GDB at the current schema version (with its settings row).
void createMainDatabase(const db::ConnectParams &params);
/// Creates ANALITIK.GDB with the accounting tables.
void createAccountingDatabase(const db::ConnectParams &params);

/// PTANIM.VER of an open main database ("" when the row is missing).
QString readVersionText(db::Database &db);

/// The upgrade to 25.001, as one unit of work: either every statement and the new version
/// are stored, or nothing is (DbError thrown, database unchanged).
void upgradeTo25001(db::Database &db);
/// The statements of that upgrade, in order.
QStringList upgrade25001Statements();

/// This program's own numbered upgrades (the sibling program's version text PTANIM.VER stays
/// as it is): each is applied once, in order, and recorded in ZERSURUM with its number; its
/// definitions are committed first, then its data changes with the record. Running it again
/// does nothing. Throws db::DbError when an upgrade fails (its data part is then rolled back;
/// the next start tries again).
void applyUpgrades(db::Database &db);
/// The numbers of the upgrades recorded in the database, in order.
QList<int> appliedUpgrades(db::Database &db);
/// The number of the last upgrade this program knows.
int latestUpgrade();

/// The unique keys of the result and snapshot rows (one row per pay record, kind and month).
/// A database made before they existed gets them here, but only a table without duplicate
/// rows: the duplicates are returned, one line each, for the clerk to clear first.
QStringList ensureResultKeys(db::Database &db);

}  // namespace zeran::schema
