#pragma once
// What the printed documents of the monthly payroll are made from: plain data, filled by the
// run screen (or zeran-cli) from the loaded run, or by the loader (printloader.h) from the
// stored rows. Nothing here reads the database or shows a widget.

#include "loadedrun.h"
#include "money.h"
#include "payrollrun.h"
#include "personpay.h"
#include "resultlayout.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zeran::payrolldocs {

/// The title of the payroll documents when the unit has none of its own.
inline constexpr const char *kPayrollTitle = "ZERAN MAAŞ BORDROSU";
inline constexpr const char *kPayslipTitle = "ZERAN MAAŞ FİŞİ";

/// The unit whose name, title and signatories a document prints (BIRIM, TUR 'M').
struct UnitInfo {
    int BKOD = 0;
    QString BIRIM;   ///< name
    QString BASLIK;  ///< title of the detailed statement; empty: kPayrollTitle
    QString TAS, TUN;  ///< "Düzenleyen": name, title
    QString SAS, SUN;  ///< "Muhasebe Yetkilisi"
    QString IAS, IUN;  ///< "Harcama Yetkilisi"
};

/// The names of the variable items as the documents caption them.
struct ItemNames {
    std::array<QString, 10> earning;     ///< ZERHESTUR.ADI of HNO n (index n − 1); empty: no row
    std::array<bool, 10> earningInUse{};  ///< that row's DUR is 'V'
    std::array<QString, 5> deduction;    ///< ZERKES.KESADI of HARNO n among the active rows; empty: none

    /// Item n (1–10): its name, or the placeholder "KAZn" when it has no definition row.
    QString earningCaption(int n) const;
    /// Deduction n (1–5): its name, or "KESn" when no active row has that number.
    QString deductionCaption(int n) const;
};

/// PTANIM and the unit: what every document of a run or of the archive prints besides the rows.
struct PrintContext {
    QString KURUM;        ///< the institution's name
    QString ONIZ;         ///< "E": payslips are previewed, "H": printed at once, else not printed
    QString ASUCISTISNA;  ///< "E": the payslip shows the taxes actually deducted
    int MBKOD = 0;        ///< the settings' default unit
    UnitInfo unit;
    ItemNames items;
};

/// The rates a document prints in its header.
struct HeaderRates {
    double KATSAYI = 0, TAK = 0, YOD = 0, KAK = 0, EYMG = 0;
    double AYRDP = 0;  ///< family-allowance points
    Money EYMM;        ///< EYMG × KATSAYI: the highest civil-servant salary
    Money INDIRIM;     ///< tax-base allowance
    Money ASUCR;       ///< gross minimum wage ("P.E.K.Alt Sınırı")

    static HeaderRates of(const engine::PeriodRates &rates);
};

/// "15 OCAK 2026": the period text of the run screen for a run date.
QString periodText(const QDate &runDate);

/// The payroll query of the run screen: the loaded selection, each person's computed pay
/// (computeAll, one per person in the same order) and what is printed around them. The
/// display rules (staff kind "D", title 15, unpaid leave) are applied by the documents
/// through shownPay(), exactly as the written rows apply them.
struct RunData {
    const payrollrun::LoadedRun &loaded;
    const std::vector<engine::PersonPay> &pays;
    const PrintContext &context;
    QString periodText;  ///< see periodText()
};

/// Which rows of the archive the documents print. month 0: every month ("Tümü"); unit 0:
/// every unit; person 0: everybody.
struct ArchiveSelection {
    QString year;  ///< four digits
    int month = 0;
    results::PayrollKind kind = results::PayrollKind::Monthly;
    int unit = 0;
    int person = 0;
};

/// One row of the archive query: a stored result row with its snapshot and look-ups.
struct ArchiveRow {
    results::ResultRow result;
    std::optional<results::SnapshotRow> snapshot;  ///< none when the snapshot row is missing
    QString ADSOY, EMSNO;
    QString BIRIM;  ///< unit name
    QString GOREV;  ///< title text of the snapshot's UKOD
    Money TGVMAT;   ///< the person's income-tax bases of the year up to this month, whole lira

    /// GELVER − GELVER1 when above 0, else nullopt (printed empty).
    std::optional<Money> GELVER2() const;
    std::optional<Money> DAMVER2() const;
};

/// The archive's rows with what its documents print around them.
struct ArchiveData {
    ArchiveSelection selection;
    PrintContext context;  ///< unit: the selected unit (the default unit with "Tümü")
    std::array<HeaderRates, 2> halfYear;  ///< rates of the year's half-years "1" and "2"
    std::vector<ArchiveRow> rows;         ///< ordered by PKOD, AY

    /// The rates of a month's half-year ("2" after June); month 0 counts as the first half.
    const HeaderRates &ratesOf(int month) const { return halfYear[month > 6 ? 1 : 0]; }
};

/// The archived payslip of one person's stored month.
struct ArchivePayslipData {
    ArchiveRow row;
    QString unitName;                 ///< "KURUMU": the unit chosen on the calling view
    HeaderRates rates;                ///< of the row's year and half-year
    std::array<QString, 6> captions;  ///< the six extra-earning captions, set by the calling view
    int startupYear = 0;              ///< calendar year of the start-up date
};

}  // namespace zeran::payrolldocs
