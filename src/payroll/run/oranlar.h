#pragma once
// ORANLAR without the database: the period's rate rows turned into the engine's PeriodRates
// (percentages divided where the stages use fractions, the E.Y.M.M. amount and the net
// minimum wage derived), with the warnings a clerk must see; and the extra earning item
// definitions reduced to one definition per item number.

#include "payrollrun.h"
#include "periodrows.h"

#include <QStringList>

#include <array>
#include <vector>

namespace zeran::payrollrun {

/// Shown when the legal rates of the period are missing or their coefficient is 0.
inline constexpr const char *kLegalRatesWarning = "Dikkat Kanuni Oranları Kontrol Etmelisiniz";
/// Shown when the period has no tax-rate row: income and stamp tax would be computed as 0.
inline constexpr const char *kTaxRatesWarning = "Dikkat Vergi Oranları Kontrol Etmelisiniz";
/// Shown when the year has no worker-rate row: the exempt minimum wage would not be net of
/// the worker's insurance shares.
inline constexpr const char *kWorkerRatesWarning = "Dikkat İşçi Sigorta Oranları Kontrol Etmelisiniz";

struct LoadedRates {
    engine::PeriodRates rates;
    QStringList warnings;  ///< each at most once
};

/// ORANLAR: PeriodRates from the period's rows. A missing row reads as all zero.
LoadedRates oranlar(const rates::PeriodRows &rows);

/// The ten item definitions: for each number 1–10 the last row of that number in the order
/// the rows are given (the loader gives them by HNO, BKOD), whatever its unit.
std::array<engine::ItemDefinition, 10> itemDefinitions(const std::vector<rates::EarningType> &rows);

}  // namespace zeran::payrollrun
