#pragma once
// Past payrolls without a database or a widget: the archive grid's calculated fields, the
// workbook of "Dosya Oluşturma" as cells, the rows as JSON, the payment fields, the checks of
// a month's deletion and of a hand-entered tax base, and the audit texts.

#include "money.h"
#include "printdata.h"
#include "resultlayout.h"
#include "spreadsheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zeran::archive {

using payrolldocs::ArchiveRow;
using payrolldocs::ArchiveSelection;
using results::PayrollKind;

// ---- Payroll kinds as the archive names them ------------------------------------------

/// The kind selector's texts, kind n at position n − 1 (the inflation difference last).
const QStringList &kindSelectorTexts();
/// TURAD: the kind's name in the grid and the workbook.
QString archiveKindName(PayrollKind kind);
/// The tax-base list's text of a kind ("MAAŞLAR" …).
QString taxBaseKindText(PayrollKind kind);

/// The month selector: "Tümü", "Ocak" … "Aralık" (position = month number).
const QStringList &monthSelectorTexts();

// ---- Calculated fields of a row ------------------------------------------------------

/// NET: MAAS − ACIKKES, the amount paid out.
Money net(const results::ResultRow &r);
/// GELVER2: GELVER − GELVER1 when above 0; nullopt (shown empty) otherwise.
std::optional<Money> gelver2(const results::ResultRow &r);
std::optional<Money> damver2(const results::ResultRow &r);
/// DON: "2026/3".
QString periodText(const results::RowKey &k);
/// DK: "DER/KAD" of the snapshot; empty without one.
QString gradeText(const ArchiveRow &row);
/// "Ödendi" for ODE "1", "Ödenmedi" for "2", empty otherwise.
QString paymentText(const QString &ode);

/// The grid's columns and the texts of one row in them.
const QStringList &gridHeadings();
QStringList gridTexts(const ArchiveRow &row);

// ---- Workbook ------------------------------------------------------------------------

struct SheetCell {
    enum class Kind { Text, Number };
    Kind kind = Kind::Text;
    QString value;  ///< the text, or a number's decimal text ("1234.50")
    static SheetCell text(const QString &t) { return {Kind::Text, t}; }
    static SheetCell number(const QString &n) { return {Kind::Number, n}; }
    friend bool operator==(const SheetCell &, const SheetCell &) = default;
};

struct ExportSheet {
    QStringList headings;                       ///< row 1
    std::vector<std::vector<SheetCell>> rows;   ///< rows 2 onward, in the grid's order
    std::vector<int> textColumns;               ///< 1-based columns given the text format
    std::vector<std::pair<int, double>> widths; ///< 1-based column, width in characters
};

/// The workbook of the shown rows (`year`: the selected year). Item n of the extra earnings
/// (deductions) gets a column only when its sum over the rows is above 0, headed with the
/// stored item name.
ExportSheet exportSheet(const std::vector<ArchiveRow> &rows, const QString &year);

/// Writes the sheet into the selected sheet of `wb`: headings, rows, column formats and widths.
/// False when a cell was refused (the workbook's error() tells which).
bool fillWorkbook(const ExportSheet &sheet, sheet::Workbook &wb);

inline constexpr const char *kExportDone = "Dosya oluşturma işlemi tamamlandı...";
inline constexpr const char *kExportFailed = "DİKKAT! Hata oluştuğundan işlem yapılamadı...";

// ---- JSON of "zeran-cli archive list" --------------------------------------------------

/// An array with one object per row: keys, names, the grid's amounts, the calculated fields,
/// the payment status and the snapshot's flags. Amounts are strings ("1234.50"); an empty
/// calculated field is null. Kept stable: scripts read it.
QByteArray rowsJson(const std::vector<ArchiveRow> &rows);

// ---- Deleting a stored month ---------------------------------------------------------

inline constexpr const char *kDeleteQuestion =
    "DİKKAT! Belirtilen aya ait Bordro bilgilerinin tamamı silinecektir Onaylıyormusunuz";
inline constexpr const char *kDeleteLedgerNote =
    "\rAyın emekli keseneği defteri (EMKES) kayıtları da silinecektir.";
inline constexpr const char *kNotLastMonthQuestion =
    "DİKKAT! Belirtilen ay son ay olmadığından silme işlemini yapmamalısınız. Devam etmek istermisiniz..";
inline constexpr const char *kChooseUnitAndMonth = "DİKKAT! Silme işlemi için Birim ve Maaş Ayı seçiniz..";

/// The refusal of a deletion without a unit or a month; empty when both are chosen.
QString deleteRefusal(int unit, int month);
/// The first question: that the month's rows and its contribution-ledger rows go.
QString deleteQuestion();
/// "DİKKAT.. <no> Numaralı Yevmiye Kaydı Oluşturulmuştur, Devam Etmek İstiyormusunuz ".
QString journalQuestion(qint64 yevno);

// ---- Payment status ------------------------------------------------------------------

inline constexpr const char *kBadJournalNumber = "DİKKAT! Yevmiye No sayı olmalıdır..";
inline constexpr const char *kBadJournalDate = "DİKKAT! Yevmiye Tarihi geçerli bir tarih olmalıdır (GG.AA.YYYY)..";

/// "Yevmiye No": empty → NULL; a whole number from 1 on; nullopt+problem otherwise.
struct NumberReading {
    std::optional<double> value;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};
NumberReading readJournalNumber(const QString &text);
/// "Yevmiye Tarihi": empty → NULL; a date "GG.AA.YYYY" kept as the number YYYYAAGG.
NumberReading readJournalDate(const QString &text);
/// The stored ODETAR as the clerk typed it back: YYYYAAGG as "GG.AA.YYYY"; another number as it is.
QString journalDateText(const std::optional<double> &stored);
QString journalNumberText(const std::optional<double> &stored);

// ---- Hand-entered tax bases ----------------------------------------------------------

/// The "Ekle" kinds: "Maaş" '1', "Fark" '2', "İkramiye" '3', "Mesai" '4'.
struct TaxBaseEntryKind {
    QString caption;  ///< "Maaş"
    QString title;    ///< "Maaş Matrah Giriş"
    PayrollKind kind;
};
const std::vector<TaxBaseEntryKind> &taxBaseEntryKinds();

inline constexpr const char *kChooseMonth = "Dikkat! Ay bilgisini giriniz..";
inline constexpr const char *kEnterBase = "Dikkat! Matrahı giriniz..";
inline constexpr const char *kDuplicateBase = "Dikkat! Bu bilgi mevcuttur, mükerrer kayıt yapamazsınız..";
inline constexpr const char *kLaterThanRunMonth = "Dikkat! Bordro ayından sonraki bir aya matrah girilemez..";
inline constexpr const char *kNegativeBase = "Dikkat! Matrah sıfırdan küçük olamaz..";
inline constexpr const char *kDeleteBaseQuestion = "Seçili matrah kaydı silinecektir. Onaylıyormusunuz";
inline constexpr const char *kNotAnEnteredBase =
    "Dikkat! Yalnız bu ekranda girilen matrah kayıtları silinebilir..";

/// The checks of a new entry before the database is asked: month chosen (1–12) and not after
/// the run month, a base typed. `base`: nullopt for an empty field. Empty when it passes.
QString taxBaseRefusal(int month, int runMonth, const std::optional<Money> &base);

// ---- Audit texts ---------------------------------------------------------------------

inline constexpr const char *kAuditSection = "ARŞİV";
inline constexpr const char *kTaxBaseAuditSection = "MATRAH";
/// "PKAYNO:<p> BKOD:<b>YIL:<y>AY: <m>TUT: <MAAS>" of a stored-month correction.
QString correctionAuditText(const results::ResultRow &r);
QString deleteAuditText(const results::PayrollMonth &m, int bkod, int rows);
QString paymentAuditText(const results::RowKey &k, const QString &ode);
QString taxBaseAuditText(const results::RowKey &k, Money vermat);

}  // namespace zeran::archive
