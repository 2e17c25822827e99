#pragma once
// Data access of the summary and of the allowance list: what they read of the stored result
// rows, the pay records, units, unions, item definitions, rates and the settings row. A fixed
// number of statements whatever the number of people. Only reads.

#include "allowance.h"
#include "database.h"
#include "summary.h"
#include "summarydocs.h"

#include <QString>

#include <vector>

namespace zeran::summary {

/// A unit of this system (BIRIM, TUR 'M') as the unit selectors offer it.
struct UnitChoice {
    int BKOD = 0;
    QString BIRIM;
    QChar MTUR;
};

/// The active units a mode offers, by name: salary units (MTUR 'N') for the monthly,
/// difference and inflation-difference modes, the others for the meeting-fee mode.
std::vector<UnitChoice> summaryUnits(db::Database &db, SummaryMode mode);

/// The kind (MTUR) of unit `bkod` of this system; null when there is none.
QChar unitKind(db::Database &db, int bkod);

/// What the summary of one month is computed from.
struct SummaryRequest {
    SummaryMode mode = SummaryMode::Monthly;
    QString year;      ///< working year
    int month = 0;     ///< working month
    int unit = 0;      ///< BKOD; 0 = "TÜMÜ"
    int person = 0;    ///< PKAYNO in the one-person mode
};

/// The month's stored rows of the mode's kinds (of the unit, of the person when asked) with
/// today's union of each pay record, the union names, item definitions, the half-year's rates
/// and the exemption switch. Throws db::DbError.
SummaryInput loadSummaryInput(db::Database &db, const SummaryRequest &request);

/// The printed header: the unit's name and signatories, or for "TÜMÜ" the institution's name
/// and the default unit's signatories.
SummaryHeader loadSummaryHeader(db::Database &db, const SummaryRequest &request);

/// The units whose monthly rows of the year paid the allowance, by name.
std::vector<UnitChoice> allowanceUnits(db::Database &db, const QString &year);

/// The rates, the month's rows that paid the allowance and the earlier months' values.
struct AllowanceInput {
    AllowanceRates rates;
    std::vector<AllowanceSource> rows;
    MonthValues earlier;
};
AllowanceInput loadAllowanceInput(db::Database &db, const QString &year, int month, int unit);

/// loadAllowanceInput and allowanceList in one call.
AllowanceList loadAllowanceList(db::Database &db, const QString &year, int month, int unit);

}  // namespace zeran::summary
