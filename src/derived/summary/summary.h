#pragma once
// The month's payroll summary ("icmal"): the stored result rows of one payroll month added up
// item by item, with the union lines, the number of pay records and the period's rates. A pure
// function of plain rows (summarize); the loader (summaryloader.h) reads them, the documents
// (summarydocs.h) print them, the screen shows them.

#include "money.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace zeran::summary {

/// Which payroll the summary is opened from.
enum class SummaryMode {
    Monthly,     ///< kind "1", salary units
    Difference,  ///< kind "2", salary units
    Inflation,   ///< kind "8", salary units
    Meeting,     ///< meeting-fee and acting kinds "4"–"7", units of the other kinds
};

/// "monthly", "difference", "inflation", "meeting"; nullopt for anything else.
std::optional<SummaryMode> modeFromName(const QString &name);
QString modeName(SummaryMode mode);
/// The payroll kinds a mode totals (TUR codes 1–8).
std::vector<int> modeKinds(SummaryMode mode);
/// Whether a mode offers the salary units (MTUR 'N') or the others.
bool offersSalaryUnits(SummaryMode mode);

/// The summed result columns, in the order of columnNames().
namespace col {
enum : int {
    AYTUT, EGOSTUT, TABAY, KIDAY, YANOD, FAZMES, AILEYRD, COCYRD, COCYRD1, ARTIS, TERFAR, OZHIZTAZ, LOJTAZ,
    EKTAZ, DILTAZ, DIGTAZ, EKMAT, EMKESD, EMKESM, GELTOP, INDIRIM, OZIN, HIZBOR, VERMAT, GELVER, DAMVER,
    GELVERKES, DAMVERKES, ICRA, KIRA, KESTOP, MAAS, ACIKKES, VIADE, KEFALET,
    KAZ1, KAZ2, KAZ3, KAZ4, KAZ5, KAZ6, KAZ7, KAZ8, KAZ9, KAZ10,
    KES1, KES2, KES3, KES4, KES5,
    BES, DVVIADE, EKODTUT, MYOI, GSSI, MYOP, GSSP, YEMEK, SEN1, PCEZA, DVMAT, OTRUCR, EKFARK,
    Count
};
}  // namespace col

/// The ZERMAAS column name of each summed column (index = col::…).
const std::array<const char *, col::Count> &columnNames();

/// One stored result row as the summary reads it.
struct SummaryRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    int TUR = 1;                  ///< payroll kind code 1–8
    std::optional<int> SENKOD;    ///< the union of today's pay record; none when it has none (or is gone)
    std::array<Money, col::Count> amounts{};

    Money operator[](int column) const { return amounts[std::size_t(column)]; }
};

/// An extra earning slot (ZERHESTUR) or a deduction slot (ZERKES) by its number.
struct ItemDefinition {
    int number = 0;    ///< 1–10 for earnings, 1–5 for deductions
    QString name;
    bool inUse = false;  ///< earnings: DUR 'V'; deductions: AKTIF 'A'
};

/// The period's rates shown and printed with the summary (ZERKANOR of the working half-year).
struct SummaryRates {
    double KATSAYI = 0, YOD = 0, KAK = 0, TAK = 0, TAG = 0, EYMG = 0, AYRDP = 0, CYRDP1 = 0, CYRDP2 = 0;
    bool found = false;  ///< a rate row exists for the period
};

struct SummaryInput {
    SummaryMode mode = SummaryMode::Monthly;
    int unit = 0;        ///< BKOD of the chosen unit; 0 = "TÜMÜ"
    QChar unitKind;      ///< MTUR of the chosen unit (null for "TÜMÜ")
    int person = 0;      ///< PKAYNO in the one-person mode (monthly only); 0 = everybody
    bool minimumWageExempt = false;  ///< PTANIM.ASUCISTISNA 'E'
    std::vector<SummaryRow> rows;    ///< the month's stored rows (any kind, any unit: filtered here)
    std::map<int, QString> unionNames;         ///< SENKOD → SENDIKA of this system's unions
    std::vector<ItemDefinition> earningItems;  ///< ZERHESTUR slots 1–10
    std::vector<ItemDefinition> deductionItems;  ///< ZERKES slots 1–5
    SummaryRates rates;
};

enum class LineGroup { Earnings, Deductions };

/// One line of the summary: its printed caption, its screen caption and its amount.
struct SummaryLine {
    LineGroup group = LineGroup::Earnings;
    QString caption;        ///< as printed
    QString screenCaption;  ///< as the screen shows it
    Money amount;
    bool printed = true;    ///< false: a screen-only line
    bool total = false;     ///< a total printed under the two columns, not in them
};

struct UnionTotal {
    std::optional<int> SENKOD;
    QString name;
    Money amount;
};

struct Summary {
    SummaryMode mode = SummaryMode::Monthly;
    std::vector<SummaryLine> lines;  ///< in the order shown and printed
    int count = 0;                   ///< distinct pay records among the totalled rows
    std::vector<UnionTotal> unions;  ///< every union with dues, by code
    SummaryRates rates;
    std::array<Money, col::Count> sums{};  ///< the raw column sums

    Money sum(int column) const { return sums[std::size_t(column)]; }
    /// The amount of the line with printed caption `caption`; nullopt when not shown.
    std::optional<Money> line(const QString &caption) const;
};

/// Whether a stored row is totalled: its kind belongs to the mode; it is of the chosen unit
/// (when one is chosen); it is the person's (in the one-person mode).
bool selected(const SummaryInput &in, const SummaryRow &row);

/// The summary of the input rows.
Summary summarize(const SummaryInput &in);

/// The printed title by mode and unit kind.
QString printedTitle(SummaryMode mode, QChar unitKind);

/// {"lines": [{"caption", "amount"}], "count", "unions": [{"name", "amount"}], "rates": {…}}:
/// the printed lines (screen-only lines too, marked "screenOnly"), amounts as two-decimal texts.
QJsonObject summaryJson(const Summary &s);

}  // namespace zeran::summary
