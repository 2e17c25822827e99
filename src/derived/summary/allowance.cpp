#include "allowance.h"

#include <QJsonArray>

#include <algorithm>

namespace zeran::summary {

namespace {

bool is(const QString &code, char c)
{
    return code.trimmed().startsWith(QLatin1Char(c));
}

QJsonValue optionalAmount(const std::optional<Money> &m)
{
    return m ? QJsonValue(m->toPlain(2)) : QJsonValue(QJsonValue::Null);
}

}  // namespace

AllowanceShare allowanceShare(const AllowanceRates &r, const QString &MHAL, const QString &ESI, int DIGCOC)
{
    std::vector<double> shares;  // percent of the minimum wage, one entry per share
    const bool married = is(MHAL, '1');
    if (is(MHAL, '2'))
        shares.push_back(r.BEKOR);
    else if (married && is(ESI, '1'))
        shares.push_back(r.EV1OR);
    else if (married && (is(ESI, '2') || is(ESI, '3')))
        shares = {r.EV1OR, r.EV2OR};
    else if (is(MHAL, '3'))
        shares.push_back(r.EV1OR);

    AllowanceShare s;
    for (double p : shares) {
        s.percent += Money::fromRateProduct(p, 1);
        s.base += r.ASUCR.mulRateDiv(p, 100);
    }
    const int children = std::min(DIGCOC, 6);
    if (children > 0) {
        const int first = std::min(children, 2);
        s.percent += Money::fromRateProduct(r.COC1OR, first);
        s.base += r.ASUCR.mul(first).mulRateDiv(r.COC1OR, 100);
        const double later[] = {r.COC3OR, r.COC4OR, r.COC5OR, r.COC6OR};
        for (int i = 0; i < children - 2; ++i) {
            s.percent += Money::fromRateProduct(later[i], 1);
            s.base += r.ASUCR.mulRateDiv(later[i], 100);
        }
    }
    s.base = s.base.yuvarla1();
    return s;
}

AllowanceList allowanceList(const QString &year, int month, const AllowanceRates &rates,
                            const std::vector<AllowanceSource> &rows, const MonthValues &earlier)
{
    AllowanceList list;
    list.year = year;
    list.month = month;
    list.yearlyMinimumWage = rates.ASUCR.mul(12);
    for (int m = 1; m <= std::min(month, 12); ++m)
        list.totalAY[std::size_t(m - 1)] = Money();
    for (const AllowanceSource &src : rows) {
        AllowanceRow row;
        row.source = src;
        const AllowanceShare share = allowanceShare(rates, src.MHAL, src.ESI, src.DIGCOC);
        row.ORAN = share.percent;
        row.ASGMAT = share.base.mul(12);
        row.ASGTUT = row.ASGMAT.mulRateDiv(rates.OR1, 1200).yuvarla1();
        for (int m = 1; m <= std::min(month, 12); ++m) {
            Money v;
            if (m == month) {
                v = src.VIADE;
            } else {
                const auto it = earlier.find({src.PKAYNO, m});
                if (it != earlier.end())
                    v = it->second;
            }
            row.AY[std::size_t(m - 1)] = v;
            *list.totalAY[std::size_t(m - 1)] += v;
        }
        list.totalASGMAT += row.ASGMAT;
        list.totalASGTUT += row.ASGTUT;
        list.rows.push_back(std::move(row));
    }
    return list;
}

QJsonObject allowanceJson(const AllowanceList &list)
{
    QJsonArray rows;
    for (const AllowanceRow &r : list.rows) {
        QJsonObject o{{QStringLiteral("PKAYNO"), r.source.PKAYNO},
                      {QStringLiteral("BKOD"), r.source.BKOD},
                      {QStringLiteral("PKOD"), r.source.PKOD},
                      {QStringLiteral("BIRIM"), r.source.BIRIM},
                      {QStringLiteral("ADSOY"), r.source.ADSOY},
                      {QStringLiteral("ORAN"), r.ORAN.toDouble()},
                      {QStringLiteral("ASGMAT"), r.ASGMAT.toPlain(2)},
                      {QStringLiteral("ASGTUT"), r.ASGTUT.toPlain(2)}};
        for (int m = 1; m <= 12; ++m)
            o.insert(QStringLiteral("AY%1").arg(m), optionalAmount(r.AY[std::size_t(m - 1)]));
        rows.append(o);
    }
    QJsonObject totals{{QStringLiteral("ASGMAT"), list.totalASGMAT.toPlain(2)},
                       {QStringLiteral("ASGTUT"), list.totalASGTUT.toPlain(2)}};
    for (int m = 1; m <= 12; ++m)
        totals.insert(QStringLiteral("AY%1").arg(m), optionalAmount(list.totalAY[std::size_t(m - 1)]));
    return QJsonObject{{QStringLiteral("year"), list.year},
                       {QStringLiteral("month"), list.month},
                       {QStringLiteral("yearlyMinimumWage"), list.yearlyMinimumWage.toPlain(2)},
                       {QStringLiteral("rows"), rows},
                       {QStringLiteral("totals"), totals}};
}

}  // namespace zeran::summary
