// The month at a glance: the summary's totals, filters, union and item lines in its four modes,
// the allowance list's rates and month columns, both read from made months of the demo
// institution, and both command-line entry points.

#include "allowance.h"
#include "demo.h"
#include "makemonths.h"
#include "monthtotals.h"
#include "pdftext.h"
#include "resultstore.h"
#include "settingsrow.h"
#include "summary.h"
#include "summaryloader.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::summary;

Q_DECLARE_METATYPE(zeran::test::Mode)
Q_DECLARE_METATYPE(zeran::summary::SummaryMode)

namespace {

Money m(const char *plain)
{
    return *Money::parsePlain(QString::fromLatin1(plain));
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

SummaryRow row(int pkayno, int bkod, int tur, std::initializer_list<std::pair<int, const char *>> amounts,
               std::optional<int> senkod = {})
{
    SummaryRow r;
    r.PKAYNO = pkayno;
    r.BKOD = bkod;
    r.PKOD = pkayno;
    r.TUR = tur;
    r.SENKOD = senkod;
    for (const auto &[c, a] : amounts)
        r.amounts[std::size_t(c)] = m(a);
    return r;
}

/// Persons 1 and 2 in salary unit 10 (person 2 also in unit 11), person 3 on the committee
/// (unit 20): salaries, a difference, an inflation difference and a meeting fee of one month.
SummaryInput fixture(SummaryMode mode, int unit = 0, int person = 0)
{
    SummaryInput in;
    in.mode = mode;
    in.unit = unit;
    in.person = person;
    in.rows = {
        row(1, 10, 1, {{col::AYTUT, "1000.00"}, {col::GELTOP, "1500.00"}}),
        row(2, 10, 1, {{col::AYTUT, "2000.00"}, {col::GELTOP, "2500.00"}}),
        row(2, 11, 1, {{col::AYTUT, "400.00"}, {col::GELTOP, "400.00"}}),
        row(1, 10, 2, {{col::AYTUT, "30.00"}, {col::GELTOP, "30.00"}}),
        row(2, 10, 8, {{col::AYTUT, "7.00"}, {col::GELTOP, "7.00"}}),
        row(3, 20, 4, {{col::AYTUT, "300.00"}, {col::GELTOP, "300.00"}}),
        row(3, 20, 5, {{col::AYTUT, "50.00"}, {col::GELTOP, "50.00"}}),
    };
    return in;
}

/// The deduction lines that are items of the deductions total: the printed lines without the
/// retirement subtotal, the held-back amount of suspended staff and the totals.
Money itemizedDeductions(const Summary &s)
{
    Money total;
    for (const SummaryLine &l : s.lines) {
        if (l.group != LineGroup::Deductions || !l.printed || l.total)
            continue;
        if (l.caption == u("Emekli Kesintisi Toplamı") || l.caption == u("Açığa Alınan Personel Emaneti"))
            continue;
        total += l.amount;
    }
    return total;
}

QStringList shownCaptions(const Summary &s, LineGroup g)
{
    QStringList out;
    for (const SummaryLine &l : s.lines)
        if (l.group == g)
            out << l.caption;
    return out;
}

/// The demo institution with some months made through the make path.
struct Institution {
    explicit Institution(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("summary"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        // The demo's year no longer pays the minimum living allowance; these months do.
        db.exec(QStringLiteral("UPDATE ZERBORBIL SET AGI='E'"));
    }

    SummaryInput input(SummaryMode mode, int month, int unit = 0, int person = 0)
    {
        return loadSummaryInput(db, {mode, QStringLiteral("2026"), month, unit, person});
    }

    int someSalaryUnitWithUnions()
    {
        return db
            .scalar(QStringLiteral("SELECT FIRST 1 M.BKOD FROM ZERMAAS M WHERE M.TUR='1' AND M.YIL='2026' AND M.SEN1>0 "
                                   "ORDER BY M.BKOD"))
            .toInt();
    }

    test::FreshDatabase fresh;
    db::Database db;
};

QString goldenDir()
{
    return qEnvironmentVariable("ZERAN_TEST_SOURCE") + QStringLiteral("/tests/modules/summary/golden");
}

void compareGolden(const QString &name, const QByteArray &out)
{
    const QString path = goldenDir() + QLatin1Char('/') + name;
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(out);
        return;
    }
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadOnly),
             qPrintable(QStringLiteral("no expected file %1; write it with ZERAN_GOLDEN_UPDATE=1").arg(path)));
    QCOMPARE(QString::fromUtf8(out), QString::fromUtf8(f.readAll()));
}

}  // namespace

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    // Pure summary
    void kindsUnitsAndPerson_data();
    void kindsUnitsAndPerson();
    void everyUnionListed();
    void itemLines();
    void inflationSupplementLine();
    void exemptionSwitch_data();
    void exemptionSwitch();
    void meetingLines_data();
    void meetingLines();
    void titles_data();
    void titles();
    // Pure allowance list
    void allowanceShare_data();
    void allowanceShare();
    void allowanceMonths();
    // Loaders on made months
    void madeMonthTotals_data();
    void madeMonthTotals();
    void personMarkedHStillCounted();
    void onePersonWithAUnit();
    void meetingTumuOnlyMeetingKinds();
    void allowanceFromMadeMonths_data();
    void allowanceFromMadeMonths();
    // Command line
    void cliGoldenAndPdf();
    void cliRefusals_data();
    void cliRefusals();

private:
    std::unique_ptr<Institution> refusals_;  // one database for every refused call
};

void TestSummary::kindsUnitsAndPerson_data()
{
    QTest::addColumn<SummaryMode>("mode");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("person");
    QTest::addColumn<QString>("aytut");
    QTest::addColumn<int>("count");
    QTest::newRow("monthly, TÜMÜ") << SummaryMode::Monthly << 0 << 0 << "3400.00" << 3;
    QTest::newRow("monthly, one unit") << SummaryMode::Monthly << 10 << 0 << "3000.00" << 2;
    // "Tek Kişi" with a unit selected: the person's row of that unit, not the whole unit.
    QTest::newRow("one person, unit selected") << SummaryMode::Monthly << 10 << 2 << "2000.00" << 1;
    QTest::newRow("one person, TÜMÜ") << SummaryMode::Monthly << 0 << 2 << "2400.00" << 2;
    QTest::newRow("difference") << SummaryMode::Difference << 0 << 0 << "30.00" << 1;
    QTest::newRow("inflation difference") << SummaryMode::Inflation << 10 << 0 << "7.00" << 1;
    // Meeting fees with TÜMÜ: the meeting kinds only, never the salaries; one pay record.
    QTest::newRow("meeting, TÜMÜ") << SummaryMode::Meeting << 0 << 0 << "350.00" << 1;
    QTest::newRow("meeting, a salary unit") << SummaryMode::Meeting << 10 << 0 << "0.00" << 0;
}

void TestSummary::kindsUnitsAndPerson()
{
    QFETCH(SummaryMode, mode);
    QFETCH(int, unit);
    QFETCH(int, person);
    QFETCH(QString, aytut);
    QFETCH(int, count);
    const Summary s = summarize(fixture(mode, unit, person));
    QCOMPARE(s.sum(col::AYTUT).toPlain(2), aytut);
    QCOMPARE(s.count, count);
    QCOMPARE(s.line(u("KAZANÇLAR TOPLAMI"))->toPlain(2), s.sum(col::GELTOP).toPlain(2));
}

void TestSummary::everyUnionListed()
{
    SummaryInput in;
    in.mode = SummaryMode::Monthly;
    Money dues;
    for (int code = 1; code <= 7; ++code) {
        in.unionNames[code] = QStringLiteral("SENDİKA %1").arg(code);
        in.rows.push_back(row(code, 10, 1, {{col::SEN1, "10.25"}, {col::KESTOP, "10.25"}}, code));
        dues += m("10.25");
    }
    // A second member of union 3; a member whose pay record is gone; a row without dues.
    in.rows.push_back(row(8, 10, 1, {{col::SEN1, "1.00"}, {col::KESTOP, "1.00"}}, 3));
    in.rows.push_back(row(9, 10, 1, {{col::SEN1, "2.00"}, {col::KESTOP, "2.00"}}));
    in.rows.push_back(row(10, 10, 1, {{col::AYTUT, "5.00"}}, 4));
    dues += m("3.00");
    const Summary s = summarize(in);
    QCOMPARE(s.unions.size(), std::size_t(8));
    QCOMPARE(s.unions.at(0).name, QStringLiteral("SENDİKA 1"));
    QCOMPARE(s.unions.at(6).name, QStringLiteral("SENDİKA 7"));
    QCOMPARE(s.line(QStringLiteral("SENDİKA 3"))->toPlain(2), QStringLiteral("11.25"));
    QCOMPARE(s.line(u("Diğer Sendika Kesintisi"))->toPlain(2), QStringLiteral("2.00"));
    Money listed;
    for (const UnionTotal &t : s.unions)
        listed += t.amount;
    QCOMPARE(listed, dues);
    QCOMPARE(*s.line(u("Toplam Sendika Kesintisi")), dues);
    QCOMPARE(itemizedDeductions(s), s.sum(col::KESTOP));
}

void TestSummary::inflationSupplementLine()
{
    // Kind 8 pays NET + the late-payment supplement: gross − deductions + supplement = net.
    SummaryInput in;
    in.mode = SummaryMode::Inflation;
    in.rows = {row(1, 10, 8,
                   {{col::AYTUT, "1100.00"}, {col::GELTOP, "1100.00"}, {col::GELVER, "100.00"}, {col::KESTOP, "100.00"},
                    {col::EKFARK, "50.00"}, {col::MAAS, "1050.00"}})};
    const Summary s = summarize(in);
    QCOMPARE(s.line(u("Geç Ödeme Farkı"))->toPlain(2), QStringLiteral("50.00"));
    QCOMPARE(*s.line(u("KAZANÇLAR TOPLAMI")) - *s.line(u("KESİNTİLER TOPLAMI")) + *s.line(u("Geç Ödeme Farkı")),
             *s.line(u("NET ÖDEME TOPLAMI")));
    // The other modes have no such line.
    in.mode = SummaryMode::Difference;
    in.rows[0].TUR = 2;
    QVERIFY(!summarize(in).line(u("Geç Ödeme Farkı")));
}

void TestSummary::itemLines()
{
    SummaryInput in;
    in.mode = SummaryMode::Monthly;
    in.earningItems = {{1, QStringLiteral("SOSYAL DENGE"), true}, {2, QStringLiteral("KULLANILMAYAN"), false},
                       {3, QStringLiteral("ESKİ KALEM"), false}};
    in.deductionItems = {{1, QStringLiteral("KOOPERATİF"), true}, {2, QStringLiteral("DERNEK"), true},
                         {3, QStringLiteral("ESKİ KESİNTİ"), false}};
    in.rows = {row(1, 10, 1,
                   {{col::KAZ3, "40.00"}, {col::KES2, "25.00"}, {col::KES3, "5.00"}, {col::PCEZA, "12.00"},
                    {col::KESTOP, "42.00"}})};
    const Summary s = summarize(in);
    const QStringList earnings = shownCaptions(s, LineGroup::Earnings);
    const QStringList deductions = shownCaptions(s, LineGroup::Deductions);
    // An item in use with nothing paid shows 0,00; an unused one is hidden; an item with an
    // amount is shown whatever its definition says now.
    QCOMPARE(s.line(QStringLiteral("SOSYAL DENGE"))->toPlain(2), QStringLiteral("0.00"));
    QVERIFY(!earnings.contains(QStringLiteral("KULLANILMAYAN")));
    QCOMPARE(s.line(u("ESKİ KALEM"))->toPlain(2), QStringLiteral("40.00"));
    // An active deduction with a zero total is hidden; one with an amount is shown even when inactive.
    QVERIFY(!deductions.contains(u("KOOPERATİF")));
    QCOMPARE(s.line(QStringLiteral("DERNEK"))->toPlain(2), QStringLiteral("25.00"));
    QCOMPARE(s.line(u("ESKİ KESİNTİ"))->toPlain(2), QStringLiteral("5.00"));
    QCOMPARE(s.line(u("Para Cezası"))->toPlain(2), QStringLiteral("12.00"));
    QCOMPARE(itemizedDeductions(s), s.sum(col::KESTOP));
    // The items stand in number order, the fine after the special deductions.
    QVERIFY(earnings.indexOf(QStringLiteral("SOSYAL DENGE")) < earnings.indexOf(u("ESKİ KALEM")));
    QVERIFY(deductions.indexOf(u("ESKİ KESİNTİ")) < deductions.indexOf(u("Para Cezası")));
}

void TestSummary::exemptionSwitch_data()
{
    QTest::addColumn<SummaryMode>("mode");
    QTest::addColumn<bool>("exempt");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("monthly, exemption applied") << SummaryMode::Monthly << true << "60.00" << "6.00";
    QTest::newRow("monthly, no exemption") << SummaryMode::Monthly << false << "100.00" << "10.00";
    QTest::newRow("difference always computed") << SummaryMode::Difference << true << "100.00" << "10.00";
}

void TestSummary::exemptionSwitch()
{
    QFETCH(SummaryMode, mode);
    QFETCH(bool, exempt);
    QFETCH(QString, income);
    QFETCH(QString, stamp);
    SummaryInput in;
    in.mode = mode;
    in.minimumWageExempt = exempt;
    const int kind = mode == SummaryMode::Monthly ? 1 : 2;
    in.rows = {row(1, 10, kind,
                   {{col::GELVER, "100.00"}, {col::DAMVER, "10.00"}, {col::GELVERKES, "60.00"}, {col::DAMVERKES, "6.00"}})};
    const Summary s = summarize(in);
    QCOMPARE(s.line(u("Gelir vergisi Tutarı"))->toPlain(2), income);
    QCOMPARE(s.line(u("Damga Vergisi Tutarı"))->toPlain(2), stamp);
}

void TestSummary::meetingLines_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("indicator");
    QTest::newRow("committee") << "E" << u("Oturum Ücreti") << "900.00" << "0.00";
    QTest::newRow("council") << "M" << u("Oturum Ücreti") << "900.00" << "0.00";
    QTest::newRow("acting mayor") << "V" << u("Aylık Tutar") << "900.00" << "70.00";
    QTest::newRow("acting civil servant") << "K" << u("Aylık Tutar") << "500.00" << "70.00";
    QTest::newRow("TÜMÜ") << "" << u("Aylık Tutar") << "500.00" << "70.00";
}

void TestSummary::meetingLines()
{
    QFETCH(QString, kind);
    QFETCH(QString, firstCaption);
    QFETCH(QString, first);
    QFETCH(QString, indicator);
    SummaryInput in;
    in.mode = SummaryMode::Meeting;
    in.unitKind = kind.isEmpty() ? QChar() : kind.at(0);
    in.rows = {row(1, 20, 4,
                   {{col::AYTUT, "500.00"}, {col::EGOSTUT, "70.00"}, {col::GELTOP, "900.00"}, {col::GELVER, "135.00"},
                    {col::DAMVER, "6.83"}, {col::KESTOP, "141.83"}, {col::MAAS, "758.17"}})};
    const Summary s = summarize(in);
    QCOMPARE(s.lines.front().caption, firstCaption);
    QCOMPARE(s.lines.front().amount.toPlain(2), first);
    QCOMPARE(s.line(u("Ek Gösterge Tutarı"))->toPlain(2), indicator);
    QCOMPARE(s.line(u("NET ÖDEME TOPLAMI"))->toPlain(2), QStringLiteral("758.17"));
    QCOMPARE(s.lines.size(), std::size_t(11));
}

void TestSummary::titles_data()
{
    QTest::addColumn<SummaryMode>("mode");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("salary") << SummaryMode::Monthly << "N" << u("ZERAN MAAŞ İCMALİ");
    QTest::newRow("TÜMÜ") << SummaryMode::Difference << "" << u("ZERAN MAAŞ İCMALİ");
    QTest::newRow("mayor") << SummaryMode::Monthly << "B" << u("BAŞKAN MAAŞ İCMALİ");
    QTest::newRow("council, full") << SummaryMode::Monthly << "O" << u("MECLİS OTURUM ÜCRETLERİ İCMALİ");
    QTest::newRow("committee, full") << SummaryMode::Monthly << "E" << u("ENCÜMEN OTURUM ÜCRETLERİ İCMALİ");
    QTest::newRow("acting staff") << SummaryMode::Meeting << "K" << u("ZERAN VEKALET İCMALİ");
    QTest::newRow("acting mayor") << SummaryMode::Meeting << "V" << u("BAŞKAN VEKALET İCMALİ");
    QTest::newRow("extraordinary council") << SummaryMode::Meeting << "O" << u("OLAĞANÜSTÜ MECLİS OTURUM ÜCRET İCMALİ");
    QTest::newRow("council") << SummaryMode::Meeting << "M" << u("MECLİS ÜCRETİ İCMALİ");
    QTest::newRow("committee") << SummaryMode::Meeting << "E" << u("ENCÜMEN ÜCRETİ İCMALİ");
    QTest::newRow("meeting, TÜMÜ") << SummaryMode::Meeting << "" << u("ZERAN MAAŞ İCMALİ");
}

void TestSummary::titles()
{
    QFETCH(SummaryMode, mode);
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QCOMPARE(printedTitle(mode, kind.isEmpty() ? QChar() : kind.at(0)), title);
}

void TestSummary::allowanceShare_data()
{
    QTest::addColumn<QString>("mhal");
    QTest::addColumn<QString>("esi");
    QTest::addColumn<int>("children");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("base");
    // Minimum wage 26.005,50; shares 50 / 50+10 / 7,5 for the first two children, then 10, 5, 5, 5.
    QTest::newRow("single") << "2" << "" << 0 << "50.0000" << "13002.75";
    QTest::newRow("married, spouse works") << "1" << "1" << 0 << "50.0000" << "13002.75";
    QTest::newRow("married, spouse does not work") << "1" << "2" << 0 << "60.0000" << "15603.30";
    QTest::newRow("married, spouse retired") << "1" << "3" << 0 << "60.0000" << "15603.30";
    QTest::newRow("divorced, one child") << "3" << "" << 1 << "57.5000" << "14953.16";
    QTest::newRow("single, two children") << "2" << "" << 2 << "65.0000" << "16903.58";
    // Three children are counted once: two at 7,5 and the third at its own share.
    QTest::newRow("three children") << "1" << "2" << 3 << "85.0000" << "22104.68";
    QTest::newRow("six children") << "1" << "2" << 6 << "100.0000" << "26005.50";
    QTest::newRow("more than six count as six") << "1" << "2" << 9 << "100.0000" << "26005.50";
    QTest::newRow("unknown status") << "" << "" << 1 << "7.5000" << "1950.41";
}

void TestSummary::allowanceShare()
{
    QFETCH(QString, mhal);
    QFETCH(QString, esi);
    QFETCH(int, children);
    QFETCH(QString, percent);
    QFETCH(QString, base);
    AllowanceRates r;
    r.ASUCR = m("26005.50");
    r.BEKOR = 50, r.EV1OR = 50, r.EV2OR = 10, r.COC1OR = 7.5, r.COC3OR = 10, r.COC4OR = 5, r.COC5OR = 5, r.COC6OR = 5;
    const AllowanceShare s = summary::allowanceShare(r, mhal, esi, children);
    QCOMPARE(s.percent.toPlain(4), percent);
    QCOMPARE(s.base.toPlain(2), base);
}

void TestSummary::allowanceMonths()
{
    AllowanceRates r;
    r.ASUCR = m("26005.50");
    r.BEKOR = 50;
    r.OR1 = 15;
    AllowanceSource a;
    a.PKAYNO = 7;
    a.ADSOY = QStringLiteral("AYŞE KAYA");
    a.VIADE = m("1950.41");
    a.MHAL = QStringLiteral("2");
    AllowanceSource b = a;
    b.PKAYNO = 8;
    b.VIADE = m("1000.00");
    MonthValues earlier{{{7, 1}, m("1900.00")}, {{7, 2}, m("1910.00")}, {{8, 1}, m("990.00")}, {{9, 2}, m("5.00")}};
    const AllowanceList list = allowanceList(QStringLiteral("2026"), 3, r, {a, b}, earlier);
    QCOMPARE(list.yearlyMinimumWage.toPlain(2), QStringLiteral("312066.00"));
    QCOMPARE(list.rows.size(), std::size_t(2));
    const AllowanceRow &first = list.rows.at(0);
    QCOMPARE(first.ORAN.toPlain(2), QStringLiteral("50.00"));
    QCOMPARE(first.ASGMAT.toPlain(2), QStringLiteral("156033.00"));
    // The monthly allowance of the base: 156.033,00 × 15 % ÷ 12.
    QCOMPARE(first.ASGTUT.toPlain(2), QStringLiteral("1950.41"));
    QCOMPARE(first.AY[0]->toPlain(2), QStringLiteral("1900.00"));
    QCOMPARE(first.AY[2]->toPlain(2), QStringLiteral("1950.41"));
    // "Mart": January to March only; a month without a row shows 0.
    for (int i = 3; i < 12; ++i)
        QVERIFY(!first.AY[std::size_t(i)]);
    QCOMPARE(list.rows.at(1).AY[1]->toPlain(2), QStringLiteral("0.00"));
    QCOMPARE(list.totalAY[0]->toPlain(2), QStringLiteral("2890.00"));
    QCOMPARE(list.totalAY[1]->toPlain(2), QStringLiteral("1910.00"));
    QCOMPARE(list.totalAY[2]->toPlain(2), QStringLiteral("2950.41"));
    QVERIFY(!list.totalAY[3]);
    QCOMPARE(list.totalASGMAT.toPlain(2), QStringLiteral("312066.00"));

    const QJsonObject json = allowanceJson(list);
    const QJsonObject row0 = json.value(QStringLiteral("rows")).toArray().at(0).toObject();
    QCOMPARE(row0.value(QStringLiteral("AY3")).toString(), QStringLiteral("1950.41"));
    QVERIFY(row0.value(QStringLiteral("AY4")).isNull());
    QCOMPARE(row0.value(QStringLiteral("ORAN")).toDouble(), 50.0);
}

void TestSummary::madeMonthTotals_data()
{
    QTest::addColumn<test::Mode>("mode");
    QTest::newRow("embedded") << test::Mode::Embedded;
    QTest::newRow("server") << test::Mode::Server;
}

void TestSummary::madeMonthTotals()
{
    QFETCH(test::Mode, mode);
    Institution inst(mode);
    test::makeMonths(inst.db, 3);
    const Summary all = summarize(inst.input(SummaryMode::Monthly, 3));
    // Every column agrees with the month's exact totals of the stored rows.
    const results::MonthTotals t = results::alttoplam(inst.db, QStringLiteral("2026"), 3, std::nullopt);
    QVERIFY(t.rows > 0);
    QCOMPARE(all.count, t.rows);
    for (int c = 0; c < col::Count; ++c) {
        const QString name = QLatin1String(columnNames()[std::size_t(c)]);
        if (results::totalColumns().contains(name))
            QCOMPARE(all.sum(c).toPlain(4) + name, t[name].toPlain(4) + name);
    }
    // Gross − deductions + allowance = the computed pay; the net is that less the held-back amount.
    const Money gross = *all.line(u("KAZANÇLAR TOPLAMI"));
    const Money deductions = *all.line(u("KESİNTİLER TOPLAMI"));
    const Money allowance = *all.line(u("Asgari Geçim İndirimi"));
    QVERIFY(!allowance.isZero());
    QCOMPARE(gross - deductions + allowance, *all.line(u("Hesaplanan Maaş")));
    QCOMPARE(*all.line(u("NET ÖDEME TOPLAMI")), all.sum(col::MAAS) - all.sum(col::ACIKKES));
    QCOMPARE(itemizedDeductions(all), deductions);
    QVERIFY(!all.unions.empty());

    // The units' summaries add up to TÜMÜ.
    Money units;
    int people = 0;
    for (const UnitChoice &c : summaryUnits(inst.db, SummaryMode::Monthly)) {
        const Summary one = summarize(inst.input(SummaryMode::Monthly, 3, c.BKOD));
        units += one.sum(col::MAAS);
        people += one.count;
    }
    QCOMPARE(units, all.sum(col::MAAS));
    QCOMPARE(people, all.count);
    QVERIFY(all.rates.found);
    QVERIFY(all.rates.KATSAYI > 0);
}

void TestSummary::personMarkedHStillCounted()
{
    Institution inst;
    test::makeMonths(inst.db, 3, 3);
    const int unit = inst.someSalaryUnitWithUnions();
    const Summary before = summarize(inst.input(SummaryMode::Monthly, 3, unit));
    // A member of a union stops being paid after the payroll was made.
    QSqlQuery q = inst.db.exec(
        QStringLiteral("SELECT FIRST 1 PKAYNO,PKOD FROM ZERMAAS WHERE TUR='1' AND YIL='2026' AND AY=3 AND BKOD=:B AND SEN1>0"),
        {{QStringLiteral("B"), unit}});
    QVERIFY(q.next());
    inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET DURUM='H' WHERE PKAYNO=:P AND BKOD=:B AND PKOD=:K"),
                 {{QStringLiteral("P"), q.value(0)}, {QStringLiteral("B"), unit}, {QStringLiteral("K"), q.value(1)}});
    const Summary after = summarize(inst.input(SummaryMode::Monthly, 3, unit));
    QCOMPARE(after.count, before.count);
    QCOMPARE(after.sums, before.sums);
    QCOMPARE(after.unions.size(), before.unions.size());
    for (std::size_t i = 0; i < after.unions.size(); ++i)
        QCOMPARE(after.unions[i].amount, before.unions[i].amount);
}

void TestSummary::onePersonWithAUnit()
{
    Institution inst;
    test::makeMonths(inst.db, 3, 3);
    const std::vector<results::ResultRow> rows =
        results::readResults(inst.db, {QStringLiteral("2026"), 3, results::PayrollKind::Monthly});
    QVERIFY(rows.size() > 2);
    const results::ResultRow &r = rows.at(1);
    const Summary one = summarize(inst.input(SummaryMode::Monthly, 3, r.key.BKOD, r.key.PKAYNO));
    QCOMPARE(one.count, 1);
    QCOMPARE(one.sum(col::AYTUT), r.AYTUT);
    QCOMPARE(one.sum(col::MAAS), r.MAAS);
    QCOMPARE(*one.line(u("Gelir vergisi Tutarı")) == r.GELVER || *one.line(u("Gelir vergisi Tutarı")) == r.GELVERKES,
             true);
}

void TestSummary::meetingTumuOnlyMeetingKinds()
{
    Institution inst;
    test::makeMonths(inst.db, 3, 3);
    const int committee = inst.db.scalar(QStringLiteral("SELECT BKOD FROM BIRIM WHERE TUR='M' AND MTUR='E'")).toInt();
    results::ResultRow fee;
    fee.key = {901, committee, 1, results::PayrollKind::Committee, QStringLiteral("2026"), 3};
    fee.AYTUT = fee.GELTOP = m("1200.00");
    fee.GELVER = m("180.00");
    fee.DAMVER = m("9.11");
    fee.KESTOP = m("189.11");
    fee.MAAS = m("1010.89");
    results::insertResultRow(inst.db, fee);
    const Summary monthlyBefore = summarize(inst.input(SummaryMode::Monthly, 3));

    const Summary all = summarize(inst.input(SummaryMode::Meeting, 3));
    QCOMPARE(all.count, 1);
    QCOMPARE(*all.line(u("Aylık Tutar")), m("1200.00"));
    QCOMPARE(*all.line(u("NET ÖDEME TOPLAMI")), m("1010.89"));
    const Summary unit = summarize(inst.input(SummaryMode::Meeting, 3, committee));
    QCOMPARE(*unit.line(u("Oturum Ücreti")), m("1200.00"));
    // The salaries of the month are not touched by the fee row.
    QCOMPARE(summarize(inst.input(SummaryMode::Monthly, 3)).sums, monthlyBefore.sums);
    QVERIFY(monthlyBefore.sum(col::AYTUT) > m("1200.00"));
    // The meeting mode offers the other units, the monthly mode the salary units.
    bool offered = false;
    for (const UnitChoice &c : summaryUnits(inst.db, SummaryMode::Meeting)) {
        QVERIFY(c.MTUR != QLatin1Char('N'));
        offered = offered || c.BKOD == committee;
    }
    QVERIFY(offered);
    for (const UnitChoice &c : summaryUnits(inst.db, SummaryMode::Monthly))
        QCOMPARE(c.MTUR, QLatin1Char('N'));
}

void TestSummary::allowanceFromMadeMonths_data()
{
    QTest::addColumn<test::Mode>("mode");
    QTest::newRow("embedded") << test::Mode::Embedded;
    QTest::newRow("server") << test::Mode::Server;
}

void TestSummary::allowanceFromMadeMonths()
{
    QFETCH(test::Mode, mode);
    Institution inst(mode);
    // January and March made, February not.
    test::makeMonths(inst.db, 1);
    test::makeMonths(inst.db, 3, 3);
    const std::vector<results::ResultRow> january =
        results::readResults(inst.db, {QStringLiteral("2026"), 1, results::PayrollKind::Monthly});
    const std::vector<results::ResultRow> march =
        results::readResults(inst.db, {QStringLiteral("2026"), 3, results::PayrollKind::Monthly});
    // A difference row in January must not take the place of the salary row.
    const results::ResultRow *paid = nullptr;
    for (const results::ResultRow &r : january)
        if (r.VIADE > Money() && !paid)
            paid = &r;
    QVERIFY(paid);
    results::ResultRow difference;
    difference.key = paid->key;
    difference.key.TUR = results::PayrollKind::Difference;
    difference.VIADE = m("3.00");
    results::insertResultRow(inst.db, difference);

    const AllowanceList list = loadAllowanceList(inst.db, QStringLiteral("2026"), 3, 0);
    int expected = 0;
    for (const results::ResultRow &r : march)
        expected += r.VIADE > Money() ? 1 : 0;
    QCOMPARE(int(list.rows.size()), expected);
    QVERIFY(expected > 0);
    for (const AllowanceRow &row : list.rows) {
        const results::ResultRow *stored = nullptr;
        for (const results::ResultRow &r : march)
            if (r.key.PKAYNO == row.source.PKAYNO && r.key.BKOD == row.source.BKOD && r.key.PKOD == row.source.PKOD)
                stored = &r;
        QVERIFY(stored);
        // The base is the one the monthly payroll computed from the same family situation.
        QCOMPARE(row.ASGMAT.toPlain(2) + row.source.ADSOY, stored->AGIMAT.mul(12).toPlain(2) + row.source.ADSOY);
        QCOMPARE(*row.AY[2], stored->VIADE);
        QCOMPARE(*row.AY[1], Money());
        Money jan;
        for (const results::ResultRow &r : january)
            if (r.key.PKAYNO == row.source.PKAYNO)
                jan += r.VIADE;
        QCOMPARE(*row.AY[0], jan);
        QVERIFY(!row.AY[3]);
        QVERIFY(!row.source.ADSOY.isEmpty());
    }
    // The rates are the 2026 first half-year's.
    QVERIFY(list.yearlyMinimumWage > Money());

    // One unit: its rows only, and the unit list offers the units that paid the allowance.
    const std::vector<UnitChoice> units = allowanceUnits(inst.db, QStringLiteral("2026"));
    QVERIFY(!units.empty());
    const AllowanceList one = loadAllowanceList(inst.db, QStringLiteral("2026"), 3, units.front().BKOD);
    QVERIFY(!one.rows.empty());
    for (const AllowanceRow &r : one.rows)
        QCOMPARE(r.source.BKOD, units.front().BKOD);
}

void TestSummary::cliGoldenAndPdf()
{
    Institution inst;
    test::makeMonths(inst.db, 3);
    const int unit = inst.someSalaryUnitWithUnions();
    const QString dir = inst.fresh.dir.path();
    inst.db.close();
    const QStringList today{QStringLiteral("--today"), QStringLiteral("2026-03-20")};

    test::CliRun run = test::runCli(QStringList{QStringLiteral("summary"), dir, QStringLiteral("--mode"),
                                                QStringLiteral("monthly"), QStringLiteral("--json")} + today);
    QCOMPARE(run.code, 0);
    compareGolden(QStringLiteral("summary-monthly-march.json"), run.outBytes);
    const QJsonObject all = QJsonDocument::fromJson(run.outBytes).object();
    QVERIFY(all.value(QStringLiteral("count")).toInt() > 0);

    run = test::runCli(QStringList{QStringLiteral("summary"), dir, QStringLiteral("--mode"), QStringLiteral("monthly"),
                                   QStringLiteral("--unit"), QString::number(unit), QStringLiteral("--json")} +
                       today);
    QCOMPARE(run.code, 0);
    compareGolden(QStringLiteral("summary-monthly-unit.json"), run.outBytes);

    run = test::runCli(QStringList{QStringLiteral("agi-list"), dir, QStringLiteral("--month"), QStringLiteral("3"),
                                   QStringLiteral("--json")} + today);
    QCOMPARE(run.code, 0);
    compareGolden(QStringLiteral("agi-list-march.json"), run.outBytes);

    QTemporaryDir out;
    const QString summaryPdf = out.filePath(QStringLiteral("icmal.pdf"));
    run = test::runCli(QStringList{QStringLiteral("summary"), dir, QStringLiteral("--mode"), QStringLiteral("monthly"),
                                   QStringLiteral("--pdf"), summaryPdf} + today);
    QCOMPARE(run.code, 0);
    const QStringList pages = test::pdfPages(summaryPdf);
    QCOMPARE(pages.size(), 1);
    const QString page = test::simplified(pages.at(0));
    for (const QString &text : {u("ZERAN MAAŞ İCMALİ"), u("KAZANÇLAR KESİNTİLER"), u("MART 2026"),
                                u("AİT OLDUĞU AY"), u("KAZANÇLAR TOPLAMI"), u("Personel Sayısı"), u("Para Cezası"),
                                u("Harcama Yetkilisi")})
        QVERIFY2(page.contains(text), qPrintable(text));
    QString net;
    for (const QJsonValue &l : all.value(QStringLiteral("lines")).toArray())
        if (l.toObject().value(QStringLiteral("caption")).toString() == u("NET ÖDEME TOPLAMI"))
            net = l.toObject().value(QStringLiteral("amount")).toString();
    QVERIFY(!net.isEmpty());
    QCOMPARE(test::wordsAfter(pages.at(0), u("NET ÖDEME TOPLAMI")).value(0), Money::parsePlain(net)->toText());

    const QString formPdf = out.filePath(QStringLiteral("agi.pdf"));
    run = test::runCli(QStringList{QStringLiteral("agi-list"), dir, QStringLiteral("--month"), QStringLiteral("3"),
                                   QStringLiteral("--pdf"), formPdf} + today);
    QCOMPARE(run.code, 0);
    const QString form = test::simplified(test::pdfPages(formPdf).join(QLatin1Char('\n')));
    for (const QString &text : {u("ASGARİ GEÇİM İNDİRİMİNE AİT BORDRO"), u("EK: 2"), u("TOPLAMLAR"),
                                u("SAYFA NO"), u("YTL (*)"), u("Her yıl için ayrı bordro düzenlenecektir."),
                                u("YARARLANILAN ASGARİ GEÇİM İNDİRİMİ TUTARI"), u("ARALIK")})
        QVERIFY2(form.contains(text), qPrintable(text));
}

void TestSummary::cliRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown mode") << QStringList{QStringLiteral("summary"), QStringLiteral("--mode"), QStringLiteral("yearly"),
                                                 QStringLiteral("--json")};
    QTest::newRow("neither json nor pdf") << QStringList{QStringLiteral("summary"), QStringLiteral("--mode"),
                                                         QStringLiteral("monthly")};
    QTest::newRow("person outside the monthly mode")
        << QStringList{QStringLiteral("summary"), QStringLiteral("--mode"), QStringLiteral("meeting"),
                       QStringLiteral("--person"), QStringLiteral("3"), QStringLiteral("--json")};
    QTest::newRow("no such unit") << QStringList{QStringLiteral("summary"), QStringLiteral("--mode"),
                                                 QStringLiteral("monthly"), QStringLiteral("--unit"),
                                                 QStringLiteral("999"), QStringLiteral("--json")};
    QTest::newRow("month 13") << QStringList{QStringLiteral("agi-list"), QStringLiteral("--month"), QStringLiteral("13"),
                                             QStringLiteral("--json")};
    QTest::newRow("no month") << QStringList{QStringLiteral("agi-list"), QStringLiteral("--json")};
}

void TestSummary::cliRefusals()
{
    QFETCH(QStringList, args);
    if (!refusals_) {
        refusals_ = std::make_unique<Institution>();
        refusals_->db.close();
    }
    QStringList full = args;
    full.insert(1, refusals_->fresh.dir.path());
    full << QStringLiteral("--today") << QStringLiteral("2026-03-20");
    const test::CliRun run = test::runCli(full);
    QCOMPARE(run.code, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestSummary)
#include "tst_summary.moc"
