#pragma once
// The two printed forms of the module, built as report::Documents from plain data: the
// payroll summary (full or meeting-fee layout) and the minimum-living-allowance form.

#include "allowance.h"
#include "document.h"
#include "summary.h"

namespace zeran::summary {

/// What the summary prints around its lines.
struct SummaryHeader {
    QChar unitKind;     ///< MTUR of the chosen unit; null for "TÜMÜ"
    QString kurumu;     ///< the unit's name, or the institution's for "TÜMÜ"
    int month = 0;
    QString year;
    QString TAS, TUN, SAS, SUN, IAS, IUN;  ///< the unit's signatories
};

/// "ZERAN MAAŞ İCMALİ" … : the summary on one portrait page (the meeting-fee mode in its
/// compact layout).
report::Document summaryDocument(const Summary &summary, const SummaryHeader &header);

/// "ASGARİ GEÇİM İNDİRİMİNE AİT BORDRO" ("EK: 2"), landscape, with its totals and fixed notes.
report::Document allowanceDocument(const AllowanceList &list);

}  // namespace zeran::summary
