#pragma once
// A stand-in for the identity-query program: a shell script under the real program's name
// in a folder of its own. It notes that it ran, its arguments (one per line) and its
// working folder, sleeps when SLEEP.TXT says so, and leaves ANSWER.TXT as NVI.TXT.

#include "identityquery.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zeran::test {

struct StubProgram {
    QTemporaryDir dir;

    StubProgram()
    {
        QFile f(path());
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n"
                "touch STARTED\n"
                "pwd > CWD.TXT\n"
                "printf '%s\\n' \"$#\" \"$@\" > ARGS.TXT\n"
                "if [ -f SLEEP.TXT ]; then sleep \"$(cat SLEEP.TXT)\"; fi\n"
                "if [ -f ANSWER.TXT ]; then cp ANSWER.TXT NVI.TXT; fi\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString folder() const { return dir.path(); }
    QString path() const { return QDir(dir.path()).filePath(QString::fromLatin1(personnel::kIdentityProgram)); }
    QString file(const char *name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }

    void write(const char *name, const QByteArray &content) const
    {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    QByteArray read(const char *name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// The answer the stub will leave, lines joined with CR LF as the Windows program does.
    void answer(const QStringList &lines) const { write("ANSWER.TXT", (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()); }
    bool started() const { return QFile::exists(file("STARTED")); }
    /// The arguments the stub received.
    QStringList arguments() const
    {
        QStringList l = QString::fromUtf8(read("ARGS.TXT")).split(QLatin1Char('\n'));
        if (l.isEmpty())
            return {};
        const int n = l.takeFirst().toInt();
        return l.mid(0, n);
    }
};

/// A full answer for `tckno`: identity, then the address (HK2:0) or its error (HK2:1).
inline QStringList answerLines(const QString &tckno, bool withAddress = true)
{
    QStringList l{QStringLiteral("HK1:0"), QString(), tckno, QStringLiteral("ŞÜKRÜ"), QStringLiteral("ÇELİK"),
                  QStringLiteral("İSMAİL"), QStringLiteral("GÜLŞEN"), QStringLiteral("EVLİ"),
                  QStringLiteral("7/4/1981"), QStringLiteral("ERKEK"), QStringLiteral("ÇANKIRI")};
    if (withAddress) {
        l << QStringLiteral("HK2:0") << QStringLiteral("x") << QStringLiteral("y") << QStringLiteral("ANKARA")
          << QStringLiteral("6") << QStringLiteral("GÖLBAŞI") << QStringLiteral("1744") << QStringLiteral("")
          << QString() << QString() << QStringLiteral("KARAGEDİK MAH.") << QStringLiteral("102")
          << QStringLiteral("ÖRNEK SK.") << QStringLiteral("9001") << QStringLiteral("12") << QStringLiteral("3");
    } else {
        l << QStringLiteral("HK2:1") << QStringLiteral("Adres bulunamadı");
    }
    return l;
}

}  // namespace zeran::test
