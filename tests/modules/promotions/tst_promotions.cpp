// "TERFİ LİSTESİ" without its window: current and new values, the supplementary-indicator edit,
// the undo, last month's list and its clean-up, the rows read and saved in a real database, and
// the command line's list (golden file).

#include "payrecordfixture.h"
#include "promotions.h"
#include "promotionstore.h"
#include "settingsrow.h"
#include "testsupport.h"

#include <QFile>
#include <QtTest>

using namespace zeran;
using namespace zeran::promotions;
using monthstart::Month;

namespace {

PromotionRow row(int der, int kad, int gos, int egos, std::optional<ArchivedGrades> archived = std::nullopt)
{
    PromotionRow r;
    r.PKAYNO = 1;
    r.BKOD = 1;
    r.PKOD = 1;
    r.record.DER = der;
    r.record.KAD = kad;
    r.record.GOS = gos;
    r.record.EGOS = egos;
    r.record.KIDEM = 7;
    r.archived = archived;
    return r;
}

ArchivedGrades archivedAt(int gos, int egos = 3600)
{
    return {5, 2, gos, egos, 6, 5, 2, gos, egos};
}

void compareGolden(const QString &name, const QByteArray &out)
{
    const QString path = QStringLiteral(ZERAN_PROMOTIONS_GOLDEN "/") + name;
    QFile f(path);
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(out);
        return;
    }
    QVERIFY2(f.open(QIODevice::ReadOnly),
             qPrintable(QStringLiteral("no expected file %1; write it with ZERAN_GOLDEN_UPDATE=1").arg(path)));
    QCOMPARE(QString::fromUtf8(out), QString::fromUtf8(f.readAll()));
}

}  // namespace

class TestPromotions : public QObject {
    Q_OBJECT

private slots:
    void currentAndNewValues()
    {
        // No archive row, or one with indicator 0: the record's own values.
        for (const auto &archived : {std::optional<ArchivedGrades>(), std::optional<ArchivedGrades>(archivedAt(0))}) {
            const CurrentValues c = currentValues(row(8, 3, 900, 0, archived));
            QCOMPARE(c.dk(), QStringLiteral("8/3"));
            QCOMPARE(c.GOS, 900);
            QCOMPARE(c.KIDEM, 7);
        }
        PromotionRow r = row(5, 3, 1320, 3600, archivedAt(1300));
        QCOMPARE(currentValues(r).dk(), QStringLiteral("5/2"));
        QCOMPARE(currentValues(r).GOS, 1300);
        QCOMPARE(currentValues(r).KIDEM, 6);
        QVERIFY(newValues(r).dk.isEmpty());
        QVERIFY(!alreadyPromoted(r));
        r.record.TFA = 1;
        r.record.GF = 20;
        QVERIFY(alreadyPromoted(r));
        QCOMPARE(newValues(r).dk, QStringLiteral("5/3"));
        QCOMPARE(newValues(r).GOS, 1320);
        // A negative difference is no promotion to refuse.
        r.record.GF = -20;
        QVERIFY(!alreadyPromoted(r));
        QCOMPARE(paidValues(row(5, 3, 1320, 0, archivedAt(1300, 2200))).EGOS, 2200);
    }

    void supplementaryEditSetsTheRise_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("entered");
        QTest::addColumn<int>("ekgf");
        QTest::newRow("raised") << 3600 << 4200 << 600;
        QTest::newRow("lowered") << 3600 << 3000 << 0;
        QTest::newRow("same") << 3600 << 3600 << 0;
    }
    void supplementaryEditSetsTheRise()
    {
        QFETCH(int, current);
        QFETCH(int, entered);
        QFETCH(int, ekgf);
        PromotionRow r = row(5, 2, 1300, current, archivedAt(1300, current));
        r.EKGF = 999;  // an earlier edit's rise does not linger
        editSupplementary(r, entered);
        QCOMPARE(r.record.EGOS, entered);
        QCOMPARE(r.EKGF, ekgf);
    }

    void undoRestoresLastMonth()
    {
        PromotionRow r = row(4, 1, 1400, 4800);
        r.record.MDER = 4;
        r.record.MGOS = 1400;
        r.record.TFA = 1;
        r.record.GF = 100;
        r.record.KIDEM = 8;
        r.EKGF = 1200;
        ArchivedGrades a = archivedAt(1300);
        a.MDER = 6;
        a.MGOS = 1250;
        undo(r, a);
        QCOMPARE(r.record.DER, 5);
        QCOMPARE(r.record.GOS, 1300);
        QCOMPARE(r.record.EGOS, 3600);
        QCOMPARE(r.record.MDER, 6);
        QCOMPARE(r.record.MGOS, 1250);
        QCOMPARE(r.record.KIDEM, 6);
        QVERIFY(!r.record.TFA && !r.record.GF && !r.EKGF);

        PromotionRow without = row(4, 1, 1400, 0);
        without.record.TFA = 1;
        without.record.GF = 100;
        undo(without, std::nullopt);
        QCOMPARE(without.record.GOS, 1400);
        QVERIFY(!without.record.TFA && !without.record.GF);
    }

    // ---- Against a database -----------------------------------------------------------------

    void listsCleanUpAndSave_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void listsCleanUpAndSave()
    {
        QFETCH(test::Mode, mode);
        test::payfixture::Db f(mode);
        for (int p = 1; p <= 7; ++p)
            f.person(p, QStringLiteral("KİŞİ%1").arg(p));
        // Working month January 2027: the window 15.01.2027–14.02.2027, last month December 2026.
        f.record(1, 1, 1, QDate(2027, 1, 15));                      // due, first day
        f.record(2, 1, 2, QDate(2027, 2, 14), 1, 300);             // paid in December
        f.record(3, 1, 3, QDate(2027, 2, 15));                      // one day late
        f.record(4, 1, 4, QDate(2027, 1, 20), 1, 320, {}, 100);    // entered this month
        f.record(5, 1, 5, QDate(2027, 1, 20));                      // suspended: listed
        f.set(5, 1, QStringLiteral("DURUM='A'"));
        f.record(6, 1, 6, QDate(2027, 1, 20));                      // not paid: not listed
        f.set(6, 1, QStringLiteral("DURUM='H'"));
        f.record(7, 2, 1, QDate(2027, 1, 20), 1, 300);             // another unit, paid in December
        f.set(1, 1, QStringLiteral("DER=5,KAD=2,GOS=1300,EGOS=3600,KIDEM=9"));
        f.archive(1, 1, 1, 2026, 12, {}, {}, {});
        f.db.exec(QStringLiteral("UPDATE ZERARSIV SET DER=5,KAD=1,GOS=1280,EGOS=3600,KIDEM=8 WHERE PKAYNO=1"));
        f.archive(2, 1, 2, 2026, 12, 1, 300, {});
        f.archive(4, 1, 4, 2026, 12, 1, 300, {});
        f.archive(7, 2, 1, 2026, 12, 1, 300, {});
        f.archive(2, 1, 2, 2025, 12, 1, 300, {});  // a year earlier: not last month

        const Month previous{2026, 12};
        const cal::PayWindow window = cal::payWindow(1, 2027);
        QList<int> listed;
        for (const PromotionRow &r : loadPromotionRows(f.db, 1, previous, window))
            listed << r.PKAYNO;
        QCOMPARE(listed, (QList<int>{1, 2, 4, 5}));
        listed.clear();
        const std::vector<PromotionRow> all = loadPromotionRows(f.db, 1, previous, std::nullopt);
        for (const PromotionRow &r : all)
            listed << r.PKAYNO;
        QCOMPARE(listed, (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(currentValues(all[0]).GOS, 1280);
        QCOMPARE(all[0].TERTAR, QDate(2027, 1, 15));

        QList<int> last;
        for (const LastMonthRow &r : loadLastMonth(f.db, 1, previous))
            last << r.PKAYNO;
        QCOMPARE(last, (QList<int>{2}));

        // The clean-up clears the screen's unit only and keeps an increase entered this month.
        QCOMPARE(clearLastMonth(f.db, 1, previous), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2 AND TFA IS NULL AND GF IS NULL")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=4 AND GF=320 AND EKGF=100")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=7 AND GF=300")), 1);
        QVERIFY(loadLastMonth(f.db, 1, previous).empty());

        // A row saved and read back; its archived row for the undo.
        PromotionRow r = all[0];
        r.record.DER = 5;
        r.record.KAD = 3;
        r.record.GOS = 1320;
        r.record.TFA = 1;
        r.record.GF = 40;
        r.record.KIDEM = 10;
        editSupplementary(r, 4200);
        QCOMPARE(savePromotionRow(f.db, r), 1);
        const PromotionRow back = loadPromotionRows(f.db, 1, previous, std::nullopt).front();
        QCOMPARE(back.record, r.record);
        QCOMPARE(back.EKGF, 600);
        QCOMPARE(archivedGrades(f.db, 1, 1, previous)->GOS, 1280);
        QVERIFY(!archivedGrades(f.db, 1, 1, Month{2026, 11}));
    }

    void commandLineList()
    {
        test::payfixture::Db f;
        settingsrow::storeWorkingYear(f.db, QStringLiteral("2026"));
        f.unit(2, QStringLiteral("FEN İŞLERİ"));
        f.person(1, QStringLiteral("AYŞE"), QStringLiteral("ÇELİK"));
        f.person(2, QStringLiteral("İSMAİL"), QStringLiteral("GÜNEŞ"));
        f.record(1, 2, 1, QDate(2026, 5, 15));
        f.set(1, 2, QStringLiteral("DER=6,KAD=2,GOS=1100,EGOS=0,KIDEM=25"));
        f.record(2, 2, 2, QDate(2026, 4, 20), 1, 40);
        f.set(2, 2, QStringLiteral("DER=3,KAD=3,GOS=1500,EGOS=2200,KIDEM=12"));
        f.archive(2, 2, 2, 2026, 4, 1, 40, {});
        f.db.exec(QStringLiteral("UPDATE ZERARSIV SET DER=3,KAD=3,GOS=1500,EGOS=2200,KIDEM=12 WHERE PKAYNO=2"));
        f.db.close();
        const QString dir = f.fresh.dir.path();
        const QStringList base{QStringLiteral("promotions"), dir, QStringLiteral("--today"), QStringLiteral("2026-05-20"),
                               QStringLiteral("--unit"), QStringLiteral("2"), QStringLiteral("--json")};
        test::CliRun run = test::runCli(base);
        QCOMPARE(run.code, 0);
        compareGolden(QStringLiteral("promotions-may.json"), run.outBytes);
        run = test::runCli(base + QStringList{QStringLiteral("--all")});
        QCOMPARE(run.code, 0);
        compareGolden(QStringLiteral("promotions-may-all.json"), run.outBytes);
        run = test::runCli({QStringLiteral("promotions"), dir, QStringLiteral("--unit"), QStringLiteral("2")});
        QCOMPARE(run.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestPromotions)
#include "tst_promotions.moc"
