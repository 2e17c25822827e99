#pragma once
// What every payroll document builds with: cells, amounts as printed, the run's rows as they
// will be written and the unit's signatories. Internal to the documents.

#include "document.h"
#include "format.h"
#include "printdata.h"
#include "writtenrow.h"

#include <cstddef>
#include <vector>

namespace zeran::payrolldocs::detail {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Document;
using report::Layout;
using report::Row;

/// Every amount of the documents: "#,0.00".
inline QString amt(Money m)
{
    return report::amount(m);
}

/// The documents' captions are written in UTF-8.
inline QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

Cell cell(QString text, int column, Align align = Align::Left, int span = 1, bool bold = false);
Cell field(QString caption, QString text, int column, int span = 1, Align align = Align::Left, bool bold = false);

/// "a/b": grade and step.
QString pair(int a, int b);
/// "young / older": the children under six and the older ones.
QString children(int young, int older);

/// "Düzenleyen", "Muhasebe Yetkilisi" and "Harcama Yetkilisi" of the unit.
std::vector<report::Signature> threeSignatures(const UnitInfo &u);

/// One person's row of the run: the written row (two-decimal amounts after the display rules)
/// and the shown values the row has no column for.
struct RunRow {
    const payrollrun::RunPerson &person;
    payrollrun::ShownPay shown;
    results::ResultRow row;
};

RunRow runRow(const RunData &run, std::size_t i);

QString fullName(const payrollrun::RunPerson &p);

}  // namespace zeran::payrolldocs::detail
