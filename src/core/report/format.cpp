#include "format.h"

namespace zeran::report {

QString rate(double value)
{
    QString s = shortestDecimal(value);
    if (s.isEmpty() || s == QLatin1String("-0"))
        return QStringLiteral("0");
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString plainAmount(Money m)
{
    QString s = m.toPlain(4);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

}  // namespace zeran::report
