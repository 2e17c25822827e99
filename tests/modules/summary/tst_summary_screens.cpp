// The two screens offscreen: "MAAŞ İCMAL BORDROSU" preselects the caller's unit by its code,
// recomputes on a unit change, keeps the person in "Tek Kişi", offers the mode's units and
// warns when the period has no rates; "VERGİ İADE BORDROSU" lists the chosen month and unit
// and makes the unit the working context's.

#include "allowancedialog.h"
#include "context.h"
#include "demo.h"
#include "makemonths.h"
#include "resultstore.h"
#include "summarydialog.h"
#include "testsupport.h"
#include "ui/uitest.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zeran;
using namespace zeran::summary;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct Institution {
    Institution() : db(test::uniqueName("summaryui"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        // The demo's year no longer pays the minimum living allowance; these months do.
        db.exec(QStringLiteral("UPDATE ZERBORBIL SET AGI='E'"));
        test::makeMonths(db, 3);
    }
    test::FreshDatabase fresh;
    db::Database db;
};

SummaryOpening opening(SummaryMode mode, int unit, int person = 0, const QString &year = QStringLiteral("2026"))
{
    SummaryOpening o;
    o.mode = mode;
    o.year = year;
    o.month = 3;
    o.unit = unit;
    o.person = person;
    o.periodText = QStringLiteral("15 MART 2026");
    return o;
}

}  // namespace

class TestSummaryScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { inst_ = std::make_unique<Institution>(); }
    void monthlyUnitAndChange();
    void onePerson();
    void meetingUnits();
    void missingRatesWarn();
    void allowanceScreen();

private:
    std::unique_ptr<Institution> inst_;
};

void TestSummaryScreens::monthlyUnitAndChange()
{
    test::ScriptedPrompter prompter;
    const std::vector<UnitChoice> units = summaryUnits(inst_->db, SummaryMode::Monthly);
    QVERIFY(units.size() >= 2);
    const int unit = units.at(1).BKOD;  // not the first: found by code, not by position
    SummaryDialog d(nullptr, inst_->db, prompter, opening(SummaryMode::Monthly, unit));
    QCOMPARE(d.windowTitle(), u("MAAŞ İCMAL BORDROSU"));
    auto *box = d.findChild<QComboBox *>(QStringLiteral("unitBox"));
    QCOMPARE(box->itemText(0), u("TÜMÜ"));
    QCOMPARE(box->currentText(), units.at(1).BIRIM);
    QVERIFY(box->isEnabled());
    QCOMPARE(d.chosenUnit(), unit);
    const Summary expected = summarize(loadSummaryInput(inst_->db, {SummaryMode::Monthly, QStringLiteral("2026"), 3, unit, 0}));
    QCOMPARE(d.summary().sums, expected.sums);
    QCOMPARE(d.shownValue(u("Gelirler Toplamı")), expected.line(u("KAZANÇLAR TOPLAMI"))->toText());
    QCOMPARE(d.shownValue(u("Net Ele Geçen")), expected.line(u("NET ÖDEME TOPLAMI"))->toText());
    QCOMPARE(d.shownValue(u("Personel Sayısı")), QString::number(expected.count));
    QVERIFY(!d.shownValue(u("Katsayı")).isEmpty());
    QVERIFY(d.findChild<QLabel *>(QStringLiteral("periodLabel"))->text().contains(QStringLiteral("15 MART 2026")));
    for (const char *title : {"HAKEDİŞLER", "KESİNTİLER"}) {
        bool found = false;
        for (QGroupBox *g : d.findChildren<QGroupBox *>())
            found = found || g->title() == u(title);
        QVERIFY(found);
    }
    QVERIFY(d.findChild<QPushButton *>(QStringLiteral("printButton")));
    QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("exitButton"))->text(), u("Çıkış"));

    box->setCurrentIndex(0);  // TÜMÜ
    const Summary all = summarize(loadSummaryInput(inst_->db, {SummaryMode::Monthly, QStringLiteral("2026"), 3, 0, 0}));
    QCOMPARE(d.summary().count, all.count);
    QVERIFY(all.count > expected.count);
    QCOMPARE(d.shownValue(u("Personel Sayısı")), QString::number(all.count));
    d.warnAboutRates();
    QVERIFY(prompter.informed.isEmpty());
}

void TestSummaryScreens::onePerson()
{
    test::ScriptedPrompter prompter;
    const std::vector<results::ResultRow> rows =
        results::readResults(inst_->db, {QStringLiteral("2026"), 3, results::PayrollKind::Monthly});
    const results::ResultRow &r = rows.at(2);
    SummaryDialog d(nullptr, inst_->db, prompter, opening(SummaryMode::Monthly, r.key.BKOD, r.key.PKAYNO));
    QVERIFY(!d.findChild<QComboBox *>(QStringLiteral("unitBox"))->isEnabled());
    QCOMPARE(d.summary().count, 1);
    QCOMPARE(d.shownValue(u("Hesaplanan Maaş")), r.MAAS.toText());
}

void TestSummaryScreens::meetingUnits()
{
    test::ScriptedPrompter prompter;
    const int committee = inst_->db.scalar(QStringLiteral("SELECT BKOD FROM BIRIM WHERE TUR='M' AND MTUR='E'")).toInt();
    SummaryDialog d(nullptr, inst_->db, prompter, opening(SummaryMode::Meeting, committee));
    auto *box = d.findChild<QComboBox *>(QStringLiteral("unitBox"));
    QCOMPARE(d.chosenUnit(), committee);
    for (const UnitChoice &c : summaryUnits(inst_->db, SummaryMode::Monthly))
        QCOMPARE(box->findData(c.BKOD), -1);
    QVERIFY(!d.findChild<QLabel *>(QStringLiteral("periodLabel")));
    QCOMPARE(d.shownValue(u("Oturum Ücreti")), QStringLiteral("0,00"));
    QCOMPARE(d.shownValue(u("Net Maaş")), QStringLiteral("0,00"));
    QVERIFY(d.shownValue(u("Aylık Tutar")).isEmpty());
    // No salaries in the meeting-fee summary of TÜMÜ.
    box->setCurrentIndex(0);
    QCOMPARE(d.summary().count, 0);
    QCOMPARE(d.shownValue(u("Aylık Tutar")), QStringLiteral("0,00"));
}

void TestSummaryScreens::missingRatesWarn()
{
    test::ScriptedPrompter prompter;
    SummaryDialog d(nullptr, inst_->db, prompter, opening(SummaryMode::Difference, 0, 0, QStringLiteral("2031")));
    d.warnAboutRates();
    QCOMPARE(prompter.informed, QStringList{u("Dikkat Kanuni Oranları Kontrol Etmelisiniz")});
    QCOMPARE(d.summary().count, 0);
    QCOMPARE(d.shownValue(u("Katsayı")), QStringLiteral("0"));
}

void TestSummaryScreens::allowanceScreen()
{
    test::ScriptedPrompter prompter;
    WorkingContext ctx;
    ctx.CYIL = QStringLiteral("2026");
    ctx.AY = 3;
    ctx.MBKOD = 0;
    AllowanceDialog d(nullptr, inst_->db, ctx, prompter);
    QCOMPARE(d.windowTitle(), u("VERGİ İADE BORDROSU"));
    auto *units = d.findChild<QComboBox *>(QStringLiteral("unitBox"));
    auto *months = d.findChild<QComboBox *>(QStringLiteral("monthBox"));
    auto *grid = d.findChild<QTableView *>(QStringLiteral("grid"));
    QCOMPARE(units->currentText(), u("TÜMÜ"));
    QCOMPARE(months->currentText(), QStringLiteral("Mart"));
    QCOMPARE(months->count(), 12);
    const AllowanceList march = loadAllowanceList(inst_->db, QStringLiteral("2026"), 3, 0);
    QVERIFY(!march.rows.empty());
    QCOMPARE(grid->model()->rowCount(), int(march.rows.size()));
    QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("minimumWageEdit"))->text(), march.yearlyMinimumWage.toText());
    // Columns: unit, number, name, rate, base, monthly, then OCAK … ARALIK.
    QCOMPARE(grid->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("OCAK"));
    QVERIFY(!grid->model()->index(0, 8).data().toString().isEmpty());  // MART
    QVERIFY(grid->model()->index(0, 9).data().toString().isEmpty());   // NİSAN

    months->setCurrentIndex(0);  // Ocak
    QCOMPARE(d.list().month, 1);
    QVERIFY(grid->model()->index(0, 7).data().toString().isEmpty());  // ŞUBAT

    QVERIFY(units->count() > 1);
    units->setCurrentIndex(1);
    const int chosen = units->currentData().toInt();
    QCOMPARE(ctx.MBKOD, chosen);
    for (const AllowanceRow &r : d.list().rows)
        QCOMPARE(r.source.BKOD, chosen);
}

QTEST_MAIN(TestSummaryScreens)
#include "tst_summary_screens.moc"
