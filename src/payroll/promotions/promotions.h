#pragma once
// "TERFİ LİSTESİ" without widgets: a unit's promotion rows with their current values (what was
// paid last month) and new values, last month's promotions, the rules of "Yeni Gösterge",
// "Sil" and of editing the supplementary indicator, and the list as the command line prints it.

#include "gradepicker.h"
#include "monthstart.h"

#include <QDate>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace zeran::promotions {

/// A person's archived monthly row of the previous month, as far as the list reads it.
struct ArchivedGrades {
    int DER = 0, KAD = 0, GOS = 0, EGOS = 0, KIDEM = 0;
    int MDER = 0, MKAD = 0, MGOS = 0, MEGOS = 0;
};

/// A pay record of the unit on the promotion list.
struct PromotionRow {
    int PKAYNO = 0, PKOD = 0, BKOD = 0;
    QString ADSOY, EMSNO;
    QDate TERTAR;                       ///< the pay record's promotion date
    grades::GradeRecord record;         ///< grades, indicators, TFA, GF, KIDEM, class
    std::optional<int> EKGF, KIDART, EKOD;
    std::optional<ArchivedGrades> archived;  ///< the previous month's archived row
};

/// "Mevcut Bilgiler": the archived row of the previous month when its indicator is not 0,
/// otherwise the pay record's own values.
struct CurrentValues {
    int DER = 0, KAD = 0, GOS = 0, EGOS = 0, KIDEM = 0;
    QString dk() const { return grades::gradeStepText(DER, KAD); }
};
CurrentValues currentValues(const PromotionRow &r);

/// "Yeni Artış Bilgileri": the record's grade/step and indicator once a promotion is entered
/// (TFA and GF above 0); empty otherwise.
struct NewValues {
    QString dk;
    std::optional<int> GOS;
};
NewValues newValues(const PromotionRow &r);

/// A promotion is already entered this month: "Yeni Gösterge" refuses it.
bool alreadyPromoted(const PromotionRow &r);

/// The base the picker measures a promotion from: the current values.
grades::PaidValues paidValues(const PromotionRow &r);

/// Editing "Ek Gös.": EKGF is the rise over the current supplementary indicator, never below 0.
int supplementaryDifference(int newEgos, int currentEgos);
/// Sets EGOS and EKGF of the row after an edit of "Ek Gös.".
void editSupplementary(PromotionRow &r, std::optional<int> newEgos);

/// "Sil": the grades and indicators go back to the archived row of the previous month (salary
/// grade from its DER/KAD/GOS/EGOS, retirement grade from its MDER/MKAD/MGOS/MEGOS), KIDEM to
/// its KIDEM; GF, EKGF and TFA are emptied. Without an archived row only the differences go.
void undo(PromotionRow &r, const std::optional<ArchivedGrades> &archived);

/// A row of "Geçen Ay Yapılmış Terfi Listesi".
struct LastMonthRow {
    int PKAYNO = 0, PKOD = 0, BKOD = 0;
    QString ADSOY, EMSNO;
    int KIDEM = 0, DER = 0, KAD = 0, GOS = 0, EGOS = 0;
    QDate TERTAR;  ///< the pay record's promotion date
    monthstart::Differences archived;  ///< TFA, GF, KIDART as paid last month
    monthstart::Differences record;    ///< as the pay record carries them now
};
/// Last month's promotions: archived with a promotion difference (TFA not 0) that the pay
/// record still carries unchanged, so the clean-up would clear it.
bool shownAsLastMonth(const LastMonthRow &r);

/// The list as the command line prints it.
QJsonObject listJson(int unit, const monthstart::Month &previous, const std::optional<cal::PayWindow> &window,
                     const std::vector<LastMonthRow> &lastMonth, const std::vector<PromotionRow> &rows);

inline constexpr const char *kAlreadyDone = "DİKKAT! Artış işlemi zaten yapılmıştır.";
inline constexpr const char *kUndoQuestion = "DİKKAT! Bu fark bilgileri silinecektir Onaylıyormusunuz.";
inline constexpr const char *kCleared = "Günelleme işlemi tamamlandı.";

}  // namespace zeran::promotions
