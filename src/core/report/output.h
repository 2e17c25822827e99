#pragma once
// Where a document goes: the print preview, the printer chosen in the printer dialog, or a
// PDF file. All three paint through render.h, so what is previewed is what is printed.
//
// The order the clerk sees: the printer is chosen first (choosePrinter; cancelling prints
// nothing), then the document is previewed (preview) or, where the settings say so, printed
// at once (print).

#include "document.h"

#include <QString>

class QPrinter;
class QWidget;

namespace zeran::report {

/// The printer dialog on `printer`. False when the clerk cancels: nothing is to be printed.
bool choosePrinter(QWidget *parent, QPrinter &printer);

/// The print preview of `doc` on `printer` (modal); printing from it goes to `printer`.
void preview(QWidget *parent, QPrinter &printer, const Document &doc);

/// Prints `doc` on `printer` at once. Returns the number of pages (0: nothing printed).
int print(QPrinter &printer, const Document &doc);

/// Writes `doc` as a PDF file (high resolution, A4). False with `error` set when the file
/// cannot be written.
bool writePdf(const Document &doc, const QString &fileName, QString *error = nullptr);

}  // namespace zeran::report
