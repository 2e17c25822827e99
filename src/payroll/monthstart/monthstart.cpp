#include "monthstart.h"

#include "ledgers.h"

#include <QJsonArray>

namespace zeran::monthstart {

Month previousMonth(int ay, int cyil)
{
    if (ay <= 1)
        return {cyil - 1, 12};
    return {cyil, ay - 1};
}

cal::PayWindow dueWindow(int ay, int cyil)
{
    return cal::payWindow(ay, cyil);
}

bool promotionDue(const DueRecord &r, const cal::PayWindow &window)
{
    if (!r.TERTAR.isValid() || !window.begin.isValid())
        return false;
    if (r.GF.value_or(0) != 0)
        return false;
    return r.TERTAR >= window.begin && r.TERTAR <= window.end;
}

bool increasePaid(const IncreaseRow &r)
{
    bool any = false;
    const auto same = [&any](const std::optional<int> &record, const std::optional<int> &archived) {
        const int value = record.value_or(0);
        if (value == 0)
            return true;
        any = true;
        return archived.has_value() && *archived == value;
    };
    const bool tfa = same(r.record.TFA, r.archived.TFA);
    const bool gf = same(r.record.GF, r.archived.GF);
    const bool kidart = same(r.record.KIDART, r.archived.KIDART);
    return any && tfa && gf && kidart;
}

Findings find(const Input &in)
{
    Findings f;
    f.window = dueWindow(in.AY, in.CYIL);
    f.previous = previousMonth(in.AY, in.CYIL);
    for (const DueRecord &r : in.unitRecords) {
        if (promotionDue(r, f.window))
            f.due.push_back(r);
    }
    for (const IncreaseRow &r : in.increases) {
        if (increasePaid(r))
            f.paid.push_back(r);
    }
    for (const ChildRecord &c : in.children) {
        const ledgers::ChildCounts counts = ledgers::countChildren(c.births, in.today);
        if (counts.young != c.COC1 || counts.older != c.COC2)
            f.childMismatches.push_back({c.PKAYNO, c.PKOD, c.COC1, c.COC2, counts.young, counts.older});
    }
    return f;
}

namespace {

QJsonValue dateJson(const QDate &d)
{
    return d.isValid() ? QJsonValue(d.toString(Qt::ISODate)) : QJsonValue();
}

QJsonValue optionalJson(const std::optional<int> &v)
{
    return v ? QJsonValue(*v) : QJsonValue();
}

QJsonObject differencesJson(const Differences &d)
{
    return {{QStringLiteral("TFA"), optionalJson(d.TFA)},
            {QStringLiteral("GF"), optionalJson(d.GF)},
            {QStringLiteral("KIDART"), optionalJson(d.KIDART)}};
}

}  // namespace

QJsonObject findingsJson(const Input &in, const Findings &f)
{
    QJsonArray due;
    for (const DueRecord &r : f.due) {
        due.append(QJsonObject{{QStringLiteral("PKAYNO"), r.PKAYNO},
                               {QStringLiteral("BKOD"), r.BKOD},
                               {QStringLiteral("PKOD"), r.PKOD},
                               {QStringLiteral("TERTAR"), dateJson(r.TERTAR)}});
    }
    QJsonArray paid;
    for (const IncreaseRow &r : f.paid) {
        paid.append(QJsonObject{{QStringLiteral("PKAYNO"), r.PKAYNO},
                                {QStringLiteral("BKOD"), r.BKOD},
                                {QStringLiteral("PKOD"), r.PKOD},
                                {QStringLiteral("record"), differencesJson(r.record)},
                                {QStringLiteral("archived"), differencesJson(r.archived)}});
    }
    QJsonArray children;
    for (const ChildMismatch &m : f.childMismatches) {
        children.append(QJsonObject{{QStringLiteral("PKAYNO"), m.PKAYNO},
                                    {QStringLiteral("PKOD"), m.PKOD},
                                    {QStringLiteral("COC1"), m.COC1},
                                    {QStringLiteral("COC2"), m.COC2},
                                    {QStringLiteral("young"), m.young},
                                    {QStringLiteral("older"), m.older}});
    }
    return {{QStringLiteral("unit"), in.unit},
            {QStringLiteral("month"), in.AY},
            {QStringLiteral("year"), in.CYIL},
            {QStringLiteral("today"), dateJson(in.today)},
            {QStringLiteral("window"), QJsonObject{{QStringLiteral("from"), dateJson(f.window.begin)},
                                                   {QStringLiteral("to"), dateJson(f.window.end)}}},
            {QStringLiteral("previousMonth"), QJsonObject{{QStringLiteral("year"), f.previous.year},
                                                          {QStringLiteral("month"), f.previous.month}}},
            {QStringLiteral("duePromotions"), due},
            {QStringLiteral("paidIncreases"), paid},
            {QStringLiteral("childCountMismatches"), children}};
}

}  // namespace zeran::monthstart
