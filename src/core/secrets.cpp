#include "secrets.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zeran {

QString Secrets::defaultFile()
{
    const QString env = qEnvironmentVariable("ZERAN_SECRETS");
    if (!env.isEmpty())
        return env;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("ZIVO/ZERAN-secrets.conf"));
}

Secrets Secrets::load()
{
    Secrets s;
    const QString file = defaultFile();
    if (QFileInfo::exists(file)) {
        QSettings ini(file, QSettings::IniFormat);
        s.mainPassword = ini.value(QStringLiteral("passwords/main")).toString();
        s.accountingPassword = ini.value(QStringLiteral("passwords/accounting")).toString();
    }
    if (qEnvironmentVariableIsSet("ZERAN_DB_PASSWORD"))
        s.mainPassword = qEnvironmentVariable("ZERAN_DB_PASSWORD");
    if (qEnvironmentVariableIsSet("ZERAN_MUH_PASSWORD"))
        s.accountingPassword = qEnvironmentVariable("ZERAN_MUH_PASSWORD");
    return s;
}

}  // namespace zeran
