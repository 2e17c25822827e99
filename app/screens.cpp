#include "screens.h"

#include "definitionsdialog.h"
#include "generaldialog.h"
#include "legalratesdialog.h"
#include "mainwindow.h"
#include "pensioncompaniesdialog.h"
#include "payrollscreen.h"
#include "personnelscreens.h"
#include "runprinting.h"
#include "session.h"
#include "auditviewer.h"
#include "taxratesdialog.h"
#include "useradmin.h"
#include "unionsdialog.h"

void attachScreens(zeran::ui::MainWindow &window, zeran::Session &session)
{
    auto *w = &window;
    auto *s = &session;
    w->attachScreen(QStringLiteral("Sicil Bilgileri"),
                    [w, s] { zeran::personnel::openRegistry(w, *s, &w->prompter()); });
    w->attachScreen(QStringLiteral("Genel Tanımlar"), [w, s] {
        zeran::general::openGeneralDefinitions(w, *s);
        w->afterGeneralDefinitions();
    });
    w->attachScreen(QStringLiteral("Kanuni Oranlar"), [w, s] { zeran::rates::openLegalRates(w, *s); });
    w->attachScreen(QStringLiteral("Vergi Oranları"), [w, s] { zeran::rates::openTaxRates(w, *s); });
    w->attachScreen(QStringLiteral("Ünvan-Kesinti Gelir-Tanımları"),
                    [w, s] { zeran::definitions::openDefinitions(w, *s); });
    w->attachScreen(QStringLiteral("Sendika Tanımları"), [w, s] { zeran::definitions::openUnions(w, *s); });
    w->attachScreen(QStringLiteral("BES Firmalar"), [w, s] { zeran::definitions::openPensionCompanies(w, *s); });
    w->attachScreen(QStringLiteral("Kullanıcı Tanımları"), [w, s] {
        zeran::ui::openUserAdmin(w, *s, w->prompter());
        w->refreshStatus();
    });
    w->attachScreen(QStringLiteral("İşlem İzleme"), [w, s] { zeran::ui::openAuditViewer(w, *s, w->prompter()); });

    // "Personel Bilgileri" and "Zeran Bordrosu" are two doors to the one payroll screen.
    auto *printer = new DocumentRunPrinter(session, window.prompter());
    QObject::connect(w, &QObject::destroyed, [printer] { delete printer; });
    using zeran::payrollscreen::PayrollScreenMode;
    w->attachScreen(QStringLiteral("Personel Bilgileri"), [w, s, printer] {
        zeran::payrollscreen::openPayrollScreen(*w, *s, PayrollScreenMode::PersonnelData, printer);
    });
    w->attachScreen(QStringLiteral("Zeran Bordrosu"), [w, s, printer] {
        zeran::payrollscreen::openPayrollScreen(*w, *s, PayrollScreenMode::Payroll, printer);
    });
}
