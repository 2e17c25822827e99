// Creating both databases from nothing, the version gate, and the upgrade to 25.001.

#include "clock.h"
#include "schema.h"
#include "session.h"
#include "testsupport.h"

#include <QtTest>

using namespace zeran;
using zeran::test::Mode;

namespace {

QStringList tables(db::Database &d)
{
    QStringList out;
    QSqlQuery q = d.exec(QStringLiteral(
        "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG,0)=0"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

bool hasColumn(db::Database &d, const QString &table, const QString &column)
{
    return d.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME=:T "
                                   "AND TRIM(RDB$FIELD_NAME)=:C"),
                    {{QStringLiteral("T"), table}, {QStringLiteral("C"), column}})
               .toInt() == 1;
}

// The database as the previous program version left it: without the columns that 25.001
// adds, at version 24.012, with cash-definition rows of 2023 and 2024 in both programs.
void makePrevious(db::Database &d)
{
    {
        db::Transaction t(d);
        for (const char *table : {"ZERNAKTAN", "ISCNAKTAN"})
            d.exec(QStringLiteral("ALTER TABLE %1 DROP KKOD, DROP FKOD, DROP FTIP, DROP EKOD, DROP CKOD").arg(QLatin1String(table)));
        for (const char *table : {"ZERQRNAK", "ISCQRNAK"})
            d.exec(QStringLiteral("ALTER TABLE %1 DROP KKOD, DROP FKOD, DROP FTIP, DROP EKOD").arg(QLatin1String(table)));
        d.exec(QStringLiteral("ALTER TABLE PTANIM DROP MUHYOL, DROP NUFUS"));
        t.commit();
    }
    db::Transaction t(d);
    int harno = 1;
    for (const char *table : {"ZERNAKTAN", "ISCNAKTAN"})
        for (int year : {2022, 2023, 2024, 2025})
            d.exec(QStringLiteral("INSERT INTO %1 (HARNO,BKOD,YIL,ACIK) VALUES (:H,1,:Y,'x')").arg(QLatin1String(table)),
                   {{QStringLiteral("H"), harno++}, {QStringLiteral("Y"), year}});
    d.exec(QStringLiteral("UPDATE PTANIM SET VER='24.012'"));
    t.commit();
}

int rows(db::Database &d, const char *table)
{
    return d.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt();
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void newMainDatabaseHoldsEveryTable_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::newRow("embedded") << Mode::Embedded;
        QTest::newRow("server") << Mode::Server;
    }
    void newMainDatabaseHoldsEveryTable()
    {
        QFETCH(Mode, mode);
        test::FreshDatabase f(mode);
        db::Database d(test::uniqueName("s"));
        d.open(f.params);
        const QStringList have = tables(d);
        const QStringList required = {
            // settings, units, registry, pay records, code lists
            "PTANIM", "BIRIM", "SICIL", "ZERBORBIL", "UNTAN", "TNM", "IL", "ILCE", "HIZSNF", "HIZSNF1", "PRNOUT",
            // users and rights, audit
            "USERS", "RIGHTS", "IZLEM",
            // rates, definitions, ledgers, indicators
            "ZERKANOR", "VEROR", "ZERHESTUR", "ZERKES", "SENDIKA", "BESFIRMA", "COCUK", "ICRA", "HIZBOR",
            "GOSTAN", "EKGOSTAN", "ELOHT",
            // results and snapshots, accounting definitions and postings, contributions, leave
            "ZERMAAS", "ZERARSIV", "ZERNAKBIL", "ZERNAKTAN", "ZERQRNAK", "EMKES", "QREMKES", "IZIN", "IZINMIKTAR",
            // the sibling program's tables this system reads or alters
            "ISCKANOR", "ISCNAKTAN", "ISCQRNAK"};
        for (const QString &t : required)
            QVERIFY2(have.contains(t), qPrintable(t));
        for (const char *g : {"GEN_PKAYNO", "GEN_HARNO", "GEN_KAYNO"})
            QVERIFY(d.nextGeneratorValue(QLatin1String(g)) > 0);
        QCOMPARE(rows(d, "PTANIM"), 1);
        QCOMPARE(schema::readVersionText(d), QStringLiteral("25.001"));
        QVERIFY(hasColumn(d, "PTANIM", "MUHYOL"));
        // A new institution works in the year it was set up, with the 81 provinces by plate
        // code and no made-up districts.
        QCOMPARE(d.scalar(QStringLiteral("SELECT CYIL FROM PTANIM")).toString().trimmed(),
                 QString::number(clock::today().year()));
        QCOMPARE(rows(d, "IL"), 81);
        QCOMPARE(d.scalar(QStringLiteral("SELECT ILADI FROM IL WHERE ILKOD=34")).toString().trimmed(), QStringLiteral("İSTANBUL"));
        QCOMPARE(d.scalar(QStringLiteral("SELECT ILADI FROM IL WHERE ILKOD=81")).toString().trimmed(), QStringLiteral("DÜZCE"));
        QCOMPARE(rows(d, "ILCE"), 0);
        // One row per pay record, kind and month: the database's own unique keys.
        QCOMPARE(d.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$UNIQUE_FLAG=1 AND RDB$INDEX_NAME IN "
                                         "('UX_ZERMAAS_ANAHTAR','UX_ZERARSIV_ANAHTAR')"))
                     .toInt(),
                 2);
        // Turkish collation is the database default: upper-casing follows Turkish rules.
        {
            db::Transaction t(d);
            d.exec(QStringLiteral("UPDATE PTANIM SET KURUM=:K"), {{QStringLiteral("K"), QStringLiteral("ışiğ")}});
            QCOMPARE(d.scalar(QStringLiteral("SELECT UPPER(KURUM) FROM PTANIM")).toString(), QStringLiteral("IŞİĞ"));
        }
    }

    void newAccountingDatabase()
    {
        QTemporaryDir dir;
        const db::ConnectParams p = test::params(Mode::Embedded, dir.path(), QStringLiteral("ANALITIK.GDB"));
        schema::createAccountingDatabase(p);
        db::Database d(test::uniqueName("m"));
        d.open(p);
        const QStringList have = tables(d);
        for (const char *t : {"TANIM", "BIRIM", "YEVMIYE", "MUHHAR", "CARI", "HPLAN", "GIDBUT", "EKNKOD"})
            QVERIFY2(have.contains(QLatin1String(t)), t);
        QVERIFY(d.nextGeneratorValue(QStringLiteral("GEN_YEVKAYNO")) > 0);
        QVERIFY(d.nextGeneratorValue(QStringLiteral("GEN_YEVNO")) > 0);
        QSqlQuery q = d.exec(QStringLiteral("SELECT K1,K2,K3,K4,FISOH FROM TANIM"));
        QVERIFY(q.next());
    }

    void creatingOverAnExistingFileFails()
    {
        test::FreshDatabase f;
        QVERIFY_THROWS_EXCEPTION(db::DbError, schema::createMainDatabase(f.params));
        db::Database d(test::uniqueName("s"));
        d.open(f.params);  // the existing one is untouched
        QCOMPARE(schema::readVersionText(d), QStringLiteral("25.001"));
    }

    void scriptSplitting()
    {
        const QStringList s = schema::splitScript(QStringLiteral(
            "-- comment\nCREATE TABLE A (\n  X INTEGER\n);\n\nINSERT INTO A VALUES (1);\r\nUPDATE A SET X=2;"));
        QCOMPARE(s.size(), 3);
        QCOMPARE(s[0], QStringLiteral("CREATE TABLE A (\n  X INTEGER\n)"));
        QCOMPARE(s[1], QStringLiteral("INSERT INTO A VALUES (1)"));
        QCOMPARE(s[2], QStringLiteral("UPDATE A SET X=2"));
    }

    void versionGate_data()
    {
        QTest::addColumn<QString>("ver");
        QTest::addColumn<int>("expected");
        QTest::newRow("equal") << "25.001" << int(GateResult::Equal);
        QTest::newRow("higher") << "25.002" << int(GateResult::ProgramTooOld);
        QTest::newRow("unreadable") << "2X.0" << int(GateResult::Unreadable);
    }
    void versionGate()
    {
        QFETCH(QString, ver);
        QFETCH(int, expected);
        test::FreshDatabase f;
        Session s;
        s.openMain(f.params);
        {
            db::Transaction t(s.main());
            s.main().exec(QStringLiteral("UPDATE PTANIM SET VER=:V"), {{QStringLiteral("V"), ver}});
            t.commit();
        }
        QCOMPARE(int(s.versionGate()), expected);
        QCOMPARE(schema::readVersionText(s.main()), ver);  // nothing changed
    }

    void olderDatabaseIsUpgraded()
    {
        test::FreshDatabase f;
        Session s;
        s.openMain(f.params);
        makePrevious(s.main());
        QVERIFY(!hasColumn(s.main(), "PTANIM", "MUHYOL"));

        QCOMPARE(s.versionGate(), GateResult::Upgraded);

        db::Database d(test::uniqueName("check"));
        d.open(f.params);
        QCOMPARE(schema::readVersionText(d), QStringLiteral("25.001"));
        for (const char *c : {"KKOD", "FKOD", "FTIP", "EKOD", "CKOD"}) {
            QVERIFY(hasColumn(d, "ZERNAKTAN", c));
            QVERIFY(hasColumn(d, "ISCNAKTAN", c));
        }
        for (const char *c : {"KKOD", "FKOD", "FTIP", "EKOD"}) {
            QVERIFY(hasColumn(d, "ZERQRNAK", c));
            QVERIFY(hasColumn(d, "ISCQRNAK", c));
        }
        QVERIFY(hasColumn(d, "PTANIM", "MUHYOL"));
        QVERIFY(hasColumn(d, "PTANIM", "NUFUS"));
        // Rows before 2024 are gone in both programs; 2024 and later stay.
        QCOMPARE(rows(d, "ZERNAKTAN"), 2);
        QCOMPARE(rows(d, "ISCNAKTAN"), 2);
        QCOMPARE(d.scalar(QStringLiteral("SELECT MIN(YIL) FROM ZERNAKTAN")).toInt(), 2024);
    }

    void failedUpgradeLeavesTheDatabaseAsItWas()
    {
        test::FreshDatabase f;
        Session s;
        s.openMain(f.params);
        makePrevious(s.main());
        {
            // One column already there: the fourth statement fails after three succeeded.
            db::Transaction t(s.main());
            s.main().exec(QStringLiteral("ALTER TABLE ISCQRNAK ADD KKOD VARCHAR(11)"));
            t.commit();
        }
        QString detail;
        QCOMPARE(s.versionGate(&detail), GateResult::UpgradeFailed);
        QVERIFY(!detail.isEmpty());

        db::Database d(test::uniqueName("check"));
        d.open(f.params);
        QCOMPARE(schema::readVersionText(d), QStringLiteral("24.012"));
        QVERIFY(!hasColumn(d, "ZERNAKTAN", "KKOD"));
        QVERIFY(!hasColumn(d, "ZERQRNAK", "KKOD"));
        QCOMPARE(rows(d, "ZERNAKTAN"), 4);
    }

    void upgradeTwiceFailsAtTheFirstStatement()
    {
        test::FreshDatabase f;
        db::Database d(test::uniqueName("s"));
        d.open(f.params);
        QVERIFY_THROWS_EXCEPTION(db::DbError, schema::upgradeTo25001(d));
        QCOMPARE(schema::readVersionText(d), QStringLiteral("25.001"));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
