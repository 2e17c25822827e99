#include "clock.h"

#include <QRegularExpression>

namespace zeran::clock {

namespace {
QDate g_today;

std::optional<QString> apply(const QString &text)
{
    // Exactly YYYY-MM-DD: the ISO parser also takes a date followed by anything.
    static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QDate d = iso.match(text).hasMatch() ? QDate::fromString(text, QStringLiteral("yyyy-MM-dd")) : QDate();
    if (!d.isValid())
        return QStringLiteral("Geçersiz tarih: %1 (YYYY-AA-GG bekleniyor)").arg(text);
    g_today = d;
    return std::nullopt;
}
}  // namespace

void setToday(const QDate &d)
{
    g_today = d;
}

QDate today()
{
    return g_today.isValid() ? g_today : QDate::currentDate();
}

std::optional<QString> takeTodayOption(QStringList &args)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--today")) {
            if (i + 1 >= args.size())
                return QStringLiteral("--today bir tarih bekliyor");
            const QString v = args[i + 1];
            args.remove(i, 2);
            return apply(v);
        }
        if (a.startsWith(QLatin1String("--today="))) {
            const QString v = a.mid(8);
            args.remove(i);
            return apply(v);
        }
    }
    const QString env = qEnvironmentVariable("ZERAN_TODAY");
    if (!env.isEmpty())
        return apply(env);
    return std::nullopt;
}

}  // namespace zeran::clock
