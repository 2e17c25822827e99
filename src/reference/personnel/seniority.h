#pragma once
// Years of service shown on the registry record ("Kıd.Yılı") and its comparison with the
// seniority kept on the pay record.

#include <QDate>
#include <QString>
#include <optional>

namespace zeran::personnel {

/// "Kıd.Yılı": the whole years between the entry date and `today`, counted as the year
/// of the day that lies that many days after 30.12.1899, two digits ("09"). An entry date
/// in the future shows "00". Empty when there is no entry date.
QString seniorityYears(const QDate &entry, const QDate &today);

/// True when the pay record's seniority (`kidem`, NULL read as 0) differs from the years
/// shown. Nothing is compared while no years are shown.
bool seniorityMismatch(const QString &shownYears, std::optional<int> kidem);

inline constexpr const char *kSeniorityWarning = "DİKKAT! İşe Giriş tarihi ile Maaş Kıdem yılı Uyumsuz.. Düzeltiniz.";

}  // namespace zeran::personnel
