#pragma once
// HESAPLA: the monthly pay of one person, computed by fourteen stages in a fixed order. Each
// stage reads the pay record, the run and what the stages before it left in PersonPay, and
// may be called on its own (the tests do), provided the stages before it have run.
//
// Every amount is zeran::Money. A product or quotient is rounded once to four decimals, ties
// to even; "round" in the comments is YUVARLA1 (two decimals, halves away from zero) and
// "prorate" is GUNHES with the pay record's KGUN, applied only when KGUN > 0. The rules are
// written out in docs/payroll-rules.md.

#include "payrollrun.h"
#include "personinput.h"
#include "personpay.h"

namespace zeran::engine {

/// HESAPLA: all fourteen stages on a fresh PersonPay.
PersonPay hesapla(const PayrollRun &run, const PersonInput &person);

// ---- The stages, in their order ------------------------------------------------------

/// 1. Read the pay record: overtime.
void stage1ReadPayRecord(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 2. Retirement-base supplement by additional-indicator band (EMKESEKI).
void stage2BandSupplement(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 3. Fine, rent, special deductions 1–5, garnishment instalment; meal allowance.
void stage3PersonalDeductions(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 4. Extra earning items 1–10 (KAZDEGERAL), with the gross-up of a net fixed item 1.
void stage4ExtraItems(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 5. Acting and partial-month adjustment of the supplement; tax-base allowance; service-debt
///    instalment.
void stage5AllowanceAndServiceDebt(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 6. Promotion and raise differences.
void stage6PromotionAndRaise(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 7. Salary items, side payment, minimum-living-allowance base, family and child allowances,
///    compensations, report days; surety deduction.
void stage7SalaryItems(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 8. Premiums and retirement contributions, then the roundings that wait for them.
void stage8Premiums(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 9. Gross total.
void stage9GrossTotal(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 10. Stamp tax and its minimum-wage part.
void stage10StampTax(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 11. Union dues.
void stage11UnionDues(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 12. Income-tax base, income tax and its minimum-wage part.
void stage12IncomeTax(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 13. Minimum living allowance; private pension contribution.
void stage13AllowanceAndPension(const PayrollRun &run, const PersonInput &person, PersonPay &pay);
/// 14. Special deductions total, final rounding, total of deductions, pay after deductions,
///     withheld amount.
void stage14Totals(const PayrollRun &run, const PersonInput &person, PersonPay &pay);

// ---- Named operations the stages use --------------------------------------------------

/// The band supplement rate of an additional indicator (EGOSK … EGOS7).
double bandRate(const PeriodRates &rates, int additionalIndicator);

/// ICRAHESAPLA / HBORHESAPLA: the month's instalment of a debt ledger. With automatic
/// capping, the running orders' instalments, limited to what remains of all orders after the
/// instalments already deducted; otherwise the running orders' instalments.
Money cappedInstalment(const DebtTotals &ledger, Money alreadyPaid, bool automatic);

/// KAZHESAPLA: the gross amount of a net fixed item 1. `basis` is the cumulative base B.
Money kazhesapla(Money netAmount, Money basis, bool inRetirementBase);

/// The result of the bracket tax on one month's base.
struct BracketTax {
    Money tax;          ///< before YUVARLA1
    Money cumulative;   ///< N: the cumulative base including this month (0 when not cumulated)
    double rate = 0;    ///< the marginal rate: the bracket where N ends, or OR1 when flat
};

/// GELIRVERGISI: the tariff on the cumulative base, T(P + base) − T(P), each bracket's part
/// of the base times its rate. Flat at OR1 for contract staff and with KAZVEROR = 1.
BracketTax gelirvergisi(const PeriodRates &rates, Money base, Money earlierBase, bool contractStaff);
/// GELIRVERGISI1: the same tariff for the exempt minimum wage; flat at OR1 with KAZVEROR = 1
/// and, with SOZPERVOR = 1, for contract staff.
BracketTax gelirvergisi1(const PeriodRates &rates, Money base, Money earlierBase, bool contractStaff);

}  // namespace zeran::engine
