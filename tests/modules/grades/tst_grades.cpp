// The grade picker's rules in its three modes, and the indicator tables, unit allowances,
// picked records and promotion dates in a real database.

#include "gradepicker.h"
#include "gradestore.h"
#include "payrecordfixture.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::grades;

namespace {

/// Answers every question with `yes` and remembers which were asked.
struct Answers {
    bool yes = true;
    QList<Question> asked;
    Ask ask()
    {
        return [this](Question q) {
            asked << q;
            return yes;
        };
    }
};

GradeRecord record(int der, int kad, int gos, int egos = 0, std::optional<int> kidem = 10)
{
    GradeRecord r;
    r.DER = der;
    r.KAD = kad;
    r.GOS = gos;
    r.EGOS = egos;
    r.KIDEM = kidem;
    r.OHT = 20;
    r.LTAZ = Money::fromDbDouble(12.5);
    return r;
}

IndicatorRow grade(int der, std::initializer_list<int> steps)
{
    IndicatorRow r;
    r.DER = der;
    int i = 0;
    for (int s : steps)
        r.K[std::size_t(i++)] = s;
    return r;
}

}  // namespace

class TestGrades : public QObject {
    Q_OBJECT

private slots:
    void salaryPickSetsDifferenceFromWhatWasPaid_data()
    {
        QTest::addColumn<int>("paid");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("gf");
        QTest::newRow("up 300") << 1000 << 1300 << 300;
        QTest::newRow("down 60") << 1000 << 940 << -60;
        // A second pick before the payroll: the record shows 1300 already, 1000 was paid.
        QTest::newRow("second pick") << 1000 << 1320 << 320;
    }
    void salaryPickSetsDifferenceFromWhatWasPaid()
    {
        QFETCH(int, paid);
        QFETCH(int, chosen);
        QFETCH(int, gf);
        Answers a;
        const GradeRecord before = record(8, 2, 1300);
        const auto after = pick(PickMode::Salary, before, {8, paid, 0}, {7, 3, chosen}, std::nullopt, std::nullopt, a.ask());
        QVERIFY(after);
        QCOMPARE(after->GF, gf);
        QCOMPARE(after->TFA, 1);
        QCOMPARE(after->DER, 7);
        QCOMPARE(after->KAD, 3);
        QCOMPARE(after->GOS, chosen);
        // No unit allowance row: EGOS, LTAZ and OHT stay; nothing asked.
        QCOMPARE(after->EGOS, before.EGOS);
        QCOMPARE(after->LTAZ, before.LTAZ);
        QCOMPARE(after->OHT, before.OHT);
        QVERIFY(a.asked.isEmpty());
    }

    void unitAllowanceAndSupplementaryIndicator()
    {
        Answers a;
        const UnitAllowance allowance{3600, Money::fromDbDouble(150.25), 40};
        auto after = pick(PickMode::Salary, record(2, 1, 1000), {2, 1000, 0}, {1, 1, 1100}, allowance, std::nullopt, a.ask());
        QCOMPARE(after->EGOS, 3600);
        QCOMPARE(after->LTAZ, Money::fromDbDouble(150.25));
        QCOMPARE(after->OHT, 40);
        QCOMPARE(after->GF, 100);

        // Accepted: the difference takes the supplementary rise too (1000→1100, 0→2200: 2300).
        after = pick(PickMode::Salary, record(2, 1, 1000), {2, 1000, 0}, {1, 1, 1100}, std::nullopt, 2200.0, a.ask());
        QCOMPARE(a.asked, (QList<Question>{Question::SupplementaryChanges}));
        QCOMPARE(after->EGOS, 2200);
        QCOMPARE(after->GF, 2300);

        // Declined: the supplementary indicator and the difference of the pick stay.
        a.yes = false;
        after = pick(PickMode::Salary, record(2, 1, 1000, 500), {2, 1000, 500}, {1, 1, 1100}, std::nullopt, 2200.0, a.ask());
        QCOMPARE(after->EGOS, 500);
        QCOMPARE(after->GF, 100);

        // Asked also when the value equals the current one; a 0 value asks nothing.
        a = {};
        pick(PickMode::Salary, record(2, 1, 1000, 2200), {2, 1000, 2200}, {1, 1, 1100}, std::nullopt, 2200.0, a.ask());
        QCOMPARE(a.asked.size(), 1);
        pick(PickMode::Salary, record(2, 1, 1000), {2, 1000, 0}, {1, 1, 1100}, std::nullopt, 0.0, a.ask());
        QCOMPARE(a.asked.size(), 1);
    }

    void retirementPickSetsOnlyTheRetirementGrade()
    {
        Answers a;
        const GradeRecord before = record(5, 2, 900);
        const auto after = pick(PickMode::Retirement, before, {5, 900, 0}, {4, 6, 1200}, std::nullopt, 1600.0, a.ask());
        QCOMPARE(after->MDER, 4);
        QCOMPARE(after->MKAD, 6);
        QCOMPARE(after->MGOS, 1200);
        QCOMPARE(after->MEGOS, 1600);
        QCOMPARE(after->GF, before.GF);
        QCOMPARE(after->GOS, before.GOS);
        QCOMPARE(after->EGOS, before.EGOS);
    }

    void promotionPick_data()
    {
        QTest::addColumn<int>("currentGrade");
        QTest::addColumn<int>("paidIndicator");
        QTest::addColumn<int>("row");     // grid row of the stored-out-of-order table
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QList<Question>>("asked");
        QTest::addColumn<bool>("changed");
        // Grid row 3 holds grade 3 whatever the stored order.
        QTest::newRow("up one step") << 3 << 1320 << 3 << 4 << true << QList<Question>{} << true;
        QTest::newRow("to a lower grade, declined") << 2 << 1500 << 3 << 4 << false << QList<Question>{Question::GradeDown} << false;
        QTest::newRow("to a lower grade, accepted") << 2 << 1500 << 3 << 4 << true << QList<Question>{Question::GradeDown} << true;
        QTest::newRow("lower step, declined") << 3 << 1400 << 3 << 2 << false << QList<Question>{Question::StepDown} << false;
        QTest::newRow("higher grade") << 4 << 1200 << 2 << 1 << true << QList<Question>{} << true;
    }
    void promotionPick()
    {
        QFETCH(int, currentGrade);
        QFETCH(int, paidIndicator);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, answer);
        QFETCH(QList<Question>, asked);
        QFETCH(bool, changed);
        const std::vector<IndicatorRow> grid =
            pickerRows({grade(3, {1300, 1320, 1340, 1360}), grade(1, {1700, 1750}), grade(2, {1500, 1540, 1580}),
                        grade(4, {1200, 1220})});
        const auto cell = cellAt(grid, row, column);
        QVERIFY(cell);
        QCOMPARE(cell->grade, row);
        Answers a;
        a.yes = answer;
        const auto after = pick(PickMode::Promotion, record(currentGrade, 1, paidIndicator), {currentGrade, paidIndicator, 0},
                                *cell, std::nullopt, std::nullopt, a.ask());
        QCOMPARE(a.asked, asked);
        QCOMPARE(bool(after), changed);
        if (after) {
            QCOMPARE(after->DER, cell->grade);
            QCOMPARE(after->KAD, cell->step);
            QCOMPARE(after->MDER, cell->grade);
            QCOMPARE(after->MKAD, cell->step);
            QCOMPARE(after->MGOS, cell->indicator);
            QCOMPARE(after->TFA, 1);
            QCOMPARE(after->GF, cell->indicator - paidIndicator);
            QCOMPARE(after->KIDEM, 11);
        }
    }

    void promotionPickSeniorityAndSupplementary()
    {
        Answers a;
        for (const auto &[before, expected] : {std::pair{std::optional<int>(25), 25}, std::pair{std::optional<int>(30), 30},
                                               std::pair{std::optional<int>(24), 25}, std::pair{std::optional<int>(), 1}}) {
            const auto after = pick(PickMode::Promotion, record(3, 1, 1000, 0, before), {3, 1000, 0}, {3, 2, 1100},
                                    std::nullopt, std::nullopt, a.ask());
            QCOMPARE(after->KIDEM, expected);
        }
        // 1000→1100 with a supplementary indicator of 2200 where 0 was paid: GF 2300.
        const auto after = pick(PickMode::Promotion, record(3, 1, 1000), {3, 1000, 0}, {3, 2, 1100}, std::nullopt, 2200.0, a.ask());
        QCOMPARE(after->GF, 2300);
        QCOMPARE(after->EGOS, 2200);
        QCOMPARE(after->MEGOS, 2200);
    }

    void emptyCellsDoNothing()
    {
        const std::vector<IndicatorRow> grid = pickerRows({grade(1, {1700, 0, 1750})});
        QVERIFY(!cellAt(grid, 1, 2));   // indicator 0
        QVERIFY(!cellAt(grid, 1, 13));  // beyond K12
        QVERIFY(!cellAt(grid, 0, 1));   // header row
        QVERIFY(!cellAt(grid, 1, 0));   // grade column
        QVERIFY(!cellAt(grid, 2, 1));   // no such row
        QCOMPARE(cellAt(grid, 1, 3)->indicator, 1750);
        Answers a;
        QVERIFY(!pick(PickMode::Salary, record(1, 1, 1700), {1, 1700, 0}, {1, 2, 0}, std::nullopt, std::nullopt, a.ask()));
    }

    // ---- Against a database -----------------------------------------------------------------

    void tablesInTheDatabase_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void tablesInTheDatabase()
    {
        QFETCH(test::Mode, mode);
        test::payfixture::Db f(mode);

        // Indicators: refused tables store nothing; a good one comes back ordered by grade.
        QCOMPARE(saveIndicators(f.db, {grade(2, {1500}), grade(2, {1600})})->row, 1);
        QCOMPARE(saveIndicators(f.db, {grade(0, {1500})})->message, QString::fromUtf8(kGradeMissing));
        QVERIFY(readIndicators(f.db).empty());
        QVERIFY(!saveIndicators(f.db, {grade(2, {1500, 1540}), grade(1, {1700})}));
        QCOMPARE(readIndicators(f.db), (std::vector<IndicatorRow>{grade(1, {1700}), grade(2, {1500, 1540})}));

        // Supplementary rows: one without a grade is dropped, a duplicate refused.
        const std::vector<SupplementaryRow> rows = {{0, QString(), 1, 3600}, {0, QStringLiteral("A"), 1, 4800},
                                                    {0, QStringLiteral("A"), 0, 9999}};
        QVERIFY(!saveSupplementary(f.db, 7, rows));
        QCOMPARE(readSupplementary(f.db, 7),
                 (std::vector<SupplementaryRow>{{7, QString(), 1, 3600}, {7, QStringLiteral("A"), 1, 4800}}));
        const auto twice = saveSupplementary(f.db, 7, {{0, QStringLiteral("A"), 1, 1}, {0, QStringLiteral("A"), 1, 2}});
        QVERIFY(twice);
        QCOMPARE(readSupplementary(f.db, 7).size(), std::size_t(2));
        QCOMPARE(supplementaryIndicator(f.db, 7, QString(), 1), 3600.0);
        QCOMPARE(supplementaryIndicator(f.db, 7, QStringLiteral("A"), 1), 4800.0);
        QVERIFY(!supplementaryIndicator(f.db, 7, QStringLiteral("B"), 1));

        // Allowances of the record's own unit only.
        f.db.exec(QStringLiteral("INSERT INTO ELOHT (BKOD,DER,EKGOST,LOJMAN,OHT) VALUES (4,1,3600,150.25,40)"));
        QCOMPARE(unitAllowance(f.db, 4, 1)->EKGOST, 3600);
        QCOMPARE(unitAllowance(f.db, 4, 1)->LOJMAN, Money::fromDbDouble(150.25));
        QVERIFY(!unitAllowance(f.db, 5, 1));

        // A picked record written back and read; paid values from the archive, or from the
        // record less its pending difference.
        f.person(1);
        f.record(1, 4, 9, QDate(2026, 5, 20), 1, 300);
        f.set(1, 4, QStringLiteral("DER=2,KAD=1,GOS=1300,EGOS=0,KIDEM=4"));
        const RecordKey key{1, 4, 9};
        QCOMPARE(paidValues(f.db, key, 2026, 4).GOS, 1000);
        f.archive(1, 4, 9, 2026, 4, {}, {}, {});
        f.db.exec(QStringLiteral("UPDATE ZERARSIV SET DER=3,GOS=980,EGOS=100"));
        QCOMPARE(paidValues(f.db, key, 2026, 4).GOS, 980);
        QCOMPARE(paidValues(f.db, key, 2026, 4).EGOS, 100);

        GradeRecord r = *readGradeRecord(f.db, key);
        r.MDER = 2;
        r.MKAD = 3;
        r.MGOS = 1340;
        r.MEGOS = 1600;
        r.GOS = 1;  // not a retirement column: not written in that mode
        QCOMPARE(writeGradeRecord(f.db, key, PickMode::Retirement, r), 1);
        const GradeRecord back = *readGradeRecord(f.db, key);
        QCOMPARE(back.MGOS, 1340);
        QCOMPARE(back.MEGOS, 1600);
        QCOMPARE(back.GOS, 1300);

        // Promotion dates.
        QCOMPARE(promotionDates(f.db).size(), std::size_t(1));
        QCOMPARE(setPromotionDate(f.db, key, QDate(2027, 3, 1)), 1);
        QCOMPARE(promotionDates(f.db).front().TERTAR, QDate(2027, 3, 1));
        QCOMPARE(setPromotionDate(f.db, key, QDate()), 1);
        QVERIFY(!promotionDates(f.db).front().TERTAR.isValid());
    }
};

QTEST_GUILESS_MAIN(TestGrades)
#include "tst_grades.moc"
