// Settings store defaults and the single-instance lock.

#include "settings.h"
#include "singleinstance.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

using namespace zeran;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QSettings(QStringLiteral("ZIVO"), QStringLiteral("ZERAN")).clear();
    }

    void emptyStoreGetsTheStartDefaults()
    {
        AppSettings s = AppSettings::read();
        QVERIFY(s.YIL.isEmpty() && s.YOL.isEmpty() && s.SRV.isEmpty());
        s.applyStartDefaults(QStringLiteral("/opt/zeran"), QDate(2026, 3, 15));
        s.write(kStartValues);
        s.applyOutputDefaults(QStringLiteral("/opt/zeran"));
        s.write({"EMKYOL", "BANYOL"});

        const AppSettings back = AppSettings::read();
        QCOMPARE(back.YIL, QStringLiteral("2026"));
        QCOMPARE(back.YOL, QStringLiteral("/opt/zeran/DATA"));
        QCOMPARE(back.VT, QStringLiteral("1"));
        QCOMPARE(back.USR, QStringLiteral("ZIVO"));
        QCOMPARE(back.ASitil, QStringLiteral("Windows"));
        QCOMPARE(back.EMKYOL, QStringLiteral("/opt/zeran/EMKES"));
        QCOMPARE(back.BANYOL, QStringLiteral("/opt/zeran/BANKA"));
        QCOMPARE(back.SRV, QString());
        QCOMPARE(back.BFORM, QString());
        QCOMPARE(back.NVIYOL, QString());
        // Written under the value names installations already use.
        QSettings raw(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
        QCOMPARE(raw.value(QStringLiteral("ASitil")).toString(), QStringLiteral("Windows"));
    }

    void storedValuesAreKept()
    {
        QSettings raw(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
        raw.setValue(QStringLiteral("YOL"), QStringLiteral("/srv/data"));
        raw.setValue(QStringLiteral("SRV"), QStringLiteral("dbhost"));
        raw.setValue(QStringLiteral("YIL"), QStringLiteral("2025"));
        raw.sync();
        AppSettings s = AppSettings::read();
        s.applyStartDefaults(QStringLiteral("/x"), QDate(2026, 1, 2));
        QCOMPARE(s.YOL, QStringLiteral("/srv/data"));
        QCOMPARE(s.SRV, QStringLiteral("dbhost"));
        QCOMPARE(s.YIL, QStringLiteral("2025"));
    }

    void databaseLocations_data()
    {
        QTest::addColumn<QString>("srv");
        QTest::addColumn<QString>("muhyol");
        QTest::addColumn<QString>("yol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("local, own folder") << "" << "/muh" << "/data" << "/muh/ANALITIK.GDB";
        QTest::newRow("local, empty means YOL") << "" << "  " << "/data/" << "/data/ANALITIK.GDB";
        QTest::newRow("server, empty means YOL") << "dbhost" << "" << "/data" << "dbhost:/data/ANALITIK.GDB";
    }
    void databaseLocations()
    {
        QFETCH(QString, srv);
        QFETCH(QString, muhyol);
        QFETCH(QString, yol);
        QFETCH(QString, expected);
        QCOMPARE(accountingDatabaseLocation(srv, muhyol, yol), expected);
        QCOMPARE(mainDatabasePath(yol), QString(yol.endsWith('/') ? yol.chopped(1) : yol) + "/PERSONEL.GDB");
    }

    void secondInstanceIsRefusedAndAKilledHolderDoesNotBlock()
    {
        const QString name = QStringLiteral("ZERAN-TEST-LOCK");
        // A holder in another process.
        QProcess holder;
        holder.setProgram(QCoreApplication::applicationFilePath());
        holder.setArguments({QStringLiteral("--hold-lock"), name});
        holder.start();
        QVERIFY(holder.waitForReadyRead(10000));  // says "held" once it has the lock

        SingleInstance second(name);
        QVERIFY(!second.acquire());

        holder.kill();  // no chance to clean up
        QVERIFY(holder.waitForFinished(10000));
        SingleInstance third(name);
        QVERIFY(third.acquire());
        SingleInstance fourth(name);
        QVERIFY(!fourth.acquire());
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--hold-lock") {
        QCoreApplication app(argc, argv);
        SingleInstance lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.acquire())
            return 1;
        fputs("held\n", stdout);
        fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestSettings t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_settings.moc"
