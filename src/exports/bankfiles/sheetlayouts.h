#pragma once
// The workbook layouts: the cells each one writes into a workbook held in memory
// (spreadsheet.h). Filling is pure; only saving, and opening a template or an earlier
// workbook, needs the spreadsheet engine (see produce.h). Every layout writes the rows paid
// (net above zero) and its control totals are the sums of the amounts written.

#include "bankfile.h"
#include "spreadsheet.h"

namespace zeran::bankfiles {

inline constexpr QStringView kHalkbankSheet = u"HalkbankDTO";
inline constexpr QStringView kZiraatSheet = u"DATA";

/// What a fill wrote.
struct SheetResult {
    int count = 0;   ///< payment rows written, merged ones included
    int merged = 0;  ///< of which copied from the earlier workbook
    Money total;     ///< Σ of the amounts written
};

/// Layout "E" into the first sheet of a new workbook; rows of an earlier "E" workbook
/// (`earlier`, may be null) are appended under the data rows before the total.
SheetResult fillWorkbookE(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p,
                          const sheet::Workbook *earlier = nullptr);
/// Layouts "3" and "4" into the first sheet of a new workbook, with the merge of an earlier
/// workbook of the same layout.
SheetResult fillHalkbank(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p,
                         const sheet::Workbook *earlier = nullptr);
/// Layout "5": sheet "HalkbankDTO" of the bank's template, opened into `wb`.
SheetResult fillHalkbankTemplate(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, bool iban);
/// Layout "6": sheet "DATA" of the bank's template, opened into `wb`.
SheetResult fillZiraatTemplate(sheet::Workbook &wb, const PaymentHeader &h, const Payments &p, bool iban);

}  // namespace zeran::bankfiles
