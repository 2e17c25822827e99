// The month-start checks as the payroll screen runs them after listing its people: which
// question comes when, what Yes does (the promotions door, the clearing, the advice), the list
// made again after a change without asking twice, and nothing at all with both flags off.

#include "clock.h"
#include "demo.h"
#include "monthstart.h"
#include "payrolldoors.h"
#include "payrollscreen.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::payrollscreen;

namespace {

const QDate kToday(2026, 3, 10);

/// The demo institution with every reminder quiet: no promotion dates, no differences, no
/// children; the checks on.
struct Desk {
    Desk()
    {
        clock::setToday(kToday);
        s.openMain(fresh.params);
        demo::fillDemoInstitution(s.main());
        s.tanimoku();
        s.main().exec(QStringLiteral("UPDATE ZERBORBIL SET TERTAR=NULL,TFA=NULL,GF=NULL,EKGF=NULL,KIDART=NULL,COC1=0,COC2=0"));
        s.main().exec(QStringLiteral("DELETE FROM COCUK"));
        s.ctx.FORM = QStringLiteral("E");
        s.ctx.BORTEK = QStringLiteral("E");
        QSqlQuery q = s.main().exec(QStringLiteral("SELECT FIRST 1 PKAYNO,PKOD FROM ZERBORBIL WHERE BKOD=:BK AND DURUM='E' "
                                                   "ORDER BY PKOD"),
                                    {{QStringLiteral("BK"), s.ctx.MBKOD}});
        q.next();
        pkayno = q.value(0).toInt();
        pkod = q.value(1).toInt();
    }
    ~Desk() { clearDoors(); }

    std::unique_ptr<PayrollScreen> open()
    {
        auto w = std::make_unique<PayrollScreen>(s, p, nullptr, PayrollScreenMode::Payroll);
        w->start();
        return w;
    }
    void sql(const QString &statement)
    {
        s.main().exec(statement, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), s.ctx.MBKOD},
                                  {QStringLiteral("PO"), pkod}});
    }
    int count(const QString &statement)
    {
        return s.main().scalar(statement, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), s.ctx.MBKOD}}).toInt();
    }

    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
    int pkayno = 0, pkod = 0;
};

QString text(const char *t)
{
    return QString::fromUtf8(t);
}

}  // namespace

class TestMonthStartScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    void quietMonthAsksNothing()
    {
        Desk d;
        auto w = d.open();
        QVERIFY2(d.p.asked.isEmpty(), qPrintable(d.p.asked.join(QLatin1Char('|'))));
        // Flags off: a due promotion and a child miscount go unmentioned.
        d.sql(QStringLiteral("UPDATE ZERBORBIL SET TERTAR='2026-03-20',COC1=3 WHERE PKAYNO=:PK AND BKOD=:BK"));
        d.s.ctx.FORM = QStringLiteral("H");
        d.s.ctx.BORTEK = QStringLiteral("H");
        auto again = d.open();
        QVERIFY(d.p.asked.isEmpty());
    }

    void duePromotionsOpenThePromotionsDoorOnce()
    {
        Desk d;
        d.sql(QStringLiteral("UPDATE ZERBORBIL SET TERTAR='2026-03-15' WHERE PKAYNO=:PK AND BKOD=:BK"));
        int opened = 0;
        int unit = -1;
        registerDoor(QStringLiteral("promotionsButton"), [&](QWidget *, const DoorContext &c) {
            ++opened;
            unit = c.unit;
            return AfterDoor::Reload;
        });
        d.p.answers = {false};
        auto w = d.open();
        QCOMPARE(d.p.asked, QStringList{text(monthstart::kDueQuestion)});
        QCOMPARE(opened, 0);

        d.p.asked.clear();
        d.p.answers = {true};
        w->sorgula();
        // Yes opens the screen for the active unit; the list made again after it asks nothing.
        QCOMPARE(opened, 1);
        QCOMPARE(unit, d.s.ctx.MBKOD);
        QCOMPARE(d.p.asked, QStringList{text(monthstart::kDueQuestion)});
    }

    void paidIncreasesAreClearedOnYes()
    {
        Desk d;
        d.sql(QStringLiteral("UPDATE ZERBORBIL SET TFA=1,GF=300,EKGF=50 WHERE PKAYNO=:PK AND BKOD=:BK"));
        d.sql(QStringLiteral("INSERT INTO ZERARSIV (PKAYNO,BKOD,PKOD,TUR,YIL,AY,TFA,GF) VALUES (:PK,:BK,:PO,'1','2026',2,1,300)"));
        d.p.answers = {true};
        auto w = d.open();
        QCOMPARE(d.p.asked, QStringList{text(monthstart::kPaidQuestion)});
        QCOMPARE(d.p.informed, QStringList{text(monthstart::kCleared)});
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK AND TFA IS NULL "
                                        "AND GF IS NULL AND EKGF IS NULL")),
                 1);
    }

    void childCountsSendTheClerkToTheLedger()
    {
        Desk d;
        d.sql(QStringLiteral("INSERT INTO COCUK (PKAYNO,HNO,ADSOY,DTAR) VALUES (:PK,1,'ÇOCUK','2022-01-01')"));
        d.p.answers = {true};
        auto w = d.open();
        QCOMPARE(d.p.asked, QStringList{text(monthstart::kChildQuestion)});
        QCOMPARE(d.p.informed, QStringList{text(monthstart::kChildAdvice)});
        // The counts are the ledger's to correct: the record is left as it was.
        QCOMPARE(d.count(QStringLiteral("SELECT COC1 FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK")), 0);
    }
};

QTEST_MAIN(TestMonthStartScreen)
#include "tst_monthstart_screen.moc"
