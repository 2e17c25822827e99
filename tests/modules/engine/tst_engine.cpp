// The monthly engine, one person at a time: tables of cases per stage with amounts worked out
// by hand from the rates of the first half of 2025 (coefficient 1,012556, base-salary
// coefficient 15,848415, side-payment coefficient 0,321115, minimum wage 26.005,50).

#include "ratemath.h"
#include "stages.h"

#include <QtTest>

#include <cmath>
#include <functional>

using namespace zeran;
using namespace zeran::engine;

Q_DECLARE_METATYPE(zeran::engine::PayrollRun)
Q_DECLARE_METATYPE(zeran::engine::PersonInput)

namespace {

Money m(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

/// The demo institution's 2025 first-half rates.
PayrollRun run2025()
{
    PayrollRun run;
    run.YIL = QStringLiteral("2025");
    run.AY = 3;
    run.DON = QStringLiteral("1");
    PeriodRates &r = run.rates;
    r.KATSAYI = 1.012556;
    r.YOD = 0.321115;
    r.KAK = 20;
    r.TAK = 15.848415;
    r.TAG = 1000;
    r.EYMG = 9500;
    r.EMKESM = 16;
    r.EMKESD = 20;
    r.SAKDER1 = m("9900");
    r.SAKDER2 = m("5700");
    r.SAKDER3 = m("2400");
    r.AYRDP = 1500;
    r.CYRDP1 = 500;
    r.CYRDP2 = 250;
    r.RPOR = 25;
    r.KEF = 1;
    r.EGOSK = 0.2;
    r.EGOSB = 0.4;
    r.EGOSEB = 0.55;
    r.EGOS4 = 0.85;
    r.EGOS5 = 1;
    r.EGOS6 = 1.55;
    r.EGOS7 = 1.85;
    r.MYOI = 0.2;
    r.MYOP = 0.09;
    r.GSSI = 0.075;
    r.GSSP = 0.05;
    r.YEMEK = m("180");
    r.UST1 = m("158000");
    r.UST2 = m("330000");
    r.UST3 = m("1200000");
    r.UST4 = m("4300000");
    r.OR1 = 0.15;
    r.OR2 = 0.2;
    r.OR3 = 0.27;
    r.OR4 = 0.35;
    r.DVER = 0.00759;
    r.ASUCR = m("26005.50");
    r.BEKOR = 0.5;
    r.EV1OR = 0.5;
    r.EV2OR = 0.1;
    r.COC1OR = 0.075;
    r.COC3OR = 0.1;
    r.COC4OR = 0.05;
    r.COC5OR = 0.05;
    r.COC6OR = 0.05;
    r.AGIUST = m("3315.70");
    r.EYMM = eymmAmount(r.EYMG, r.KATSAYI);
    r.NetMinimumWage = netMinimumWage(r.ASUCR, 14, 1);
    run.settings.ASUCISTISNA = QLatin1Char('E');
    run.settings.MKESDUR = QLatin1Char('O');
    run.settings.HBORKESDUR = QLatin1Char('O');
    run.settings.KEF = QLatin1Char('1');
    run.settings.SEN = QLatin1Char('2');
    return run;
}

/// A civil servant with nothing but the base salary: single, no children, insured under 5510.
PersonInput person()
{
    PersonInput p;
    PayRecord &r = p.rec;
    r.PKAYNO = 1;
    r.BKOD = 1;
    r.PKOD = 1;
    r.DURUM = QLatin1Char('E');
    r.PERTUR = QLatin1Char('M');
    r.GSSTUR = QLatin1Char('5');
    r.MHAL = QLatin1Char('2');
    r.AGI = QLatin1Char('H');
    r.ACOCYRD = QLatin1Char('E');
    r.KISTEMKES = QLatin1Char('H');
    r.KEFALET = QLatin1Char('H');
    r.SENDIKA = QLatin1Char('H');
    r.YIG = QLatin1Char('H');
    r.VEKIL = QLatin1Char('H');
    r.BES = QLatin1Char('H');
    r.KISZAMAN = QLatin1Char('H');
    for (QChar &c : r.KAZS)
        c = QLatin1Char('H');
    return p;
}

PersonInput with(PersonInput p, const std::function<void(PayRecord &)> &change)
{
    change(p.rec);
    return p;
}

PersonInput withInput(PersonInput p, const std::function<void(PersonInput &)> &change)
{
    change(p);
    return p;
}

PayrollRun withRun(PayrollRun run, const std::function<void(PayrollRun &)> &change)
{
    change(run);
    return run;
}

/// PersonPay members by the names the rules use; KAZ1 … KAZ10, KES1 … KES5 by number.
QString field(const PersonPay &p, const QString &name)
{
    static const QHash<QString, Money PersonPay::*> amounts = {
        {"FMESTUT", &PersonPay::FMESTUT},   {"YEMEK", &PersonPay::YEMEK},       {"TERFI", &PersonPay::TERFI},
        {"ARTIS1", &PersonPay::ARTIS1},     {"ARTIS2", &PersonPay::ARTIS2},     {"AYTUT", &PersonPay::AYTUT},
        {"EGOSTUT", &PersonPay::EGOSTUT},   {"AYTUTEMKES", &PersonPay::AYTUTEMKES}, {"EKAYTUT", &PersonPay::EKAYTUT},
        {"TABAY", &PersonPay::TABAY},       {"TABAYEMKES", &PersonPay::TABAYEMKES}, {"TABAYODE", &PersonPay::TABAYODE},
        {"KIDAY", &PersonPay::KIDAY},       {"KIDAYEMKES", &PersonPay::KIDAYEMKES}, {"YANOD", &PersonPay::YANOD},
        {"AILEYRD", &PersonPay::AILEYRD},   {"COCYRD", &PersonPay::COCYRD},     {"COCYRD1", &PersonPay::COCYRD1},
        {"AILECOCTOP", &PersonPay::AILECOCTOP}, {"AGIMAT", &PersonPay::AGIMAT}, {"OHTTUT", &PersonPay::OHTTUT},
        {"EKODTUT", &PersonPay::EKODTUT},   {"LOJTAZ", &PersonPay::LOJTAZ},     {"EKTAZTUT", &PersonPay::EKTAZTUT},
        {"DILTAZ", &PersonPay::DILTAZ},     {"DIGTAZTUT", &PersonPay::DIGTAZTUT}, {"PCEZA", &PersonPay::PCEZA},
        {"KIRA", &PersonPay::KIRA},         {"ICRA", &PersonPay::ICRA},         {"HIZBOR", &PersonPay::HIZBOR},
        {"KEFTUT", &PersonPay::KEFTUT},     {"INDIRIM", &PersonPay::INDIRIM},   {"EMKESEKI", &PersonPay::EMKESEKI},
        {"YEMGSS", &PersonPay::YEMGSS},     {"KAZEKMAT", &PersonPay::KAZEKMAT}, {"GSSMAT", &PersonPay::GSSMAT},
        {"PEKFARK", &PersonPay::PEKFARK},   {"MYOI", &PersonPay::MYOI},         {"MYOP", &PersonPay::MYOP},
        {"GSSI", &PersonPay::GSSI},         {"GSSP", &PersonPay::GSSP},         {"PRIMTOP", &PersonPay::PRIMTOP},
        {"EKMAT", &PersonPay::EKMAT},       {"EMKESD", &PersonPay::EMKESD},     {"EMKESM", &PersonPay::EMKESM},
        {"GECICI", &PersonPay::GECICI},     {"ILKGIRIS", &PersonPay::ILKGIRIS}, {"EKGOSFARK", &PersonPay::EKGOSFARK},
        {"BESTUT", &PersonPay::BESTUT},     {"GELTOP", &PersonPay::GELTOP},     {"KAZDVMAT", &PersonPay::KAZDVMAT},
        {"KAZGVMAT", &PersonPay::KAZGVMAT}, {"DVMAT", &PersonPay::DVMAT},       {"DAMVER", &PersonPay::DAMVER},
        {"DVMAT1", &PersonPay::DVMAT1},     {"DAMVER1", &PersonPay::DAMVER1},   {"DAMVERK", &PersonPay::DAMVERK},
        {"GVMAT", &PersonPay::GVMAT},       {"TOPMAT", &PersonPay::TOPMAT},     {"GELVER", &PersonPay::GELVER},
        {"GVMAT1", &PersonPay::GVMAT1},     {"TOPMAT1", &PersonPay::TOPMAT1},   {"GELVER1", &PersonPay::GELVER1},
        {"GELVERK", &PersonPay::GELVERK},   {"AGIMATX", &PersonPay::AGIMATX},   {"ASGIND", &PersonPay::ASGIND},
        {"SENTUT", &PersonPay::SENTUT},     {"OZKES", &PersonPay::OZKES},       {"KESTOP", &PersonPay::KESTOP},
        {"MAAS", &PersonPay::MAAS},         {"ACIKKES", &PersonPay::ACIKKES},
    };
    if (const auto it = amounts.constFind(name); it != amounts.constEnd())
        return (p.*(*it)).toPlain(4);
    if (name == QLatin1String("GVOR"))
        return shortestDecimal(p.GVOR);
    if (name == QLatin1String("GVOR1"))
        return shortestDecimal(p.GVOR1);
    if (name == QLatin1String("SENAD"))
        return p.SENAD;
    if (name.startsWith(QLatin1String("KAZA")))
        return p.KAZA[std::size_t(name.mid(4).toInt() - 1)];
    if (name.startsWith(QLatin1String("KAZ")))
        return p.KAZ[std::size_t(name.mid(3).toInt() - 1)].toPlain(4);
    if (name.startsWith(QLatin1String("KES")))
        return p.KES[std::size_t(name.mid(3).toInt() - 1)].toPlain(4);
    qFatal("no such field %s", qPrintable(name));
}

using Stage = void (*)(const PayrollRun &, const PersonInput &, PersonPay &);
const Stage kStages[] = {stage1ReadPayRecord,  stage2BandSupplement,       stage3PersonalDeductions,
                         stage4ExtraItems,     stage5AllowanceAndServiceDebt, stage6PromotionAndRaise,
                         stage7SalaryItems,    stage8Premiums,             stage9GrossTotal,
                         stage10StampTax,      stage11UnionDues,           stage12IncomeTax,
                         stage13AllowanceAndPension, stage14Totals};

PersonPay runThrough(int last, const PayrollRun &run, const PersonInput &p)
{
    PersonPay pay;
    for (int i = 0; i < last; ++i)
        kStages[i](run, p, pay);
    return pay;
}

/// "NAME=value NAME=value", values in the machine form with four decimals for amounts.
using Expect = QStringList;

void row(const char *name, int stage, const PayrollRun &run, const PersonInput &p, const Expect &expect)
{
    QTest::newRow(name) << stage << run << p << expect;
}

}  // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void rateArithmetic_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7.5 % as a fraction") << shiftDecimal(7.5, -2) << "0.075";
        QTest::newRow("7.59 per mille") << shiftDecimal(7.59, -3) << "0.00759";
        QTest::newRow("0.15 in percent") << shiftDecimal(0.15, 2) << "15";
        QTest::newRow("0.27 in percent") << shiftDecimal(0.27, 2) << "27";
    }
    void rateArithmetic()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(shortestDecimal(value), expected);
    }

    // The engine's cached rate arithmetic must give exactly Money's own results.
    void rateHelpersMatchMoney_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<double>("rate");
        QTest::newRow("coefficient") << "740" << 1.012556;
        QTest::newRow("tie down to even") << "0.0001" << 0.5;
        QTest::newRow("tie up to even") << "0.0003" << 0.5;
        QTest::newRow("negative") << "-1234.5678" << 0.15;
        QTest::newRow("per mille") << "27678.82" << 0.00759;
        QTest::newRow("seventeen digits") << "1000" << 1.2345678901234567;
        QTest::newRow("large rate") << "0.0001" << 123456789012345678.0;
        QTest::newRow("too small for the fast path") << "123456789" << 1e-20;
        QTest::newRow("nineteen decimals") << "123456789" << 1.5e-19;
    }
    void rateHelpersMatchMoney()
    {
        QFETCH(QString, amount);
        QFETCH(double, rate);
        const Money a = Money::parsePlain(amount).value();
        QCOMPARE(applyRate(a, rate).raw(), a.mulRate(rate).raw());
        QCOMPARE(applyRate(a, rate).raw(), a.mulRate(rate).raw());  // the cached fraction
        QCOMPARE(applyRateDiv(a, rate, 100).raw(), a.mulRateDiv(rate, 100).raw());
        QCOMPARE(applyRateDiv(a, rate, 3000).raw(), a.mulRateDiv(rate, 3000).raw());
        if (std::abs(rate) < 1e12) {
            QCOMPARE(rateProduct(rate, 1500.0).raw(), Money::fromRateProduct(rate, 1500.0).raw());
            QCOMPARE(rateProduct(rate, 0.321115).raw(), Money::fromRateProduct(rate, 0.321115).raw());
        }
    }

    void rateProducts()
    {
        // 24 years × 20 points × 1.012556 = 486.02688; 3 × 0.1 × 10 = 3
        QCOMPARE(rateProduct(24, 20, 1.012556).toPlain(4), QStringLiteral("486.0269"));
        QCOMPARE(rateProduct(3, 0.1, 10).toPlain(4), QStringLiteral("3.0000"));
        // The shares of the third and further children added before they apply: 0.1 + 0.05
        // is 0.15, not its binary neighbour.
        QCOMPARE(applyRateSum(m("26005.50"), {0.1, 0.05}).toPlain(4), QStringLiteral("3900.8250"));
        QCOMPARE(applyRateSum(m("100"), {0.1, 0.2}).toPlain(4), QStringLiteral("30.0000"));
        QCOMPARE(applyRateSum(m("0.0001"), {0.25, 0.25}).toPlain(4), QStringLiteral("0.0000"));  // 0.00005 to even
    }

    void derivedRates_data()
    {
        QTest::addColumn<QString>("asucr");
        QTest::addColumn<double>("shi");
        QTest::addColumn<double>("issizi");
        QTest::addColumn<QString>("expected");
        QTest::newRow("85 % of the 2025 minimum wage") << "26005.50" << 14.0 << 1.0 << "22104.6750";
        QTest::newRow("85 % of the 2026 minimum wage") << "33030.00" << 14.0 << 1.0 << "28075.5000";
        // 1.00005 rounds to 1.0000 (ties to even) before it is subtracted; 85 % at once
        // would give 85.0042.
        QTest::newRow("each share rounded first") << "100.0050" << 14.0 << 1.0 << "85.0043";
        QTest::newRow("no worker rates") << "26005.50" << 0.0 << 0.0 << "26005.5000";
    }
    void derivedRates()
    {
        QFETCH(QString, asucr);
        QFETCH(double, shi);
        QFETCH(double, issizi);
        QFETCH(QString, expected);
        QCOMPARE(netMinimumWage(Money::parsePlain(asucr).value(), shi, issizi).toPlain(4), expected);
        QCOMPARE(eymmAmount(9500, 1.012556).toPlain(4), QStringLiteral("9619.2820"));
    }

    void bands_data()
    {
        QTest::addColumn<int>("megos");
        QTest::addColumn<double>("rate");
        QTest::newRow("none") << 0 << 0.2;
        QTest::newRow("2199") << 2199 << 0.2;
        QTest::newRow("2200") << 2200 << 0.4;
        QTest::newRow("3599") << 3599 << 0.4;
        QTest::newRow("3600") << 3600 << 0.55;
        QTest::newRow("4800") << 4800 << 0.85;
        QTest::newRow("6400") << 6400 << 1.0;
        QTest::newRow("7600") << 7600 << 1.55;
        QTest::newRow("8399") << 8399 << 1.55;
        QTest::newRow("8400") << 8400 << 1.85;
    }
    void bands()
    {
        QFETCH(int, megos);
        QFETCH(double, rate);
        QCOMPARE(bandRate(run2025().rates, megos), rate);
    }

    void instalments_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first month") << "1000" << "300" << "0" << true << "300.0000";
        QTest::newRow("900 of 1000 paid") << "1000" << "300" << "900" << true << "100.0000";
        QTest::newRow("all paid") << "1000" << "300" << "1000" << true << "0.0000";
        QTest::newRow("overpaid") << "1000" << "300" << "1200" << true << "0.0000";
        // A finished order of 12500 paid through the payroll, and a running one of 1000:
        // what remains is counted over both.
        QTest::newRow("finished order paid before") << "13500" << "300" << "13400" << true << "100.0000";
        QTest::newRow("monthly entry: no cap") << "1000" << "300" << "900" << false << "300.0000";
        QTest::newRow("no running order") << "1000" << "0" << "0" << true << "0.0000";
    }
    void instalments()
    {
        QFETCH(QString, total);
        QFETCH(QString, instalment);
        QFETCH(QString, paid);
        QFETCH(bool, automatic);
        QFETCH(QString, expected);
        const DebtTotals ledger{Money::parsePlain(total).value(), Money::parsePlain(instalment).value()};
        QCOMPARE(cappedInstalment(ledger, Money::parsePlain(paid).value(), automatic).toPlain(4), expected);
    }

    void grossUpFactors_data()
    {
        QTest::addColumn<QString>("basis");
        QTest::addColumn<bool>("emk");
        QTest::addColumn<QString>("expected");
        QTest::newRow("low base") << "14799.99" << false << "1187.0000";
        QTest::newRow("high base") << "14800" << false << "1262.0000";
        QTest::newRow("low base, retirement") << "0" << true << "1415.5000";
        QTest::newRow("high base, retirement") << "20000" << true << "1505.0000";
    }
    void grossUpFactors()
    {
        QFETCH(QString, basis);
        QFETCH(bool, emk);
        QFETCH(QString, expected);
        QCOMPARE(kazhesapla(m("1000"), Money::parsePlain(basis).value(), emk).yuvarla1().toPlain(4), expected);
    }

    void incomeTaxTariff_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<bool>("contract");
        QTest::addColumn<int>("kazveror");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("cumulative");
        QTest::addColumn<double>("rate");
        QTest::newRow("below the first limit") << "10000" << "0" << false << 0 << "1500.0000" << "10000.0000" << 0.15;
        QTest::newRow("exactly the first limit") << "10000" << "148000" << false << 0 << "1500.0000" << "158000.0000" << 0.15;
        QTest::newRow("crossing the first limit")
            << "10000" << "150000" << false << 0 << "1600.0000" << "160000.0000" << 0.2;
        QTest::newRow("inside the second bracket") << "10000" << "160000" << false << 0 << "2000.0000" << "170000.0000" << 0.2;
        // 8000 at 15 %, 172000 at 20 %, 20000 at 27 %.
        QTest::newRow("crossing two limits") << "200000" << "150000" << false << 0 << "41000.0000" << "350000.0000" << 0.27;
        QTest::newRow("above the third limit") << "1000" << "1250000" << false << 0 << "350.0000" << "1251000.0000" << 0.35;
        QTest::newRow("crossing the fourth limit") << "2000" << "4299000" << false << 0 << "700.0000" << "4301000.0000" << 0.35;
        QTest::newRow("contract staff flat") << "10000" << "400000" << true << 0 << "1500.0000" << "410000.0000" << 0.15;
        QTest::newRow("no cumulating") << "10000" << "400000" << false << 1 << "1500.0000" << "0.0000" << 0.15;
        // 3678.91 at 15 % = 551.8365, 8666.76 at 20 % = 1733.352
        QTest::newRow("odd amounts") << "12345.67" << "154321.09" << false << 0 << "2285.1885" << "166666.7600" << 0.2;
    }
    void incomeTaxTariff()
    {
        QFETCH(QString, base);
        QFETCH(QString, earlier);
        QFETCH(bool, contract);
        QFETCH(int, kazveror);
        QFETCH(QString, tax);
        QFETCH(QString, cumulative);
        QFETCH(double, rate);
        PeriodRates r = run2025().rates;
        r.KAZVEROR = kazveror;
        const BracketTax t = gelirvergisi(r, Money::parsePlain(base).value(), Money::parsePlain(earlier).value(), contract);
        QCOMPARE(t.tax.toPlain(4), tax);
        QCOMPARE(t.cumulative.toPlain(4), cumulative);
        QCOMPARE(t.rate, rate);
    }

    void minimumWageTariff_data()
    {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<bool>("contract");
        QTest::addColumn<int>("sozpervor");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<double>("rate");
        // 22104.675 a month; 15 % of it is 3315.70125, kept at four decimals ties to even.
        // The eighth month starts at 7 × 22104.675 = 154732.725: 3267.275 at 15 % (490.0912)
        // and 18837.40 at 20 % (3767.48).
        QTest::newRow("first month") << "0" << false << 0 << "3315.7012" << 0.15;
        QTest::newRow("eighth month crosses") << "154732.725" << false << 0 << "4257.5712" << 0.2;
        QTest::newRow("contract staff, brackets") << "154732.725" << true << 0 << "4257.5712" << 0.2;
        QTest::newRow("contract staff, flat") << "154732.725" << true << 1 << "3315.7012" << 0.15;
    }
    void minimumWageTariff()
    {
        QFETCH(QString, earlier);
        QFETCH(bool, contract);
        QFETCH(int, sozpervor);
        QFETCH(QString, tax);
        QFETCH(double, rate);
        PeriodRates r = run2025().rates;
        r.SOZPERVOR = sozpervor;
        const BracketTax t = gelirvergisi1(r, r.NetMinimumWage, Money::parsePlain(earlier).value(), contract);
        QCOMPARE(t.tax.toPlain(4), tax);
        QCOMPARE(t.rate, rate);
    }

    void stages_data();
    void stages()
    {
        QFETCH(int, stage);
        QFETCH(PayrollRun, run);
        QFETCH(PersonInput, input);
        QFETCH(Expect, expect);
        const PersonPay pay = runThrough(stage, run, input);
        for (const QString &e : expect) {
            const QString name = e.section(QLatin1Char('='), 0, 0);
            const QString value = e.section(QLatin1Char('='), 1);
            QCOMPARE(name + QLatin1Char('=') + field(pay, name), name + QLatin1Char('=') + value);
        }
    }

    void wholePerson();
    void grossUpUsesThisPerson();
};

void TestEngine::stages_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<PayrollRun>("run");
    QTest::addColumn<PersonInput>("input");
    QTest::addColumn<Expect>("expect");
    const PayrollRun base = run2025();
    const PersonInput p = person();

    // ---- 1: overtime
    row("1 overtime rounded", 1, base, with(p, [](PayRecord &r) { r.MESAI = m("1234.565"); }),
        {"FMESTUT=1234.5700"});

    // ---- 2: band supplement, E.Y.M.M. 9619.282
    row("2 no additional indicator: lowest band", 2, base, p, {"EMKESEKI=1923.8600"});
    row("2 MEGOS 4800", 2, base, with(p, [](PayRecord &r) { r.MEGOS = 4800; }), {"EMKESEKI=8176.3900"});

    // ---- 3: deductions entered on the pay record, garnishment, meal
    {
        PayrollRun named = base;
        named.deductionNames = {QStringLiteral("KOOPERATİF"), QString(), QStringLiteral("AVANS"), QString(), QString()};
        row("3 only named special deductions", 3, named,
            with(p,
                 [](PayRecord &r) {
                     r.KES = {m("500"), m("100"), m("2000"), m("7"), m("8")};
                     r.PCEZA = m("250");
                     r.KIRA = m("1500");
                 }),
            {"KES1=500.0000", "KES2=0.0000", "KES3=2000.0000", "KES4=0.0000", "PCEZA=250.0000", "KIRA=1500.0000"});
    }
    row("3 garnishment 1000/300, 900 paid", 3, base,
        withInput(p,
                  [](PersonInput &i) {
                      i.garnishments = {m("1000"), m("300")};
                      i.earlier.icraPaid = m("900");
                  }),
        {"ICRA=100.0000"});
    row("3 garnishment entered monthly", 3, withRun(base, [](PayrollRun &r) { r.settings.MKESDUR = QLatin1Char('A'); }),
        withInput(p,
                  [](PersonInput &i) {
                      i.garnishments = {m("1000"), m("300")};
                      i.earlier.icraPaid = m("900");
                  }),
        {"ICRA=300.0000"});
    row("3 meal 21 days", 3, base, with(p, [](PayRecord &r) { r.YEMEKGUN = 21; }), {"YEMEK=3780.0000"});

    // ---- 4: extra items
    {
        PayrollRun items = base;
        auto define = [&items](int n, char tur, char sek, const char *tutar = "0") {
            ItemDefinition &d = items.items[std::size_t(n - 1)];
            d.defined = true;
            d.ADI = QStringLiteral("KALEM %1").arg(n);
            d.DUR = QLatin1Char('V');
            d.TUR = QLatin1Char(tur);
            d.SEK = QLatin1Char(sek);
            d.TUTAR = m(tutar);
            d.BRUTNET = QLatin1Char('B');
        };
        define(1, 'D', ' ');
        define(2, 'P', '1');
        define(3, 'P', '2');
        define(4, 'S', ' ', "8138.89");
        define(5, 'S', ' ', "500");
        items.items[5].defined = true;  // item 6: defined but not in use
        items.items[5].ADI = QStringLiteral("KAPALI");
        items.items[5].DUR = QLatin1Char('Y');
        items.items[5].TUR = QLatin1Char('D');
        const PersonInput withItems = with(p, [](PayRecord &r) {
            r.KAZ = {m("6000"), m("707"), m("20"), m("0"), m("999"), m("50"), m("0"), m("0"), m("0"), m("0")};
            r.KAZS[3] = QLatin1Char('E');
            r.KAZS[4] = QLatin1Char('H');
        });
        row("4 amount, points on coefficient and on E.Y.M.M., fixed", 4, items, withItems,
            {"KAZ1=6000.0000", "KAZ2=715.8800", "KAZ3=1923.8600", "KAZ4=8138.8900", "KAZ5=0.0000", "KAZ6=0.0000",
             "KAZA4=KALEM 4", "KAZA6=", "KAZA7="});
    }
    {
        PayrollRun net = base;
        ItemDefinition &d = net.items[0];
        d.defined = true;
        d.ADI = QStringLiteral("NET İKRAMİYE");
        d.DUR = QLatin1Char('V');
        d.TUR = QLatin1Char('S');
        d.TUTAR = m("1000");
        d.BRUTNET = QLatin1Char('N');
        const PersonInput has = with(p, [](PayRecord &r) { r.KAZS[0] = QLatin1Char('E'); });
        // B = TABAY 15848.42 + side payment 0 … − premiums 14 % of the base: below 14800.
        row("4 net fixed item, low base", 4, net, has, {"KAZ1=1187.0000"});
        row("4 net fixed item, earlier base above", 4, net,
            withInput(has, [](PersonInput &i) { i.earlier.vermatToMonth = m("2000"); }), {"KAZ1=1262.0000"});
        row("4 net fixed item not held", 4, net, p, {"KAZ1=0.0000"});
    }

    // ---- 5: supplement of acting staff and partial month, tax-base allowance, service debt
    row("5 acting: two thirds of the supplement", 5, base, with(p, [](PayRecord &r) { r.VEKIL = QLatin1Char('E'); }),
        {"EMKESEKI=1282.5733"});
    row("5 partial month: supplement prorated", 5, base, with(p, [](PayRecord &r) { r.KGUN = 15; }),
        {"EMKESEKI=930.9000"});
    row("5 disability degree 2", 5, base, with(p, [](PayRecord &r) { r.SAKDER = 2; }), {"INDIRIM=5700.0000"});
    row("5 service debt from the ledger", 5, base,
        withInput(p,
                  [](PersonInput &i) {
                      i.serviceDebts = {m("38400"), m("1600")};
                      i.earlier.hizborPaid = m("37600");
                      i.rec.HIZBOR = m("55");
                  }),
        {"HIZBOR=800.0000"});
    row("5 service debt entered on the pay record",
        5, withRun(base, [](PayrollRun &r) { r.settings.HBORKESDUR = QLatin1Char('S'); }),
        withInput(p,
                  [](PersonInput &i) {
                      i.serviceDebts = {m("38400"), m("1600")};
                      i.rec.HIZBOR = m("55");
                  }),
        {"HIZBOR=55.0000"});

    // ---- 6: promotion and raise differences
    row("6 three months of promotion", 6, base,
        with(p,
             [](PayRecord &r) {
                 r.TFA = 3;
                 r.GF = 50;
             }),
        {"TERFI=101.2600", "ARTIS1=50.6300", "ARTIS2=101.2600"});
    row("6 promotion this month only", 6, base,
        with(p,
             [](PayRecord &r) {
                 r.TFA = 1;
                 r.GF = 40;
                 r.EKGF = 10;
             }),
        {"TERFI=0.0000", "ARTIS1=50.6300"});
    row("6 seniority increase", 6, base, with(p, [](PayRecord &r) { r.KIDART = 20; }), {"ARTIS1=20.2500"});
    row("6 dropped in a partial month", 6, base,
        with(p,
             [](PayRecord &r) {
                 r.TFA = 3;
                 r.GF = 50;
                 r.KIDART = 20;
                 r.KGUN = 15;
             }),
        {"TERFI=0.0000", "ARTIS1=0.0000", "ARTIS2=0.0000"});

    // ---- 7 (checked after the roundings at the end of 8): salary items
    row("7 base salary of 2025 H1", 8, base, p, {"TABAY=15848.4200", "TABAYEMKES=15848.4200"});
    row("7 seniority 24 years", 8, base, with(p, [](PayRecord &r) { r.KIDEM = 24; }), {"KIDAY=486.0300"});
    row("7 seniority 25 years", 8, base, with(p, [](PayRecord &r) { r.KIDEM = 25; }), {"KIDAY=506.2800"});
    row("7 seniority 30 years counts as 25", 8, base, with(p, [](PayRecord &r) { r.KIDEM = 30; }), {"KIDAY=506.2800"});
    {
        PayrollRun unit = base;
        unit.rates.KATSAYI = 1;
        row("7 acting: 1000.00 gives 666.00", 8, unit,
            with(p,
                 [](PayRecord &r) {
                     r.VEKIL = QLatin1Char('E');
                     r.GOS = 1000;
                     r.MGOS = 1000;
                     r.LTAZ = m("900");
                 }),
            {"AYTUT=666.0000", "AYTUTEMKES=666.0000", "TABAY=10565.6100", "TABAYEMKES=15848.4200", "LOJTAZ=0.0000"});
        unit.rates.KATSAYI = 3.1;
        row("7 partial month 15 days: 3100.00 gives 1500.00", 8, unit,
            with(p,
                 [](PayRecord &r) {
                     r.GOS = 1000;
                     r.KGUN = 15;
                     r.DTAZ = m("1450");
                     r.DIGTAZ = m("2500");
                 }),
            {"AYTUT=1500.0000", "DILTAZ=0.0000", "DIGTAZTUT=0.0000"});
        row("7 31 days change nothing", 8, unit,
            with(p,
                 [](PayRecord &r) {
                     r.GOS = 1000;
                     r.KGUN = 31;
                 }),
            {"AYTUT=3100.0000", "TABAY=15848.4200"});
    }
    row("7 no insurance, full month: no base salary", 8, base, with(p, [](PayRecord &r) { r.GSSTUR = QLatin1Char('Y'); }),
        {"TABAY=0.0000", "TABAYEMKES=15848.4200"});
    row("7 no insurance, partial month: prorated base salary", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.GSSTUR = QLatin1Char('Y');
                 r.KGUN = 15;
             }),
        {"TABAY=7668.5900"});
    row("7 acting insurance kind: no base salary", 8, base, with(p, [](PayRecord &r) { r.GSSTUR = QLatin1Char('V'); }),
        {"TABAY=0.0000"});
    row("7 married, spouse works", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.MHAL = QLatin1Char('1');
                 r.ESI = QLatin1Char('1');
                 r.COC1 = 2;
                 r.COC2 = 1;
             }),
        {"AILEYRD=0.0000", "AGIMAT=13002.7500", "COCYRD=1012.5600", "COCYRD1=253.1400", "AILECOCTOP=1265.7000"});
    row("7 married, spouse does not work", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.MHAL = QLatin1Char('1');
                 r.ESI = QLatin1Char('2');
             }),
        {"AILEYRD=1518.8300", "AGIMAT=15603.3000"});
    row("7 married, no family allowance chosen", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.MHAL = QLatin1Char('1');
                 r.ESI = QLatin1Char('2');
                 r.ACOCYRD = QLatin1Char('H');
                 r.COC1 = 2;
             }),
        {"AILEYRD=0.0000", "COCYRD=0.0000", "AGIMAT=15603.3000"});
    row("7 single with two children", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.COC1 = 1;
                 r.COC2 = 1;
                 r.DIGCOC = 2;
             }),
        {"COCYRD=0.0000", "COCYRD1=0.0000", "AGIMAT=16903.5800"});
    row("7 seven children count as six", 8, base, with(p, [](PayRecord &r) { r.DIGCOC = 7; }), {"AGIMAT=23404.9500"});
    row("7 partial month: family allowance and young children prorated", 8, base,
        with(p,
             [](PayRecord &r) {
                 r.MHAL = QLatin1Char('1');
                 r.ESI = QLatin1Char('2');
                 r.COC1 = 2;
                 r.COC2 = 1;
                 r.KGUN = 15;
             }),
        // 1518.83 × 15/31 = 734.9177; 1012.556 × 15/31 = 489.9465
        {"AILEYRD=734.9200", "COCYRD=489.9500", "COCYRD1=253.1400", "AGIMAT=15603.3000"});
    {
        const PersonInput comp = with(p, [](PayRecord &r) {
            r.YOP = 1000;
            r.OHT = 60;
            r.EKTAZ = m("10");
            r.EKOD = 40;
        });
        row("7 compensations", 8, base, comp,
            {"YANOD=321.1200", "OHTTUT=5771.5700", "EKTAZTUT=961.9300", "EKODTUT=3847.7100"});
        row("7 report 1 day: nothing", 8, base, with(comp, [](PayRecord &r) { r.RAPOR = 1; }),
            {"YANOD=321.1200", "OHTTUT=5771.5700", "EKTAZTUT=961.9300"});
        row("7 report 5 days: additional compensation by 5/30", 8, base, with(comp, [](PayRecord &r) { r.RAPOR = 5; }),
            {"YANOD=321.1200", "OHTTUT=5771.5700", "EKTAZTUT=801.6100"});
        row("7 report 10 days: also 3/30 × 25 % of side payment and special service", 8, base,
            with(comp, [](PayRecord &r) { r.RAPOR = 10; }),
            {"YANOD=313.0900", "OHTTUT=5627.2800", "EKTAZTUT=641.2900"});
        row("7 other staff: no additional payment", 8, base, with(comp, [](PayRecord &r) { r.PERTUR = QLatin1Char('D'); }),
            {"EKODTUT=0.0000"});
    }
    {
        const PersonInput member = with(p, [](PayRecord &r) {
            r.KEFALET = QLatin1Char('E');
            r.GOS = 1000;
            r.EGOS = 2200;
            r.KIDEM = 10;
        });
        // (1012.56 + 2227.62) × 1 % = 32.4018
        row("7 surety on monthly amounts", 7, base, member, {"KEFTUT=32.4000"});
        // (1012.56 + 15848.42 + 202.51) × 1 % = 170.6349
        row("7 surety on salary, base and seniority", 7,
            withRun(base, [](PayrollRun &r) { r.settings.KEF = QLatin1Char('2'); }), member, {"KEFTUT=170.6300"});
        row("7 surety as coefficient × 100", 7, withRun(base, [](PayrollRun &r) { r.settings.KEF = QLatin1Char('3'); }),
            member, {"KEFTUT=101.2600"});
        // 1012.556 × 15/31 → 489.95 and 2227.6232 × 15/31 → 1077.88 are already prorated:
        // 1567.83 × 1 % = 15.68 (prorating again would give 7.59)
        row("7 surety in a partial month is prorated once", 7, base,
            with(member, [](PayRecord &r) { r.KGUN = 15; }), {"KEFTUT=15.6800"});
        row("7 surety without a basis", 7, withRun(base, [](PayrollRun &r) { r.settings.KEF = QLatin1Char('0'); }), member,
            {"KEFTUT=0.0000"});
    }

    // ---- 8: premiums and retirement contributions
    {
        const PersonInput fund = with(p, [](PayRecord &r) {
            r.GSSTUR = QLatin1Char('E');
            r.GOS = 1500;
            r.EGOS = 3600;
            r.MGOS = 1500;
            r.MEGOS = 4800;
            r.KIDEM = 10;
        });
        row("8 fund member with a higher retirement additional indicator", 8, base, fund,
            {"EKMAT=30606.4200", "EKGOSFARK=820.1700", "EMKESM=5717.2000", "EMKESD=6121.2800", "GECICI=3672.7700"});
        row("8 fund member suspended: halves", 8, base, with(fund, [](PayRecord &r) { r.DURUM = QLatin1Char('A'); }),
            {"EMKESM=2858.6000", "EMKESD=3060.6400", "GECICI=1836.3900"});
        row("8 fund member, partial month without contribution", 8, base, with(fund, [](PayRecord &r) { r.KGUN = 15; }),
            {"EKMAT=0.0000", "EMKESM=0.0000", "EMKESD=0.0000", "GECICI=0.0000"});
        // AYTUTEMKES 6379.1028 × 15/31 = 3086.6626; supplement 8176.39 × 15/31 = 3956.3177;
        // base salary and seniority as for a full month.
        row("8 fund member, partial month with contribution", 8, base,
            with(fund,
                 [](PayRecord &r) {
                     r.KGUN = 15;
                     r.KISTEMKES = QLatin1Char('E');
                 }),
            {"EKMAT=23093.9100"});
        row("8 first-entry fee replaces the surety", 8, base, with(fund, [](PayRecord &r) { r.YIG = QLatin1Char('E'); }),
            {"ILKGIRIS=379.7085", "KEFTUT=379.7085"});
    }
    {
        const PersonInput low = with(p, [](PayRecord &r) {
            r.GOS = 500;
            r.MGOS = 500;
        });
        row("8 5510 without the shortfall setting", 8, base, low,
            {"GSSMAT=16354.6980", "PEKFARK=0.0000", "MYOI=3270.9400", "MYOP=1471.9200", "GSSI=1226.6000",
             "GSSP=817.7300"});
        row("8 5510 shortfall paid by the employer", 8,
            withRun(base, [](PayrollRun &r) { r.settings.PEKFARK = true; }), low,
            {"PEKFARK=9650.8020", "MYOI=6069.6700", "MYOP=1471.9200", "GSSI=2432.9500", "GSSP=817.7300",
             "PRIMTOP=10792.2700"});
        row("8 5510 suspended: every premium halved", 8, base, with(low, [](PayRecord &r) { r.DURUM = QLatin1Char('A'); }),
            {"MYOI=1635.4700", "MYOP=735.9600", "GSSI=613.3000", "GSSP=408.8700"});
        // exempt per day (26005.50 ÷ 30 = 866.85) × 6 % = 52.011 → 52.01; (180 − 52.01) × 21
        row("8 taxable meal part in the premium base", 8,
            withRun(base, [](PayrollRun &r) { r.settings.YEMEKGSS = true; }),
            with(low, [](PayRecord &r) { r.YEMEKGUN = 21; }), {"YEMGSS=2687.7900", "GSSMAT=19042.4880"});
    }

    // ---- 10: stamp tax
    row("10 stamp tax and its minimum-wage part", 10, base, p,
        {"DVMAT=15848.4200", "DAMVER=120.2900", "DVMAT1=26005.5000", "DAMVER1=197.3800", "DAMVERK=0.0000"});
    row("10 part-time: no exemption", 10, base, with(p, [](PayRecord &r) { r.KISZAMAN = QLatin1Char('E'); }),
        {"DAMVER=120.2900", "DAMVER1=0.0000", "DAMVERK=120.2900"});

    // ---- 11: union dues
    {
        PayrollRun unions = base;
        unions.unions.insert(7, {QStringLiteral("YEREL YÖNETİM SEN."), 7.5, QLatin1Char('D')});
        unions.unions.insert(8, {QStringLiteral("BELEDİYE MEMUR SEN."), 1.5, QLatin1Char('T')});
        const PersonInput member = with(p, [](PayRecord &r) { r.SENDIKA = QLatin1Char('E'); });
        row("11 per mille of the stamp-tax base", 11, unions, with(member, [](PayRecord &r) { r.SENKOD = 7; }),
            {"SENTUT=118.8600", "SENAD=YEREL YÖNETİM SEN."});
        row("11 percent of the base salary", 11, unions, with(member, [](PayRecord &r) { r.SENKOD = 8; }),
            {"SENTUT=237.7300"});
        row("11 percent of the salary items", 11, withRun(unions, [](PayrollRun &r) { r.settings.SEN = QLatin1Char('1'); }),
            with(member,
                 [](PayRecord &r) {
                     r.SENKOD = 8;
                     r.GOS = 1000;
                 }),
            {"SENTUT=252.9100"});
        row("11 no basis chosen", 11, withRun(unions, [](PayrollRun &r) { r.settings.SEN = QLatin1Char('0'); }),
            with(member, [](PayRecord &r) { r.SENKOD = 8; }), {"SENTUT=0.0000"});
        row("11 partial month", 11, unions,
            with(member,
                 [](PayRecord &r) {
                     r.SENKOD = 7;
                     r.KGUN = 10;
                 }),
            {"SENTUT=0.0000", "SENAD=YEREL YÖNETİM SEN."});
        row("11 unknown union", 11, unions, with(member, [](PayRecord &r) { r.SENKOD = 99; }), {"SENTUT=0.0000"});
        row("11 not a member", 11, unions, with(p, [](PayRecord &r) { r.SENKOD = 7; }), {"SENTUT=0.0000", "SENAD="});
    }

    // ---- 12: income tax, TABAY 15848.42 − premiums 9 % + 5 % (2218.78) = 13629.64
    row("12 first month", 12, base, p,
        {"GVMAT=13629.6400", "TOPMAT=13629.6400", "GELVER=2044.4500", "GVMAT1=22104.6750", "GELVER1=3315.7000",
         "GELVERK=0.0000"});
    row("12 re-running a month leaves the month's own row out", 12, base,
        withInput(p,
                  [](PersonInput &i) {
                      i.earlier.vermatToMonth = m("160000");
                      i.earlier.vermatOwnRow = m("13629.64");
                  }),
        {"TOPMAT=160000.0000", "GELVER=2144.4500", "GVOR=0.2"});
    row("12 private insurance, disability and service debt lower the base", 12, base,
        withInput(p,
                  [](PersonInput &i) {
                      i.rec.OZIN = m("850");
                      i.rec.SAKDER = 3;
                      i.serviceDebts = {m("10000"), m("800")};
                      i.rec.HIZBORDUR = true;
                  }),
        {"GVMAT=9579.6400", "GELVER=1436.9500"});
    row("12 other staff, full month: extra items only", 12, base,
        with(p, [](PayRecord &r) { r.PERTUR = QLatin1Char('D'); }), {"GVMAT=0.0000", "GELVER=0.0000"});
    row("12 part-time: the whole tax withheld", 12, base, with(p, [](PayRecord &r) { r.KISZAMAN = QLatin1Char('E'); }),
        {"GELVER=2044.4500", "GVMAT1=0.0000", "GELVER1=0.0000", "GELVERK=2044.4500"});

    // ---- 13: minimum living allowance and private pension
    {
        const PersonInput married = with(p, [](PayRecord &r) {
            r.AGI = QLatin1Char('E');
            r.MHAL = QLatin1Char('1');
            r.ESI = QLatin1Char('1');
        });
        row("13 allowance 13002.75 × 15 %", 13, base, married, {"AGIMATX=1950.4125", "ASGIND=1950.4100"});
        row("13 allowance cut to the income tax", 13, base, with(married, [](PayRecord &r) { r.GOS = 0; r.OZIN = m("12000"); }),
            {"GELVER=244.4500", "ASGIND=244.4500"});
        row("13 allowance not paid", 13, base, with(married, [](PayRecord &r) { r.AGI = QLatin1Char('H'); }),
            {"AGIMAT=0.0000", "ASGIND=0.0000"});
    }

    // ---- 14: totals
    row("14 service debt paid in advance is not deducted", 14, base,
        withInput(p,
                  [](PersonInput &i) {
                      i.serviceDebts = {m("10000"), m("800")};
                      i.rec.HIZBORDUR = true;
                  }),
        {"HIZBOR=800.0000", "KESTOP=6577.0900"});
    row("14 service debt deducted", 14, base,
        withInput(p, [](PersonInput &i) { i.serviceDebts = {m("10000"), m("800")}; }), {"KESTOP=7377.0900"});
    row("14 private pension 3 % of the retirement base", 14, base,
        with(p,
             [](PayRecord &r) {
                 r.GSSTUR = QLatin1Char('E');
                 r.BES = QLatin1Char('E');
                 r.BESORAN = 3;
             }),
        // EKMAT = 15848.42 + lowest band 1923.86 = 17772.28; 3 % = 533.1684
        {"EKMAT=17772.2800", "BESTUT=533.0000"});
}

void TestEngine::wholePerson()
{
    // A married civil servant, spouse not working, two children (3 and 9), retirement fund,
    // grade 7/3 (indicator 740, additional 0), 12 years, side payment 800 points, special
    // service 65 %, additional payment 45 %, minimum living allowance, union member at 7.5 ‰
    // of the stamp-tax base, 1 % surety on the monthly amounts, garnishment 4000 a month.
    PayrollRun run = run2025();
    run.unions.insert(1, {QStringLiteral("YEREL YÖNETİM SEN."), 7.5, QLatin1Char('D')});
    PersonInput in = person();
    PayRecord &r = in.rec;
    r.GSSTUR = QLatin1Char('E');
    r.GOS = 740;
    r.MGOS = 740;
    r.KIDEM = 12;
    r.YOP = 800;
    r.OHT = 65;
    r.EKOD = 45;
    r.MHAL = QLatin1Char('1');
    r.ESI = QLatin1Char('2');
    r.COC1 = 1;
    r.COC2 = 1;
    r.DIGCOC = 2;
    r.AGI = QLatin1Char('E');
    r.SENDIKA = QLatin1Char('E');
    r.SENKOD = 1;
    r.KEFALET = QLatin1Char('E');
    in.garnishments = {m("48000"), m("4000")};

    const PersonPay p = hesapla(run, in);
    // Earnings
    QCOMPARE(p.AYTUT.toPlain(2), QStringLiteral("749.29"));     // 740 × 1.012556 = 749.29144
    QCOMPARE(p.TABAY.toPlain(2), QStringLiteral("15848.42"));
    QCOMPARE(p.KIDAY.toPlain(2), QStringLiteral("243.01"));     // 12 × 20 × K = 243.01344
    QCOMPARE(p.YANOD.toPlain(2), QStringLiteral("256.89"));     // 800 × 0.321115 = 256.892
    QCOMPARE(p.OHTTUT.toPlain(2), QStringLiteral("6252.53"));   // 65 % of 9619.282 = 6252.5333
    QCOMPARE(p.EKODTUT.toPlain(2), QStringLiteral("4328.68"));  // 45 % = 4328.6769
    QCOMPARE(p.AILEYRD.toPlain(2), QStringLiteral("1518.83"));
    QCOMPARE(p.COCYRD.toPlain(2), QStringLiteral("506.28"));    // 1 × 500 × K = 506.278
    QCOMPARE(p.COCYRD1.toPlain(2), QStringLiteral("253.14"));
    // Retirement fund: base 749.2914 + 15848.42 + 243.01 + 1923.86 = 18764.5814 → 18764.58
    QCOMPARE(p.EKMAT.toPlain(2), QStringLiteral("18764.58"));
    QCOMPARE(p.EMKESM.toPlain(2), QStringLiteral("3002.33"));   // 16 % = 3002.3328
    QCOMPARE(p.EMKESD.toPlain(2), QStringLiteral("3752.92"));   // 20 % = 3752.916
    QCOMPARE(p.GECICI.toPlain(2), QStringLiteral("2251.75"));   // 12 % = 2251.7496
    QCOMPARE(p.KEFTUT.toPlain(2), QStringLiteral("7.49"));      // 1 % of 749.29
    // Gross: 749.29 + 15848.42 + 243.01 + 256.89 + 1518.83 + 253.14 + 506.28 + 6252.53
    //        + 4328.68 + 3752.92 + 2251.75 = 35961.74
    QCOMPARE(p.GELTOP.toPlain(2), QStringLiteral("35961.74"));
    // Stamp: 749.29 + 15848.42 + 243.01 + 256.89 + 6252.53 + 4328.68 = 27678.82 × 7.59 ‰ = 210.082
    QCOMPARE(p.DVMAT.toPlain(2), QStringLiteral("27678.82"));
    QCOMPARE(p.DAMVER.toPlain(2), QStringLiteral("210.08"));
    QCOMPARE(p.DAMVERK.toPlain(2), QStringLiteral("12.70"));    // 210.08 − 197.38
    QCOMPARE(p.SENTUT.toPlain(2), QStringLiteral("207.59"));    // 27678.82 × 7.5 ‰ = 207.59115
    // Income tax base: 749.29 + 15848.42 + 243.01 + 256.89 − (3002.33 + 7.49 + 207.59) = 13880.20
    QCOMPARE(p.GVMAT.toPlain(2), QStringLiteral("13880.20"));
    QCOMPARE(p.GELVER.toPlain(2), QStringLiteral("2082.03"));
    QCOMPARE(p.GELVER1.toPlain(2), QStringLiteral("3315.70"));
    QCOMPARE(p.GELVERK.toPlain(2), QStringLiteral("0.00"));
    // Allowance: (13002.75 + 2600.55 + 2 × 7.5 % × 26005.50 = 3900.825) → 19504.13 × 15 % = 2925.62;
    // cut to the income tax 2082.03.
    QCOMPARE(p.AGIMAT.toPlain(2), QStringLiteral("19504.13"));
    QCOMPARE(p.ASGIND.toPlain(2), QStringLiteral("2082.03"));
    QCOMPARE(p.ICRA.toPlain(2), QStringLiteral("4000.00"));
    // Deductions: 0 + 12.70 + 3002.33 + 3752.92 + 4000 + 7.49 + 207.59 + 2251.75 = 13234.78
    QCOMPARE(p.KESTOP.toPlain(2), QStringLiteral("13234.78"));
    QCOMPARE(p.MAAS.toPlain(2), QStringLiteral("24808.99"));    // 35961.74 − 13234.78 + 2082.03
    QCOMPARE(p.ACIKKES.toPlain(4), QStringLiteral("0.0000"));

    // Suspended: contributions halved (1501.17, 1876.46, 1125.87), so the gross is 32959.40,
    // the income-tax base 15381.36, the tax and the allowance 2307.20, the deductions
    // 8731.28 and the pay 26535.32; a third of garnishment + pay − allowance − family and
    // child allowances (2278.25) is withheld, at four decimals.
    r.DURUM = QLatin1Char('A');
    const PersonPay s = hesapla(run, in);
    QCOMPARE(s.EMKESM.toPlain(2), QStringLiteral("1501.17"));
    QCOMPARE(s.GECICI.toPlain(2), QStringLiteral("1125.87"));
    QCOMPARE(s.GELTOP.toPlain(2), QStringLiteral("32959.40"));
    QCOMPARE(s.ASGIND.toPlain(2), QStringLiteral("2307.20"));
    QCOMPARE(s.MAAS.toPlain(2), QStringLiteral("26535.32"));
    QCOMPARE(s.ACIKKES.toPlain(4), QStringLiteral("8649.9567"));  // 25949.87 ÷ 3
}

void TestEngine::grossUpUsesThisPerson()
{
    // The net item's factor follows this person's own base: a low-paid person gets the lower
    // rate whoever was computed before.
    PayrollRun run = run2025();
    ItemDefinition &d = run.items[0];
    d.defined = true;
    d.DUR = QLatin1Char('V');
    d.TUR = QLatin1Char('S');
    d.TUTAR = m("1000");
    d.BRUTNET = QLatin1Char('N');
    PersonInput high = person();
    high.rec.KAZS[0] = QLatin1Char('E');
    high.rec.GOS = 3000;  // 3037.67 more in the base: above 14800
    PersonInput low = person();
    low.rec.KAZS[0] = QLatin1Char('E');
    low.rec.GSSTUR = QLatin1Char('Y');  // no base salary: far below
    QCOMPARE(hesapla(run, high).KAZ[0].toPlain(2), QStringLiteral("1262.00"));
    QCOMPARE(hesapla(run, low).KAZ[0].toPlain(2), QStringLiteral("1187.00"));
    QCOMPARE(hesapla(run, high).KAZ[0].toPlain(2), QStringLiteral("1262.00"));
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
