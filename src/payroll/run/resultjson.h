#pragma once
// The monthly result rows as the JSON of "zeran-cli payroll compute": an array with one
// object per row, keys the ZERMAAS columns in the order the monthly run inserts them. Amounts
// are strings with their stored decimals ("1234.50"; four for EKMAT and ACIKKES), rates and
// keys are numbers, codes and names strings. Later tools read this: keep it stable.

#include "resultlayout.h"

#include <QByteArray>

#include <vector>

namespace zeran::payrollrun {

/// The ZERMAAS columns a monthly row is written with, in insert order (PKOD … YEMEK).
const QStringList &monthlyColumns();

QByteArray resultRowsJson(const std::vector<results::ResultRow> &rows);

}  // namespace zeran::payrollrun
