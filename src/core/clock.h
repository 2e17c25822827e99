#pragma once
// The start-up date. The run month, half-year, ages and seniority all follow it, so the
// program and the command-line tool take "--today YYYY-MM-DD" (or ZERAN_TODAY) to fix it;
// without either the system clock is used.

#include <QDate>
#include <QStringList>
#include <optional>

namespace zeran::clock {

/// Sets the date returned by today(); an invalid date returns to the system clock.
void setToday(const QDate &d);
QDate today();
/// Reads "--today D" / "--today=D" from the arguments (removing them) or ZERAN_TODAY.
/// Returns an error text when a date is given but cannot be read.
std::optional<QString> takeTodayOption(QStringList &args);

}  // namespace zeran::clock
