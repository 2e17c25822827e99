#include "runprinting.h"

#include "output.h"
#include "printing.h"
#include "printloader.h"
#include "prompter.h"
#include "session.h"

namespace {

/// The documents read the unit and settings rows first; a failure there is shown, not thrown
/// through the screen's event handler.
template <typename Fn>
void guarded(QWidget *parent, zeran::ui::Prompter &prompter, Fn &&fn)
{
    try {
        fn();
    } catch (const zeran::db::DbError &e) {
        prompter.inform(parent, QStringLiteral("Bordro yazdırılamadı: ") + e.text);
    }
}

}  // namespace

DocumentRunPrinter::DocumentRunPrinter(zeran::Session &session, zeran::ui::Prompter &prompter)
    : session_(session), prompter_(prompter)
{
}

bool DocumentRunPrinter::choosePrinter(QWidget *parent)
{
    return zeran::report::choosePrinter(parent, printer_);
}

void DocumentRunPrinter::payrollDocument(QWidget *parent, const zeran::payrollmake::MakeResult &made, int unit,
                                         const QString &periodText)
{
    guarded(parent, prompter_, [&] {
        const auto context = zeran::payrolldocs::loadPrintContext(session_.main(), unit);
        zeran::payrolldocs::previewPayrollDocument(parent, printer_, {made.loaded, made.pays, context, periodText});
    });
}

void DocumentRunPrinter::detailedStatements(QWidget *parent, const zeran::payrollmake::MakeResult &made, int unit,
                                            const QString &periodText)
{
    guarded(parent, prompter_, [&] {
        const auto context = zeran::payrolldocs::loadPrintContext(session_.main(), unit);
        zeran::payrolldocs::previewRunStatements(parent, printer_, {made.loaded, made.pays, context, periodText},
                                                 made.totals);
    });
}

void DocumentRunPrinter::payslips(QWidget *parent, const zeran::payrollrun::LoadedRun &loaded,
                                  const std::vector<zeran::engine::PersonPay> &pays, int unit, const QString &periodText)
{
    guarded(parent, prompter_, [&] {
        const auto context = zeran::payrolldocs::loadPrintContext(session_.main(), unit);
        zeran::payrolldocs::printPayslips(parent, printer_, {loaded, pays, context, periodText});
    });
}
