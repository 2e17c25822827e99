#pragma once
// The installation settings row PTANIM: every statement on it lives here, so the one-row
// table has one owner. Screens and loaders take the columns they need from the row read here.

#include "database.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

namespace zeran::settingsrow {

/// The row: every column, or only `columns` (the callers' own constants, checked to be plain
/// names; a loader asks for what it uses and never drags the emblem along). Throws
/// db::DbError when the database has none.
QSqlRecord read(const db::Database &db, const QStringList &columns = {});
/// Writes `values` (column name, bound value) into the row, in the caller's unit of work when
/// there is one. Column names are the callers' own constants (checked to be plain names).
/// Throws db::DbError when the statement fails or there is no row.
void store(const db::Database &db, const QVector<std::pair<QString, QVariant>> &values);

/// The working year (CYIL) and the institution as the working-year dialog shows them.
struct WorkingYear {
    QString CYIL, KURUM;
};
WorkingYear readWorkingYear(const db::Database &db);
/// Stores a new working year in its own unit of work.
void storeWorkingYear(db::Database &db, const QString &cyil);

/// The institution's population (NUFUS, asked by the rate service); 0 when not entered.
qint64 population(const db::Database &db);
/// PTANIM.VER ("" when the row or the value is missing).
QString versionText(const db::Database &db);

}  // namespace zeran::settingsrow
