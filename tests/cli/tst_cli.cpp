// zeran-cli as a script would call it: exit codes, output, and refusing to overwrite data.

#include "testsupport.h"

#include <QProcess>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT

    struct Run {
        int code;
        QString out, err;
    };

    static Run cli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("ZERAN_CLI"), args);
        if (!p.waitForFinished(120000))
            return {-1, {}, QStringLiteral("timeout")};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initDbThenCheck()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("DATA"));
        Run r = cli({QStringLiteral("init-db"), data, QStringLiteral("--accounting")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(QFile::exists(data + QStringLiteral("/PERSONEL.GDB")));
        QVERIFY(QFile::exists(data + QStringLiteral("/ANALITIK.GDB")));

        r = cli({QStringLiteral("check"), data, QStringLiteral("--today"), QStringLiteral("2026-12-09")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Sürüm: 25.001")));
        QVERIFY(r.out.contains(QStringLiteral("Dönem (DON): 2")));
        QVERIFY(r.out.contains(QStringLiteral("Ay (AY): 12 ARALIK")));
        QVERIFY(r.out.contains(QStringLiteral("Gün: 9 ÇARŞAMBA")));
        QVERIFY(r.out.contains(QStringLiteral("Tarih: 9-ARALIK(12)-2026")));
        QVERIFY2(r.out.contains(QStringLiteral("Ödeme dönemi: 15.12.2026 - 14.01.2027")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("Kullanıcı: 1 ZIVO")));
        QVERIFY(r.out.contains(QStringLiteral("Muhasebe kodu (MUHKOD): 46.01.32")));
    }

    void refusesToOverwriteAnExistingDatabase()
    {
        QTemporaryDir dir;
        QCOMPARE(cli({QStringLiteral("init-db"), dir.path()}).code, 0);
        const QByteArray before = [&] {
            QFile f(dir.filePath(QStringLiteral("PERSONEL.GDB")));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        for (const QString &command : {QStringLiteral("init-db"), QStringLiteral("demo-db")}) {
            const Run r = cli({command, dir.path()});
            QVERIFY(r.code != 0);
            QVERIFY(r.err.contains(QStringLiteral("zaten var")));
        }
        QFile f(dir.filePath(QStringLiteral("PERSONEL.GDB")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void errorsAreReported_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"payroll-of-the-moon"};
        QTest::newRow("missing folder argument") << QStringList{"check"};
        QTest::newRow("no database there") << QStringList{"check", "/nonexistent/zeran"};
        QTest::newRow("bad date") << QStringList{"check", "/tmp", "--today", "2026-02-30"};
        QTest::newRow("extra argument") << QStringList{"init-db", "/tmp/a", "/tmp/b"};
    }
    void errorsAreReported()
    {
        QFETCH(QStringList, args);
        const Run r = cli(args);
        QVERIFY(r.code != 0);
        QVERIFY(!r.err.trimmed().isEmpty());
        QVERIFY(r.out.trimmed().isEmpty());
    }

    void demoInstitution()
    {
        QTemporaryDir dir;
        Run r = cli({QStringLiteral("demo-db"), dir.path()});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        r = cli({QStringLiteral("check"), dir.path(), QStringLiteral("--today"), QStringLiteral("2026-03-15")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(QStringLiteral("Dönem (DON): 1")));
        QVERIFY(r.out.contains(QStringLiteral("Çalışma yılı (CYIL): 2026")));
        QVERIFY(r.out.contains(QStringLiteral("Kurum: ÖRNEK BELEDİYESİ")));
    }

    void worksAgainstTheServer()
    {
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZERAN_DB_PASSWORD"), qEnvironmentVariable("ZERAN_TEST_SERVER_PASSWORD"));
        const QString server = qEnvironmentVariable("ZERAN_TEST_SERVER");
        Run r = cli({QStringLiteral("init-db"), dir.path(), QStringLiteral("--server"), server}, env);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        r = cli({QStringLiteral("check"), dir.path(), QStringLiteral("--server"), server}, env);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains(server + QLatin1Char(':')));

        env.insert(QStringLiteral("ZERAN_DB_PASSWORD"), QStringLiteral("wrong"));
        r = cli({QStringLiteral("check"), dir.path(), QStringLiteral("--server"), server}, env);
        QVERIFY(r.code != 0);
        QVERIFY(r.err.contains(QStringLiteral("bağlanılamadı")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
