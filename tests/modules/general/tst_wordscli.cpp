// zeran-cli words: the amount in words on stdout; an unreadable amount only on stderr.

#include "testsupport.h"

#include <QtTest>

class TestWordsCli : public QObject {
    Q_OBJECT

    using Run = zeran::test::CliRun;
    static Run cli(const QStringList &args) { return zeran::test::runCli(args); }

private slots:
    void printsTheWords_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        QTest::newRow("document text") << "1234,56" << "BinİkiyüzOtuzDört.TL ElliAltı.KR";
        QTest::newRow("grouped") << "1.234,56" << "BinİkiyüzOtuzDört.TL ElliAltı.KR";
        QTest::newRow("one kuruş digit is tens") << "1234,5" << "BinİkiyüzOtuzDört.TL Elli.KR";
        QTest::newRow("whole lira") << "2000000" << "İkiMilyon.TL";
        QTest::newRow("thousands group of one") << "1001000,00" << "BirMilyonBin.TL";
        QTest::newRow("kuruş only") << "0,50" << "Sıfır.TL Elli.KR";
        QTest::newRow("zero") << "0" << "Sıfır.TL";
        QTest::newRow("largest") << "999999999999,99"
                                 << "DokuzyüzDoksanDokuzMilyarDokuzyüzDoksanDokuzMilyonDokuzyüzDoksanDokuzBin"
                                    "DokuzyüzDoksanDokuz.TL DoksanDokuz.KR";
    }
    void printsTheWords()
    {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        const Run r = cli({QStringLiteral("words"), amount});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.out, words + QLatin1Char('\n'));
        QVERIFY(r.err.isEmpty());
    }

    void refusesWhatItCannotRead_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no amount") << QStringList{"words"};
        QTest::newRow("two amounts") << QStringList{"words", "1", "2"};
        QTest::newRow("letters") << QStringList{"words", "bin"};
        QTest::newRow("empty") << QStringList{"words", ""};
        QTest::newRow("negative") << QStringList{"words", "-5,00"};
        QTest::newRow("three kuruş digits") << QStringList{"words", "1,005"};
        QTest::newRow("too large") << QStringList{"words", "1000000000000"};
        QTest::newRow("two commas") << QStringList{"words", "1,2,3"};
    }
    void refusesWhatItCannotRead()
    {
        QFETCH(QStringList, args);
        const Run r = cli(args);
        QVERIFY(r.code != 0);
        QVERIFY(r.code != -1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!r.err.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWordsCli)
#include "tst_wordscli.moc"
