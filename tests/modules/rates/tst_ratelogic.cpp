// The rules of the rate screens that need no database: periods, numbers in either decimal
// form, the copy columns, the bracket display and the completeness check.

#include "ratelogic.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::rates;

class TestRateLogic : public QObject {
    Q_OBJECT

private slots:
    void previousPeriod_data();
    void previousPeriod();

    void numbers_data();
    void numbers();
    void canonical_data();
    void canonical();
    void replyAmountsRoundedToFourDecimals();

    void copyColumns();
    void replyOrders();
    void lowerLimits_data();
    void lowerLimits();
    void completeTaxRow_data();
    void completeTaxRow();
};

void TestRateLogic::previousPeriod_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("don");
    QTest::addColumn<QString>("sourceYear");
    QTest::addColumn<QString>("sourceDon");
    QTest::newRow("first half takes last year's second") << "2026" << "1" << "2025" << "2";
    QTest::newRow("second half takes the first") << "2026" << "2" << "2026" << "1";
    QTest::newRow("inflation difference takes the first") << "2026" << "3" << "2026" << "1";
    QTest::newRow("century turn") << "2000" << "1" << "1999" << "2";
}

void TestRateLogic::previousPeriod()
{
    QFETCH(QString, year);
    QFETCH(QString, don);
    QFETCH(QString, sourceYear);
    QFETCH(QString, sourceDon);
    QCOMPARE(rates::previousPeriod({year, don}), (Period{sourceYear, sourceDon}));
}

void TestRateLogic::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("comma decimal") << "1,387871" << true << 1.387871;
    QTest::newRow("point decimal") << "1.387871" << true << 1.387871;
    QTest::newRow("whole") << "190000" << true << 190000.0;
    QTest::newRow("blanks and CR") << "  15,5 \r" << true << 15.5;
    QTest::newRow("turkish grouped") << "1.234.567,89" << true << 1234567.89;
    QTest::newRow("english grouped") << "1,234,567.89" << true << 1234567.89;
    QTest::newRow("grouped whole, points") << "1.234.567" << true << 1234567.0;
    QTest::newRow("single point is decimal") << "190.000" << true << 190.0;
    QTest::newRow("negative") << "-0,5" << true << -0.5;
    QTest::newRow("plus") << "+7" << true << 7.0;
    QTest::newRow("exponent") << "1E-5" << true << 0.00001;
    QTest::newRow("exponent with comma") << "2,5e3" << true << 2500.0;
    QTest::newRow("negative zero") << "-0" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two decimal commas") << "1,2,3" << false << 0.0;
    QTest::newRow("irregular groups") << "1.23.456" << false << 0.0;
    QTest::newRow("decimal before group") << "1,234.567,8" << false << 0.0;
    QTest::newRow("trailing separator") << "12," << false << 0.0;
    QTest::newRow("leading separator") << ",5" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("inner blank") << "1 000" << false << 0.0;
    QTest::newRow("bad exponent") << "1e" << false << 0.0;
    QTest::newRow("huge") << "1e999" << false << 0.0;
}

void TestRateLogic::numbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const auto v = parseNumber(text);
    QCOMPARE(v.has_value(), valid);
    if (valid)
        QCOMPARE(*v, value);
}

void TestRateLogic::canonical_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("canonical");
    const int rate = int(ValueKind::Rate), amount = int(ValueKind::Amount), choice = int(ValueKind::Choice);
    QTest::newRow("rate keeps its digits") << "0,962173" << rate << true << "0.962173";
    QTest::newRow("rate, many decimals") << "15.8484151" << rate << true << "15.8484151";
    QTest::newRow("empty empties") << "" << rate << true << "";
    QTest::newRow("blank empties") << "   " << amount << true << "";
    QTest::newRow("amount") << "110.000,50" << amount << true << "110000.5";
    QTest::newRow("amount four decimals") << "1,2345" << amount << true << "1.2345";
    QTest::newRow("amount five decimals refused") << "1,23456" << amount << false << "";
    QTest::newRow("amount trailing zeros") << "6900,00" << amount << true << "6900";
    QTest::newRow("choice 1") << "1" << choice << true << "1";
    QTest::newRow("choice 2 refused") << "2" << choice << false << "";
    QTest::newRow("garbage") << "1..2" << rate << false << "";
}

void TestRateLogic::canonical()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(bool, valid);
    QFETCH(QString, canonical);
    const auto v = canonicalValue(text, ValueKind(kind));
    QCOMPARE(v.has_value(), valid);
    if (valid) {
        QCOMPARE(*v, canonical);
        // What is stored reads back as the same text.
        QCOMPARE(canonicalFromStored(storedFromCanonical(*v, ValueKind(kind)), ValueKind(kind)), canonical);
    }
}

void TestRateLogic::replyAmountsRoundedToFourDecimals()
{
    QCOMPARE(replyValue(u"3100,123456", ValueKind::Amount), std::optional<QString>(QStringLiteral("3100.1235")));
    QCOMPARE(replyValue(u"0,962173", ValueKind::Rate), std::optional<QString>(QStringLiteral("0.962173")));
    QCOMPARE(replyValue(u"", ValueKind::Amount), std::optional<QString>(QString()));
    QVERIFY(!replyValue(u"yok", ValueKind::Amount));
}

void TestRateLogic::copyColumns()
{
    // Everything of the screen except what changes every half-year and the newer bands.
    RateValues current, source;
    for (const RateColumn &c : legalColumns()) {
        current.insert(c.name, QStringLiteral("1"));
        source.insert(c.name, QStringLiteral("2"));
    }
    const RateValues copied = copyFromPrevious(current, source);
    const QStringList kept = {"KATSAYI", "YOD", "TAK", "EGOS4", "EGOS5", "EGOS6", "EGOS7", "YEMEK", "BASKAN"};
    for (const RateColumn &c : legalColumns())
        QCOMPARE(copied.value(c.name), kept.contains(c.name) ? QStringLiteral("1") : QStringLiteral("2"));
    QCOMPARE(legalCopyColumns().size(), 23);
    // A column the source leaves empty is copied as empty.
    source.insert(QStringLiteral("KAK"), QString());
    QCOMPARE(copyFromPrevious(current, source).value(QStringLiteral("KAK")), QString());
}

void TestRateLogic::replyOrders()
{
    QCOMPARE(legalReplyOrder().size(), 30);
    QCOMPARE(taxReplyOrder().size(), 23);
    // Every column of a reply is a column of its screen.
    for (const QString &c : legalReplyOrder())
        QVERIFY2(!captionOf(c, false).isEmpty(), qPrintable(c));
    for (const QString &c : taxReplyOrder())
        QVERIFY2(!captionOf(c, true).isEmpty(), qPrintable(c));
    QCOMPARE(legalColumns().size(), 32);
    int grouped = 0;
    for (const ColumnGroup &g : legalGroups())
        grouped += g.columns.size();
    QCOMPARE(grouped, 32);
}

void TestRateLogic::lowerLimits_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("shown");
    QTest::newRow("110000") << "110000" << "        110.001";
    QTest::newRow("millions") << "5300000" << "      5.300.001";
    QTest::newRow("empty bound") << "" << "              1";
    QTest::newRow("with kuruş") << "158000.5" << "     158.001,50";
}

void TestRateLogic::lowerLimits()
{
    QFETCH(QString, upper);
    QFETCH(QString, shown);
    QCOMPARE(lowerLimitText(upper), shown);
    QCOMPARE(lowerLimitText(upper).size(), 15);
    QCOMPARE(firstLowerLimitText(), QStringLiteral("              0"));
}

void TestRateLogic::completeTaxRow_data()
{
    QTest::addColumn<QString>("ust1");
    QTest::addColumn<bool>("complete");
    QTest::newRow("0.5 refused") << "0.5" << false;
    QTest::newRow("1 accepted") << "1" << true;
    QTest::newRow("0.9999 refused") << "0.9999" << false;
    QTest::newRow("empty refused") << "" << false;
    QTest::newRow("negative refused") << "-5" << false;
    QTest::newRow("190000 accepted") << "190000" << true;
}

void TestRateLogic::completeTaxRow()
{
    QFETCH(QString, ust1);
    QFETCH(bool, complete);
    QCOMPARE(taxRowComplete({{QStringLiteral("UST1"), ust1}}), complete);
}

QTEST_GUILESS_MAIN(TestRateLogic)
#include "tst_ratelogic.moc"
