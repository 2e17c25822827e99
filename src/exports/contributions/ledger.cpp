#include "ledger.h"

#include "calendar.h"

namespace zeran::contributions {

QString ledgerRowProblem(const LedgerRow &row, const std::vector<LedgerRow> &others)
{
    if (row.AY < 1 || row.AY > 12)
        return QStringLiteral("DİKKAT! Ay 1 ile 12 arasında olmalıdır.");
    for (const LedgerRow &o : others)
        if (o.PKAYNO == row.PKAYNO && o.BKOD == row.BKOD && o.TUR == row.TUR && o.YIL == row.YIL && o.AY == row.AY)
            return QStringLiteral("DİKKAT! %1 ayı için bu kişinin kaydı zaten var.").arg(ledgerMonthName(row.AY));
    return {};
}

QString ledgerMonthName(int month)
{
    return cal::monthName(month);
}

Money SummaryRow::monthTotal(int m) const
{
    return MAY[m].value_or(Money()) + KAY[m].value_or(Money()) + HAY[m].value_or(Money());
}

namespace {

Money sum(const std::array<std::optional<Money>, 12> &a)
{
    Money s;
    for (const auto &v : a)
        s += v.value_or(Money());
    return s;
}

QString cut(const QString &s, int width)
{
    return s.left(width);
}

}  // namespace

Money SummaryRow::sumMAY() const
{
    return sum(MAY);
}

Money SummaryRow::sumKAY() const
{
    return sum(KAY);
}

Money SummaryRow::sumHAY() const
{
    return sum(HAY);
}

SummaryRow summaryRow(int sir, const SummaryPerson &p, const std::vector<LedgerRow> &rows)
{
    SummaryRow r;
    r.SIR = sir;
    r.PKAYNO = p.PKAYNO;
    r.EMSNO = cut(p.EMSNO, 15);
    r.AD = cut(p.ADI, 15);
    r.SOY = cut(p.SOYADI, 15);
    r.GOR = cut(p.UNVAN, 15);
    r.OGRDUR = p.OGRDUR;
    r.HYIL = cut(p.KIDEM, 10);
    r.YTAR = p.TERTAR.isValid() ? cal::dateText(p.TERTAR) : QString();
    r.EMAY = cut(p.IHGUN, 10);
    r.DKEG = cut(p.MDER + QLatin1Char('/') + p.MKAD + QStringLiteral(" - ") + p.EGOS, 10);
    r.FHAY = cut(p.FHAY, 10);
    r.FHGUN = cut(p.FHGUN, 10);
    r.FHTUT = p.FHTUT;
    r.IHAY = cut(p.IHAY, 10);
    r.IHGUN = cut(p.IHGUN, 10);
    r.IHTUT = p.IHTUT;
    for (const LedgerRow &e : rows) {
        if (e.PKAYNO != p.PKAYNO || e.AY < 1 || e.AY > 12)
            continue;
        const int m = e.AY - 1;
        r.MAY[m] = r.MAY[m].value_or(Money()) + e.ZER + e.ARTIS;
        r.KAY[m] = r.KAY[m].value_or(Money()) + e.DEV + e.ARTIS;
        r.HAY[m] = r.HAY[m].value_or(Money()) + e.BORC;
    }
    return r;
}

std::vector<SummaryPage> summaryPages(const std::vector<SummaryRow> &rows, int perPage)
{
    std::vector<SummaryPage> pages;
    if (perPage < 1)
        perPage = 1;
    std::array<Money, 12> running{};
    Money runningTotal;
    for (std::size_t first = 0; first < rows.size() || (first == 0 && pages.empty()); first += perPage) {
        SummaryPage p;
        p.first = first;
        p.count = std::min<std::size_t>(perPage, rows.size() - first);
        p.carriedIn = running;
        p.carriedInTotal = runningTotal;
        for (std::size_t i = first; i < first + p.count; ++i)
            for (int m = 0; m < 12; ++m) {
                const Money v = rows[i].monthTotal(m);
                running[m] += v;
                runningTotal += v;
            }
        p.carriedOut = running;
        p.carriedOutTotal = runningTotal;
        pages.push_back(p);
        if (rows.empty())
            break;
    }
    return pages;
}

VoucherFigures voucherFigures(Money zer, Money dev, Money artis, Money borc, Money health)
{
    VoucherFigures f;
    f.employee = zer;
    f.increase100 = artis;
    f.institution = dev + artis;
    f.serviceDebt = borc;
    f.health = health;
    f.total = f.employee + f.increase100 + f.institution + f.serviceDebt + f.health + f.increase25;
    return f;
}

}  // namespace zeran::contributions
