#pragma once
// The three reminders that keep a unit's pay records in step with the calendar before a
// month's payroll: promotions falling due in the pay period, last month's paid promotion
// differences still on the records, and child counts that no longer match the children
// ledger. Plain rows in, findings out; the store loads the rows and clears the differences.

#include "calendar.h"

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zeran::monthstart {

struct Month {
    int year = 0;
    int month = 0;  ///< 1–12
    friend bool operator==(const Month &, const Month &) = default;
};

/// The month before working month `ay` of year `cyil`: December of the year before in January.
Month previousMonth(int ay, int cyil);

/// The pay period in which promotions fall due: the 15th of the working month to the 14th of
/// the next one (into January of the next year in December). Built as dates, never as texts.
cal::PayWindow dueWindow(int ay, int cyil);

/// A pay record of the active unit as the due-promotions check reads it.
struct DueRecord {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QDate TERTAR;             ///< invalid when empty
    std::optional<int> GF;    ///< empty when NULL
};

/// Due: the promotion date lies in the window (both ends included) and no indicator
/// difference is set on the record yet.
bool promotionDue(const DueRecord &r, const cal::PayWindow &window);

/// The promotion differences a pay record carries into the next payroll (NULL as empty).
struct Differences {
    std::optional<int> TFA, GF, KIDART;
    friend bool operator==(const Differences &, const Differences &) = default;
};

/// A pay record with a difference on it next to its archived row of the previous month
/// (same person and unit).
struct IncreaseRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    Differences record;
    Differences archived;
};

/// Paid last month: the record carries at least one nonzero difference and every nonzero one
/// equals the archived value. A difference entered this month (one that differs from the
/// archive) keeps the record out, so clearing never wipes an increase not yet paid.
bool increasePaid(const IncreaseRow &r);

/// A pay record of the active unit with the birth dates of the person's children.
struct ChildRecord {
    int PKAYNO = 0, PKOD = 0;
    int COC1 = 0, COC2 = 0;  ///< NULL as 0
    QList<QDate> births;     ///< an invalid date for an empty one
};

struct ChildMismatch {
    int PKAYNO = 0, PKOD = 0;
    int COC1 = 0, COC2 = 0;      ///< on the record
    int young = 0, older = 0;    ///< by the ledger's age rule on the day of the check
};

/// Everything the checks read.
struct Input {
    int AY = 0;                ///< working month
    int CYIL = 0;              ///< working year
    int unit = 0;              ///< the active unit (MBKOD)
    QDate today;               ///< the day ages are reckoned on
    std::vector<DueRecord> unitRecords;   ///< pay records of the active unit
    std::vector<IncreaseRow> increases;   ///< records of every unit with a difference, and their archive row
    std::vector<ChildRecord> children;    ///< records of the active unit whose person has children
};

struct Findings {
    cal::PayWindow window;
    Month previous;
    std::vector<DueRecord> due;
    std::vector<IncreaseRow> paid;
    std::vector<ChildMismatch> childMismatches;  ///< in the order of the input
};

Findings find(const Input &in);

/// The findings as the command line prints them (dates as YYYY-MM-DD).
QJsonObject findingsJson(const Input &in, const Findings &f);

inline constexpr const char *kDueQuestion =
    "DİKKAT! Bu ay için yapılması gereken terfiler bulunmaktadır.\rŞimdi yapmak istermisiniz.";
inline constexpr const char *kPaidQuestion =
    "DİKKAT! Geçen ay yapılmış artışların güncellenmesi gerekmektedir.\rŞimdi Yapmak istermisiniz.";
inline constexpr const char *kCleared = "Günelleme işlemi tamamlandı.";
inline constexpr const char *kChildQuestion =
    "DİKKAT! Bu ay Personel Çocuk sayılarında Değişiklik bulunmaktadır.\rŞimdi yapmak istermisiniz.";
inline constexpr const char *kChildAdvice = "Personel İşlemlerinden Yapmalısınız.";

}  // namespace zeran::monthstart
