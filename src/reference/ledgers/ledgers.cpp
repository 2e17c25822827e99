#include "ledgers.h"

namespace zeran::ledgers {

int childAge(const QDate &birth, const QDate &on)
{
    if (!birth.isValid() || !on.isValid() || birth > on)
        return 0;
    int age = on.year() - birth.year();
    // Comparing month and day (not adding years to the birth date, which Qt clamps from
    // 29 February to 28 February) puts a leap-day birthday on 1 March in common years.
    if (on.month() < birth.month() || (on.month() == birth.month() && on.day() < birth.day()))
        --age;
    return age;
}

ChildCounts countChildren(const QList<QDate> &births, const QDate &on)
{
    ChildCounts c;
    for (const QDate &b : births)
        ++(childAge(b, on) <= kYoungChildMaxAge ? c.young : c.older);
    return c;
}

bool countsDisagree(const ChildCounts &counts, const QList<RecordCounts> &records)
{
    for (const RecordCounts &r : records) {
        if (r.coc1 != counts.young || r.coc2 != counts.older)
            return true;
    }
    return false;
}

DebtTotals debtTotals(const QList<Money> &amounts, Money paid)
{
    DebtTotals t;
    for (const Money &m : amounts)
        t.total += m;
    if (t.total <= Money())
        t.total = Money();
    t.paid = paid > Money() ? paid : Money();
    t.remaining = t.total - t.paid;
    return t;
}

Money cappedInstalment(Money total, Money monthly, Money paid)
{
    const Money remaining = total - paid;
    const Money due = monthly > remaining ? remaining : monthly;
    return due > Money() ? due : Money();
}

const QList<CodeText> &educationCodes()
{
    static const QList<CodeText> list = {
        {QStringLiteral("O"), QStringLiteral("Okul Öncesi")},
        {QStringLiteral("İ"), QStringLiteral("İlköğretim")},
        {QStringLiteral("L"), QStringLiteral("Lise")},
        {QStringLiteral("Y"), QStringLiteral("Yükseköğretim")},
    };
    return list;
}

const QList<CodeText> &sexCodes()
{
    static const QList<CodeText> list = {
        {QStringLiteral("E"), QStringLiteral("Erkek")},
        {QStringLiteral("K"), QStringLiteral("Kadın")},
    };
    return list;
}

const QList<CodeText> &debtStateCodes()
{
    static const QList<CodeText> list = {
        {QString::fromLatin1(kDebtRunning), QStringLiteral("Devam Ediyor")},
        {QString::fromLatin1(kDebtFinished), QStringLiteral("Tamamlandı")},
    };
    return list;
}

QString textForCode(const QList<CodeText> &list, const QString &code)
{
    for (const CodeText &c : list) {
        if (c.code == code)
            return c.text;
    }
    return {};
}

QString codeForText(const QList<CodeText> &list, const QString &text)
{
    for (const CodeText &c : list) {
        if (c.text == text || c.code == text)
            return c.code;
    }
    return {};
}

}  // namespace zeran::ledgers
