#pragma once
// The run screen's and the archive's printing of the payroll documents, on a printer the
// screen has already chosen (report::choosePrinter; when the clerk cancels that dialog the
// screen calls none of these). Each function builds its document from the data as it is at
// that moment and shows the print preview over `printer`; printing from the preview goes to
// that printer.
//
//   QPrinter printer;                                   // kept by the screen between prints
//   if (!report::choosePrinter(this, printer)) return;  // "Toplu Yaz"
//   const payrollmake::MakeResult made = payrollmake::make(...);   // BORDROYAZ
//   if (!made.printable()) return;
//   const PrintContext ctx = loadPrintContext(db, selectedUnit);
//   previewPayrollDocument(this, printer, {made.loaded, made.pays, ctx, periodText(today)});

#include "payrolldocs.h"

class QPrinter;
class QWidget;

namespace zeran::payrolldocs {

/// "Bordro Yazdır" / "Toplu Yaz": the unit payroll document.
void previewPayrollDocument(QWidget *parent, QPrinter &printer, const RunData &run);

/// "Bordro Yazdır" / "Detay Yaz": the detailed statements and the unit's totals page
/// (`totals`: ALTTOPLAM after the save step, MakeResult::totals).
void previewRunStatements(QWidget *parent, QPrinter &printer, const RunData &run, const results::MonthTotals &totals);

/// "Maaş Fişi Yazdır" of the payroll sheet: the statements of person `pkayno`.
void previewPersonStatements(QWidget *parent, QPrinter &printer, const RunData &run, int pkayno);

/// What printPayslips() did.
enum class PayslipOutput {
    Previewed,  ///< PTANIM.ONIZ "E"
    Printed,    ///< ONIZ "H": printed at once, without preview
    Nothing,    ///< ONIZ neither: nothing is shown or printed
};

/// "Fiş Yazdır": the payslips, previewed or printed as PTANIM.ONIZ (run.context.ONIZ) says.
PayslipOutput printPayslips(QWidget *parent, QPrinter &printer, const RunData &run);

/// Archive "Toplu Yaz" (kinds 1–3): the archive payroll document.
void previewArchiveDocument(QWidget *parent, QPrinter &printer, const ArchiveData &archive);

/// Archive "Detay Yaz" (`onlyRow` empty) or "Tek Yaz" (the current row's index).
void previewArchiveStatements(QWidget *parent, QPrinter &printer, const ArchiveData &archive,
                              std::optional<std::size_t> onlyRow = {});

/// "Maaş Fişi Yazdır" of the stored payroll viewer: the archived payslip.
void previewArchivePayslip(QWidget *parent, QPrinter &printer, const ArchivePayslipData &data);

}  // namespace zeran::payrolldocs
