#pragma once
// Months of payroll history for a test, made the way a clerk makes them: through the payroll
// make path itself (checks, delete, write), never through a loop of the test's own.

#include "payrollmake.h"

#include <QDate>
#include <stdexcept>

namespace zeran::test {

/// Makes the monthly payrolls of months first … last of the working year, for every unit,
/// each on the 15th of its month. Throws when a month is not written.
inline void makeMonths(db::Database &db, int last, int first = 1)
{
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    WorkingContext ctx;
    payrollmake::AnswerYes yes;
    for (int month = first; month <= last; ++month) {
        payrollmake::MakeRequest request;
        request.workingYear = settings.CYIL;
        request.today = QDate(settings.CYIL.toInt(), month, 15);
        request.settings = settings.engine;
        const payrollmake::MakeResult made = payrollmake::make(db, ctx, request, yes);
        if (made.outcome != payrollmake::Outcome::Written && made.outcome != payrollmake::Outcome::Empty)
            throw std::runtime_error(QStringLiteral("month %1 not made: %2").arg(month).arg(made.message).toStdString());
    }
}

}  // namespace zeran::test
