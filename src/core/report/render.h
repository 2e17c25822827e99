#pragma once
// The one painting path of the printed documents: the preview, the printer and PDF all call
// paint() on a QPrinter. A4 in the document's orientation.

#include "document.h"

class QPrinter;

namespace zeran::report {

/// A4 in the document's orientation with the margins of the documents, on `printer`.
void setUpPage(QPrinter &printer, const Document &doc);

/// Paints every page of `doc` on `printer` (set up by setUpPage): the title, "SAYFA NO :" and
/// the page-header bands on every page, the record blocks, then the totals and the signature
/// blocks once after the last record. Returns the number of pages, 0 when the printer could
/// not be opened.
int paint(const Document &doc, QPrinter &printer);

}  // namespace zeran::report
