#pragma once
// Loading a difference or inflation-difference payroll: the monthly run's loading (settings,
// selection, the earlier income-tax bases) with the previous period's rates beside the new
// ones, the records the payroll takes, and each person's earlier base without the rows this
// payroll replaces. A fixed number of statements whatever the number of people; nothing is
// written. Also the rows such a payroll writes.

#include "database.h"
#include "difference.h"
#include "loadedrun.h"
#include "resultlayout.h"
#include "runloader.h"

#include <QDate>

#include <vector>

namespace zeran::difference {

struct LoadedDifference {
    engine::PayrollRun run;               ///< period and settings; run.rates are the new period's
    DifferenceRates rates;
    std::vector<payrollrun::RunPerson> people;  ///< the records the payroll takes, in order
    std::vector<Money> earlierBases;      ///< one per person
    QStringList warnings;                 ///< rate warnings, each once
};

/// Loads the payroll of `unit` (0: every salary unit). Throws db::DbError.
LoadedDifference loadDifference(db::Database &db, Kind kind, const payrollrun::RunPeriod &period, int unit,
                                const engine::EngineSettings &settings);

/// HESAPLA for every person, in order. Throws what the computation throws (an amount out of
/// range) with the person named in the message.
std::vector<DifferencePay> computeAll(const LoadedDifference &loaded, const Options &options);

/// The payroll kind stored for `kind`.
results::PayrollKind payrollKind(Kind kind);

/// The ZERMAAS row of one person: the differences, contributions and taxes; the columns the
/// difference payrolls leave open are 0 (GELVERKES and DAMVERKES equal the taxes).
results::ResultRow resultRow(Kind kind, const engine::PayrollRun &run, const engine::PayRecord &rec,
                             const DifferencePay &pay, const QDate &today);
/// The ZERARSIV row: the pay record as the payroll used it.
results::SnapshotRow snapshotRow(Kind kind, const engine::PayrollRun &run, const engine::PersonInput &person);

/// The rows as the JSON of "zeran-cli payroll compute" (the inflation payroll's rows add
/// EKFARK after the monthly columns).
QByteArray rowsJson(Kind kind, const std::vector<results::ResultRow> &rows);

}  // namespace zeran::difference
