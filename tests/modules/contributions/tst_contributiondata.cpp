// The contribution module against a real database: the rows of the files, the written file and
// its audit line, the ledger's checks, the summary and voucher figures, the correction's one
// unit of work, and the command-line tool on both its inputs.

#include "context.h"
#include "contributionfixture.h"
#include "contributionstore.h"
#include "demo.h"
#include "makemonths.h"
#include "pdftext.h"
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

using namespace zeran;
using namespace zeran::contributions;

namespace {

Money m(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

struct Fixture {
    explicit Fixture(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("contrib"))
    {
        db.open(fresh.params);
        test::contributions::fillInstitution(db);
    }

    test::FreshDatabase fresh;
    db::Database db;
};

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class TestContributionData : public QObject {
    Q_OBJECT

private slots:
    void modes_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }

    void loaderGivesOneLinePerPerson_data() { modes_data(); }
    void loaderGivesOneLinePerPerson()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
        FileInput in = loadFileInput(f.db, Regime::RetirementFund, PayrollChoice::Salary, Order::Tckno,
                                     QStringLiteral("2026"), 3, now);
        QCOMPARE(in.minWage, m("20002.5"));  // March: the first half-year
        const auto lines = selectLines(in);
        QCOMPARE(lines.size(), std::size_t(1));  // person 3 has no snapshot
        QCOMPARE(lines[0].PKAYNO, 1);
        QCOMPARE(lines[0].EMKESM, m("1234.56"));
        const FileOutcome out = buildFile(in, lines);
        QVERIFY(out.ok);
        QCOMPARE(out.bytes, QByteArray(QStringEncoder("windows-1254")
                                           .encode(QStringLiteral("12345678901;12345678;AYŞE;ÇELİK; ;0305;1;4;0800;1;3;3600;"
                                                                  "161009;1234.56;0.0;1234.56;0.0;20;0.0;0.0;0.0;\r\n"))));

        in = loadFileInput(f.db, Regime::Law5510, PayrollChoice::Salary, Order::Emsno, QStringLiteral("2026"), 3, now);
        const FileOutcome law = buildFile(in);
        QVERIFY(law.ok);
        // Suspended: half of P (15000) and half the minimum wage as G.
        QCOMPARE(law.bytes, QByteArray("10000000146;20001;O\xD0UZ;I\xDEIK; ; ; ; ; ;1;4;3600;100129;30;0.00;7500;0.00;"
                                       "10001.25;0.00;0.00;0.00;0.00; ;\r\n"));
        in = loadFileInput(f.db, Regime::RetirementFund, PayrollChoice::Difference, Order::Tckno,
                           QStringLiteral("2026"), 3, now);
        QVERIFY(selectLines(in).empty());
    }

    void fileAndAuditLineAreWrittenTogether()
    {
        Fixture f;
        f.db.exec(QStringLiteral("UPDATE PTANIM SET UDUR='E',IZL='E'"));
        WorkingContext ctx;
        ctx.UDUR = QStringLiteral("E");
        ctx.IZL = QStringLiteral("E");
        QTemporaryDir dir;
        const auto auditLines = [&f] {
            return f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE BOLUM='EK-LIST'")).toInt();
        };
        QString error;
        QVERIFY(!writeDeclaration(f.db, ctx, dir.filePath(QStringLiteral("yok/2026Mart_Emekli.TXT")), "x\r\n",
                                  QStringLiteral("2026"), 3, Regime::RetirementFund, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(auditLines(), 0);
        const QString path = dir.filePath(QStringLiteral("2026Mart_Emekli.TXT"));
        QVERIFY2(writeDeclaration(f.db, ctx, path, "x\r\n", QStringLiteral("2026"), 3, Regime::RetirementFund, &error),
                 qPrintable(error));
        QCOMPARE(readText(path), QStringLiteral("x\r\n"));
        QCOMPARE(auditLines(), 1);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT ACIK FROM IZLEM WHERE BOLUM='EK-LIST'")).toString(),
                 QStringLiteral("YIL:2026 AY:3 SİGORTA TÜRÜ:Emekli Sandığı"));
    }

    void ledgerRowsAreCheckedAndSummed_data() { modes_data(); }
    void ledgerRowsAreCheckedAndSummed()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        const QString year = QStringLiteral("2026");
        auto row = [&year](int pk, int bk, int ay, const char *zer, const char *dev, const char *art, const char *borc) {
            LedgerRow r;
            r.PKAYNO = pk;
            r.BKOD = bk;
            r.YIL = year;
            r.AY = ay;
            r.ZER = m(zer);
            r.DEV = m(dev);
            r.ARTIS = m(art);
            r.BORC = m(borc);
            r.ITAS = m("777");
            r.CEZA = m("888");
            return r;
        };
        QCOMPARE(saveLedgerRow(f.db, row(1, 1, 3, "100", "125", "10", "5")), QString());
        QCOMPARE(saveLedgerRow(f.db, row(1, 2, 3, "50", "60", "0", "0")), QString());
        QVERIFY(!saveLedgerRow(f.db, row(1, 1, 3, "1", "1", "1", "1")).isEmpty());  // duplicate
        QVERIFY(!saveLedgerRow(f.db, row(1, 1, 13, "1", "1", "1", "1")).isEmpty());
        QCOMPARE(saveLedgerRow(f.db, row(4, 2, 3, "40", "50", "0", "0")), QString());
        // Editing a row in place: its own month is no duplicate; moving onto a taken month is.
        QCOMPARE(saveLedgerRow(f.db, row(1, 1, 3, "110", "125", "10", "5"), row(1, 1, 3, "100", "125", "10", "5")), QString());
        QCOMPARE(saveLedgerRow(f.db, row(1, 1, 4, "110", "125", "10", "5"), row(1, 1, 3, "0", "0", "0", "0")), QString());
        QVERIFY(!saveLedgerRow(f.db, row(1, 1, 4, "1", "1", "1", "1"), row(1, 2, 3, "0", "0", "0", "0")).isEmpty());
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM EMKES")).toInt(), 3);
        QCOMPARE(ledgerRows(f.db, 1, year).size(), std::size_t(2));

        QCOMPARE(saveLedgerRow(f.db, row(1, 1, 3, "100", "125", "10", "5")), QString());
        const auto rows = loadSummaryRows(f.db, 1, year);
        QCOMPARE(rows.size(), std::size_t(3));  // the unit's pay records: persons 1, 2, 3
        QCOMPARE(rows[0].PKAYNO, 1);
        QCOMPARE(rows[0].SIR, 1);
        QCOMPARE(rows[0].GOR, QStringLiteral("BİLGİSAYAR İŞLE"));
        // March: unit 1's row and unit 2's half.
        QCOMPARE(rows[0].MAY[2], std::optional<Money>(m("160")));
        QCOMPARE(rows[0].KAY[2], std::optional<Money>(m("195")));
        QCOMPARE(rows[0].MAY[3], std::optional<Money>(m("120")));
        QVERIFY(!rows[1].MAY[2].has_value());
        const auto one = loadSummaryRows(f.db, 1, year, 1);
        QCOMPARE(one.size(), std::size_t(1));
        QCOMPARE(one[0].SIR, 1);

        // The voucher of unit 1, March: ledger rows of the unit, health from the result rows.
        const VoucherFigures v = loadVoucherFigures(f.db, year, 3, 1);
        QCOMPARE(v.employee, m("100"));
        QCOMPARE(v.institution, m("135"));
        QCOMPARE(v.serviceDebt, m("5"));
        QCOMPARE(v.health, m("30"));  // three result rows of unit 1 at 10
        QCOMPARE(v.total, m("280"));
        QCOMPARE(loadVoucherFigures(f.db, year, 3, 0).total, Money());
    }

    void correctionIsOneUnitOfWork()
    {
        Fixture f;
        const auto before = readCorrection(f.db, 1, 1, 3);
        QVERIFY(before);
        QCOMPARE(before->BIRIM, QStringLiteral("FEN İŞLERİ"));
        QCOMPARE(before->EMSNO, QStringLiteral("12 345 678"));
        QVERIFY(retirementNumberTaken(f.db, QStringLiteral("400"), 1));
        QVERIFY(!retirementNumberTaken(f.db, QStringLiteral("12 345 678"), 1));

        PersonCorrection after = *before;
        after.EMSNO = QStringLiteral("999");
        after.GSSTUR = QStringLiteral("55");  // too long for its column: the last writes fail
        QVERIFY_THROWS_EXCEPTION(db::DbError, saveCorrection(f.db, *before, after, QStringLiteral("2026")));
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT EMSNO FROM SICIL WHERE PKAYNO=1")).toString(), QStringLiteral("12 345 678"));

        after.GSSTUR = QStringLiteral("5");
        after.TERTAR = QDate(2026, 4, 1);
        saveCorrection(f.db, *before, after, QStringLiteral("2026"));
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT EMSNO FROM SICIL WHERE PKAYNO=1")).toString(), QStringLiteral("999"));
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND GSSTUR='5' AND TERTAR='2026-04-01'")).toInt(), 2);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV WHERE PKAYNO=1 AND GSSTUR='5'")).toInt(), 2);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO<>1 AND TERTAR IS NOT NULL")).toInt(), 0);
    }

    // ---- the command-line tool ----------------------------------------------------------

    void jsonOnStdinGivesTheGoldenBytes_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("retirement fund") << "fund.json" << "fund.txt";
        QTest::newRow("5510") << "law5510.json" << "law5510.txt";
    }
    void jsonOnStdinGivesTheGoldenBytes()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QFile in(QStringLiteral(ZERAN_CONTRIBUTIONS_GOLDEN "/") + input);
        QFile out(QStringLiteral(ZERAN_CONTRIBUTIONS_GOLDEN "/") + expected);
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::ReadOnly));
        const auto [code, bytes, err] = runWithStdin({QStringLiteral("contribution-file"), QStringLiteral("--json"),
                                                      QStringLiteral("-")},
                                                     in.readAll());
        QVERIFY2(code == 0, qPrintable(err));
        QCOMPARE(bytes, out.readAll());
    }

    void jsonErrorsWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("code");
        QTest::newRow("not JSON") << QByteArray("{") << 2;
        QTest::newRow("entry date today") << QByteArray(
            R"({"file":"E","payroll_kind":"1","year":"2026","month":1,"now":"2026-01-20T09:00:00",)"
            R"("sicil":[{"PKAYNO":1,"TCKNO":"1","EMSNO":"1","ADI":"A","SOYADI":"B","KGT":"2026-01-20"}],)"
            R"("zermaas":[{"PKAYNO":1,"BKOD":1,"PKOD":1,"TUR":"1","YIL":"2026","AY":1,"EMKESM":"5"}],)"
            R"("zerarsiv":[{"PKAYNO":1,"BKOD":1,"PKOD":1,"TUR":"1","YIL":"2026","AY":1,"GSSTUR":"E"}]})") << 1;
        QTest::newRow("empty selection: empty file, success") << QByteArray(
            R"({"file":"5","payroll_kind":"2+8","year":"2026","month":1,"now":"2026-01-20"})") << 0;
    }
    void jsonErrorsWriteNothing()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, code);
        const auto [rc, bytes, err] = runWithStdin({QStringLiteral("contribution-file"), QStringLiteral("--json"),
                                                    QStringLiteral("-")},
                                                   json);
        QCOMPARE(rc, code);
        QCOMPARE(bytes, QByteArray());
        QCOMPARE(err.isEmpty(), code == 0);
    }

    void toolReadsTheDatabase()
    {
        QTemporaryDir out;
        QString dir;
        {
            Fixture f;
            dir = QFileInfo(f.fresh.params.path).absolutePath();
            f.db.close();
            const QString file = out.filePath(QStringLiteral("e.txt"));
            const test::CliRun run = test::runCli({QStringLiteral("contribution-file"), dir, QStringLiteral("--today"),
                                                   QStringLiteral("2026-12-09"), QStringLiteral("--kind"), QStringLiteral("E"),
                                                   QStringLiteral("--payroll"), QStringLiteral("1"), QStringLiteral("--month"),
                                                   QStringLiteral("3"), QStringLiteral("-o"), file});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            QFile f1(file);
            QVERIFY(f1.open(QIODevice::ReadOnly));
            QVERIFY(f1.readAll().startsWith("12345678901;12345678;"));

            const QString pdf = out.filePath(QStringLiteral("icmal.pdf"));
            const test::CliRun summary = test::runCli({QStringLiteral("contribution-summary"), dir, QStringLiteral("--year"),
                                                       QStringLiteral("2026"), QStringLiteral("--unit"), QStringLiteral("1"),
                                                       QStringLiteral("--pdf"), pdf});
            QVERIFY2(summary.code == 0, qPrintable(summary.err));
            const QStringList pages = test::pdfPages(pdf);
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages[0].contains(QStringLiteral("2026 YILINA AİT ŞAHIS EMEKLİLİK KESENEKLERİ İCMAL BORDROSU")));
            QVERIFY(pages[0].contains(QStringLiteral("FEN İŞLERİ")));
            QVERIFY(pages[0].contains(QStringLiteral("ÇELİK")));

            const test::CliRun bad = test::runCli({QStringLiteral("contribution-file"), dir, QStringLiteral("--kind"),
                                                   QStringLiteral("X"), QStringLiteral("--payroll"), QStringLiteral("1"),
                                                   QStringLiteral("-o"), file});
            QCOMPARE(bad.code, 2);
        }
    }

    // The demo institution's January, made through the payroll make path, declared by the
    // tool from the database: both files compared byte for byte with their expected files.
    void demoMonthGivesTheExpectedFiles()
    {
        QTemporaryDir out;
        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("demo"));
            db.open(fresh.params);
            demo::fillDemoInstitution(db, {2026});
            test::makeMonths(db, 1);
            db.close();
        }
        const QString dir = QFileInfo(fresh.params.path).absolutePath();
        for (const auto &[kind, name] : {std::pair{"E", "demo_fund.txt"}, std::pair{"5", "demo_5510.txt"}}) {
            const QString file = out.filePath(QString::fromLatin1(name));
            const test::CliRun run = test::runCli({QStringLiteral("contribution-file"), dir, QStringLiteral("--today"),
                                                   QStringLiteral("2026-01-20"), QStringLiteral("--kind"),
                                                   QString::fromLatin1(kind), QStringLiteral("--payroll"), QStringLiteral("1"),
                                                   QStringLiteral("-o"), file});
            QVERIFY2(run.code == 0, qPrintable(run.err));
            QFile made(file);
            QVERIFY(made.open(QIODevice::ReadOnly));
            const QByteArray bytes = made.readAll();
            QVERIFY(!bytes.isEmpty());
            const QString expectedPath = QStringLiteral(ZERAN_CONTRIBUTIONS_GOLDEN "/") + QString::fromLatin1(name);
            if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
                QFile w(expectedPath);
                QVERIFY(w.open(QIODevice::WriteOnly));
                w.write(bytes);
                continue;
            }
            QFile expected(expectedPath);
            QVERIFY2(expected.open(QIODevice::ReadOnly),
                     qPrintable(QStringLiteral("no expected file %1; write it with ZERAN_GOLDEN_UPDATE=1").arg(expectedPath)));
            QCOMPARE(bytes, expected.readAll());
        }
    }

private:
    struct Run {
        int code;
        QByteArray out;
        QString err;
    };
    static Run runWithStdin(const QStringList &args, const QByteArray &input)
    {
        QProcess p;
        p.start(qEnvironmentVariable("ZERAN_CLI"), args);
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return {-1, {}, QStringLiteral("timeout")};
        }
        return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
    }
};

QTEST_MAIN(TestContributionData)
#include "tst_contributiondata.moc"
