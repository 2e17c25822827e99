#pragma once
// The database file check as plain figures: what one run changed, the log it shows and the
// question asked before the changes are kept.

#include <QString>
#include <QStringList>

namespace zeran::dbcheck {

/// Rows changed by one run.
struct Counts {
    int payRecordsDeleted = 0;    ///< ZERBORBIL rows of unit codes that are no unit
    int ledgerRowsCreated = 0;    ///< EMKES monthly rows made for the working year
    int ledgerRowsDeleted = 0;    ///< EMKES rows without a pay record (paid history kept)
    int planHeadersDeleted = 0;   ///< ZERNAKBIL rows of unit codes that are no unit
    int planHeadersCreated = 0;   ///< ZERNAKBIL headers made for NAKTUR 1–3
    bool any() const
    {
        return payRecordsDeleted || ledgerRowsCreated || ledgerRowsDeleted || planHeadersDeleted || planHeadersCreated;
    }
};

inline constexpr QStringView kStarted = u"KONTROL İŞLEMİ BASLADI. LÜTFEN BEKLEYİNİZ..........";
inline constexpr QStringView kEnded = u"KONTROL İŞLEMİ SONA ERMİŞTİR.";
inline constexpr QStringView kNoUnits = u"DİKKAT! Birim tanımı bulunamadı. Kontrol işlemi yapılamaz.";
inline constexpr QStringView kSuperUserOnly = u"DİKKAT! Dosya kontrol işlemini yalnızca sistem yöneticisi yapabilir.";
inline constexpr QStringView kDeclined = u"İŞLEM ONAYLANMADI. HİÇBİR DEĞİŞİKLİK YAPILMADI.";
inline constexpr QStringView kNothingChanged = u"HİÇBİR DEĞİŞİKLİK YAPILMADI.";

/// Progress before each step and at the end.
inline constexpr int kProgressPayRecords = 30, kProgressLedger = 80, kProgressPlans = 90, kProgressDone = 100;

/// The opening lines: the start line and a blank line.
QStringList startLines();
/// The lines of the changes kept, in the order of the steps.
QStringList changeLines(const Counts &c);
/// The closing lines: a blank line and the end line.
QStringList endLines();
/// The whole log of a run whose changes were kept.
QStringList logOf(const Counts &c);
/// The question that shows the figures before they are kept (Yes/No, No preselected).
QString question(const Counts &c);

}  // namespace zeran::dbcheck
