#include "seniority.h"

namespace zeran::personnel {

QString seniorityYears(const QDate &entry, const QDate &today)
{
    if (!entry.isValid() || !today.isValid())
        return {};
    const qint64 days = entry.daysTo(today);
    // The day count read as a date from the 1899 epoch only gives years for a past entry;
    // a future one would read as 99, 98, ... years.
    if (days < 0)
        return QStringLiteral("00");
    // The first two days still fall in 1899, which reads as "99".
    const int years = ((QDate(1899, 12, 30).addDays(days).year() - 1900) % 100 + 100) % 100;
    if (years == 99)
        return QStringLiteral("00");
    return QStringLiteral("%1").arg(years, 2, 10, QLatin1Char('0'));
}

bool seniorityMismatch(const QString &shownYears, std::optional<int> kidem)
{
    if (shownYears.isEmpty())
        return false;
    return shownYears.toInt() != kidem.value_or(0);
}

}  // namespace zeran::personnel
