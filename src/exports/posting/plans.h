#pragma once
// Account plans: the lines of a unit's plan for one cash kind (ZERNAKTAN as plain data), the
// cash kinds and the three default plans the definitions screen generates.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zeran::posting {

/// One account line of a plan.
struct PlanLine {
    int HARNO = 0;
    QString HKOD;      ///< account code, dotted
    QString TUR;       ///< "B" debit, "A" credit
    QString DUR;       ///< "T" accrual, "K" deduction, "C" cheque, or empty
    QString ACIK;      ///< description (at most kAcikWidth characters)
    QString HESAP;     ///< formula
    QString HESAPDUR;  ///< "A": one line per person; anything else: one total line
    QString KKOD, FKOD, FTIP, EKOD;  ///< budget codes
    double BKAYNO = 0;               ///< budget record number (not filled by the screens)
    int CKOD = 0;                    ///< current account, 0 = none
    bool operator==(const PlanLine &) const = default;
};

/// The width of ZERNAKTAN.ACIK.
inline constexpr int kAcikWidth = 60;

/// The payment-order header of a unit and cash kind (ZERNAKBIL).
struct PlanHeader {
    int BKOD = 0;
    QString NAKTUR;
    QString KURAD, SAYKOD, SAYAD, DAKOD, BKOD1, BKOD2, BKOD3, BKOD4, BKOD5, BIRAD, KSKOD, ILGILI, TCKNO, EKLER,
        BHN, BSUBE, VERDA;
    int CKOD = 0;
    bool operator==(const PlanHeader &) const = default;
};

enum class DefaultPlan { Salaries, Mayor, Council };

/// The context-menu caption of a default plan ("Zeran Maaşları" …).
QString defaultPlanCaption(DefaultPlan plan);
/// The purpose SAYAD a generated plan sets when the header has none.
QString defaultPurpose(DefaultPlan plan);
/// The lines of a default plan, in order; with `memorandum` (the accounting database's
/// FISOH "E") the memorandum lines follow. HARNO is left 0: the store numbers the lines.
std::vector<PlanLine> defaultPlan(DefaultPlan plan, bool memorandum);

/// The cash kind NAKTUR that follows from a unit kind BIRIM.MTUR ("N" -> "1" …); empty when none.
QString cashKindOfUnitKind(const QString &mtur);
/// "ZERAN MAAŞI", "ENCÜMEN ÖDENEĞİ" …; empty for an unknown kind.
QString cashKindLabel(const QString &naktur);
/// The cash kinds a plan can be defined for, in the selector's order ("1", "2", "4" …).
QStringList cashKinds();
/// The default plans offered for a cash kind.
std::vector<DefaultPlan> plansOffered(const QString &naktur);

/// Whether the current-account picker is offered for an account code (320, 330, 333, 140, 160,
/// 161, 162, 165, 910, 911).
bool takesCurrentAccount(const QString &hkod);

/// A description cut to the column (the plans' own texts already fit).
QString fitDescription(const QString &text, int width = kAcikWidth);

}  // namespace zeran::posting
