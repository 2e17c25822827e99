#include "context.h"

#include "calendar.h"
#include "clock.h"

namespace zeran {

void WorkingContext::setDate(const QDate &date)
{
    today = date;
    const cal::DateParts p = cal::tarihbul(date);
    GUN = p.day;
    AY = p.month;
    AYADI = p.monthName;
    GUNADI = p.weekdayName;
    DON = cal::donFor(AY);
}

void WorkingContext::setPayWindow()
{
    bool ok = false;
    const int year = CYIL.toInt(&ok);
    if (!ok || AY < 1)
        return;
    const cal::PayWindow w = cal::payWindow(AY, year);
    DONBAS = w.begin;
    DONBIT = w.end;
}

QString WorkingContext::dateText() const
{
    return cal::statusDateText(today);
}

QDate WorkingContext::startUpDate() const
{
    return today.isValid() ? today : clock::today();
}

}  // namespace zeran
