#pragma once
// The payroll screen prints through the payroll documents: the printer chosen once is kept for
// the screen's later prints, as a clerk expects.

#include "runprinter.h"

#include <QPrinter>

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

class DocumentRunPrinter : public zeran::payrollscreen::RunPrinter {
public:
    DocumentRunPrinter(zeran::Session &session, zeran::ui::Prompter &prompter);

    bool choosePrinter(QWidget *parent) override;
    void payrollDocument(QWidget *parent, const zeran::payrollmake::MakeResult &made, int unit,
                         const QString &periodText) override;
    void detailedStatements(QWidget *parent, const zeran::payrollmake::MakeResult &made, int unit,
                            const QString &periodText) override;
    void payslips(QWidget *parent, const zeran::payrollrun::LoadedRun &loaded,
                  const std::vector<zeran::engine::PersonPay> &pays, int unit, const QString &periodText) override;

private:
    zeran::Session &session_;
    zeran::ui::Prompter &prompter_;
    QPrinter printer_{QPrinter::HighResolution};
};
