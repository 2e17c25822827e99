#pragma once
// The indicator tables GOSTAN (indicator of every grade and step) and EKGOSTAN (supplementary
// indicators by service class, subclass and grade), the unit grade allowances ELOHT that the
// picker reads, the pay-record columns the picker sets and the promotion-date list. Every
// statement on those three tables lives here; pay-record writes go through the pay-record store.

#include "database.h"
#include "gradepicker.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace zeran::grades {

// ---- GOSTAN ------------------------------------------------------------------------------

/// Every grade, ordered by DER.
std::vector<IndicatorRow> readIndicators(db::Database &db);

/// Why a table was refused (nothing stored then).
struct TableProblem {
    int row = -1;  ///< index into the rows given
    QString message;
};

/// Replaces the whole table in one unit of work. A grade must be 1 or more and appear once.
std::optional<TableProblem> saveIndicators(db::Database &db, const std::vector<IndicatorRow> &rows);

// ---- Service classes and EKGOSTAN ----------------------------------------------------------

struct ServiceClass {
    int SNFKOD = 0;
    QString SINIF;
};
/// HIZSNF in stored order.
std::vector<ServiceClass> serviceClasses(db::Database &db);

struct SubClass {
    QString ALTKOD;
    QString ACIK;
};
std::vector<SubClass> subClasses(db::Database &db, int snfkod);

struct SupplementaryRow {
    int SNFKOD = 0;
    QString ALTKOD;  ///< empty for none
    int DER = 0;
    double EKGOS = 0;
    friend bool operator==(const SupplementaryRow &, const SupplementaryRow &) = default;
};

/// The rows of one class, ordered by subclass and grade.
std::vector<SupplementaryRow> readSupplementary(db::Database &db, int snfkod);

/// Replaces the rows of class `snfkod` in one unit of work: rows without a grade are dropped
/// (not saved), every row takes the class; two rows of the same subclass and grade are refused.
std::optional<TableProblem> saveSupplementary(db::Database &db, int snfkod, const std::vector<SupplementaryRow> &rows);

/// The supplementary indicator of a class, subclass and grade (an empty subclass matches an
/// empty one); nullopt when there is no row.
std::optional<double> supplementaryIndicator(db::Database &db, int snfkod, const QString &altkod, int der);

// ---- ELOHT ---------------------------------------------------------------------------------

std::optional<UnitAllowance> unitAllowance(db::Database &db, int bkod, int der);

// ---- The picker on a pay record --------------------------------------------------------------

struct RecordKey {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
};

/// The columns the picker reads from a pay record; nullopt when the record is gone.
std::optional<GradeRecord> readGradeRecord(db::Database &db, const RecordKey &key);

/// The values last paid to the record: its archived monthly row of month `month` of `year`
/// when there is one with an indicator, otherwise the record itself with a pending difference
/// (TFA set) taken off its indicator.
PaidValues paidValues(db::Database &db, const RecordKey &key, int year, int month);

/// Writes the columns a pick of `mode` sets. Returns the rows changed.
int writeGradeRecord(db::Database &db, const RecordKey &key, PickMode mode, const GradeRecord &r);

// ---- Promotion dates ---------------------------------------------------------------------------

struct PromotionDate {
    RecordKey key;
    QString ADSOY, EMSNO;
    QDate TERTAR;
};
/// Every pay record of every unit.
std::vector<PromotionDate> promotionDates(db::Database &db);
/// Sets (or empties, with an invalid date) a record's promotion date.
int setPromotionDate(db::Database &db, const RecordKey &key, const QDate &date);

inline constexpr const char *kGradeMissing = "DİKKAT! Derece Giriniz.";
inline constexpr const char *kGradeTwice = "DİKKAT! Bu derece zaten tanımlı.";
inline constexpr const char *kSupplementaryTwice = "DİKKAT! Bu alt sınıf ve derece zaten tanımlı.";

}  // namespace zeran::grades
