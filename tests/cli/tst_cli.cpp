// zeran-cli as a script would call it: exit codes, output, refusing to overwrite data,
// refusing arguments that would name another unit or person, and the program's own start-up
// checks before any command touches a database.

#include "database.h"
#include "schema.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;

class TestCli : public QObject {
    Q_OBJECT

    using Run = test::CliRun;
    static Run cli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        return test::runCli(args, env);
    }

    // One demo institution for the tests that only read it or change it and put it back.
    QTemporaryDir demoDir_;
    QString demo_;

    /// Runs `sql` on the demo database; the connection is closed again so that the embedded
    /// engine of a zeran-cli process can open the file.
    QVariant onDemo(const QString &sql, const QVariantMap &binds = {})
    {
        db::Database db(test::uniqueName("cli-demo"));
        db.open(test::params(test::Mode::Embedded, demo_));
        QVariant v;
        if (sql.startsWith(QLatin1String("SELECT"))) {
            v = db.scalar(sql, binds);
        } else {
            db::Transaction t(db);
            db.exec(sql, binds);
            t.commit();
        }
        db.close();
        return v;
    }

private slots:
    void initTestCase()
    {
        demo_ = demoDir_.path();
        const Run r = cli({QStringLiteral("demo-db"), demo_});
        QVERIFY2(r.code == 0, qPrintable(r.err));
    }

    void badArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("said");
        // Each would otherwise wrap onto another unit or person (65539 is unit 3), mean
        // "every unit", or run on a date nobody typed.
        const QStringList commands = {QStringLiteral("payroll compute"), QStringLiteral("payroll make"),
                                      QStringLiteral("print payroll")};
        struct Bad {
            const char *name;
            QStringList args;
            const char *said;
        };
        const std::vector<Bad> bad = {
            {"unit past SMALLINT", {"--unit", "65539"}, "--unit"},
            {"unit empty", {"--unit", ""}, "--unit"},
            {"unit zero", {"--unit", "0"}, "--unit"},
            {"unit negative", {"--unit", "-3"}, "--unit"},
            {"unit with letters", {"--unit", "3x"}, "--unit"},
            {"unit with blanks", {"--unit", " 3"}, "--unit"},
            {"unit without value", {"--unit"}, "--unit"},
            {"unit twice", {"--unit", "3", "--unit", "4"}, "--unit"},
            {"date with trailing text", {"--today", "2026-12-15Tgarbage"}, "Geçersiz tarih"},
            {"date not in the calendar", {"--today", "2026-02-30"}, "Geçersiz tarih"},
            {"date without dashes", {"--today", "20261215"}, "Geçersiz tarih"},
        };
        for (const QString &command : commands) {
            for (const Bad &b : bad) {
                QStringList args = command.split(QLatin1Char(' '));
                args << QStringLiteral("DEMO") << b.args;
                if (command == QLatin1String("print payroll"))
                    args << QStringLiteral("--pdf") << QStringLiteral("/tmp/zeran-never.pdf");
                QTest::newRow(qPrintable(command + QStringLiteral(": ") + QLatin1String(b.name)))
                    << args << QString::fromUtf8(b.said);
            }
        }
        QTest::newRow("payroll compute: person past SMALLINT")
            << QStringList{"payroll", "compute", "DEMO", "--person", "65552"} << "--person";
        QTest::newRow("payroll compute: person empty") << QStringList{"payroll", "compute", "DEMO", "--person", ""}
                                                       << "--person";
    }
    void badArgumentsAreRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, said);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^DEMO$")), demo_);
        const Run r = cli(args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY2(r.out.trimmed().isEmpty(), qPrintable(r.out));
        QCOMPARE(onDemo(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")).toInt(), 0);
    }

    void goodKeysAreTaken()
    {
        const Run r = cli({QStringLiteral("payroll"), QStringLiteral("compute"), demo_, QStringLiteral("--unit"),
                           QStringLiteral("32767"), QStringLiteral("--today"), QStringLiteral("2026-12-15")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed(), QStringLiteral("[]"));  // no such unit: nobody, not unit 32767 - 65536
    }

    void everyCommandPassesTheVersionGate_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("said");
        const QList<QStringList> commands = {
            {"check", "DEMO"},
            {"payroll", "compute", "DEMO"},
            {"payroll", "make", "DEMO", "--yes"},
            {"print", "payroll", "DEMO", "--pdf", "/tmp/zeran-gate.pdf"},
            {"print", "payslips", "DEMO", "--pdf", "/tmp/zeran-gate.pdf"},
            {"rates", "show", "DEMO", "--year", "2026", "--period", "2"},
        };
        const std::vector<std::tuple<const char *, const char *, const char *>> versions = {
            {"newer", "99.001", "Program Versiyonu Eski"},
            {"empty", "", "Sürüm okunamadı"},
            {"malformed", "25.0x1", "Sürüm okunamadı"},
        };
        for (const QStringList &c : commands)
            for (const auto &[name, version, said] : versions)
                QTest::newRow(qPrintable(c.mid(0, c.indexOf(QStringLiteral("DEMO"))).join(QLatin1Char(' ')) +
                                         QStringLiteral(": ") + QLatin1String(name)))
                    << c << QString::fromUtf8(version) << QString::fromUtf8(said);
    }
    void everyCommandPassesTheVersionGate()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, version);
        QFETCH(QString, said);
        args.replaceInStrings(QRegularExpression(QStringLiteral("^DEMO$")), demo_);
        args << QStringLiteral("--today") << QStringLiteral("2026-12-15");
        QFile::remove(QStringLiteral("/tmp/zeran-gate.pdf"));
        const QString stored = onDemo(QStringLiteral("SELECT VER FROM PTANIM")).toString().trimmed();
        onDemo(QStringLiteral("UPDATE PTANIM SET VER=:V"), {{QStringLiteral("V"), version}});
        const Run r = cli(args);
        onDemo(QStringLiteral("UPDATE PTANIM SET VER=:V"), {{QStringLiteral("V"), stored}});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QCOMPARE(onDemo(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")).toInt(), 0);
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/zeran-gate.pdf")));
    }

    void duplicateResultRowsAreReported()
    {
        // A database from before the unique keys, holding the same row twice: it cannot get
        // its key, and "check" names the rows instead of passing.
        QTemporaryDir dir;
        Run r = cli({QStringLiteral("init-db"), dir.path()});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        {
            db::Database db(test::uniqueName("dup"));
            db.open(test::params(test::Mode::Embedded, dir.path()));
            db::Transaction t(db);
            db.exec(QStringLiteral("DROP INDEX UX_ZERMAAS_ANAHTAR"));
            t.commit();
            db::Transaction t2(db);
            for (int i = 0; i < 2; ++i)
                db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (7,3,12,'1','2026',11)"));
            t2.commit();
            db.close();
        }
        r = cli({QStringLiteral("check"), dir.path(), QStringLiteral("--today"), QStringLiteral("2026-12-15")});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("ZERMAAS: PKAYNO 7 BKOD 3 PKOD 12 TUR 1 YIL 2026 AY 11 (2 satır)")),
                 qPrintable(r.err));
        {
            db::Database db(test::uniqueName("dup"));
            db.open(test::params(test::Mode::Embedded, dir.path()));
            db::Transaction t(db);
            db.exec(QStringLiteral("DELETE FROM ZERMAAS"));
            t.commit();
            db.close();
        }
        // Cleared: the next start gives the table its key.
        r = cli({QStringLiteral("check"), dir.path(), QStringLiteral("--today"), QStringLiteral("2026-12-15")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        db::Database db(test::uniqueName("dup"));
        db.open(test::params(test::Mode::Embedded, dir.path()));
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME='UX_ZERMAAS_ANAHTAR' "
                                          "AND RDB$UNIQUE_FLAG=1"))
                     .toInt(),
                 1);
        db.close();
    }

    void noRuntimeFolderWarning()
    {
        // Started where the session has no runtime folder (ssh, cron): nothing on stderr.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QTemporaryDir tmp;
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        const Run r = cli({QStringLiteral("words"), QStringLiteral("12,50")}, env);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    }

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
        QTest::newRow("date with trailing text") << QStringList{"check", "/tmp", "--today", "2026-12-15Tgarbage"};
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
