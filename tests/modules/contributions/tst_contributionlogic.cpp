// The declaration files, the service period, the yearly summary's rows and carry lines and the
// voucher's figures, from plain rows and without a database.

#include "contributionfile.h"
#include "ledger.h"
#include "output.h"
#include "pdftext.h"
#include "summarydocument.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::contributions;

namespace {

Money m(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

QByteArray golden(const QString &name)
{
    QFile f(QStringLiteral(ZERAN_CONTRIBUTIONS_GOLDEN "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

FileInput goldenInput(const QString &name)
{
    QString error;
    const auto in = parseFileInput(golden(name), &error);
    if (!in)
        qFatal("%s: %s", qPrintable(name), qPrintable(error));
    return *in;
}

ResultRow result(int pkayno, int bkod, int pkod, const char *tur, const char *emkesm)
{
    ResultRow r;
    r.PKAYNO = pkayno;
    r.BKOD = bkod;
    r.PKOD = pkod;
    r.TUR = QString::fromLatin1(tur);
    r.YIL = QStringLiteral("2026");
    r.AY = 3;
    r.EMKESM = m(emkesm);
    return r;
}

SnapshotRow snapshot(int pkayno, int bkod, int pkod, const char *tur, const char *gsstur)
{
    SnapshotRow a;
    a.PKAYNO = pkayno;
    a.BKOD = bkod;
    a.PKOD = pkod;
    a.TUR = QString::fromLatin1(tur);
    a.YIL = QStringLiteral("2026");
    a.AY = 3;
    a.GSSTUR = QString::fromLatin1(gsstur);
    return a;
}

LedgerRow entry(int pkayno, int bkod, int ay, const char *zer, const char *dev, const char *artis, const char *borc)
{
    LedgerRow r;
    r.PKAYNO = pkayno;
    r.BKOD = bkod;
    r.YIL = QStringLiteral("2026");
    r.AY = ay;
    r.ZER = m(zer);
    r.DEV = m(dev);
    r.ARTIS = m(artis);
    r.BORC = m(borc);
    return r;
}

/// The words of the first line that starts with `caption` (blanks before it ignored).
QStringList lineAfter(const QString &page, const char *caption)
{
    const QString c = QString::fromUtf8(caption);
    for (const QString &line : page.split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(c))
            return line.trimmed().mid(c.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {};
}

}  // namespace

class TestContributionLogic : public QObject {
    Q_OBJECT

private slots:
    // Both files against the worked lines: a two-unit person once, empty promotion date,
    // "0000" for empty additional indicators, blanks for an empty entry date, the amount
    // texts, the minimum-wage floor and the halving of a suspended person.
    void filesMatchTheirGoldenLines_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("retirement fund, by TCKNO") << "fund.json" << "fund.txt";
        QTest::newRow("5510, by EMSNO") << "law5510.json" << "law5510.txt";
    }
    void filesMatchTheirGoldenLines()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const FileOutcome out = buildFile(goldenInput(input));
        QVERIFY2(out.ok, qPrintable(out.message));
        QCOMPARE(out.bytes, golden(expected));
    }

    void orderFollowsTheChosenNumber()
    {
        FileInput in = goldenInput(QStringLiteral("fund.json"));
        const auto names = [&in] {
            QStringList pk;
            for (const ContributionLine &l : selectLines(in))
                pk << QString::number(l.PKAYNO);
            return pk.join(QLatin1Char(','));
        };
        in.order = Order::Tckno;
        QCOMPARE(names(), QStringLiteral("2,1,3"));
        in.order = Order::Emsno;  // "12 345 678" < "2 0001" < "300"
        QCOMPARE(names(), QStringLiteral("1,2,3"));
    }

    void selectionJoinsTheWholeKeyAndSumsOnce_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("regime");
        QTest::addColumn<QString>("expected");  // PKAYNO=EMKESM per line
        QTest::newRow("salary, fund: two units summed once, the 5510 half left out")
            << int(PayrollChoice::Salary) << "E" << "1=300.0000;3=5.0000";
        QTest::newRow("salary, 5510: only the unit whose snapshot is 5510")
            << int(PayrollChoice::Salary) << "5" << "1=1000.0000";
        QTest::newRow("difference") << int(PayrollChoice::Difference) << "E" << "1=7.0000";
        QTest::newRow("inflation") << int(PayrollChoice::Inflation) << "E" << "1=11.0000";
        QTest::newRow("difference total: kinds 2 and 8") << int(PayrollChoice::DifferenceTotal) << "E" << "1=18.0000";
    }
    void selectionJoinsTheWholeKeyAndSumsOnce()
    {
        QFETCH(int, choice);
        QFETCH(QString, regime);
        QFETCH(QString, expected);
        FileInput in;
        in.regime = *regimeFromCode(regime);
        in.payroll = PayrollChoice(choice);
        in.year = QStringLiteral("2026");
        in.month = 3;
        in.sicil = {{1, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("B"), {}},
                    {3, QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("C"), QStringLiteral("D"), {}}};
        // Person 1: units 1 and 2 of the fund, unit 3 under 5510; kinds 2 and 8 in unit 1.
        in.zermaas = {result(1, 1, 1, "1", "100"), result(1, 2, 4, "1", "200"), result(1, 3, 1, "1", "1000"),
                      result(1, 1, 1, "2", "7"),   result(1, 1, 1, "8", "11"),  result(3, 1, 2, "1", "5"),
                      result(9, 1, 9, "1", "50")};  // no snapshot: not listed
        in.zerarsiv = {snapshot(1, 1, 1, "1", "E"), snapshot(1, 2, 4, "1", "E"), snapshot(1, 3, 1, "1", "5"),
                       snapshot(1, 1, 1, "2", "E"), snapshot(1, 1, 1, "8", "E"), snapshot(3, 1, 2, "1", "E"),
                       // a snapshot of another pay record of person 3 must not double his row
                       snapshot(3, 2, 7, "1", "E")};
        QStringList got;
        for (const ContributionLine &l : selectLines(in))
            got << QStringLiteral("%1=%2").arg(l.PKAYNO).arg(l.EMKESM.toPlain(4));
        QCOMPARE(got.join(QLatin1Char(';')), expected);
    }

    void servicePeriodFollowsTheWorkedExamples_data()
    {
        QTest::addColumn<QDate>("entry");
        QTest::addColumn<QString>("expected");  // "-": refused
        QTest::newRow("01.03.2010 → 09.10.1916") << QDate(2010, 3, 1) << "161009";
        QTest::newRow("10.12.2016 → 29.12.1909, month 12") << QDate(2016, 12, 10) << "100129";
        QTest::newRow("15 days → 14.01.1900") << QDate(2026, 11, 24) << "000114";
        QTest::newRow("two days → 01.01.1900") << QDate(2026, 12, 7) << "000101";
        QTest::newRow("empty entry date: six blanks") << QDate() << "      ";
        QTest::newRow("yesterday") << QDate(2026, 12, 8) << "-";
        QTest::newRow("today") << QDate(2026, 12, 9) << "-";
        QTest::newRow("future") << QDate(2027, 1, 1) << "-";
    }
    void servicePeriodFollowsTheWorkedExamples()
    {
        QFETCH(QDate, entry);
        QFETCH(QString, expected);
        const auto p = servicePeriod(entry, QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        QCOMPARE(p.value_or(QStringLiteral("-")), expected);
    }

    void servicePeriodDisplay()
    {
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
        QCOMPARE(contributions::servicePeriodDisplay(QDate(2010, 3, 1), now), QStringLiteral("16.10.09"));
        QCOMPARE(contributions::servicePeriodDisplay(QDate(), now), QString());
        QCOMPARE(contributions::servicePeriodDisplay(QDate(2026, 12, 9), now), QString());
    }

    void aRecentEntryDateStopsTheFileNamingThePerson()
    {
        FileInput in = goldenInput(QStringLiteral("law5510.json"));
        in.sicil[1].KGT = QDate(2026, 12, 8);
        const FileOutcome out = buildFile(in);
        QVERIFY(!out.ok);
        QVERIFY(out.bytes.isEmpty());
        QVERIFY2(out.message.contains(QStringLiteral("OĞUZ IŞIK")) && out.message.contains(QStringLiteral("10000000000")),
                 qPrintable(out.message));
    }

    void aLetterOutsideTheCodePageStopsTheFile()
    {
        FileInput in = goldenInput(QStringLiteral("fund.json"));
        in.sicil[0].ADI = QStringLiteral("ŁUCJA");
        const FileOutcome out = buildFile(in);
        QVERIFY(!out.ok);
        QVERIFY(out.bytes.isEmpty());
        QVERIFY2(out.message.contains(QStringLiteral("12345678901")), qPrintable(out.message));
    }

    void anEmptySelectionIsAnEmptyFile()
    {
        FileInput in = goldenInput(QStringLiteral("fund.json"));
        in.month = 1;
        const FileOutcome out = buildFile(in);
        QVERIFY(out.ok);
        QCOMPARE(out.bytes, QByteArray());
        QCOMPARE(out.lines, 0);
    }

    void amountTexts_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("fund");
        QTest::addColumn<QString>("law");
        QTest::newRow("one decimal") << "1234.5" << "1234.5" << "1234.5";
        QTest::newRow("two decimals") << "1234.56" << "1234.56" << "1234.56";
        QTest::newRow("whole") << "1234" << "1234" << "1234";
        QTest::newRow("zero") << "0" << "0.0" << "0.00";
        QTest::newRow("negative") << "-3.5" << "0.0" << "0.00";
        QTest::newRow("half a kuruş rounds away from zero") << "12.345" << "12.35" << "12.35";
        QTest::newRow("four decimals, under half a kuruş") << "0.0049" << "0" << "0";
    }
    void amountTexts()
    {
        QFETCH(QString, amount);
        QFETCH(QString, fund);
        QFETCH(QString, law);
        const Money a = *Money::parsePlain(amount);
        QCOMPARE(fileAmount(a, QStringLiteral("0.0")), fund);
        QCOMPARE(fileAmount(a, QStringLiteral("0.00")), law);
    }

    void law5510FloorAndHalving_data()
    {
        QTest::addColumn<QString>("durum");
        QTest::addColumn<QString>("gssmat");
        QTest::addColumn<QString>("ozhiztaz");
        QTest::addColumn<QString>("G");
        QTest::addColumn<QString>("S");
        QTest::newRow("no base: the minimum wage") << "E" << "0" << "0" << "20002.5000" << "0.0000";
        QTest::newRow("under the minimum wage") << "E" << "20002.49" << "10" << "20002.5000" << "10.0000";
        QTest::newRow("at the minimum wage") << "E" << "20002.50" << "10" << "20002.5000" << "10.0000";
        QTest::newRow("above") << "E" << "30000.01" << "10" << "30000.0100" << "10.0000";
        QTest::newRow("suspended, no base: half the minimum wage") << "A" << "0" << "0" << "10001.2500" << "0.0000";
        QTest::newRow("suspended: ties to even at four decimals (up)") << "A" << "30000.0003" << "0.0003"
                                                                        << "15000.0002" << "0.0002";
        QTest::newRow("suspended: ties to even at four decimals (down)") << "A" << "30000.0001" << "0.0001"
                                                                          << "15000.0000" << "0.0000";
    }
    void law5510FloorAndHalving()
    {
        QFETCH(QString, durum);
        QFETCH(QString, gssmat);
        QFETCH(QString, ozhiztaz);
        QFETCH(QString, G);
        QFETCH(QString, S);
        ContributionLine l;
        l.DURUM = durum;
        l.GSSMAT = *Money::parsePlain(gssmat);
        l.OZHIZTAZ = *Money::parsePlain(ozhiztaz);
        l.AYTUT = m("1000.01");
        const Law5510Amounts a = law5510Amounts(l, m("20002.50"));
        QCOMPARE(a.G.toPlain(4), G);
        QCOMPARE(a.S.toPlain(4), S);
        QCOMPARE(a.P.toPlain(4), durum == QLatin1String("A") ? QStringLiteral("500.0050") : QStringLiteral("1000.0100"));
    }

    void fileNamesAreOnePerKind()
    {
        QSet<QString> seen;
        for (Regime r : {Regime::RetirementFund, Regime::Law5510})
            for (PayrollChoice c : {PayrollChoice::Salary, PayrollChoice::Difference, PayrollChoice::Inflation,
                                    PayrollChoice::DifferenceTotal})
                seen.insert(fileName(QStringLiteral("2024"), 1, r, c));
        QCOMPARE(seen.size(), 8);
        QCOMPARE(fileName(QStringLiteral("2024"), 1, Regime::RetirementFund, PayrollChoice::Salary),
                 QStringLiteral("2024Ocak_Emekli.TXT"));
        QCOMPARE(fileName(QStringLiteral("2024"), 2, Regime::RetirementFund, PayrollChoice::Difference),
                 QStringLiteral("2024Şubat_Emekli_fark.TXT"));
        QCOMPARE(fileName(QStringLiteral("2024"), 8, Regime::Law5510, PayrollChoice::Inflation),
                 QStringLiteral("2024Ağustos_5510_efark.TXT"));
        QCOMPARE(fileName(QStringLiteral("2024"), 12, Regime::Law5510, PayrollChoice::Salary),
                 QStringLiteral("2024Aralık_5510.TXT"));
        QCOMPARE(auditText(QStringLiteral("2024"), 3, Regime::Law5510),
                 QStringLiteral("YIL:2024 AY:3 SİGORTA TÜRÜ:5510 S.Kanun"));
    }

    void badJsonIsRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not an object") << QByteArray("[1]");
        QTest::newRow("unknown file kind") << QByteArray(R"({"file":"X","payroll_kind":"1","year":"2026","month":1,"now":"2026-01-20"})");
        QTest::newRow("unknown payroll kind") << QByteArray(R"({"file":"E","payroll_kind":"3","year":"2026","month":1,"now":"2026-01-20"})");
        QTest::newRow("month 13") << QByteArray(R"({"file":"E","payroll_kind":"1","year":"2026","month":13,"now":"2026-01-20"})");
        QTest::newRow("amount as a number") << QByteArray(
            R"({"file":"E","payroll_kind":"1","year":"2026","month":1,"now":"2026-01-20","zermaas":[{"PKAYNO":1,"BKOD":1,"PKOD":1,"TUR":"1","YIL":"2026","AY":1,"EMKESM":12.5}]})");
        QTest::newRow("amount with a comma") << QByteArray(
            R"({"file":"E","payroll_kind":"1","year":"2026","month":1,"now":"2026-01-20","min_wage":"1,5"})");
        QTest::newRow("bad entry date") << QByteArray(
            R"({"file":"E","payroll_kind":"1","year":"2026","month":1,"now":"2026-01-20","sicil":[{"PKAYNO":1,"KGT":"01.03.2010"}]})");
    }
    void badJsonIsRefused()
    {
        QFETCH(QByteArray, json);
        QString error;
        QVERIFY(!parseFileInput(json, &error));
        QVERIFY(!error.isEmpty());
    }

    // ---- ledger and prints ---------------------------------------------------------------

    void ledgerRowsAreChecked_data()
    {
        QTest::addColumn<int>("bkod");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a new month") << 1 << 4 << true;
        QTest::newRow("month 0") << 1 << 0 << false;
        QTest::newRow("month 13") << 1 << 13 << false;
        QTest::newRow("the same month twice") << 1 << 3 << false;
        QTest::newRow("the same month in another unit") << 2 << 3 << true;
    }
    void ledgerRowsAreChecked()
    {
        QFETCH(int, bkod);
        QFETCH(int, month);
        QFETCH(bool, accepted);
        const std::vector<LedgerRow> others{entry(7, 1, 3, "1", "1", "0", "0")};
        QCOMPARE(ledgerRowProblem(entry(7, bkod, month, "1", "1", "0", "0"), others).isEmpty(), accepted);
    }

    void summaryRowSumsAMonthAndCutsTexts()
    {
        SummaryPerson p;
        p.PKAYNO = 7;
        p.ADI = QStringLiteral("ABDURRAHMAN ŞEREFETTİN");
        p.SOYADI = QStringLiteral("KISA");
        p.UNVAN = QStringLiteral("BİLGİSAYAR İŞLETMENİ");
        p.MDER = QStringLiteral("1");
        p.MKAD = QStringLiteral("4");
        p.EGOS = QStringLiteral("3600");
        p.IHGUN = QStringLiteral("12");
        LedgerRow withCorrections = entry(7, 2, 3, "50", "60", "5", "1");
        withCorrections.ITAS = m("999");
        withCorrections.CEZA = m("888");
        const std::vector<LedgerRow> rows{entry(7, 1, 3, "100", "125", "10", "20"), withCorrections,
                                          entry(7, 1, 5, "200", "250", "0", "0"), entry(8, 1, 3, "1", "1", "1", "1")};
        const SummaryRow r = summaryRow(4, p, rows);
        QCOMPARE(r.SIR, 4);
        QCOMPARE(r.AD, QStringLiteral("ABDURRAHMAN ŞER"));
        QCOMPARE(r.GOR, QStringLiteral("BİLGİSAYAR İŞLE"));
        QCOMPARE(r.DKEG, QStringLiteral("1/4 - 3600"));
        QCOMPARE(r.EMAY, QStringLiteral("12"));
        // March: both units' rows (employee 100+10 + 50+5, institution 125+10 + 60+5, debt 21).
        QCOMPARE(r.MAY[2], std::optional<Money>(m("165")));
        QCOMPARE(r.KAY[2], std::optional<Money>(m("200")));
        QCOMPARE(r.HAY[2], std::optional<Money>(m("21")));
        QVERIFY(!r.MAY[0].has_value());
        QCOMPARE(r.sumMAY(), m("365"));
        QCOMPARE(r.sumKAY(), m("450"));
        QCOMPARE(r.sumHAY(), m("21"));
        // Someone without ledger rows: empty months, zero totals.
        const SummaryRow none = summaryRow(1, SummaryPerson{}, {});
        QCOMPARE(none.sumMAY() + none.sumKAY() + none.sumHAY(), Money());
    }

    void carryLinesRunOverThePages()
    {
        std::vector<SummaryRow> rows;
        Money grand;
        for (int i = 1; i <= 11; ++i) {
            SummaryPerson p;
            p.PKAYNO = i;
            const std::vector<LedgerRow> e{entry(i, 1, 1, "10", "12", "1", "0"), entry(i, 1, 12, "20", "25", "0", "2")};
            rows.push_back(summaryRow(i, p, e));
            grand += rows.back().sumMAY() + rows.back().sumKAY() + rows.back().sumHAY();
        }
        const auto pages = summaryPages(rows, 5);
        QCOMPARE(pages.size(), std::size_t(3));
        QCOMPARE(pages[0].carriedInTotal, Money());
        for (const Money &v : pages[0].carriedIn)
            QCOMPARE(v, Money());
        QCOMPARE(pages[1].carriedIn, pages[0].carriedOut);
        QCOMPARE(pages[2].carriedIn, pages[1].carriedOut);
        QCOMPARE(pages[0].carriedOut[0], m("5").mul(24));    // five people × (11 + 13)
        QCOMPARE(pages[0].carriedOut[11], m("5").mul(47));   // five people × (20 + 25 + 2)
        QCOMPARE(pages[2].count, std::size_t(1));
        QCOMPARE(pages.back().carriedOutTotal, grand);
        QCOMPARE(summaryPages({}, 5).size(), std::size_t(1));
    }

    void summaryPdfCarriesTheLines()
    {
        std::vector<SummaryRow> rows;
        for (int i = 1; i <= 6; ++i) {
            SummaryPerson p;
            p.PKAYNO = i;
            p.EMSNO = QStringLiteral("E%1").arg(i);
            p.ADI = QStringLiteral("KİŞİ%1").arg(i);
            rows.push_back(summaryRow(i, p, {entry(i, 1, 2, "1000", "1250", "100", "10")}));
        }
        SummaryHeader h;
        h.year = QStringLiteral("2026");
        h.unitName = QStringLiteral("FEN İŞLERİ");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("icmal.pdf"));
        QVERIFY(report::writePdf(yearlySummaryDocument(h, rows), file));
        const QStringList pages = test::pdfPages(file);
        QCOMPARE(pages.size(), 2);
        for (const QString &page : pages) {
            QVERIFY(page.contains(QStringLiteral("2026 YILINA AİT ŞAHIS EMEKLİLİK KESENEKLERİ İCMAL BORDROSU")));
            QVERIFY(page.contains(QStringLiteral("FEN İŞLERİ")));
            QVERIFY(page.contains(QStringLiteral("Mutemet")));
            QVERIFY(page.contains(QStringLiteral("Tahakkuk zeranu")));
        }
        // A person's month: 1.100,00 + 1.350,00 + 10,00 = 2.460,00; five people on page 1. The
        // text reader closes up the letter-spaced "Y E K Ü N".
        QCOMPARE(lineAfter(pages[0], "NAKLİ YEKÜN").value(1), QStringLiteral("0,00"));
        QCOMPARE(lineAfter(pages[0], "NAKLİ YEKÜN").last(), QStringLiteral("0,00"));
        QCOMPARE(lineAfter(pages[0], "YEKÜN").value(1), QStringLiteral("12.300,00"));
        QCOMPARE(lineAfter(pages[1], "NAKLİ YEKÜN").value(1), QStringLiteral("12.300,00"));
        QCOMPARE(lineAfter(pages[1], "YEKÜN").value(1), QStringLiteral("14.760,00"));
        QCOMPARE(lineAfter(pages[1], "YEKÜN").last(), QStringLiteral("14.760,00"));
        QVERIFY(pages[0].contains(QStringLiteral("K.G.A")));
        QVERIFY(pages[0].contains(QStringLiteral("1.100,00")));
    }

    void voucherFiguresCountTheIncreaseOnBothSides()
    {
        const VoucherFigures f = voucherFigures(m("1600"), m("2000"), m("100"), m("50"), m("1200"));
        QCOMPARE(f.employee, m("1600"));
        QCOMPARE(f.increase25, Money());
        QCOMPARE(f.increase100, m("100"));
        QCOMPARE(f.institution, m("2100"));
        QCOMPARE(f.serviceDebt, m("50"));
        QCOMPARE(f.health, m("1200"));
        QCOMPARE(f.total, m("5050"));

        VoucherData d;
        d.monthName = QStringLiteral("MART");
        d.year = QStringLiteral("2026");
        d.bank = QStringLiteral("T.C. ZİRAAT BANKASI");
        d.branch = QStringLiteral("ÇANKAYA");
        d.institution = QStringLiteral("ÖRNEK BELEDİYESİ");
        d.paymentDate = QStringLiteral("15.03.2026");
        d.figures = f;
        d.totalInWords = QStringLiteral("BEŞBİNELLİ TL");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("fis.pdf"));
        QVERIFY(report::writePdf(voucherDocument(d), file));
        const QStringList pages = test::pdfPages(file);
        QCOMPARE(pages.size(), 1);
        const QString text = test::simplified(pages[0]);
        QVERIFY(text.contains(QStringLiteral("EMEKLİ KESİNTİLERİ İCMAL VE İHBAR FİŞİ")));
        QVERIFY(text.contains(QStringLiteral("T.C. ZİRAAT BANKASI / ÇANKAYA")));
        QVERIFY(text.contains(QStringLiteral("MART 2026")));
        QVERIFY(text.contains(QStringLiteral("BEŞBİNELLİ TL")));
        // Row 1 and the totals line carry the same figures.
        QCOMPARE(text.count(QStringLiteral("5.050,00")), 2);
        QCOMPARE(text.count(QStringLiteral("2.100,00")), 2);
        QCOMPARE(lineAfter(pages[0], "TOPLAM").last(), QStringLiteral("5.050,00"));
        QVERIFY(text.contains(QStringLiteral("Valor")));
    }
};

QTEST_MAIN(TestContributionLogic)
#include "tst_contributionlogic.moc"
