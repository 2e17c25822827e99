#pragma once
// Number texts of the printed documents, Turkish style: amounts "#,0.00" (1.234,56), counts
// and indicators as plain integers, rates in general number format (the shortest decimal,
// with a decimal comma: 1,387871).

#include "money.h"

#include <QString>

namespace zeran::report {

/// "#,0.00": 1.234,56; zero is "0,00".
inline QString amount(Money m)
{
    return m.toText();
}

/// A count, an indicator or a year.
inline QString integer(long long n)
{
    return QString::number(n);
}

/// General number format: the shortest decimal with a decimal comma ("0,15", "1,387871",
/// "9500"); "0" for NaN or infinity.
QString rate(double value);

/// An amount in general number format: no grouping, no trailing zeros ("9619,282", "0").
QString plainAmount(Money m);

}  // namespace zeran::report
