// The audit writer: when it writes, what it writes, and that it lives and dies with the
// caller's unit of work.

#include "audit.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;

class TestAudit : public QObject {
    Q_OBJECT

    static int lines(db::Database &d)
    {
        return d.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt();
    }

    static WorkingContext context(const QString &udur, const QString &izl)
    {
        WorkingContext c;
        c.UDUR = udur;
        c.IZL = izl;
        c.userName = QStringLiteral("AYŞE");
        c.userDescription = QStringLiteral("Ayşe Çelik");
        return c;
    }

private slots:
    void writesOnlyWhenLoginAndLoggingAreOn_data()
    {
        QTest::addColumn<QString>("udur");
        QTest::addColumn<QString>("izl");
        QTest::addColumn<int>("expected");
        QTest::newRow("both on") << "E" << "E" << 1;
        QTest::newRow("logging off") << "E" << "H" << 0;
        QTest::newRow("login off") << "H" << "E" << 0;
        QTest::newRow("both empty") << "" << "" << 0;
    }
    void writesOnlyWhenLoginAndLoggingAreOn()
    {
        QFETCH(QString, udur);
        QFETCH(QString, izl);
        QFETCH(int, expected);
        test::FreshDatabase f;
        db::Database d(test::uniqueName("a"));
        d.open(f.params);
        WorkingContext c = context(udur, izl);
        audit::write(d, c, {QStringLiteral("ZER-MAAŞ"), QStringLiteral("D"), QStringLiteral("YIL:2026 AY:3 Birim Kodu:12")});
        QCOMPARE(lines(d), expected);
    }

    void lineContent()
    {
        test::FreshDatabase f;
        db::Database d(test::uniqueName("a"));
        d.open(f.params);
        WorkingContext c = context(QStringLiteral("E"), QStringLiteral("E"));
        const QString longText = QString(160, QLatin1Char('x')) + QStringLiteral("ŞŞ");
        const QDateTime at(QDate(2026, 3, 1), QTime(9, 30, 15));
        audit::write(d, c, {QStringLiteral("SICBIL"), QStringLiteral("Y"), longText}, at);
        QSqlQuery q = d.exec(QStringLiteral("SELECT PRG,TARIH,SAAT,USR,ADSOY,ACIK,BOLUM,TUR,KAYNO1,KAYNO2 FROM IZLEM"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString().trimmed(), QStringLiteral("1"));
        QCOMPARE(q.value(1).toDate(), QDate(2026, 3, 1));
        QCOMPARE(q.value(2).toTime(), QTime(9, 30, 15));
        QCOMPARE(q.value(3).toString(), QStringLiteral("AYŞE"));
        QCOMPARE(q.value(4).toString(), QStringLiteral("Ayşe Çelik"));
        QCOMPARE(q.value(5).toString(), longText.left(150));
        QCOMPARE(q.value(6).toString(), QStringLiteral("SICBIL"));
        QCOMPARE(q.value(7).toString().trimmed(), QStringLiteral("Y"));
        QCOMPARE(q.value(8).toInt(), 0);
    }

    void lineFollowsTheCallersUnitOfWork()
    {
        test::FreshDatabase f;
        db::Database d(test::uniqueName("a"));
        d.open(f.params);
        WorkingContext c = context(QStringLiteral("E"), QStringLiteral("E"));
        const audit::Entry e{QStringLiteral("SICBIL"), QStringLiteral("D"), QStringLiteral("TCK NO: 1")};
        {
            db::Transaction t(d);
            audit::write(d, c, e);
            // the operation fails after its line was written: both go
        }
        QCOMPARE(lines(d), 0);
        {
            db::Transaction t(d);
            audit::write(d, c, e);
            t.commit();
        }
        QCOMPARE(lines(d), 1);
    }

    void failedInsertIsReportedAndTakesTheOperationBack()
    {
        test::FreshDatabase f;
        db::Database d(test::uniqueName("a"));
        d.open(f.params);
        {
            db::Transaction t(d);
            d.exec(QStringLiteral("ALTER TABLE IZLEM ADD ZORUNLU INTEGER NOT NULL"));
            t.commit();
        }
        WorkingContext c = context(QStringLiteral("E"), QStringLiteral("E"));
        bool reported = false;
        {
            db::Transaction t(d);
            d.exec(QStringLiteral("UPDATE PTANIM SET KURUM='DEĞİŞTİ'"));
            try {
                audit::write(d, c, {QStringLiteral("SICBIL"), QStringLiteral("D"), QStringLiteral("x")});
                t.commit();
            } catch (const db::DbError &) {
                reported = true;  // the caller shows the failure and does not say "done"
            }
        }
        QVERIFY(reported);
        QVERIFY(d.scalar(QStringLiteral("SELECT KURUM FROM PTANIM")).toString() != QStringLiteral("DEĞİŞTİ"));
    }
};

QTEST_GUILESS_MAIN(TestAudit)
#include "tst_audit.moc"
