#pragma once
// The difference payroll (kind "2") and the inflation-difference payroll (kind "8"): for one
// pay record, each salary element as the monthly engine computes it for a full month under
// the new period's rates minus under the previous period's, prorated once by the typed day
// counts, with the contributions, premiums and taxes due on the differences. Pure: plain
// inputs in, amounts out; the element formulas are the engine's own (stage 7), never copied.

#include "payrollrun.h"
#include "personinput.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <optional>

namespace zeran::difference {

enum class Kind {
    Difference,  ///< kind "2": after a half-year's rate change
    Inflation,   ///< kind "8": raised rates against the rates paid (period "3")
};

/// The payroll kind code stored in TUR: "2" or "8".
QString kindCode(Kind kind);

/// What the clerk chose on the screen (or the CLI's options).
struct Options {
    Kind kind = Kind::Difference;
    int monthDays = 30;        ///< "Ay Günü"
    int diffDays = 14;         ///< "Fark Günü"
    bool retirement = false;   ///< "Emekli Keseneği Hesapla"
    bool gss = false;          ///< "GSS Hesapla"
    double lateRate = 0;       ///< "Geç Ödeme F.%" in percent (inflation only)
};

/// The rates of both periods as the engine reads them.
struct DifferenceRates {
    engine::PeriodRates current;   ///< the working half-year
    engine::PeriodRates previous;  ///< the half-year before it, or period "3"
    QStringList warnings;          ///< missing or zero rate rows, each once

    // The differences the screen and the document show (the amounts are computed from each
    // period's own rates, never from these).
    double dKATSAYI() const { return shown(current.KATSAYI - previous.KATSAYI); }
    double dTAK() const { return shown(current.TAK - previous.TAK); }
    double dYOD() const { return shown(current.YOD - previous.YOD); }
    /// A difference of two typed rates without the binary noise of the subtraction.
    static double shown(double d) { return std::round(d * 1e9) / 1e9; }
};

/// The half-year whose rates the new ones are compared with: for the difference payroll
/// the half-year before (DON "2" → the same year's "1"; DON "1" → last year's "2"), for the
/// inflation payroll the same year's period "3".
struct PeriodKey {
    QString YIL, DON;
};
PeriodKey previousPeriod(Kind kind, const QString &year, const QString &don);

inline constexpr const char *kNewRatesWarning = "Dikkat Yeni Kanuni Oranları Kontrol Etmelisiniz";
inline constexpr const char *kPreviousRatesWarning = "Dikkat Önceki Dönem Kanuni Oranları Kontrol Etmelisiniz";
inline constexpr const char *kNotDifferenceMonth = "DİKKAT! Fark Ayı Değil...";
inline constexpr const char *kMonthDaysRange = "Ay Günü 1 ile 31 arasında olmalıdır";
inline constexpr const char *kDiffDaysRange = "Fark Günü 0 ile Ay Günü arasında olmalıdır";
inline constexpr const char *kWorkingYearDiffers = "DİKKAT! Çalışma Yılı Sistem Tarihinden Farklıdır..";

/// The day counts and the working year checked before anything is computed; the message to
/// show, or nullopt when they are sound.
std::optional<QString> checkOptions(const Options &options, const QString &workingYear, int calendarYear);

/// The unit attributes the selection looks at.
struct UnitKind {
    QChar TUR, MTUR, AKTIF;
};

/// Whether the pay record takes part: salary units only (TUR "M", MTUR "N", not passive);
/// not "not paid" and not on unpaid leave; for the difference payroll neither staff kind
/// "D" nor the acting scheme (an empty insurance kind counts as the retirement fund).
bool selected(Kind kind, const engine::PayRecord &rec, const UnitKind &unit);

/// One person's differences and what follows from them. Amounts are as stored (two
/// decimals) except ACIKKES (four).
struct DifferencePay {
    Money AYTUT, EGOSTUT, EMKBASE, TABAY, KIDAY, YANOD, AILEYRD, COCYRD, OZHIZTAZ, EKODTUT;
    Money GSSMAT, MYOI, MYOP, GSSI, GSSP;
    Money EKMAT;    ///< retirement-contribution base (0 without contributions)
    Money EMKESD, EMKESM;
    Money GECICI;   ///< employer health premium of fund members (inflation only; DVVIADE)
    Money GELTOP, VERMAT, GELVER, DVMAT, DAMVER, KESTOP;
    double VEROR = 0;  ///< marginal income-tax rate, fraction
    Money NET;      ///< GELTOP − KESTOP
    Money ACIKKES;  ///< withheld from a suspended person (difference payroll only)
    Money EKFARK;   ///< late-payment supplement (inflation only)
    Money MAAS;     ///< stored MAAS: NET (kind 2), NET + EKFARK (kind 8)
    Money paid;     ///< paid out: NET − ACIKKES, or NET + EKFARK
};

/// HESAPLA of the difference payrolls. `run` carries the settings the engine reads (its
/// rates are not used); `earlierBase` is the person's income-tax base of the working year
/// before this payroll (the rows it replaces left out).
DifferencePay compute(const engine::PayrollRun &run, const DifferenceRates &rates, const Options &options,
                      const engine::PayRecord &rec, Money earlierBase);

}  // namespace zeran::difference
