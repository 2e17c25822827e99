#pragma once
// The run context the monthly engine computes in: the period, the installation settings the
// stages read, the period rates (PeriodRates) and the definitions of the extra earning items,
// special deductions and unions. Filled once per reload by the loader (ORANLAR and the
// definition reads); the engine only reads it.

#include "money.h"

#include <QChar>
#include <QHash>
#include <QString>

#include <array>

namespace zeran::engine {

/// The rates of one working year and half-year, in the units the stages use: percentages
/// that the stages apply as fractions are stored already divided (MYOI 20 is 0.2, DVER 7.59
/// per mille is 0.00759); the others keep the table's unit (EMKESM 16 is 16 percent).
struct PeriodRates {
    // Legal rates (ZERKANOR)
    double KATSAYI = 0;  ///< monthly coefficient
    double YOD = 0;      ///< side-payment coefficient
    double KAK = 0;      ///< seniority points per year
    double TAK = 0;      ///< base-salary coefficient
    double TAG = 0;      ///< base-salary indicator
    double EYMG = 0;     ///< indicator of the highest civil-servant salary
    double EMKESM = 0;   ///< retirement contribution, employee share, percent
    double EMKESD = 0;   ///< retirement contribution, state share, percent
    Money SAKDER1, SAKDER2, SAKDER3;  ///< tax-base allowance by disability degree
    Money INDIRIM;                    ///< tax-base allowance of everybody
    double AYRDP = 0, CYRDP1 = 0, CYRDP2 = 0;  ///< family and child allowance points
    double RPOR = 0;     ///< report-day withholding, percent
    double KEF = 0;      ///< surety-fund rate, percent
    double EGOSK = 0, EGOSB = 0, EGOSEB = 0, EGOS4 = 0, EGOS5 = 0, EGOS6 = 0, EGOS7 = 0;  ///< fractions
    double MYOI = 0, MYOP = 0, GSSI = 0, GSSP = 0;  ///< fractions
    Money YEMEK;         ///< meal allowance per meal day

    // Tax rates (VEROR)
    Money UST1, UST2, UST3, UST4;              ///< bracket limits of the cumulative base
    double OR1 = 0, OR2 = 0, OR3 = 0, OR4 = 0;  ///< fractions
    double DVER = 0;                           ///< stamp tax, fraction
    Money ASUCR;                               ///< gross monthly minimum wage
    double BEKOR = 0, EV1OR = 0, EV2OR = 0;    ///< fractions
    double COC1OR = 0, COC3OR = 0, COC4OR = 0, COC5OR = 0, COC6OR = 0;  ///< fractions
    Money AGIUST;                              ///< upper limit of the minimum living allowance
    int KAZVEROR = 0;   ///< 1: every base taxed at OR1 without cumulating
    int SOZPERVOR = 0;  ///< 1: contract staff at OR1 in the minimum-wage exemption

    // Derived when loaded
    Money EYMM;            ///< E.Y.M.M. amount = EYMG × KATSAYI
    Money NetMinimumWage;  ///< ASUCR less the worker's insurance and unemployment shares
};

/// E.Y.M.M. amount: EYMG × KATSAYI, rounded once to four decimals.
Money eymmAmount(double EYMG, double KATSAYI);
/// ASUCR − ASUCR × SHI ÷ 100 − ASUCR × ISSIZI ÷ 100, each share rounded to four decimals.
Money netMinimumWage(Money ASUCR, double SHI, double ISSIZI);

/// The installation settings (PTANIM) the stages read.
struct EngineSettings {
    QChar ASUCISTISNA;  ///< 'E': the minimum wage is exempt from income and stamp tax
    QChar MKESDUR;      ///< 'O': garnishment instalments capped automatically
    QChar HBORKESDUR;   ///< 'O': service-debt instalments from the ledger, capped
    QChar KEF;          ///< surety basis '1', '2', '3'; anything else: none
    QChar SEN;          ///< union-dues basis '1' … '4'; anything else: none
    bool YEMEKGV = false;   ///< the meal allowance is taxed
    bool YEMEKGSS = false;  ///< premiums are taken on the meal allowance
    bool PEKFARK = false;   ///< the employer pays the premiums on the shortfall below the minimum wage
};

/// The definition of one extra earning item number: the last ZERHESTUR row of that number
/// in table order, whatever its unit.
struct ItemDefinition {
    bool defined = false;  ///< a row of this number exists
    QString ADI;
    QChar DUR;      ///< 'V' in use
    QChar TUR;      ///< 'S' fixed, 'D' per person amount, 'P' points
    QChar SEK;      ///< points on '1' the coefficient, '2' the E.Y.M.M. amount
    QChar BRUTNET;  ///< item 1: 'N' the fixed amount is net and is grossed up
    bool GV = false, DV = false, EMK = false, IND = false;
    Money TUTAR;

    bool inUse() const { return defined && DUR == QLatin1Char('V'); }
    /// The fixed amount of the item (0 unless it is an active fixed item).
    Money fixedAmount() const { return inUse() && TUR == QLatin1Char('S') ? TUTAR : Money(); }
    /// The name kept for the result row: the item's name when it is in use, else empty.
    QString rowName() const { return inUse() ? ADI : QString(); }
};

/// A civil-servant union (SENDIKA row with TUR 'M').
struct UnionDefinition {
    QString SENDIKA;  ///< name
    double ORN = 0;   ///< rate: per mille for HTUR 'D', percent otherwise
    QChar HTUR;
};

struct PayrollRun {
    QString YIL;   ///< working year, four digits
    int AY = 0;    ///< run month 1–12
    QString DON;   ///< half-year of the rates
    EngineSettings settings;
    PeriodRates rates;
    std::array<ItemDefinition, 10> items{};   ///< item n at index n − 1
    std::array<QString, 5> deductionNames{};  ///< active special deduction n (first 15 characters), else empty
    std::array<QString, 5> deductionCaptions{};  ///< the same deductions' whole names, for captions on screen
    QHash<int, UnionDefinition> unions;       ///< by SENKOD
};

}  // namespace zeran::engine
