// The payment files as they land on disk: the text layout through the command line byte for
// byte against a checked-in file, and the workbooks read back with readers that share no code
// with the writer (openpyxl for .xlsx, xlrd for .xls, run by /usr/bin/python3), the bank
// templates filled by sheet name, and the message when the spreadsheet engine cannot start.

#include "bankjson.h"
#include "produce.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran;
using namespace zeran::bankfiles;

namespace {

const QString kGolden = QStringLiteral(ZERAN_BANKFILES_GOLDEN);

// {"SHEET": {"A1": "text", "B2": 12.5 as "12.5" …}, "_sheets": [names]}: cells as text, numbers
// as their shortest decimal with a "#" in front, so a text "12" and a number 12 differ.
const char *const kReader = R"PY(
import json, sys
from decimal import Decimal
def num(v):
    s = format(Decimal(repr(float(v))), 'f')
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    return '#' + s
path = sys.argv[1]
out = {'_sheets': []}
with open(path, 'rb') as f:
    head = f.read(2)
if head == b'PK':
    import openpyxl
    out['_format'] = 'xlsx'
    wb = openpyxl.load_workbook(path)
    for ws in wb.worksheets:
        out['_sheets'].append(ws.title)
        cells = {}
        for row in ws.iter_rows():
            for c in row:
                if c.value is None:
                    continue
                cells[c.coordinate] = num(c.value) if isinstance(c.value, (int, float)) else str(c.value)
        out[ws.title] = cells
else:
    import xlrd
    from xlrd.formula import colname
    out['_format'] = 'xls'
    wb = xlrd.open_workbook(path)
    for sh in wb.sheets():
        out['_sheets'].append(sh.name)
        cells = {}
        for r in range(sh.nrows):
            for c in range(sh.ncols):
                cell = sh.cell(r, c)
                ref = '%s%d' % (colname(c), r + 1)
                if cell.ctype == xlrd.XL_CELL_TEXT:
                    cells[ref] = cell.value
                elif cell.ctype == xlrd.XL_CELL_NUMBER:
                    cells[ref] = num(cell.value)
        out[sh.name] = cells
print(json.dumps(out, ensure_ascii=False))
)PY";

// The bank's template as the bank would send it: made by another program and saved as a
// 97–2003 workbook by the engine's own converter.
const char *const kTemplateMaker = R"PY(
import sys, openpyxl
wb = openpyxl.Workbook()
notes = wb.active
notes.title = 'Notlar'
notes['A1'] = 'Banka şablonu'
h = wb.create_sheet('HalkbankDTO')
h['A1'] = 'Ödeme Tarihi'
h['E9'] = 3
h['D8'] = 1
d = wb.create_sheet('DATA')
d['A1'] = 'Ziraat ödeme şablonu'
d['C17'] = 'HESAP'
wb.save(sys.argv[1])
)PY";

QJsonObject readBack(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning().noquote() << QString::fromUtf8(p.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString cellOf(const QJsonObject &book, const QString &sheet, const char *ref)
{
    return book.value(sheet).toObject().value(QLatin1String(ref)).toString();
}

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

Run runWithInput(const QStringList &args, const QByteArray &input, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ZERAN_CLI"), args);
    p.write(input);
    p.closeWriteChannel();
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray goldenInput()
{
    return readFile(kGolden + QStringLiteral("/layout-t.json"));
}

// The golden input with a change to its top-level keys.
QByteArray changed(const char *key, const QJsonValue &value)
{
    QJsonObject o = QJsonDocument::fromJson(goldenInput()).object();
    o.insert(QLatin1String(key), value);
    return QJsonDocument(o).toJson();
}

PaymentRow person(int pk, int bk, const QString &adi, const QString &soyadi, const QString &bhn, const char *maas)
{
    PaymentRow r;
    r.PKAYNO = pk;
    r.BKOD = bk;
    r.ADI = adi;
    r.SOYADI = soyadi;
    r.BHN = bhn;
    r.TCKNO = QStringLiteral("1234567890%1").arg(pk % 10);
    r.INO = QStringLiteral("TR33000610051978645784132%1").arg(pk % 10);
    r.MAAS = Money::parsePlain(QString::fromLatin1(maas)).value();
    return r;
}

ProduceRequest request(Layout layout, const QString &path)
{
    ProduceRequest req;
    req.layout = layout;
    req.header = parseJsonInput(goldenInput()).header;
    req.header.KHESNO = QStringLiteral("07120000123");
    req.header.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
    req.payments = computePayments({person(1, 1, QStringLiteral("ŞÜKRÜ"), QStringLiteral("ÖZ"), QStringLiteral("12345678-5001"), "1234.56"),
                                    person(2, 1, QStringLiteral("AYŞE"), QStringLiteral("İNCE"), QStringLiteral("23456789-7"), "100.10")},
                                   layout);
    req.path = path;
    return req;
}

}  // namespace

class TestBankFilesFiles : public QObject {
    Q_OBJECT

private slots:
    void textThroughTheCommandLineMatchesTheGoldenFile();
    void commandLineErrorsWriteNothing_data();
    void commandLineErrorsWriteNothing();
    void workbookEReadBack();
    void halkbankWorkbooksReadBackWithTheMerge();
    void templatesFilledBySheetName();
    void engineThatCannotStart();
};

void TestBankFilesFiles::textThroughTheCommandLineMatchesTheGoldenFile()
{
    const Run r = runWithInput({QStringLiteral("bank-file"), QStringLiteral("--layout"), QStringLiteral("T"),
                                QStringLiteral("--json"), QStringLiteral("-")},
                               goldenInput());
    QVERIFY2(r.code == 0, qPrintable(r.err));
    // The row whose net is zero is named, not written.
    QVERIFY2(r.err.contains(QStringLiteral("GÜLŞEN IŞIK (Sicil No 13")), qPrintable(r.err));
    const QString expected = kGolden + QStringLiteral("/layout-t.txt");
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QFile f(expected);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(r.out);
    }
    QCOMPARE(r.out, readFile(expected));
}

void TestBankFilesFiles::commandLineErrorsWriteNothing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("branch code of 3") << changed("SBKOD", QStringLiteral("712")) << 1 << "Şube Kodu 4 haneli olmalıdır.";
    QTest::newRow("description of 120") << changed("description", QString(120, QLatin1Char('A'))) << 1 << "Açıklama";
    QTest::newRow("nothing to pay") << changed("rows", QJsonArray()).replace("\"merge_text\"", "\"unused\"") << 0
                                    << "ödeme bulunamadı";
    QTest::newRow("not JSON") << QByteArray("[1,2]") << 1 << "JSON nesnesi";
}

void TestBankFilesFiles::commandLineErrorsWriteNothing()
{
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = runWithInput({QStringLiteral("bank-file"), QStringLiteral("--layout"), QStringLiteral("T"),
                                QStringLiteral("--json"), QStringLiteral("-")},
                               input);
    QCOMPARE(r.code, code);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void TestBankFilesFiles::workbookEReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZER_OCAK.XLSX"));
    QJsonObject o = QJsonDocument::fromJson(goldenInput()).object();
    o.remove(QStringLiteral("merge_text"));
    o.insert(QStringLiteral("KHESNO"), QStringLiteral("07120000123"));
    const Run r = runWithInput({QStringLiteral("bank-file"), QStringLiteral("--layout"), QStringLiteral("E"),
                                QStringLiteral("--json"), QStringLiteral("-"), QStringLiteral("-o"), path},
                               QJsonDocument(o).toJson());
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QJsonObject book = readBack(path);
    QCOMPARE(book.value(QStringLiteral("_format")).toString(), QStringLiteral("xlsx"));
    const QString sheet = book.value(QStringLiteral("_sheets")).toArray().first().toString();
    QCOMPARE(cellOf(book, sheet, "A1"), QStringLiteral("Tarih"));
    QCOMPARE(cellOf(book, sheet, "J1"), QStringLiteral("AÇIKLAMA"));
    QCOMPARE(cellOf(book, sheet, "A2"), QStringLiteral("15.01.2026"));
    QCOMPARE(cellOf(book, sheet, "B2"), QStringLiteral("07120000123"));
    QCOMPARE(cellOf(book, sheet, "D2"), QStringLiteral("0712"));
    QCOMPARE(cellOf(book, sheet, "F2"), QStringLiteral("ŞÜKRÜ"));
    QCOMPARE(cellOf(book, sheet, "I2"), QStringLiteral("#24518.37"));
    // İLKAY's difference and withheld amount count once, on the first row: 31000 + 1250,40 − 0,3333.
    QCOMPARE(cellOf(book, sheet, "I3"), QStringLiteral("#32250.07"));
    QCOMPARE(cellOf(book, sheet, "I4"), QStringLiteral("#2750.55"));  // GÜLŞEN (net 0) left out
    QCOMPARE(cellOf(book, sheet, "G5"), QStringLiteral("ağaoğlu"));
    QCOMPARE(cellOf(book, sheet, "I5"), QStringLiteral("#18000.01"));
    QVERIFY(cellOf(book, sheet, "H6").isEmpty());
    QCOMPARE(cellOf(book, sheet, "H7"), QStringLiteral("TOPLAM"));
    QCOMPARE(cellOf(book, sheet, "I7"), QStringLiteral("#77519"));  // Σ of the amounts written
}

void TestBankFilesFiles::halkbankWorkbooksReadBackWithTheMerge()
{
    QTemporaryDir dir;
    const QString earlier = dir.filePath(QStringLiteral("ESKI.XLS"));
    ProduceRequest first = request(Layout::HalkbankNew, earlier);
    ProduceResult r = produce(first);
    QVERIFY2(r.written(), qPrintable(r.message));
    QJsonObject book = readBack(earlier);
    QCOMPARE(book.value(QStringLiteral("_format")).toString(), QStringLiteral("xls"));
    QString sheet = book.value(QStringLiteral("_sheets")).toArray().first().toString();
    QCOMPARE(cellOf(book, sheet, "A1"), QStringLiteral("20260115"));
    QCOMPARE(cellOf(book, sheet, "E1"), QStringLiteral("12345678"));
    QCOMPARE(cellOf(book, sheet, "F1"), QStringLiteral("5001"));
    QCOMPARE(cellOf(book, sheet, "G2"), QStringLiteral("#100.1"));
    QCOMPARE(cellOf(book, sheet, "I2"), QStringLiteral("AYŞE İNCE"));

    // Layout 3 takes the account fields by position, and merges the earlier workbook.
    ProduceRequest second = request(Layout::Halkbank, dir.filePath(QStringLiteral("BİRLEŞİK_OCAK.XLS")));
    second.payments = computePayments({person(5, 2, QStringLiteral("CAN"), QStringLiteral("UÇAR"),
                                              QStringLiteral("TR120001200945200012345678"), "50.00")},
                                      Layout::Halkbank);
    second.mergePath = earlier;
    r = produce(second);
    QVERIFY2(r.written(), qPrintable(r.message));
    QCOMPARE(r.count, 3);
    QCOMPARE(r.total, Money::parsePlain(QStringLiteral("1384.66")).value());
    book = readBack(second.path);
    sheet = book.value(QStringLiteral("_sheets")).toArray().first().toString();
    QCOMPARE(cellOf(book, sheet, "E1"), QStringLiteral("20001234"));
    QCOMPARE(cellOf(book, sheet, "F1"), QStringLiteral("5678"));
    QCOMPARE(cellOf(book, sheet, "I2"), QStringLiteral("ŞÜKRÜ ÖZ"));
    QCOMPARE(cellOf(book, sheet, "G2"), QStringLiteral("#1234.56"));
    QCOMPARE(cellOf(book, sheet, "F3"), QStringLiteral("7"));
    QVERIFY(cellOf(book, sheet, "A4").isEmpty());
}

void TestBankFilesFiles::templatesFilledBySheetName()
{
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("sablon.xlsx"));
    QProcess maker;
    maker.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(kTemplateMaker), xlsx});
    QVERIFY(maker.waitForFinished(60000) && maker.exitCode() == 0);
    QProcess convert;
    convert.start(QStringLiteral("soffice"), {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("xls"),
                                              QStringLiteral("--outdir"), dir.path(), xlsx});
    QVERIFY(convert.waitForFinished(120000) && convert.exitCode() == 0);
    const QString xls = dir.filePath(QStringLiteral("sablon.xls"));
    QVERIFY(QFile::exists(xls));

    for (Layout layout : {Layout::HalkbankTemplate, Layout::ZiraatTemplate}) {
        const QString path = dir.filePath(layout == Layout::HalkbankTemplate ? QStringLiteral("HALK.XLS") : QStringLiteral("ZIRAAT.XLS"));
        QVERIFY(QFile::copy(xls, path));
        const ProduceResult r = produce(request(layout, path));
        QVERIFY2(r.written(), qPrintable(r.message));
        const QJsonObject book = readBack(path);
        QCOMPARE(book.value(QStringLiteral("_format")).toString(), QStringLiteral("xls"));
        // The template's other sheets and cells stay as the bank made them.
        QCOMPARE(book.value(QStringLiteral("_sheets")).toArray().size(), 3);
        QCOMPARE(cellOf(book, QStringLiteral("Notlar"), "A1"), QStringLiteral("Banka şablonu"));
        if (layout == Layout::HalkbankTemplate) {
            const QString s = QStringLiteral("HalkbankDTO");
            QCOMPARE(cellOf(book, s, "A1"), QStringLiteral("Ödeme Tarihi"));
            QCOMPARE(cellOf(book, s, "B1"), QStringLiteral("20260115"));
            QCOMPARE(cellOf(book, s, "B9"), QStringLiteral("OCAK 2026"));
            QCOMPARE(cellOf(book, s, "A16"), QStringLiteral("0712"));  // 13 + E9
            QCOMPARE(cellOf(book, s, "B16"), QStringLiteral("5001"));
            QCOMPARE(cellOf(book, s, "C16"), QStringLiteral("#1234.56"));
            QCOMPARE(cellOf(book, s, "E17"), QStringLiteral("AYŞE İNCE"));
            QVERIFY(book.value(QStringLiteral("DATA")).toObject().value(QStringLiteral("C18")).isUndefined());
        } else {
            const QString s = QStringLiteral("DATA");
            QCOMPARE(cellOf(book, s, "C17"), QStringLiteral("HESAP"));
            QCOMPARE(cellOf(book, s, "E5"), QStringLiteral("ÖRNEK BELEDİYESİ"));
            QCOMPARE(cellOf(book, s, "E7"), QStringLiteral("001-MAAŞ"));
            QCOMPARE(cellOf(book, s, "E14"), QStringLiteral("#2"));
            QCOMPARE(cellOf(book, s, "H14"), QStringLiteral("1.334,66"));
            QCOMPARE(cellOf(book, s, "D18"), QStringLiteral("12345678"));
            QCOMPARE(cellOf(book, s, "E18"), QStringLiteral("#5001"));
            QCOMPARE(cellOf(book, s, "F19"), QStringLiteral("#100.1"));
            QCOMPARE(cellOf(book, s, "H19"), QStringLiteral("İNCE"));
        }
    }
}

void TestBankFilesFiles::engineThatCannotStart()
{
    QTemporaryDir dir;
    qputenv("ZERAN_SOFFICE", QFile::encodeName(dir.filePath(QStringLiteral("yok/soffice"))));
    const ProduceRequest req = request(Layout::Halkbank, dir.filePath(QStringLiteral("ZER_OCAK.XLS")));
    const ProduceResult r = produce(req);
    qunsetenv("ZERAN_SOFFICE");
    QCOMPARE(int(r.outcome), int(ProduceResult::Outcome::EngineNotStarted));
    QCOMPARE(r.message, QStringLiteral("EXCEL BAŞLATILAMIYOR"));
    QVERIFY(!QFile::exists(req.path));
}

QTEST_GUILESS_MAIN(TestBankFilesFiles)
#include "tst_bankfiles_files.moc"
