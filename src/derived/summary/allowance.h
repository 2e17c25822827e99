#pragma once
// The minimum-living-allowance list ("VERGİ İADE BORDROSU"): for a month of the working year,
// every kind-"1" result row that paid the allowance, with the allowance rate and base of the
// person's family situation and what the allowance paid month by month up to that month.
// A pure function of plain rows; the loader is allowanceloader.h.

#include "money.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace zeran::summary {

/// The shares of the working year's VEROR row of the month's half-year, in percent.
struct AllowanceRates {
    Money ASUCR;  ///< monthly gross minimum wage
    double BEKOR = 0, EV1OR = 0, EV2OR = 0;
    double COC1OR = 0, COC3OR = 0, COC4OR = 0, COC5OR = 0, COC6OR = 0;
    double OR1 = 0;  ///< first income-tax bracket
    bool found = false;
};

/// One result row of the month with VIADE above 0 and today's pay record behind it.
struct AllowanceSource {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString EMSNO, BIRIM, ADSOY;
    Money VIADE;
    // The pay record (empty when it no longer exists).
    QString MHAL, ESI;
    int DIGCOC = 0;
};

/// The allowance rate (percent) and the monthly base of a family situation, by the monthly
/// payroll's own rule: the person's share by marital status and spouse, the children counted
/// once on DIGCOC (more than six as six), the base rounded to two decimals.
struct AllowanceShare {
    Money percent;
    Money base;
};
AllowanceShare allowanceShare(const AllowanceRates &rates, const QString &MHAL, const QString &ESI, int DIGCOC);

struct AllowanceRow {
    AllowanceSource source;
    Money ORAN;    ///< rate in percent
    Money ASGMAT;  ///< 12 × the monthly base
    Money ASGTUT;  ///< the monthly allowance of the base: ASGMAT × the first bracket ÷ 12
    std::array<std::optional<Money>, 12> AY{};  ///< months up to the chosen one; later months empty
};

struct AllowanceList {
    QString year;
    int month = 0;
    Money yearlyMinimumWage;  ///< 12 × ASUCR
    std::vector<AllowanceRow> rows;
    Money totalASGMAT, totalASGTUT;
    std::array<std::optional<Money>, 12> totalAY{};
};

/// Month values: (PKAYNO, month) → the allowance of the person's kind-"1" rows of that month.
using MonthValues = std::map<std::pair<int, int>, Money>;

/// The list of `month` from the month's rows (in their order), the earlier months' values and
/// the rates. A month without a row of the person shows 0.
AllowanceList allowanceList(const QString &year, int month, const AllowanceRates &rates,
                            const std::vector<AllowanceSource> &rows, const MonthValues &earlier);

/// {"year", "month", "yearlyMinimumWage", "rows": [{"PKAYNO", "ADSOY", "ORAN", "ASGMAT", "ASGTUT",
/// "AY1" … "AY12"}], "totals": {…}}; amounts as two-decimal texts, later months null.
QJsonObject allowanceJson(const AllowanceList &list);

}  // namespace zeran::summary
