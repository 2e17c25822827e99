#include "settings.h"

#include <QDir>
#include <QSettings>

namespace zeran {

namespace {
QSettings store()
{
    return QSettings(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
}
}  // namespace

QString &AppSettings::value(const char *n)
{
    const std::string_view name(n);
    if (name == "YIL") return YIL;
    if (name == "SRV") return SRV;
    if (name == "YOL") return YOL;
    if (name == "BFORM") return BFORM;
    if (name == "NVIYOL") return NVIYOL;
    if (name == "USR") return USR;
    if (name == "VT") return VT;
    if (name == "ASitil") return ASitil;
    if (name == "EMKYOL") return EMKYOL;
    if (name == "BANYOL") return BANYOL;
    throw std::invalid_argument(std::string("unknown setting ") + n);
}

QString AppSettings::value(const char *name) const
{
    return const_cast<AppSettings *>(this)->value(name);
}

AppSettings AppSettings::read()
{
    AppSettings s;
    QSettings st = store();
    for (const char *n : {"YIL", "SRV", "YOL", "BFORM", "NVIYOL", "USR", "VT", "ASitil", "EMKYOL", "BANYOL"})
        s.value(n) = st.value(QLatin1String(n)).toString();
    return s;
}

void AppSettings::write(std::initializer_list<const char *> names) const
{
    QSettings st = store();
    for (const char *n : names)
        st.setValue(QLatin1String(n), value(n));
    st.sync();
}

void AppSettings::applyStartDefaults(const QString &currentDir, const QDate &today)
{
    if (YIL.isEmpty())
        YIL = QString::number(today.year());
    if (YOL.isEmpty())
        YOL = QDir(currentDir).filePath(QStringLiteral("DATA"));
    if (USR.isEmpty())
        USR = QStringLiteral("ZIVO");
    if (VT.isEmpty())
        VT = QStringLiteral("1");
    if (ASitil.isEmpty())
        ASitil = QStringLiteral("Windows");
}

void AppSettings::applyOutputDefaults(const QString &currentDir)
{
    if (EMKYOL.isEmpty())
        EMKYOL = QDir(currentDir).filePath(QStringLiteral("EMKES"));
    if (BANYOL.isEmpty())
        BANYOL = QDir(currentDir).filePath(QStringLiteral("BANKA"));
}

QString mainDatabasePath(const QString &yol)
{
    QString y = yol;
    while (y.size() > 1 && (y.endsWith(QLatin1Char('/')) || y.endsWith(QLatin1Char('\\'))))
        y.chop(1);
    return y + QStringLiteral("/PERSONEL.GDB");
}

QString accountingDatabaseLocation(const QString &srv, const QString &muhyol, const QString &yol)
{
    QString folder = muhyol.trimmed().isEmpty() ? yol : muhyol.trimmed();
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    const QString path = folder + QStringLiteral("/ANALITIK.GDB");
    return srv.isEmpty() ? path : srv + QLatin1Char(':') + path;
}

}  // namespace zeran
