#include "payrows.h"

#include "calendar.h"
#include "writtenrow.h"

namespace zeran::payrollscreen {

std::vector<PayRow> payRows(const payrollrun::LoadedRun &loaded, const std::vector<engine::PersonPay> &pays)
{
    std::vector<PayRow> rows;
    const std::size_t n = std::min(loaded.people.size(), pays.size());
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const payrollrun::RunPerson &p = loaded.people[i];
        const engine::PayRecord &r = p.input.rec;
        const payrollrun::ShownPay shown = payrollrun::shownPay(p.input, pays[i]);
        PayRow row;
        row.key = {r.PKAYNO, r.BKOD, r.PKOD};
        row.EMSNO = p.EMSNO;
        row.ADSOY = p.ADI + QLatin1Char(' ') + p.SOYADI;
        row.GOR = p.UNVAN;
        row.MDK = QStringLiteral("%1/%2").arg(r.MDER).arg(r.MKAD);
        row.GOS = r.GOS;
        row.EGOS = r.EGOS;
        row.KIDEM = r.KIDEM;
        row.TOPMAT = shown.pay.TOPMAT;
        row.GELTOP = shown.pay.GELTOP;
        row.KESTOP = shown.pay.KESTOP;
        row.MAAS = shown.pay.MAAS;
        row.NET = shown.NET;
        row.BIRIM = p.BIRIM;
        rows.push_back(std::move(row));
    }
    return rows;
}

QString periodText(int month, int year)
{
    return QStringLiteral("15 ") + cal::monthName(month) + QLatin1Char(' ') + QString::number(year);
}

QString rateText(double rate)
{
    // Turkish decimal comma, as on the printed documents.
    return shortestDecimal(rate).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString rateText(Money amount)
{
    return plainNumberText(amount);
}

}  // namespace zeran::payrollscreen
