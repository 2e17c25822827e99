#pragma once
// The small views of the lists opened from the payroll screen and the union dues detail list:
// "BORDRO KESİNTİLERİ" (a unit's special deductions, edited), "YILLIK KESİNTİ LİSTESİ" (a
// person's deductions over a year), "GEÇMİŞ AY BİLGİLERİ" (a person's past months, with its
// print "BORDRO LİSTESİ") and "SENDİKA LİSTESİ". Pure functions of plain rows; the loader is
// viewsloader.h.

#include "document.h"
#include "money.h"
#include "unitstore.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zeran::lists {

/// "Maaş" for "1", "Fark" for "2", "Diğer" for "3"; other kinds as their code.
QString kindText(const QString &TUR);

/// A pay record of "BORDRO KESİNTİLERİ".
struct DeductionRecord {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString ADSOY, EMSNO;
    std::array<Money, 5> KES{};
    Money total() const;
};
/// "ALT TOPLAM": the sum of each of the five columns, then the sum of all five.
std::array<Money, 6> deductionTotals(const std::vector<DeductionRecord> &rows);
/// The audit text of a changed amount.
QString deductionAuditText(const DeductionRecord &row, int column, Money before, Money after);

/// A result row of "YILLIK KESİNTİ LİSTESİ".
struct YearlyDeduction {
    int AY = 0;
    QString TUR;
    std::array<Money, 5> KES{};
    Money ICRA, KIRA;
};
/// "Toplamlar": KES1 … KES5, ICRA, KIRA.
std::array<Money, 7> yearlyTotals(const std::vector<YearlyDeduction> &rows);

/// A result row of "GEÇMİŞ AY BİLGİLERİ" with its snapshot's grade.
struct PastMonth {
    int AY = 0;
    QString TUR;
    int DER = 0, KAD = 0, GOS = 0, EGOS = 0, RAPOR = 0;
    Money AYTUT, EGOSTUT, TABAY, KIDAY, YANOD, OZHIZTAZ, ICRA, KIRA, ARTIS, HIZBOR, VERMAT, OZELKES, MAAS;
    std::array<Money, 6> KAZ{};
    Money AILEYRD, COCYRD, VIADE, GELTOP, KESTOP;
};

/// The person of the past months' panel.
struct PastPerson {
    int PKAYNO = 0;
    QString ADI, SOYADI, EMSNO, UNVAN;
};

/// "BORDRO LİSTESİ": the person's months of the year with incomes, deductions and net pay,
/// "Toplam" the sum of the net pay.
report::Document pastMonthsDocument(const QString &KURUM, const PastPerson &person, const QString &year,
                                    const std::vector<PastMonth> &rows);

/// A line of the union dues detail list.
struct UnionDue {
    int PKAYNO = 0;
    QString ADSOY, TCKNO, SENDIKA, YIL;
    int AY = 0;
    QDate TAR;  ///< the payroll date of the row; may be empty on older rows
    Money SENTUT;
    /// The payroll's date, or the period "AY.YIL" when the row has none.
    QString dateText() const;
};

/// The dues detail list's (YIL, AY) window from two dates: months from the first date's to the
/// second's, as numbers YYYYMM; nothing when either date is empty.
std::optional<std::pair<int, int>> periodWindow(const QDate &from, const QDate &to);

/// The printed dues detail list ("ZERAN SENDİKA AİDAT TEVKİFAT LİSTESİ").
report::Document unionDuesDocument(const std::vector<UnionDue> &rows, Money total, const units::Signatories &signatories);

}  // namespace zeran::lists
