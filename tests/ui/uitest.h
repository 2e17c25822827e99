#pragma once
// Helpers of the shell's tests: message boxes answered from a script, a clean settings store.

#include "prompter.h"
#include "settings.h"

#include <QSettings>
#include <QStringList>

namespace zeran::test {

/// Records every message and answers questions from `answers` (No when it runs out).
struct ScriptedPrompter : ui::Prompter {
    QStringList informed;
    QStringList asked;
    QList<bool> answers;

    void inform(QWidget *, const QString &text) override { informed << text; }
    bool ask(QWidget *, const QString &text) override
    {
        asked << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
};

/// Empties the settings store of the program (the test's own, see the test environment).
inline void clearSettings()
{
    QSettings s(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
    s.clear();
    s.sync();
}

/// Stores the database location the way an installed workstation has it.
inline void storeLocation(const QString &yol, const QString &yil = QStringLiteral("2026"),
                          const QString &srv = QString())
{
    AppSettings s = AppSettings::read();
    s.YOL = yol;
    s.YIL = yil;
    s.SRV = srv;
    s.VT = QStringLiteral("1");
    s.write({"YOL", "YIL", "SRV", "VT"});
}

}  // namespace zeran::test
