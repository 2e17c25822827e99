#pragma once
// Preparing a posting: the plan's lines evaluated over the payroll's result rows, the entry's
// five totals, and the journal entry (YEVMIYE header and MUHHAR lines) the posting writes.
// Plain data in, plain data out: the loaders and the posting store call this.

#include "formula.h"
#include "plans.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zeran::posting {

/// A posting kind as the callers name it: "1" monthly, "2" difference, "8" inflation
/// difference, "4" committee, "5" council, "6" extraordinary council, "7" acting.
struct PostingKind {
    QString code;       ///< the kind asked for
    QString planKind;   ///< NAKTUR of the plan used
    QString rowKind;    ///< TUR of the result rows summed and stamped
    Rule rule = Rule::Monthly;
    QString shown;      ///< "Maaş", "Fark", "Encümen", "Meclis", "Vekalet"
};
/// nullopt for an unknown code.
std::optional<PostingKind> postingKind(const QString &code);
/// The kind codes the posting knows, in order.
QStringList postingKindCodes();

/// One result row (or person) of the posting: its keys, the person's current account and the
/// summed columns.
struct PersonRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    int CKOD = 0;  ///< SICIL.CKOD
    ColumnSums cols;
};

/// The amounts of a monthly result row that the payroll paid or withheld. The written row also
/// shows amounts outside its totals: for staff of kind "D" the salary-side compensations (their
/// gross holds only the items, allowances and premiums), and a service-debt instalment paid in
/// advance (not in the deductions). Those are left out here, so the entry carries what the
/// payroll paid and balances.
void keepPaidAmounts(ColumnSums &row, bool otherStaff, bool serviceDebtInAdvance);

/// One prepared account line (a ZERQRNAK row).
struct PreparedLine {
    QString HESNO;
    std::array<QString, 4> K, F, E;
    QString FT;
    Money BORC, ALACAK;
    QString ACIK, TUR, DUR, KKOD, FKOD, FTIP, EKOD;
    int CKOD = 0;
    bool operator==(const PreparedLine &) const = default;
};

/// "Tahakkuk Toplamı", "Borç Toplamı", "Alacak Toplamı", "Kesinti Toplamı", "Ödenecek Çekler".
struct Totals {
    Money accrual, debit, credit, deduction, cheques;
    bool operator==(const Totals &) const = default;
};

struct Prepared {
    std::vector<PreparedLine> lines;
    Totals totals;
    Variables vars;
};

/// Splits a dotted code at "." into at most four parts: first, second, third and the rest
/// (which may still hold dots). Missing parts are empty.
std::array<QString, 4> splitCode(const QString &code);

/// The lines of `plan` over `rows` (the rows the rule selects). Total lines evaluate their
/// formula on the summed rows; with the monthly rule a line whose HESAPDUR is "A" gives one
/// credit line per person whose value is above 0 (with the person's current account); debit
/// per-person lines have no amount. Lines whose debit and credit are both 0 are dropped.
Prepared prepare(const std::vector<PlanLine> &plan, const std::vector<PersonRow> &rows, Rule rule, bool exemption);

/// The five totals of a set of lines, by side and role as the preparation counts them:
/// debit B rows (accrual when DUR is "T"), credit A rows (deduction for "K", cheques for "C").
Totals totalsOf(const std::vector<PreparedLine> &lines);

/// Σ debit − Σ credit of the lines (0 for a balanced entry).
Money imbalance(const std::vector<PreparedLine> &lines);

/// The message that refuses an unbalanced entry, naming the difference.
QString imbalanceMessage(Money debit, Money credit);

/// The key of a budget line for the budget record lookup: KKOD, FKOD, FTIP, EKOD.
QString budgetKey(const QString &kkod, const QString &fkod, const QString &ftip, const QString &ekod);

/// A journal-entry line (MUHHAR).
struct JournalLine {
    int HARNO = 0;
    QString HKOD;
    qint64 BKAYNO = 0;
    Money BORC, ALACAK;
    int CKOD = 0;
    bool operator==(const JournalLine &) const = default;
};
/// The lines posted: every line with a non-zero amount, in order, HARNO 1, 2, … without gaps;
/// BKAYNO from `budget` (by budgetKey) for a line with a KKOD, else 0.
std::vector<JournalLine> journalLines(const std::vector<PreparedLine> &lines, const QHash<QString, qint64> &budget);

/// What the journal entry's header is made of besides the totals.
struct EntrySource {
    QDate date;
    int year = 0;
    QString BRMKOD;        ///< ZERNAKBIL.BKOD5
    int CKOD = 0;          ///< ZERNAKBIL.CKOD
    QString ACIK, EKLER;   ///< ZERNAKBIL.SAYAD, EKLER
    QString MYET, MYETUNV; ///< accounting TANIM.SAY, SUNV
    QString HADSOY, HGOR, TADSOY, TGOR;  ///< accounting BIRIM signatories
};

/// The YEVMIYE row (without its keys).
struct JournalHeader {
    QDate YEVTAR;
    QString FISTUR = QStringLiteral("Ö");
    QString BRMKOD;
    int CKOD = 0;
    int FISNO = 0;
    Money TAH, KES, ODE, TUT;
    QString ACIK, EKLER, MYET, MYETUNV, HADSOY, HGOR, TADSOY, TGOR;
    QString MTUR = QStringLiteral("Ö");
    int YIL = 0;
    bool operator==(const JournalHeader &) const = default;
};
JournalHeader journalHeader(const EntrySource &source, const Totals &totals);

}  // namespace zeran::posting
