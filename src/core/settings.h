#pragma once
// Per-user settings of a workstation, kept under organisation "ZIVO", application "ZERAN"
// with the value names the installations already use. Every value is a string; a missing
// value reads as the empty string.

#include <QDate>
#include <QString>

namespace zeran {

struct AppSettings {
    QString YIL, SRV, YOL, BFORM, NVIYOL, USR, VT, ASitil, EMKYOL, BANYOL;

    /// Reads every value (missing ones empty). Store errors leave the values empty.
    static AppSettings read();
    /// Writes the named values; store errors are ignored (the run goes on with its values).
    void write(std::initializer_list<const char *> names) const;

    /// The start-up completion: empty values get their defaults. `currentDir` is the
    /// program's current directory (the database folder defaults to its DATA folder).
    void applyStartDefaults(const QString &currentDir, const QDate &today);
    /// The output folders of the activation: EMKES and BANKA below the current directory.
    void applyOutputDefaults(const QString &currentDir);

    QString &value(const char *name);
    QString value(const char *name) const;
};

/// Names written back at every start.
inline constexpr std::initializer_list<const char *> kStartValues = {"YIL", "SRV", "YOL", "BFORM", "NVIYOL",
                                                                      "USR", "VT", "ASitil"};

/// The main database file inside the folder YOL.
QString mainDatabasePath(const QString &yol);
/// The accounting database: MUHYOL (or YOL when empty), with "SRV:" in front for a server.
QString accountingDatabaseLocation(const QString &srv, const QString &muhyol, const QString &yol);

}  // namespace zeran
