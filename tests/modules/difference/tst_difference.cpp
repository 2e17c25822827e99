// The difference and inflation-difference computation for one pay record, with round rates
// so every amount can be worked out by hand: the previous period has coefficient 1, the new
// one 1,1 (base salary 100 → 110 on indicator 1000, side payment 0,1 → 0,11, seniority
// 20 points a year).

#include "difference.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::difference;

namespace {

Money m(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

engine::PeriodRates ratesWith(double katsayi, double tak, double yod)
{
    engine::PeriodRates r;
    r.KATSAYI = katsayi;
    r.TAK = tak;
    r.TAG = 1000;
    r.YOD = yod;
    r.KAK = 20;
    r.EYMG = 8000;
    r.EYMM = engine::eymmAmount(r.EYMG, r.KATSAYI);
    r.EMKESD = 20;
    r.EMKESM = 16;
    r.MYOI = 0.11;
    r.MYOP = 0.09;
    r.GSSI = 0.075;
    r.GSSP = 0.05;
    r.AYRDP = 100;
    r.CYRDP1 = 50;
    r.CYRDP2 = 25;
    r.UST1 = m("100000");
    r.UST2 = m("200000");
    r.UST3 = m("300000");
    r.UST4 = m("400000");
    r.OR1 = 0.15;
    r.OR2 = 0.2;
    r.OR3 = 0.27;
    r.OR4 = 0.35;
    r.DVER = 0.00759;
    return r;
}

DifferenceRates rates()
{
    DifferenceRates d;
    d.previous = ratesWith(1.0, 0.1, 0.1);
    d.current = ratesWith(1.1, 0.11, 0.11);
    return d;
}

/// No taxes: NET is the gross difference.
DifferenceRates untaxedRates()
{
    DifferenceRates d = rates();
    d.current.OR1 = 0;
    d.current.DVER = 0;
    return d;
}

engine::PayRecord person()
{
    engine::PayRecord r;
    r.PKAYNO = 1;
    r.BKOD = 1;
    r.PKOD = 1;
    r.DURUM = QLatin1Char('E');
    r.PERTUR = QLatin1Char('M');
    r.GSSTUR = QLatin1Char('E');
    r.GOS = 1000;
    r.MGOS = 1000;
    r.KIDEM = 10;
    r.YOP = 1000;
    r.MHAL = QLatin1Char('2');
    return r;
}

Options options(int monthDays, int diffDays, bool retirement = true, bool gss = false)
{
    Options o;
    o.monthDays = monthDays;
    o.diffDays = diffDays;
    o.retirement = retirement;
    o.gss = gss;
    return o;
}

const engine::PayrollRun kRun;

}  // namespace

class TestDifference : public QObject {
    Q_OBJECT

private slots:
    void proration_data()
    {
        QTest::addColumn<int>("diffDays");
        QTest::addColumn<QStringList>("expected");  // AYTUT TABAY KIDAY YANOD EMKESD EMKESM GELTOP VERMAT GELVER DAMVER NET
        // Whole month: Δ of 100 / 10 / 20 / 10; contribution base 130.
        QTest::newRow("fark günü = ay günü")
            << 30 << QStringList{"100.00", "10.00", "20.00", "10.00", "26.00", "20.80", "166.00", "119.20", "17.88", "1.06", "100.26"};
        QTest::newRow("yarım ay")
            << 15 << QStringList{"50.00", "5.00", "10.00", "5.00", "13.00", "10.40", "83.00", "59.60", "8.94", "0.53", "50.13"};
        QTest::newRow("fark günü 0")
            << 0 << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    }
    void proration()
    {
        QFETCH(int, diffDays);
        QFETCH(QStringList, expected);
        const DifferencePay d = compute(kRun, rates(), options(30, diffDays), person(), Money());
        const QStringList got{d.AYTUT.toPlain(2), d.TABAY.toPlain(2), d.KIDAY.toPlain(2), d.YANOD.toPlain(2),
                              d.EMKESD.toPlain(2), d.EMKESM.toPlain(2), d.GELTOP.toPlain(2), d.VERMAT.toPlain(2),
                              d.GELVER.toPlain(2), d.DAMVER.toPlain(2), d.NET.toPlain(2)};
        QCOMPARE(got, expected);
        QCOMPARE(d.EKMAT.toPlain(2), diffDays == 30 ? QStringLiteral("130.00") : diffDays == 15 ? QStringLiteral("65.00") : QStringLiteral("0.00"));
        QCOMPARE(d.MAAS, d.NET);
        QCOMPARE(d.paid, d.NET);
    }

    // Which boxes give contributions and premiums to which insurance kind.
    void insuranceMatrix_data()
    {
        QTest::addColumn<QString>("gsstur");
        QTest::addColumn<bool>("retirementBox");
        QTest::addColumn<bool>("gssBox");
        QTest::addColumn<QString>("emkesd");
        QTest::addColumn<QString>("myoi");
        QTest::addColumn<QString>("gssmat");
        QTest::newRow("E, both boxes") << "E" << true << true << "26.00" << "0.00" << "0.00";
        QTest::newRow("E, no box") << "E" << false << false << "0.00" << "0.00" << "0.00";
        QTest::newRow("empty, retirement box") << "" << true << false << "26.00" << "0.00" << "0.00";
        QTest::newRow("empty, no box") << "" << false << true << "0.00" << "0.00" << "0.00";
        // Premium base: retirement-scale indicators 100 + base salary 10 + seniority 20.
        QTest::newRow("5510, both boxes") << "5" << true << true << "0.00" << "14.30" << "130.00";
        QTest::newRow("5510, retirement box only") << "5" << true << false << "0.00" << "0.00" << "0.00";
        QTest::newRow("none, both boxes") << "Y" << true << true << "0.00" << "0.00" << "0.00";
    }
    void insuranceMatrix()
    {
        QFETCH(QString, gsstur);
        QFETCH(bool, retirementBox);
        QFETCH(bool, gssBox);
        QFETCH(QString, emkesd);
        QFETCH(QString, myoi);
        QFETCH(QString, gssmat);
        engine::PayRecord r = person();
        r.GSSTUR = gsstur.isEmpty() ? QChar() : gsstur.at(0);
        const DifferencePay d = compute(kRun, rates(), options(30, 30, retirementBox, gssBox), r, Money());
        QCOMPARE(d.EMKESD.toPlain(2), emkesd);
        QCOMPARE(d.MYOI.toPlain(2), myoi);
        QCOMPARE(d.GSSMAT.toPlain(2), gssmat);
        if (myoi != QLatin1String("0.00")) {
            QCOMPARE(d.MYOP.toPlain(2), QStringLiteral("11.70"));
            QCOMPARE(d.GSSI.toPlain(2), QStringLiteral("9.75"));
            QCOMPARE(d.GSSP.toPlain(2), QStringLiteral("6.50"));
            // The employee's shares lower the income-tax base: 140 − 11,70 − 6,50.
            QCOMPARE(d.VERMAT.toPlain(2), QStringLiteral("121.80"));
        }
        QCOMPARE(d.NET, d.GELTOP - d.KESTOP);
    }

    void suspendedPersonKeepsAThirdWithheld()
    {
        engine::PayRecord r = person();
        r.DURUM = QLatin1Char('A');
        r.GOS = 3000;
        r.MGOS = 0;
        r.KIDEM = 0;
        r.YOP = 0;
        r.GSSTUR = QLatin1Char('Y');
        const DifferencePay d = compute(kRun, untaxedRates(), options(30, 30, false, false), r, Money());
        QCOMPARE(d.NET.toPlain(2), QStringLiteral("300.00"));
        QCOMPARE(d.ACIKKES.toPlain(4), QStringLiteral("100.0000"));
        QCOMPARE(d.paid.toPlain(2), QStringLiteral("200.00"));
        QCOMPARE(d.MAAS.toPlain(2), QStringLiteral("300.00"));

        // The family and child allowance differences are never withheld.
        r.MHAL = QLatin1Char('1');
        r.ESI = QLatin1Char('2');
        r.ACOCYRD = QLatin1Char('E');
        r.COC1 = 1;
        r.COC2 = 1;
        const DifferencePay f = compute(kRun, untaxedRates(), options(30, 30, false, false), r, Money());
        QCOMPARE(f.AILEYRD.toPlain(2), QStringLiteral("10.00"));
        QCOMPARE(f.COCYRD.toPlain(2), QStringLiteral("7.50"));
        QCOMPARE(f.NET.toPlain(2), QStringLiteral("317.50"));
        QCOMPARE(f.ACIKKES.toPlain(4), QStringLiteral("100.0000"));

        // The inflation payroll withholds nothing.
        Options o = options(30, 30, false, false);
        o.kind = Kind::Inflation;
        const DifferencePay i = compute(kRun, untaxedRates(), o, r, Money());
        QCOMPARE(i.ACIKKES, Money());
        QCOMPARE(i.paid, i.NET);
    }

    void allowancesFollowTheEnginesConditions_data()
    {
        QTest::addColumn<QString>("mhal");
        QTest::addColumn<QString>("esi");
        QTest::addColumn<QString>("acocyrd");
        QTest::addColumn<QString>("aile");
        QTest::addColumn<QString>("cocuk");
        QTest::newRow("married, spouse at home") << "1" << "2" << "E" << "10.00" << "7.50";
        QTest::newRow("married, spouse works") << "1" << "1" << "E" << "0.00" << "7.50";
        QTest::newRow("no allowance flag") << "1" << "2" << "H" << "0.00" << "0.00";
        QTest::newRow("single") << "2" << "2" << "E" << "0.00" << "0.00";
    }
    void allowancesFollowTheEnginesConditions()
    {
        QFETCH(QString, mhal);
        QFETCH(QString, esi);
        QFETCH(QString, acocyrd);
        QFETCH(QString, aile);
        QFETCH(QString, cocuk);
        engine::PayRecord r = person();
        r.MHAL = mhal.at(0);
        r.ESI = esi.at(0);
        r.ACOCYRD = acocyrd.at(0);
        r.COC1 = 1;
        r.COC2 = 1;
        const DifferencePay d = compute(kRun, rates(), options(30, 30), r, Money());
        QCOMPARE(d.AILEYRD.toPlain(2), aile);
        QCOMPARE(d.COCYRD.toPlain(2), cocuk);
    }

    void seniorityStopsAtTwentyFiveYears()
    {
        engine::PayRecord r = person();
        r.KIDEM = 30;
        const DifferencePay d = compute(kRun, rates(), options(30, 30), r, Money());
        // 500 points × Δ coefficient 0,1, not 30 × 20 × 0,1.
        QCOMPARE(d.KIDAY.toPlain(2), QStringLiteral("50.00"));
    }

    void taxBaseNeverNegative()
    {
        // Rates lowered: the differences are negative, the tax base stays 0.
        DifferenceRates lowered = rates();
        std::swap(lowered.current, lowered.previous);
        const DifferencePay d = compute(kRun, lowered, options(30, 30, false, false), person(), Money());
        QVERIFY(d.AYTUT.isNegative());
        QCOMPARE(d.VERMAT, Money());
        QCOMPARE(d.GELVER, Money());
    }

    void bracketCrossing()
    {
        // 50 of the 119,20 fit below UST1 (15 %), the rest at 20 %.
        const DifferencePay d = compute(kRun, rates(), options(30, 30), person(), m("99950"));
        QCOMPARE(d.VERMAT.toPlain(2), QStringLiteral("119.20"));
        QCOMPARE(d.GELVER.toPlain(2), QStringLiteral("21.34"));
        QCOMPARE(d.VEROR, 0.2);
    }

    void inflationLatePaymentAndHealthPremium()
    {
        engine::PayRecord r = person();
        r.GOS = 10000;
        r.MGOS = 0;
        r.KIDEM = 0;
        r.YOP = 0;
        r.GSSTUR = QLatin1Char('Y');
        Options o = options(30, 30, false, false);
        o.kind = Kind::Inflation;
        o.lateRate = 5;
        const DifferencePay d = compute(kRun, untaxedRates(), o, r, Money());
        QCOMPARE(d.NET.toPlain(2), QStringLiteral("1000.00"));
        QCOMPARE(d.EKFARK.toPlain(2), QStringLiteral("50.00"));
        QCOMPARE(d.MAAS.toPlain(2), QStringLiteral("1050.00"));
        QCOMPARE(d.paid.toPlain(2), QStringLiteral("1050.00"));
        o.lateRate = 0;
        const DifferencePay z = compute(kRun, untaxedRates(), o, r, Money());
        QCOMPARE(z.EKFARK, Money());
        QCOMPARE(z.MAAS, z.NET);

        // A fund member with the box ticked: 12 % of the contribution base 130 in the gross
        // and in the deductions; a 5510 member gets none.
        Options withBox = options(30, 30, true, true);
        withBox.kind = Kind::Inflation;
        const DifferencePay fund = compute(kRun, rates(), withBox, person(), Money());
        QCOMPARE(fund.GECICI.toPlain(2), QStringLiteral("15.60"));
        QCOMPARE(fund.GELTOP.toPlain(2), QStringLiteral("181.60"));
        QCOMPARE(fund.NET.toPlain(2), QStringLiteral("100.26"));
        engine::PayRecord insured = person();
        insured.GSSTUR = QLatin1Char('5');
        QCOMPARE(compute(kRun, rates(), withBox, insured, Money()).GECICI, Money());
    }

    void selection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("unit");  // TUR MTUR AKTIF
        QTest::addColumn<QString>("durum");
        QTest::addColumn<QString>("pertur");
        QTest::addColumn<QString>("gsstur");
        QTest::addColumn<bool>("taken");
        const int D = int(Kind::Difference), I = int(Kind::Inflation);
        QTest::newRow("salary unit") << D << "MNA" << "E" << "M" << "E" << true;
        QTest::newRow("empty insurance kind") << D << "MNA" << "E" << "M" << "" << true;
        QTest::newRow("suspended") << D << "MNA" << "A" << "M" << "E" << true;
        QTest::newRow("council unit") << D << "MMA" << "E" << "M" << "E" << false;
        QTest::newRow("committee unit") << I << "MEA" << "E" << "M" << "E" << false;
        QTest::newRow("passive unit") << D << "MNP" << "E" << "M" << "E" << false;
        QTest::newRow("worker unit") << D << "INA" << "E" << "M" << "E" << false;
        QTest::newRow("not paid") << D << "MNA" << "H" << "M" << "E" << false;
        QTest::newRow("unpaid leave") << D << "MNA" << "Ü" << "M" << "E" << false;
        QTest::newRow("unpaid leave, inflation") << I << "MNA" << "Ü" << "M" << "E" << false;
        QTest::newRow("other staff") << D << "MNA" << "E" << "D" << "E" << false;
        QTest::newRow("other staff, inflation") << I << "MNA" << "E" << "D" << "E" << true;
        QTest::newRow("acting scheme") << D << "MNA" << "E" << "M" << "V" << false;
        QTest::newRow("acting scheme, inflation") << I << "MNA" << "E" << "M" << "V" << true;
    }
    void selection()
    {
        QFETCH(int, kind);
        QFETCH(QString, unit);
        QFETCH(QString, durum);
        QFETCH(QString, pertur);
        QFETCH(QString, gsstur);
        QFETCH(bool, taken);
        engine::PayRecord r = person();
        r.DURUM = durum.at(0);
        r.PERTUR = pertur.at(0);
        r.GSSTUR = gsstur.isEmpty() ? QChar() : gsstur.at(0);
        QCOMPARE(selected(Kind(kind), r, UnitKind{unit.at(0), unit.at(1), unit.at(2)}), taken);
    }

    void refusedOptions_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("monthDays");
        QTest::addColumn<int>("diffDays");
        QTest::addColumn<QString>("message");
        QTest::newRow("sound") << "2026" << 30 << 14 << QString();
        QTest::newRow("all days") << "2026" << 31 << 31 << QString();
        QTest::newRow("other year") << "2025" << 30 << 14 << QString::fromUtf8(kWorkingYearDiffers);
        QTest::newRow("month days 0") << "2026" << 0 << 0 << QString::fromUtf8(kMonthDaysRange);
        QTest::newRow("month days 32") << "2026" << 32 << 14 << QString::fromUtf8(kMonthDaysRange);
        QTest::newRow("more days than month") << "2026" << 30 << 31 << QString::fromUtf8(kDiffDaysRange);
        QTest::newRow("negative days") << "2026" << 30 << -1 << QString::fromUtf8(kDiffDaysRange);
    }
    void refusedOptions()
    {
        QFETCH(QString, year);
        QFETCH(int, monthDays);
        QFETCH(int, diffDays);
        QFETCH(QString, message);
        QCOMPARE(checkOptions(options(monthDays, diffDays), year, 2026).value_or(QString()), message);
    }

    void previousPeriods()
    {
        const auto key = [](Kind k, const char *year, const char *don) {
            const PeriodKey p = previousPeriod(k, QString::fromLatin1(year), QString::fromLatin1(don));
            return p.YIL + QLatin1Char('/') + p.DON;
        };
        QCOMPARE(key(Kind::Difference, "2026", "2"), QStringLiteral("2026/1"));
        QCOMPARE(key(Kind::Difference, "2026", "1"), QStringLiteral("2025/2"));
        QCOMPARE(key(Kind::Inflation, "2026", "1"), QStringLiteral("2026/3"));
    }
};

QTEST_APPLESS_MAIN(TestDifference)
#include "tst_difference.moc"
