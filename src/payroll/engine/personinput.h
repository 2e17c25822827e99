#pragma once
// What the engine reads about one person: the pay record (ZERBORBIL) and the sums the loader
// gathers for everybody of the run in grouped queries (the person's earlier result rows and
// the garnishment and service-debt ledgers).

#include "money.h"

#include <QChar>
#include <QDate>

#include <array>

namespace zeran::engine {

/// A pay record as stored. One-letter codes are QChar (null when the column is empty);
/// amounts are Money; EKTAZ is a percentage held as a four-decimal number.
struct PayRecord {
    int PKAYNO = 0, BKOD = 0, PKOD = 0, UKOD = 0;
    QChar DURUM;   ///< 'E' paid, 'H' not paid, 'A' suspended, 'Ü' unpaid leave
    QChar PERTUR;  ///< 'M' civil servant, 'S' contract, 'D' other
    QChar GSSTUR;  ///< 'E' retirement fund (also when empty), '5' law 5510, 'Y' none, 'V' acting
    int DER = 0, KAD = 0, GOS = 0, EGOS = 0;
    int MDER = 0, MKAD = 0, MGOS = 0, MEGOS = 0;
    int KIDEM = 0, YOP = 0, OHT = 0, EKOD = 0;
    Money EKTAZ;  ///< additional compensation, percent of the E.Y.M.M. amount
    Money LTAZ, DIGTAZ, DTAZ, MESAI;
    int COC1 = 0, COC2 = 0, DIGCOC = 0;
    QChar MHAL;  ///< '1' married, '2' single, '3' divorced
    QChar ESI;   ///< '1' works, '2' does not work, '3' retired
    QChar AGI, ACOCYRD;
    int SAKDER = 0, RAPOR = 0;
    int KGUN = 0;          ///< days paid in a partial month; 0 for a full month
    double KGUNstored = 0; ///< the KGUN column as stored (the snapshot copies it)
    QChar KISTEMKES;
    int TFA = 0, GF = 0, EKGF = 0, KIDART = 0;
    QDate TERTAR;
    int YDER = 0, YKAD = 0, YGOS = 0, YEGOS = 0, YKID = 0;
    QChar KEFALET, SENDIKA;
    int SENKOD = 0;
    QChar YIG, VEKIL, BES;
    double BESORAN = 0;  ///< private pension percentage
    std::array<Money, 5> KES{};     ///< KES1 … KES5
    std::array<Money, 10> KAZ{};    ///< KAZ1 … KAZ10: amounts or points
    std::array<QChar, 10> KAZS{};   ///< KAZS1 … KAZS10: 'E' the person has fixed item n
    Money PCEZA, KIRA, OZIN, HIZBOR;
    bool HIZBORDUR = false;  ///< "Peşin Ödeme": the service-debt instalment is not withheld
    QChar KISZAMAN;
    int YEMEKGUN = 0;

    /// GSSTUR with an empty code read as 'E'.
    QChar insuranceKind() const;
    bool acting() const { return VEKIL == QLatin1Char('E'); }
    bool partialMonth() const { return KGUN > 0; }
};

/// Totals of one person's debt ledger (ICRA or HIZBOR).
struct DebtTotals {
    Money total;               ///< Σ TUTAR of every order, running or finished
    Money runningInstalments;  ///< Σ KESTUT of the running orders (DUR 'D')
};

/// Sums over the person's stored result rows (ZERMAAS).
struct EarlierSums {
    /// Σ VERMAT / VERMAT1 of the rows of the working year up to the run month (every kind and unit).
    Money vermatToMonth, vermat1ToMonth;
    /// Σ VERMAT / VERMAT1 of the person's own monthly row of the run month in this unit: the
    /// row this run replaces.
    Money vermatOwnRow, vermat1OwnRow;
    /// Instalments already deducted: Σ ICRA / HIZBOR of all the person's rows (any year, kind
    /// and unit) except those this run replaces.
    Money icraPaid, hizborPaid;
};

struct PersonInput {
    PayRecord rec;
    DebtTotals garnishments;   ///< ICRA ledger
    DebtTotals serviceDebts;   ///< HIZBOR ledger
    EarlierSums earlier;
};

}  // namespace zeran::engine
