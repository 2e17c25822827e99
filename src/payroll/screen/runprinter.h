#pragma once
// What the payroll screen prints through: the printer dialog and the three documents of the
// monthly run. The documents themselves live elsewhere; the screen only decides when they are
// printed and with which data.

#include "payrollmake.h"
#include "personpay.h"
#include "runloader.h"

#include <QString>

#include <vector>

class QWidget;

namespace zeran::payrollscreen {

class RunPrinter {
public:
    virtual ~RunPrinter() = default;

    /// The printer dialog; false when the clerk cancels (nothing printed, nothing written).
    virtual bool choosePrinter(QWidget *parent) = 0;

    /// "Toplu Yaz" / "Detay Yaz" after make() returned printable(); unit = selected BKOD (0 = Tümü).
    virtual void payrollDocument(QWidget *parent, const payrollmake::MakeResult &made, int unit,
                                 const QString &periodText) = 0;
    virtual void detailedStatements(QWidget *parent, const payrollmake::MakeResult &made, int unit,
                                    const QString &periodText) = 0;

    /// "Fiş Yazdır": the current selection as computed at the last reload (no make).
    virtual void payslips(QWidget *parent, const payrollrun::LoadedRun &loaded,
                          const std::vector<engine::PersonPay> &pays, int unit, const QString &periodText) = 0;
};

}  // namespace zeran::payrollscreen
