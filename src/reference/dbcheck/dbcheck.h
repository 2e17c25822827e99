#pragma once
// "DOSYA  KONTROL İŞLEMİ": removes rows that refer to units or people that no longer exist and
// makes the rows other screens expect (the working year's monthly retirement-contribution
// ledger rows of every pay record, the plan headers of every unit). Each step is one set-based
// statement of the table's owner, all in one unit of work: the figures are shown and the
// changes are kept only after a Yes; No, an error or a refusal leaves the database as it was.

#include "context.h"
#include "database.h"
#include "dbchecklog.h"

#include <functional>

namespace zeran::dbcheck {

struct Hooks {
    std::function<void(int)> progress;              ///< 30, 80, 90, 100
    std::function<bool(const Counts &)> confirm;    ///< asked only when something changes
    std::function<void(int step)> afterStep;        ///< after steps 1–3 (a test may throw here)
};

struct Outcome {
    enum class Status { Done, Declined, Refused, Failed } status = Status::Done;
    Counts counts;      ///< what the run found (kept only when Done)
    QStringList log;    ///< the screen's log
    QString message;    ///< a refusal's or an error's text
};

/// Runs the check for the working year `ctx.CYIL`. Only the super-user (KULNO 1) may.
Outcome run(db::Database &db, WorkingContext &ctx, const Hooks &hooks);

}  // namespace zeran::dbcheck
