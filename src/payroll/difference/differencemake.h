#pragma once
// Making a difference or inflation-difference payroll ("Bordro Yazdır"): the checks, then the
// month's rows of the payroll's kind replaced in ONE unit of work under the lock on the units'
// BIRIM rows (as the monthly make), the audit line of the inflation payroll, and what was
// written for the document. The screen and "zeran-cli payroll difference|inflation make" both
// call make(); nothing here shows a widget.

#include "context.h"
#include "differenceloader.h"
#include "payrollmake.h"

#include <QDate>

namespace zeran::difference {

inline constexpr const char *kAuditSection = "E-FARKBOR";

struct MakeRequest {
    Options options;
    QString workingYear;  ///< PTANIM.CYIL
    QDate today;
    int unit = 0;         ///< BKOD; 0 = "Tümü"
    engine::EngineSettings settings;
};

using payrollmake::Outcome;

struct MakeResult {
    Outcome outcome = Outcome::Refused;
    QString message;                 ///< what was shown for Refused/Failed
    int rows = 0;                    ///< result rows written (as many snapshots)
    LoadedDifference loaded;         ///< as computed for the write (also for the document)
    std::vector<DifferencePay> pays; ///< one per loaded.people
};

/// Both payroll kinds' checks and computation without writing: what "compute" shows and what
/// make() writes. Refused (with the message) for unsound options.
MakeResult prepare(db::Database &db, const MakeRequest &request);

/// "Bordro Yazdır". `questions` receives the warnings (not a difference month) and the
/// refusals. Never throws for database errors: they come back as Failed.
MakeResult make(db::Database &db, WorkingContext &ctx, const MakeRequest &request, payrollmake::Questions &questions);

}  // namespace zeran::difference
