// The leave tables on a real database (embedded and on the test server): a leave stored,
// changed and deleted with its Turkish memo fields, the balance through the command line,
// the yearly days for a unit's list, the carry into a new year (twice adds nothing, a
// failure is reported and the others are stored), and the entitlement list.

#include "leavefixture.h"
#include "leavestore.h"
#include "testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace zeran;
using namespace zeran::leave;

namespace {

struct Fixture {
    explicit Fixture(test::Mode mode) : fresh(mode), db(test::uniqueName("leave"))
    {
        db.open(fresh.params);
        test::leave::fillInstitution(db);
    }
    test::FreshDatabase fresh;
    db::Database db;
    WorkingContext ctx;
};

Leave yearly(int pk, int days, QDate from, QDate to, int kind = kYearlyLeave)
{
    Leave l;
    l.PKAYNO = pk;
    l.ITUR = kind;
    l.MIKTAR = days;
    l.BASTAR = from;
    l.BITTAR = to;
    return l;
}

int rows(const db::Database &db, const QString &sql)
{
    return db.scalar(sql).toInt();
}

}  // namespace

class TestLeaveData : public QObject {
    Q_OBJECT

private slots:
    void modes_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }

    void leaveIsStoredChangedAndDeleted_data() { modes_data(); }
    void leaveIsStoredChangedAndDeleted()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        Leave l = yearly(1, 12, QDate(2026, 7, 1), QDate(2026, 7, 15));
        l.OTAR = QDate(2026, 6, 20);
        l.OSAY = QStringLiteral("2026/45");
        l.ADRES = QStringLiteral("Çiçek Sk. 3\nİzmir ĞÜŞİÖÇ ığüşöç");
        l.NOT = QStringLiteral("Uygun görülmüştür.");
        l.TEL = QStringLiteral("0232 111");
        l.YET1 = QStringLiteral("ŞÜKRÜ ÖZ");
        l.UNV1 = QStringLiteral("MÜDÜR");
        l.YET = QStringLiteral("OĞUZ IŞIK");
        l.UNV = QStringLiteral("BAŞKAN");
        l.HARNO = saveLeave(f.db, f.ctx, l);
        QVERIFY(l.HARNO > 0);
        Leave other = yearly(1, 3, QDate(2026, 2, 1), QDate(2026, 2, 4), 2);
        other.HARNO = saveLeave(f.db, f.ctx, other);
        QVERIFY(other.HARNO != l.HARNO);

        std::vector<Leave> read = leavesOf(f.db, 1);
        QCOMPARE(read.size(), std::size_t(2));
        QCOMPARE(read[0].HARNO, other.HARNO);  // by start date
        const Leave &back = read[1];
        QCOMPARE(back.ADRES, l.ADRES);
        QCOMPARE(back.NOT, l.NOT);
        QCOMPARE(back.OSAY, l.OSAY);
        QCOMPARE(back.OTAR, l.OTAR);
        QCOMPARE(back.YET1, l.YET1);
        QCOMPARE(back.UNV, l.UNV);
        QCOMPARE(back.MIKTAR, 12);
        QCOMPARE(back.ITUR, 1);

        l.MIKTAR = 10;
        l.BITTAR = QDate(2026, 7, 13);
        QCOMPARE(saveLeave(f.db, f.ctx, l), l.HARNO);
        read = leavesOf(f.db, 1);
        QCOMPARE(read.size(), std::size_t(2));
        QCOMPARE(read[1].MIKTAR, 10);
        QCOMPARE(read[1].BITTAR, QDate(2026, 7, 13));

        deleteLeave(f.db, f.ctx, 1, other.HARNO);
        read = leavesOf(f.db, 1);
        QCOMPARE(read.size(), std::size_t(1));
        QCOMPARE(read[0].HARNO, l.HARNO);

        // A leave deleted meanwhile is not silently "changed".
        other.MIKTAR = 4;
        QVERIFY_THROWS_EXCEPTION(db::DbError, saveLeave(f.db, f.ctx, other));
        QCOMPARE(leavesOf(f.db, 1).size(), std::size_t(1));
    }

    // The balance with mixed kinds and a leave across the year end, read through the store and
    // through the command line's JSON.
    void balanceThroughTheCommandLine()
    {
        Fixture f(test::Mode::Embedded);
        test::leave::entitlement(f.db, 1, "2025", 30, 0);
        test::leave::entitlement(f.db, 1, "2026", 30, 25);
        saveLeave(f.db, f.ctx, yearly(1, 5, QDate(2025, 3, 1), QDate(2025, 3, 6)));
        saveLeave(f.db, f.ctx, yearly(1, 10, QDate(2025, 12, 24), QDate(2026, 1, 5)));
        saveLeave(f.db, f.ctx, yearly(1, 7, QDate(2026, 2, 1), QDate(2026, 2, 8), 2));
        saveLeave(f.db, f.ctx, yearly(1, 3, QDate(2026, 5, 1), QDate(2026, 5, 4), 4));
        saveLeave(f.db, f.ctx, yearly(1, 4, QDate(2026, 6, 1), QDate(2026, 6, 5)));
        const Balance b = loadBalance(f.db, 1, 2026);
        QCOMPARE(b.carried, 25);
        QCOMPARE(b.current, 30);
        QCOMPARE(b.used, 14);
        QCOMPARE(b.remaining, 41);
        const Balance none = loadBalance(f.db, 2, 2026);
        QCOMPARE(none.carried + none.current + none.used + none.remaining, 0);
        f.db.close();

        const test::CliRun run = test::runCli({QStringLiteral("leave"), QStringLiteral("balance"), f.fresh.dir.path(),
                                               QStringLiteral("--person"), QStringLiteral("1"), QStringLiteral("--year"),
                                               QStringLiteral("2026"), QStringLiteral("--json")});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QJsonObject o = QJsonDocument::fromJson(run.outBytes).object();
        QCOMPARE(o.value(QStringLiteral("carried")).toInt(), 25);
        QCOMPARE(o.value(QStringLiteral("current")).toInt(), 30);
        QCOMPARE(o.value(QStringLiteral("used")).toInt(), 14);
        QCOMPARE(o.value(QStringLiteral("remaining")).toInt(), 41);
        QCOMPARE(o.value(QStringLiteral("name")).toString(), QStringLiteral("AYŞE ÇELİK"));

        const struct {
            QStringList args;
            int code;
        } bad[] = {
            {{QStringLiteral("--person"), QStringLiteral("9"), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--json")}, 2},
            {{QStringLiteral("--person"), QStringLiteral("1"), QStringLiteral("--year"), QStringLiteral("26"), QStringLiteral("--json")}, 2},
            {{QStringLiteral("--person"), QStringLiteral("x"), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--json")}, 2},
            {{QStringLiteral("--person"), QStringLiteral("1"), QStringLiteral("--year"), QStringLiteral("2026")}, 2},
        };
        for (const auto &c : bad) {
            const test::CliRun r = test::runCli(QStringList{QStringLiteral("leave"), QStringLiteral("balance"), f.fresh.dir.path()} + c.args);
            QVERIFY2(r.code == c.code, qPrintable(c.args.join(QLatin1Char(' ')) + QStringLiteral(": ") + r.err));
        }
    }

    // "Yıllık İzin Giriş" sets GUN of the year for every listed person and keeps DEVIR.
    void yearDaysForTheList_data() { modes_data(); }
    void yearDaysForTheList()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        test::leave::entitlement(f.db, 1, "2026", 20, 7);
        std::vector<int> people;
        for (const Person &p : unitPeople(f.db, 1))
            people.push_back(p.PKAYNO);
        QCOMPARE(people, (std::vector<int>{1, 2}));  // one line for two pay records; unpaid left out
        setYearDays(f.db, f.ctx, people, QStringLiteral("2026"), 24);
        const auto one = entitlementsOf(f.db, 1);
        QCOMPARE(one.size(), std::size_t(1));
        QCOMPARE(one[0].GUN, 24);
        QCOMPARE(one[0].DEVIR, 7);
        const auto two = entitlementsOf(f.db, 2);
        QCOMPARE(two.size(), std::size_t(1));
        QCOMPARE(two[0].GUN, 24);
        QVERIFY(entitlementsOf(f.db, 3).empty());
    }

    // "Tümünü Aktar": a row of the chosen year with 30 days and the days carried from the year
    // before, for every person of the unit without one; a second run adds nothing; a person
    // whose figure does not fit is reported and the others are stored.
    void carryIntoANewYear_data() { modes_data(); }
    void carryIntoANewYear()
    {
        QFETCH(test::Mode, mode);
        Fixture f(mode);
        test::leave::entitlement(f.db, 1, "2025", 30, 5);
        saveLeave(f.db, f.ctx, yearly(1, 8, QDate(2025, 8, 1), QDate(2025, 8, 9)));
        saveLeave(f.db, f.ctx, yearly(1, 6, QDate(2025, 12, 29), QDate(2026, 1, 6)));  // used in 2026
        saveLeave(f.db, f.ctx, yearly(1, 9, QDate(2025, 9, 1), QDate(2025, 9, 10), 2)); // sick: not counted
        test::leave::entitlement(f.db, 2, "2026", 15, 0);                               // already has a row
        test::leave::entitlement(f.db, 3, "2025", 32000, 32000);                        // does not fit DEVIR

        const CarryResult first = carryOver(f.db, f.ctx, 1, QStringLiteral("2026"));
        QCOMPARE(first.added, 1);
        QCOMPARE(first.failures.size(), 1);
        QVERIFY(first.failures[0].startsWith(QStringLiteral("3:")));
        const auto one = entitlementsOf(f.db, 1);
        QCOMPARE(one.size(), std::size_t(2));
        QCOMPARE(one[1].YIL, QStringLiteral("2026"));
        QCOMPARE(one[1].GUN, kYearDays);
        QCOMPARE(one[1].DEVIR, 30 + 5 - 8);
        const auto two = entitlementsOf(f.db, 2);
        QCOMPARE(two.size(), std::size_t(1));
        QCOMPARE(two[0].GUN, 15);
        QCOMPARE(entitlementsOf(f.db, 3).size(), std::size_t(1));
        QVERIFY(entitlementsOf(f.db, 4).empty());  // another unit

        const int before = rows(f.db, QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR"));
        const CarryResult second = carryOver(f.db, f.ctx, 1, QStringLiteral("2026"));
        QCOMPARE(second.added, 0);
        QCOMPARE(rows(f.db, QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR")), before);

        // The list: one line a person, whatever the pay records; the unpaid person left out.
        const auto unitList = entitlementList(f.db, QStringLiteral("2026"), 1);
        QCOMPARE(unitList.size(), std::size_t(2));
        QCOMPARE(unitList[0].ADSOY, QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(unitList[0].GUN, 30);
        QCOMPARE(unitList[1].ADSOY, QStringLiteral("OĞUZ IŞIK"));
        test::leave::entitlement(f.db, 4, "2026", 30, 0);
        QCOMPARE(entitlementList(f.db, QStringLiteral("2026"), 0).size(), std::size_t(3));
        QCOMPARE(entitlementList(f.db, QStringLiteral("2025"), 0).size(), std::size_t(1));
    }

    void choosers()
    {
        Fixture f(test::Mode::Embedded);
        test::leave::unit(f.db, 4, "ESKİ BİRİM", "M", "P");
        const auto active = leaveUnits(f.db);
        QCOMPARE(active.size(), std::size_t(2));  // the passive unit and the sibling's are left out
        QCOMPARE(active[0].BIRIM, QStringLiteral("FEN İŞLERİ"));
        QCOMPARE(allUnits(f.db).size(), std::size_t(3));
        const auto p = person(f.db, 1);
        QVERIFY(p);
        QCOMPARE(p->UNVAN, QStringLiteral("MEMUR"));
        QCOMPARE(p->TEL1, QStringLiteral("0232 111"));
        QVERIFY(!person(f.db, 99));
    }
};

QTEST_GUILESS_MAIN(TestLeaveData)
#include "tst_leave_data.moc"
