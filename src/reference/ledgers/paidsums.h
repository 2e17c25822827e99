#pragma once
// The garnishment and service-debt instalments already deducted from a person: the sums of
// ZERMAAS.ICRA and ZERMAAS.HIZBOR over the person's result rows of every year, unit and
// payroll kind. The ledger screens show them; the payroll engine caps this month's
// instalments with them (cappedInstalment in ledgers.h), so it can leave out the payroll it
// is about to write again.

#include "database.h"
#include "money.h"

#include <QHash>
#include <QString>
#include <optional>

namespace zeran::ledgers {

enum class DebtKind;

struct PaidSums {
    Money garnishment;  ///< Σ ZERMAAS.ICRA
    Money serviceDebt;  ///< Σ ZERMAAS.HIZBOR
    Money of(DebtKind kind) const;
    friend bool operator==(const PaidSums &, const PaidSums &) = default;
};

/// A payroll whose rows are not counted: the one a run is about to delete and write again,
/// so that its own earlier result does not count as already deducted. With a unit, only
/// that unit's rows of the payroll are left out (a run of one unit).
struct PayrollKey {
    int year = 0;  ///< YIL
    int month = 0; ///< AY
    QString kind;  ///< TUR, e.g. "1"
    std::optional<int> bkod;
};

/// Every person with result rows, by PKAYNO, in one grouped query.
QHash<int, PaidSums> paidSums(const db::Database &db, const std::optional<PayrollKey> &leaveOut = std::nullopt);

/// The people with a pay record in unit `bkod`, by PKAYNO, in one grouped query. Their rows
/// of every unit count.
QHash<int, PaidSums> paidSumsOfUnit(const db::Database &db, int bkod,
                                    const std::optional<PayrollKey> &leaveOut = std::nullopt);

/// One person (zero sums when the person has no result row).
PaidSums paidSumsOf(const db::Database &db, int pkayno, const std::optional<PayrollKey> &leaveOut = std::nullopt);

}  // namespace zeran::ledgers
