#include "money.h"

#include <QtTest>

#include <cmath>
#include <limits>

using zeran::Money;
using zeran::MoneyDivideByZero;
using zeran::MoneyInvalidRate;
using zeran::MoneyOverflow;

namespace zeran {
// Readable QCOMPARE failures: "1234.5600 (raw 12345600)".
char *toString(const Money &m)
{
    return qstrdup(QStringLiteral("%1 (raw %2)").arg(m.toPlain(4)).arg(m.raw()).toUtf8().constData());
}
} // namespace zeran

// Amounts in the tables are written in the machine form ('.' is always the
// decimal point); parsePlain itself is checked against raw values below.
static Money dec(const QString &plain)
{
    return Money::parsePlain(plain).value();
}

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

// A double must never slip into integer arithmetic or become an amount by
// conversion: those calls must not compile.
template <typename M> concept MulTakesDouble = requires(M m) { m.mul(0.5); };
template <typename M> concept DivIntTakesDouble = requires(M m) { m.divInt(2.5); };
template <typename M> concept MulDivTakesDouble = requires(M m) { m.mulDiv(2, 3.0); };
template <typename M> concept UnitsFromDouble = requires { M::fromUnits(1.5); };
template <typename M> concept RawFromDouble = requires { M::fromRaw(1.5); };
template <typename M> concept MulTakesInt = requires(M m) { m.mul(3); };
template <typename M> concept RateTakesFloat = requires(M m) { m.mulRate(0.1f); };
template <typename M> concept RateTakesInt = requires(M m) { m.mulRate(3); m.divRate(3); };
static_assert(!std::is_constructible_v<Money, double>);
static_assert(!std::is_constructible_v<Money, std::int64_t>);
static_assert(!MulTakesDouble<Money>);
static_assert(!DivIntTakesDouble<Money>);
static_assert(!MulDivTakesDouble<Money>);
static_assert(!UnitsFromDouble<Money>);
static_assert(!RawFromDouble<Money>);
static_assert(MulTakesInt<Money>);
static_assert(!RateTakesFloat<Money>);
static_assert(RateTakesInt<Money>);

class TestMoney : public QObject {
    Q_OBJECT

private slots:
    void construction();
    void parsePlain_data();
    void parsePlain();

    void comparison();
    void addSubtractOverflow();

    void yuvarla_data();
    void yuvarla();
    void roundingOverflow();

    void mulRate_data();
    void mulRate();
    void rateErrors();
    void mulRateDiv_data();
    void mulRateDiv();
    void divRate_data();
    void divRate();
    void integerMulDiv_data();
    void integerMulDiv();
    void mulRatio();
    void fromRateProduct_data();
    void fromRateProduct();

    void gunhes_data();
    void gunhes();
    void prorate();

    void fromDbDouble_data();
    void fromDbDouble();
    void fromDbFloat_data();
    void fromDbFloat();
    void fitsDbFloat_data();
    void fitsDbFloat();
    void doubleRoundTrip_data();
    void doubleRoundTrip();

    void format_data();
    void format();
    void parse_data();
    void parse();
    void parseRejects_data();
    void parseRejects();
    void textRoundTrip_data();
    void textRoundTrip();

    void shortestDecimal_data();
    void shortestDecimal();
};

void TestMoney::construction()
{
    QCOMPARE(Money().raw(), 0);
    QCOMPARE(Money::fromUnits(1234).raw(), 12340000);
    QCOMPARE(Money::fromUnits(-5).raw(), -50000);
    QCOMPARE(Money::fromKurus(123456).raw(), 12345600);
    QCOMPARE(Money::fromRaw(kMin).raw(), kMin);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromUnits(kMax / 10000 + 1));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromKurus(kMin / 100 - 1));
}

void TestMoney::parsePlain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("whole") << "1234" << true << Q_INT64_C(12340000);
    QTest::newRow("two decimals") << "1234.56" << true << Q_INT64_C(12345600);
    QTest::newRow("dot is never grouping") << "1.234" << true << Q_INT64_C(12340);
    QTest::newRow("four decimals") << "-0.0001" << true << Q_INT64_C(-1);
    QTest::newRow("spaces") << " 7.5 " << true << Q_INT64_C(75000);
    QTest::newRow("max") << "922337203685477.5807" << true << kMax;
    QTest::newRow("min") << "-922337203685477.5808" << true << kMin;
    QTest::newRow("above max") << "922337203685477.5808" << false << Q_INT64_C(0);
    QTest::newRow("five decimals") << "1.23456" << false << Q_INT64_C(0);
    QTest::newRow("comma") << "1,5" << false << Q_INT64_C(0);
    QTest::newRow("trailing dot") << "1." << false << Q_INT64_C(0);
    QTest::newRow("leading dot") << ".5" << false << Q_INT64_C(0);
    QTest::newRow("empty") << "" << false << Q_INT64_C(0);
}

void TestMoney::parsePlain()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, raw);
    const auto m = Money::parsePlain(text);
    QCOMPARE(m.has_value(), ok);
    if (ok)
        QCOMPARE(m->raw(), raw);
}

void TestMoney::comparison()
{
    QVERIFY(dec("-0.0001") < Money());
    QVERIFY(dec("1.5") > dec("1.4999"));
    QVERIFY(dec("2") == Money::fromUnits(2));
    QVERIFY(dec("2") != dec("2.0001"));
    QVERIFY(Money::fromRaw(kMin) < Money::fromRaw(kMax));
}

void TestMoney::addSubtractOverflow()
{
    QCOMPARE(dec("1.25") + dec("-3.5"), dec("-2.25"));
    QCOMPARE(dec("1.25") - dec("3.5"), dec("-2.25"));
    QCOMPARE(-dec("4.0001"), dec("-4.0001"));

    const Money max = Money::fromRaw(kMax);
    const Money min = Money::fromRaw(kMin);
    const Money tick = Money::fromRaw(1);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, max + tick);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, min - tick);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, tick - min);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, -min);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, min.abs());
    QCOMPARE(max - max, Money());
    QCOMPARE(min + max, -tick);

    // A failed compound assignment leaves the total untouched.
    Money total = max;
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, total += tick);
    QCOMPARE(total, max);
    total = min;
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, total -= tick);
    QCOMPARE(total, min);
}

void TestMoney::yuvarla_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("two");   // yuvarla1
    QTest::addColumn<QString>("whole"); // yuvarla2 and yuvarla

    QTest::newRow("half up") << "12.345" << "12.35" << "12";
    QTest::newRow("half up negative") << "-12.345" << "-12.35" << "-12";
    QTest::newRow("below half") << "12.3449" << "12.34" << "12";
    QTest::newRow("above half") << "12.3451" << "12.35" << "12";
    QTest::newRow("half kurus") << "0.005" << "0.01" << "0";
    QTest::newRow("half kurus negative") << "-0.005" << "-0.01" << "0";
    QTest::newRow("just under half kurus") << "0.0049" << "0" << "0";
    QTest::newRow("zero") << "0" << "0" << "0";
    QTest::newRow("half lira") << "12.5" << "12.5" << "13";
    QTest::newRow("half lira negative") << "-12.5" << "-12.5" << "-13";
    QTest::newRow("half lira not to even") << "2.5" << "2.5" << "3";
    QTest::newRow("half lira odd") << "3.5" << "3.5" << "4";
    QTest::newRow("just under half lira") << "2.4999" << "2.5" << "2";
    QTest::newRow("just under half lira negative") << "-2.4999" << "-2.5" << "-2";
    QTest::newRow("half of one") << "0.5" << "0.5" << "1";
    QTest::newRow("carry into thousands") << "999.995" << "1000" << "1000";
    QTest::newRow("already rounded") << "1234.56" << "1234.56" << "1235";
}

void TestMoney::yuvarla()
{
    QFETCH(QString, amount);
    QFETCH(QString, two);
    QFETCH(QString, whole);
    const Money m = dec(amount);
    QCOMPARE(m.yuvarla1(), dec(two));
    QCOMPARE(m.yuvarla2(), dec(whole));
    QCOMPARE(m.yuvarla(), dec(whole));
}

void TestMoney::roundingOverflow()
{
    // The extremes end in ...5807 and ...5808: whole-lira rounding goes out
    // of range, two-decimal rounding stays inside.
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMax).yuvarla2());
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMin).yuvarla2());
    QCOMPARE(Money::fromRaw(kMax).yuvarla1().raw(), kMax - 7);
    QCOMPARE(Money::fromRaw(kMin).yuvarla1().raw(), kMin + 8);
}

void TestMoney::mulRate_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("coefficient") << "1000" << 15.848415 << "15848.415";
    QTest::newRow("coefficient 2") << "1000" << 1.012556 << "1012.556";
    QTest::newRow("tie to even down") << "1.0001" << 0.5 << "0.5";
    QTest::newRow("tie to even up") << "1.0003" << 0.5 << "0.5002";
    QTest::newRow("tie to even down 2") << "1.0005" << 0.5 << "0.5002";
    QTest::newRow("tie to even up 2") << "1.0007" << 0.5 << "0.5004";
    QTest::newRow("tie negative amount") << "-1.0003" << 0.5 << "-0.5002";
    QTest::newRow("tie negative rate") << "1.0001" << -0.5 << "-0.5";
    QTest::newRow("tie both negative") << "-1.0003" << -0.5 << "0.5002";
    QTest::newRow("above tie") << "1.0001" << 0.50001 << "0.5001";
    // The binary value of 0.35 lies below 0.35; read as the decimal the clerk
    // typed, 0.001 × 0.35 = 0.00035 is a tie and goes to the even 0.0004.
    QTest::newRow("decimal rate not binary") << "0.001" << 0.35 << "0.0004";
    QTest::newRow("decimal rate not binary 2") << "0.001" << 0.15 << "0.0002";
    QTest::newRow("tenth") << "3" << 0.1 << "0.3";
    QTest::newRow("percent rate") << "1234.5678" << 0.07 << "86.4197";
    QTest::newRow("seventeen digits")
        << "1000" << 123456789.12345678 << "123456789123.4568";
    QTest::newRow("seventeen digit fraction")
        << "99999999.9999" << 0.12345678901234568 << "12345678.9012";
    QTest::newRow("large amount small rate") << "900000000000" << 0.0001 << "90000000";
    QTest::newRow("large rate") << "0.0001" << 1e14 << "10000000000";
    QTest::newRow("tiny rate") << "1000" << 1e-10 << "0";
    QTest::newRow("denormal rate") << "900000000000" << 5e-324 << "0";
    QTest::newRow("huge rate zero amount") << "0" << 1e300 << "0";
    QTest::newRow("zero rate") << "123.45" << 0.0 << "0";
    QTest::newRow("negative zero rate") << "123.45" << -0.0 << "0";
    QTest::newRow("whole rate") << "-2.5" << 3.0 << "-7.5";
}

void TestMoney::mulRate()
{
    QFETCH(QString, amount);
    QFETCH(double, rate);
    QFETCH(QString, expected);
    QCOMPARE(dec(amount).mulRate(rate), dec(expected));
}

void TestMoney::rateErrors()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Money m = dec("100");

    QVERIFY_THROWS_EXCEPTION(MoneyInvalidRate, m.mulRate(nan));
    QVERIFY_THROWS_EXCEPTION(MoneyInvalidRate, m.mulRate(inf));
    QVERIFY_THROWS_EXCEPTION(MoneyInvalidRate, m.divRate(-inf));
    QVERIFY_THROWS_EXCEPTION(MoneyInvalidRate, Money().mulRate(nan));

    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, m.mulRate(1e300));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMax).mulRate(1.0001));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMin).mulRate(-1.0));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMax).mulRate(99999999999999999.0));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, m.divRate(1e-300));
    QCOMPARE(Money::fromRaw(kMin).mulRate(1.0).raw(), kMin);
    QCOMPARE(Money::fromRaw(kMax).mulRate(-1.0).raw(), -kMax);

    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, m.divRate(0.0));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, m.divRate(-0.0));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, Money().divRate(0.0));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, m.mulRateDiv(16.0, 0));
}

void TestMoney::mulRateDiv_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("divisor");
    QTest::addColumn<QString>("expected");

    QTest::newRow("percent") << "1234.56" << 16.0 << Q_INT64_C(100) << "197.5296";
    QTest::newRow("fractional percent") << "8500" << 7.5 << Q_INT64_C(100) << "637.5";
    QTest::newRow("per mille") << "12345.67" << 7.59 << Q_INT64_C(1000) << "93.7036";
    // amount × rate = 0.01498 would round to 0.0150 first, and 0.0150 ÷ 100
    // is a tie going up to 0.0002; a single rounding gives 0.0001.
    QTest::newRow("one rounding only") << "0.1498" << 0.1 << Q_INT64_C(1) << "0.015";
    QTest::newRow("one rounding only, percent") << "0.1498" << 0.1 << Q_INT64_C(100) << "0.0001";
    QTest::newRow("tie after division") << "0.0003" << 50.0 << Q_INT64_C(100) << "0.0002";
    QTest::newRow("negative divisor") << "100" << 14.0 << Q_INT64_C(-100) << "-14";
    QTest::newRow("large divisor") << "900000000000" << 1.0 << std::numeric_limits<qint64>::max() << "0";
}

void TestMoney::mulRateDiv()
{
    QFETCH(QString, amount);
    QFETCH(double, rate);
    QFETCH(qint64, divisor);
    QFETCH(QString, expected);
    QCOMPARE(dec(amount).mulRateDiv(rate, divisor), dec(expected));
}

void TestMoney::divRate_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("thirds") << "100" << 3.0 << "33.3333";
    QTest::newRow("two thirds") << "200" << 3.0 << "66.6667";
    QTest::newRow("by decimal") << "1" << 0.3 << "3.3333";
    QTest::newRow("by small decimal") << "2" << 0.0003 << "6666.6667";
    QTest::newRow("tie to even down") << "0.0001" << 2.0 << "0";
    QTest::newRow("tie to even up") << "0.0003" << 2.0 << "0.0002";
    QTest::newRow("negative rate") << "100" << -8.0 << "-12.5";
    QTest::newRow("negative amount tie") << "-0.0005" << 2.0 << "-0.0002";
    QTest::newRow("by huge rate") << "900000000000" << 1e300 << "0";
    QTest::newRow("inverse of mulRate") << "15848.415" << 15.848415 << "1000";
}

void TestMoney::divRate()
{
    QFETCH(QString, amount);
    QFETCH(double, rate);
    QFETCH(QString, expected);
    QCOMPARE(dec(amount).divRate(rate), dec(expected));
}

void TestMoney::integerMulDiv_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<qint64>("num");
    QTest::addColumn<qint64>("den");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two thirds") << "1000" << Q_INT64_C(2) << Q_INT64_C(3) << "666.6667";
    QTest::newRow("thirds negative") << "-1000" << Q_INT64_C(1) << Q_INT64_C(3) << "-333.3333";
    QTest::newRow("tie even down") << "0.0001" << Q_INT64_C(1) << Q_INT64_C(2) << "0";
    QTest::newRow("tie even up") << "0.0003" << Q_INT64_C(1) << Q_INT64_C(2) << "0.0002";
    QTest::newRow("tie negative") << "-0.0003" << Q_INT64_C(1) << Q_INT64_C(2) << "-0.0002";
    QTest::newRow("negative den") << "10" << Q_INT64_C(1) << Q_INT64_C(-4) << "-2.5";
    // The intermediate amount × num passes 64 bits; the result fits.
    QTest::newRow("wide intermediate")
        << "900000000000" << Q_INT64_C(1000000000) << Q_INT64_C(3000000000) << "300000000000";
}

void TestMoney::integerMulDiv()
{
    QFETCH(QString, amount);
    QFETCH(qint64, num);
    QFETCH(qint64, den);
    QFETCH(QString, expected);
    QCOMPARE(dec(amount).mulDiv(num, den), dec(expected));
    if (num == 1)
        QCOMPARE(dec(amount).divInt(den), dec(expected));
    if (den == 1)
        QCOMPARE(dec(amount).mul(num), dec(expected));
}

void TestMoney::mulRatio()
{
    // Share 1000 in the proportion 1 : 3.
    QCOMPARE(dec("1000").mulRatio(dec("1"), dec("3")), dec("333.3333"));
    QCOMPARE(dec("1000").mulRatio(dec("2.5"), dec("-10")), dec("-250"));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, dec("1000").mulRatio(dec("1"), Money()));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, dec("1000").divInt(0));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, Money().mulDiv(1, 0));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMax / 2 + 1).mul(2));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMin).divInt(-1));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromRaw(kMax).mulDiv(kMax, kMax - 1));
    QCOMPARE(Money::fromRaw(kMax).mulDiv(kMax, kMax), Money::fromRaw(kMax));
    QCOMPARE(Money::fromRaw(kMin).mulDiv(kMin, kMin), Money::fromRaw(kMin));
}

void TestMoney::fromRateProduct_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("expected");

    QTest::newRow("indicator × coefficient") << 9500.0 << 1.012556 << "9619.282";
    QTest::newRow("rounded at four decimals") << 0.123456 << 0.5 << "0.0617";
    QTest::newRow("tie to even") << 0.00015 << 1.0 << "0.0002";
    QTest::newRow("negative") << -0.35 << 0.001 << "-0.0004";
    QTest::newRow("seventeen digits each")
        << 0.12345678901234568 << 12345678.901234567 << "1524157.8753";
}

void TestMoney::fromRateProduct()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, expected);
    QCOMPARE(Money::fromRateProduct(a, b), dec(expected));
    QCOMPARE(Money::fromRateProduct(b, a), dec(expected));
}

void TestMoney::gunhes_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half month") << "3100" << 15 << "1500";
    QTest::newRow("full month unchanged") << "3100" << 31 << "3100";
    // Rounding amount ÷ 31 first would give 32.2581 × 31 = 1000.0011.
    QTest::newRow("full month, not divisible") << "1000" << 31 << "1000";
    QTest::newRow("full month, odd amount") << "12345.67" << 31 << "12345.67";
    QTest::newRow("fifteen days") << "1000" << 15 << "483.871";
    QTest::newRow("one day") << "1000" << 1 << "32.2581";
    QTest::newRow("thirty days") << "1000" << 30 << "967.7419";
    QTest::newRow("zero stays zero") << "0" << 15 << "0";
    QTest::newRow("negative amount") << "-3100" << 15 << "-1500";
    QTest::newRow("rounds up") << "0.0001" << 16 << "0.0001";
    QTest::newRow("rounds down") << "0.0001" << 15 << "0";
    QTest::newRow("zero days") << "1000" << 0 << "0";
}

void TestMoney::gunhes()
{
    QFETCH(QString, amount);
    QFETCH(int, days);
    QFETCH(QString, expected);
    QCOMPARE(dec(amount).gunhes(days), dec(expected));
}

void TestMoney::prorate()
{
    QCOMPARE(dec("3000").prorate(10, 30), dec("1000"));
    QCOMPARE(dec("1000").prorate(28, 28), dec("1000"));
    QCOMPARE(dec("1000").prorate(15, 31), dec("1000").gunhes(15));
    QVERIFY_THROWS_EXCEPTION(MoneyDivideByZero, dec("1000").prorate(10, 0));
}

void TestMoney::fromDbDouble_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("two decimals") << 1234.56 << Q_INT64_C(12345600);
    QTest::newRow("negative") << -1234.56 << Q_INT64_C(-12345600);
    // Binary 0.285 is 0.28499999…; the stored amount is 0.285.
    QTest::newRow("binary below decimal") << 0.285 << Q_INT64_C(2850);
    QTest::newRow("binary above decimal") << 0.1 << Q_INT64_C(1000);
    QTest::newRow("four decimals") << 15.8484 << Q_INT64_C(158484);
    QTest::newRow("large two decimals") << 12345678901.23 << Q_INT64_C(123456789012300);
    QTest::newRow("fifth decimal tie down") << 0.00005 << Q_INT64_C(0);
    QTest::newRow("fifth decimal tie up") << 0.00015 << Q_INT64_C(2);
    QTest::newRow("fifth decimal tie negative") << -0.00015 << Q_INT64_C(-2);
    QTest::newRow("fifth decimal above tie") << 0.000051 << Q_INT64_C(1);
    QTest::newRow("tiny") << 1e-20 << Q_INT64_C(0);
    QTest::newRow("zero") << 0.0 << Q_INT64_C(0);
    QTest::newRow("negative zero") << -0.0 << Q_INT64_C(0);
}

void TestMoney::fromDbDouble()
{
    QFETCH(double, stored);
    QFETCH(qint64, raw);
    QCOMPARE(Money::fromDbDouble(stored).raw(), raw);
}

void TestMoney::fromDbFloat_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<qint64>("raw");
    // What a FLOAT column hands back (the float widened to double) must read as typed.
    QTest::newRow("two decimals") << 12345.67 << Q_INT64_C(123456700);
    QTest::newRow("kurus") << 0.01 << Q_INT64_C(100);
    QTest::newRow("negative") << -850.35 << Q_INT64_C(-8503500);
    QTest::newRow("whole") << 8138.0 << Q_INT64_C(81380000);
    QTest::newRow("zero") << 0.0 << Q_INT64_C(0);
    // Above 2^21 the float's shortest text drops a kuruş the float holds exactly.
    QTest::newRow("large, held exactly") << 2970430.25 << Q_INT64_C(29704302500);
    QTest::newRow("large negative") << -2970430.25 << Q_INT64_C(-29704302500);
    QTest::newRow("large, nearest float") << 2970430.26 << Q_INT64_C(29704302500);  // stored as ...30.25
    QTest::newRow("half kuruş away from zero") << 0.125 << Q_INT64_C(1300);
}

void TestMoney::fromDbFloat()
{
    QFETCH(double, typed);
    QFETCH(qint64, raw);
    const double fromColumn = double(float(typed));
    QCOMPARE(Money::fromDbFloat(float(fromColumn)).raw(), raw);
}

void TestMoney::fitsDbFloat_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("fits");
    QTest::newRow("typical amount") << "12345.67" << true;
    QTest::newRow("kuruş") << "0.01" << true;
    QTest::newRow("negative") << "-850.35" << true;
    QTest::newRow("large, exact") << "2970430.25" << true;
    QTest::newRow("200.000,01 reads 200.000,02") << "200000.01" << false;
    QTest::newRow("200.000,00") << "200000" << true;
    QTest::newRow("four decimals") << "1234.5678" << false;
    QTest::newRow("beyond the float's digits") << "98765432.10" << false;
}

void TestMoney::fitsDbFloat()
{
    QFETCH(QString, amount);
    QFETCH(bool, fits);
    const Money m = Money::parsePlain(amount).value();
    QCOMPARE(m.fitsDbFloat(), fits);
    if (fits)
        QCOMPARE(Money::fromDbFloat(float(m.toDouble())), m);
}

void TestMoney::doubleRoundTrip_data()
{
    QTest::addColumn<QString>("amount");
    QTest::newRow("kurus") << "0.01";
    QTest::newRow("two decimals") << "1234.56";
    QTest::newRow("four decimals") << "-98765.4321";
    QTest::newRow("large") << "899999999999.9999";
    QTest::newRow("zero") << "0";
}

void TestMoney::doubleRoundTrip()
{
    QFETCH(QString, amount);
    const Money m = dec(amount);
    QCOMPARE(Money::fromDbDouble(m.toDouble()), m);
}

void TestMoney::format_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("text4");
    QTest::addColumn<QString>("plain2");
    QTest::addColumn<QString>("plain4");

    QTest::newRow("grouped") << "1234.56" << "1.234,56" << "1.234,5600" << "1234.56" << "1234.5600";
    QTest::newRow("negative") << "-1234.56" << "-1.234,56" << "-1.234,5600" << "-1234.56" << "-1234.5600";
    QTest::newRow("zero") << "0" << "0,00" << "0,0000" << "0.00" << "0.0000";
    QTest::newRow("below thousand") << "999" << "999,00" << "999,0000" << "999.00" << "999.0000";
    QTest::newRow("thousand") << "1000" << "1.000,00" << "1.000,0000" << "1000.00" << "1000.0000";
    QTest::newRow("millions") << "1234567.8" << "1.234.567,80" << "1.234.567,8000" << "1234567.80"
                              << "1234567.8000";
    QTest::newRow("half kurus rounds away") << "0.005" << "0,01" << "0,0050" << "0.01" << "0.0050";
    QTest::newRow("negative half kurus") << "-0.005" << "-0,01" << "-0,0050" << "-0.01" << "-0.0050";
    QTest::newRow("negative showing zero") << "-0.0049" << "0,00" << "-0,0049" << "0.00" << "-0.0049";
    QTest::newRow("carry") << "999.995" << "1.000,00" << "999,9950" << "1000.00" << "999.9950";
    QTest::newRow("small") << "0.0001" << "0,00" << "0,0001" << "0.00" << "0.0001";
    QTest::newRow("max") << "922337203685477.5807" << "922.337.203.685.477,58" << "922.337.203.685.477,5807"
                         << "922337203685477.58" << "922337203685477.5807";
    QTest::newRow("min") << "-922337203685477.5808" << "-922.337.203.685.477,58"
                         << "-922.337.203.685.477,5808" << "-922337203685477.58" << "-922337203685477.5808";
}

void TestMoney::format()
{
    QFETCH(QString, amount);
    QFETCH(QString, text);
    QFETCH(QString, text4);
    QFETCH(QString, plain2);
    QFETCH(QString, plain4);
    const Money m = dec(amount);
    QCOMPARE(m.toText(), text);
    QCOMPARE(m.toText4(), text4);
    QCOMPARE(m.toPlain(2), plain2);
    QCOMPARE(m.toPlain(4), plain4);
    QCOMPARE(m.toPlain(), plain4);
}

void TestMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("turkish") << "1.234,56" << "1234.56";
    QTest::newRow("turkish millions") << "1.234.567,1234" << "1234567.1234";
    QTest::newRow("decimal comma") << "1234,56" << "1234.56";
    QTest::newRow("decimal comma one digit") << "0,5" << "0.5";
    QTest::newRow("decimal point") << "1234.56" << "1234.56";
    QTest::newRow("decimal point four") << "1.2345" << "1.2345";
    QTest::newRow("decimal point one") << "1.5" << "1.5";
    QTest::newRow("dot groups thousands") << "1.234" << "1234";
    QTest::newRow("dot groups millions") << "1.234.567" << "1234567";
    QTest::newRow("badly grouped is decimal") << "1234.567" << "1234.567";
    QTest::newRow("whole") << "42" << "42";
    QTest::newRow("leading zeros") << "007,50" << "7.5";
    QTest::newRow("negative") << "-1.234,56" << "-1234.56";
    QTest::newRow("negative zero") << "-0" << "0";
    QTest::newRow("surrounding spaces") << "  -12,5 \t" << "-12.5";
    QTest::newRow("max") << "922.337.203.685.477,5807" << "922337203685477.5807";
    QTest::newRow("min") << "-922337203685477,5808" << "-922337203685477.5808";
}

void TestMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const auto m = Money::parse(text);
    QVERIFY(m.has_value());
    QCOMPARE(*m, dec(expected));
}

void TestMoney::parseRejects_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("sign only") << "-";
    QTest::newRow("letters") << "abc";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("five decimals point") << "1.23456";
    QTest::newRow("five decimals comma") << "1,23456";
    QTest::newRow("dot after comma") << "1.234,5.6";
    QTest::newRow("english grouping") << "1,234.56";
    QTest::newRow("bad group before comma") << "1.23.456,00";
    QTest::newRow("group too long before comma") << "1.2345,67";
    QTest::newRow("first group too long") << "1234.567,00";
    QTest::newRow("uneven dots") << "12.34.56";
    QTest::newRow("trailing comma") << "12,";
    QTest::newRow("leading comma") << ",5";
    QTest::newRow("trailing dot") << "12.";
    QTest::newRow("leading dot") << ".5";
    QTest::newRow("double sign") << "--1";
    QTest::newRow("plus sign") << "+1";
    QTest::newRow("sign after number") << "1-";
    QTest::newRow("inner space") << "1 234";
    QTest::newRow("space after sign") << "- 1";
    QTest::newRow("exponent") << "1e5";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662");
    QTest::newRow("above max") << "922337203685477,5808";
    QTest::newRow("far above max") << "99999999999999999999";
    QTest::newRow("below min") << "-922.337.203.685.477,5809";
}

void TestMoney::parseRejects()
{
    QFETCH(QString, text);
    QVERIFY(!Money::parse(text).has_value());
}

void TestMoney::textRoundTrip_data()
{
    QTest::addColumn<QString>("amount");
    QTest::newRow("two decimals") << "1234.56";
    QTest::newRow("four decimals") << "-1234567.8915";
    QTest::newRow("half kurus") << "-0.005";
    QTest::newRow("thousand") << "1000";
    QTest::newRow("zero") << "0";
    QTest::newRow("max") << "922337203685477.5807";
}

void TestMoney::textRoundTrip()
{
    QFETCH(QString, amount);
    const Money m = dec(amount);
    QCOMPARE(Money::parse(m.toText4()), std::optional<Money>(m));
    QCOMPARE(Money::parsePlain(m.toPlain()), std::optional<Money>(m));
    QCOMPARE(Money::parse(m.toText()), std::optional<Money>(m.yuvarla1()));
}

void TestMoney::shortestDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("coefficient") << 15.848415 << "15.848415";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("small") << 1e-5 << "0.00001";
    QTest::newRow("whole") << 9500.0 << "9500";
    QTest::newRow("negative") << -0.35 << "-0.35";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestMoney::shortestDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(zeran::shortestDecimal(value), text);
}

QTEST_APPLESS_MAIN(TestMoney)
#include "tst_money.moc"
