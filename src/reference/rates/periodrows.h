#pragma once
// The rate rows of one period as the payroll engine reads them: the legal rates (ZERKANOR),
// the tax rates (VEROR), the worker-program rates of the year (ISCKANOR) and the extra
// earning definitions (ZERHESTUR), loaded with four queries. Columns keep their stored
// units (percentages stay percentages); a NULL column reads as 0. Rates are doubles,
// amounts (lira) are zeran::Money.

#include "database.h"
#include "money.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>
#include <vector>

namespace zeran::rates {

/// A ZERKANOR row.
struct LegalRates {
    int KAYNO = 0;
    QString YIL, DON, HNO;
    double KATSAYI = 0, YOD = 0, KAK = 0, TAK = 0, TAG = 0, EYMG = 0;
    double EMKESM = 0, EMKESD = 0;                    ///< percent
    double MYOI = 0, MYOP = 0, GSSI = 0, GSSP = 0;    ///< percent
    double BES = 0;
    double EGOSK = 0, EGOSB = 0, EGOSEB = 0, EGOS4 = 0, EGOS5 = 0, EGOS6 = 0, EGOS7 = 0;  ///< percent
    double AYRDP = 0, CYRDP1 = 0, CYRDP2 = 0;         ///< allowance points
    Money YEMEK;                                      ///< meal allowance per day
    Money SAKDER1, SAKDER2, SAKDER3;                  ///< disability allowance per month
    Money INDIRIM;                                    ///< tax reduction amount
    double RPOR = 0, SENDIKA = 0, KEF = 0;            ///< percent
    double BASKAN = 0;                                ///< mayor's indicator
    double TASM = 0, TASD = 0, TAYIN = 0, OYAK = 0;
    Money ASUCR;                                      ///< not used (the minimum wage is TaxRates::ASUCR)
};

/// A VEROR row.
struct TaxRates {
    QString YIL, DON;
    Money UST1, UST2, UST3, UST4;                     ///< bracket upper bounds
    double OR1 = 0, OR2 = 0, OR3 = 0, OR4 = 0;        ///< percent
    double DVER = 0;                                  ///< per mille
    double VIDVER = 0;
    double BEKOR = 0, EV1OR = 0, EV2OR = 0;           ///< percent
    double COC1OR = 0, COC2OR = 0, COC3OR = 0, COC4OR = 0, COC5OR = 0, COC6OR = 0;  ///< percent
    Money AGIUST, ASUCR, BASKAN, ENCUMEN, MECLIS;
    int KAZVEROR = 0, SOZPERVOR = 0, ENCMECVOR = 0, BSKYRDVOR = 0;  ///< 0 "Vergi Matrahından", 1 "1. Dilimden"
};

/// SHI and ISSIZI of the worker program's ISCKANOR row of the year.
struct WorkerRates {
    double SHI = 0;     ///< percent
    double ISSIZI = 0;  ///< percent
};

/// A ZERHESTUR row (extra earning slot).
struct EarningType {
    int HNO = 0, BKOD = 0;
    QString ADI, DUR, GV, DV, EMK, IND, TUR, SEK;
    Money TUTAR;
    QString BRUTNET, KOD;
};

struct PeriodRows {
    std::optional<LegalRates> legal;   ///< nullopt: no row for the year and period
    std::optional<TaxRates> tax;       ///< nullopt: no row for the year and period
    std::optional<WorkerRates> worker; ///< nullopt: no ISCKANOR row for the year
    std::vector<EarningType> earningTypes;  ///< every row, ordered by HNO, BKOD
};

/// Loads the period `year`/`don` ("1", "2" or "3"). ISCKANOR is read by the year alone
/// (first row by DON when the sibling program keeps several). Throws db::DbError.
PeriodRows loadPeriod(db::Database &db, const QString &year, const QString &don);

/// Every rate of the rows as ("ZERKANOR.KATSAYI", "1.387871") in column order, the values in
/// their shortest decimal form ('.' as decimal point); the key columns are left out.
QList<QPair<QString, QString>> periodRateLines(const PeriodRows &rows);

/// The shortest decimal form of an amount: "190000", "121.5", "-0.25".
QString shortestAmount(Money amount);

}  // namespace zeran::rates
