#pragma once
// The rules of the three per-person ledgers that need no database: a child's age and the
// child counts of the pay record, the totals of a debt ledger and the capped monthly
// instalment, and the code lists the screens show as words.

#include "money.h"

#include <QDate>
#include <QList>
#include <QString>

namespace zeran::ledgers {

// ---- Children ---------------------------------------------------------------

/// Children up to this age count for the young-child allowance ("6 Yaş Altı:").
inline constexpr int kYoungChildMaxAge = 6;

/// Completed years on `on`: a child turns n on the n-th birthday, not a day later. A child
/// born on 29 February has the birthday on 1 March in a common year (28 February is still
/// February, the birthday has not come yet). No valid birth date, or a birth date after
/// `on`, gives 0.
int childAge(const QDate &birth, const QDate &on);

struct ChildCounts {
    int young = 0;  ///< aged 0–6 (COC1)
    int older = 0;  ///< older than six (COC2)
    int total() const { return young + older; }  ///< DIGCOC
    friend bool operator==(const ChildCounts &, const ChildCounts &) = default;
};

/// Counts children by their age on `on`; a child without a valid birth date counts as young.
ChildCounts countChildren(const QList<QDate> &births, const QDate &on);

/// The counts held on a pay record; empty columns read as 0.
struct RecordCounts {
    int coc1 = 0;
    int coc2 = 0;
};

/// True when any of `records` holds counts other than `counts` (the ledger and the pay
/// record disagree). No record: nothing to disagree with.
bool countsDisagree(const ChildCounts &counts, const QList<RecordCounts> &records);

inline constexpr const char *kCountMismatchMessage = "HATA! Bordro ile uyuşmazlık var.";
inline constexpr const char *kCarryCountsQuestion =
    "DİKKAT! Bu Bilgiler Personel Çocuk sayılarına aktarılacaktır. Onaylıyormusunuz.";

// ---- Debt ledgers -------------------------------------------------------------

/// What a debt ledger screen shows under its grid.
struct DebtTotals {
    Money total;      ///< all of the person's debts, whatever their state; 0 when not above 0
    Money paid;       ///< deducted so far; 0 when not above 0
    Money remaining;  ///< total − paid
};

/// `amounts`: the TUTAR of every debt row of the person; `paid`: the sum of the deductions
/// made so far.
DebtTotals debtTotals(const QList<Money> &amounts, Money paid);

/// The month's instalment of the running debts: the monthly amounts `monthly`, but never
/// more than what remains of `total` after `paid`; 0 when nothing remains.
Money cappedInstalment(Money total, Money monthly, Money paid);

inline constexpr const char *kAmountMissingMessage = "DİKKAT.. Tutar Giriniz";

// ---- Code lists -----------------------------------------------------------------

struct CodeText {
    QString code;
    QString text;
};

/// ODUR: "O" "Okul Öncesi", "İ" "İlköğretim", "L" "Lise", "Y" "Yükseköğretim".
const QList<CodeText> &educationCodes();
/// CINS: "E" "Erkek", "K" "Kadın".
const QList<CodeText> &sexCodes();
/// DUR of a debt: "D" "Devam Ediyor", "T" "Tamamlandı".
const QList<CodeText> &debtStateCodes();

inline constexpr const char *kDebtRunning = "D";
inline constexpr const char *kDebtFinished = "T";

/// The word for a stored code; empty for an unknown or empty code.
QString textForCode(const QList<CodeText> &list, const QString &code);
/// The code for a shown word (or for a code typed directly); empty when neither.
QString codeForText(const QList<CodeText> &list, const QString &text);

}  // namespace zeran::ledgers
