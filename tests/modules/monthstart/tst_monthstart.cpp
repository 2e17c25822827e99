// The month-start checks: the promotion window and its boundary days, the month before
// January, which differences count as paid (and so are cleared), child counts by the ledger's
// age rule; the rows read from a real database and cleared there; the command line.

#include "monthstart.h"
#include "monthstartstore.h"
#include "payrecordfixture.h"
#include "settingsrow.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace zeran;
using namespace zeran::monthstart;
using Opt = std::optional<int>;

Q_DECLARE_METATYPE(Opt)

namespace {

Differences diff(Opt tfa, Opt gf, Opt kidart)
{
    return {tfa, gf, kidart};
}

}  // namespace

class TestMonthStart : public QObject {
    Q_OBJECT

private slots:
    void previousMonthCrossesTheYear_data()
    {
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("cyil");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("january looks at december of the year before") << 1 << 2027 << 2026 << 12;
        QTest::newRow("may") << 5 << 2026 << 2026 << 4;
        QTest::newRow("december") << 12 << 2026 << 2026 << 11;
    }
    void previousMonthCrossesTheYear()
    {
        QFETCH(int, ay);
        QFETCH(int, cyil);
        QFETCH(int, year);
        QFETCH(int, month);
        QCOMPARE(previousMonth(ay, cyil), (Month{year, month}));
    }

    void promotionWindowAndItsBoundaryDays_data()
    {
        QTest::addColumn<int>("ay");
        QTest::addColumn<QDate>("tertar");
        QTest::addColumn<Opt>("gf");
        QTest::addColumn<bool>("due");
        QTest::newRow("may: first day") << 5 << QDate(2026, 5, 15) << Opt() << true;
        QTest::newRow("may: last day") << 5 << QDate(2026, 6, 14) << Opt(0) << true;
        QTest::newRow("may: the day before") << 5 << QDate(2026, 5, 14) << Opt() << false;
        QTest::newRow("may: the day after") << 5 << QDate(2026, 6, 15) << Opt() << false;
        QTest::newRow("december: first day") << 12 << QDate(2026, 12, 15) << Opt() << true;
        QTest::newRow("december: into january") << 12 << QDate(2027, 1, 14) << Opt() << true;
        QTest::newRow("december: past the window") << 12 << QDate(2027, 1, 15) << Opt() << false;
        QTest::newRow("difference already set") << 5 << QDate(2026, 5, 20) << Opt(300) << false;
        QTest::newRow("negative difference set") << 5 << QDate(2026, 5, 20) << Opt(-20) << false;
        QTest::newRow("no promotion date") << 5 << QDate() << Opt() << false;
    }
    void promotionWindowAndItsBoundaryDays()
    {
        QFETCH(int, ay);
        QFETCH(QDate, tertar);
        QFETCH(Opt, gf);
        QFETCH(bool, due);
        QCOMPARE(promotionDue({1, 1, 1, tertar, gf}, dueWindow(ay, 2026)), due);
    }

    void paidDifferences_data()
    {
        QTest::addColumn<Differences>("record");
        QTest::addColumn<Differences>("archived");
        QTest::addColumn<bool>("paid");
        QTest::newRow("all equal") << diff(1, 300, 5) << diff(1, 300, 5) << true;
        QTest::newRow("only seniority, equal") << diff({}, 0, 5) << diff(0, 0, 5) << true;
        QTest::newRow("negative difference, equal") << diff(1, -20, {}) << diff(1, -20, 0) << true;
        // An increase entered this month shares one column with last month's: not paid yet.
        QTest::newRow("same months, new difference") << diff(1, 320, {}) << diff(1, 300, {}) << false;
        QTest::newRow("archive empty") << diff(1, 300, {}) << diff({}, {}, {}) << false;
        QTest::newRow("nothing on the record") << diff({}, 0, {}) << diff(1, 300, 5) << false;
    }
    void paidDifferences()
    {
        QFETCH(Differences, record);
        QFETCH(Differences, archived);
        QFETCH(bool, paid);
        QCOMPARE(increasePaid({1, 1, 1, record, archived}), paid);
    }

    void childCountsByTheLedgersAgeRule()
    {
        Input in;
        in.AY = 5;
        in.CYIL = 2026;
        in.today = QDate(2026, 5, 10);
        // Six on the birthday itself is still young; one day past seven's birthday is older.
        in.children = {
            {1, 1, 2, 0, {QDate(2020, 5, 10), QDate()}},              // 6 today + no date (young): matches
            {2, 2, 1, 0, {QDate(2019, 5, 9)}},                        // turned 7 yesterday: older
            {3, 3, 0, 1, {QDate(2019, 5, 11)}},                       // still 6: young
        };
        const Findings f = find(in);
        QCOMPARE(int(f.childMismatches.size()), 2);
        QCOMPARE(f.childMismatches[0].PKAYNO, 2);
        QCOMPARE(f.childMismatches[0].young, 0);
        QCOMPARE(f.childMismatches[0].older, 1);
        QCOMPARE(f.childMismatches[1].PKAYNO, 3);
        QCOMPARE(f.childMismatches[1].young, 1);
    }

    // ---- Against a database -----------------------------------------------------------------

    void readsFindsAndClears_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void readsFindsAndClears()
    {
        QFETCH(test::Mode, mode);
        test::payfixture::Db f(mode);
        f.unit(1);
        f.unit(2);
        for (int p = 1; p <= 6; ++p)
            f.person(p);
        // Working month January 2027: the window is 15.01.2027–14.02.2027, the archive December 2026.
        f.record(1, 1, 1, QDate(2027, 1, 15));                    // due
        f.record(2, 1, 2, QDate(2027, 1, 14), 1, 300, {});       // paid in December: cleared
        f.record(3, 1, 3, QDate(2027, 2, 14), 1, 320, {}, 100);  // entered this month: survives
        f.record(4, 2, 1, {}, {}, {}, 5, 40);                     // other unit, seniority paid: cleared
        f.record(5, 2, 2, {}, 1, 300, {});                        // archived in another year: survives
        f.record(6, 1, 4, QDate(2027, 2, 1), {}, 0, {});           // due
        f.archive(2, 1, 2, 2026, 12, 1, 300, {});
        f.archive(3, 1, 3, 2026, 12, 1, 300, {});
        f.archive(4, 2, 1, 2026, 12, 0, 0, 5);
        f.archive(5, 2, 2, 2025, 12, 1, 300, {});
        f.archive(2, 1, 2, 2026, 12, 1, 300, {}, QStringLiteral("2"));  // another payroll kind: not looked at
        // Children: person 1 has two under six on the record but one is now older.
        f.set(1, 1, QStringLiteral("COC1=2,COC2=0"));
        f.child(1, 1, QDate(2024, 3, 1));
        f.child(1, 2, QDate(2019, 1, 1));
        // Person 4 has children but no record in unit 1: left out.
        f.child(4, 3, QDate(2024, 3, 1));

        const Input in = loadInput(f.db, 1, 2027, 1, QDate(2027, 1, 10));
        const Findings found = find(in);
        QCOMPARE(found.previous, (Month{2026, 12}));
        QList<int> due;
        for (const DueRecord &r : found.due)
            due << r.PKAYNO;
        QCOMPARE(due, (QList<int>{1, 6}));
        QList<int> paid;
        for (const IncreaseRow &r : found.paid)
            paid << r.PKAYNO;
        QCOMPARE(paid, (QList<int>{2, 4}));
        QCOMPARE(int(found.childMismatches.size()), 1);
        QCOMPARE(found.childMismatches[0].PKAYNO, 1);
        QCOMPARE(found.childMismatches[0].young, 1);
        QCOMPARE(found.childMismatches[0].older, 1);

        QCOMPARE(clearPaidIncreases(f.db, 1, 2027), 2);
        const QString left = QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=:PK AND "
                                            "TFA IS NULL AND GF IS NULL AND KIDART IS NULL AND EKGF IS NULL");
        QCOMPARE(f.count(left, {{QStringLiteral("PK"), 2}}), 1);
        QCOMPARE(f.count(left, {{QStringLiteral("PK"), 4}}), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=3 AND TFA=1 AND GF=320 AND EKGF=100")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=5 AND GF=300")), 1);
        // Nothing left to clear.
        QVERIFY(find(loadInput(f.db, 1, 2027, 1, QDate(2027, 1, 10))).paid.empty());
    }

    void commandLineOnlyReports()
    {
        test::payfixture::Db f;
        settingsrow::storeWorkingYear(f.db, QStringLiteral("2026"));
        f.unit(3);
        f.person(1);
        f.person(2);
        f.record(1, 3, 1, QDate(2026, 5, 15));
        f.record(2, 3, 2, QDate(2026, 5, 14), 1, 300, {});
        f.archive(2, 3, 2, 2026, 4, 1, 300, {});
        f.db.close();

        const test::CliRun run = test::runCli({QStringLiteral("month-start"), f.fresh.dir.path(), QStringLiteral("--today"),
                                               QStringLiteral("2026-05-20"), QStringLiteral("--unit"), QStringLiteral("3"),
                                               QStringLiteral("--json")});
        QCOMPARE(run.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(run.outBytes).object();
        QCOMPARE(o.value(QStringLiteral("window")).toObject().value(QStringLiteral("from")).toString(), QStringLiteral("2026-05-15"));
        QCOMPARE(o.value(QStringLiteral("window")).toObject().value(QStringLiteral("to")).toString(), QStringLiteral("2026-06-14"));
        const QJsonArray due = o.value(QStringLiteral("duePromotions")).toArray();
        QCOMPARE(due.size(), 1);
        QCOMPARE(due.at(0).toObject().value(QStringLiteral("PKAYNO")).toInt(), 1);
        const QJsonArray paid = o.value(QStringLiteral("paidIncreases")).toArray();
        QCOMPARE(paid.size(), 1);
        QCOMPARE(paid.at(0).toObject().value(QStringLiteral("PKAYNO")).toInt(), 2);

        f.db.open(f.fresh.params);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2 AND GF=300")), 1);

        const test::CliRun bad = test::runCli({QStringLiteral("month-start"), f.fresh.dir.path(), QStringLiteral("--today"),
                                               QStringLiteral("2026-05-20"), QStringLiteral("--unit"), QStringLiteral("0"),
                                               QStringLiteral("--json")});
        QCOMPARE(bad.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestMonthStart)
#include "tst_monthstart.moc"
