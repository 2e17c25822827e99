// The payment list and the file layouts without a database or a spreadsheet engine: the amounts
// each row pays, the fixed-width text file byte by byte, the merge of an earlier text file, the
// cells every workbook layout writes and the JSON of the command line.

#include "bankfile.h"
#include "bankjson.h"
#include "produce.h"
#include "sheetlayouts.h"
#include "textlayout.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran;
using namespace zeran::bankfiles;

namespace {

Money m(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

PaymentRow row(int pkayno, int bkod, const QString &adi, const QString &soyadi, const QString &bhn, const char *maas,
               const char *fark = "0", const char *acikkes = "0")
{
    PaymentRow r;
    r.PKAYNO = pkayno;
    r.BKOD = bkod;
    r.PKOD = pkayno;
    r.ADI = adi;
    r.SOYADI = soyadi;
    r.BHN = bhn;
    r.TCKNO = QStringLiteral("1000000%1").arg(pkayno, 4, 10, QLatin1Char('0'));
    r.INO = QStringLiteral("TR1200%1").arg(pkayno, 20, 10, QLatin1Char('0'));
    r.MAAS = m(maas);
    r.FARK = m(fark);
    r.ACIKKES = m(acikkes);
    return r;
}

PaymentHeader header()
{
    PaymentHeader h;
    h.KMUSNO = QStringLiteral("4815162");
    h.SBKOD = QStringLiteral("0712");
    h.KHESNO = QStringLiteral("07120000123");
    h.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
    h.typeCode = QStringLiteral("001");
    h.paymentDate = QDate(2026, 1, 15);
    h.description = QStringLiteral("OCAK 2026 ZERAN MAAŞLARI");
    h.runTimestamp = QDateTime(QDate(2026, 1, 14), QTime(9, 30));
    h.month = 1;
    h.year = QStringLiteral("2026");
    return h;
}

QByteArray cp1254(const QString &s)
{
    QStringEncoder e("windows-1254");
    return e.encode(s);
}

QByteArray padRight(const QString &s, int width)
{
    QByteArray b = cp1254(s);
    return b + QByteArray(width - b.size(), ' ');
}

QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> out = bytes.split('\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

}  // namespace

class TestBankFilesLogic : public QObject {
    Q_OBJECT

private slots:
    void layoutCodes_data();
    void layoutCodes();
    void accountFields_data();
    void accountFields();
    void fileNames_data();
    void fileNames();

    void differenceAndWithheldCountOncePerPerson();
    void rowsWithNothingToPayAreNotWritten();

    void textFileByteForByte();
    void trailerIsTheSumOfTheWrittenAmounts();
    void textMergeTakesOnlyDetailLines();
    void textMergeFindsTheAmountBehindAnyAccountNumber();
    void textMergeRefusesAnUnreadableAmount();
    void textRefusesValuesLongerThanTheirField_data();
    void textRefusesValuesLongerThanTheirField();

    void workbookE();
    void workbookEMergeLeavesTheEarlierTotalOut();
    void halkbankWorkbooks();
    void halkbankMergeStopsAtTheFirstEmptyAmount();
    void halkbankTemplate();
    void ziraatTemplate();
    void templatesRefuseWhatTheyCannotPlace();

    void produceRefusesToMergeTheTargetItself();
    void produceWritesNoFileWithNothingToPay();

    void jsonInput();
    void jsonInputErrors_data();
    void jsonInputErrors();
};

void TestBankFilesLogic::layoutCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("layout");
    QTest::newRow("T") << "T" << int(Layout::Text);
    QTest::newRow("E") << "E" << int(Layout::Workbook);
    QTest::newRow("3") << "3" << int(Layout::Halkbank);
    QTest::newRow("4") << "4" << int(Layout::HalkbankNew);
    QTest::newRow("5") << "5" << int(Layout::HalkbankTemplate);
    QTest::newRow("6") << "6" << int(Layout::ZiraatTemplate);
    QTest::newRow("empty") << "" << int(Layout::Text);
    QTest::newRow("unknown") << "X" << int(Layout::Text);
}

void TestBankFilesLogic::layoutCodes()
{
    QFETCH(QString, code);
    QFETCH(int, layout);
    QCOMPARE(int(layoutOf(code)), layout);
}

void TestBankFilesLogic::accountFields_data()
{
    QTest::addColumn<QString>("bhn");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("musno");
    QTest::addColumn<QString>("hesno");
    QTest::addColumn<QString>("ekno");
    const QString iban = QStringLiteral("TR120001200945200012345678");  // 26 characters
    QTest::newRow("T split") << "12345678-87654321" << int(Layout::Text) << "12345678" << "87654321" << "";
    QTest::newRow("T no dash") << "87654321" << int(Layout::Text) << "" << "87654321" << "";
    QTest::newRow("T first dash") << "12-34-56" << int(Layout::Text) << "12" << "34-56" << "";
    QTest::newRow("E by position") << iban << int(Layout::Workbook) << "20001234" << "5678" << "";
    QTest::newRow("3 by position") << iban << int(Layout::Halkbank) << "20001234" << "5678" << "";
    QTest::newRow("4 split") << "12345678-87654321" << int(Layout::HalkbankNew) << "12345678" << "87654321" << "";
    QTest::newRow("5 split") << "12345678-87654321" << int(Layout::HalkbankTemplate) << "12345678" << "87654321" << "";
    QTest::newRow("6 split") << "87654321-5001" << int(Layout::ZiraatTemplate) << "" << "87654321" << "5001";
    QTest::newRow("6 no dash") << "87654321" << int(Layout::ZiraatTemplate) << "" << "" << "87654321";
}

void TestBankFilesLogic::accountFields()
{
    QFETCH(QString, bhn);
    QFETCH(int, layout);
    QFETCH(QString, musno);
    QFETCH(QString, hesno);
    QFETCH(QString, ekno);
    const AccountFields f = bankfiles::accountFields(bhn, Layout(layout));
    QCOMPARE(f.MUSNO, musno);
    QCOMPARE(f.HESNO, hesno);
    QCOMPARE(f.EKNO, ekno);
}

void TestBankFilesLogic::fileNames_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("merge");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text, all units") << 0 << int(Layout::Text) << false << "/p/BANKA/OCAK/ZER_4815162001.TXT";
    QTest::newRow("text, one unit") << 5 << int(Layout::Text) << false << "/p/BANKA/OCAK/ZER_5-4815162001.TXT";
    QTest::newRow("text, merged") << 0 << int(Layout::Text) << true << "/p/BANKA/OCAK/BİRLEŞİK_4815162001.TXT";
    QTest::newRow("E, all units") << 0 << int(Layout::Workbook) << false << "/p/BANKA/OCAK/ZER_OCAK.XLSX";
    QTest::newRow("3, one unit") << 5 << int(Layout::Halkbank) << false << "/p/BANKA/OCAK/ZER_5-OCAK.XLS";
    QTest::newRow("6, merged") << 0 << int(Layout::ZiraatTemplate) << true << "/p/BANKA/OCAK/BİRLEŞİK_OCAK.XLS";
}

void TestBankFilesLogic::fileNames()
{
    QFETCH(int, unit);
    QFETCH(int, layout);
    QFETCH(bool, merge);
    QFETCH(QString, expected);
    QCOMPARE(defaultFileName(QStringLiteral("/p/BANKA"), 1, unit, QStringLiteral("4815162"), QStringLiteral("001"),
                             Layout(layout), merge),
             expected);
}

void TestBankFilesLogic::differenceAndWithheldCountOncePerPerson()
{
    // Person 7 is paid in two units; the list repeats the month's difference and withheld
    // amount on both rows. Person 8's first row pays nothing, so the second row carries them.
    const std::vector<PaymentRow> rows = {
        row(7, 1, "ALİ", "YILMAZ", "1-2", "1000.00", "100.00", "50.00"),
        row(7, 2, "ALİ", "YILMAZ", "1-2", "500.00", "100.00", "50.00"),
        row(8, 1, "VELİ", "KAYA", "1-3", "0", "30.00", "0"),
        row(8, 3, "VELİ", "KAYA", "1-3", "200.00", "30.00", "0"),
    };
    const Payments p = computePayments(rows, Layout::Text);
    QCOMPARE(p.lines.size(), size_t(4));
    QCOMPARE(p.lines[0].amount, m("1050.00"));
    QCOMPARE(p.lines[1].amount, m("500.00"));
    QCOMPARE(p.lines[1].FARK, Money());
    QCOMPARE(p.lines[1].ACIKKES, Money());
    QVERIFY(!p.lines[2].paid);
    QCOMPARE(p.lines[3].amount, m("230.00"));
    QCOMPARE(p.count, 3);
    QCOMPARE(p.total, m("1780.00"));
}

void TestBankFilesLogic::rowsWithNothingToPayAreNotWritten()
{
    const std::vector<PaymentRow> rows = {
        row(1, 1, "AYŞE", "DEMİR", "1-1", "100.00", "0", "100.00"),   // net 0
        row(2, 1, "FATMA", "ŞAHİN", "1-2", "100.00", "0", "150.00"),  // net −50
        row(3, 1, "EMRE", "ÖZ", "1-3", "0.004"),                      // net 0,004: 0,00 as written
        row(4, 1, "CAN", "UÇAR", "1-4", "10.00"),
    };
    const Payments p = computePayments(rows, Layout::Text);
    QCOMPARE(p.count, 1);
    QCOMPARE(p.total, m("10.00"));
    QCOMPARE(p.skipped.size(), 3);
    QVERIFY2(p.skipped[0].contains(QStringLiteral("AYŞE DEMİR")) && p.skipped[0].contains(QStringLiteral("Sicil No 1")),
             qPrintable(p.skipped[0]));
    QVERIFY(p.skipped[1].contains(QStringLiteral("-50,00")));
    // Every layout leaves them out and totals what it wrote.
    const TextFile t = textFile(header(), p);
    QCOMPARE(t.count, 1);
    sheet::Workbook wb;
    const SheetResult e = fillWorkbookE(wb, header(), p);
    QCOMPARE(e.count, 1);
    QCOMPARE(wb.text(2, 6), QStringLiteral("CAN"));
    QVERIFY(wb.cell(3, 6).isEmpty());
    QCOMPARE(wb.text(4, 9), QStringLiteral("10.00"));
}

void TestBankFilesLogic::textFileByteForByte()
{
    const std::vector<PaymentRow> rows = {
        row(1, 1, "ŞÜKRÜ", "ĞÜLÇİÖ", "12345678-87654321", "1234.56"),
        row(2, 1, "ışığ", "ÇAĞ", "9-123", "50.00", "0.50", "0"),
    };
    const TextFile t = textFile(header(), computePayments(rows, Layout::Text));
    QVERIFY(t.bytes.endsWith("\r\n"));
    QVERIFY(!t.bytes.contains("\n\n"));
    const QList<QByteArray> l = lines(t.bytes);
    QCOMPARE(l.size(), 4);
    for (const QByteArray &line : l)
        QVERIFY(line.endsWith('\r'));
    const QByteArray description = padRight(QStringLiteral("OCAK 2026 ZERAN MAAŞLARI"), 100);
    QCOMPARE(l[0], QByteArray("H00004815162001" "2601140930" "20260114" "20260115" "2") + description + "\r");
    QCOMPARE(l[1], QByteArray("DH0712" "00012345678" "87654321" "000000000001234,56") +
                       padRight(QStringLiteral("ŞÜKRÜ"), 50) + padRight(QStringLiteral("ĞÜLÇİÖ"), 50) + description +
                       "\r");
    QCOMPARE(l[2], QByteArray("DH0712" "00000000009" "123" "0000000000000050,5") + padRight(QStringLiteral("ışığ"), 50) +
                       padRight(QStringLiteral("ÇAĞ"), 50) + description + "\r");
    QCOMPARE(l[3], QByteArray("T0000002" "000000000001285,06\r"));
    // Turkish letters are single Windows-1254 bytes.
    QVERIFY(l[1].contains("\xDE\xDC" "KR\xDC"));
    QVERIFY(l[2].contains("\xFD\xFE\xFD\xF0"));
}

void TestBankFilesLogic::trailerIsTheSumOfTheWrittenAmounts()
{
    // Withheld amounts keep four decimals: each net is rounded once as written (999,6667 ->
    // 999,67; 10,005 -> 10,01, half away from zero) and the trailer adds what was written.
    const std::vector<PaymentRow> rows = {
        row(1, 1, "A", "B", "1-1", "1000.00", "0", "0.3333"),
        row(2, 1, "C", "D", "1-2", "1000.00", "0", "0.3333"),
        row(3, 1, "E", "F", "1-3", "10.01", "0", "0.005"),
    };
    const Payments p = computePayments(rows, Layout::Text);
    QCOMPARE(p.lines[0].amount, m("999.67"));
    QCOMPARE(p.lines[2].amount, m("10.01"));
    QCOMPARE(p.total, m("2009.35"));
    const TextFile t = textFile(header(), p);
    QCOMPARE(lines(t.bytes).last(), QByteArray("T0000003" "000000000002009,35\r"));
    QVERIFY(lines(t.bytes)[1].contains("000000000000999,67"));
}

void TestBankFilesLogic::textMergeTakesOnlyDetailLines()
{
    const QByteArray detail1 = "DH0712" "00012345678" "11111111" "0000000000001234.5" "KEMAL" + QByteArray(45, ' ');
    const QByteArray detail2 = "DH0712" "00012345678" "22222222" "000000000000100,25" "ZEYNEP";
    const QByteArray earlier = "H00004815162001260101090020260101202601022ESKİ\r\n" + detail1 + "\r\n" + detail2 +
                               "\r\nT0000002000000000001334,75\r\n";
    const std::vector<PaymentRow> rows = {row(1, 1, "ALİ", "VELİ", "12345678-87654321", "100.00")};
    const TextFile t = textFile(header(), computePayments(rows, Layout::Text), earlier);
    const QList<QByteArray> l = lines(t.bytes);
    QCOMPARE(l.size(), 5);
    QVERIFY(l[0].startsWith("H"));
    QVERIFY(l[1].startsWith("DH071200012345678" "87654321"));
    QCOMPARE(l[2], detail1 + "\r");
    QCOMPARE(l[3], detail2 + "\r");
    QCOMPARE(t.merged, 2);
    QCOMPARE(t.count, 3);
    QCOMPARE(t.total, m("1434.75"));
    QCOMPARE(l[4], QByteArray("T0000003" "000000000001434,75\r"));
}

void TestBankFilesLogic::textMergeFindsTheAmountBehindAnyAccountNumber()
{
    // Files written by this layout: account numbers of 4 and 10 characters put the amount
    // elsewhere than characters 26–43.
    const std::vector<PaymentRow> rows = {row(1, 1, "ALİ", "VELİ", "12345678-1001", "1320.00"),
                                          row(2, 1, "AYŞE", "KAYA", "12345678-1234567890", "77.5")};
    const TextFile earlier = textFile(header(), computePayments(rows, Layout::Text));
    const TextFile merged =
        textFile(header(), computePayments({row(3, 1, "CAN", "UÇAR", "1-2", "2.50")}, Layout::Text), earlier.bytes);
    QCOMPARE(merged.merged, 2);
    QCOMPARE(merged.total, m("1400.00"));
}

void TestBankFilesLogic::textMergeRefusesAnUnreadableAmount()
{
    const QByteArray earlier = "DH0712" "00012345678" "11111111" "00000000000ABC,500" "KEMAL\r\n";
    const std::vector<PaymentRow> rows = {row(1, 1, "ALİ", "VELİ", "1-1", "100.00")};
    try {
        textFile(header(), computePayments(rows, Layout::Text), earlier);
        QFAIL("an unreadable amount was merged");
    } catch (const BankFileError &e) {
        QVERIFY2(e.text.contains(QStringLiteral("1. satır")), qPrintable(e.text));
    }
}

void TestBankFilesLogic::textRefusesValuesLongerThanTheirField_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");  // part of the message
    QTest::newRow("IBAN without dash") << "bhn" << "Hesap No";
    QTest::newRow("customer number of 12") << "musno" << "Müşteri No";
    QTest::newRow("description of 120") << "description" << "Açıklama";
    QTest::newRow("name of 51") << "adi" << "Adı";
    QTest::newRow("institution number of 12") << "kmusno" << "Kurum Müşteri No";
    QTest::newRow("branch code of 3") << "sbkod" << "Şube Kodu 4 haneli olmalıdır.";
    QTest::newRow("letter outside the code page") << "greek" << "Windows-1254";
}

void TestBankFilesLogic::textRefusesValuesLongerThanTheirField()
{
    QFETCH(QString, what);
    QFETCH(QString, expected);
    PaymentHeader h = header();
    PaymentRow r = row(3, 1, "ZEHRA", "KOÇ", "12345678-87654321", "100.00");
    if (what == QLatin1String("bhn"))
        r.BHN = QStringLiteral("TR120001200945200012345678");
    else if (what == QLatin1String("musno"))
        r.BHN = QStringLiteral("123456789012-1");
    else if (what == QLatin1String("description"))
        h.description = QString(120, QLatin1Char('A'));
    else if (what == QLatin1String("adi"))
        r.ADI = QString(51, QLatin1Char('A'));
    else if (what == QLatin1String("kmusno"))
        h.KMUSNO = QStringLiteral("123456789012");
    else if (what == QLatin1String("sbkod"))
        h.SBKOD = QStringLiteral("712");
    else if (what == QLatin1String("greek"))
        r.SOYADI = QStringLiteral("ΩMEGA");
    try {
        textFile(h, computePayments({r}, Layout::Text));
        QFAIL("the file was written");
    } catch (const BankFileError &e) {
        QVERIFY2(e.text.contains(expected), qPrintable(e.text));
        if (what != QLatin1String("sbkod") && what != QLatin1String("description") && what != QLatin1String("kmusno"))
            QVERIFY2(e.text.contains(QStringLiteral("(Sicil No 3)")), qPrintable(e.text));
    }
    // A description of exactly 100 characters fills its field.
    h = header();
    h.description = QString(100, QLatin1Char('D'));
    const TextFile t = textFile(h, computePayments({row(3, 1, "Z", "K", "1-2", "1.00")}, Layout::Text));
    QCOMPARE(lines(t.bytes)[0].size(), 1 + 11 + 3 + 10 + 8 + 8 + 1 + 100 + 1);
}

void TestBankFilesLogic::workbookE()
{
    const std::vector<PaymentRow> rows = {
        row(1, 1, "ŞÜKRÜ", "ÖZ", "TR120001200945200012345678", "1234.56", "10.00", "0.3333"),
        row(2, 1, "AYŞE", "İNCE", "TR990001200945200087654321", "100.00"),
    };
    sheet::Workbook wb;
    const SheetResult r = fillWorkbookE(wb, header(), computePayments(rows, Layout::Workbook));
    const QStringList headings = {"Tarih", "Sabit Alan", "Müşteri No", "Ek No.", "IBAN", "Ad", "Soyad", "TCK/VKN", "TUTAR", "AÇIKLAMA"};
    for (int c = 1; c <= 10; ++c)
        QCOMPARE(wb.text(1, c), headings[c - 1]);
    const QStringList first = {"15.01.2026", "07120000123", "4815162", "0712", "TR120001200945200012345678",
                               "ŞÜKRÜ", "ÖZ", "10000000001", "1244.23", "OCAK 2026 ZERAN MAAŞLARI"};
    for (int c = 1; c <= 10; ++c)
        QCOMPARE(wb.text(2, c), first[c - 1]);
    QCOMPARE(wb.cell(2, 9).kind, sheet::CellValue::Kind::Number);
    QCOMPARE(wb.cell(2, 2).kind, sheet::CellValue::Kind::Text);
    QVERIFY(wb.cell(4, 8).isEmpty());  // the empty row
    QCOMPARE(wb.text(5, 8), QStringLiteral("TOPLAM"));
    QCOMPARE(wb.text(5, 9), QStringLiteral("1344.23"));  // the written amounts, difference included
    QCOMPARE(r.total, m("1344.23"));
}

void TestBankFilesLogic::workbookEMergeLeavesTheEarlierTotalOut()
{
    // An earlier "E" workbook: heading, two rows, the empty row and its own TOPLAM.
    sheet::Workbook earlier;
    fillWorkbookE(earlier, header(),
                  computePayments({row(5, 1, "CAN", "UÇAR", "1-2", "10.00"), row(6, 1, "EDA", "SU", "1-3", "20.25")},
                                  Layout::Workbook));
    sheet::Workbook wb;
    const SheetResult r =
        fillWorkbookE(wb, header(), computePayments({row(1, 1, "ALİ", "VELİ", "1-1", "100.00")}, Layout::Workbook), &earlier);
    QCOMPARE(r.merged, 2);
    QCOMPARE(r.total, m("130.25"));
    QCOMPARE(wb.text(3, 6), QStringLiteral("CAN"));
    QCOMPARE(wb.text(4, 10), QStringLiteral("OCAK 2026 ZERAN MAAŞLARI"));
    QCOMPARE(wb.text(4, 9), QStringLiteral("20.25"));
    QVERIFY(wb.cell(5, 8).isEmpty());
    QCOMPARE(wb.text(6, 8), QStringLiteral("TOPLAM"));
    QCOMPARE(wb.text(6, 9), QStringLiteral("130.25"));
}

void TestBankFilesLogic::halkbankWorkbooks()
{
    const std::vector<PaymentRow> rows = {row(1, 1, "ŞÜKRÜ", "ÖZ", "TR120001200945200012345678", "1234.56")};
    for (Layout layout : {Layout::Halkbank, Layout::HalkbankNew}) {
        sheet::Workbook wb;
        fillHalkbank(wb, header(), computePayments(rows, layout));
        const bool byPosition = layout == Layout::Halkbank;
        const QStringList expected = {"20260115", "4815162", "0712", "07120000123",
                                      byPosition ? "20001234" : "", byPosition ? "5678" : "TR120001200945200012345678",
                                      "1234.56", "10000000001", "ŞÜKRÜ ÖZ"};
        for (int c = 1; c <= 9; ++c)
            QCOMPARE(wb.text(1, c), expected[c - 1]);
        QVERIFY(wb.cell(2, 1).isEmpty());
    }
}

void TestBankFilesLogic::halkbankMergeStopsAtTheFirstEmptyAmount()
{
    sheet::Workbook earlier;
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 9; ++c)
            earlier.writeText(r, c, QStringLiteral("E%1%2").arg(r).arg(c));
        earlier.writeNumber(r, 7, r == 1 ? QStringLiteral("10.5") : QStringLiteral("20"));
    }
    earlier.writeNumber(3, 7, QStringLiteral("0"));  // stops here
    earlier.writeNumber(4, 7, QStringLiteral("99"));
    sheet::Workbook wb;
    const SheetResult r =
        fillHalkbank(wb, header(), computePayments({row(1, 1, "A", "B", "1-2", "5.00")}, Layout::HalkbankNew), &earlier);
    QCOMPARE(r.count, 3);
    QCOMPARE(r.merged, 2);
    QCOMPARE(r.total, m("35.50"));
    QCOMPARE(wb.text(2, 1), QStringLiteral("E11"));
    QCOMPARE(wb.text(2, 7), QStringLiteral("10.50"));
    QCOMPARE(wb.cell(2, 7).kind, sheet::CellValue::Kind::Number);
    QCOMPARE(wb.text(3, 9), QStringLiteral("E29"));
    QVERIFY(wb.cell(4, 7).isEmpty());
}

void TestBankFilesLogic::halkbankTemplate()
{
    const std::vector<PaymentRow> rows = {row(1, 1, "ŞÜKRÜ", "ÖZ", "12345678-87654321", "1234.56"),
                                          row(2, 1, "AYŞE", "İNCE", "12345678-11111111", "20.00")};
    const Payments p = computePayments(rows, Layout::HalkbankTemplate);
    {
        sheet::Workbook wb;
        wb.renameSheet(QStringLiteral("HalkbankDTO"));
        wb.writeInteger(9, 5, 3);  // E9: three rows above the data
        fillHalkbankTemplate(wb, header(), p, false);
        QCOMPARE(wb.text(1, 2), QStringLiteral("20260115"));
        QCOMPARE(wb.text(2, 2), QStringLiteral("4815162"));
        QCOMPARE(wb.text(3, 2), QStringLiteral("0712"));
        QCOMPARE(wb.text(4, 2), QStringLiteral("07120000123"));
        QCOMPARE(wb.text(9, 2), QStringLiteral("OCAK 2026"));
        QCOMPARE(wb.text(16, 1), QStringLiteral("0712"));
        QCOMPARE(wb.text(16, 2), QStringLiteral("87654321"));
        QCOMPARE(wb.text(16, 3), QStringLiteral("1234.56"));
        QCOMPARE(wb.text(16, 5), QStringLiteral("ŞÜKRÜ ÖZ"));
        QCOMPARE(wb.text(17, 4), QStringLiteral("10000000002"));
    }
    {
        sheet::Workbook wb;
        wb.renameSheet(QStringLiteral("HalkbankDTO"));
        wb.writeInteger(8, 4, 2);  // D8
        fillHalkbankTemplate(wb, header(), p, true);
        QVERIFY(wb.cell(1, 2).isEmpty());
        QCOMPARE(wb.text(14, 1), rows[0].INO);
        QCOMPARE(wb.text(14, 2), QStringLiteral("1234.56"));
        QCOMPARE(wb.text(15, 4), QStringLiteral("AYŞE İNCE"));
    }
}

void TestBankFilesLogic::ziraatTemplate()
{
    const std::vector<PaymentRow> rows = {row(1, 1, "ŞÜKRÜ", "ÖZ", "87654321-5001", "1234.56"),
                                          row(2, 1, "AYŞE", "İNCE", "11111111-2", "0", "0", "0"),
                                          row(3, 1, "CAN", "UÇAR", "22222222-7", "1000.00")};
    const Payments p = computePayments(rows, Layout::ZiraatTemplate);
    for (bool iban : {false, true}) {
        sheet::Workbook wb;
        wb.renameSheet(QStringLiteral("DATA"));
        fillZiraatTemplate(wb, header(), p, iban);
        const int c = iban ? 4 : 5;
        QCOMPARE(wb.text(5, c), QStringLiteral("ÖRNEK BELEDİYESİ"));
        QCOMPARE(wb.text(6, c), QStringLiteral("4815162"));
        QCOMPARE(wb.text(7, c), QStringLiteral("001-MAAŞ"));
        QCOMPARE(wb.text(9, c), QStringLiteral("15.01.2026"));
        QCOMPARE(wb.text(10, c), QStringLiteral("OCAK 2026 ZERAN MAAŞLARI"));
        QCOMPARE(wb.text(14, c), QStringLiteral("2"));  // the rows written
        QCOMPARE(wb.text(14, iban ? 6 : 8), QStringLiteral("2.234,56"));
        if (iban) {
            QCOMPARE(wb.text(18, 3), rows[0].INO);
            QCOMPARE(wb.text(18, 4), QStringLiteral("1234.56"));
            QCOMPARE(wb.text(18, 5), QStringLiteral("ŞÜKRÜ"));
            QCOMPARE(wb.text(18, 6), QStringLiteral("ŞÜKRÜ ÖZ"));
            QCOMPARE(wb.text(19, 6), QStringLiteral("CAN UÇAR"));
        } else {
            QCOMPARE(wb.text(18, 3), QStringLiteral("0712"));
            QCOMPARE(wb.text(18, 4), QStringLiteral("87654321"));
            QCOMPARE(wb.text(18, 5), QStringLiteral("5001"));
            QCOMPARE(wb.cell(18, 5).kind, sheet::CellValue::Kind::Number);
            QCOMPARE(wb.text(18, 6), QStringLiteral("1234.56"));
            QCOMPARE(wb.text(19, 8), QStringLiteral("UÇAR"));
        }
        QVERIFY(wb.cell(20, 3).isEmpty());
    }
}

void TestBankFilesLogic::templatesRefuseWhatTheyCannotPlace()
{
    const Payments p = computePayments({row(1, 1, "A", "B", "87654321-5A", "10.00")}, Layout::ZiraatTemplate);
    sheet::Workbook data;
    data.renameSheet(QStringLiteral("DATA"));
    QVERIFY_THROWS_EXCEPTION(BankFileError, fillZiraatTemplate(data, header(), p, false));
    sheet::Workbook other;  // no sheet "HalkbankDTO"
    QVERIFY_THROWS_EXCEPTION(BankFileError, fillHalkbankTemplate(other, header(), p, false));
    sheet::Workbook text;
    text.renameSheet(QStringLiteral("HalkbankDTO"));
    text.writeText(9, 5, QStringLiteral("üç"));
    QVERIFY_THROWS_EXCEPTION(BankFileError, fillHalkbankTemplate(text, header(), p, false));
}

void TestBankFilesLogic::produceRefusesToMergeTheTargetItself()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZER.TXT"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("DH0712000123456781111111100000000000001234,5\r\n");
    f.close();
    ProduceRequest req;
    req.header = header();
    req.payments = computePayments({row(1, 1, "A", "B", "1-2", "5.00")}, Layout::Text);
    req.path = path;
    req.mergePath = dir.path() + QStringLiteral("/./ZER.TXT");
    const ProduceResult r = produce(req);
    QCOMPARE(int(r.outcome), int(ProduceResult::Outcome::Refused));
    QCOMPARE(r.message, kMergeIsTarget.toString());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("DH0712000123456781111111100000000000001234,5\r\n"));
}

void TestBankFilesLogic::produceWritesNoFileWithNothingToPay()
{
    QTemporaryDir dir;
    ProduceRequest req;
    req.header = header();
    req.payments = computePayments({row(1, 1, "A", "B", "1-2", "5.00", "0", "5.00")}, Layout::Text);
    req.path = dir.filePath(QStringLiteral("ZER.TXT"));
    QCOMPARE(int(produce(req).outcome), int(ProduceResult::Outcome::NoFile));
    QVERIFY(!QFile::exists(req.path));
    // A refused row leaves no file behind either.
    req.payments = computePayments({row(1, 1, "A", "B", "TR120001200945200012345678", "5.00")}, Layout::Text);
    const ProduceResult r = produce(req);
    QCOMPARE(int(r.outcome), int(ProduceResult::Outcome::Refused));
    QVERIFY(!QFile::exists(req.path));
}

void TestBankFilesLogic::jsonInput()
{
    const QByteArray json = R"({"KMUSNO": "4815162", "SBKOD": "0712", "type_code": "002",
        "payment_date": "15.02.2026", "description": "ŞUBAT", "run_timestamp": "2026-02-14T09:30:00",
        "rows": [{"PKAYNO": 3, "BKOD": 2, "ADI": "AYŞE", "SOYADI": "ÇELİK", "BHN": "1-2",
                  "MAAS": "1234.5", "FARK": "10", "ACIKKES": "0.3333"}],
        "merge_text": "DH şğ"})";
    const JsonInput in = parseJsonInput(json);
    QCOMPARE(in.header.typeCode, QStringLiteral("002"));
    QCOMPARE(in.header.paymentDate, QDate(2026, 2, 15));
    QCOMPARE(in.header.runTimestamp, QDateTime(QDate(2026, 2, 14), QTime(9, 30)));
    QCOMPARE(in.header.month, 2);
    QCOMPARE(in.rows.size(), size_t(1));
    QCOMPARE(in.rows[0].ADI, QStringLiteral("AYŞE"));
    QCOMPARE(in.rows[0].MAAS, m("1234.5"));
    QCOMPARE(in.rows[0].ACIKKES, m("0.3333"));
    QVERIFY(in.hasMerge);
    QCOMPARE(in.merge, QByteArray("DH \xFE\xF0"));
}

void TestBankFilesLogic::jsonInputErrors_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");
    const QByteArray base = R"("SBKOD": "0712", "type_code": "001", "payment_date": "15.01.2026",
        "description": "X", "run_timestamp": "2026-01-14T09:30:00")";
    QTest::newRow("not JSON") << QByteArray("{") << "JSON";
    QTest::newRow("no KMUSNO") << QByteArray("{") + base + R"(, "rows": []})" << "KMUSNO";
    QTest::newRow("bad date") << QByteArray(R"({"KMUSNO": "1", "SBKOD": "0712", "type_code": "001", "payment_date": "2026-01-15",
        "description": "X", "run_timestamp": "2026-01-14T09:30:00", "rows": []})") << "payment_date";
    QTest::newRow("amount with comma") << QByteArray(R"({"KMUSNO": "1", )") + base +
                                              R"(, "rows": [{"PKAYNO": 1, "BKOD": 1, "ADI": "A", "SOYADI": "B", "BHN": "1-2", "MAAS": "12,5"}]})"
                                       << "rows[0].MAAS";
    QTest::newRow("amount as number") << QByteArray(R"({"KMUSNO": "1", )") + base +
                                             R"(, "rows": [{"PKAYNO": 1, "BKOD": 1, "ADI": "A", "SOYADI": "B", "BHN": "1-2", "MAAS": 12.5}]})"
                                      << "rows[0].MAAS";
    QTest::newRow("no rows") << QByteArray(R"({"KMUSNO": "1", )") + base + "}" << "rows";
}

void TestBankFilesLogic::jsonInputErrors()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expected);
    try {
        parseJsonInput(json);
        QFAIL("accepted");
    } catch (const BankFileError &e) {
        QVERIFY2(e.text.contains(expected), qPrintable(e.text));
    }
}

QTEST_GUILESS_MAIN(TestBankFilesLogic)
#include "tst_bankfiles_logic.moc"
