// The personnel detail workbook: the cells of a staff row (texts of the family codes, the
// children the right way round, zero amounts without a result row), the staff and pay period
// read from a database (embedded and on the server: only paid records, the amounts of the
// record's own salary row of the latest month), and the .xls the command line writes, read
// back with xlrd.

#include "exportfixture.h"
#include "exportloader.h"
#include "settingsrow.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace zeran;
using namespace zeran::personnelexport;
using zeran::test::personnelexport::fill;

Q_DECLARE_METATYPE(zeran::test::Mode)

namespace {

Money m(const char *plain)
{
    return *Money::parsePlain(QString::fromLatin1(plain));
}

const char kReader[] = R"(
import json, sys
import xlrd
wb = xlrd.open_workbook(sys.argv[1])
sh = wb.sheet_by_index(0)
rows = []
for r in range(sh.nrows):
    line = []
    for c in range(sh.ncols):
        cell = sh.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_TEXT:
            line.append(cell.value)
        elif cell.ctype == xlrd.XL_CELL_NUMBER:
            line.append('#' + repr(cell.value))
        else:
            line.append('')
    rows.append(line)
print(json.dumps({'rows': rows, 'widthB': sh.colinfo_map[1].width if 1 in sh.colinfo_map else 0}))
)";

QJsonObject readBook(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning().noquote() << QString::fromUtf8(p.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString shown(const CellOut &c)
{
    if (c.amount)
        return QLatin1Char('#') + c.amount->toPlain(2);
    if (c.integer)
        return QLatin1Char('#') + QString::number(*c.integer);
    return c.text;
}

}  // namespace

class TestPersonnelExport : public QObject {
    Q_OBJECT

private slots:
    void familyTexts_data()
    {
        QTest::addColumn<QString>("MHAL");
        QTest::addColumn<QString>("ESI");
        QTest::addColumn<QString>("marital");
        QTest::addColumn<QString>("spouse");
        QTest::newRow("1/1") << "1" << "1" << QStringLiteral("Evli") << QStringLiteral("Çalışıyor");
        QTest::newRow("2/2") << "2" << "2" << QStringLiteral("Bekar") << QStringLiteral("Çalışmıyor");
        QTest::newRow("3/3") << "3" << "3" << QStringLiteral("Boşanmış") << QStringLiteral("Emekli");
        QTest::newRow("unknown codes stay empty") << "4" << "0" << QString() << QString();
        QTest::newRow("empty") << "" << "" << QString() << QString();
        QTest::newRow("two characters") << "11" << "12" << QString() << QString();
    }
    void familyTexts()
    {
        QFETCH(QString, MHAL);
        QFETCH(QString, ESI);
        QFETCH(QString, marital);
        QFETCH(QString, spouse);
        QCOMPARE(maritalText(MHAL), marital);
        QCOMPARE(spouseText(ESI), spouse);
    }

    // The 35 cells of a row with amounts and of one without a result row in the period.
    void cells()
    {
        StaffSource r;
        r.ADSOY = QStringLiteral("AYŞE ÇELİK");
        r.SNFKOD = 1;
        r.UNVAN = QStringLiteral("MÜHENDİS");
        r.BIRIM = QStringLiteral("FEN İŞLERİ");
        r.OGRDUR = QStringLiteral("Lisans");
        r.DER = 1, r.KAD = 4, r.YOP = 2000, r.OHT = 80, r.EKOD = 25, r.COC1 = 2, r.COC2 = 1;
        r.MHAL = QStringLiteral("1"), r.ESI = QStringLiteral("2");
        r.KGT = QDate(2010, 3, 1);
        r.amounts = PeriodAmounts{m("250.5"), m("150.25"), m("80.126"), m("300"), m("1500"), m("21.5")};
        QStringList got;
        for (const CellOut &c : rowCells(r, 3))
            got << shown(c);
        const QStringList expected = {
            QStringLiteral("AYŞE ÇELİK"), QStringLiteral("1"), QStringLiteral("MÜHENDİS"), QStringLiteral("FEN İŞLERİ"),
            QStringLiteral("MART"), "#1", "1/4", QStringLiteral("Lisans"), "", "#2000", "#80", "#25", "#1500.00",
            "#0", "#0", "#0", "#0", "#0", "#0", "#0", QStringLiteral("Evli"), QStringLiteral("Çalışmıyor"),
            "#80.13", "#250.50", "#1", "#2", "#150.25", "#300.00", "#0.00", "#0.00", "#0.00", "#0.00", "#21.50",
            "01.03.2010", ""};
        QCOMPARE(got, expected);

        r.amounts.reset();
        r.SNFKOD.reset();
        QStringList bare;
        for (const CellOut &c : rowCells(r, 0))
            bare << shown(c);
        QCOMPARE(bare.size(), 35);
        QCOMPARE(bare[1], QString());
        QCOMPARE(bare[4], QString());
        for (int col : {13, 23, 24, 27, 28, 33})
            QCOMPARE(bare[col - 1], QStringLiteral("#0.00"));
        QCOMPARE(int(headings().size()), 35);
    }

    void loader_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    // Only paid records; the amounts of the record's salary row of the latest month (never
    // the difference row read before it); no result row in the period gives no amounts; the
    // period per unit and none in a year without rows.
    void loader()
    {
        QFETCH(test::Mode, mode);
        test::FreshDatabase fresh(mode);
        db::Database db(test::uniqueName("pex"));
        db.open(fresh.params);
        fill(db);
        QCOMPARE(payPeriod(db, QStringLiteral("2026"), 0), 3);
        QCOMPARE(payPeriod(db, QStringLiteral("2026"), 2), 0);
        QCOMPARE(payPeriod(db, QStringLiteral("2025"), 0), 0);
        const std::vector<StaffSource> rows = loadStaff(db, QStringLiteral("2026"), 3, 0);
        QCOMPARE(int(rows.size()), 2);
        QCOMPARE(rows[0].ADSOY, QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(rows[0].OGRDUR, QStringLiteral("Lisans"));
        QCOMPARE(rows[0].BIRIM, QStringLiteral("FEN İŞLERİ"));
        QVERIFY(rows[0].amounts);
        QCOMPARE(rows[0].amounts->AILE, m("250.50"));
        QCOMPARE(rows[0].amounts->COCYRD, m("150.25"));
        QCOMPARE(rows[0].amounts->SENDIKA, m("21.50"));
        QCOMPARE(rows[1].ADSOY, QStringLiteral("MELEK AYDIN"));
        QVERIFY(!rows[1].amounts);
        QCOMPARE(int(loadStaff(db, QStringLiteral("2026"), 3, 2).size()), 1);
        QCOMPARE(int(exportUnits(db).size()), 2);
    }

    // The workbook the command line writes, read back as the authorities' reader would.
    void workbook()
    {
        QTemporaryDir out;
        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("pex"));
            db.open(fresh.params);
            fill(db);
        }
        const QString file = out.filePath(QStringLiteral("PER.XLS"));
        const test::CliRun r = test::runCli({QStringLiteral("personnel-export"), fresh.dir.path(), QStringLiteral("--today"),
                                             QStringLiteral("2026-03-20"), QStringLiteral("-o"), file});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QJsonObject book = readBook(file);
        const QJsonArray rows = book.value(QStringLiteral("rows")).toArray();
        QCOMPARE(rows.size(), 4);
        const QJsonArray first = rows[0].toArray();
        QCOMPARE(first.size(), 35);
        QCOMPARE(first[34].toString(), QStringLiteral("ASLİ KADROSUNA ATANMA USULÜ "));
        QCOMPARE(first[0].toString(), QString());
        const QJsonArray heads = rows[1].toArray();
        for (int c = 0; c < 35; ++c)
            QCOMPARE(heads[c].toString(), headings()[std::size_t(c)]);
        QStringList ayse;
        for (const QJsonValue &v : rows[2].toArray())
            ayse << v.toString();
        const QStringList expected = {
            QStringLiteral("AYŞE ÇELİK"), QStringLiteral("1"), QStringLiteral("MÜHENDİS"), QStringLiteral("FEN İŞLERİ"),
            QStringLiteral("MART"), "#1.0", "1/4", QStringLiteral("Lisans"), "", "#2000.0", "#80.0", "#25.0", "#1500.0",
            "#0.0", "#0.0", "#0.0", "#0.0", "#0.0", "#0.0", "#0.0", QStringLiteral("Evli"), QStringLiteral("Çalışmıyor"),
            "#80.13", "#250.5", "#1.0", "#2.0", "#150.25", "#300.0", "#0.0", "#0.0", "#0.0", "#0.0", "#21.5",
            "01.03.2010", ""};
        QCOMPARE(ayse, expected);
        const QJsonArray melek = rows[3].toArray();
        QCOMPARE(melek[0].toString(), QStringLiteral("MELEK AYDIN"));
        QCOMPARE(melek[20].toString(), QString());
        QCOMPARE(melek[23].toString(), QStringLiteral("#0.0"));

        QCOMPARE(test::runCli({QStringLiteral("personnel-export"), fresh.dir.path(), QStringLiteral("--today"),
                               QStringLiteral("2026-03-20")}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestPersonnelExport)
#include "tst_personnelexport.moc"
