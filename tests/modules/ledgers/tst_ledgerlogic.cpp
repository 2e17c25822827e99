// Ages, child counts, debt totals and the capped instalment, without a database.

#include "ledgers.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::ledgers;

namespace {
Money lira(const char *text)
{
    return *Money::parse(QString::fromUtf8(text));
}
}  // namespace

class TestLedgerLogic : public QObject {
    Q_OBJECT

private slots:
    void ageFollowsTheCalendar_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("on");
        QTest::addColumn<int>("age");
        const QDate b2019(2019, 3, 10), b2022(2022, 3, 10), leap(2020, 2, 29);
        QTest::newRow("day before the 7th birthday") << b2019 << QDate(2026, 3, 9) << 6;
        QTest::newRow("on the 7th birthday") << b2019 << QDate(2026, 3, 10) << 7;
        QTest::newRow("day after the 7th birthday") << b2019 << QDate(2026, 3, 11) << 7;
        QTest::newRow("day before the 1st birthday") << b2022 << QDate(2023, 3, 9) << 0;
        QTest::newRow("on the 1st birthday") << b2022 << QDate(2023, 3, 10) << 1;
        QTest::newRow("day after the 1st birthday") << b2022 << QDate(2023, 3, 11) << 1;
        QTest::newRow("29 Feb: 28 Feb of a common year") << leap << QDate(2021, 2, 28) << 0;
        QTest::newRow("29 Feb: 1 March of a common year") << leap << QDate(2021, 3, 1) << 1;
        QTest::newRow("29 Feb: the day before turning 7") << leap << QDate(2027, 2, 28) << 6;
        QTest::newRow("29 Feb: turning 7 on 1 March") << leap << QDate(2027, 3, 1) << 7;
        QTest::newRow("29 Feb: leap year, day before") << leap << QDate(2024, 2, 28) << 3;
        QTest::newRow("29 Feb: leap year, on the day") << leap << QDate(2024, 2, 29) << 4;
        QTest::newRow("year end: 31 Dec, day before") << QDate(2019, 12, 31) << QDate(2026, 12, 30) << 6;
        QTest::newRow("year end: 31 Dec, on the day") << QDate(2019, 12, 31) << QDate(2026, 12, 31) << 7;
        QTest::newRow("born today") << QDate(2026, 3, 10) << QDate(2026, 3, 10) << 0;
        QTest::newRow("no date of birth") << QDate() << QDate(2026, 3, 10) << 0;
        QTest::newRow("date of birth in the future") << QDate(2026, 5, 1) << QDate(2026, 3, 10) << 0;
    }
    void ageFollowsTheCalendar()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, on);
        QFETCH(int, age);
        QCOMPARE(childAge(birth, on), age);
    }

    void countsSplitAtSix_data()
    {
        QTest::addColumn<QList<QDate>>("births");
        QTest::addColumn<QDate>("on");
        QTest::addColumn<int>("young");
        QTest::addColumn<int>("older");
        const QList<QDate> family = {QDate(2019, 3, 10), QDate(2022, 3, 10), QDate()};
        QTest::newRow("day before the 7th birthday") << family << QDate(2026, 3, 9) << 3 << 0;
        QTest::newRow("on the 7th birthday") << family << QDate(2026, 3, 10) << 2 << 1;
        QTest::newRow("aged 3 and 9") << QList<QDate>{QDate(2022, 6, 1), QDate(2016, 6, 1)} << QDate(2026, 3, 10) << 1
                                      << 1;
        QTest::newRow("no children") << QList<QDate>{} << QDate(2026, 3, 10) << 0 << 0;
    }
    void countsSplitAtSix()
    {
        QFETCH(QList<QDate>, births);
        QFETCH(QDate, on);
        QFETCH(int, young);
        QFETCH(int, older);
        const ChildCounts c = countChildren(births, on);
        QCOMPARE(c.young, young);
        QCOMPARE(c.older, older);
        QCOMPARE(c.total(), young + older);
    }

    void disagreementWithPayRecords_data()
    {
        QTest::addColumn<QList<int>>("records");  // coc1, coc2 pairs
        QTest::addColumn<bool>("disagree");
        QTest::newRow("equal") << QList<int>{1, 1} << false;
        QTest::newRow("young differs") << QList<int>{2, 1} << true;
        QTest::newRow("older differs") << QList<int>{1, 0} << true;
        QTest::newRow("one of two records differs") << QList<int>{1, 1, 0, 0} << true;
        QTest::newRow("no pay record") << QList<int>{} << false;
    }
    void disagreementWithPayRecords()
    {
        QFETCH(QList<int>, records);
        QFETCH(bool, disagree);
        QList<RecordCounts> list;
        for (int i = 0; i + 1 < records.size(); i += 2)
            list.append({records[i], records[i + 1]});
        QCOMPARE(countsDisagree(ChildCounts{1, 1}, list), disagree);
    }

    void debtTotalsCountEveryOrder_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("shownPaid");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("running and finished orders") << QStringList{"1000,00", "500,00"} << "900,00" << "1500,00"
                                                     << "900,00" << "600,00";
        QTest::newRow("nothing deducted") << QStringList{"48000,00"} << "0" << "48000,00" << "0" << "48000,00";
        QTest::newRow("no orders") << QStringList{} << "0" << "0" << "0" << "0";
        QTest::newRow("sum not above 0") << QStringList{"-10,00"} << "5,00" << "0" << "5,00" << "-5,00";
        QTest::newRow("deductions not above 0") << QStringList{"100,00"} << "-20,00" << "100,00" << "0" << "100,00";
        QTest::newRow("kuruş kept exactly") << QStringList{"0,10", "0,20"} << "0,30" << "0,30" << "0,30" << "0";
    }
    void debtTotalsCountEveryOrder()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, paid);
        QFETCH(QString, total);
        QFETCH(QString, shownPaid);
        QFETCH(QString, remaining);
        QList<Money> list;
        for (const QString &a : amounts)
            list.append(*Money::parse(a));
        const DebtTotals t = debtTotals(list, *Money::parse(paid));
        QCOMPARE(t.total, *Money::parse(total));
        QCOMPARE(t.paid, *Money::parse(shownPaid));
        QCOMPARE(t.remaining, *Money::parse(remaining));
    }

    void instalmentCappedByWhatRemains_data()
    {
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("due");
        QTest::newRow("nothing paid yet") << "0" << "300,00";
        QTest::newRow("more than an instalment remains") << "600,00" << "300,00";
        QTest::newRow("less than an instalment remains") << "900,00" << "100,00";
        QTest::newRow("paid off") << "1000,00" << "0";
        QTest::newRow("overpaid") << "1100,00" << "0";
    }
    void instalmentCappedByWhatRemains()
    {
        QFETCH(QString, paid);
        QFETCH(QString, due);
        QCOMPARE(cappedInstalment(lira("1000,00"), lira("300,00"), *Money::parse(paid)), *Money::parse(due));
    }

    void codesAndWords()
    {
        QCOMPARE(textForCode(educationCodes(), QStringLiteral("İ")), QStringLiteral("İlköğretim"));
        QCOMPARE(codeForText(educationCodes(), QStringLiteral("Yükseköğretim")), QStringLiteral("Y"));
        QCOMPARE(codeForText(sexCodes(), QStringLiteral("Kadın")), QStringLiteral("K"));
        QCOMPARE(textForCode(debtStateCodes(), QStringLiteral("T")), QStringLiteral("Tamamlandı"));
        QCOMPARE(codeForText(debtStateCodes(), QStringLiteral("Devam Ediyor")), QStringLiteral("D"));
        QVERIFY(textForCode(sexCodes(), QString()).isEmpty());
        QVERIFY(codeForText(educationCodes(), QStringLiteral("Üniversite")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLedgerLogic)
#include "tst_ledgerlogic.moc"
