// The past-payroll screens offscreen: the archive's selection (namesakes, the year taken on
// Enter), its deletion questions and payments on the shown rows, the stored payroll viewer's
// right and correction, the tax-base screen's entries, and the payroll sheet's bases.

#include "archivedoors.h"
#include "archivescreen.h"
#include "payrolldoors.h"
#include "demo.h"
#include "makemonths.h"
#include "payrollsheet.h"
#include "resultstore.h"
#include "runloader.h"
#include "session.h"
#include "storedmonthdialog.h"
#include "taxbasescreen.h"
#include "testsupport.h"
#include "ui/uitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include "moneyedit.h"

using namespace zeran;
using namespace zeran::archive;
using namespace zeran::archive::ui;

namespace {

struct Desk {
    explicit Desk(int months)
    {
        s.openMain(fresh.params);
        demo::fillDemoInstitution(s.main(), {2026});
        test::makeMonths(s.main(), months);
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.AY = months;
        s.ctx.KULNO = 1;
        s.ctx.today = QDate(2026, months, 20);
    }
    int count(const QString &where, const QVariantMap &binds = {})
    {
        return s.main().scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE ") + where, binds).toInt();
    }
    int firstUnit()
    {
        return s.main()
            .scalar(QStringLiteral("SELECT FIRST 1 BKOD FROM ZERMAAS WHERE YIL='2026' AND TUR='1' ORDER BY BKOD"))
            .toInt();
    }

    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
};

template <typename T>
T *child(const QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void choose(QComboBox *box, const QVariant &data)
{
    box->setCurrentIndex(box->findData(data));
}

}  // namespace

class TestArchiveScreens : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheWorkingMonthAndTakesTheYearOnEnter();
    void namesakeChoiceShowsOnlyThatPerson();
    void deleteAsksAndKeepsDataOnNo();
    void paymentOfAllShownRows();
    void detailsOpenTheRowsOwnKey();
    void storedMonthNeedsTheRightAndSavesACorrection();
    void taxBaseScreenEntriesAndTotals();
    void payrollSheetStepsAndExplainsBases();
    void doorsOfThePayrollScreen();
};

void TestArchiveScreens::opensOnTheWorkingMonthAndTakesTheYearOnEnter()
{
    Desk d(2);
    ArchiveScreen screen(d.s, d.p);
    screen.start();
    QCOMPARE(child<QLineEdit>(screen, "yearEdit")->text(), QStringLiteral("2026"));
    QCOMPARE(child<QComboBox>(screen, "monthCombo")->currentText(), QStringLiteral("Şubat"));
    QCOMPARE(child<QComboBox>(screen, "kindCombo")->currentText(), QStringLiteral("Maaş Bordrosu"));
    QCOMPARE(child<QComboBox>(screen, "kindCombo")->count(), 8);
    choose(child<QComboBox>(screen, "unitCombo"), 0);
    const int rows = int(screen.rows().size());
    QCOMPARE(rows, d.count(QStringLiteral("AY=2 AND TUR='1'")));
    QCOMPARE(child<QTableView>(screen, "archiveGrid")->model()->rowCount(), rows);
    QCOMPARE(child<QTableView>(screen, "archiveGrid")->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Net Maaş"));

    // A year typed without Enter leaves the grid alone; Enter requeries.
    QLineEdit *year = child<QLineEdit>(screen, "yearEdit");
    year->setText(QStringLiteral("2025"));
    QCOMPARE(int(screen.rows().size()), rows);
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(int(screen.rows().size()), 0);
    year->setText(QStringLiteral("2026"));
    QTest::keyClick(year, Qt::Key_Return);
    QCOMPARE(int(screen.rows().size()), rows);

    // "Tümü" month: both months.
    child<QComboBox>(screen, "monthCombo")->setCurrentIndex(0);
    QCOMPARE(int(screen.rows().size()), d.count(QStringLiteral("TUR='1'")));
}

void TestArchiveScreens::namesakeChoiceShowsOnlyThatPerson()
{
    Desk d(1);
    QSqlQuery q = d.s.main().exec(QStringLiteral("SELECT DISTINCT PKAYNO FROM ZERMAAS ORDER BY PKAYNO"));
    std::vector<int> people;
    while (q.next())
        people.push_back(q.value(0).toInt());
    d.s.main().exec(QStringLiteral("UPDATE SICIL SET ADI='ALİ',SOYADI='KAYA' WHERE PKAYNO IN (:A,:B)"),
                    {{QStringLiteral("A"), people[0]}, {QStringLiteral("B"), people[1]}});
    ArchiveScreen screen(d.s, d.p);
    screen.start();
    choose(child<QComboBox>(screen, "unitCombo"), 0);
    QComboBox *person = child<QComboBox>(screen, "personCombo");
    QList<int> items;
    for (int i = 0; i < person->count(); ++i)
        if (person->itemText(i) == QStringLiteral("ALİ KAYA"))
            items << i;
    QCOMPARE(items.size(), 2);
    for (int i : items) {
        person->setCurrentIndex(i);
        const int pk = person->itemData(i).toInt();
        QVERIFY(!screen.rows().empty());
        for (const ArchiveRow &a : screen.rows())
            QCOMPARE(a.result.key.PKAYNO, pk);
    }
    QVERIFY(person->itemData(items[0]) != person->itemData(items[1]));
}

void TestArchiveScreens::deleteAsksAndKeepsDataOnNo()
{
    Desk d(4);
    const int unit = d.firstUnit();
    ArchiveScreen screen(d.s, d.p);
    screen.start();
    choose(child<QComboBox>(screen, "unitCombo"), unit);
    child<QComboBox>(screen, "monthCombo")->setCurrentIndex(3);
    const int before = d.count(QStringLiteral("1=1"));
    d.p.answers = {true, false};
    child<QPushButton>(screen, "deleteButton")->click();
    QCOMPARE(d.p.asked.size(), 2);
    QCOMPARE(d.p.asked[1], QString::fromUtf8(kNotLastMonthQuestion));
    QCOMPARE(d.count(QStringLiteral("1=1")), before);

    // Unit "Tümü": refused before any question.
    d.p.asked.clear();
    choose(child<QComboBox>(screen, "unitCombo"), 0);
    d.p.answers = {true, true};
    child<QPushButton>(screen, "deleteButton")->click();
    QVERIFY(d.p.asked.isEmpty());
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kChooseUnitAndMonth));

    // Yes to both: the unit's March goes and the grid is empty.
    choose(child<QComboBox>(screen, "unitCombo"), unit);
    d.p.answers = {true, true};
    child<QPushButton>(screen, "deleteButton")->click();
    QCOMPARE(d.count(QStringLiteral("BKOD=:B AND AY=3"), {{QStringLiteral("B"), unit}}), 0);
    QVERIFY(d.count(QStringLiteral("BKOD<>:B AND AY=3"), {{QStringLiteral("B"), unit}}) > 0);
    QVERIFY(screen.rows().empty());
}

void TestArchiveScreens::paymentOfAllShownRows()
{
    Desk d(2);
    const int unit = d.firstUnit();
    ArchiveScreen screen(d.s, d.p);
    screen.start();
    choose(child<QComboBox>(screen, "unitCombo"), unit);
    ArchiveScreen::Openers o;
    o.payment = [](QWidget *, PaymentDialog::Scope, const results::ResultRow *) {
        return std::optional<results::PaymentStatus>(results::PaymentStatus{QStringLiteral("1"), 9.0, 20260215.0});
    };
    screen.setOpeners(o);
    screen.payAll();
    const int shown = int(screen.rows().size());
    QCOMPARE(d.count(QStringLiteral("ODE='1' AND ODENO=9")), shown);
    QCOMPARE(d.count(QStringLiteral("ODE='1' AND (AY<>2 OR BKOD<>:B)"), {{QStringLiteral("B"), unit}}), 0);
    QCOMPARE(child<QTableView>(screen, "archiveGrid")->model()->index(0, 6).data().toString(), QStringLiteral("Ödendi"));

    // The payment box refuses a date that is no date and a number that is no number.
    PaymentDialog box(PaymentDialog::Scope::OneRow, d.p);
    child<QLineEdit>(box, "journalNumberEdit")->setText(QStringLiteral("12"));
    child<QLineEdit>(box, "journalDateEdit")->setText(QStringLiteral("31.02.2026"));
    QVERIFY(!box.status());
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kBadJournalDate));
    child<QLineEdit>(box, "journalDateEdit")->setText(QString());
    child<QComboBox>(box, "paymentStateCombo")->setCurrentIndex(1);
    const auto st = box.status();
    QVERIFY(st);
    QCOMPARE(st->ODE, QStringLiteral("2"));
    QVERIFY(!st->ODETAR);
}

void TestArchiveScreens::detailsOpenTheRowsOwnKey()
{
    Desk d(1);
    ArchiveScreen screen(d.s, d.p);
    screen.start();
    std::optional<results::RowKey> opened;
    ArchiveScreen::Openers o;
    o.storedMonth = [&](QWidget *, const results::RowKey &k) { opened = k; };
    o.findPerson = [&](QWidget *) { return std::optional<int>(screen.rows().back().result.key.PKAYNO); };
    screen.setOpeners(o);
    child<QPushButton>(screen, "findButton")->click();
    const ArchiveRow &found = screen.rows()[std::size_t(screen.currentRow())];
    QCOMPARE(found.result.key.PKAYNO, screen.rows().back().result.key.PKAYNO);
    child<QPushButton>(screen, "detailsButton")->click();
    QVERIFY(opened);
    QCOMPARE(opened->PKAYNO, found.result.key.PKAYNO);
    QCOMPARE(opened->PKOD, found.result.key.PKOD);
    QCOMPARE(opened->BKOD, found.result.key.BKOD);
}

void TestArchiveScreens::storedMonthNeedsTheRightAndSavesACorrection()
{
    Desk d(1);
    const ArchiveRow row = loadRows(d.s.main(), [] {
                               ArchiveSelection s;
                               s.year = QStringLiteral("2026");
                               s.month = 1;
                               return s;
                           }())
                               .front();
    // Another user without a rights row for the section: no edit.
    d.s.ctx.KULNO = 2;
    d.s.ctx.rights.clear();
    StoredMonthDialog refused(d.s, d.p, row.result.key);
    QVERIFY(refused.loaded());
    refused.startEdit();
    QVERIFY(!refused.editing());
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kNoChangeRight));

    d.s.ctx.KULNO = 1;
    StoredMonthDialog dialog(d.s, d.p, row.result.key);
    QCOMPARE(child<QLabel>(dialog, "netLabel")->text(), QStringLiteral("NET MAAŞ TUTARI: ") + net(row.result).toText());
    dialog.startEdit();
    QVERIFY(dialog.editing());
    auto *kestop = child<zeran::ui::MoneyEdit>(dialog, "KESTOP");
    const Money corrected = row.result.KESTOP + Money::fromUnits(10);
    kestop->setAmount(corrected);
    QVERIFY(dialog.save());
    QVERIFY(!dialog.editing());
    const auto stored = results::readResult(d.s.main(), {QStringLiteral("2026"), 1, PayrollKind::Monthly},
                                            row.result.key.PKAYNO, row.result.key.BKOD, row.result.key.PKOD);
    QCOMPARE(stored->KESTOP, corrected);
    QCOMPARE(stored->MAAS, row.result.MAAS);

    // "İptal" discards what was typed.
    dialog.startEdit();
    kestop->setText(QStringLiteral("1,00"));
    dialog.cancelEdit();
    QCOMPARE(kestop->read().amount, std::optional<Money>(corrected));

    dialog.togglePage();
    QCOMPARE(child<QPushButton>(dialog, "pageButton")->text(), QStringLiteral("Bordro Bilgileri"));
}

void TestArchiveScreens::taxBaseScreenEntriesAndTotals()
{
    Desk d(2);
    const ArchiveRow row = loadRows(d.s.main(), [] {
                               ArchiveSelection s;
                               s.year = QStringLiteral("2026");
                               s.month = 2;
                               return s;
                           }())
                               .front();
    TaxBasePerson person{row.result.key.PKAYNO, row.result.key.BKOD, row.result.key.PKOD, row.ADSOY, row.EMSNO, 2};
    TaxBaseScreen screen(d.s, d.p, person);
    QCOMPARE(int(screen.rows().size()), 2);
    const QString totalsBefore = screen.totalsText();

    TaxBaseEntryDialog entry(d.s, d.p, person, taxBaseEntryKinds()[3]);
    QCOMPARE(entry.windowTitle(), QStringLiteral("Mesai Matrah Giriş"));
    QVERIFY(!entry.save());
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kChooseMonth));
    child<QComboBox>(entry, "monthCombo")->setCurrentIndex(3);  // MART, after the run month
    child<zeran::ui::MoneyEdit>(entry, "baseEdit")->setText(QStringLiteral("1.000,00"));
    QVERIFY(!entry.save());
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kLaterThanRunMonth));
    child<QComboBox>(entry, "monthCombo")->setCurrentIndex(1);
    child<zeran::ui::MoneyEdit>(entry, "baseEdit")->setText(QStringLiteral("-5,00"));
    QVERIFY(!entry.save());
    child<zeran::ui::MoneyEdit>(entry, "baseEdit")->setText(QStringLiteral("abc"));
    QVERIFY(!entry.save());
    child<zeran::ui::MoneyEdit>(entry, "baseEdit")->setText(QStringLiteral("1.000,00"));
    QVERIFY(entry.save());

    screen.reload();
    QCOMPARE(int(screen.rows().size()), 3);
    QVERIFY(screen.totalsText() != totalsBefore);
    int entered = -1;
    for (int i = 0; i < int(screen.rows().size()); ++i)
        if (screen.rows()[std::size_t(i)].taxBaseOnly)
            entered = i;
    QVERIFY(entered >= 0);
    QCOMPARE(screen.rows()[std::size_t(entered)].row.key.TUR, PayrollKind::Committee);

    // A computed month cannot be deleted here; the entered one can, after the question.
    screen.setCurrentRow(entered == 0 ? 1 : 0);
    screen.deleteCurrent();
    QCOMPARE(d.p.informed.last(), QString::fromUtf8(kNotAnEnteredBase));
    QCOMPARE(int(screen.rows().size()), 3);
    screen.setCurrentRow(entered);
    d.p.answers = {true};
    screen.deleteCurrent();
    QCOMPARE(int(screen.rows().size()), 2);
    QCOMPARE(screen.totalsText(), totalsBefore);
}

void TestArchiveScreens::payrollSheetStepsAndExplainsBases()
{
    Desk d(1);
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(d.s.main());
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(settings.CYIL, QDate(2026, 1, 15));
    const payrollrun::LoadedRun loaded = payrollrun::loadRun(d.s.main(), period, {}, settings.engine);
    const std::vector<engine::PersonPay> pays = payrollrun::computeAll(loaded);
    QVERIFY(pays.size() > 2);
    PayrollSheet sheet(d.s, d.p, loaded, pays, 0, 0, QStringLiteral("15 OCAK 2026"));
    std::vector<BaseBreakdown> shown;
    sheet.showBreakdown = [&](QWidget *, const BaseBreakdown &b) { shown.push_back(b); };
    QCOMPARE(sheet.value(QStringLiteral("Adı ve Soyadı")), loaded.people[0].ADI + QLatin1Char(' ') + loaded.people[0].SOYADI);
    QCOMPARE(sheet.value(QStringLiteral("GELİR TOPLAMI")), pays[0].GELTOP.toText());
    child<QPushButton>(sheet, "nextButton")->click();
    QCOMPARE(sheet.current(), 1);
    QCOMPARE(sheet.value(QStringLiteral("Adı ve Soyadı")), loaded.people[1].ADI + QLatin1Char(' ') + loaded.people[1].SOYADI);
    QCOMPARE(sheet.value(QStringLiteral("KESİNTİ TOPLAMI")), pays[1].KESTOP.toText());
    child<QPushButton>(sheet, "lastButton")->click();
    QCOMPARE(sheet.current(), int(pays.size()) - 1);

    // Every base of every person is the sum of the lines that explain it.
    for (int i = 0; i < int(pays.size()); ++i) {
        sheet.showPerson(i);
        shown.clear();
        for (const char *b : {"retirementBaseButton", "premiumBaseButton", "incomeTaxBaseButton", "stampTaxBaseButton"})
            child<QPushButton>(sheet, b)->click();
        QCOMPARE(int(shown.size()), 4);
        for (const BaseBreakdown &b : shown) {
            Money sum;
            for (const BaseLine &l : b.lines)
                sum += l.amount;
            if (b.title == QStringLiteral("Gelir Vergisi Matrahı") && sum.isNegative())
                sum = Money();  // the base is not below zero
            QVERIFY2(sum == b.total, qPrintable(QStringLiteral("%1, person %2: %3 != %4")
                                                    .arg(b.title)
                                                    .arg(i)
                                                    .arg(sum.toText(), b.total.toText())));
        }
    }
}

void TestArchiveScreens::doorsOfThePayrollScreen()
{
    test::ScriptedPrompter p;
    payrollscreen::clearDoors();
    registerArchiveDoors(p);
    QStringList names;
    for (const payrollscreen::RegisteredDoor &d : payrollscreen::registeredDoors()) {
        names << d.objectName;
        QVERIFY2(d.needsPerson, qPrintable(d.objectName));
    }
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("computeButton"), QStringLiteral("taxBasesButton")}));
    payrollscreen::clearDoors();
}

QTEST_MAIN(TestArchiveScreens)
#include "tst_archive_screens.moc"
