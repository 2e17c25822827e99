#pragma once
// Exact decimal arithmetic on rates. A rate is a double read as its shortest round-trip
// decimal (what the clerk typed, see money.h): 1.012556 is exactly 1012556 / 10^6. The engine
// applies the same few rates tens of times per person, so each rate's fraction is worked out
// once per thread and then used in integer arithmetic; the results are exactly those of
// Money::mulRate / mulRateDiv / fromRateProduct (one rounding to four decimals, ties to even).

#include "money.h"

#include <initializer_list>

namespace zeran::engine {

/// value × 10^places in decimal: shiftDecimal(7.5, -2) == 0.075, shiftDecimal(0.15, 2) == 15.
double shiftDecimal(double value, int places);

/// amount × rate (as Money::mulRate).
Money applyRate(Money amount, double rate);
/// amount × rate ÷ divisor (as Money::mulRateDiv).
Money applyRateDiv(Money amount, double rate, std::int64_t divisor);
/// a × b as an amount (as Money::fromRateProduct).
Money rateProduct(double a, double b);
/// n × a × b as an amount, rounded once.
Money rateProduct(long long n, double a, double b);
/// amount × (r1 + r2 + …), the rates added exactly, rounded once.
Money applyRateSum(Money amount, std::initializer_list<double> rates);

}  // namespace zeran::engine
