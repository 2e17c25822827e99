#pragma once
// The month's totals as the payroll prints read them: a plain value, apart from the query
// that sums them (monthtotals.h), so that the documents need no database.

#include "money.h"

#include <QString>

#include <map>

namespace zeran::results {

struct MonthTotals {
    int rows = 0;                      ///< how many result rows were summed
    std::map<QString, Money> sums;     ///< column name → sum, for every column of totalColumns() (monthtotals.h)
    Money ARTIS2;                      ///< twice the ARTIS sum (the raise is deducted again)

    /// The sum of a column of totalColumns(); 0 for an unknown name.
    Money operator[](const QString &column) const;
};

}  // namespace zeran::results
