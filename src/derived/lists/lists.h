#pragma once
// The payroll lists ("BORDRO LİSTELERİ"): what each page shows and prints, as pure functions of
// plain rows. The loader (listsloader.h) reads the rows of one page; everything a page does
// with them — its columns, computed amounts, the tax page's grouping, the totals, the CSV of
// the command line and the printed A4 document — is here.

#include "document.h"
#include "money.h"
#include "unitstore.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace zeran::lists {

enum class Page {
    Staff,         ///< "Personel Listesi"
    Retirement,    ///< "Em.Kes.Listesi"
    Retirement12,  ///< "Em. Kes % 12"
    Union,         ///< "Sendika Listesi"
    Special,       ///< "Özel Kesinti Listesi"
    Garnishment,   ///< "İcra Listesi"
    Rent,          ///< "Kira Listesi"
    Tax,           ///< "Vergi Kesintileri"
    Surety,        ///< "Kefalet Listesi"
    Bank,          ///< "Banka Listesi" (the bank module's printed list)
    Pension,       ///< "B.E.S"
    Allowance,     ///< "A.G.İ.Listesi"
    Withheld,      ///< "Emanet Listesi"
};

struct PageInfo {
    Page page;
    QString entry;    ///< the entry of the "LİSTE" group
    QString name;     ///< the page's own name
    QString heading;  ///< the text above the page
    QString key;      ///< short ASCII name for the command line
};

/// The thirteen pages in the order of the "LİSTE" group.
const std::vector<PageInfo> &pages();
const PageInfo &pageInfo(Page page);
/// A page by its key, its name or its entry (exact); nothing when none matches.
std::optional<Page> pageByName(const QString &name);

/// One row as a page reads it. A page fills only the fields it selects.
struct ListSource {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString TUR, YIL;
    int AY = 0;
    QString ADSOY, EMSNO, TCKNO, BHN, UNVAN;
    // The staff page (the pay record and the registry).
    QDate KGT;
    int OGRDUR = 0, KIDEM = 0, DER = 0, KAD = 0, GOS = 0;
    // The union page.
    int SENKOD = 0;
    QString SENDIKA;
    Money SENTUT;
    // Result amounts.
    Money ARTIS, EMKESM, EMKESD, MYOI, MYOP, GSSI, GSSP, HIZBOR, DVVIADE;
    std::array<Money, 5> KES{};
    Money ICRA, KIRA, KEFALET, BES, GSSMAT, EKMAT, VIADE, ACIKKES;
    double VEROR = 0;
    Money VERMAT, GELVER, DAMVER, DVMAT;
};

/// The choices of the screen that change what a page shows.
struct PageOptions {
    bool law5510 = false;  ///< "Sigorta Türü" "5510 S.K." (else "Normal")
    int deduction = 0;     ///< "Kesinti": 0 = "TÜMÜ", else 1–5
    /// The headings of KES1 … KES5 (deductionHeadings).
    std::array<QString, 5> deductionNames{};
    /// The retirement page's total column is headed "E.Kes.%35" until "Normal" is chosen again.
    bool normalChosenAgain = false;
};

/// A defined special deduction: its number HARNO (1–5 = KES1 … KES5), name and AKTIF.
struct DeductionDefinition {
    int HARNO = 0;
    QString KESADI, AKTIF;
};
/// The headings of KES1 … KES5 as the payroll uses them: the name of HARNO n when it is active
/// ("A"), else "Özel Kes.n".
std::array<QString, 5> deductionHeadings(const std::vector<DeductionDefinition> &definitions);

/// The tax page's rows: one per person, unit, person code, month and rate, the four amounts
/// summed (with "Fark Ekle" the loader passes every payroll kind, else kind "1" only).
std::vector<ListSource> groupTaxRows(const std::vector<ListSource> &rows);

enum class ValueKind { Text, Amount };

struct Column {
    QString heading;
    ValueKind kind = ValueKind::Text;
    bool totalled = false;
    double width = 1;  ///< relative width on paper
};

struct Value {
    QString text;                 ///< the shown text of a text column
    std::optional<Money> amount;  ///< the amount of an amount column
};

/// A page as a table: the columns, one line per row and the totals of the totalled columns.
struct Table {
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows;
    std::vector<std::optional<Money>> totals;  ///< per column; empty optional = no total
};

/// The columns of the screen's grid.
Table gridTable(Page page, const std::vector<ListSource> &rows, const PageOptions &options);
/// The columns of the printed list (after "S.No") and its totals.
Table printTable(Page page, const std::vector<ListSource> &rows, const PageOptions &options);

/// The education level as printed: 1 "İlköğretim" … 7 "Okuryazar"; empty otherwise.
QString educationText(int OGRDUR);

/// The printed list as CSV (UTF-8, ';' between fields, LF): the heading line with "S.No" and
/// the printed columns, one line per row (amounts as plain "1234.50"), then the totals line
/// beginning with "TOPLAM" (empty fields where a column has no total).
QByteArray tableCsv(const Table &table);

/// What frames a printed list.
struct ListHeading {
    QString KURUM;      ///< institution name
    QString unitName;   ///< the chosen unit, "TÜMÜ" for all
    QString monthText;  ///< "OCAK" … or "TÜMÜ"
    QString year;
    units::Signatories signatories;  ///< empty for "TÜMÜ"
    // The union report's first block: the union chosen ("TÜMÜ" for all), its address,
    // account number and code.
    QString unionName, unionAddress, unionAccount;
    int unionCode = 0;
};

/// The A4 portrait list of a page (not the bank page: the bank module prints that one).
report::Document listDocument(Page page, const Table &table, const ListHeading &heading,
                              const PageOptions &options);

/// "Maaş Dönemi": today's day number, the month's name ("TÜMÜ" for 0), the year and today's
/// weekday name.
QString periodText(const QDate &today, int month, const QString &year);

}  // namespace zeran::lists
