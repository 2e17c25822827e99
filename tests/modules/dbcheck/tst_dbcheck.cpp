// The database file check on a real database (embedded and on the test server): what a run
// deletes and makes, the log of a second run (only the start and end lines), and that
// declining, an error half-way, a user other than the super-user or an empty unit list
// change nothing. Then the command line, which only shows without --yes.

#include "dbcheck.h"
#include "testsupport.h"

#include <QSqlRecord>
#include <QtTest>

using namespace zeran;
using namespace zeran::dbcheck;

namespace {

void exec(db::Database &db, const char *sql)
{
    db.exec(QString::fromUtf8(sql));
}

// Units 1 and 2 of this system and 5 of the sibling program; unit 7 no longer exists.
void fill(db::Database &db)
{
    db::Transaction tx(db);
    exec(db, "INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (1,'FEN İŞLERİ','M','N','A')");
    exec(db, "INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (2,'ZABITA','M','N','A')");
    exec(db, "INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (5,'İŞÇİLER','I','N','A')");
    // Person 1 in two units, person 2 with two records in unit 1, person 9 in the lost unit.
    exec(db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (1,1,1,'E')");
    exec(db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (1,2,1,'E')");
    exec(db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (2,1,2,'E')");
    exec(db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (2,1,3,'H')");
    exec(db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (9,7,1,'E')");
    // Ledger: one month already there; person 8 left unit 1; person 9's unit is gone.
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER) VALUES (1,1,'1','2026',3,120.5)");
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER) VALUES (8,1,'1','2024',5,100)");   // paid history: kept
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY) VALUES (8,1,'1','2024',6)");           // empty: deleted
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER) VALUES (8,1,'1','2026',1,90)");    // this year: deleted
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,CEZA) VALUES (9,7,'1','2025',2,4.25)"); // paid history: kept
    exec(db, "INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY) VALUES (9,7,'1','2026',2)");           // deleted
    exec(db, "INSERT INTO ZERNAKBIL (BKOD,NAKTUR,KURAD) VALUES (1,'1','FEN İŞLERİ MÜD.')");
    exec(db, "INSERT INTO ZERNAKBIL (BKOD,NAKTUR) VALUES (7,'2')");
    tx.commit();
}

// Every row of the three tables the check changes, as text.
QString snapshot(const db::Database &db)
{
    QStringList out;
    for (const char *sql : {"SELECT PKAYNO,BKOD,PKOD,DURUM FROM ZERBORBIL ORDER BY 1,2,3",
                            "SELECT PKAYNO,BKOD,TUR,YIL,AY,ZER,CEZA FROM EMKES ORDER BY 1,2,3,4,5",
                            "SELECT BKOD,NAKTUR,KURAD FROM ZERNAKBIL ORDER BY 1,2"}) {
        QSqlQuery q = db.exec(QString::fromUtf8(sql));
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i).toString();
            out << row.join(QLatin1Char('|'));
        }
        out << QStringLiteral("--");
    }
    return out.join(QLatin1Char('\n'));
}

int count(const db::Database &db, const char *sql)
{
    return db.scalar(QString::fromUtf8(sql)).toInt();
}

struct Fixture {
    explicit Fixture(test::Mode mode, bool withRows = true) : fresh(mode), db(test::uniqueName("dbcheck"))
    {
        db.open(fresh.params);
        if (withRows)
            fill(db);
        ctx.CYIL = QStringLiteral("2026");
        ctx.KULNO = 1;
    }
    test::FreshDatabase fresh;
    db::Database db;
    WorkingContext ctx;
};

Hooks answering(bool yes, int *asked = nullptr, QList<int> *progress = nullptr)
{
    Hooks h;
    h.confirm = [yes, asked](const Counts &) {
        if (asked)
            ++*asked;
        return yes;
    };
    if (progress)
        h.progress = [progress](int p) { progress->append(p); };
    return h;
}

}  // namespace

class TestDbCheck : public QObject {
    Q_OBJECT

private slots:
    void modes_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }

    void runTwice_data() { modes_data(); }
    void runTwice()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        int asked = 0;
        QList<int> progress;
        const Outcome first = run(f.db, f.ctx, answering(true, &asked, &progress));
        QCOMPARE(first.status, Outcome::Status::Done);
        QCOMPARE(asked, 1);
        QCOMPARE(progress, (QList<int>{30, 80, 90, 100}));
        QCOMPARE(first.counts.payRecordsDeleted, 1);
        QCOMPARE(first.counts.ledgerRowsCreated, 3 * 12 - 1);  // (1,1), (2,1), (1,2): one month was there
        QCOMPARE(first.counts.ledgerRowsDeleted, 3);
        QCOMPARE(first.counts.planHeadersDeleted, 1);
        QCOMPARE(first.counts.planHeadersCreated, 3 * 3 - 1);  // units 1, 2 and the sibling's 5
        QCOMPARE(first.log, logOf(first.counts));
        QVERIFY(first.log.contains(QStringLiteral("PERSONEL TANIMLARINDA TANIMSIZ 1 BİRİM KAYDI SİLİNDİ")));
        QVERIFY(first.log.contains(QStringLiteral("BULUNMAYAN 35 EMEKLİ KESENEKLERİ KAYDI OLUŞTURULDU")));
        QVERIFY(first.log.contains(QStringLiteral("NAKİT TANIMLARINDA TANIMSIZ 1 KURUM KAYDI SİLİNDİ")));
        QVERIFY(first.log.contains(QStringLiteral("NAKİT TANIMLARINDA BULUNMAYAN 8 KAYIT OLUŞTURULDU")));

        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=7"), 0);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE PKAYNO=1 AND BKOD=2 AND YIL='2026' AND TUR='1'"), 12);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE PKAYNO=2 AND BKOD=1 AND YIL='2026'"), 12);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE PKAYNO=1 AND BKOD=1 AND AY=3 AND ZER=120.5"), 1);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE PKAYNO=8"), 1);  // the paid 2024 month
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE PKAYNO=9"), 1);  // the paid 2025 month
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES WHERE ZER IS NOT NULL AND PKAYNO=1 AND AY<>3"), 0);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=5"), 3);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=1 AND NAKTUR='1' AND KURAD='FEN İŞLERİ MÜD.'"), 1);

        const QString after = snapshot(f.db);
        asked = 0;
        const Outcome second = run(f.db, f.ctx, answering(true, &asked));
        QCOMPARE(second.status, Outcome::Status::Done);
        QCOMPARE(asked, 0);
        QCOMPARE(second.log, startLines() + endLines());
        QCOMPARE(second.log, (QStringList{QStringLiteral("KONTROL İŞLEMİ BASLADI. LÜTFEN BEKLEYİNİZ.........."), QString(),
                                          QString(), QStringLiteral("KONTROL İŞLEMİ SONA ERMİŞTİR.")}));
        QCOMPARE(snapshot(f.db), after);
    }

    // No, an error half-way, another user and an empty unit list leave every row as it was.
    void nothingChanges_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::addColumn<QString>("how");
        for (const char *how : {"declined", "error after step 1", "error after step 3", "not the super-user"}) {
            QTest::addRow("embedded, %s", how) << test::Mode::Embedded << QString::fromLatin1(how);
            QTest::addRow("server, %s", how) << test::Mode::Server << QString::fromLatin1(how);
        }
    }
    void nothingChanges()
    {
        QFETCH(test::Mode, mode);
        QFETCH(QString, how);
        Fixture f(mode);
        const QString before = snapshot(f.db);
        Hooks hooks = answering(how != QLatin1String("declined"));
        Outcome::Status expected = Outcome::Status::Failed;
        if (how == QLatin1String("declined"))
            expected = Outcome::Status::Declined;
        if (how.startsWith(QLatin1String("error"))) {
            const int at = how.endsWith(QLatin1Char('1')) ? 1 : 3;
            hooks.afterStep = [at](int step) {
                if (step == at)
                    throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("deadlock (sınama)"));
            };
        }
        if (how == QLatin1String("not the super-user")) {
            f.ctx.KULNO = 2;
            expected = Outcome::Status::Refused;
        }
        const Outcome out = run(f.db, f.ctx, hooks);
        QCOMPARE(out.status, expected);
        QCOMPARE(snapshot(f.db), before);
        QCOMPARE(out.log.first(), kStarted.toString());
        QCOMPARE(out.log.last(), kEnded.toString());
        for (const QString &line : out.log)
            QVERIFY2(!line.contains(QStringLiteral("SİLİNDİ")) && !line.contains(QStringLiteral("OLUŞTURULDU")),
                     qPrintable(line));
        if (expected == Outcome::Status::Failed)
            QVERIFY(out.log.contains(QStringLiteral("HATA: deadlock (sınama)")));
        if (expected == Outcome::Status::Refused)
            QCOMPARE(out.message, kSuperUserOnly.toString());
        // The database is usable afterwards: the check runs through.
        f.ctx.KULNO = 1;
        QCOMPARE(run(f.db, f.ctx, answering(true)).status, Outcome::Status::Done);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=7"), 0);
    }

    void refusedWithoutUnits()
    {
        Fixture f(test::Mode::Embedded, false);
        exec(f.db, "INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (1,1,1,'E')");
        const Outcome out = run(f.db, f.ctx, answering(true));
        QCOMPARE(out.status, Outcome::Status::Refused);
        QCOMPARE(out.message, kNoUnits.toString());
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM ZERBORBIL"), 1);
        QCOMPARE(count(f.db, "SELECT COUNT(*) FROM EMKES"), 0);
    }

    void commandLine()
    {
        Fixture f(test::Mode::Embedded);
        exec(f.db, "UPDATE PTANIM SET CYIL='2026'");
        const QString before = snapshot(f.db);
        f.db.close();
        const QString dir = f.fresh.dir.path();

        const test::CliRun shown = test::runCli({QStringLiteral("db-check"), dir});
        QVERIFY2(shown.code == 0, qPrintable(shown.err));
        QVERIFY(shown.out.contains(QStringLiteral("Oluşturulacak emekli kesenekleri kaydı: 35")));
        QVERIFY(shown.out.contains(kDeclined.toString()));
        f.db.open(f.fresh.params);
        QCOMPARE(snapshot(f.db), before);
        f.db.close();

        const test::CliRun kept = test::runCli({QStringLiteral("db-check"), dir, QStringLiteral("--yes")});
        QVERIFY2(kept.code == 0, qPrintable(kept.err));
        QVERIFY(kept.out.contains(QStringLiteral("BULUNMAYAN 35 EMEKLİ KESENEKLERİ KAYDI OLUŞTURULDU")));
        const test::CliRun again = test::runCli({QStringLiteral("db-check"), dir, QStringLiteral("--yes")});
        QVERIFY2(again.code == 0, qPrintable(again.err));
        QCOMPARE(again.out, (startLines() + endLines()).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
};

QTEST_GUILESS_MAIN(TestDbCheck)
#include "tst_dbcheck.moc"
