#pragma once

// Date and version helpers of the application shell: Turkish month and
// weekday names, the half-year period, the pay-period window, the status-bar
// date text and the schema version gate.
//
// Dates are always built from numbers (QDate(y, m, d)) and formatted by hand:
// nothing here depends on the workstation's locale or date format.

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace zeran::cal {

/// Schema version this program works with ("25.001" as an integer).
constexpr int kSchemaVersion = 25001;
/// Version text shown in the splash and status bar.
inline constexpr const char *kVersionText = "25.001";
/// Update text shown after the version text (UTF-8).
inline constexpr const char *kUpdateText = "Günc.6";

/// "OCAK" … "ARALIK" for months 1–12; empty for any other number.
QString monthName(int month);

/// Weekday number counted from Sunday = 1 to Saturday = 7 (Qt counts
/// Monday = 1 … Sunday = 7); 0 for an invalid date.
int weekdayNumber(const QDate &date);

/// "PAZAR", "PAZARTESİ", … "CUMARTESİ"; empty for an invalid date.
QString weekdayName(const QDate &date);

/// TARIHBUL: a date split into its parts with its Turkish names.
struct DateParts {
    int day = 0;
    QString weekdayName;
    QString monthName;
    int year = 0;
    int month = 0;
};
DateParts tarihbul(const QDate &date);

/// AYGUNBUL: month name and weekday name of a date.
struct MonthWeekday {
    QString monthName;
    QString weekdayName;
};
MonthWeekday aygunbul(const QDate &date);

/// Half-year period (DON) of a month: "1" for January–June, "2" for
/// July–December; empty for a number outside 1–12.
QString donFor(int month);

/// Pay-period window DONBAS–DONBIT: from the 15th of `ay` to the 14th of the
/// following month, in the working year `cyil` (which may differ from the
/// calendar year). December runs to 14 January of cyil + 1. Both dates are
/// invalid when `ay` is outside 1–12.
struct PayWindow {
    QDate begin;
    QDate end;
};
PayWindow payWindow(int ay, int cyil);

/// Status-bar date: day "-" month name "(" month ")-" year, without leading
/// zeros: "9-ARALIK(12)-2026". Empty for an invalid date.
QString statusDateText(const QDate &date);

/// Day.month.year with two-digit day and month: "09.12.2026". Empty for an
/// invalid date.
QString dateText(const QDate &date);

/// Reads "d.m.yyyy" (day and month of one or two digits, four-digit year);
/// nullopt for any other text or a date that does not exist.
std::optional<QDate> parseDateText(QStringView text);

/// The integer form of a schema version text: "25.001" -> 25001 (characters
/// 1–2 followed by characters 4–6). The text must be exactly two ASCII
/// digits, a '.' and three ASCII digits; surrounding blanks (a padded CHAR
/// column) are ignored. Anything else gives nullopt.
std::optional<int> versionNumber(QStringView ver);

/// How the database's schema version relates to the program's.
enum class VersionGate {
    Lower,  ///< database older: apply the upgrade
    Equal,  ///< go on
    Higher, ///< database newer than the program: the program must stop
};
VersionGate compareVersion(int dbVersion, int programVersion = kSchemaVersion);

/// Upper case with Turkish dotted/dotless i: 'i' -> 'İ', 'ı' -> 'I'
/// (QString::toUpper maps 'i' to 'I').
QString turkishUpper(const QString &text);

/// Lower case with Turkish dotted/dotless i: 'I' -> 'ı', 'İ' -> 'i'.
QString turkishLower(const QString &text);

} // namespace zeran::cal
