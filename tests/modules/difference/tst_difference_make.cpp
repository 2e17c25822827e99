// Making the difference payrolls on the demo institution: the month's rows of the kind
// replaced as a whole, the later-month check per unit, who gets a row, the earlier income-tax
// base beside the same month's salary row, the inflation payroll's audit line, and the next
// service-debt instalment left alone by an inflation row.

#include "demo.h"
#include "differencemake.h"
#include "makemonths.h"
#include "resultstore.h"
#include "stages.h"
#include "testsupport.h"

#include <QSqlQuery>
#include <QtTest>

using namespace zeran;
using namespace zeran::difference;

namespace {

class Script : public payrollmake::Questions {
public:
    QStringList informed;
    bool confirm(const QString &) override { return true; }
    void inform(const QString &text) override { informed << text; }
};

struct Institution {
    explicit Institution(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("diff"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        settings = payrollrun::readInstallationSettings(db);
        ctx.IZL = ctx.UDUR = QStringLiteral("E");
        ctx.userName = QStringLiteral("TEST");
        ctx.CYIL = settings.CYIL;
    }

    MakeRequest request(Kind kind, int month, int unit = 0) const
    {
        MakeRequest r;
        r.options.kind = kind;
        r.options.monthDays = 30;
        r.options.diffDays = 14;
        r.options.retirement = true;
        r.options.gss = true;
        r.options.lateRate = kind == Kind::Inflation ? 5 : 0;
        r.workingYear = settings.CYIL;
        r.today = QDate(2026, month, 15);
        r.unit = unit;
        r.settings = settings.engine;
        return r;
    }

    MakeResult make(Kind kind, int month, int unit = 0, Script *script = nullptr)
    {
        Script quiet;
        return difference::make(db, ctx, request(kind, month, unit), script ? *script : quiet);
    }

    int count(const char *table, const char *tur, int month, int unit = 0)
    {
        QVariantMap b{{QStringLiteral("AY"), month}, {QStringLiteral("TR"), QString::fromLatin1(tur)}};
        QString sql = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE YIL='2026' AND AY=:AY AND TUR=:TR").arg(QLatin1String(table));
        if (unit) {
            sql += QStringLiteral(" AND BKOD=:BK");
            b.insert(QStringLiteral("BK"), unit);
        }
        return db.scalar(sql, b).toInt();
    }

    std::vector<int> salaryUnits()
    {
        QSqlQuery q = db.exec(QStringLiteral(
            "SELECT B.BKOD FROM ZERBORBIL B JOIN BIRIM R ON R.BKOD=B.BKOD AND R.TUR='M' "
            "WHERE R.MTUR='N' AND R.AKTIF='A' AND B.DURUM<>'H' GROUP BY B.BKOD ORDER BY B.BKOD"));
        std::vector<int> units;
        while (q.next())
            units.push_back(q.value(0).toInt());
        return units;
    }

    test::FreshDatabase fresh;
    db::Database db;
    payrollrun::InstallationSettings settings;
    WorkingContext ctx;
};

}  // namespace

class TestDifferenceMake : public QObject {
    Q_OBJECT

private slots:
    void savingTwiceReplacesTheRows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("kind");
        QTest::newRow("embedded, difference") << int(test::Mode::Embedded) << int(Kind::Difference);
        QTest::newRow("embedded, inflation") << int(test::Mode::Embedded) << int(Kind::Inflation);
        QTest::newRow("server, difference") << int(test::Mode::Server) << int(Kind::Difference);
    }
    void savingTwiceReplacesTheRows()
    {
        QFETCH(int, mode);
        QFETCH(int, kind);
        Institution inst{test::Mode(mode)};
        const Kind k = Kind(kind);
        const char *tur = k == Kind::Inflation ? "8" : "2";
        const int unit = inst.salaryUnits().front();

        Script script;
        const MakeResult first = inst.make(k, 7, unit, &script);
        QCOMPARE(int(first.outcome), int(Outcome::Written));
        QVERIFY(first.rows > 0);
        QVERIFY(!script.informed.contains(QString::fromUtf8(kNotDifferenceMonth)));
        QCOMPARE(inst.count("ZERMAAS", tur, 7, unit), first.rows);
        QCOMPARE(inst.count("ZERARSIV", tur, 7, unit), first.rows);

        const MakeResult second = inst.make(k, 7, unit);
        QCOMPARE(int(second.outcome), int(Outcome::Written));
        QCOMPARE(inst.count("ZERMAAS", tur, 7, unit), second.rows);
        QCOMPARE(inst.count("ZERARSIV", tur, 7, unit), second.rows);

        // The stored rows are what was computed, person by person.
        const std::vector<results::ResultRow> stored =
            results::readResults(inst.db, {QStringLiteral("2026"), 7, payrollKind(k)}, unit);
        QCOMPARE(stored.size(), second.pays.size());
        for (std::size_t i = 0; i < second.pays.size(); ++i) {
            const auto &p = second.loaded.people[i].input.rec;
            const auto it = std::find_if(stored.begin(), stored.end(), [&](const results::ResultRow &r) {
                return r.key.PKAYNO == p.PKAYNO && r.key.PKOD == p.PKOD;
            });
            QVERIFY(it != stored.end());
            QCOMPARE(it->MAAS, second.pays[i].MAAS);
            QCOMPARE(it->GELVER, second.pays[i].GELVER);
            QCOMPARE(it->ACIKKES, second.pays[i].ACIKKES);
            QCOMPARE(it->HIZBOR, Money());
            if (k == Kind::Inflation) {
                QCOMPARE(it->EKFARK.value_or(Money()), second.pays[i].EKFARK);
                QCOMPARE(it->DVVIADE, second.pays[i].GECICI);
            }
        }
        // No monthly row was touched.
        QCOMPARE(inst.count("ZERMAAS", "1", 7, unit), 0);

        // Outside January and July the clerk is warned and the payroll is still made.
        Script march;
        QCOMPARE(int(inst.make(k, 8, unit, &march).outcome), int(Outcome::Written));
        QVERIFY(march.informed.contains(QString::fromUtf8(kNotDifferenceMonth)));
    }

    void laterMonthRefusedPerUnit()
    {
        Institution inst;
        const std::vector<int> units = inst.salaryUnits();
        QVERIFY(units.size() >= 2);
        QCOMPARE(int(inst.make(Kind::Difference, 7, units[1]).outcome), int(Outcome::Written));
        QCOMPARE(int(inst.make(Kind::Difference, 1, units[0]).outcome), int(Outcome::Written));
        const int before = inst.count("ZERMAAS", "2", 1);

        // "Tümü" touches the unit that has July: refused, nothing written.
        Script script;
        const MakeResult all = inst.make(Kind::Difference, 1, 0, &script);
        QCOMPARE(int(all.outcome), int(Outcome::Refused));
        QCOMPARE(script.informed.last(), QString::fromUtf8(payrollmake::kLaterMonthMade));
        QCOMPARE(inst.count("ZERMAAS", "2", 1), before);

        // The other kind has its own months.
        QCOMPARE(int(inst.make(Kind::Inflation, 1, 0).outcome), int(Outcome::Written));
    }

    void refusedOptionsWriteNothing_data()
    {
        QTest::addColumn<int>("monthDays");
        QTest::addColumn<int>("diffDays");
        QTest::addColumn<QString>("year");
        QTest::newRow("fark günü > ay günü") << 30 << 31 << "2026";
        QTest::newRow("ay günü 0") << 0 << 0 << "2026";
        QTest::newRow("another working year") << 30 << 14 << "2025";
    }
    void refusedOptionsWriteNothing()
    {
        QFETCH(int, monthDays);
        QFETCH(int, diffDays);
        QFETCH(QString, year);
        Institution inst;
        MakeRequest r = inst.request(Kind::Difference, 7);
        r.options.monthDays = monthDays;
        r.options.diffDays = diffDays;
        r.workingYear = year;
        Script script;
        QCOMPARE(int(difference::make(inst.db, inst.ctx, r, script).outcome), int(Outcome::Refused));
        QCOMPARE(script.informed.size(), 1);
        QCOMPARE(inst.count("ZERMAAS", "2", 7), 0);
    }

    void whoGetsARow()
    {
        Institution inst;
        QCOMPARE(int(inst.make(Kind::Difference, 7).outcome), int(Outcome::Written));
        // Council, committee and acting units get nothing; unpaid leave and not-paid records
        // neither; a suspended person keeps a third withheld, stored.
        const int outside = inst.db
                                .scalar(QStringLiteral(
                                    "SELECT COUNT(*) FROM ZERMAAS M JOIN BIRIM R ON R.BKOD=M.BKOD AND R.TUR='M' "
                                    "WHERE M.TUR='2' AND (R.MTUR<>'N' OR R.MTUR IS NULL)"))
                                .toInt();
        QCOMPARE(outside, 0);
        const int councilRecords = inst.db
                                       .scalar(QStringLiteral(
                                           "SELECT COUNT(*) FROM ZERBORBIL B JOIN BIRIM R ON R.BKOD=B.BKOD "
                                           "AND R.TUR='M' WHERE R.MTUR='M'"))
                                       .toInt();
        QVERIFY2(councilRecords > 0, "the demo has council records");
        const int leaveRows = inst.db
                                  .scalar(QStringLiteral(
                                      "SELECT COUNT(*) FROM ZERMAAS M JOIN ZERBORBIL B ON B.PKAYNO=M.PKAYNO "
                                      "AND B.BKOD=M.BKOD AND B.PKOD=M.PKOD WHERE M.TUR='2' AND B.DURUM IN (:U,'H')"),
                                  {{QStringLiteral("U"), QString::fromUtf8("Ü")}})
                                  .toInt();
        QCOMPARE(leaveRows, 0);
        QSqlQuery q = inst.db.exec(QStringLiteral(
            "SELECT M.MAAS,M.AILEYRD,M.COCYRD,M.ACIKKES FROM ZERMAAS M JOIN ZERBORBIL B ON B.PKAYNO=M.PKAYNO "
            "AND B.BKOD=M.BKOD AND B.PKOD=M.PKOD WHERE M.TUR='2' AND B.DURUM='A'"));
        QVERIFY(q.next());
        const Money maas = Money::fromDbDouble(q.value(0).toDouble());
        const Money family = Money::fromDbDouble(q.value(1).toDouble()) + Money::fromDbDouble(q.value(2).toDouble());
        QVERIFY(maas > Money());
        QCOMPARE(Money::fromDbDouble(q.value(3).toDouble()), (maas - family).divInt(3));
    }

    void earlierBaseKeepsTheSalaryRowOfTheMonth()
    {
        Institution inst;
        test::makeMonths(inst.db, 7);
        const int unit = inst.salaryUnits().front();
        const auto load = [&] {
            return loadDifference(inst.db, Kind::Difference, payrollrun::RunPeriod::of(QStringLiteral("2026"), QDate(2026, 7, 15)),
                                  unit, inst.settings.engine);
        };
        const auto yearBase = [&](int pkayno) {
            return Money::fromDbDouble(inst.db
                                           .scalar(QStringLiteral("SELECT SUM(VERMAT) FROM ZERMAAS WHERE PKAYNO=:PK "
                                                                  "AND YIL='2026' AND AY<=7 AND TUR<>'2'"),
                                                   {{QStringLiteral("PK"), pkayno}})
                                           .toDouble());
        };
        const LoadedDifference before = load();
        QVERIFY(!before.people.empty());
        for (std::size_t i = 0; i < before.people.size(); ++i)
            QCOMPARE(before.earlierBases[i], yearBase(before.people[i].input.rec.PKAYNO));

        // The payroll's own rows of the month are what it replaces: left out when made again.
        QCOMPARE(int(inst.make(Kind::Difference, 7, unit).outcome), int(Outcome::Written));
        const LoadedDifference after = load();
        QCOMPARE(after.earlierBases, before.earlierBases);
    }

    void inflationAuditAndServiceDebt()
    {
        Institution inst;
        test::makeMonths(inst.db, 6);
        // The pay record carries the instalment too (the payroll text would copy it).
        inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET HIZBOR=1600 WHERE PKAYNO IN (SELECT PKAYNO FROM HIZBOR)"));
        const auto augustDebts = [&] {
            const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(QStringLiteral("2026"), QDate(2026, 8, 15));
            const payrollrun::LoadedRun run = payrollrun::loadRun(inst.db, period, {}, inst.settings.engine);
            // The instalments already deducted and the instalment the month would take.
            std::vector<Money> debts;
            for (const payrollrun::RunPerson &p : run.people)
                debts.push_back(p.input.earlier.hizborPaid);
            for (const engine::PersonPay &p : payrollrun::computeAll(run))
                debts.push_back(p.HIZBOR);
            return debts;
        };
        const std::vector<Money> before = augustDebts();
        QVERIFY(std::any_of(before.begin(), before.end(), [](Money m) { return m > Money(); }));

        const MakeResult made = inst.make(Kind::Inflation, 7);
        QCOMPARE(int(made.outcome), int(Outcome::Written));
        QCOMPARE(augustDebts(), before);
        const int lines = inst.db
                              .scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE BOLUM=:B AND TUR='D' AND ACIK LIKE 'YIL:2026 AY:%'"),
                                      {{QStringLiteral("B"), QString::fromUtf8(kAuditSection)}})
                              .toInt();
        QCOMPARE(lines, 1);
        // The difference payroll writes no audit line of this section.
        QCOMPARE(int(inst.make(Kind::Difference, 7).outcome), int(Outcome::Written));
        QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE BOLUM=:B"),
                                {{QStringLiteral("B"), QString::fromUtf8(kAuditSection)}})
                     .toInt(),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestDifferenceMake)
#include "tst_difference_make.moc"
