#include "promotions.h"

#include <QJsonArray>

#include <algorithm>

namespace zeran::promotions {

CurrentValues currentValues(const PromotionRow &r)
{
    if (r.archived && r.archived->GOS != 0) {
        const ArchivedGrades &a = *r.archived;
        return {a.DER, a.KAD, a.GOS, a.EGOS, a.KIDEM};
    }
    const grades::GradeRecord &b = r.record;
    return {b.DER.value_or(0), b.KAD.value_or(0), b.GOS.value_or(0), b.EGOS.value_or(0), b.KIDEM.value_or(0)};
}

NewValues newValues(const PromotionRow &r)
{
    if (!alreadyPromoted(r))
        return {};
    return {grades::gradeStepText(r.record.DER, r.record.KAD), r.record.GOS};
}

bool alreadyPromoted(const PromotionRow &r)
{
    return r.record.TFA.value_or(0) > 0 && r.record.GF.value_or(0) > 0;
}

grades::PaidValues paidValues(const PromotionRow &r)
{
    const CurrentValues c = currentValues(r);
    return {c.DER, c.GOS, c.EGOS};
}

int supplementaryDifference(int newEgos, int currentEgos)
{
    return std::max(0, newEgos - currentEgos);
}

void editSupplementary(PromotionRow &r, std::optional<int> newEgos)
{
    r.record.EGOS = newEgos;
    r.EKGF = supplementaryDifference(newEgos.value_or(0), currentValues(r).EGOS);
}

void undo(PromotionRow &r, const std::optional<ArchivedGrades> &archived)
{
    if (archived) {
        grades::GradeRecord &b = r.record;
        b.DER = archived->DER;
        b.KAD = archived->KAD;
        b.GOS = archived->GOS;
        b.EGOS = archived->EGOS;
        b.MDER = archived->MDER;
        b.MKAD = archived->MKAD;
        b.MGOS = archived->MGOS;
        b.MEGOS = archived->MEGOS;
        b.KIDEM = archived->KIDEM;
    }
    r.record.GF.reset();
    r.record.TFA.reset();
    r.EKGF.reset();
}

bool shownAsLastMonth(const LastMonthRow &r)
{
    if (r.archived.TFA.value_or(0) == 0)
        return false;
    return monthstart::increasePaid({r.PKAYNO, r.BKOD, r.PKOD, r.record, r.archived});
}

namespace {

QJsonValue optionalJson(const std::optional<int> &v)
{
    return v ? QJsonValue(*v) : QJsonValue();
}

QJsonValue dateJson(const QDate &d)
{
    return d.isValid() ? QJsonValue(d.toString(Qt::ISODate)) : QJsonValue();
}

}  // namespace

QJsonObject listJson(int unit, const monthstart::Month &previous, const std::optional<cal::PayWindow> &window,
                     const std::vector<LastMonthRow> &lastMonth, const std::vector<PromotionRow> &rows)
{
    QJsonArray last;
    for (const LastMonthRow &r : lastMonth) {
        last.append(QJsonObject{{QStringLiteral("PKOD"), r.PKOD},
                                {QStringLiteral("ADSOY"), r.ADSOY},
                                {QStringLiteral("EMSNO"), r.EMSNO},
                                {QStringLiteral("TERTAR"), dateJson(r.TERTAR)},
                                {QStringLiteral("KIDEM"), r.KIDEM},
                                {QStringLiteral("DK"), grades::gradeStepText(r.DER, r.KAD)},
                                {QStringLiteral("GOS"), r.GOS},
                                {QStringLiteral("EGOS"), r.EGOS},
                                {QStringLiteral("TFA"), optionalJson(r.archived.TFA)},
                                {QStringLiteral("GF"), optionalJson(r.archived.GF)}});
    }
    QJsonArray now;
    for (const PromotionRow &r : rows) {
        const CurrentValues c = currentValues(r);
        const NewValues n = newValues(r);
        now.append(QJsonObject{
            {QStringLiteral("PKAYNO"), r.PKAYNO},
            {QStringLiteral("PKOD"), r.PKOD},
            {QStringLiteral("ADSOY"), r.ADSOY},
            {QStringLiteral("EMSNO"), r.EMSNO},
            {QStringLiteral("TERTAR"), dateJson(r.TERTAR)},
            {QStringLiteral("current"), QJsonObject{{QStringLiteral("DK"), c.dk()},
                                                     {QStringLiteral("GOS"), c.GOS},
                                                     {QStringLiteral("EGOS"), c.EGOS},
                                                     {QStringLiteral("KIDEM"), c.KIDEM}}},
            {QStringLiteral("new"), QJsonObject{{QStringLiteral("DK"), n.dk}, {QStringLiteral("GOS"), optionalJson(n.GOS)}}},
            {QStringLiteral("EGOS"), optionalJson(r.record.EGOS)},
            {QStringLiteral("GF"), optionalJson(r.record.GF)},
            {QStringLiteral("TFA"), optionalJson(r.record.TFA)},
            {QStringLiteral("KIDEM"), optionalJson(r.record.KIDEM)},
            {QStringLiteral("KIDART"), optionalJson(r.KIDART)},
            {QStringLiteral("EKGF"), optionalJson(r.EKGF)}});
    }
    QJsonObject o{{QStringLiteral("unit"), unit},
                  {QStringLiteral("previousMonth"), QJsonObject{{QStringLiteral("year"), previous.year},
                                                                {QStringLiteral("month"), previous.month}}},
                  {QStringLiteral("lastMonth"), last},
                  {QStringLiteral("thisMonth"), now}};
    if (window) {
        o.insert(QStringLiteral("window"), QJsonObject{{QStringLiteral("from"), dateJson(window->begin)},
                                                       {QStringLiteral("to"), dateJson(window->end)}});
    }
    return o;
}

}  // namespace zeran::promotions
