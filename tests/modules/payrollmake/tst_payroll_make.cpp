// Making the month's payroll: the checks that refuse or ask, the month's rows replaced as a
// whole (never partly), "Tek Kişi" writing nothing, the audit line, the rows equal to what
// "payroll compute" shows, and two makers of the same month at once on the server.

#include "demo.h"
#include "payrollmake.h"
#include "resultjson.h"
#include "resultstore.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>

#include <deque>

using namespace zeran;
using namespace zeran::payrollmake;

namespace {

/// Answers from a script (Yes when the script is empty) and keeps every text it was shown.
class Script : public Questions {
public:
    std::deque<bool> answers;
    QStringList asked, informed;
    bool confirm(const QString &text) override
    {
        asked << text;
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void inform(const QString &text) override { informed << text; }
};

struct Institution {
    explicit Institution(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("make"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        settings = payrollrun::readInstallationSettings(db);
        ctx.IZL = ctx.UDUR = QStringLiteral("E");
        ctx.userName = QStringLiteral("TEST");
        ctx.CYIL = settings.CYIL;
    }

    MakeRequest request(int month, int unit = 0) const
    {
        MakeRequest r;
        r.workingYear = settings.CYIL;
        r.today = QDate(2026, month, 15);
        r.selection.unit = unit;
        r.settings = settings.engine;
        return r;
    }

    MakeResult make(int month, int unit = 0, Script *script = nullptr)
    {
        Script yes;
        return payrollmake::make(db, ctx, request(month, unit), script ? *script : yes);
    }

    int count(const QString &table, int month, const QString &extra = {}, const QVariantMap &binds = {})
    {
        QVariantMap b = binds;
        b.insert(QStringLiteral("AY"), month);
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table + QStringLiteral(" WHERE YIL='2026' AND AY=:AY") +
                             extra,
                         b)
            .toInt();
    }

    /// Two salary units of the demo with people in them.
    std::pair<int, int> twoUnits()
    {
        QSqlQuery q = db.exec(QStringLiteral(
            "SELECT B.BKOD FROM ZERBORBIL B JOIN BIRIM R ON R.BKOD=B.BKOD AND R.TUR='M' "
            "WHERE R.MTUR='N' AND R.AKTIF='A' AND B.DURUM<>'H' GROUP BY B.BKOD ORDER BY B.BKOD"));
        std::vector<int> units;
        while (q.next())
            units.push_back(q.value(0).toInt());
        return {units.at(0), units.at(1)};
    }

    QByteArray rowsJson(int month, std::optional<int> unit = {})
    {
        return payrollrun::resultRowsJson(results::readResults(db, {QStringLiteral("2026"), month, results::PayrollKind::Monthly}, unit));
    }

    test::FreshDatabase fresh;
    db::Database db;
    payrollrun::InstallationSettings settings;
    WorkingContext ctx;
};

int auditLines(Institution &inst, int unit)
{
    return inst.db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE PRG='1' AND BOLUM=:B AND TUR='D' AND ACIK=:A"),
                {{QStringLiteral("B"), QStringLiteral("ZER-MAAŞ")},
                 {QStringLiteral("A"), QStringLiteral("YIL:2026 AY:3 Birim Kodu:%1").arg(unit)}})
        .toInt();
}

}  // namespace

class TestPayrollMake : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void remakeReplacesOnlyThatUnit();
    void declinedQuestionsChangeNothing();
    void journalEntryAsksFirst();
    void failureInTheMiddleKeepsThePreviousRows();
    void singlePersonWritesNothing();
    void writtenRowsEqualComputeAndCli();
    void concurrentMakers_data();
    void concurrentMakers();
    void databaseRefusesASecondRow_data();
    void databaseRefusesASecondRow();
    void writesThePayrollDate();
    void twoCliMakersOnTheServer();
};

void TestPayrollMake::refusals_data()
{
    QTest::addColumn<QString>("workingYear");
    QTest::addColumn<int>("laterMonthMade");  // a month made first (0: none)
    QTest::addColumn<bool>("everyStatus");
    QTest::addColumn<QString>("message");
    QTest::newRow("working year is not this year") << QStringLiteral("2025") << 0 << false
                                                   << QString::fromUtf8(kWorkingYearDiffers);
    QTest::newRow("a later month is made") << QStringLiteral("2026") << 4 << false
                                           << QString::fromUtf8(kLaterMonthMade);
    QTest::newRow("Durumu on Tümü") << QStringLiteral("2026") << 0 << true << QString::fromUtf8(kChooseStatus);
}

void TestPayrollMake::refusals()
{
    QFETCH(QString, workingYear);
    QFETCH(int, laterMonthMade);
    QFETCH(bool, everyStatus);
    QFETCH(QString, message);
    Institution inst;
    if (laterMonthMade)
        QCOMPARE(inst.make(laterMonthMade).outcome, Outcome::Written);
    const QByteArray later = laterMonthMade ? inst.rowsJson(laterMonthMade) : QByteArray();
    const int auditLines = inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt();

    MakeRequest r = inst.request(3);
    r.workingYear = workingYear;
    r.selection.everyStatus = everyStatus;
    Script script;
    const MakeResult made = payrollmake::make(inst.db, inst.ctx, r, script);
    QCOMPARE(made.outcome, Outcome::Refused);
    QCOMPARE(script.informed, QStringList{message});
    QVERIFY(script.asked.isEmpty());
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3), 0);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), 0);
    if (laterMonthMade)
        QCOMPARE(inst.rowsJson(laterMonthMade), later);
    QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), auditLines);
}

void TestPayrollMake::remakeReplacesOnlyThatUnit()
{
    Institution inst;
    const auto [u1, u2] = inst.twoUnits();
    QCOMPARE(inst.make(2).outcome, Outcome::Written);
    const MakeResult first = inst.make(3);
    QCOMPARE(first.outcome, Outcome::Written);
    const int all = inst.count(QStringLiteral("ZERMAAS"), 3);
    QCOMPARE(first.rows, all);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), all);
    // A row of another payroll kind in the same month stays whatever the monthly run does.
    inst.db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,MAAS) "
                                "SELECT FIRST 1 PKAYNO,BKOD,PKOD,'2',YIL,AY,123 FROM ZERMAAS WHERE AY=3 AND BKOD=:B"),
                 {{QStringLiteral("B"), u1}});
    const QByteArray february = inst.rowsJson(2);
    const QByteArray otherUnit = inst.rowsJson(3, u2);
    // Raise the indicator of everybody: only unit u1's rows may change.
    inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET GOS=GOS+100 WHERE GOS>0"));

    const int auditBefore = auditLines(inst, u1);
    Script script;
    const MakeResult again = inst.make(3, u1, &script);
    QCOMPARE(again.outcome, Outcome::Written);
    QCOMPARE(script.asked, QStringList{alreadyMadeQuestion(QStringLiteral("MART"))});
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3, QStringLiteral(" AND TUR='1'")), all);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), all);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3, QStringLiteral(" AND TUR='2'")), 1);
    QCOMPARE(inst.rowsJson(2), february);
    QCOMPARE(inst.rowsJson(3, u2), otherUnit);
    QCOMPARE(again.rows, inst.count(QStringLiteral("ZERMAAS"), 3, QStringLiteral(" AND TUR='1' AND BKOD=:B"),
                                    {{QStringLiteral("B"), u1}}));
    // Unit u1 was computed anew: its indicator snapshots show the raise.
    QVERIFY(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV A JOIN ZERBORBIL B ON B.PKAYNO=A.PKAYNO "
                                          "AND B.BKOD=A.BKOD AND B.PKOD=A.PKOD WHERE A.AY=3 AND A.BKOD=:B AND A.GOS<>B.GOS"),
                           {{QStringLiteral("B"), u1}})
                .toInt() == 0);
    // The totals are the unit's.
    QCOMPARE(again.totals.rows, again.rows);
    // The audit line of the write.
    QCOMPARE(auditLines(inst, u1), auditBefore + 1);
}

void TestPayrollMake::declinedQuestionsChangeNothing()
{
    Institution inst;
    QCOMPARE(inst.make(3).outcome, Outcome::Written);
    const QByteArray before = inst.rowsJson(3);
    inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET GOS=GOS+100 WHERE GOS>0"));
    Script script;
    script.answers = {false};
    QCOMPARE(inst.make(3, 0, &script).outcome, Outcome::Declined);
    QCOMPARE(script.asked, QStringList{alreadyMadeQuestion(QStringLiteral("MART"))});
    QCOMPARE(inst.rowsJson(3), before);
}

void TestPayrollMake::journalEntryAsksFirst()
{
    Institution inst;
    const auto [u1, u2] = inst.twoUnits();
    QCOMPARE(inst.make(3).outcome, Outcome::Written);
    // Posted for the other unit: a remake of all units touches it, so it must ask.
    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET YEVNO=77 WHERE AY=3 AND BKOD=:B"), {{QStringLiteral("B"), u2}});
    const QByteArray before = inst.rowsJson(3);

    Script no;
    no.answers = {false};
    QCOMPARE(inst.make(3, 0, &no).outcome, Outcome::Declined);
    QCOMPARE(no.asked, QStringList{journalQuestion(77)});
    QVERIFY(no.informed.isEmpty());
    QCOMPARE(inst.rowsJson(3), before);

    // The first unit alone has no journal entry: only the "already made" question.
    Script one;
    QCOMPARE(inst.make(3, u1, &one).outcome, Outcome::Written);
    QCOMPARE(one.asked, QStringList{alreadyMadeQuestion(QStringLiteral("MART"))});

    Script yes;
    QCOMPARE(inst.make(3, 0, &yes).outcome, Outcome::Written);
    QCOMPARE(yes.asked, (QStringList{journalQuestion(77), alreadyMadeQuestion(QStringLiteral("MART"))}));
    QCOMPARE(yes.informed, QStringList{journalReminder(77)});
}

void TestPayrollMake::failureInTheMiddleKeepsThePreviousRows()
{
    Institution inst;
    QCOMPARE(inst.make(3).outcome, Outcome::Written);
    const QByteArray before = inst.rowsJson(3);
    const int snapshots = inst.count(QStringLiteral("ZERARSIV"), 3);
    const int auditLines = inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt();
    inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET GOS=GOS+100 WHERE GOS>0"));

    MakeRequest r = inst.request(3);
    r.afterPerson = [](int i) {
        if (i == 3)
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("disk dolu"));
    };
    Script script;
    const MakeResult made = payrollmake::make(inst.db, inst.ctx, r, script);
    QCOMPARE(made.outcome, Outcome::Failed);
    QCOMPARE(script.informed.size(), 1);
    QVERIFY(script.informed.first().startsWith(QStringLiteral("HATA\r")));
    QVERIFY(script.informed.first().contains(QStringLiteral("disk dolu")));
    QCOMPARE(inst.rowsJson(3), before);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), snapshots);
    QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), auditLines);
    QCOMPARE(inst.db.transactionDepth(), 0);
}

void TestPayrollMake::singlePersonWritesNothing()
{
    Institution inst;
    MakeRequest r = inst.request(3);
    r.selection.person = inst.db.scalar(QStringLiteral("SELECT MIN(PKAYNO) FROM ZERBORBIL WHERE DURUM='E'")).toInt();
    Script script;
    const MakeResult made = payrollmake::make(inst.db, inst.ctx, r, script);
    QCOMPARE(made.outcome, Outcome::SinglePerson);
    QVERIFY(made.printable());
    QVERIFY(!made.loaded.people.empty());
    QCOMPARE(made.pays.size(), made.loaded.people.size());
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3), 0);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), 0);
    QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), 0);
}

void TestPayrollMake::writtenRowsEqualComputeAndCli()
{
    // Through the command-line tool: compute, then make, and compare with what was stored.
    test::FreshDatabase fresh;
    {
        db::Database db(test::uniqueName("fill"));
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
    }  // the embedded engine opens a file for one process at a time
    const auto cli = [&](const QStringList &args, int expectedExit) {
        const test::CliRun r = test::runCli(QStringList{QStringLiteral("--today"), QStringLiteral("2026-05-20")} + args);
        if (r.code != expectedExit)
            qWarning("%s", qPrintable(r.err));
        return r.code == expectedExit ? r.outBytes : QByteArray("exit ") + QByteArray::number(r.code);
    };
    const QByteArray computed = cli({QStringLiteral("payroll"), QStringLiteral("compute"), fresh.dir.path()}, 0);
    const QByteArray madeOut =
        cli({QStringLiteral("payroll"), QStringLiteral("make"), fresh.dir.path(), QStringLiteral("--yes")}, 0);
    QVERIFY2(madeOut.startsWith("rows "), madeOut.constData());
    // A second make without --yes meets the "already made" question and stops (exit 3).
    QCOMPARE(cli({QStringLiteral("payroll"), QStringLiteral("make"), fresh.dir.path()}, 3), QByteArray());

    const QJsonArray want = QJsonDocument::fromJson(computed).array();
    QVERIFY(!want.isEmpty());
    QVERIFY(madeOut.startsWith("rows " + QByteArray::number(want.size()) + "\n"));

    db::Database db(test::uniqueName("read"));
    db.open(fresh.params);
    const QJsonArray got = QJsonDocument::fromJson(
        payrollrun::resultRowsJson(results::readResults(db, {QStringLiteral("2026"), 5, results::PayrollKind::Monthly}))).array();
    const auto keyOf = [](const QJsonValue &v) {
        const QJsonObject o = v.toObject();
        return std::tuple(o.value(QLatin1String("PKAYNO")).toInt(), o.value(QLatin1String("BKOD")).toInt(),
                          o.value(QLatin1String("PKOD")).toInt());
    };
    std::map<std::tuple<int, int, int>, QJsonObject> byKey;
    for (const QJsonValue &v : want)
        byKey[keyOf(v)] = v.toObject();
    QCOMPARE(got.size(), want.size());
    for (const QJsonValue &v : got)
        QCOMPARE(v.toObject(), byKey[keyOf(v)]);

    // The printed totals are the stored ones.
    Money maas;
    for (const QJsonValue &v : got)
        maas += Money::parsePlain(v.toObject().value(QLatin1String("MAAS")).toString()).value();
    QVERIFY2(madeOut.contains("\nMAAS " + maas.toPlain(2).toLatin1() + "\n"), madeOut.constData());
    // The audit line went in with the rows only when logging is on; the demo's is off.
}

void TestPayrollMake::concurrentMakers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("madeBefore");
    QTest::addColumn<QString>("first");   // "all", "u1" or "u2": the unit box of each maker
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("overlap");
    std::vector<std::pair<const char *, test::Mode>> modes = {{"embedded", test::Mode::Embedded}};
    if (!qEnvironmentVariableIsEmpty("ZERAN_TEST_SERVER"))
        modes.push_back({"server", test::Mode::Server});
    for (const auto &[modeName, mode] : modes) {
        for (const bool made : {false, true}) {
            const QString prefix = QStringLiteral("%1, %2 month, ").arg(QLatin1String(modeName),
                                                                      made ? QStringLiteral("made") : QStringLiteral("empty"));
            QTest::newRow(qPrintable(prefix + QStringLiteral("same unit"))) << int(mode) << made << "u1" << "u1" << true;
            QTest::newRow(qPrintable(prefix + QStringLiteral("Tümü against one unit")))
                << int(mode) << made << "all" << "u1" << true;
            QTest::newRow(qPrintable(prefix + QStringLiteral("one unit against Tümü")))
                << int(mode) << made << "u1" << "all" << true;
        }
        QTest::newRow(qPrintable(QStringLiteral("%1, empty month, two other units").arg(QLatin1String(modeName))))
            << int(mode) << false << "u1" << "u2" << false;
    }
}

void TestPayrollMake::concurrentMakers()
{
    // The first maker holds its unit of work open half-way through its write while the second
    // starts. Where their units overlap, the second must wait, then be told and write
    // nothing; the month must hold exactly one complete set of rows, never a doubled one.
    QFETCH(int, mode);
    QFETCH(bool, madeBefore);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, overlap);
    Institution inst{test::Mode(mode)};
    const auto [u1, u2] = inst.twoUnits();
    const auto unitOf = [&](const QString &box) { return box == QLatin1String("all") ? 0 : box == QLatin1String("u1") ? u1 : u2; };
    if (madeBefore)
        QCOMPARE(inst.make(3).outcome, Outcome::Written);
    const int everybody = int(payrollrun::countSelection(inst.db, {}));

    QSemaphore holding;
    MakeResult firstResult;
    QElapsedTimer clock;
    qint64 firstHeldUntil = 0;
    QThread *firstThread = QThread::create([&] {
        db::Database own(test::uniqueName("first"));
        own.open(inst.fresh.params);
        WorkingContext ctx;
        MakeRequest r = inst.request(3, unitOf(first));
        r.afterPerson = [&](int i) {
            if (i == 1) {
                holding.release();
                QThread::msleep(1500);
                firstHeldUntil = clock.elapsed();
            }
        };
        Script yes;
        firstResult = payrollmake::make(own, ctx, r, yes);
    });
    clock.start();
    firstThread->start();
    QVERIFY(holding.tryAcquire(1, 60000));
    Script script;
    db::Database secondDb(test::uniqueName("second"));
    secondDb.open(inst.fresh.params);
    WorkingContext ctx;
    const MakeResult secondResult = payrollmake::make(secondDb, ctx, inst.request(3, unitOf(second)), script);
    const qint64 secondEnded = clock.elapsed();
    QVERIFY(firstThread->wait(60000));
    delete firstThread;

    QCOMPARE(firstResult.outcome, Outcome::Written);
    if (overlap) {
        QCOMPARE(secondResult.outcome, Outcome::Refused);
        QCOMPARE(script.informed, QStringList{QString::fromUtf8(kChangedMeanwhile)});
        // It waited for the first to end instead of writing beside it.
        QVERIFY2(secondEnded >= firstHeldUntil, qPrintable(QStringLiteral("%1 < %2").arg(secondEnded).arg(firstHeldUntil)));
    } else {
        QCOMPARE(secondResult.outcome, Outcome::Written);
    }
    const int duplicates = inst.db
                               .scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT PKAYNO,BKOD,PKOD FROM ZERMAAS WHERE AY=3 "
                                                      "GROUP BY PKAYNO,BKOD,PKOD HAVING COUNT(*)>1)"))
                               .toInt();
    QCOMPARE(duplicates, 0);
    // One complete set: every unit made before, or each maker's own unit(s) now.
    int expected = everybody;
    if (!madeBefore) {
        const auto inUnit = [&](int unit) {
            return int(payrollrun::countSelection(inst.db, [&] {
                payrollrun::RunSelection sel;
                sel.unit = unit;
                return sel;
            }()));
        };
        expected = first == QLatin1String("all") ? everybody : inUnit(unitOf(first));
        if (!overlap)
            expected += inUnit(unitOf(second));
    }
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3), expected);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), expected);

    // Once the first has ended, the second may make it again: still one complete set.
    Script again;
    QCOMPARE(payrollmake::make(secondDb, ctx, inst.request(3, unitOf(second)), again).outcome, Outcome::Written);
    QCOMPARE(inst.db
                 .scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT PKAYNO,BKOD,PKOD FROM ZERMAAS WHERE AY=3 "
                                        "GROUP BY PKAYNO,BKOD,PKOD HAVING COUNT(*)>1)"))
                 .toInt(),
             0);
}

void TestPayrollMake::databaseRefusesASecondRow_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("result rows") << "ZERMAAS";
    QTest::newRow("snapshots") << "ZERARSIV";
}

void TestPayrollMake::databaseRefusesASecondRow()
{
    // The backstop behind the lock: whatever writes these tables, one row per pay record,
    // payroll kind and month. Another kind or month of the same record is fine.
    QFETCH(QString, table);
    Institution inst;
    const auto insert = [&](const char *tur, int ay) {
        db::Transaction t(inst.db);
        inst.db.exec(QStringLiteral("INSERT INTO %1 (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (9,3,4,:T,'2026',:A)").arg(table),
                     {{QStringLiteral("T"), QString::fromLatin1(tur)}, {QStringLiteral("A"), ay}});
        t.commit();
    };
    insert("1", 5);
    insert("2", 5);
    insert("1", 6);
    QVERIFY_THROWS_EXCEPTION(db::DbError, insert("1", 5));
    QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE PKAYNO=9").arg(table)).toInt(), 3);
}

void TestPayrollMake::writesThePayrollDate()
{
    Institution inst;
    QCOMPARE(inst.make(3).outcome, Outcome::Written);
    QCOMPARE(inst.db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE AY=3 AND (TAR IS NULL OR TAR<>'2026-03-15')"))
                 .toInt(),
             0);
}

void TestPayrollMake::twoCliMakersOnTheServer()
{
    // Two workstations started together on an empty month: one complete set, and a maker
    // that did not write says so and exits non-zero.
    if (qEnvironmentVariableIsEmpty("ZERAN_TEST_SERVER"))
        QSKIP("no test server");
    Institution inst{test::Mode::Server};
    const int everybody = int(payrollrun::countSelection(inst.db, {}));
    inst.db.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZERAN_DB_PASSWORD"), qEnvironmentVariable("ZERAN_TEST_SERVER_PASSWORD"));
    const QStringList args = {QStringLiteral("payroll"),  QStringLiteral("make"),         inst.fresh.dir.path(),
                              QStringLiteral("--server"), inst.fresh.params.server,       QStringLiteral("--today"),
                              QStringLiteral("2026-03-15"), QStringLiteral("--yes")};
    std::vector<std::unique_ptr<QProcess>> makers;
    for (int i = 0; i < 2; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(qEnvironmentVariable("ZERAN_CLI"), args);
        makers.push_back(std::move(p));
    }
    int written = 0;
    for (auto &p : makers) {
        QVERIFY(p->waitForFinished(120000));
        const QString err = QString::fromUtf8(p->readAllStandardError());
        if (p->exitCode() == 0)
            ++written;
        else
            QVERIFY2(p->exitCode() == 1 && err.contains(QString::fromUtf8(kChangedMeanwhile)), qPrintable(err));
    }
    QVERIFY(written >= 1);
    inst.db.open(inst.fresh.params);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), 3), everybody);
    QCOMPARE(inst.count(QStringLiteral("ZERARSIV"), 3), everybody);
}

QTEST_GUILESS_MAIN(TestPayrollMake)
#include "tst_payroll_make.moc"
