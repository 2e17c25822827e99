#pragma once
// The rules of the definitions screens without widgets or SQL: how the one-letter codes of
// the earning slots, deductions and unions are shown, the ten default earning slots, and
// the checks of "Seyanen Zam".

#include "codelist.h"
#include "money.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zeran::definitions {

/// A ZERHESTUR row (extra earning slot) as the screens edit it: empty texts and an empty
/// TUTAR are empty (NULL) columns.
struct EarningSlot {
    int HNO = 0;
    int BKOD = 1;
    QString ADI, DUR, GV, DV, EMK, IND, TUR, SEK;
    std::optional<Money> TUTAR;
    QString BRUTNET, KOD;
    friend bool operator==(const EarningSlot &, const EarningSlot &) = default;
};

inline constexpr int kEarningSlots = 10;
inline constexpr int kDeductionSlots = 5;

/// Slot k of a fresh table: "k. Hesap Adı", not in use ("Y"), flags "H", kind "D", code "G".
EarningSlot defaultSlot(int hno);
/// The slot "EKLE" adds: as defaultSlot but named "Hesap Adı".
EarningSlot addedSlot(int hno);

// ---- Codes and their texts ---------------------------------------------------------------

/// A chooser's items and the code each one stands for (same positions).

const CodeItems &durCodes();      ///< "Var" V, "Yok" Y
const CodeItems &kindCodes();     ///< "Sabit" S, "Değişken" D, "Puan" P
const CodeItems &sekDialogCodes();  ///< "1-Katsayı" 1, "2-E.Y.M.M" 2 (the dialog's chooser)
const CodeItems &sekGridCodes();  ///< "Katsayı" 1, "E.Y.M.M." 2 (the grid)
const CodeItems &grossNetCodes();  ///< "Brüt" B, "Net" N
const CodeItems &activeCodes();   ///< "Aktif" A, "Pasif" P (deductions, unions)
const CodeItems &unionBaseCodes();  ///< "Taban Aylığından" T, "Damga Vergisi Matrahından" D

/// How the union grid shows HESAP: "Pasif" for "P", "Aktif" for anything else.
QString unionStateText(const QString &hesap);

/// The "Gelir Tanımları" grid's columns and the texts of one slot in them (the last,
/// unnamed column is the used-this-year marker "*").
const QStringList &earningGridHeaders();
QStringList earningGridRow(const EarningSlot &slot, bool usedThisYear);

/// What "Kayıt" of the earning-type dialog stores: no amount unless the kind is "Sabit".
EarningSlot slotToStore(EarningSlot slot);

// ---- "Seyanen Zam" ----------------------------------------------------------------------

inline const QString kNoRight = QStringLiteral("İşlem Yetkiniz Yoktur.");
inline const QString kInvalidPayPeriod = QStringLiteral("Maaş Dönemi Geçersiz.");
inline const QString kSeyyanenExists = QStringLiteral("Bu Hesap Önceden Oluşturulmuş.");
inline const QString kSlotUsed = QStringLiteral("DİKKAT! Bu Hesap Kullanılmıştır.");
inline const QString kSeyyanenConfirm =
    QStringLiteral("DİKKAT! Bu kayıt Seyyanen olarak değiştirilecektir\rOnaylıyormusuznu ?");

struct SeyyanenFacts {
    int KULNO = 0;          ///< logged-in user
    QString CYIL;           ///< working year
    int AY = 0;             ///< working month
    bool slotExists = false;  ///< a slot named "SEYYANEN ZAM" exists
    bool slotUsed = false;    ///< the chosen slot was used this year
};
/// The message that stops "Seyanen Zam", checked in this order; nullopt when it may run.
std::optional<QString> seyyanenRefusal(const SeyyanenFacts &facts);
/// The slot as "Seyanen Zam" sets it: "Seyyanen Zam", in use, stamp tax only, fixed 8138.89 gross.
EarningSlot seyyanenSlot(EarningSlot slot);

}  // namespace zeran::definitions
