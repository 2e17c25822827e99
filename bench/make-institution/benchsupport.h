#pragma once
// What the institution benchmark programs share: options, the embedded database of a folder,
// the December run and its rows, and a monotonic stopwatch.

#include "database.h"
#include "resultlayout.h"
#include "runloader.h"
#include "settings.h"
#include "stages.h"
#include "writtenrow.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace zeran::bench {

/// "--name value" taken out of args; `fallback` when absent.
inline QString option(QStringList &args, const QString &name, const QString &fallback = {})
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return fallback;
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

/// The main database of folder `dir`, opened by the embedded engine.
inline db::ConnectParams mainParamsOf(const QString &dir)
{
    db::ConnectParams p;
    p.path = mainDatabasePath(QDir(dir).absolutePath());
    return p;
}

inline double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

/// The rows a payroll of every unit writes: one result and one snapshot per pay record.
struct MonthRows {
    results::PayrollMonth month;
    std::vector<results::ResultRow> results;
    std::vector<results::SnapshotRow> snapshots;
};

/// Loads the run of `today`'s month for every unit and computes its rows with the engine.
inline MonthRows computeMonthRows(db::Database &db, const QDate &today)
{
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    const payrollrun::LoadedRun loaded =
        payrollrun::loadRun(db, payrollrun::RunPeriod::of(settings.CYIL, today), {}, settings.engine);
    MonthRows rows;
    rows.month = {loaded.run.YIL, loaded.run.AY, results::PayrollKind::Monthly};
    rows.results.reserve(loaded.people.size());
    rows.snapshots.reserve(loaded.people.size());
    for (const payrollrun::RunPerson &p : loaded.people) {
        rows.results.push_back(payrollrun::resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
        rows.snapshots.push_back(payrollrun::snapshotRow(loaded.run, p.input));
    }
    return rows;
}

}  // namespace zeran::bench
