#include "screens.h"

#include "allowancedialog.h"
#include "archivedoors.h"
#include "archivescreen.h"
#include "auditviewer.h"
#include "bankdialog.h"
#include "cashdialog.h"
#include "contributionscreens.h"
#include "dbcheckdialog.h"
#include "definitionsdialog.h"
#include "differencescreen.h"
#include "exportscreen.h"
#include "generaldialog.h"
#include "gradescreens.h"
#include "leavescreen.h"
#include "legalratesdialog.h"
#include "listsscreen.h"
#include "mainwindow.h"
#include "monthstart.h"
#include "payrolldoors.h"
#include "payrollscreen.h"
#include "payrollviews.h"
#include "pensioncompaniesdialog.h"
#include "personnelscreens.h"
#include "plancopy.h"
#include "plandialog.h"
#include "planstore.h"
#include "promotionsdialog.h"
#include "runprinting.h"
#include "session.h"
#include "summarydialog.h"
#include "supportmaildialog.h"
#include "taxratesdialog.h"
#include "unionsdialog.h"
#include "unitsdialog.h"
#include "useradmin.h"

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

    // The month's summary from the payroll screen (its unit; the person in "Tek Kişi"), and the
    // minimum-living-allowance list.
    zeran::payrollscreen::registerDoor(
        QStringLiteral("summaryButton"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::summary::SummaryOpening o;
            o.mode = zeran::summary::SummaryMode::Monthly;
            o.year = c.year != 0 ? QString::number(c.year) : c.session.ctx.CYIL;
            o.month = c.month != 0 ? c.month : c.session.ctx.AY;
            o.unit = c.unit;
            o.person = c.singlePerson ? c.current.PKAYNO : 0;
            o.periodText = c.periodText;
            zeran::summary::openSummary(screen, c.session, w->prompter(), o);
            return zeran::payrollscreen::AfterDoor::Nothing;
        });
    w->attachScreen(QStringLiteral("A.G.İndirim Bordrosu"),
                    [w, s] { zeran::summary::openAllowanceList(w, *s, w->prompter()); });

    // Retirement contributions: the declaration file (also from the payroll screen, for its
    // month), the ledger with its yearly summary, and the monthly voucher.
    w->attachScreen(QStringLiteral("Emekli Kesenek Dosyası"),
                    [w, s] { zeran::contributions::ui::openContributionFile(w, *s, w->prompter()); });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("retirementFileAction"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::contributions::ui::openContributionFile(screen, c.session, w->prompter(), c.month);
            return zeran::payrollscreen::AfterDoor::Nothing;
        });
    w->attachScreen(QStringLiteral("Yıllık İcmal Bordrosu"),
                    [w, s] { zeran::contributions::ui::openLedger(w, *s, w->prompter()); });
    w->attachScreen(QStringLiteral("Aylık İcmal ve İhbar Fişi"),
                    [w, s] { zeran::contributions::ui::openVoucher(w, *s, w->prompter()); });

    // The payment order and the posting of the payroll screen's unit and month (the person in
    // "Tek Kişi").
    zeran::payrollscreen::registerDoor(
        QStringLiteral("paymentOrderButton"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::posting::CashRequest r;
            r.unit = c.unit;
            r.month = c.month != 0 ? c.month : c.session.ctx.AY;
            r.monthText = c.periodText;
            r.kindCode = QStringLiteral("1");
            if (c.singlePerson && c.current.PKOD != 0)
                r.person = c.current.PKOD;
            zeran::posting::openCash(screen, c.session, w->prompter(), r);
            return zeran::payrollscreen::AfterDoor::Nothing;
        });

    // The bank payment file: from the main menu, and from the payroll screen for its unit and
    // month.
    w->attachScreen(QStringLiteral("Banka Maaş Dosyası"),
                    [w, s] { zeran::bankfiles::openBankDialog(w, *s, w->prompter()); });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("bankFileAction"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::bankfiles::openBankDialog(screen, c.session, w->prompter(), c.unit, c.month);
            return zeran::payrollscreen::AfterDoor::Nothing;
        });

    // Past payrolls: the archive from the main menu; the payroll sheet ("Bordro Hesapla") and the
    // tax bases ("Matrahlar") of the payroll screen's current person.
    w->attachScreen(QStringLiteral("Maaş Arşiv Bilgileri"), [w, s] { zeran::archive::ui::openArchive(*w, *s); });
    zeran::archive::ui::registerArchiveDoors(window.prompter());

    // Indicator tables, promotions and the grade picker. The payroll screen's "Terfiler" (also
    // opened by its month-start check) works on its unit, or the active unit under "Tümü"; the
    // two "..." buttons pick the salary and the retirement grade of the current pay record.
    w->attachScreen(QStringLiteral("Gösterge Tanımları"),
                    [w, s] { zeran::grades::ui::openIndicators(w, *s, w->prompter()); });
    // Pay units. Their copy and delete take the account plans along, and "Nakit Bilgileri"
    // opens the unit's cash definitions: both belong to the posting module, above the units.
    zeran::units::setAccountPlanCopier(&zeran::posting::copyPlans);
    zeran::units::setAccountPlanDeleter(&zeran::posting::deletePlans);
    zeran::units::ui::setCashDefinitionsOpener([w](QWidget *parent, zeran::Session &session, int bkod, const QString &kind) {
        zeran::posting::openPlanDefinitions(parent, session, w->prompter(), bkod, kind);
    });
    w->attachScreen(QStringLiteral("Birim Tanımları"), [w, s] { zeran::units::ui::openUnits(w, *s, w->prompter()); });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("promotionsButton"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            const int unit = c.unit != 0 ? c.unit : c.session.ctx.MBKOD;
            return zeran::promotions::ui::openPromotions(screen, c.session, w->prompter(), unit)
                       ? zeran::payrollscreen::AfterDoor::Reload
                       : zeran::payrollscreen::AfterDoor::Nothing;
        });
    for (const auto &[name, mode] : {std::pair{QStringLiteral("payIndicatorButton"), zeran::grades::PickMode::Salary},
                                     std::pair{QStringLiteral("retirementIndicatorButton"), zeran::grades::PickMode::Retirement}}) {
        zeran::payrollscreen::registerDoor(
            name,
            [w, mode](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
                // Differences are measured from the month before the run's.
                const int month = c.month != 0 ? c.month : c.session.ctx.AY;
                const int year = c.year != 0 ? c.year : c.session.ctx.CYIL.toInt();
                const zeran::monthstart::Month previous = zeran::monthstart::previousMonth(month, year);
                return zeran::grades::ui::pickForRecord(screen, c.session, w->prompter(), mode, c.current.PKAYNO,
                                                        c.current.BKOD, c.current.PKOD, previous.year, previous.month)
                           ? zeran::payrollscreen::AfterDoor::Reload
                           : zeran::payrollscreen::AfterDoor::Nothing;
            },
            true);
    }

    // Leave records from the main menu (the default unit) and from the payroll screen (the
    // current person's unit and person); the database check; the support mail.
    w->attachScreen(QStringLiteral("İzin Bilgileri"), [w, s] { zeran::leave::ui::openLeave(w, *s, w->prompter()); });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("leaveButton"),
        [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::leave::ui::openLeave(screen, c.session, w->prompter(), c.current.BKOD, c.current.PKAYNO);
            return zeran::payrollscreen::AfterDoor::Nothing;
        },
        true);
    w->attachScreen(QStringLiteral("Dosya Kontrol"), [w, s] { zeran::dbcheck::ui::openDbCheck(w, *s, w->prompter()); });
    w->attachScreen(QStringLiteral("Bize Ulaşın"),
                    [w, s] { zeran::supportmail::ui::openSupportMail(w, *s, w->prompter()); });

    // The difference payroll and the inflation-difference payroll: their posting and summary.
    for (const auto &[caption, kind] :
         {std::pair{QStringLiteral("Fark Bordrosu"), zeran::difference::Kind::Difference},
          std::pair{QStringLiteral("Enflasyon Farkı Bordrosu"), zeran::difference::Kind::Inflation}}) {
        w->attachScreen(caption, [w, s, kind] {
            zeran::difference::ui::Openers openers;
            openers.cash = [w, s](QWidget *screen, const zeran::difference::ui::CashOpening &o) {
                zeran::posting::CashRequest r;
                r.unit = o.unit;
                r.unitName = o.unitName;
                r.month = o.month;
                r.monthText = o.monthText;
                r.kindCode = o.kindCode;
                zeran::posting::openCash(screen, *s, w->prompter(), r);
            };
            openers.summary = [w, s](QWidget *screen, zeran::difference::Kind k, int unit) {
                zeran::summary::SummaryOpening o;
                o.mode = k == zeran::difference::Kind::Inflation ? zeran::summary::SummaryMode::Inflation
                                                                 : zeran::summary::SummaryMode::Difference;
                o.year = s->ctx.CYIL;
                o.month = s->ctx.AY;
                o.unit = unit;
                zeran::summary::openSummary(screen, *s, w->prompter(), o);
            };
            zeran::difference::ui::openDifferenceScreen(w, *s, w->prompter(), kind, std::move(openers));
        });
    }

    // The payroll lists and the personnel detail workbook; the payroll screen's lists, its
    // unit's special deductions, and its person's yearly deductions and past months.
    w->attachScreen(QStringLiteral("Listeler"), [w, s] { zeran::lists::openLists(w, *s, w->prompter()); });
    w->attachScreen(QStringLiteral("Personel Detay Listesi"),
                    [w, s] { zeran::personnelexport::openPersonnelExport(w, *s, w->prompter()); });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("listsButton"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::lists::openLists(screen, c.session, w->prompter());
            return zeran::payrollscreen::AfterDoor::Nothing;
        });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("deductionsButton"), [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            const int unit = c.unit != 0 ? c.unit : c.current.BKOD;
            if (unit == 0)
                return zeran::payrollscreen::AfterDoor::Nothing;
            zeran::lists::openDeductions(screen, c.session, w->prompter(), unit);
            return zeran::payrollscreen::AfterDoor::Reload;
        });
    zeran::payrollscreen::registerDoor(
        QStringLiteral("pastPayrollsButton"),
        [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::lists::openPastMonths(screen, c.session, w->prompter(), c.current.BKOD, c.current.PKAYNO);
            return zeran::payrollscreen::AfterDoor::Nothing;
        },
        true);
    zeran::payrollscreen::registerDoor(
        QStringLiteral("deductionSummaryButton"),
        [w](QWidget *screen, const zeran::payrollscreen::DoorContext &c) {
            zeran::lists::openYearlyDeductions(screen, c.session, w->prompter(), c.current.PKAYNO, c.current.BKOD);
            return zeran::payrollscreen::AfterDoor::Nothing;
        },
        true);

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
