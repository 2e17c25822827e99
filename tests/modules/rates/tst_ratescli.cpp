// zeran-cli rates show: what a clerk or a script sees of a period's rates.

#include "database.h"
#include "schema.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;

class TestRatesCli : public QObject {
    Q_OBJECT

    using Run = zeran::test::CliRun;
    static Run cli(const QStringList &args) { return zeran::test::runCli(args); }

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const db::ConnectParams p = test::params(test::Mode::Embedded, dir_.path());
        schema::createMainDatabase(p);
        db::Database db(test::uniqueName("ratescli"));
        db.open(p);
        db.exec(QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,KATSAYI,YOD,YEMEK,INDIRIM,SAKDER3) "
                               "VALUES (1,'2026','1',0.962173,0.1,121.5,NULL,1950.25)"));
        db.exec(QStringLiteral("INSERT INTO VEROR (YIL,DON,UST1,OR1,DVER,KAZVEROR) VALUES ('2026','1',158000,15,7.59,1)"));
        db.exec(QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,KATSAYI) VALUES (2,'2026','2',1.5)"));
        db.close();
    }

    void printsEveryRateInShortestForm()
    {
        const Run r = cli({QStringLiteral("rates"), QStringLiteral("show"), dir_.path(), QStringLiteral("--year"),
                           QStringLiteral("2026"), QStringLiteral("--period"), QStringLiteral("1")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("Dönem: 2026/1 OCAK/HAZİRAN"));
        for (const char *expected : {"ZERKANOR.KATSAYI: 0.962173", "ZERKANOR.YOD: 0.1", "ZERKANOR.YEMEK: 121.5",
                                     "ZERKANOR.INDIRIM: 0", "ZERKANOR.SAKDER3: 1950.25", "ZERKANOR.EGOS7: 0",
                                     "VEROR.UST1: 158000", "VEROR.OR1: 15", "VEROR.DVER: 7.59", "VEROR.KAZVEROR: 1",
                                     "VEROR.BSKYRDVOR: 0"})
            QVERIFY2(lines.contains(QString::fromUtf8(expected)), expected);
        // One line per column of both tables (keys left out), the legal rates first.
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^ZERKANOR\\.[A-Z0-9]+: "))).size(), 37);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^VEROR\\.[A-Z0-9]+: "))).size(), 28);
        QVERIFY(lines.indexOf(QStringLiteral("ZERKANOR.KATSAYI: 0.962173")) < lines.indexOf(QStringLiteral("VEROR.UST1: 158000")));
        QVERIFY(r.err.contains(QStringLiteral("ISCKANOR")));  // a warning only
    }

    void missingPeriodFails_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("message");
        QTest::newRow("no rows at all") << "3" << "Kanuni oranlar bulunamadı";
        QTest::newRow("tax rates missing") << "2" << "Vergi oranları bulunamadı";
    }
    void missingPeriodFails()
    {
        QFETCH(QString, period);
        QFETCH(QString, message);
        const Run r = cli({QStringLiteral("rates"), QStringLiteral("show"), dir_.path(), QStringLiteral("--year"),
                           QStringLiteral("2026"), QStringLiteral("--period"), period});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no year") << QStringList{"--period", "1"};
        QTest::newRow("two-digit year") << QStringList{"--year", "26", "--period", "1"};
        QTest::newRow("period 4") << QStringList{"--year", "2026", "--period", "4"};
        QTest::newRow("no period") << QStringList{"--year", "2026"};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Run r = cli(QStringList{QStringLiteral("rates"), QStringLiteral("show"), dir_.path()} + args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.out.isEmpty());
    }

    void noDatabase()
    {
        const Run r = cli({QStringLiteral("rates"), QStringLiteral("show"), dir_.filePath(QStringLiteral("none")),
                           QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--period"), QStringLiteral("1")});
        QCOMPARE(r.code, 1);
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRatesCli)
#include "tst_ratescli.moc"
