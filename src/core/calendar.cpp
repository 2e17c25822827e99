#include "calendar.h"

namespace zeran::cal {

namespace {

const char *const kMonthNames[12] = {
    "OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN",
    "TEMMUZ", "AĞUSTOS", "EYLÜL", "EKİM", "KASIM", "ARALIK",
};

// Sunday first.
const char *const kWeekdayNames[7] = {
    "PAZAR", "PAZARTESİ", "SALI", "ÇARŞAMBA", "PERŞEMBE", "CUMA", "CUMARTESİ",
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitValue(QChar c)
{
    return c.unicode() - '0';
}

// Value of a run of 1..maxLen ASCII digits, or -1.
int smallNumber(QStringView s, qsizetype minLen, qsizetype maxLen)
{
    if (s.size() < minLen || s.size() > maxLen)
        return -1;
    int v = 0;
    for (QChar c : s) {
        if (!isAsciiDigit(c))
            return -1;
        v = v * 10 + digitValue(c);
    }
    return v;
}

} // namespace

QString monthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf8(kMonthNames[month - 1]);
}

int weekdayNumber(const QDate &date)
{
    if (!date.isValid())
        return 0;
    return date.dayOfWeek() % 7 + 1; // Qt: Monday 1 … Sunday 7
}

QString weekdayName(const QDate &date)
{
    const int n = weekdayNumber(date);
    return n == 0 ? QString() : QString::fromUtf8(kWeekdayNames[n - 1]);
}

DateParts tarihbul(const QDate &date)
{
    DateParts p;
    if (!date.isValid())
        return p;
    p.day = date.day();
    p.weekdayName = weekdayName(date);
    p.monthName = monthName(date.month());
    p.year = date.year();
    p.month = date.month();
    return p;
}

MonthWeekday aygunbul(const QDate &date)
{
    if (!date.isValid())
        return {};
    return {monthName(date.month()), weekdayName(date)};
}

QString donFor(int month)
{
    if (month < 1 || month > 12)
        return {};
    return month > 6 ? QStringLiteral("2") : QStringLiteral("1");
}

PayWindow payWindow(int ay, int cyil)
{
    if (ay < 1 || ay > 12)
        return {};
    const QDate begin(cyil, ay, 15);
    const QDate end = ay == 12 ? QDate(cyil + 1, 1, 14) : QDate(cyil, ay + 1, 14);
    return {begin, end};
}

QString statusDateText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1-%2(%3)-%4")
        .arg(date.day())
        .arg(monthName(date.month()))
        .arg(date.month())
        .arg(date.year());
}

QString dateText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> parseDateText(QStringView text)
{
    const qsizetype dot1 = text.indexOf(QLatin1Char('.'));
    const qsizetype dot2 = dot1 < 0 ? -1 : text.indexOf(QLatin1Char('.'), dot1 + 1);
    if (dot2 < 0)
        return std::nullopt;
    const int d = smallNumber(text.first(dot1), 1, 2);
    const int m = smallNumber(text.sliced(dot1 + 1, dot2 - dot1 - 1), 1, 2);
    const int y = smallNumber(text.sliced(dot2 + 1), 4, 4);
    if (d < 0 || m < 0 || y < 0)
        return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> versionNumber(QStringView ver)
{
    const QStringView s = ver.trimmed();
    if (s.size() != 6 || s[2] != QLatin1Char('.'))
        return std::nullopt;
    const int major = smallNumber(s.first(2), 2, 2);
    const int minor = smallNumber(s.sliced(3), 3, 3);
    if (major < 0 || minor < 0)
        return std::nullopt;
    return major * 1000 + minor;
}

VersionGate compareVersion(int dbVersion, int programVersion)
{
    if (dbVersion < programVersion)
        return VersionGate::Lower;
    if (dbVersion > programVersion)
        return VersionGate::Higher;
    return VersionGate::Equal;
}

QString turkishUpper(const QString &text)
{
    QString s = text;
    s.replace(QChar(u'i'), QChar(u'\u0130')).replace(QChar(u'\u0131'), QChar(u'I'));
    return s.toUpper();
}

QString turkishLower(const QString &text)
{
    QString s = text;
    s.replace(QChar(u'I'), QChar(u'\u0131')).replace(QChar(u'\u0130'), QChar(u'i'));
    return s.toLower();
}

} // namespace zeran::cal
