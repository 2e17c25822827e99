// The working-year dialog: the year goes into the settings row, the half-year only into the
// working context.

#include "session.h"
#include "setupdialog.h"
#include "testsupport.h"
#include "uitest.h"
#include "workingyeardialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zeran;
using zeran::ui::WorkingYearDialog;

class TestWorkingYear : public QObject {
    Q_OBJECT

private:
    static QString storedYear(Session &s)
    {
        return s.main().scalar(QStringLiteral("SELECT CYIL FROM PTANIM")).toString().trimmed();
    }

private slots:
    void init() { test::clearSettings(); }

    void periodPreselectedFromDon_data()
    {
        QTest::addColumn<QString>("don");
        QTest::addColumn<QString>("item");
        QTest::newRow("first half") << "1" << "OCAK/HAZİRAN";
        QTest::newRow("second half") << "2" << "TEMMUZ/ARALIK";
    }
    void periodPreselectedFromDon()
    {
        QFETCH(QString, don);
        QFETCH(QString, item);
        test::FreshDatabase fresh;
        Session s;
        s.openMain(fresh.params);
        s.ctx.DON = don;
        test::ScriptedPrompter p;
        WorkingYearDialog d(s, p);
        QVERIFY(d.load());
        QCOMPARE(d.windowTitle(), QStringLiteral("ÇALIŞMA YILI"));
        QCOMPARE(d.findChild<QLineEdit *>("yearEdit")->text(), QStringLiteral("2026"));
        QCOMPARE(d.findChild<QComboBox *>("periodCombo")->currentText(), item);
    }

    void tamamSetsYearAndPeriod_data()
    {
        QTest::addColumn<QString>("startDon");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("don");
        QTest::newRow("to the second half") << "1" << 1 << "2";
        QTest::newRow("to the first half") << "2" << 0 << "1";
    }
    void tamamSetsYearAndPeriod()
    {
        QFETCH(QString, startDon);
        QFETCH(int, period);
        QFETCH(QString, don);
        test::FreshDatabase fresh;
        Session s;
        s.openMain(fresh.params);
        s.ctx.DON = startDon;
        s.ctx.KURUM.clear();
        test::ScriptedPrompter p;
        WorkingYearDialog d(s, p);
        QVERIFY(d.load());
        d.show();
        d.findChild<QLineEdit *>("yearEdit")->setText(QStringLiteral("2025"));
        d.findChild<QComboBox *>("periodCombo")->setCurrentIndex(period);
        d.findChild<QPushButton *>("okButton")->click();
        QVERIFY(p.informed.isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.ctx.DON, don);
        QCOMPARE(s.ctx.CYIL, QStringLiteral("2025"));
        QCOMPARE(s.ctx.KURUM, QStringLiteral("KURUM ADI"));
        QCOMPARE(storedYear(s), QStringLiteral("2025"));
    }

    void cancelAndShortYearStoreNothing()
    {
        test::FreshDatabase fresh;
        Session s;
        s.openMain(fresh.params);
        s.ctx.DON = QStringLiteral("1");
        s.ctx.CYIL = QStringLiteral("2026");
        test::ScriptedPrompter p;
        {
            WorkingYearDialog d(s, p);
            QVERIFY(d.load());
            d.show();
            d.findChild<QLineEdit *>("yearEdit")->setText(QStringLiteral("20"));
            d.findChild<QComboBox *>("periodCombo")->setCurrentIndex(1);
            d.findChild<QPushButton *>("okButton")->click();
            QCOMPARE(p.informed, QStringList{QString::fromUtf8(ui::kYearFormatMessage)});
            QVERIFY(d.isVisible());
            d.findChild<QPushButton *>("cancelButton")->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
        QCOMPARE(s.ctx.DON, QStringLiteral("1"));
        QCOMPARE(s.ctx.CYIL, QStringLiteral("2026"));
        QCOMPARE(storedYear(s), QStringLiteral("2026"));
    }

    void noSettingsRowIsReported()
    {
        test::FreshDatabase fresh;
        Session s;
        s.openMain(fresh.params);
        {
            db::Transaction t(s.main());
            s.main().exec(QStringLiteral("DELETE FROM PTANIM"));
            t.commit();
        }
        test::ScriptedPrompter p;
        WorkingYearDialog d(s, p);
        QVERIFY(!d.load());
        QCOMPARE(p.informed.size(), 1);
    }
};

QTEST_MAIN(TestWorkingYear)
#include "tst_workingyear.moc"
