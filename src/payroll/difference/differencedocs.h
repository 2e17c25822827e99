#pragma once
// The printed difference payrolls ("ZERAN MAAŞ FARK BORDROSU"): two lines per person in
// landscape, the column totals under "A L T      T O P L A M L A R" and the unit's three
// signatories. Built from plain data only; the print screen and "zeran-cli print
// difference|inflation" both use it.

#include "differenceloader.h"
#include "document.h"
#include "printdata.h"

#include <QDate>

namespace zeran::difference {

inline constexpr const char *kDocumentTitle = "ZERAN MAAŞ FARK BORDROSU";

struct DocumentData {
    Kind kind = Kind::Difference;
    QString unitText;            ///< the unit selector's text ("Tümü" or the unit's name)
    QDate today;                 ///< the payroll's day: "AİT OLDUĞU AY" is "15 <month> <year>"
    const LoadedDifference &loaded;
    const std::vector<DifferencePay> &pays;
    payrolldocs::UnitInfo unit;  ///< the signatories
};

/// "Katsayı Farkı" and "Yan.Ö.K.Farkı" as the screen shows them: seven decimals.
QString coefficientText(double value);

report::Document differenceDocument(const DocumentData &data);

}  // namespace zeran::difference
