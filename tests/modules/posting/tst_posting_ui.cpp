// The cash screens offscreen: the formula editor's appending and its question, the
// definitions screen's default plans, lookups and saving, the cash screen's totals, payment
// order and posting.

#include "cashdialog.h"
#include "codecombo.h"
#include "demo.h"
#include "document.h"
#include "lookupdialogs.h"
#include "makemonths.h"
#include "plandialog.h"
#include "planstore.h"
#include "prompter.h"
#include "schema.h"
#include "session.h"
#include "testsupport.h"
#include "ui/uitest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::posting;

namespace {

struct Office {
    Office() : fresh(test::Mode::Embedded)
    {
        session.openMain(fresh.params);
        demo::fillDemoInstitution(session.main(), {2026});
        const db::ConnectParams acc = test::params(test::Mode::Embedded, fresh.dir.path(), QStringLiteral("ANALITIK.GDB"));
        schema::createAccountingDatabase(acc);
        session.accounting().open(acc);
        db::Database &a = session.accounting();
        a.exec(QStringLiteral("INSERT INTO BIRIM (YIL,BKOD,BIRIM) VALUES (2026,'04','MALİ HİZMETLER')"));
        a.exec(QStringLiteral("INSERT INTO CARI (CKOD,CARI,TCKNO) VALUES (7,'ZİRAAT BANKASI','12345678901')"));
        a.exec(QStringLiteral("INSERT INTO HPLAN (YIL,HKOD,ACIK) VALUES (2026,'630.01.01.01.01','Temel Maaşlar (plan)')"));
        // One unit's plan over that unit's rows unless a test asks for the combined payment.
        session.main().exec(QStringLiteral("UPDATE PTANIM SET MODEMEBKOD=0"));
        session.activateContext(QDate(2026, 3, 20));
        session.loginAsDefaultUser();
    }
    void memorandum(bool on)
    {
        session.accounting().exec(QStringLiteral("UPDATE TANIM SET FISOH=:F"),
                                  {{QStringLiteral("F"), on ? QStringLiteral("E") : QStringLiteral("H")}});
    }
    test::FreshDatabase fresh;
    Session session;
};

int rowOf(QTableWidget *grid, int column, const QString &text)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, column) && grid->item(r, column)->text() == text)
            return r;
    return -1;
}

}  // namespace

class TestPostingUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db::prepareEmbeddedEnvironment(); }
    void formulaEditor();
    void definitions();
    void cashScreen();
};

void TestPostingUi::formulaEditor()
{
    test::ScriptedPrompter p;
    FormulaDialog d(p, QString());
    d.append(QStringLiteral("AYTUT"));
    QCOMPARE(d.formula(), QStringLiteral("AYTUT"));
    emit d.variables()->itemDoubleClicked(d.variables()->findItems(QStringLiteral("KIRA"), Qt::MatchExactly).first());
    QCOMPARE(d.formula(), QStringLiteral("AYTUT+KIRA"));
    d.dropDown()->setCurrentIndex(d.dropDown()->findText(QStringLiteral("EKGOST")));
    emit d.dropDown()->activated(d.dropDown()->currentIndex());
    QCOMPARE(d.formula(), QStringLiteral("AYTUT+KIRA+EKGOST"));
    QCOMPARE(d.variables()->count(), 65);
    QCOMPARE(d.variables()->item(0)->text(), QStringLiteral("AYTUT"));
    QCOMPARE(d.variables()->item(64)->text(), QStringLiteral("DAMVERKES"));

    // A live formula saves without a question; a dead name asks, and No keeps the editor open.
    d.save();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(p.asked.isEmpty());
    FormulaDialog e(p, QStringLiteral("AYTUT-emkesm"));
    e.save();
    QCOMPARE(p.asked.size(), 1);
    QVERIFY(p.asked.first().contains(QStringLiteral("\"emkesm\"")));
    QCOMPARE(e.result(), int(QDialog::Rejected));
    p.answers = {true};
    e.save();
    QCOMPARE(e.result(), int(QDialog::Accepted));
}

void TestPostingUi::definitions()
{
    Office o;
    o.memorandum(false);
    test::ScriptedPrompter p;
    const int unit = 1;
    {
        PlanDialog d(o.session, p, unit, QStringLiteral("1"));
        QCOMPARE(d.kindLabel()->text(), QStringLiteral("ZERAN MAAŞI"));
        // The default plans offered for the cash kind.
        QStringList enabled;
        for (QAction *a : d.planActions())
            if (a->isEnabled())
                enabled << a->text();
        QCOMPARE(enabled, (QStringList{QStringLiteral("Zeran Maaşları"), QStringLiteral("Başkan Ödeneği")}));

        d.generate(DefaultPlan::Salaries);
        QVERIFY(p.asked.isEmpty());
        QCOMPARE(d.lines().size(), defaultPlan(DefaultPlan::Salaries, false).size());
        QCOMPARE(rowOf(d.grid(), PlanDialog::HKOD, QStringLiteral("905.01.01")), -1);  // FISOH not "E"
        QCOMPARE(d.purposeEdit()->text(), QStringLiteral("AYLIK ZERAN MAAŞLARI"));
        QCOMPARE(d.grid()->item(0, PlanDialog::HESAP)->text(), QStringLiteral("X"));

        // Again: asked first; No keeps the lines, Yes replaces all of them.
        d.generate(DefaultPlan::Mayor);
        QCOMPARE(p.asked.size(), 1);
        QVERIFY(p.asked.first().startsWith(QStringLiteral("DİKKAT! Hesap Tanımlarında Bilgi Mevcuttur.")));
        QCOMPARE(d.lines().size(), defaultPlan(DefaultPlan::Salaries, false).size());
        p.answers = {true};
        d.generate(DefaultPlan::Mayor);
        QCOMPARE(d.lines(), defaultPlan(DefaultPlan::Mayor, false));
        QCOMPARE(d.purposeEdit()->text(), QStringLiteral("AYLIK ZERAN MAAŞLARI"));  // kept: not empty

        // The account code typed: its description from the year's chart.
        d.grid()->item(0, PlanDialog::HKOD)->setText(QStringLiteral("630.01.01.01.01"));
        QCOMPARE(d.lines()[0].ACIK, QStringLiteral("Temel Maaşlar (plan)"));
        d.grid()->item(1, PlanDialog::HKOD)->setText(QStringLiteral("630.99"));  // not in the chart
        QCOMPARE(d.lines()[1].ACIK, QStringLiteral("Sosyal Haklar"));

        // Budget lookup needs the accounting unit.
        d.grid()->setCurrentCell(0, PlanDialog::KKOD);
        QString asked;
        d.budgetLookup = [&asked](const QString &kkod) -> std::optional<BudgetLine> {
            asked = kkod;
            BudgetLine b;
            b.KKOD = kkod;
            b.FKOD = QStringLiteral("01.3.9.00");
            b.FTIP = QStringLiteral("5");
            b.EKOD = QStringLiteral("01.1.1.01");
            b.ACIK = QStringLiteral("Memurların Temel Maaşları");
            return b;
        };
        d.lookUpBudget();
        QCOMPARE(p.informed.last(), QStringLiteral("DİKKAT! Birimi Seçiniz.."));
        QVERIFY(asked.isEmpty());
        d.accountingUnitBox()->setCode(QStringLiteral("04"));
        d.lookUpBudget();
        QCOMPARE(asked, QStringLiteral("46.01.32.04"));
        QCOMPARE(d.lines()[0].EKOD, QStringLiteral("01.1.1.01"));
        QCOMPARE(d.lines()[0].ACIK, QStringLiteral("Memurların Temel Maaşları"));

        // The current-account picker only for the accounts that take one.
        int offered = 0;
        d.accountPicker = [&offered](int) -> std::optional<int> {
            ++offered;
            return 7;
        };
        d.pickAccount();  // 630…: not offered
        QCOMPARE(offered, 0);
        const int rent = rowOf(d.grid(), PlanDialog::HKOD, QStringLiteral("600.03.06.01.01"));
        d.grid()->item(rent, PlanDialog::HKOD)->setText(QStringLiteral("333.03.01"));
        d.grid()->setCurrentCell(rent, PlanDialog::CKOD);
        d.pickAccount();
        QCOMPARE(offered, 1);
        QCOMPARE(d.lines()[std::size_t(rent)].CKOD, 7);

        // The formula through its editor; then per person.
        d.formulaEditor = [](const QString &f) -> std::optional<QString> { return f + QStringLiteral("-KIRA"); };
        d.grid()->setCurrentCell(0, PlanDialog::HESAP);
        d.editFormula();
        QCOMPARE(d.lines()[0].HESAP, QStringLiteral("KAZ6-KIRA"));
        d.grid()->item(rent, PlanDialog::HESAPDUR)->setText(QStringLiteral("Ayrı Ayrı"));
        QCOMPARE(d.lines()[std::size_t(rent)].HESAPDUR, QStringLiteral("A"));

        // "Vazgeç (F6)": nothing stored.
        d.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        QVERIFY(readLines(o.session.main(), unit, QStringLiteral("1")).empty());
        QVERIFY(!readHeader(o.session.main(), unit, QStringLiteral("1")));
    }
    {
        o.memorandum(true);
        PlanDialog d(o.session, p, unit, QStringLiteral("1"));
        d.generate(DefaultPlan::Salaries);
        QVERIFY(rowOf(d.grid(), PlanDialog::HKOD, QStringLiteral("905.01.01")) >= 0);  // FISOH "E"
        d.payeeBox()->setCode(7);
        d.accountingUnitBox()->setCode(QStringLiteral("04"));
        d.attachmentsEdit()->setText(QStringLiteral("Bordro"));
        d.findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(readLines(o.session.main(), unit, QStringLiteral("1")).size(), defaultPlan(DefaultPlan::Salaries, true).size());
        const auto h = readHeader(o.session.main(), unit, QStringLiteral("1"));
        QVERIFY(h);
        QCOMPARE(h->CKOD, 7);
        QCOMPARE(h->BKOD5, QStringLiteral("04"));
        QCOMPARE(h->SAYAD, QStringLiteral("AYLIK ZERAN MAAŞLARI"));
        QCOMPARE(h->EKLER, QStringLiteral("Bordro"));
    }
    {
        // The cash-kind selector reaches the difference plans; a council unit starts at its kind.
        PlanDialog d(o.session, p, unit, QStringLiteral("1"));
        d.kindBox()->setCurrentIndex(d.kindBox()->findData(QStringLiteral("2")));
        QCOMPARE(d.cashKind(), QStringLiteral("2"));
        QVERIFY(d.lines().empty());
        PlanDialog council(o.session, p, 4, cashKindOfUnitKind(unitKind(o.session.main(), 4)));
        QCOMPARE(council.kindLabel()->text(), QStringLiteral("MECLİS ÖDENEĞİ"));
        QStringList enabled;
        for (QAction *a : council.planActions())
            if (a->isEnabled())
                enabled << a->text();
        QCOMPARE(enabled, QStringList{QStringLiteral("Encümen/Meclis")});
    }
}

void TestPostingUi::cashScreen()
{
    Office o;
    test::makeMonths(o.session.main(), 3, 3);
    PlanHeader h;
    h.BKOD = 1;
    h.NAKTUR = QStringLiteral("1");
    h.SAYAD = QStringLiteral("AYLIK ZERAN MAAŞLARI");
    h.CKOD = 7;
    h.BKOD5 = QStringLiteral("04");
    savePlan(o.session.main(), h, defaultPlan(DefaultPlan::Salaries, false), 2026);

    test::ScriptedPrompter p;
    CashRequest r;
    r.unit = 1;
    r.unitName = QStringLiteral("YAZI İŞLERİ MÜDÜRLÜĞÜ");
    r.month = 3;
    r.monthText = QStringLiteral("MART 2026");
    std::vector<report::Document> printed;
    {
        CashDialog d(o.session, p, r);
        d.printer = [&printed](const report::Document &doc) { printed.push_back(doc); };
        QVERIFY(d.prepared());
        QCOMPARE(d.kindLabel()->text(), QStringLiteral("Maaş"));
        QVERIFY(!d.lines().empty());
        QCOMPARE(d.totals().debit, d.totals().credit);
        QCOMPARE(d.totalLabel(1)->text(), d.totals().debit.toText());
        QCOMPARE(readWorkLines(o.session.main(), 1).size(), d.lines().size());

        // An amount cleared in the grid: "Yeniden Hesapla" lowers the totals, not the accrual.
        const Totals before = d.totals();
        const int tax = rowOf(d.grid(), CashDialog::HESNO, QStringLiteral("360.03.01"));
        QVERIFY(tax >= 0);
        const Money stamp = d.lines()[std::size_t(tax)].ALACAK;
        d.grid()->item(tax, CashDialog::ALACAK)->setText(QString());
        QVERIFY(d.lines()[std::size_t(tax)].ALACAK.isZero());
        d.findChild<QAction *>(QStringLiteral("recomputeAction"))->trigger();
        QCOMPARE(d.totals().credit, before.credit - stamp);
        QCOMPARE(d.totals().deduction, before.deduction - stamp);
        QCOMPARE(d.totals().accrual, before.accrual);
        QVERIFY(readWorkLines(o.session.main(), 1)[std::size_t(tax)].ALACAK.isZero());

        // Unbalanced now: refused, naming the difference; nothing written.
        d.postButton()->click();
        QVERIFY(p.informed.last().contains(stamp.toText()));
        QVERIFY(o.session.accounting().scalar(QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")).toInt() == 0);

        d.grid()->item(tax, CashDialog::ALACAK)->setText(stamp.toText());
        p.answers = {true};
        d.postButton()->click();
        QCOMPARE(d.journalLabel()->text(), QStringLiteral("1"));

        d.printButton()->click();
        QCOMPARE(printed.size(), std::size_t(1));
        QCOMPARE(printed[0].title, QStringLiteral("ÖDEME EMRİ BELGESİ"));
        QVERIFY(int(printed[0].body.at(0).bands.at(2).rows.size()) >= 30);
        d.findChild<QPushButton *>(QStringLiteral("exitButton"))->click();
    }
    // Closing deletes the user's prepared lines.
    QVERIFY(readWorkLines(o.session.main(), 1).empty());
    {
        // Opened again: the payroll's journal number is shown.
        CashDialog d(o.session, p, r);
        QCOMPARE(d.journalLabel()->text(), QStringLiteral("1"));
    }
    {
        // With a combined-payment unit every unit's rows are posted under its plan.
        o.session.ctx.MODEMEBKOD = 1;
        r.unit = 0;
        CashDialog d(o.session, p, r);
        QCOMPARE(d.kindLabel()->text(), QStringLiteral("Birleşik"));
        QVERIFY(d.totals().accrual > Money());
        QCOMPARE(d.totals().debit, d.totals().credit);
    }
}

QTEST_MAIN(TestPostingUi)
#include "tst_posting_ui.moc"
