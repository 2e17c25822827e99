#pragma once
// The layouts of the stored payroll result row (ZERMAAS) and the pay-record snapshot row
// (ZERARSIV): plain structs whose members bear the column names, the fixed column orders
// of the insert statements, and the conversion of a row to and from the values bound to /
// read from those columns. No SQL here (see resultstore.h).
//
// Amounts are zeran::Money. Stored amounts have two decimals, except ACIKKES and EKMAT
// which may keep four; a two-decimal column handed a third or fourth decimal is refused
// (ResultValueError) rather than silently rounded, because it means the caller skipped a
// rounding step and the stored totals would no longer add up.

#include "money.h"
#include "payrollkind.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>
#include <stdexcept>

namespace zeran::results {

/// A value that the layout refuses to store (an amount with more decimals than its column
/// keeps, a month outside 1–12, a year that is not four digits).
class ResultValueError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

/// One payroll: working year, month and kind.
struct PayrollMonth {
    QString YIL;  ///< four digits
    int AY = 0;   ///< 1–12
    PayrollKind TUR = PayrollKind::Monthly;
};

/// The keys common to both tables.
struct RowKey {
    int PKAYNO = 0;  ///< person
    int BKOD = 0;    ///< pay unit
    int PKOD = 0;    ///< the person's code within the unit
    PayrollKind TUR = PayrollKind::Monthly;
    QString YIL;
    int AY = 0;
};

/// One ZERMAAS row.
struct ResultRow {
    RowKey key;

    Money AYTUT, EGOSTUT, TABAY, KIDAY, YANOD, OZHIZTAZ, EKODTUT, FAZMES, LOJTAZ, EKTAZ, DILTAZ, DIGTAZ;
    Money AILEYRD, COCYRD, COCYRD1, ARTIS, TERFAR;
    std::array<Money, 10> KAZ{};     ///< KAZ1 … KAZ10 (index 0 is KAZ1)
    std::array<QString, 10> KAZA{};  ///< KAZA1 … KAZA10: item names, cut to the 15 characters the column holds
    Money YEMEK, GELTOP;
    Money EKMAT;  ///< four decimals allowed
    Money EMKESM, EMKESD, GSSMAT, MYOI, MYOP, GSSI, GSSP, DVVIADE, PEKFARK;
    Money INDIRIM, OZIN, VERMAT;
    double VEROR = 0;  ///< marginal rate as a fraction (0.15)
    Money GELVER, DVMAT, DAMVER, VERMAT1;
    double VEROR1 = 0;  ///< marginal rate of the minimum-wage exemption in percent (15)
    Money GELVER1, DVMAT1, DAMVER1, GELVERKES, DAMVERKES, AGIMAT, VIADE, BES;
    Money HIZBOR, ICRA, KIRA, PCEZA, KEFALET, SEN1, SEN2, SEN3;
    std::array<Money, 5> KES{};     ///< KES1 … KES5
    std::array<QString, 5> KESA{};  ///< KESA1 … KESA5, cut to 15 characters
    Money OZELKES, KESTOP, MAAS;
    Money ACIKKES;  ///< four decimals allowed

    // Written by the derived payrolls only; empty (NULL) in a monthly row.
    std::optional<Money> EKFARK, OTURUM, OTRUCR;
    QDate TAR;  ///< payroll date; NULL when invalid

    // Payment status and journal number: never written by the insert, only read back.
    QString ODE;
    std::optional<double> ODENO, ODETAR, YEVNO;

    /// The amount paid out: MAAS − ACIKKES.
    Money paidOut() const { return MAAS - ACIKKES; }
};

/// One ZERARSIV row: the pay record's attributes as they were for the payroll.
struct SnapshotRow {
    RowKey key;
    int UKOD = 0;
    QString MHAL, ESI;
    int COC1 = 0, COC2 = 0, DIGCOC = 0, SAKDER = 0, KIDEM = 0;
    int DER = 0, KAD = 0, GOS = 0, MDER = 0, MKAD = 0, MGOS = 0, EGOS = 0, MEGOS = 0;
    int YOP = 0, OHT = 0, EKOD = 0, RAPOR = 0;
    QString YIG;
    double KGUN = 0;  ///< days paid in a partial month (FLOAT column)
    int TFA = 0, GF = 0, KIDART = 0;
    QString KEFALET, VEKIL, KISTEMKES, SENDIKA, GSSTUR;
    QDate TERTAR;  ///< NULL when invalid
    int YDER = 0, YKAD = 0, YGOS = 0, YEGOS = 0, YKID = 0, YEMEKGUN = 0;
    QString MDUR, HKOD;  ///< left empty by the monthly run
};

/// The ZERMAAS columns in the order the insert statement names them: the monthly run's
/// fixed order (PKOD, BKOD, TUR, AY, YIL, PKAYNO, INDIRIM, … , YEMEK) followed by the
/// derived payrolls' EKFARK, OTURUM, OTRUCR and TAR.
const QStringList &resultInsertColumns();
/// The ZERARSIV columns in insert order: the fixed order (AY, TUR, PKOD, … , YEMEKGUN)
/// followed by MDUR and HKOD.
const QStringList &snapshotInsertColumns();
/// Every column a read gives back (insert columns plus ODE, ODENO, ODETAR, YEVNO for ZERMAAS).
const QStringList &resultReadColumns();
const QStringList &snapshotReadColumns();

/// "INSERT INTO ZERMAAS (PKOD,BKOD,…) VALUES (:PKOD,:BKOD,…)".
QString resultInsertSql();
QString snapshotInsertSql();

/// The values to bind, in insert-column order: amounts as doubles (Money::toDouble), empty
/// texts and invalid dates as NULL. Throws ResultValueError for a refused value.
QVariantList resultInsertValues(const ResultRow &row);
QVariantList snapshotInsertValues(const SnapshotRow &row);

/// A row from the values of its read columns (`value(name)` gives the column's value).
/// NULL amounts read as 0; texts are trimmed.
using ColumnReader = std::function<QVariant(const QString &column)>;
ResultRow resultFromColumns(const ColumnReader &value);
SnapshotRow snapshotFromColumns(const ColumnReader &value);

/// Checks the key: four-digit year, month 1–12. Throws ResultValueError.
void checkKey(const RowKey &key);
void checkMonth(const PayrollMonth &month);

}  // namespace zeran::results
