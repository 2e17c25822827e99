// The database layer against the embedded engine and against the tests' Firebird server.

#include "testsupport.h"

#include <QtTest>

using namespace zeran;
using zeran::test::Mode;

class TestDatabase : public QObject {
    Q_OBJECT

    struct Scratch {
        QTemporaryDir dir;
        db::ConnectParams params;
        explicit Scratch(Mode m)
        {
            params = test::params(m, dir.path(), QStringLiteral("T.GDB"));
            db::createDatabase(params);
            db::Database d(test::uniqueName("setup"));
            d.open(params);
            db::Transaction t(d);
            d.exec(QStringLiteral("CREATE TABLE T (A INTEGER, S VARCHAR(30))"));
            d.exec(QStringLiteral("CREATE GENERATOR GEN_T"));
            t.commit();
        }
    };

    static void modes()
    {
        QTest::addColumn<Mode>("mode");
        QTest::newRow("embedded") << Mode::Embedded;
        QTest::newRow("server") << Mode::Server;
    }

    static int count(db::Database &d)
    {
        return d.scalar(QStringLiteral("SELECT COUNT(*) FROM T")).toInt();
    }

private slots:
    void connectsTheWayAsked_data() { modes(); }
    void connectsTheWayAsked()
    {
        QFETCH(Mode, mode);
        Scratch s(mode);
        db::Database d(test::uniqueName("c"));
        d.open(s.params);
        const QVariant proto = d.scalar(QStringLiteral(
            "SELECT MON$REMOTE_PROTOCOL FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID=CURRENT_CONNECTION"));
        // Embedded attachments have no remote protocol at all.
        if (mode == Mode::Embedded)
            QVERIFY(proto.isNull());
        else
            QVERIFY(proto.toString().startsWith(QLatin1String("TCP")));
    }

    void turkishTextAndNamedParameters_data() { modes(); }
    void turkishTextAndNamedParameters()
    {
        QFETCH(Mode, mode);
        Scratch s(mode);
        db::Database d(test::uniqueName("c"));
        d.open(s.params);
        const QString text = QStringLiteral("ŞİĞÜÖÇ ışiğüöç");
        {
            db::Transaction t(d);
            // A repeated name binds the same value at both places.
            d.exec(QStringLiteral("INSERT INTO T (A,S) SELECT :N, :S FROM RDB$DATABASE WHERE :N > 0"),
                   {{QStringLiteral("N"), 7}, {QStringLiteral("S"), text}});
            t.commit();
        }
        QSqlQuery q = d.exec(QStringLiteral("SELECT A, S, UPPER(S) FROM T WHERE S=:S"), {{QStringLiteral("S"), text}});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 7);
        QCOMPARE(q.value(1).toString(), text);
        QCOMPARE(q.value(2).toString(), QStringLiteral("ŞİĞÜÖÇ IŞİĞÜÖÇ"));
    }

    void twoConnectionsGetDistinctGeneratorValues_data() { modes(); }
    void twoConnectionsGetDistinctGeneratorValues()
    {
        QFETCH(Mode, mode);
        Scratch s(mode);
        db::Database a(test::uniqueName("a")), b(test::uniqueName("b"));
        a.open(s.params);
        b.open(s.params);
        QSet<qint64> seen;
        // Each inside an open unit of work that is never committed: generators ignore that.
        {
            db::Transaction ta(a), tb(b);
            for (int i = 0; i < 50; ++i) {
                seen.insert(a.nextGeneratorValue(QStringLiteral("GEN_T")));
                seen.insert(b.nextGeneratorValue(QStringLiteral("GEN_T")));
            }
        }
        QCOMPARE(seen.size(), 100);
        // Setting a generator is a definition change: it takes effect when committed.
        b.setGenerator(QStringLiteral("GEN_T"), 500);
        QCOMPARE(a.nextGeneratorValue(QStringLiteral("GEN_T")), 501);
    }

    void generatorNameMustBeAnIdentifier()
    {
        Scratch s(Mode::Embedded);
        db::Database d(test::uniqueName("c"));
        d.open(s.params);
        QVERIFY_THROWS_EXCEPTION(db::DbError, d.nextGeneratorValue(QStringLiteral("GEN_T,1) FROM T; --")));
    }

    void refusedConnectionsAreOneKind_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("what");
        QTest::newRow("embedded, missing file") << Mode::Embedded << "missing";
        QTest::newRow("server, wrong password") << Mode::Server << "password";
        QTest::newRow("server, missing file") << Mode::Server << "missing";
        QTest::newRow("server, nobody listening") << Mode::Server << "port";
    }
    void refusedConnectionsAreOneKind()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, what);
        Scratch s(mode);
        db::ConnectParams p = s.params;
        if (what == QLatin1String("missing"))
            p.path = s.dir.filePath(QStringLiteral("NONE.GDB"));
        else if (what == QLatin1String("password"))
            p.password = QStringLiteral("wrong-password");
        else
            p.server = QStringLiteral("127.0.0.1/1");
        db::Database d(test::uniqueName("r"));
        try {
            d.open(p);
            QFAIL("connection was not refused");
        } catch (const db::DbError &e) {
            QVERIFY2(e.refused(), qPrintable(e.text));
            QVERIFY(!e.text.isEmpty());
        }
        QVERIFY(!d.isOpen());
    }

    void unitsOfWork_data() { modes(); }
    void unitsOfWork()
    {
        QFETCH(Mode, mode);
        Scratch s(mode);
        db::Database a(test::uniqueName("a")), b(test::uniqueName("b"));
        a.open(s.params);
        b.open(s.params);
        const QString ins = QStringLiteral("INSERT INTO T (A,S) VALUES (:A,'x')");

        {  // left without commit: rolled back
            db::Transaction t(a);
            a.exec(ins, {{QStringLiteral("A"), 1}});
        }
        QCOMPARE(count(a), 0);

        {  // an inner unit that fails takes the whole operation with it
            db::Transaction outer(a);
            a.exec(ins, {{QStringLiteral("A"), 2}});
            {
                db::Transaction inner(a);
                a.exec(ins, {{QStringLiteral("A"), 3}});
                inner.rollback();
            }
            QVERIFY_THROWS_EXCEPTION(db::DbError, outer.commit());
        }
        QCOMPARE(count(a), 0);

        {  // one connection's rollback leaves the other's pending work alone
            db::Transaction tb(b);
            b.exec(ins, {{QStringLiteral("A"), 4}});
            {
                db::Transaction ta(a);
                a.exec(ins, {{QStringLiteral("A"), 5}});
                ta.rollback();
            }
            tb.commit();
        }
        QCOMPARE(count(a), 1);
        QCOMPARE(a.scalar(QStringLiteral("SELECT A FROM T")).toInt(), 4);

        {  // a failing statement inside a unit: nothing of the unit is stored
            db::Transaction t(a);
            a.exec(ins, {{QStringLiteral("A"), 6}});
            QVERIFY_THROWS_EXCEPTION(db::DbError, a.exec(QStringLiteral("INSERT INTO NO_SUCH_TABLE VALUES (1)")));
        }
        QCOMPARE(count(a), 1);
        QCOMPARE(a.transactionDepth(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
