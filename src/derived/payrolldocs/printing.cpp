#include "printing.h"

#include "output.h"

namespace zeran::payrolldocs {

void previewPayrollDocument(QWidget *parent, QPrinter &printer, const RunData &run)
{
    report::preview(parent, printer, payrollDocument(run));
}

void previewRunStatements(QWidget *parent, QPrinter &printer, const RunData &run, const results::MonthTotals &totals)
{
    report::preview(parent, printer, runStatements(run, totals));
}

void previewPersonStatements(QWidget *parent, QPrinter &printer, const RunData &run, int pkayno)
{
    report::preview(parent, printer, personStatements(run, pkayno));
}

PayslipOutput printPayslips(QWidget *parent, QPrinter &printer, const RunData &run)
{
    if (run.context.ONIZ == QLatin1String("E")) {
        report::preview(parent, printer, payslips(run));
        return PayslipOutput::Previewed;
    }
    if (run.context.ONIZ == QLatin1String("H")) {
        report::print(printer, payslips(run));
        return PayslipOutput::Printed;
    }
    return PayslipOutput::Nothing;
}

void previewArchiveDocument(QWidget *parent, QPrinter &printer, const ArchiveData &archive)
{
    report::preview(parent, printer, archivePayrollDocument(archive));
}

void previewArchiveStatements(QWidget *parent, QPrinter &printer, const ArchiveData &archive,
                              std::optional<std::size_t> onlyRow)
{
    report::preview(parent, printer, archiveStatements(archive, onlyRow));
}

void previewArchivePayslip(QWidget *parent, QPrinter &printer, const ArchivePayslipData &data)
{
    report::preview(parent, printer, archivePayslip(data));
}

}  // namespace zeran::payrolldocs
