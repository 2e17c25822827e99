// The posting's pure logic: the formula language, the variables of each rule, the default
// plans (their lines, and that every one of them balances on payroll rows of its kind), the
// preparation of lines and totals, the journal lines and the payment order's rows.

#include "paymentorder.h"
#include "preparation.h"

#include <QtTest>

#include <random>

using namespace zeran;
using namespace zeran::posting;

namespace {

Money m(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

ColumnSums sums(std::initializer_list<std::pair<Col, const char *>> values)
{
    ColumnSums s;
    for (const auto &[c, v] : values)
        s[c] = m(v);
    return s;
}

PlanLine planLine(const char *hkod, const char *tur, const char *dur, const char *hesap, const char *hesapdur = "")
{
    PlanLine l;
    l.HKOD = QString::fromLatin1(hkod);
    l.TUR = QString::fromLatin1(tur);
    l.DUR = QString::fromLatin1(dur);
    l.HESAP = QString::fromLatin1(hesap);
    l.HESAPDUR = QString::fromLatin1(hesapdur);
    return l;
}

// A monthly result row the way the payroll engine's totals make it: the gross is the sum of
// its parts, the deductions total the sum of what was withheld, the net the gross less the
// deductions plus the allowance. Amounts in kuruş, drawn at random.
PersonRow salaryRow(std::mt19937 &rnd, bool exemption, bool suspended)
{
    std::uniform_int_distribution<int> big(0, 5'000'000), small(0, 200'000), tiny(0, 30'000);
    const auto k = [](int kurus) { return Money::fromKurus(kurus); };
    PersonRow p;
    ColumnSums &c = p.cols;
    for (Col col : {Col::AYTUT, Col::EGOSTUT, Col::TABAY, Col::KIDAY, Col::YANOD, Col::OZHIZTAZ, Col::EKODTUT})
        c[col] = k(big(rnd));
    for (Col col : {Col::FAZMES, Col::LOJTAZ, Col::EKTAZ, Col::DILTAZ, Col::DIGTAZ, Col::AILEYRD, Col::COCYRD,
                    Col::COCYRD1, Col::ARTIS, Col::TERFAR, Col::KAZ1, Col::KAZ4, Col::KAZ6, Col::KAZ10, Col::YEMEK,
                    Col::EMKESD, Col::MYOI, Col::GSSI, Col::DVVIADE})
        c[col] = k(small(rnd));
    for (Col col : {Col::EMKESM, Col::MYOP, Col::GSSP, Col::GELVER, Col::DAMVER, Col::BES, Col::HIZBOR, Col::ICRA,
                    Col::KIRA, Col::PCEZA, Col::KEFALET, Col::SEN1, Col::KES1, Col::KES2, Col::KES5, Col::VIADE})
        c[col] = k(tiny(rnd));
    c[Col::GELVERKES] = c[Col::GELVER].mulDiv(1, 2);
    c[Col::DAMVERKES] = c[Col::DAMVER].mulDiv(1, 3);
    Money gross;
    for (Col col : {Col::AYTUT, Col::EGOSTUT, Col::TABAY, Col::KIDAY, Col::YANOD, Col::OZHIZTAZ, Col::EKODTUT,
                    Col::FAZMES, Col::LOJTAZ, Col::EKTAZ, Col::DILTAZ, Col::DIGTAZ, Col::AILEYRD, Col::COCYRD,
                    Col::COCYRD1, Col::TERFAR, Col::KAZ1, Col::KAZ4, Col::KAZ6, Col::KAZ10, Col::YEMEK, Col::EMKESD,
                    Col::MYOI, Col::GSSI, Col::DVVIADE})
        gross += c[col];
    gross += c[Col::ARTIS].mul(2);
    c[Col::GELTOP] = gross;
    c[Col::OZELKES] = c[Col::KES1] + c[Col::KES2] + c[Col::KES5] + c[Col::PCEZA];
    const Money taxes = exemption ? c[Col::GELVERKES] + c[Col::DAMVERKES] : c[Col::GELVER] + c[Col::DAMVER];
    c[Col::KESTOP] = taxes + c[Col::EMKESM] + c[Col::EMKESD] + c[Col::ARTIS].mul(2) + c[Col::ICRA] + c[Col::KIRA] +
                     c[Col::KEFALET] + c[Col::SEN1] + c[Col::OZELKES] + c[Col::MYOI] + c[Col::MYOP] + c[Col::GSSI] +
                     c[Col::GSSP] + c[Col::DVVIADE] + c[Col::BES] + c[Col::HIZBOR];
    c[Col::MAAS] = gross - c[Col::KESTOP] + c[Col::VIADE];
    if (suspended)
        c[Col::ACIKKES] = (c[Col::ICRA] + c[Col::MAAS] - c[Col::VIADE]).divInt(3);
    return p;
}

// A mayor's row: the allowance, family allowances and premiums; taxes, contributions, rent,
// garnishment, other deductions and the private pension withheld; suspended at times.
PersonRow mayorRow(std::mt19937 &rnd, bool exemption, bool suspended)
{
    std::uniform_int_distribution<int> big(0, 10'000'000), small(0, 300'000);
    PersonRow p;
    ColumnSums &c = p.cols;
    for (Col col : {Col::EMKESD, Col::DVVIADE, Col::MYOI, Col::GSSI, Col::EMKESM, Col::MYOP, Col::GSSP, Col::ICRA,
                    Col::KES1, Col::KES4, Col::PCEZA, Col::BES})
        c[col] = Money::fromKurus(small(rnd) / 4);
    c[Col::KAZ6] = Money::fromKurus(big(rnd));
    c[Col::AILEYRD] = Money::fromKurus(small(rnd));
    c[Col::COCYRD] = Money::fromKurus(small(rnd));
    c[Col::COCYRD1] = Money::fromKurus(small(rnd));
    c[Col::GELVER] = Money::fromKurus(small(rnd));
    c[Col::DAMVER] = Money::fromKurus(small(rnd));
    c[Col::GELVERKES] = c[Col::GELVER].mulDiv(2, 3);
    c[Col::DAMVERKES] = c[Col::DAMVER].mulDiv(1, 2);
    c[Col::KIRA] = Money::fromKurus(small(rnd));
    c[Col::VIADE] = Money::fromKurus(small(rnd));
    c[Col::GELTOP] = c[Col::KAZ6] + c[Col::AILEYRD] + c[Col::COCYRD] + c[Col::COCYRD1] + c[Col::EMKESD] +
                     c[Col::DVVIADE] + c[Col::MYOI] + c[Col::GSSI];
    c[Col::OZELKES] = c[Col::KES1] + c[Col::KES4] + c[Col::PCEZA];
    const Money taxes = exemption ? c[Col::GELVERKES] + c[Col::DAMVERKES] : c[Col::GELVER] + c[Col::DAMVER];
    c[Col::KESTOP] = taxes + c[Col::KIRA] + c[Col::EMKESD] + c[Col::DVVIADE] + c[Col::MYOI] + c[Col::GSSI] +
                     c[Col::EMKESM] + c[Col::MYOP] + c[Col::GSSP] + c[Col::ICRA] + c[Col::OZELKES] + c[Col::BES];
    c[Col::MAAS] = c[Col::GELTOP] - c[Col::KESTOP] + c[Col::VIADE];
    if (suspended)
        c[Col::ACIKKES] = (c[Col::ICRA] + c[Col::MAAS] - c[Col::VIADE]).divInt(3);
    return p;
}

// A meeting-fee row: gross = fee; deductions = meal, personal debt, garnishment and taxes.
PersonRow councilRow(std::mt19937 &rnd)
{
    std::uniform_int_distribution<int> big(0, 3'000'000), small(0, 100'000);
    PersonRow p;
    ColumnSums &c = p.cols;
    c[Col::GELTOP] = Money::fromKurus(big(rnd));
    c[Col::KAZ1] = Money::fromKurus(small(rnd));
    for (Col col : {Col::GELVER, Col::DAMVER, Col::ICRA, Col::KES1, Col::KES2})
        c[col] = Money::fromKurus(small(rnd));
    c[Col::KESTOP] = c[Col::KES1] + c[Col::GELVER] + c[Col::DAMVER] + c[Col::KES2] + c[Col::ICRA];
    c[Col::MAAS] = c[Col::GELTOP] - c[Col::KESTOP];
    return p;
}

QStringList codes(const std::vector<PlanLine> &plan)
{
    QStringList out;
    for (const PlanLine &l : plan)
        out << l.HKOD + QLatin1Char('/') + l.TUR;
    return out;
}

}  // namespace

class TestPostingLogic : public QObject {
    Q_OBJECT
private slots:
    void evaluate_data();
    void evaluate();
    void variablesByRule_data();
    void variablesByRule();
    void deadNamesWarned();
    void planLines_data();
    void planLines();
    void plansUseOnlyLiveNames();
    void plansBalance_data();
    void plansBalance();
    void preparation();
    void perPersonLines();
    void journalLinesWithoutGaps();
    void splitCodes_data();
    void splitCodes();
    void kinds();
    void paymentOrderRows();
};

void TestPostingLogic::evaluate_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("value");
    QTest::newRow("one name") << "AYTUT" << "1000.0000";
    QTest::newRow("left to right") << "AYTUT-EMKESM+KIRA" << "890.0000";
    QTest::newRow("minus then plus is not grouped") << "KIRA-AYTUT+EMKESM" << "-790.0000";
    QTest::newRow("operator at the end") << "AYTUT+" << "1000.0000";
    QTest::newRow("two operators") << "AYTUT++KIRA" << "1050.0000";
    QTest::newRow("minus minus") << "AYTUT--KIRA" << "950.0000";
    QTest::newRow("leading minus") << "-AYTUT" << "-1000.0000";
    QTest::newRow("leading plus") << "+KIRA" << "50.0000";
    QTest::newRow("blanks around the operator") << "AYTUT + KIRA" << "1000.0000";
    QTest::newRow("blank after a name only") << "AYTUT +KIRA" << "1050.0000";
    QTest::newRow("blank before a name") << " AYTUT" << "0.0000";
    QTest::newRow("lower-case name") << "aytut+KIRA" << "50.0000";
    QTest::newRow("unknown name") << "MAASLAR+KIRA" << "50.0000";
    QTest::newRow("empty") << "" << "0.0000";
    QTest::newRow("no value of their own") << "GELVERKES+DAMVERKES+EKGOR" << "0.0000";
    QTest::newRow("four decimals, no rounding") << "ACIKKES+ACIKKES+ACIKKES" << "100.0002";
    QTest::newRow("twice doubled") << "ARTIS2" << "24.6800";
}

void TestPostingLogic::evaluate()
{
    QFETCH(QString, formula);
    QFETCH(QString, value);
    const ColumnSums s = sums({{Col::AYTUT, "1000"}, {Col::EMKESM, "160"}, {Col::KIRA, "50"}, {Col::GELVERKES, "7"},
                               {Col::DAMVERKES, "3"}, {Col::ACIKKES, "33.3334"}, {Col::ARTIS, "12.34"}});
    QCOMPARE(posting::evaluate(formula, variables(s, Rule::Monthly, false)).toPlain(4), value);
}

void TestPostingLogic::variablesByRule_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("exemption");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("value");
    const int monthly = int(Rule::Monthly), difference = int(Rule::Difference), additional = int(Rule::Additional);
    QTest::newRow("monthly income tax") << monthly << false << "GELVER" << "900.0000";
    QTest::newRow("monthly income tax, exemption") << monthly << true << "GELVER" << "400.0000";
    QTest::newRow("monthly stamp tax, exemption") << monthly << true << "DAMVER" << "20.0000";
    QTest::newRow("difference ignores the exemption") << difference << true << "GELVER+DAMVER" << "980.0000";
    QTest::newRow("additional ignores the exemption") << additional << true << "GELVER" << "900.0000";
    QTest::newRow("monthly net less the held part") << monthly << false << "MAAS" << "4700.0000";
    QTest::newRow("monthly NET same") << monthly << false << "NET" << "4700.0000";
    QTest::newRow("difference net is the net") << difference << false << "MAAS" << "5000.0000";
    QTest::newRow("children both columns") << monthly << false << "COCYRD" << "150.0000";
    QTest::newRow("difference leaves out meals and items") << difference << false << "YEMEK+KAZ3+BES+GELTOP+ACIKKES"
                                                          << "0.0000";
    QTest::newRow("difference keeps the rest") << difference << false << "AYTUT+EKGOST+COCYRD" << "1350.0000";
    QTest::newRow("additional sums its own") << additional << false << "AYTUT+TUTAR+GELIR+KESTOP+ICRA"
                                             << "9090.0000";
    QTest::newRow("additional withholdings and premiums") << additional << false << "KES1+KES2+MYOI+GSSP"
                                                           << "46.0000";
    QTest::newRow("additional leaves the rest at zero") << additional << false << "COCYRD+KIRA+YEMEK+KAZ3+EMKESM"
                                                        << "0.0000";
    QTest::newRow("first entries have nothing of their own") << monthly << false << "GIRIS" << "0.0000";
}

void TestPostingLogic::variablesByRule()
{
    QFETCH(int, rule);
    QFETCH(bool, exemption);
    QFETCH(QString, formula);
    QFETCH(QString, value);
    const ColumnSums s = sums({{Col::AYTUT, "1000"}, {Col::EGOSTUT, "200"}, {Col::COCYRD, "100"}, {Col::COCYRD1, "50"},
                               {Col::GELVER, "900"}, {Col::GELVERKES, "400"}, {Col::DAMVER, "80"}, {Col::DAMVERKES, "20"},
                               {Col::MAAS, "5000"}, {Col::ACIKKES, "300"}, {Col::YEMEK, "10"}, {Col::KAZ3, "11"},
                               {Col::BES, "12"}, {Col::GELTOP, "7000"}, {Col::KESTOP, "80"}, {Col::ICRA, "10"},
                               {Col::KIRA, "5"}, {Col::EMKESM, "6"}, {Col::KES1, "1"}, {Col::KES2, "2"},
                               {Col::MYOI, "3"}, {Col::GSSP, "40"}});
    QCOMPARE(posting::evaluate(formula, variables(s, Rule(rule), exemption)).toPlain(4), value);
}

void TestPostingLogic::deadNamesWarned()
{
    QCOMPARE(deadNames(QStringLiteral("AYTUT+aytut- KIRA+GELVERKES+XX++XX+EKGOR")),
             (QStringList{QStringLiteral("aytut"), QStringLiteral(" KIRA"), QStringLiteral("GELVERKES"),
                          QStringLiteral("XX"), QStringLiteral("EKGOR")}));
    QVERIFY(deadNames(QStringLiteral("AYTUT+EKGOST-EMKESM+")).isEmpty());
    const QString q = deadNamesQuestion({QStringLiteral("XX")});
    QVERIFY(q.contains(QStringLiteral("\"XX\"")));
    // Every name the editor offers is a variable.
    for (const QString &n : editorVariables())
        QVERIFY2(isVariable(n), qPrintable(n));
}

void TestPostingLogic::planLines_data()
{
    QTest::addColumn<int>("plan");
    QTest::addColumn<bool>("memo");
    QTest::addColumn<QStringList>("expected");
    const QStringList salaries = {
        "630.01.01.01.01/B", "630.01.01.02.01/B", "630.01.01.03.01/B", "630.01.01.04.01/B", "630.01.01.05.01/B",
        "630.01.01.09.01/B", "630.02.01.06.01/B", "360.01.01.02/B",    "360.01.01.02/A",    "360.03.01/A",
        "361.01.01.01/A",    "361.01.02.01/A",    "361.10.01.01/A",    "361.10.02.01/A",    "361.01.02.04/A",
        "333.10.03.01.99/A", "333.10.03.01/A",    "333.10.03.01/A",    "333.03.01/A",       "362.02.06.02/A",
        "361.01.01.03/A",    "361.01.02.03/A",    "333.02.99/A",       "333.09.02/A",       "320/A",
        "600.03.06.01.01/A", "361.11/A",          "103.01/A",          "830.01.01.01.01/B", "830.01.01.02.01/B",
        "830.01.01.03.01/B", "830.01.01.04.01/B", "830.01.01.05.01/B", "830.01.01.09.01/B", "830.02.01.06.01/B",
        "835/A",             "800.03.06.01.01/A", "805/B"};
    const QStringList salaryMemo = {"905.01.01/B", "900.01.01/A", "905.02.01/B", "900.02.01/A"};
    const QStringList mayor = {"630.01.05.01.51/B", "630.01.01.04.01/B", "630.02.01.06.01/B", "360.01.01.02/B",
                               "360.01.01.01/A",    "360.03.01/A",       "361.01.01.01/A",    "361.01.02.01/A",
                               "361.10.01.01/A",    "361.10.02.01/A",    "361.01.02.04/A",    "333.03.01/A",
                               "333.02.99/A",       "333.09.02/A",       "320/A",             "600.03.06.01.01/A",
                               "103.01/A",          "830.01.05.01.51/B", "830.01.01.04.01/B", "830.02.01.06.01/B",
                               "835/A",             "800.03.06.01.01/A", "805/B"};
    const QStringList mayorMemo = {"905.01.05/B", "900.01.05/A", "905.01.01/B", "900.01.01/A"};
    const QStringList council = {"630.01.05.01.52/B", "333.03.01/A", "360.01.01.01/A",    "360.03.01/A",
                                 "333.02.99/A",       "103.01/A",    "830.01.05.01.52/B", "835/A"};
    const QStringList councilMemo = {"905.01.05/B", "900.01.05/A"};
    QTest::newRow("Zeran Maaşları") << int(DefaultPlan::Salaries) << false << salaries;
    QTest::newRow("Zeran Maaşları, FISOH E") << int(DefaultPlan::Salaries) << true << salaries + salaryMemo;
    QTest::newRow("Başkan Ödeneği") << int(DefaultPlan::Mayor) << false << mayor;
    QTest::newRow("Başkan Ödeneği, FISOH E") << int(DefaultPlan::Mayor) << true << mayor + mayorMemo;
    QTest::newRow("Encümen/Meclis") << int(DefaultPlan::Council) << false << council;
    QTest::newRow("Encümen/Meclis, FISOH E") << int(DefaultPlan::Council) << true << council + councilMemo;
}

void TestPostingLogic::planLines()
{
    QFETCH(int, plan);
    QFETCH(bool, memo);
    QFETCH(QStringList, expected);
    const std::vector<PlanLine> lines = defaultPlan(DefaultPlan(plan), memo);
    QCOMPARE(codes(lines), expected);
    for (const PlanLine &l : lines) {
        QVERIFY2(l.ACIK.size() <= kAcikWidth, qPrintable(l.ACIK));
        QVERIFY(!l.ACIK.isEmpty());
        QVERIFY(l.HESAPDUR.isEmpty());
    }
    // The purpose a generated plan sets when the header has none.
    QCOMPARE(defaultPurpose(DefaultPlan::Salaries), QStringLiteral("AYLIK ZERAN MAAŞLARI"));
    QCOMPARE(defaultPurpose(DefaultPlan::Mayor), QStringLiteral("AYLIK BAŞKAN MAAŞI"));
}

void TestPostingLogic::plansUseOnlyLiveNames()
{
    for (DefaultPlan p : {DefaultPlan::Salaries, DefaultPlan::Mayor, DefaultPlan::Council})
        for (const PlanLine &l : defaultPlan(p, true)) {
            QStringList dead = deadNames(l.HESAP);
            dead.removeAll(QStringLiteral("EKGOR"));  // kept in the chart's formula; it counts 0
            QVERIFY2(dead.isEmpty(), qPrintable(l.HKOD + QLatin1Char(' ') + dead.join(QLatin1Char(','))));
        }
}

void TestPostingLogic::plansBalance_data()
{
    QTest::addColumn<int>("plan");
    QTest::addColumn<bool>("exemption");
    QTest::addColumn<int>("rule");
    QTest::newRow("salaries") << int(DefaultPlan::Salaries) << false << int(Rule::Monthly);
    QTest::newRow("salaries, exemption") << int(DefaultPlan::Salaries) << true << int(Rule::Monthly);
    QTest::newRow("mayor") << int(DefaultPlan::Mayor) << false << int(Rule::Monthly);
    QTest::newRow("mayor, exemption") << int(DefaultPlan::Mayor) << true << int(Rule::Monthly);
    QTest::newRow("council") << int(DefaultPlan::Council) << false << int(Rule::Additional);
}

void TestPostingLogic::plansBalance()
{
    QFETCH(int, plan);
    QFETCH(bool, exemption);
    QFETCH(int, rule);
    std::mt19937 rnd(4711 + plan);
    for (int round = 0; round < 40; ++round) {
        std::vector<PersonRow> rows;
        for (int i = 0; i < 1 + round % 7; ++i) {
            if (DefaultPlan(plan) == DefaultPlan::Salaries)
                rows.push_back(salaryRow(rnd, exemption, i % 3 == 1));
            else if (DefaultPlan(plan) == DefaultPlan::Mayor)
                rows.push_back(mayorRow(rnd, exemption, i % 4 == 2));
            else
                rows.push_back(councilRow(rnd));
        }
        for (bool memo : {false, true}) {
            const Prepared p = prepare(defaultPlan(DefaultPlan(plan), memo), rows, Rule(rule), exemption);
            QCOMPARE(p.totals.debit.toPlain(4), p.totals.credit.toPlain(4));
            QVERIFY(imbalance(p.lines).isZero());
            QVERIFY(p.totals.accrual > Money());
            // The cheques are what the payroll pays out.
            Money paid;
            for (const PersonRow &r : rows)
                paid += r.cols[Col::MAAS] - (rule == int(Rule::Monthly) ? r.cols[Col::ACIKKES] : Money());
            if (DefaultPlan(plan) != DefaultPlan::Council && !paid.isNegative())
                QCOMPARE(p.totals.cheques, paid);
        }
    }
}

void TestPostingLogic::preparation()
{
    const std::vector<PlanLine> plan = {
        planLine("630.01", "B", "T", "AYTUT"),
        planLine("630.02", "B", "T", "YEMEK"),  // 0: dropped
        planLine("830.01", "B", "", "AYTUT"),
        planLine("360.01", "A", "K", "GELVER"),
        planLine("333.02", "A", "K", "KIRA"),
        planLine("103.01", "A", "C", "MAAS"),
        planLine("835", "A", "", "AYTUT"),
    };
    PersonRow a, b;
    a.cols = sums({{Col::AYTUT, "1000"}, {Col::GELVER, "100"}, {Col::KIRA, "50"}, {Col::MAAS, "850"}});
    b.cols = sums({{Col::AYTUT, "2000.5"}, {Col::GELVER, "300"}, {Col::MAAS, "1700.5"}});
    const Prepared p = prepare(plan, {a, b}, Rule::Monthly, false);
    QStringList got;
    for (const PreparedLine &l : p.lines)
        got << l.HESNO + QLatin1Char(' ') + (l.TUR == QLatin1String("B") ? l.BORC : l.ALACAK).toPlain(2);
    QCOMPARE(got, (QStringList{"630.01 3000.50", "830.01 3000.50", "360.01 400.00", "333.02 50.00", "103.01 2550.50",
                               "835 3000.50"}));
    QCOMPARE(p.totals.accrual.toPlain(2), QStringLiteral("3000.50"));
    QCOMPARE(p.totals.debit.toPlain(2), QStringLiteral("6001.00"));
    QCOMPARE(p.totals.credit.toPlain(2), QStringLiteral("6001.00"));
    QCOMPARE(p.totals.deduction.toPlain(2), QStringLiteral("450.00"));
    QCOMPARE(p.totals.cheques.toPlain(2), QStringLiteral("2550.50"));

    // Clearing an amount in the grid lowers the totals it counts in, by side and role.
    std::vector<PreparedLine> edited = p.lines;
    edited[3].ALACAK = Money();
    const Totals t = totalsOf(edited);
    QCOMPARE(t.credit.toPlain(2), QStringLiteral("5951.00"));
    QCOMPARE(t.deduction.toPlain(2), QStringLiteral("400.00"));
    QCOMPARE(t.accrual, p.totals.accrual);
    QCOMPARE(imbalance(edited).toPlain(2), QStringLiteral("50.00"));
    QVERIFY(imbalanceMessage(t.debit, t.credit).contains(QStringLiteral("50,00")));
}

void TestPostingLogic::perPersonLines()
{
    const std::vector<PlanLine> plan = {
        planLine("630.01", "B", "T", "AYTUT"),
        planLine("333.03.01", "A", "K", "ICRA", "A"),
        planLine("630.09", "B", "T", "ICRA", "A"),  // debit per person: no amount
        planLine("103.01", "A", "C", "MAAS"),
    };
    PersonRow a, b, c;
    a.CKOD = 11;
    a.cols = sums({{Col::AYTUT, "1000"}, {Col::ICRA, "120"}, {Col::MAAS, "880"}});
    b.CKOD = 12;
    b.cols = sums({{Col::AYTUT, "1000"}, {Col::MAAS, "1000"}});
    c.CKOD = 13;
    c.cols = sums({{Col::AYTUT, "1000"}, {Col::ICRA, "80"}, {Col::MAAS, "920"}});
    const Prepared p = prepare(plan, {a, b, c}, Rule::Monthly, false);
    QCOMPARE(p.lines.size(), std::size_t(4));
    QCOMPARE(p.lines[1].HESNO, QStringLiteral("333.03.01"));
    QCOMPARE(p.lines[1].CKOD, 11);
    QCOMPARE(p.lines[1].ALACAK.toPlain(2), QStringLiteral("120.00"));
    QCOMPARE(p.lines[2].CKOD, 13);
    QCOMPARE(p.lines[2].ALACAK.toPlain(2), QStringLiteral("80.00"));
    QCOMPARE(p.lines[2].E, (std::array<QString, 4>{"333", "03", "01", ""}));
    QCOMPARE(p.totals.deduction.toPlain(2), QStringLiteral("200.00"));
    QVERIFY(imbalance(p.lines).isZero());
    // The other rules treat the line as a total line.
    const Prepared d = prepare(plan, {a, b, c}, Rule::Difference, false);
    QCOMPARE(d.lines.size(), std::size_t(4));
    QCOMPARE(d.lines[1].ALACAK.toPlain(2), QStringLiteral("200.00"));
    QCOMPARE(d.lines[1].CKOD, 0);
}

void TestPostingLogic::journalLinesWithoutGaps()
{
    std::vector<PreparedLine> lines(4);
    lines[0].HESNO = QStringLiteral("630");
    lines[0].BORC = m("10");
    lines[0].KKOD = QStringLiteral("46.01.32.04");
    lines[0].FKOD = QStringLiteral("01.3.9.00");
    lines[0].FTIP = QStringLiteral("5");
    lines[0].EKOD = QStringLiteral("01.1.1.01");
    lines[1].HESNO = QStringLiteral("999");  // cleared in the grid: not posted
    lines[2].HESNO = QStringLiteral("103");
    lines[2].ALACAK = m("10");
    lines[2].CKOD = 7;
    lines[3].HESNO = QStringLiteral("630.2");
    lines[3].BORC = m("1");
    lines[3].KKOD = QStringLiteral("46.01.32.05");  // no budget line: 0
    QHash<QString, qint64> budget;
    budget.insert(budgetKey(lines[0].KKOD, lines[0].FKOD, lines[0].FTIP, lines[0].EKOD), 345);
    const std::vector<JournalLine> j = journalLines(lines, budget);
    QCOMPARE(j.size(), std::size_t(3));
    QCOMPARE(j[0].HARNO, 1);
    QCOMPARE(j[0].BKAYNO, qint64(345));
    QCOMPARE(j[1].HARNO, 2);
    QCOMPARE(j[1].HKOD, QStringLiteral("103"));
    QCOMPARE(j[1].CKOD, 7);
    QCOMPARE(j[2].HARNO, 3);
    QCOMPARE(j[2].BKAYNO, qint64(0));
}

void TestPostingLogic::splitCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("account code") << "630.01.01.01.01" << QStringList{"630", "01", "01", "01.01"};
    QTest::newRow("short") << "103.01" << QStringList{"103", "01", "", ""};
    QTest::newRow("one part") << "835" << QStringList{"835", "", "", ""};
    QTest::newRow("four parts") << "46.01.32.04" << QStringList{"46", "01", "32", "04"};
    QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
}

void TestPostingLogic::splitCodes()
{
    QFETCH(QString, code);
    QFETCH(QStringList, parts);
    const auto got = splitCode(code);
    QCOMPARE(QStringList(got.begin(), got.end()), parts);
}

void TestPostingLogic::kinds()
{
    struct K {
        const char *code, *plan, *rows;
        Rule rule;
    };
    for (const K &k : {K{"1", "1", "1", Rule::Monthly}, K{"2", "2", "2", Rule::Difference}, K{"8", "2", "8", Rule::Difference},
                       K{"4", "4", "4", Rule::Additional}, K{"5", "5", "5", Rule::Additional},
                       K{"6", "6", "6", Rule::Additional}, K{"7", "7", "7", Rule::Additional}}) {
        const auto kind = postingKind(QString::fromLatin1(k.code));
        QVERIFY(kind);
        QCOMPARE(kind->planKind, QString::fromLatin1(k.plan));
        QCOMPARE(kind->rowKind, QString::fromLatin1(k.rows));
        QCOMPARE(int(kind->rule), int(k.rule));
    }
    QVERIFY(!postingKind(QStringLiteral("3")));
    QCOMPARE(cashKindOfUnitKind(QStringLiteral("K")), QStringLiteral("7"));
    QCOMPARE(cashKindLabel(QStringLiteral("6")), QStringLiteral("O.MECLİS ÖDENEĞİ"));
    QVERIFY(takesCurrentAccount(QStringLiteral("333.03.01")));
    QVERIFY(!takesCurrentAccount(QStringLiteral("630.01")));
}

void TestPostingLogic::paymentOrderRows()
{
    PaymentOrderData d;
    d.lines.resize(3);
    const report::Document doc = paymentOrder(d);
    QCOMPARE(doc.title, QStringLiteral("ÖDEME EMRİ BELGESİ"));
    const report::Band &body = doc.body.at(0).bands.at(2);
    QCOMPARE(int(body.rows.size()), kPaymentOrderRows);
    d.lines.resize(31);
    QCOMPARE(int(paymentOrder(d).body.at(0).bands.at(2).rows.size()), 31);
}

QTEST_GUILESS_MAIN(TestPostingLogic)
#include "tst_posting_logic.moc"
