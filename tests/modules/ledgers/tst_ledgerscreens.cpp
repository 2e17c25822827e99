// The children screen and the two debt-ledger screens, headless, with the messages answered
// by a script.

#include "childrendialog.h"
#include "debtledgerdialog.h"
#include "ledgerfixture.h"
#include "ledgermodels.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zeran;
using namespace zeran::ledgers;
using zeran::ledgers::ui::ChildrenDialog;
using zeran::ledgers::ui::ChildrenModel;
using zeran::ledgers::ui::DebtLedgerDialog;
using zeran::ledgers::ui::DebtModel;
namespace fx = zeran::test::ledgers;

namespace {

/// A database with one person, a session whose start-up date is `today`, and scripted
/// message boxes.
struct Desk {
    explicit Desk(const QDate &today = QDate(2026, 3, 10))
    {
        s.openMain(fresh.params);
        s.ctx.today = today;
        fx::addPerson(db(), 1, QStringLiteral("AYŞE"), QStringLiteral("YILDIZ"), QStringLiteral("44556677"));
        fx::addPerson(db(), 2, QStringLiteral("MEHMET"), QStringLiteral("ÇELİK"));
    }
    db::Database &db() { return s.main(); }
    int count(const QString &sql) { return fx::count(db(), sql); }

    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
};

QString labelText(const QWidget &w, const char *name)
{
    return w.findChild<QLabel *>(QLatin1String(name))->text();
}

void click(const QWidget &w, const char *name)
{
    w.findChild<QPushButton *>(QLatin1String(name))->click();
}

QString ledgerTable(DebtKind kind)
{
    return tableName(kind);
}

/// Types a value into a cell of the debt grid's model.
void type(DebtModel *m, int row, int column, const QString &text)
{
    QVERIFY(m->setData(m->index(row, column), text));
}

}  // namespace

class TestLedgerScreens : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    // ---- Children ---------------------------------------------------------------

    void childrenCounters_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("unit");  // 0: no unit given
        QTest::addColumn<QString>("young");
        QTest::addColumn<QString>("older");
        QTest::addColumn<QString>("firstAge");
        QTest::addColumn<bool>("mismatch");
        QTest::newRow("day before the 7th birthday") << QDate(2026, 3, 9) << 10 << "3" << "0" << "6" << true;
        QTest::newRow("on the 7th birthday") << QDate(2026, 3, 10) << 10 << "2" << "1" << "7" << false;
        QTest::newRow("day after the 7th birthday") << QDate(2026, 3, 11) << 10 << "2" << "1" << "7" << false;
        QTest::newRow("no unit: every pay record compared") << QDate(2026, 3, 10) << 0 << "2" << "1" << "7" << true;
    }
    void childrenCounters()
    {
        QFETCH(QDate, today);
        QFETCH(int, unit);
        QFETCH(QString, young);
        QFETCH(QString, older);
        QFETCH(QString, firstAge);
        QFETCH(bool, mismatch);
        Desk desk(today);
        fx::addChild(desk.db(), 1, 1, QStringLiteral("ALİ YILDIZ"), QDate(2019, 3, 10));
        fx::addChild(desk.db(), 1, 2, QStringLiteral("ZEYNEP YILDIZ"), QDate(2022, 6, 15));
        fx::addChild(desk.db(), 1, 3, QStringLiteral("DOĞUM TARİHİ YOK"), QDate());
        fx::addPayRecord(desk.db(), 1, 10, 2, 1);
        fx::addPayRecord(desk.db(), 1, 20, 0, 0);

        ChildrenDialog d(desk.s, desk.p, 1, unit ? std::optional<int>(unit) : std::nullopt);
        QVERIFY(d.load());
        QCOMPARE(d.windowTitle(), QStringLiteral("ÇOCUK TANIMLARI"));
        QCOMPARE(labelText(d, "personName"), QStringLiteral("AYŞE YILDIZ"));
        QCOMPARE(labelText(d, "youngCount"), young);
        QCOMPARE(labelText(d, "olderCount"), older);
        QCOMPARE(labelText(d, "totalCount"), QStringLiteral("3"));
        QCOMPARE(d.model()->index(0, ChildrenModel::Age).data().toString(), firstAge);
        QCOMPARE(d.model()->index(2, ChildrenModel::Age).data().toString(), QStringLiteral("0"));
        QCOMPARE(d.findChild<QLineEdit *>("messageEdit")->text(),
                 mismatch ? QString::fromUtf8(kCountMismatchMessage) : QString());
    }

    void carryCountsToEveryPayRecord()
    {
        Desk desk;
        fx::addChild(desk.db(), 1, 1, QStringLiteral("ÜÇ YAŞINDA"), QDate(2022, 6, 1));
        fx::addChild(desk.db(), 1, 2, QStringLiteral("DOKUZ YAŞINDA"), QDate(2016, 6, 1));
        fx::addPayRecord(desk.db(), 1, 10, 0, 0);
        fx::addPayRecord(desk.db(), 1, 20, 5, 5);
        fx::addPayRecord(desk.db(), 2, 10, 4, 4);
        const QString onBoth = QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND COC1=%1 AND COC2=%2 AND DIGCOC=%3");
        desk.p.answers = {false, true, true};

        ChildrenDialog d(desk.s, desk.p, 1, 10);
        QVERIFY(d.load());
        auto *message = d.findChild<QLineEdit *>("messageEdit");
        QCOMPARE(message->text(), QString::fromUtf8(kCountMismatchMessage));

        click(d, "updateButton");  // No
        QCOMPARE(desk.p.asked, QStringList{QString::fromUtf8(kCarryCountsQuestion)});
        QCOMPARE(desk.count(onBoth.arg(1).arg(1).arg(2)), 0);

        click(d, "updateButton");  // Yes
        QCOMPARE(desk.count(onBoth.arg(1).arg(1).arg(2)), 2);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2 AND COC1=4 AND COC2=4 AND DIGCOC=8")), 1);
        QVERIFY(message->text().isEmpty());

        // A child typed on the screen counts at once and is stored with the counts.
        ChildrenModel *m = d.model();
        const int row = m->appendRow();
        QVERIFY(m->setData(m->index(row, ChildrenModel::Name), QStringLiteral("ON YAŞINDA")));
        QVERIFY(m->setData(m->index(row, ChildrenModel::Birth), QStringLiteral("1.1.2016")));
        QCOMPARE(labelText(d, "olderCount"), QStringLiteral("2"));
        QCOMPARE(message->text(), QString::fromUtf8(kCountMismatchMessage));
        click(d, "updateButton");  // Yes
        QCOMPARE(desk.count(onBoth.arg(1).arg(2).arg(3)), 2);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM COCUK WHERE PKAYNO=1")), 3);
        QVERIFY(message->text().isEmpty());
        QVERIFY(d.stored());
    }

    void exitStoresTypedChildren()
    {
        Desk desk(QDate(2026, 2, 28));
        fx::addChild(desk.db(), 2, 4, QStringLiteral("BAŞKA KİŞİNİN ÇOCUĞU"), QDate(2010, 1, 1));
        ChildrenDialog d(desk.s, desk.p, 1, 10);
        QVERIFY(d.load());
        d.show();
        auto *grid = d.findChild<QWidget *>("childrenGrid");
        QTest::keyClick(grid, Qt::Key_Insert);
        QTest::keyClick(grid, Qt::Key_Insert);  // still one empty row
        ChildrenModel *m = d.model();
        QCOMPARE(m->rowCount(), 1);
        QVERIFY(m->index(0, ChildrenModel::Age).data().toString().isEmpty());
        QVERIFY(m->setData(m->index(0, ChildrenModel::Name), QStringLiteral("ŞULE YILDIZ")));
        QVERIFY(m->setData(m->index(0, ChildrenModel::Education), QStringLiteral("İlköğretim")));
        QVERIFY(m->setData(m->index(0, ChildrenModel::Sex), QStringLiteral("Kadın")));
        QVERIFY(!m->setData(m->index(0, ChildrenModel::Birth), QStringLiteral("30.02.2020")));
        QVERIFY(m->setData(m->index(0, ChildrenModel::Birth), QStringLiteral("29.02.2020")));
        QCOMPARE(m->index(0, ChildrenModel::Age).data().toString(), QStringLiteral("5"));
        QTest::keyClick(grid, Qt::Key_Down);  // a second, empty row: not stored
        QCOMPARE(m->rowCount(), 2);

        click(d, "exitButton");
        QVERIFY(!d.isVisible());
        QVERIFY(d.stored());
        QSqlQuery q = desk.db().exec(QStringLiteral("SELECT HNO,ADSOY,ODUR,CINS,DTAR FROM COCUK WHERE PKAYNO=1"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 5);
        QCOMPARE(q.value(1).toString(), QStringLiteral("ŞULE YILDIZ"));
        QCOMPARE(q.value(2).toString().trimmed(), QStringLiteral("İ"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("K"));
        QCOMPARE(q.value(4).toDate(), QDate(2020, 2, 29));
        QVERIFY(!q.next());
    }

    // ---- Debt ledgers ---------------------------------------------------------------

    void zeroAmountRefused_data()
    {
        QTest::addColumn<DebtKind>("kind");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("amountCaption");
        QTest::addColumn<QString>("totalCaption");
        QTest::newRow("garnishment, zero") << DebtKind::Garnishment << "0" << "İcra Tutarı" << "Toplam İcra :";
        QTest::newRow("garnishment, negative") << DebtKind::Garnishment << "-5,00" << "İcra Tutarı" << "Toplam İcra :";
        QTest::newRow("service debt, empty") << DebtKind::ServiceDebt << "" << "Tutar" << "Toplam Tutar :";
        QTest::newRow("service debt, zero") << DebtKind::ServiceDebt << "0,00" << "Tutar" << "Toplam Tutar :";
    }
    void zeroAmountRefused()
    {
        QFETCH(DebtKind, kind);
        QFETCH(QString, amount);
        QFETCH(QString, amountCaption);
        QFETCH(QString, totalCaption);
        Desk desk;
        const QString rows = QStringLiteral("SELECT COUNT(*) FROM %1").arg(ledgerTable(kind));
        desk.db().setGenerator(QStringLiteral("GEN_HARNO"), 41);

        DebtLedgerDialog d(desk.s, desk.p, kind, 1);
        QVERIFY(d.load());
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("PERSONEL DETAY BİLGİLERİ"));
        QCOMPARE(labelText(d, "personName"), QStringLiteral("AYŞE YILDIZ"));
        QCOMPARE(labelText(d, "registryNumber"), QStringLiteral("44556677"));
        QCOMPARE(d.model()->headerData(DebtModel::Amount, Qt::Horizontal).toString(), amountCaption);
        bool captionShown = false;
        for (const QLabel *l : d.findChildren<QLabel *>())
            captionShown = captionShown || l->text() == totalCaption;
        QVERIFY(captionShown);

        // An empty ledger opens with a running row for the person.
        DebtModel *m = d.model();
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->index(0, DebtModel::State).data().toString(), QStringLiteral("Devam Ediyor"));
        type(m, 0, DebtModel::Text, QStringLiteral("İSTANBUL 7. İCRA DAİRESİ 2026/55 E."));
        type(m, 0, DebtModel::Amount, amount);
        type(m, 0, DebtModel::Monthly, QStringLiteral("100,00"));
        click(d, "saveButton");
        QCOMPARE(desk.p.informed, QStringList{QString::fromUtf8(kAmountMissingMessage)});
        QVERIFY(d.isVisible());
        QCOMPARE(desk.count(rows), 0);

        type(m, 0, DebtModel::Amount, QStringLiteral("1.250,00"));
        click(d, "saveButton");
        QCOMPARE(desk.p.informed.size(), 1);
        QVERIFY(!d.isVisible());
        QVERIFY(d.stored());
        const QList<DebtRow> stored = readDebts(desk.db(), kind, 1);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].harno, 42);
        QCOMPARE(stored[0].tutar, *Money::parse(u"1250"));
        QCOMPARE(stored[0].kestut, *Money::parse(u"100"));
        QCOMPARE(stored[0].dur, QStringLiteral("D"));
    }

    void allUncheckedHidesFinishedOrdersButCountsThem_data()
    {
        QTest::addColumn<DebtKind>("kind");
        QTest::newRow("garnishment") << DebtKind::Garnishment;
        QTest::newRow("service debt") << DebtKind::ServiceDebt;
    }
    void allUncheckedHidesFinishedOrdersButCountsThem()
    {
        QFETCH(DebtKind, kind);
        Desk desk;
        const QString table = ledgerTable(kind);
        fx::addDebt(desk.db(), table, 1, 1, 500.0, 250.0, QStringLiteral("T"), QStringLiteral("BİTEN"));
        fx::addDebt(desk.db(), table, 1, 2, 1000.0, 300.0, QStringLiteral("D"), QStringLiteral("SÜREN"));
        fx::addDebt(desk.db(), table, 2, 3, 7777.0, 7.0, QStringLiteral("D"));
        // Deductions of every year and payroll kind; the other ledger's column must not count.
        const bool g = kind == DebtKind::Garnishment;
        fx::addResult(desk.db(), 1, 10, QStringLiteral("2024"), 11, QStringLiteral("1"), g ? 100.0 : 999.0, g ? 999.0 : 100.0);
        fx::addResult(desk.db(), 1, 10, QStringLiteral("2026"), 2, QStringLiteral("2"), g ? 150.0 : 999.0, g ? 999.0 : 150.0);
        fx::addResult(desk.db(), 2, 10, QStringLiteral("2026"), 2, QStringLiteral("1"), 55.0, 55.0);

        DebtLedgerDialog d(desk.s, desk.p, kind, 1);
        QVERIFY(d.load());
        QAbstractItemModel *shown = d.grid()->model();
        auto checkTotals = [&] {
            QCOMPARE(labelText(d, "totalValue"), QStringLiteral("1.500,00"));
            QCOMPARE(labelText(d, "paidValue"), QStringLiteral("250,00"));
            QCOMPARE(labelText(d, "remainingValue"), QStringLiteral("1.250,00"));
        };
        QCOMPARE(shown->rowCount(), 1);
        QCOMPARE(shown->index(0, DebtModel::Text).data().toString(), QStringLiteral("SÜREN"));
        checkTotals();

        auto *all = d.findChild<QCheckBox *>("allCheck");
        QCOMPARE(all->text(), QStringLiteral("Tümü"));
        all->setChecked(true);
        QCOMPARE(shown->rowCount(), 2);
        QCOMPARE(shown->index(0, DebtModel::State).data().toString(), QStringLiteral("Tamamlandı"));
        checkTotals();
        all->setChecked(false);
        QCOMPARE(shown->rowCount(), 1);
        checkTotals();
    }

    void onlyFinishedOrdersOpenWithAnEmptyRunningRow()
    {
        Desk desk;
        fx::addDebt(desk.db(), QStringLiteral("HIZBOR"), 1, 1, 9600.0, 800.0, QStringLiteral("T"));
        DebtLedgerDialog d(desk.s, desk.p, DebtKind::ServiceDebt, 1);
        QVERIFY(d.load());
        d.show();
        QCOMPARE(d.grid()->model()->rowCount(), 1);
        QCOMPARE(d.grid()->model()->index(0, DebtModel::State).data().toString(), QStringLiteral("Devam Ediyor"));
        QCOMPARE(labelText(d, "totalValue"), QStringLiteral("9.600,00"));
        QCOMPARE(labelText(d, "paidValue"), QStringLiteral("0"));
        click(d, "cancelButton");
        QVERIFY(!d.isVisible());
        QVERIFY(!d.stored());
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM HIZBOR")), 1);
    }

    void cancelAfterTwoNewRowsStoresNeither()
    {
        Desk desk;
        DebtLedgerDialog a(desk.s, desk.p, DebtKind::Garnishment, 1);
        QVERIFY(a.load());
        a.show();
        DebtModel *m = a.model();
        type(m, 0, DebtModel::Text, QStringLiteral("BİRİNCİ"));
        // A new row is refused while the typed one has no amount.
        QTest::keyClick(a.grid(), Qt::Key_Insert);
        QCOMPARE(desk.p.informed, QStringList{QString::fromUtf8(kAmountMissingMessage)});
        QCOMPARE(m->rowCount(), 1);
        type(m, 0, DebtModel::Amount, QStringLiteral("100,00"));
        QTest::keyClick(a.grid(), Qt::Key_Insert);
        QCOMPARE(m->rowCount(), 2);
        type(m, 1, DebtModel::Text, QStringLiteral("İKİNCİ"));
        type(m, 1, DebtModel::Amount, QStringLiteral("200,00"));
        QCOMPARE(labelText(a, "totalValue"), QStringLiteral("300,00"));

        // Another screen stores its own row meanwhile; leaving this one must not undo it.
        {
            DebtLedgerDialog b(desk.s, desk.p, DebtKind::Garnishment, 1);
            QVERIFY(b.load());
            b.show();
            type(b.model(), 0, DebtModel::Text, QStringLiteral("BAŞKA EKRAN"));
            type(b.model(), 0, DebtModel::Amount, QStringLiteral("50,00"));
            click(b, "saveButton");
            QVERIFY(b.stored());
        }

        click(a, "cancelButton");
        QVERIFY(!a.isVisible());
        QVERIFY(!a.stored());
        const QList<DebtRow> rows = readDebts(desk.db(), DebtKind::Garnishment, 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].acik, QStringLiteral("BAŞKA EKRAN"));
    }

    void hiddenDeleteTakesEffectWithKayit()
    {
        Desk desk;
        fx::addDebt(desk.db(), QStringLiteral("ICRA"), 1, 1, 1000.0, 100.0, QStringLiteral("D"), QStringLiteral("A"));
        fx::addDebt(desk.db(), QStringLiteral("ICRA"), 1, 2, 400.0, 100.0, QStringLiteral("D"), QStringLiteral("B"));
        {
            DebtLedgerDialog d(desk.s, desk.p, DebtKind::Garnishment, 1);
            QVERIFY(d.load());
            d.show();
            auto *sil = d.findChild<QPushButton *>("deleteButton");
            QCOMPARE(sil->text(), QStringLiteral("Sil"));
            QVERIFY(sil->isHidden());
            d.removeCurrent();
            QCOMPARE(labelText(d, "totalValue"), QStringLiteral("400,00"));
            click(d, "cancelButton");
        }
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ICRA")), 2);
        {
            DebtLedgerDialog d(desk.s, desk.p, DebtKind::Garnishment, 1);
            QVERIFY(d.load());
            d.show();
            d.removeCurrent();
            click(d, "saveButton");
            QVERIFY(d.stored());
        }
        const QList<DebtRow> rows = readDebts(desk.db(), DebtKind::Garnishment, 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].acik, QStringLiteral("B"));
    }
};

QTEST_MAIN(TestLedgerScreens)
#include "tst_ledgerscreens.moc"
