// Data access of the ledgers: children numbering and codes, the counts on the pay records,
// debt rows numbered from the shared generator and stored all or nothing, and the sums of
// what has been deducted so far.

#include "ledgerfixture.h"
#include "ledgerstore.h"
#include "paidsums.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::ledgers;
namespace fx = zeran::test::ledgers;

namespace {

struct Fixture {
    explicit Fixture(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("ledgers"))
    {
        db.open(fresh.params);
    }
    test::FreshDatabase fresh;
    db::Database db;
};

Money lira(const char *text)
{
    return *Money::parse(QString::fromUtf8(text));
}

}  // namespace

class TestLedgerData : public QObject {
    Q_OBJECT

private slots:
    void childrenRoundTripAndNumbering_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void childrenRoundTripAndNumbering()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        fx::addChild(f.db, 2, 7, QStringLiteral("BAŞKA ÇOCUK"), QDate(2015, 1, 1));

        QList<ChildRow> rows = {
            {0, QStringLiteral("ŞEYMA IŞIK"), QDate(2020, 2, 29), QStringLiteral("İ"), QStringLiteral("K")},
            {0, QStringLiteral("ÖMER IŞIK"), QDate(), QStringLiteral("O"), QStringLiteral("E")},
        };
        storeChildren(f.db, 1, rows);
        // Numbered after the largest number of the whole table, not of the person.
        QCOMPARE(rows[0].hno, 8);
        QCOMPARE(rows[1].hno, 9);
        QCOMPARE(readChildren(f.db, 1), rows);

        rows[1].dtar = QDate(2024, 5, 6);
        rows[1].odur = QStringLiteral("L");
        QList<ChildRow> changed = {rows[1]};
        storeChildren(f.db, 1, changed);
        QCOMPARE(readChildren(f.db, 1), rows);
        QCOMPARE(readChildren(f.db, 2).size(), 1);
    }

    void childNumberBeyondTheColumnRangeIsRefused()
    {
        Fixture f;
        fx::addChild(f.db, 2, 32767, QStringLiteral("SON NUMARA"), QDate(2015, 1, 1));
        QList<ChildRow> rows = {{0, QStringLiteral("YENİ"), QDate(2020, 1, 1), {}, {}}};
        QVERIFY_THROWS_EXCEPTION(db::DbError, storeChildren(f.db, 1, rows));
        QCOMPARE(rows[0].hno, 0);
        QVERIFY(readChildren(f.db, 1).isEmpty());
    }

    void countsGoToEveryPayRecordOfThePerson()
    {
        Fixture f;
        fx::addPayRecord(f.db, 1, 10, 0, 0);
        fx::addPayRecord(f.db, 1, 20, 3, 3);
        fx::addPayRecord(f.db, 2, 10, 4, 4);
        QCOMPARE(storeRecordCounts(f.db, 1, ChildCounts{1, 2}), 2);
        QCOMPARE(fx::count(f.db, QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND COC1=1 AND COC2=2 AND DIGCOC=3")), 2);
        QCOMPARE(fx::count(f.db, QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2 AND COC1=4 AND COC2=4 AND DIGCOC=8")), 1);

        QCOMPARE(readRecordCounts(f.db, 1, std::nullopt).size(), 2);
        const QList<RecordCounts> unit = readRecordCounts(f.db, 2, 10);
        QCOMPARE(unit.size(), 1);
        QCOMPARE(unit[0].coc1, 4);
        QVERIFY(readRecordCounts(f.db, 2, 20).isEmpty());
    }

    void debtsNumberedFromTheGeneratorSkippingUsedNumbers_data()
    {
        QTest::addColumn<DebtKind>("kind");
        QTest::newRow("garnishment") << DebtKind::Garnishment;
        QTest::newRow("service debt") << DebtKind::ServiceDebt;
    }
    void debtsNumberedFromTheGeneratorSkippingUsedNumbers()
    {
        QFETCH(DebtKind, kind);
        Fixture f;
        fx::addDebt(f.db, tableName(kind), 1, 5, 100.0, 10.0, QStringLiteral("D"));
        // The unit copy may set the shared generator back below numbers in use.
        f.db.setGenerator(QStringLiteral("GEN_HARNO"), 4);

        DebtChanges c;
        c.added = {DebtRow{0, QDate(2026, 3, 2), QStringLiteral("ANKARA 3. İCRA DAİRESİ 2026/118 E."), lira("12.500,50"),
                           lira("1.250,05"), QStringLiteral("D")}};
        storeDebts(f.db, kind, 1, c);
        QCOMPARE(c.added[0].harno, 6);
        const QList<DebtRow> rows = readDebts(f.db, kind, 1);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1], c.added[0]);
        QCOMPARE(rows[1].tutar.toText(), QStringLiteral("12.500,50"));
    }

    void debtChangesStoredAllOrNothing()
    {
        Fixture f;
        fx::addDebt(f.db, QStringLiteral("ICRA"), 1, 1, 100.0, 10.0, QStringLiteral("D"));
        fx::addDebt(f.db, QStringLiteral("ICRA"), 1, 2, 200.0, 20.0, QStringLiteral("D"));

        DebtRow finished = readDebts(f.db, DebtKind::Garnishment, 1)[1];
        finished.dur = QStringLiteral("T");
        DebtChanges c;
        c.removed = {1};
        c.changed = {finished};
        c.added = {DebtRow{0, {}, QStringLiteral("YENİ"), lira("50,00"), lira("5,00"), QStringLiteral("D")}};
        // A generator value beyond the key column's range refuses the new row and with it
        // the whole unit (the driver would store it wrapped to a negative number).
        f.db.setGenerator(QStringLiteral("GEN_HARNO"), 40000);
        QVERIFY_THROWS_EXCEPTION(db::DbError, storeDebts(f.db, DebtKind::Garnishment, 1, c));
        QCOMPARE(c.added[0].harno, 0);
        const QList<DebtRow> after = readDebts(f.db, DebtKind::Garnishment, 1);
        QCOMPARE(after.size(), 2);
        QCOMPARE(after[0].harno, 1);
        QCOMPARE(after[1].dur, QStringLiteral("D"));

        f.db.setGenerator(QStringLiteral("GEN_HARNO"), 10);
        storeDebts(f.db, DebtKind::Garnishment, 1, c);
        const QList<DebtRow> stored = readDebts(f.db, DebtKind::Garnishment, 1);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0], finished);
        QCOMPARE(stored[1].harno, 11);
    }

    void paidSumsOverEveryEarlierRow()
    {
        Fixture f;
        // Person 1 in units 10 and 20, person 2 in unit 20, person 3 without a pay record.
        fx::addPayRecord(f.db, 1, 10, 0, 0);
        fx::addPayRecord(f.db, 1, 20, 0, 0);
        fx::addPayRecord(f.db, 2, 20, 0, 0);
        fx::addResult(f.db, 1, 10, QStringLiteral("2024"), 11, QStringLiteral("1"), 100.10, 5.00);  // earlier year, later month
        fx::addResult(f.db, 1, 10, QStringLiteral("2025"), 2, QStringLiteral("2"), 200.20, -1);      // difference payroll, no HIZBOR
        fx::addResult(f.db, 1, 10, QStringLiteral("2026"), 3, QStringLiteral("1"), 300.30, 7.00);
        fx::addResult(f.db, 1, 20, QStringLiteral("2026"), 3, QStringLiteral("1"), 400.40, 0.00);
        fx::addResult(f.db, 1, 20, QStringLiteral("2026"), 3, QStringLiteral("4"), 0.01, 0.00);  // meeting fees
        fx::addResult(f.db, 2, 20, QStringLiteral("2026"), 1, QStringLiteral("1"), -1, 80.00);
        fx::addResult(f.db, 3, 30, QStringLiteral("2026"), 2, QStringLiteral("7"), 9.99, 1.11);

        const PaidSums one = paidSumsOf(f.db, 1);
        QCOMPARE(one.garnishment, lira("1001,01"));
        QCOMPARE(one.serviceDebt, lira("12,00"));
        QCOMPARE(one.of(DebtKind::Garnishment), one.garnishment);
        QCOMPARE(one.of(DebtKind::ServiceDebt), one.serviceDebt);
        QCOMPARE(paidSumsOf(f.db, 2), (PaidSums{Money(), lira("80,00")}));
        QCOMPARE(paidSumsOf(f.db, 99), PaidSums{});

        // The grouped forms give every person what the one-person form gives.
        const QHash<int, PaidSums> all = paidSums(f.db);
        QCOMPARE(all.size(), 3);
        for (int pk : {1, 2, 3})
            QCOMPARE(all.value(pk), paidSumsOf(f.db, pk));
        const QHash<int, PaidSums> unit20 = paidSumsOfUnit(f.db, 20);
        QCOMPARE(unit20.size(), 2);
        QCOMPARE(unit20.value(1), one);  // rows of every unit count
        QCOMPARE(unit20.value(2), paidSumsOf(f.db, 2));

        // A run leaves out the payroll it is about to write again, and nothing else.
        const PayrollKey march{2026, 3, QStringLiteral("1"), std::nullopt};
        QCOMPARE(paidSumsOf(f.db, 1, march), (PaidSums{lira("300,31"), lira("5,00")}));
        QCOMPARE(paidSums(f.db, march).value(1), paidSumsOf(f.db, 1, march));
        const PayrollKey marchOfUnit20{2026, 3, QStringLiteral("1"), 20};
        QCOMPARE(paidSumsOf(f.db, 1, marchOfUnit20), (PaidSums{lira("600,61"), lira("12,00")}));
        QCOMPARE(paidSumsOfUnit(f.db, 20, marchOfUnit20).value(1), paidSumsOf(f.db, 1, marchOfUnit20));
    }
};

QTEST_GUILESS_MAIN(TestLedgerData)
#include "tst_ledgerdata.moc"
