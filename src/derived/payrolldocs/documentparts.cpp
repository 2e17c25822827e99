#include "documentparts.h"

namespace zeran::payrolldocs::detail {

Cell cell(QString text, int column, Align align, int span, bool bold)
{
    Cell c;
    c.text = std::move(text);
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    c.bold = bold;
    return c;
}

Cell field(QString caption, QString text, int column, int span, Align align, bool bold)
{
    Cell c = cell(std::move(text), column, align, span, bold);
    c.caption = std::move(caption);
    return c;
}

QString pair(int a, int b)
{
    return QStringLiteral("%1/%2").arg(a).arg(b);
}

QString children(int young, int older)
{
    return QStringLiteral("%1 / %2").arg(young).arg(older);
}

std::vector<report::Signature> threeSignatures(const UnitInfo &u)
{
    return {{QStringLiteral("Düzenleyen"), u.TAS, u.TUN},
            {QStringLiteral("Muhasebe Yetkilisi"), u.SAS, u.SUN},
            {QStringLiteral("Harcama Yetkilisi"), u.IAS, u.IUN}};
}

RunRow runRow(const RunData &run, std::size_t i)
{
    const payrollrun::RunPerson &p = run.loaded.people[i];
    const engine::PersonPay &pay = run.pays.at(i);
    return {p, payrollrun::shownPay(p.input, pay), payrollrun::resultRow(run.loaded.run, p.input, pay)};
}

QString fullName(const payrollrun::RunPerson &p)
{
    return p.ADI + QLatin1Char(' ') + p.SOYADI;
}

}  // namespace zeran::payrolldocs::detail
