#pragma once
// What the monthly run shows and writes for a person: the computed PersonPay with the display
// rules applied (staff kind "D", title 15, unpaid leave "Ü"), the values derived for the
// screen, and the ZERMAAS and ZERARSIV rows made from them. The payroll screen, the CLI and
// the later payrolls use these, so the written row always equals what was shown.

#include "payrollrun.h"
#include "personinput.h"
#include "personpay.h"
#include "resultlayout.h"

namespace zeran::payrollrun {

/// The title whose special service compensation is not shown or written (it stays in the
/// gross total).
inline constexpr int kHiddenSpecialServiceTitle = 15;

/// The values shown for a person: PersonPay after the display rules (an amount that is not
/// shown is 0), with the derived values of the payroll grid.
struct ShownPay {
    engine::PersonPay pay;  ///< display rules applied
    Money TOPAYTUT;         ///< AYTUT + EGOSTUT
    int TOPCOC = 0;         ///< COC1 + COC2
    Money TCOCYRD;          ///< COCYRD + COCYRD1
    Money TOPTAZ;           ///< DIGTAZ + DILTAZ + LOJTAZ + EKTAZ amounts
    std::array<Money, 5> KAZTOP{};  ///< items in pairs: 1+2, 3+4, 5+6, 7+8, 9+10
    Money OZKESB;           ///< special deductions total + service-debt instalment
    double GVORpercent = 0, GVOR1percent = 0;
    Money GVMATK;           ///< cumulative income-tax base less its minimum-wage part
    Money DVMATK;           ///< stamp-tax base less its minimum-wage part
    Money NET;              ///< MAAS − ACIKKES: paid out
};

ShownPay shownPay(const engine::PersonInput &person, const engine::PersonPay &pay);

/// MAASAYAZ's row: the monthly (kind "1") ZERMAAS row of the person. Amounts are the shown
/// values at two decimals (EKMAT and ACIKKES keep four).
results::ResultRow resultRow(const engine::PayrollRun &run, const engine::PersonInput &person,
                             const engine::PersonPay &pay);

/// ARSIVYAZ's row: the pay record's attributes as the payroll used them.
results::SnapshotRow snapshotRow(const engine::PayrollRun &run, const engine::PersonInput &person);

}  // namespace zeran::payrollrun
