// Posting against real databases: plans stored and read back, the work table, the payroll's
// rows summed and posted into a fresh accounting database — balanced on generated payrolls,
// stamped by kind, re-posted in place, never half-written when a write fails — and the
// command line (formula, posting prepare/make/print, the payment order read back).

#include "demo.h"
#include "amountwords.h"
#include "makemonths.h"
#include "pdftext.h"
#include "planstore.h"
#include "postingstore.h"
#include "resultstore.h"
#include "schema.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <deque>

using namespace zeran;
using namespace zeran::posting;

Q_DECLARE_METATYPE(zeran::test::Mode)

namespace {

class Script : public posting::Questions {
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

const QDate kPostDate(2026, 3, 20);

struct Books {
    explicit Books(test::Mode mode = test::Mode::Embedded, bool makeMarch = true)
        : fresh(mode), db(test::uniqueName("post")), acc(test::uniqueName("acc"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        accParams = test::params(mode, fresh.dir.path(), QStringLiteral("ANALITIK.GDB"));
        schema::createAccountingDatabase(accParams);
        acc.open(accParams);
        exemption = db.scalar(QStringLiteral("SELECT ASUCISTISNA FROM PTANIM")).toString().trimmed() == QLatin1String("E");
        // The demo's staff of kind "D" include one with a special-service rate, whose written
        // row shows that compensation outside its gross: the posting leaves it out.
        if (makeMarch)
            QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PERTUR='D' AND OHT>0")).toInt() > 0);
        if (makeMarch)
            test::makeMonths(db, 3, 3);
    }

    void plan(int unit, const QString &naktur, DefaultPlan which, bool memo = true)
    {
        PlanHeader h = readHeader(db, unit, naktur).value_or(PlanHeader{});
        h.BKOD = unit;
        h.NAKTUR = naktur;
        h.SAYAD = defaultPurpose(which);
        h.BKOD5 = QStringLiteral("04");
        savePlan(db, h, defaultPlan(which, memo), 2026);
    }

    PostingRequest request(const char *kind, int unit, std::optional<int> person = {}, int modeme = 0, int month = 3)
    {
        return *makeRequest(QStringLiteral("2026"), month, QString::fromLatin1(kind), unit, modeme, person, 1);
    }

    PostResult post(const PostingRequest &r, Script &script, const FaultHook &fault = {})
    {
        const Preparation p = prepareFromDatabase(db, r, exemption);
        return posting::post(db, acc, r, p.header, p.prepared.lines, kPostDate, script, fault);
    }

    PostResult post(const PostingRequest &r, const FaultHook &fault = {})
    {
        Script yes;
        return post(r, yes, fault);
    }

    int count(db::Database &d, const QString &sql, const QVariantMap &binds = {})
    {
        return d.scalar(sql, binds).toInt();
    }
    int stamped(const QString &extra = {}, const QVariantMap &binds = {})
    {
        return count(db, QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE YEVNO>0") + extra, binds);
    }
    /// Units with monthly rows in March.
    QList<int> salaryUnits()
    {
        QList<int> out;
        QSqlQuery q = db.exec(QStringLiteral("SELECT DISTINCT BKOD FROM ZERMAAS WHERE TUR='1' AND AY=3 ORDER BY BKOD"));
        while (q.next())
            out << q.value(0).toInt();
        return out;
    }
    Money paidOut(const QString &extra = {}, const QVariantMap &binds = {})
    {
        Money sum;
        QSqlQuery q = db.exec(QStringLiteral("SELECT MAAS,ACIKKES FROM ZERMAAS WHERE TUR='1' AND AY=3") + extra, binds);
        while (q.next())
            sum += Money::fromDbDouble(q.value(0).toDouble()) - Money::fromDbDouble(q.value(1).toDouble());
        return sum;
    }

    test::FreshDatabase fresh;
    db::Database db;
    db::Database acc;
    db::ConnectParams accParams;
    bool exemption = false;
};

}  // namespace

class TestPosting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { db::prepareEmbeddedEnvironment(); }
    void plansStored();
    void plansCopiedAndDeletedWithTheirUnit();
    void workTable();
    void generatedPayrollsBalance();
    void postAndRepost_data();
    void postAndRepost();
    void kindsStampTheirOwnRows();
    void singlePerson();
    void refusals();
    void failedWriteLeavesNothing();
    void commandLine();
};

void TestPosting::plansStored()
{
    Books b(test::Mode::Embedded, false);
    PlanHeader h;
    h.BKOD = 1;
    h.NAKTUR = QStringLiteral("1");
    h.SAYAD = QStringLiteral("AYLIK");
    h.EKLER = QStringLiteral("Bordro");
    h.CKOD = 5;
    std::vector<PlanLine> lines = defaultPlan(DefaultPlan::Salaries, false);
    lines[0].ACIK = QString(70, QLatin1Char('x'));  // typed too long: cut to the column
    lines[1].HESAPDUR = QStringLiteral("A");
    lines[1].KKOD = QStringLiteral("46.01.32.04");
    lines[1].CKOD = 9;
    savePlan(b.db, h, lines, 2026);
    // Another unit's plan in between, so numbers are shared over the table.
    b.plan(2, QStringLiteral("1"), DefaultPlan::Mayor);

    QCOMPARE(readHeader(b.db, 1, QStringLiteral("1")), std::optional<PlanHeader>(h));
    std::vector<PlanLine> back = readLines(b.db, 1, QStringLiteral("1"));
    QCOMPARE(back.size(), lines.size());
    for (std::size_t i = 1; i < back.size(); ++i)
        QVERIFY(back[i].HARNO > back[i - 1].HARNO);
    QCOMPARE(back[0].ACIK, QString(60, QLatin1Char('x')));
    QCOMPARE(back[1].HESAPDUR, QStringLiteral("A"));
    QCOMPARE(back[1].KKOD, QStringLiteral("46.01.32.04"));
    QCOMPARE(back[1].CKOD, 9);
    QCOMPARE(back[5].HESAP, lines[5].HESAP);

    // Saved again with a line more: the plan keeps its numbers, the new line comes last and
    // gets a number above every line of the table.
    const int firstNumber = back[0].HARNO;
    back.push_back(back.back());
    back.back().HKOD = QStringLiteral("999");
    savePlan(b.db, h, back, 2026);
    const std::vector<PlanLine> again = readLines(b.db, 1, QStringLiteral("1"));
    QCOMPARE(again.size(), back.size());
    QCOMPARE(again.front().HARNO, firstNumber);
    QCOMPARE(again.back().HKOD, QStringLiteral("999"));
    QCOMPARE(again.back().HARNO, b.db.scalar(QStringLiteral("SELECT MAX(HARNO) FROM ZERNAKTAN")).toInt());
    QCOMPARE(readLines(b.db, 2, QStringLiteral("1")).size(), defaultPlan(DefaultPlan::Mayor, true).size());
}

void TestPosting::plansCopiedAndDeletedWithTheirUnit()
{
    Books b(test::Mode::Embedded, false);
    b.plan(1, QStringLiteral("1"), DefaultPlan::Salaries);
    b.plan(1, QStringLiteral("2"), DefaultPlan::Salaries, false);
    b.plan(2, QStringLiteral("1"), DefaultPlan::Mayor);
    const int largest = b.db.scalar(QStringLiteral("SELECT MAX(HARNO) FROM ZERNAKTAN")).toInt();
    // The shared generator stands far below the plans' numbers (they were numbered from the
    // table's largest): a copy steps over them and leaves the generator no lower than it was.
    {
        db::Transaction t(b.db);
        b.db.exec(QStringLiteral("ALTER SEQUENCE GEN_HARNO RESTART WITH 3"));
        t.commit();
    }
    {
        db::Transaction t(b.db);
        copyPlans(b.db, 1, 9);
        t.commit();
    }
    for (const char *kind : {"1", "2"}) {
        const std::vector<PlanLine> from = readLines(b.db, 1, QString::fromLatin1(kind));
        const std::vector<PlanLine> to = readLines(b.db, 9, QString::fromLatin1(kind));
        QCOMPARE(to.size(), from.size());
        for (std::size_t i = 0; i < to.size(); ++i) {
            QCOMPARE(to[i].HKOD, from[i].HKOD);  // same order
            QCOMPARE(to[i].HESAP, from[i].HESAP);
            QVERIFY(to[i].HARNO > largest);
        }
        QCOMPARE(readHeader(b.db, 9, QString::fromLatin1(kind))->SAYAD, readHeader(b.db, 1, QString::fromLatin1(kind))->SAYAD);
    }
    QVERIFY(b.db.scalar(QStringLiteral("SELECT GEN_ID(GEN_HARNO,0) FROM RDB$DATABASE")).toInt() >= 3);
    QVERIFY(readLines(b.db, 2, QStringLiteral("1")).size() > 0);

    deletePlans(b.db, 9);
    QCOMPARE(b.count(b.db, QStringLiteral("SELECT COUNT(*) FROM ZERNAKTAN WHERE BKOD=9")), 0);
    QCOMPARE(b.count(b.db, QStringLiteral("SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=9")), 0);
    QVERIFY(readLines(b.db, 1, QStringLiteral("1")).size() > 0);
}

void TestPosting::workTable()
{
    Books b(test::Mode::Embedded, false);
    // The layout of older databases: FLOAT amounts and two-character code parts.
    {
        db::Transaction t(b.db);
        b.db.exec(QStringLiteral("DROP TABLE ZERQRNAK"));
        t.commit();
    }
    {
        db::Transaction t(b.db);
        b.db.exec(QStringLiteral(
            "CREATE TABLE ZERQRNAK (USRNO SMALLINT, HESNO VARCHAR(15), K1 VARCHAR(2), K2 VARCHAR(2), K3 VARCHAR(2), "
            "K4 VARCHAR(2), K5 VARCHAR(2), F1 VARCHAR(2), F2 VARCHAR(2), F3 VARCHAR(2), F4 VARCHAR(2), FT VARCHAR(2), "
            "E1 VARCHAR(2), E2 VARCHAR(2), E3 VARCHAR(2), E4 VARCHAR(2), BORC FLOAT, ALACAK FLOAT, ACIK VARCHAR(50), "
            "TUR CHAR(1), DUR CHAR(1), CKOD SMALLINT, BKAYNO FLOAT, MTUR CHAR(1), KKOD VARCHAR(11), FKOD VARCHAR(11), "
            "FTIP VARCHAR(1), EKOD VARCHAR(9))"));
        b.db.exec(QStringLiteral("CREATE INDEX IX_ZERQRNAK_USRNO ON ZERQRNAK (USRNO)"));
        t.commit();
    }
    b.db.exec(QStringLiteral("INSERT INTO ZERQRNAK (USRNO,HESNO,K1,BORC) VALUES (1,'x','63',12.5)"));
    b.db.exec(QStringLiteral("DELETE FROM ZERSURUM WHERE NUMARA=2"));
    schema::applyUpgrades(b.db);
    QVERIFY(schema::appliedUpgrades(b.db).contains(2));
    QCOMPARE(readWorkLines(b.db, 1).size(), std::size_t(1));  // the old rows stay readable
    QCOMPARE(readWorkLines(b.db, 1).front().BORC.toPlain(2), QStringLiteral("12.50"));

    std::vector<PreparedLine> lines(3);
    lines[0].HESNO = QStringLiteral("630.01.01.01.01");
    lines[0].E = splitCode(lines[0].HESNO);
    lines[0].BORC = *Money::parsePlain(QStringLiteral("12345678.91"));
    lines[0].TUR = QStringLiteral("B");
    lines[0].DUR = QStringLiteral("T");
    lines[0].ACIK = QStringLiteral("Diğer Ücretler ve Ücret Sayılan Ödemelerden Yap.Tevkifatlar.");
    lines[1].HESNO = QStringLiteral("103.01");
    lines[1].ALACAK = *Money::parsePlain(QStringLiteral("9876543.21"));
    lines[1].TUR = QStringLiteral("A");
    lines[1].CKOD = 70000;
    lines[2].HESNO = QStringLiteral("100");
    lines[2].K = splitCode(QStringLiteral("46.01.32.04"));
    lines[2].KKOD = QStringLiteral("46.01.32.04");
    writeWorkLines(b.db, 1, lines);
    writeWorkLines(b.db, 2, {lines[2]});
    QCOMPARE(readWorkLines(b.db, 1), lines);
    QCOMPARE(readWorkLines(b.db, 2).size(), std::size_t(1));
    clearWorkLines(b.db, 1);
    QVERIFY(readWorkLines(b.db, 1).empty());
    QCOMPARE(readWorkLines(b.db, 2).size(), std::size_t(1));
}

void TestPosting::generatedPayrollsBalance()
{
    Books b;
    const QList<int> units = b.salaryUnits();
    QVERIFY(units.size() >= 2);
    for (int unit : units) {
        b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
        const Preparation p = prepareFromDatabase(b.db, b.request("1", unit), b.exemption);
        QVERIFY(!p.rows.empty());
        const Totals &t = p.prepared.totals;
        QVERIFY(t.accrual > Money());
        QCOMPARE(t.debit.toPlain(4), t.credit.toPlain(4));
        QCOMPARE(t.cheques, b.paidOut(QStringLiteral(" AND BKOD=:B"), {{QStringLiteral("B"), unit}}));
        // The minimum-wage setting the month was made with decides which tax is withheld.
        const Preparation other = prepareFromDatabase(b.db, b.request("1", unit), !b.exemption);
        QVERIFY(other.prepared.totals.debit != other.prepared.totals.credit);
    }
    // Combined: the plan of the combined-payment unit over every unit's rows.
    const Preparation all = prepareFromDatabase(b.db, b.request("1", 0, {}, units.first()), b.exemption);
    QVERIFY(all.request.combined);
    QCOMPARE(all.request.unit, units.first());
    QCOMPARE(all.prepared.totals.debit.toPlain(4), all.prepared.totals.credit.toPlain(4));
    QCOMPARE(all.prepared.totals.cheques, b.paidOut());
}

void TestPosting::postAndRepost_data()
{
    QTest::addColumn<test::Mode>("mode");
    QTest::newRow("embedded") << test::Mode::Embedded;
    QTest::newRow("server") << test::Mode::Server;
}

void TestPosting::postAndRepost()
{
    QFETCH(test::Mode, mode);
    Books b(mode);
    const QList<int> units = b.salaryUnits();
    const int unit = units.first();
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries, true);
    const PostingRequest r = b.request("1", unit);
    QVERIFY(!journalNumber(b.db, r));

    Script first;
    const PostResult posted = b.post(r, first);
    QCOMPARE(int(posted.outcome), int(PostOutcome::Posted));
    QCOMPARE(first.asked, QStringList{QString::fromUtf8(kConfirmPost)});
    QVERIFY(posted.yevno > 0);
    QCOMPARE(journalNumber(b.db, r), std::optional<qint64>(posted.yevno));
    const QVariantMap unitBind{{QStringLiteral("B"), unit}};
    QCOMPARE(b.stamped(QStringLiteral(" AND BKOD=:B AND AY=3 AND TUR='1'"), unitBind),
             b.count(b.db, QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE BKOD=:B AND AY=3 AND TUR='1'"), unitBind));
    QCOMPARE(b.stamped(QStringLiteral(" AND BKOD<>:B"), unitBind), 0);
    QCOMPARE(b.stamped(QStringLiteral(" AND YEVNO<>:Y"), {{QStringLiteral("Y"), double(posted.yevno)}}), 0);

    const QVariantMap key{{QStringLiteral("K"), posted.kayno}};
    QSqlQuery h = b.acc.exec(QStringLiteral("SELECT YEVNO,FISTUR,MTUR,BRMKOD,ACIK,YIL,TAH,TUT FROM YEVMIYE WHERE KAYNO=:K"), key);
    QVERIFY(h.next());
    QCOMPARE(h.value(0).toLongLong(), posted.yevno);
    QCOMPARE(h.value(1).toString().trimmed(), QStringLiteral("Ö"));
    QCOMPARE(h.value(2).toString().trimmed(), QStringLiteral("Ö"));
    QCOMPARE(h.value(3).toString(), QStringLiteral("04"));
    QCOMPARE(h.value(4).toString(), QStringLiteral("AYLIK ZERAN MAAŞLARI"));
    QCOMPARE(h.value(5).toInt(), 2026);
    QCOMPARE(Money::fromDbDouble(h.value(7).toDouble()), b.paidOut(QStringLiteral(" AND BKOD=:B"), unitBind));
    const int lines = b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR WHERE KAYNO=:K"), key);
    QCOMPARE(lines, posted.lines);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT MAX(HARNO)-MIN(HARNO)+1 FROM MUHHAR WHERE KAYNO=:K"), key), lines);
    QSqlQuery sums = b.acc.exec(QStringLiteral("SELECT BORC,ALACAK FROM MUHHAR WHERE KAYNO=:K"), key);
    Money debit, credit;
    while (sums.next()) {
        debit += Money::fromDbDouble(sums.value(0).toDouble());
        credit += Money::fromDbDouble(sums.value(1).toDouble());
    }
    QCOMPARE(debit, credit);

    // The plan changes (no memorandum lines) and the month is posted again: same entry, same
    // number, the lines replaced.
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries, false);
    Script again;
    const PostResult reposted = b.post(r, again);
    QCOMPARE(int(reposted.outcome), int(PostOutcome::Posted));
    QVERIFY(reposted.reposted);
    QCOMPARE(again.asked, (QStringList{QString::fromUtf8(kConfirmPost), QString::fromUtf8(kConfirmRepost)}));
    QCOMPARE(reposted.yevno, posted.yevno);
    QCOMPARE(reposted.kayno, posted.kayno);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")), 1);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR")), lines - 4);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR WHERE KAYNO=:K"), key), lines - 4);

    // The entry was deleted in the accounting program: posting again makes it anew under the
    // payroll's journal number, never lines without a header.
    {
        db::Transaction t(b.acc);
        b.acc.exec(QStringLiteral("DELETE FROM MUHHAR"));
        b.acc.exec(QStringLiteral("DELETE FROM YEVMIYE"));
        t.commit();
    }
    const PostResult remade = b.post(r);
    QCOMPARE(int(remade.outcome), int(PostOutcome::Posted));
    QCOMPARE(remade.yevno, posted.yevno);
    QVERIFY(remade.kayno != 0);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE WHERE YEVNO=:Y AND KAYNO=:K"),
                     {{QStringLiteral("Y"), posted.yevno}, {QStringLiteral("K"), remade.kayno}}),
             1);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR WHERE KAYNO=0")), 0);
}

void TestPosting::kindsStampTheirOwnRows()
{
    Books b;
    const int unit = b.salaryUnits().first();
    // The month's rows again as a difference and an inflation-difference payroll (staff of
    // kind "D" left out: their monthly rows show amounts outside their gross).
    QSet<int> other;
    QSqlQuery d = b.db.exec(QStringLiteral("SELECT PKAYNO FROM ZERBORBIL WHERE PERTUR='D'"));
    while (d.next())
        other.insert(d.value(0).toInt());
    for (results::PayrollKind kind : {results::PayrollKind::Difference, results::PayrollKind::InflationDifference}) {
        db::Transaction t(b.db);
        for (results::ResultRow row : results::readResults(b.db, {QStringLiteral("2026"), 3, results::PayrollKind::Monthly}, unit)) {
            if (other.contains(row.key.PKAYNO))
                continue;
            row.key.TUR = kind;
            // A difference payroll has no items, meals, private pension or held part.
            Money items = row.YEMEK;
            for (Money &k : row.KAZ) {
                items += k;
                k = Money();
            }
            row.GELTOP -= items;
            row.KESTOP -= row.BES;
            row.MAAS = row.MAAS - items + row.BES;
            row.YEMEK = row.BES = row.ACIKKES = Money();
            // Its taxes are the ones withheld (the difference rule has no exemption switch).
            row.GELVER = row.GELVERKES;
            row.DAMVER = row.DAMVERKES;
            results::insertResultRow(b.db, row);
        }
        t.commit();
    }
    b.plan(unit, QStringLiteral("2"), DefaultPlan::Salaries);
    const QVariantMap unitBind{{QStringLiteral("B"), unit}};
    const int perKind = b.count(b.db, QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE TUR='8' AND BKOD=:B"), unitBind);
    QVERIFY(perKind > 0);

    const PostResult inflation = b.post(b.request("8", unit));
    QCOMPARE(int(inflation.outcome), int(PostOutcome::Posted));
    QCOMPARE(b.stamped(QStringLiteral(" AND TUR='8'")), perKind);
    QCOMPARE(b.stamped(QStringLiteral(" AND TUR<>'8'")), 0);
    QVERIFY(!journalNumber(b.db, b.request("2", unit)));

    const PostResult difference = b.post(b.request("2", unit));
    QCOMPARE(int(difference.outcome), int(PostOutcome::Posted));
    QVERIFY(difference.yevno != inflation.yevno);
    QCOMPARE(b.stamped(QStringLiteral(" AND TUR='2' AND YEVNO=:Y"), {{QStringLiteral("Y"), double(difference.yevno)}}),
             perKind);
    QCOMPARE(b.stamped(QStringLiteral(" AND TUR='8' AND YEVNO=:Y"), {{QStringLiteral("Y"), double(inflation.yevno)}}),
             perKind);
    QCOMPARE(b.stamped(QStringLiteral(" AND TUR='1'")), 0);
}

void TestPosting::singlePerson()
{
    Books b;
    const QList<int> units = b.salaryUnits();
    const int unit = units.first();
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
    QSqlQuery q = b.db.exec(QStringLiteral("SELECT FIRST 2 PKOD FROM ZERMAAS WHERE BKOD=:B AND AY=3 AND TUR='1' ORDER BY PKOD"),
                            {{QStringLiteral("B"), unit}});
    QVERIFY(q.next());
    const int one = q.value(0).toInt();
    QVERIFY(q.next());
    const int other = q.value(0).toInt();

    const PostResult posted = b.post(b.request("1", unit, one));
    QCOMPARE(int(posted.outcome), int(PostOutcome::Posted));
    QCOMPARE(b.stamped(), 1);
    QCOMPARE(b.stamped(QStringLiteral(" AND BKOD=:B AND PKOD=:P"), {{QStringLiteral("B"), unit}, {QStringLiteral("P"), one}}), 1);
    QCOMPARE(journalNumber(b.db, b.request("1", unit, one)), std::optional<qint64>(posted.yevno));
    QVERIFY(!journalNumber(b.db, b.request("1", unit, other)));
    // The same code in another unit is another person.
    QVERIFY(!journalNumber(b.db, b.request("1", units.last(), one)));
    QCOMPARE(b.paidOut(QStringLiteral(" AND BKOD=:B AND PKOD=:P"), {{QStringLiteral("B"), unit}, {QStringLiteral("P"), one}}),
             Money::fromDbDouble(b.acc.scalar(QStringLiteral("SELECT TUT FROM YEVMIYE")).toDouble()));
}

void TestPosting::refusals()
{
    Books b;
    const int unit = b.salaryUnits().first();
    // No plan yet, then a month not made: nothing accrues.
    Script s1;
    QCOMPARE(int(b.post(b.request("1", unit), s1).outcome), int(PostOutcome::Refused));
    QCOMPARE(s1.informed, QStringList{QString::fromUtf8(kNothingToPost)});
    QVERIFY(s1.asked.isEmpty());
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
    Script s2;
    QCOMPARE(int(b.post(b.request("1", unit, {}, 0, 4), s2).outcome), int(PostOutcome::Refused));
    QCOMPARE(s2.informed, QStringList{QString::fromUtf8(kNothingToPost)});

    // A plan that does not balance is never posted; the message names the difference.
    PlanHeader h = *readHeader(b.db, unit, QStringLiteral("1"));
    std::vector<PlanLine> lines = defaultPlan(DefaultPlan::Salaries, true);
    lines.pop_back();  // the memorandum credit of the premiums
    savePlan(b.db, h, lines, 2026);
    const Preparation p = prepareFromDatabase(b.db, b.request("1", unit), b.exemption);
    const Money premiums = evaluate(QStringLiteral("EMKESD+DVERVIADE+GSSI+MYOI"), p.prepared.vars);
    QVERIFY(premiums > Money());
    Script s3;
    QCOMPARE(int(b.post(b.request("1", unit), s3).outcome), int(PostOutcome::Refused));
    QCOMPARE(s3.informed.size(), 1);
    QVERIFY2(s3.informed.first().contains(QStringLiteral("Fark: ") + premiums.toText()), qPrintable(s3.informed.first()));
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")), 0);

    // Declined: nothing is written.
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
    Script no;
    no.answers = {false};
    QCOMPARE(int(b.post(b.request("1", unit), no).outcome), int(PostOutcome::Declined));
    QCOMPARE(b.stamped(), 0);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")), 0);

    // Declining the re-post leaves the entry's lines as they were.
    const PostResult posted = b.post(b.request("1", unit));
    QCOMPARE(int(posted.outcome), int(PostOutcome::Posted));
    const int lines0 = b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR"));
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries, false);
    Script notAgain;
    notAgain.answers = {true, false};
    QCOMPARE(int(b.post(b.request("1", unit), notAgain).outcome), int(PostOutcome::Declined));
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR")), lines0);
}

void TestPosting::failedWriteLeavesNothing()
{
    Books b;
    const int unit = b.salaryUnits().first();
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
    for (PostStage stage : {PostStage::AccountingWritten, PostStage::MainStamped, PostStage::MainCommitted}) {
        Script s;
        const PostResult r = b.post(b.request("1", unit), s, [stage](PostStage at) {
            if (at == stage)
                throw db::DbError(db::DbError::Kind::Transaction, QStringLiteral("injected"));
        });
        QCOMPARE(int(r.outcome), int(PostOutcome::Failed));
        QVERIFY(s.informed.last().contains(QStringLiteral("injected")));
        QCOMPARE(b.stamped(), 0);
        QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")), 0);
        QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM MUHHAR")), 0);
    }
    // A real failure of an accounting insert: a check on the lines' table refuses the cheque line.
    {
        db::Transaction t(b.acc);
        b.acc.exec(QStringLiteral("ALTER TABLE MUHHAR ADD CONSTRAINT CK_TEST CHECK (HKOD <> '103.01')"));
        t.commit();
    }
    Script s;
    QCOMPARE(int(b.post(b.request("1", unit), s).outcome), int(PostOutcome::Failed));
    QCOMPARE(b.stamped(), 0);
    QCOMPARE(b.count(b.acc, QStringLiteral("SELECT COUNT(*) FROM YEVMIYE")), 0);
    {
        db::Transaction t(b.acc);
        b.acc.exec(QStringLiteral("ALTER TABLE MUHHAR DROP CONSTRAINT CK_TEST"));
        t.commit();
    }
    // Afterwards the posting goes through.
    QCOMPARE(int(b.post(b.request("1", unit)).outcome), int(PostOutcome::Posted));
    QVERIFY(b.stamped() > 0);
}

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

/// Compares `out` with tests/modules/posting/golden/FILE (written anew with ZERAN_GOLDEN_UPDATE).
void compareGolden(const QString &file, const QByteArray &out)
{
    const QString path = qEnvironmentVariable("ZERAN_TEST_SOURCE") + QStringLiteral("/tests/modules/posting/golden/") + file;
    QFile f(path);
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(out);
        return;
    }
    const QByteArray want = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (out != want) {
        QFile actual(QDir::temp().filePath(file));
        if (actual.open(QIODevice::WriteOnly | QIODevice::Truncate))
            actual.write(out);
        QFAIL(qPrintable(QStringLiteral("%1 %2; this run's output is in %3. After checking the difference: "
                                        "ZERAN_GOLDEN_UPDATE=1 ctest -R '^posting$'")
                             .arg(path, want.isEmpty() ? QStringLiteral("is missing") : QStringLiteral("differs"),
                                  actual.fileName())));
    }
}

Run cli(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(qEnvironmentVariable("ZERAN_CLI"), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

void TestPosting::commandLine()
{
    // formula --json -: the language as the posting evaluates it.
    struct F {
        const char *json;
        int code;
        const char *out;
    };
    const F formulas[] = {
        {R"({"formula":"AYTUT + KIRA","sums":{"AYTUT":1000.5,"KIRA":"50"},"rule":"monthly"})", 0, "1000.5000\n"},
        {R"({"formula":"-EKGOST--KIRA","sums":{"EGOSTUT":10,"KIRA":"2.25"}})", 0, "-12.2500\n"},
        {R"({"formula":"GELVER","sums":{"GELVER":900,"GELVERKES":400},"ASUCISTISNA":"E","rule":"monthly"})", 0,
         "400.0000\n"},
        {R"({"formula":"GELVER","sums":{"GELVER":900,"GELVERKES":400},"ASUCISTISNA":"E","rule":"difference"})", 0,
         "900.0000\n"},
        {R"({"formula":"MAAS+kira","sums":{"MAAS":100,"ACIKKES":"33.3333"}})", 0, "66.6667\n"},
        {R"({"formula":"AYTUT","sums":{"AYTUTX":1}})", 2, ""},
        {R"({"formula":"AYTUT","rule":"weekly"})", 2, ""},
        {R"(not json)", 2, ""},
    };
    for (const F &f : formulas) {
        const Run r = cli({QStringLiteral("formula"), QStringLiteral("--json"), QStringLiteral("-")}, QByteArray(f.json));
        QVERIFY2(r.code == f.code, f.json);
        QCOMPARE(r.out, QByteArray(f.out));
    }

    Books b;
    const int unit = b.salaryUnits().first();
    b.plan(unit, QStringLiteral("1"), DefaultPlan::Salaries);
    const QString dir = b.fresh.dir.path();
    b.db.close();
    b.acc.close();  // the embedded engine opens a file for one process at a time
    const QStringList common = {QStringLiteral("--today"), QStringLiteral("2026-03-20"), dir, QStringLiteral("--unit"),
                                QString::number(unit), QStringLiteral("--kind"), QStringLiteral("1")};

    const Run prepared = cli(QStringList{QStringLiteral("posting"), QStringLiteral("prepare")} + common + QStringList{QStringLiteral("--json")});
    QVERIFY2(prepared.code == 0, qPrintable(prepared.err));
    compareGolden(QStringLiteral("prepare-monthly.json"), prepared.out);
    const QJsonObject o = QJsonDocument::fromJson(prepared.out).object();
    QCOMPARE(o.value(QStringLiteral("balanced")).toBool(), true);
    QCOMPARE(o.value(QStringLiteral("month")).toInt(), 3);
    const QJsonObject totals = o.value(QStringLiteral("totals")).toObject();
    QCOMPARE(totals.value(QStringLiteral("BORC")), totals.value(QStringLiteral("ALACAK")));
    const QJsonArray lines = o.value(QStringLiteral("lines")).toArray();
    const QJsonArray muhhar = o.value(QStringLiteral("journal")).toObject().value(QStringLiteral("MUHHAR")).toArray();
    QCOMPARE(muhhar.size(), lines.size());
    QCOMPARE(muhhar.last().toObject().value(QStringLiteral("HARNO")).toInt(), int(lines.size()));
    QCOMPARE(lines.first().toObject().value(QStringLiteral("HESNO")).toString(), QStringLiteral("630.01.01.01.01"));
    QCOMPARE(lines.first().toObject().value(QStringLiteral("E1")).toString(), QStringLiteral("630"));
    QCOMPARE(o.value(QStringLiteral("journal")).toObject().value(QStringLiteral("YEVMIYE")).toObject().value(QStringLiteral("TAH")),
             totals.value(QStringLiteral("TAHAKKUK")));

    const Run declined = cli(QStringList{QStringLiteral("posting"), QStringLiteral("make")} + common);
    QCOMPARE(declined.code, 3);
    const Run made = cli(QStringList{QStringLiteral("posting"), QStringLiteral("make")} + common + QStringList{QStringLiteral("--yes")});
    QVERIFY2(made.code == 0, qPrintable(made.err));
    QVERIFY2(made.out.startsWith("YEVNO 1\n"), made.out.constData());

    const QString pdf = QDir(dir).filePath(QStringLiteral("odeme.pdf"));
    const Run printed = cli(QStringList{QStringLiteral("posting"), QStringLiteral("print")} + common +
                            QStringList{QStringLiteral("--pdf"), pdf});
    QVERIFY2(printed.code == 0, qPrintable(printed.err));
    const QString text = test::pdfPages(pdf).join(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("ÖDEME EMRİ BELGESİ")));
    const QString page = text.simplified();
    const Money accrual = *Money::parsePlain(totals.value(QStringLiteral("TAHAKKUK")).toString());
    const Money cheques = *Money::parsePlain(totals.value(QStringLiteral("CEK")).toString());
    QVERIFY2(page.contains(QStringLiteral("Yukarıda yazılı ") + general::yaziyla(accrual) +
                           QStringLiteral(" Bütçe Gideri Tahakkuk Etmiştir.")),
             qPrintable(page));
    QVERIFY(page.contains(QStringLiteral("Yalnız :") + general::yaziyla(cheques) + QStringLiteral(" Aldım")));
    QVERIFY(page.contains(QStringLiteral("Bütçe Gideri Tahakkuk Toplamı ") + accrual.toText()));
    QVERIFY(page.contains(QStringLiteral("630.01.01.01.01")));
    QVERIFY(page.contains(QStringLiteral("B.B.M.Y. Örnek 32")));
    QVERIFY(page.contains(QStringLiteral("No. su 1")));
}

QTEST_GUILESS_MAIN(TestPosting)
#include "tst_posting.moc"
