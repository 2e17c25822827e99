#include "printdata.h"

#include "calendar.h"

namespace zeran::payrolldocs {

QString ItemNames::earningCaption(int n) const
{
    if (n < 1 || n > int(earning.size()))
        return {};
    const QString &name = earning[std::size_t(n - 1)];
    return name.isEmpty() ? QStringLiteral("KAZ%1").arg(n) : name;
}

QString ItemNames::deductionCaption(int n) const
{
    if (n < 1 || n > int(deduction.size()))
        return {};
    const QString &name = deduction[std::size_t(n - 1)];
    return name.isEmpty() ? QStringLiteral("KES%1").arg(n) : name;
}

HeaderRates HeaderRates::of(const engine::PeriodRates &r)
{
    HeaderRates h;
    h.KATSAYI = r.KATSAYI;
    h.TAK = r.TAK;
    h.YOD = r.YOD;
    h.KAK = r.KAK;
    h.EYMG = r.EYMG;
    h.AYRDP = r.AYRDP;
    h.EYMM = r.EYMM;
    h.INDIRIM = r.INDIRIM;
    h.ASUCR = r.ASUCR;
    return h;
}

QString periodText(const QDate &runDate)
{
    return QStringLiteral("15 %1 %2").arg(cal::monthName(runDate.month())).arg(runDate.year());
}

std::optional<Money> ArchiveRow::GELVER2() const
{
    const Money d = result.GELVER - result.GELVER1;
    return d > Money() ? std::optional<Money>(d) : std::nullopt;
}

std::optional<Money> ArchiveRow::DAMVER2() const
{
    const Money d = result.DAMVER - result.DAMVER1;
    return d > Money() ? std::optional<Money>(d) : std::nullopt;
}

}  // namespace zeran::payrolldocs
