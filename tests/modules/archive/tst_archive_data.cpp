// Past payrolls against a real database (embedded and on the test server): the archive rows
// with both KEFALET values, namesakes kept apart, the deletion of a month of one unit and kind,
// payments, stored-month corrections and hand-entered tax bases feeding the next payroll's
// cumulative tax; and zeran-cli archive with its workbook read back by openpyxl.

#include "archivestore.h"
#include "demo.h"
#include "makemonths.h"
#include "resultstore.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include <deque>

using namespace zeran;
using namespace zeran::archive;
using results::PayrollKind;

Q_DECLARE_METATYPE(zeran::test::Mode)

namespace {

class Script : public Questions {
public:
    std::deque<bool> answers;
    QStringList asked, informed;
    bool confirm(const QString &text) override
    {
        asked << text;
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void inform(const QString &text) override { informed << text; }
};

struct Institution {
    explicit Institution(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("archive"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {2026});
        ctx.IZL = ctx.UDUR = QStringLiteral("E");
        ctx.userName = QStringLiteral("TEST");
        ctx.CYIL = QStringLiteral("2026");
    }

    /// Salary units of the demo with paid people in them, by code.
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

    int count(const QString &table, const QString &where, const QVariantMap &binds = {})
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table + QStringLiteral(" WHERE ") + where, binds).toInt();
    }

    results::ResultRow stored(int pkayno, int month)
    {
        QSqlQuery q = db.exec(QStringLiteral("SELECT BKOD,PKOD FROM ZERMAAS WHERE PKAYNO=:PK AND YIL='2026' AND AY=:AY "
                                             "AND TUR='1'"),
                              {{QStringLiteral("PK"), pkayno}, {QStringLiteral("AY"), month}});
        if (!q.next())
            throw std::runtime_error("no stored row");
        return *results::readResult(db, {QStringLiteral("2026"), month, PayrollKind::Monthly}, pkayno, q.value(0).toInt(),
                                    q.value(1).toInt());
    }

    /// A person of the first unit with a taxable base.
    results::ResultRow somebody(int month)
    {
        const int pk = db.scalar(QStringLiteral("SELECT FIRST 1 PKAYNO FROM ZERMAAS WHERE YIL='2026' AND AY=:AY AND TUR='1' "
                                                "AND VERMAT>0 ORDER BY BKOD,PKOD"),
                                 {{QStringLiteral("AY"), month}})
                           .toInt();
        return stored(pk, month);
    }

    /// Makes month `month` again for every unit, through the make path.
    void remake(int month) { test::makeMonths(db, month, month); }

    test::FreshDatabase fresh;
    db::Database db;
    WorkingContext ctx;
};

ArchiveSelection selection(int month, int unit = 0, int person = 0, PayrollKind kind = PayrollKind::Monthly)
{
    ArchiveSelection s;
    s.year = QStringLiteral("2026");
    s.month = month;
    s.unit = unit;
    s.person = person;
    s.kind = kind;
    return s;
}

void addModes()
{
    QTest::addColumn<test::Mode>("mode");
    QTest::newRow("embedded") << test::Mode::Embedded;
    QTest::newRow("server") << test::Mode::Server;
}

}  // namespace

class TestArchiveData : public QObject {
    Q_OBJECT
private slots:
    void rowsCarryKefaletAmountAndFlag_data() { addModes(); }
    void rowsCarryKefaletAmountAndFlag();
    void namesakesStayApart();
    void deleteMonth_data() { addModes(); }
    void deleteMonth();
    void deleteRefusesWithoutUnitOrMonthAndAsksForPostedRows();
    void paymentsOnlyOnShownRows();
    void correctionFeedsLaterCumulativeTax();
    void correctionAsksWhenPosted();
    void taxBaseEntriesFeedTheNextPayroll_data() { addModes(); }
    void taxBaseEntriesFeedTheNextPayroll();
    void taxBaseRefusalsAndDeletion();
    void cliListExportDeletePay();
    void cliListGolden();
};

void TestArchiveData::rowsCarryKefaletAmountAndFlag()
{
    QFETCH(test::Mode, mode);
    Institution inst(mode);
    test::makeMonths(inst.db, 1);
    const std::vector<ArchiveRow> rows = loadRows(inst.db, selection(1));
    QVERIFY(!rows.empty());
    QCOMPARE(int(rows.size()), inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("YIL='2026' AND AY=1 AND TUR='1'")));
    int withSurety = 0, without = 0;
    for (const ArchiveRow &a : rows) {
        QVERIFY(a.snapshot.has_value());
        QCOMPARE(a.snapshot->key.PKAYNO, a.result.key.PKAYNO);
        const QString flag = inst.db
                                 .scalar(QStringLiteral("SELECT KEFALET FROM ZERARSIV WHERE PKAYNO=:PK AND BKOD=:BK AND "
                                                        "PKOD=:PKOD AND YIL='2026' AND AY=1 AND TUR='1'"),
                                         {{QStringLiteral("PK"), a.result.key.PKAYNO},
                                          {QStringLiteral("BK"), a.result.key.BKOD},
                                          {QStringLiteral("PKOD"), a.result.key.PKOD}})
                                 .toString()
                                 .trimmed();
        const double amount = inst.db
                                  .scalar(QStringLiteral("SELECT KEFALET FROM ZERMAAS WHERE PKAYNO=:PK AND BKOD=:BK AND "
                                                         "PKOD=:PKOD AND YIL='2026' AND AY=1 AND TUR='1'"),
                                          {{QStringLiteral("PK"), a.result.key.PKAYNO},
                                           {QStringLiteral("BK"), a.result.key.BKOD},
                                           {QStringLiteral("PKOD"), a.result.key.PKOD}})
                                  .toDouble();
        QCOMPARE(a.snapshot->KEFALET, flag);
        QCOMPARE(a.result.KEFALET, Money::fromDbDouble(amount));
        (a.result.KEFALET > Money() ? withSurety : without)++;
        QCOMPARE(net(a.result), a.result.MAAS - a.result.ACIKKES);
        QVERIFY(!a.ADSOY.isEmpty());
        QVERIFY(!a.BIRIM.isEmpty());
    }
    QVERIFY2(withSurety > 0 && without > 0, "the demo has people with and without the surety deduction");
}

void TestArchiveData::namesakesStayApart()
{
    Institution inst;
    test::makeMonths(inst.db, 2);
    // Two people of the history made namesakes.
    QSqlQuery q = inst.db.exec(QStringLiteral(
        "SELECT DISTINCT PKAYNO FROM ZERMAAS WHERE YIL='2026' AND TUR='1' ORDER BY PKAYNO"));
    std::vector<int> people;
    while (q.next())
        people.push_back(q.value(0).toInt());
    QVERIFY(people.size() >= 2);
    const int first = people[0], second = people[1];
    inst.db.exec(QStringLiteral("UPDATE SICIL SET ADI='AYŞE',SOYADI='YILMAZ' WHERE PKAYNO IN (:A,:B)"),
                 {{QStringLiteral("A"), first}, {QStringLiteral("B"), second}});

    const std::vector<PersonChoice> choices = personChoices(inst.db, 0);
    std::vector<int> ayse;
    for (const PersonChoice &c : choices)
        if (c.ADSOY == QStringLiteral("AYŞE YILMAZ"))
            ayse.push_back(c.PKAYNO);
    QCOMPARE(ayse.size(), std::size_t(2));
    QVERIFY(std::find(ayse.begin(), ayse.end(), first) != ayse.end());
    QVERIFY(std::find(ayse.begin(), ayse.end(), second) != ayse.end());

    for (int person : {first, second}) {
        const std::vector<ArchiveRow> rows = loadRows(inst.db, selection(0, 0, person));
        QCOMPARE(int(rows.size()), inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND TUR='1'"),
                                              {{QStringLiteral("PK"), person}}));
        for (const ArchiveRow &a : rows)
            QCOMPARE(a.result.key.PKAYNO, person);
    }
    // The payment of the second namesake leaves the first one's rows alone.
    std::vector<results::RowKey> keys;
    for (const ArchiveRow &a : loadRows(inst.db, selection(0, 0, second)))
        keys.push_back(a.result.key);
    QCOMPARE(setPayments(inst.db, inst.ctx, keys, {QStringLiteral("1"), 77.0, 20260301.0}).outcome, Outcome::Done);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND ODE IS NOT NULL"), {{QStringLiteral("PK"), first}}),
             0);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND ODE='1' AND ODENO=77"),
                        {{QStringLiteral("PK"), second}}),
             int(keys.size()));
}

void TestArchiveData::deleteMonth()
{
    QFETCH(test::Mode, mode);
    Institution inst(mode);
    test::makeMonths(inst.db, 4);
    const std::vector<int> units = inst.salaryUnits();
    QVERIFY(units.size() >= 2);
    const int unit = units[0], other = units[1];
    // Rows that must survive: another kind of the same unit and month, the ledger of another
    // unit; and the ledger rows of the deleted payroll that must go.
    const results::ResultRow someone = loadRows(inst.db, selection(3, unit)).front().result;
    results::insertTaxBase(inst.db, {someone.key.PKAYNO, unit, someone.key.PKOD, PayrollKind::Difference, QStringLiteral("2026"), 3},
                           Money::fromUnits(100), Money());
    for (int bk : {unit, other})
        inst.db.exec(QStringLiteral("INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER) VALUES (:PK,:BK,'1','2026',3,10)"),
                     {{QStringLiteral("PK"), someone.key.PKAYNO}, {QStringLiteral("BK"), bk}});

    const auto snapshotOfTable = [&] {
        return std::vector<int>{
            inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("BKOD=:B AND AY=3 AND TUR='1'"), {{QStringLiteral("B"), unit}}),
            inst.count(QStringLiteral("ZERARSIV"), QStringLiteral("BKOD=:B AND AY=3 AND TUR='1'"), {{QStringLiteral("B"), unit}}),
            inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("BKOD=:B AND AY=3"), {{QStringLiteral("B"), other}}),
            inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("BKOD=:B AND AY=3 AND TUR='2'"), {{QStringLiteral("B"), unit}}),
            inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("BKOD=:B AND AY=4"), {{QStringLiteral("B"), unit}}),
            inst.count(QStringLiteral("EMKES"), QStringLiteral("BKOD=:B AND AY=3"), {{QStringLiteral("B"), unit}}),
            inst.count(QStringLiteral("EMKES"), QStringLiteral("BKOD=:B AND AY=3"), {{QStringLiteral("B"), other}}),
        };
    };
    const std::vector<int> before = snapshotOfTable();
    QVERIFY(before[0] > 0 && before[2] > 0 && before[3] == 1 && before[4] > 0);

    // March with April present: the second question comes; No changes nothing.
    Script no;
    no.answers = {true, false};
    QCOMPARE(archive::deleteMonth(inst.db, inst.ctx, selection(3, unit), no).outcome, Outcome::Declined);
    QCOMPARE(no.asked.size(), 2);
    QCOMPARE(no.asked[1], QString::fromUtf8(kNotLastMonthQuestion));
    QCOMPARE(snapshotOfTable(), before);

    // The first question answered No: not even the second is asked.
    Script first;
    first.answers = {false};
    QCOMPARE(archive::deleteMonth(inst.db, inst.ctx, selection(3, unit), first).outcome, Outcome::Declined);
    QCOMPARE(first.asked.size(), 1);
    QCOMPARE(snapshotOfTable(), before);

    Script yes;
    yes.answers = {true, true};
    const OperationResult done = archive::deleteMonth(inst.db, inst.ctx, selection(3, unit), yes);
    QCOMPARE(done.outcome, Outcome::Done);
    QCOMPARE(done.rows, before[0]);
    const std::vector<int> after = snapshotOfTable();
    QCOMPARE(after, (std::vector<int>{0, 0, before[2], before[3], before[4], 0, before[6]}));
    QCOMPARE(inst.count(QStringLiteral("IZLEM"), QStringLiteral("BOLUM=:B AND TUR='S'"), {{QStringLiteral("B"), QStringLiteral("ARŞİV")}}),
             1);

    // The last month of the other unit: one question only.
    Script last;
    last.answers = {true};
    QCOMPARE(archive::deleteMonth(inst.db, inst.ctx, selection(4, other), last).outcome, Outcome::Done);
    QCOMPARE(last.asked.size(), 1);
}

void TestArchiveData::deleteRefusesWithoutUnitOrMonthAndAsksForPostedRows()
{
    Institution inst;
    test::makeMonths(inst.db, 2);
    const int unit = inst.salaryUnits().front();
    const int rows = inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("AY=2"));
    for (const ArchiveSelection &s : {selection(2, 0), selection(0, unit)}) {
        Script script;
        script.answers = {true, true, true};
        QCOMPARE(archive::deleteMonth(inst.db, inst.ctx, s, script).outcome, Outcome::Refused);
        QCOMPARE(script.informed, QStringList{QString::fromUtf8(kChooseUnitAndMonth)});
        QVERIFY(script.asked.isEmpty());
    }
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("AY=2")), rows);

    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET YEVNO=4711 WHERE BKOD=:B AND AY=2"), {{QStringLiteral("B"), unit}});
    Script script;
    script.answers = {true, false};
    QCOMPARE(archive::deleteMonth(inst.db, inst.ctx, selection(2, unit), script).outcome, Outcome::Declined);
    QCOMPARE(script.asked.value(1), journalQuestion(4711));
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("AY=2")), rows);
}

void TestArchiveData::paymentsOnlyOnShownRows()
{
    Institution inst;
    test::makeMonths(inst.db, 2);
    const int unit = inst.salaryUnits().front();
    std::vector<results::RowKey> keys;
    for (const ArchiveRow &a : loadRows(inst.db, selection(2, unit)))
        keys.push_back(a.result.key);
    QCOMPARE(setPayments(inst.db, inst.ctx, keys, {QStringLiteral("2"), std::nullopt, 20260310.0}).rows, int(keys.size()));
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("ODE='2' AND ODENO IS NULL AND ODETAR=20260310")),
             int(keys.size()));
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("ODE IS NOT NULL AND (AY<>2 OR BKOD<>:B)"),
                        {{QStringLiteral("B"), unit}}),
             0);
    const std::vector<ArchiveRow> shown = loadRows(inst.db, selection(2, unit));
    QCOMPARE(paymentText(shown.front().result.ODE), QStringLiteral("Ödenmedi"));
    QCOMPARE(journalDateText(shown.front().result.ODETAR), QStringLiteral("10.03.2026"));
}

void TestArchiveData::correctionFeedsLaterCumulativeTax()
{
    Institution inst;
    test::makeMonths(inst.db, 2);
    const results::ResultRow january = inst.somebody(1);
    const int person = january.key.PKAYNO;
    const Money februaryTax = inst.stored(person, 2).GELVER;
    const Money otherFebruary = [&] {
        QSqlQuery q = inst.db.exec(QStringLiteral("SELECT SUM(GELVER) FROM ZERMAAS WHERE AY=2 AND PKAYNO<>:PK"),
                                   {{QStringLiteral("PK"), person}});
        q.next();
        return Money::fromDbDouble(q.value(0).toDouble());
    }();

    results::ResultRow corrected = january;
    corrected.VERMAT = corrected.VERMAT + Money::fromUnits(2000000);
    Script script;
    QCOMPARE(saveCorrection(inst.db, inst.ctx, corrected, script).outcome, Outcome::Done);
    QVERIFY(script.asked.isEmpty());
    QCOMPARE(inst.stored(person, 1).VERMAT, corrected.VERMAT);
    QCOMPARE(inst.count(QStringLiteral("IZLEM"), QStringLiteral("BOLUM=:B AND TUR='D' AND ACIK=:A"),
                        {{QStringLiteral("B"), QStringLiteral("ARŞİV")}, {QStringLiteral("A"), correctionAuditText(corrected)}}),
             1);

    inst.remake(2);
    QVERIFY2(inst.stored(person, 2).GELVER > februaryTax, "the corrected January base raises February's bracket");
    QSqlQuery q = inst.db.exec(QStringLiteral("SELECT SUM(GELVER) FROM ZERMAAS WHERE AY=2 AND PKAYNO<>:PK"),
                               {{QStringLiteral("PK"), person}});
    q.next();
    QCOMPARE(Money::fromDbDouble(q.value(0).toDouble()), otherFebruary);
}

void TestArchiveData::correctionAsksWhenPosted()
{
    Institution inst;
    test::makeMonths(inst.db, 1);
    const results::ResultRow row = inst.somebody(1);
    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET YEVNO=12 WHERE PKAYNO=:PK AND AY=1"), {{QStringLiteral("PK"), row.key.PKAYNO}});
    results::ResultRow corrected = row;
    corrected.KESTOP = row.KESTOP + Money::fromUnits(1);
    Script no;
    no.answers = {false};
    QCOMPARE(saveCorrection(inst.db, inst.ctx, corrected, no).outcome, Outcome::Declined);
    QCOMPARE(no.asked, QStringList{journalQuestion(12)});
    QCOMPARE(inst.stored(row.key.PKAYNO, 1).KESTOP, row.KESTOP);
    Script yes;
    yes.answers = {true};
    QCOMPARE(saveCorrection(inst.db, inst.ctx, corrected, yes).outcome, Outcome::Done);
    QCOMPARE(inst.stored(row.key.PKAYNO, 1).KESTOP, corrected.KESTOP);
    QCOMPARE(inst.stored(row.key.PKAYNO, 1).YEVNO, std::optional<double>(12));
}

void TestArchiveData::taxBaseEntriesFeedTheNextPayroll()
{
    QFETCH(test::Mode, mode);
    Institution inst(mode);
    test::makeMonths(inst.db, 2);
    const results::ResultRow january = inst.somebody(1);
    const int person = january.key.PKAYNO;
    const Money februaryTax = inst.stored(person, 2).GELVER;

    TaxBaseEntry e{person, january.key.BKOD, january.key.PKOD, QStringLiteral("2026"), 1, PayrollKind::Difference,
                   Money::fromUnits(2000000), Money::fromUnits(10)};
    QCOMPARE(addTaxBase(inst.db, inst.ctx, e, 2).outcome, Outcome::Done);
    const std::vector<results::PersonYearRow> rows = taxBaseRows(inst.db, person, QStringLiteral("2026"));
    const auto entered = std::find_if(rows.begin(), rows.end(), [](const results::PersonYearRow &r) { return r.taxBaseOnly; });
    QVERIFY(entered != rows.end());
    QCOMPARE(entered->row.key.TUR, PayrollKind::Difference);
    QCOMPARE(entered->row.VERMAT, Money::fromUnits(2000000));
    QCOMPARE(entered->row.VERMAT1, Money::fromUnits(10));
    QCOMPARE(std::count_if(rows.begin(), rows.end(), [](const results::PersonYearRow &r) { return r.taxBaseOnly; }), 1);

    inst.remake(2);
    QVERIFY2(inst.stored(person, 2).GELVER > februaryTax, "the entered January base counts in February");
}

void TestArchiveData::taxBaseRefusalsAndDeletion()
{
    Institution inst;
    test::makeMonths(inst.db, 3);
    const results::ResultRow march = inst.somebody(3);
    const int person = march.key.PKAYNO;
    TaxBaseEntry e{person, march.key.BKOD, march.key.PKOD, QStringLiteral("2026"), 2, PayrollKind::Committee,
                   Money::fromUnits(500), Money()};
    QCOMPARE(addTaxBase(inst.db, inst.ctx, e, 3).outcome, Outcome::Done);
    // A second "Mesai" base of the month is refused; a "Maaş" base of that month exists already too.
    QCOMPARE(addTaxBase(inst.db, inst.ctx, e, 3).message, QString::fromUtf8(kDuplicateBase));
    TaxBaseEntry salary = e;
    salary.TUR = PayrollKind::Monthly;
    QCOMPARE(addTaxBase(inst.db, inst.ctx, salary, 3).message, QString::fromUtf8(kDuplicateBase));
    TaxBaseEntry bonus = e;
    bonus.TUR = PayrollKind::Additional;
    QCOMPARE(addTaxBase(inst.db, inst.ctx, bonus, 3).outcome, Outcome::Done);
    TaxBaseEntry later = e;
    later.AY = 4;
    QCOMPARE(addTaxBase(inst.db, inst.ctx, later, 3).message, QString::fromUtf8(kLaterThanRunMonth));
    TaxBaseEntry negative = e;
    negative.AY = 1;
    negative.VERMAT = -Money::fromUnits(1);
    QCOMPARE(addTaxBase(inst.db, inst.ctx, negative, 3).message, QString::fromUtf8(kNegativeBase));

    const results::RowKey key{person, march.key.BKOD, march.key.PKOD, PayrollKind::Committee, QStringLiteral("2026"), 2};
    QCOMPARE(correctTaxBase(inst.db, inst.ctx, key, Money::fromUnits(750)).outcome, Outcome::Done);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND TUR='4' AND AY=2 AND VERMAT=750"),
                        {{QStringLiteral("PK"), person}}),
             1);

    // Deletion asks; a computed payroll's row is never deleted here.
    Script no;
    QCOMPARE(archive::deleteTaxBase(inst.db, inst.ctx, key, no).outcome, Outcome::Declined);
    Script yes;
    yes.answers = {true, true};
    QCOMPARE(archive::deleteTaxBase(inst.db, inst.ctx, march.key, yes).message, QString::fromUtf8(kNotAnEnteredBase));
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND TUR='1' AND AY=3"), {{QStringLiteral("PK"), person}}),
             1);
    QCOMPARE(archive::deleteTaxBase(inst.db, inst.ctx, key, yes).outcome, Outcome::Done);
    QCOMPARE(inst.count(QStringLiteral("ZERMAAS"), QStringLiteral("PKAYNO=:PK AND TUR='4'"), {{QStringLiteral("PK"), person}}), 0);
    QCOMPARE(inst.count(QStringLiteral("IZLEM"), QStringLiteral("BOLUM='MATRAH'")), 4);
}

void TestArchiveData::cliListExportDeletePay()
{
    Institution inst;
    test::makeMonths(inst.db, 2);
    const int unit = inst.salaryUnits().front();
    // Σ KAZ3 = 0 and Σ KAZ5 > 0 over the unit's February; one row whose exemption exceeds its tax.
    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET KAZ1=0,KAZ2=0,KAZ3=0,KAZ4=0,KAZ5=0,KAZ6=0,KAZ7=0,KAZ8=0,KAZ9=0,"
                                "KAZ10=0,KAZA5='NÖBET' WHERE AY=2"));
    const int withItem5 = loadRows(inst.db, selection(2, unit)).front().result.key.PKAYNO;
    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET KAZ5=12.5 WHERE AY=2 AND PKAYNO=:PK AND BKOD=:B"),
                 {{QStringLiteral("PK"), withItem5}, {QStringLiteral("B"), unit}});
    const int exemptPerson = loadRows(inst.db, selection(2, unit)).back().result.key.PKAYNO;
    inst.db.exec(QStringLiteral("UPDATE ZERMAAS SET GELVER=100,GELVER1=150,GELVERKES=0 WHERE AY=2 AND PKAYNO=:PK AND BKOD=:B"),
                 {{QStringLiteral("PK"), exemptPerson}, {QStringLiteral("B"), unit}});
    // The embedded engine opens a file for one process: the tool gets it now.
    inst.db.close();
    const QString dir = inst.fresh.dir.path();
    const QStringList sel{QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--kind"), QStringLiteral("1"),
                          QStringLiteral("--unit"), QString::number(unit), QStringLiteral("--month"), QStringLiteral("2")};

    const test::CliRun list = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("list"), dir} + sel +
                                           QStringList{QStringLiteral("--json")});
    QVERIFY2(list.code == 0, qPrintable(list.err));
    const QJsonArray rows = QJsonDocument::fromJson(list.outBytes).array();
    QVERIFY(!rows.isEmpty());
    for (const QJsonValue &v : rows) {
        const QJsonObject o = v.toObject();
        QCOMPARE(o[QStringLiteral("BKOD")].toInt(), unit);
        QCOMPARE(o[QStringLiteral("AY")].toInt(), 2);
        QVERIFY(o[QStringLiteral("KEFALET")].isString());                             // the amount
        QVERIFY(QStringList({"E", "H"}).contains(o[QStringLiteral("ARSIV")][QStringLiteral("KEFALET")].toString()));  // the flag
        if (o[QStringLiteral("PKAYNO")].toInt() == exemptPerson)
            QVERIFY(o[QStringLiteral("GELVER2")].isNull());
    }

    const QString xlsx = dir + QStringLiteral("/arsiv.xlsx");
    const test::CliRun exported = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("export"), dir} + sel +
                                               QStringList{QStringLiteral("--xlsx"), xlsx});
    QVERIFY2(exported.code == 0, qPrintable(exported.err));
    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"),
             {QStringLiteral("-c"), QStringLiteral("import openpyxl,json,sys\n"
                                                   "ws=openpyxl.load_workbook(sys.argv[1]).active\n"
                                                   "print(json.dumps([[c.value for c in r] for r in ws.iter_rows()]))"),
              xlsx});
    QVERIFY(py.waitForFinished(60000));
    QVERIFY2(py.exitCode() == 0, py.readAllStandardError().constData());
    const QJsonArray sheet = QJsonDocument::fromJson(py.readAllStandardOutput()).array();
    QCOMPARE(sheet.size(), rows.size() + 1);
    const QJsonArray head = sheet.at(0).toArray();
    const auto col = [&](const QString &h) {
        for (int i = 0; i < head.size(); ++i)
            if (head.at(i).toString() == h)
                return i;
        return -1;
    };
    QCOMPARE(col(QStringLiteral("NÖBET")), 31);
    QCOMPARE(col(QStringLiteral("GELİR TOPLAMI")), 32);
    const int kesilen = col(QStringLiteral("GELİR VERGİSİ (KESİLEN)"));
    QVERIFY(kesilen > 0);
    for (int r = 1; r < sheet.size(); ++r) {
        const QJsonArray line = sheet.at(r).toArray();
        QCOMPARE(line.at(0).toString(), QStringLiteral("Maaş Bordrosu"));
        QCOMPARE(line.at(1).toString(), QStringLiteral("2026 / 2"));
        QVERIFY(line.at(kesilen).toDouble() >= 0);
        QVERIFY(line.at(col(QStringLiteral("NET MAAŞ"))).isDouble());
    }
    double item5 = 0;
    for (int r = 1; r < sheet.size(); ++r)
        item5 += sheet.at(r).toArray().at(31).toDouble();
    QCOMPARE(item5, 12.5);

    const test::CliRun pay = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("pay"), dir} + sel +
                                          QStringList{QStringLiteral("--number"), QStringLiteral("55"), QStringLiteral("--date"),
                                                      QStringLiteral("01.03.2026")});
    QVERIFY2(pay.code == 0, qPrintable(pay.err));
    QCOMPARE(pay.out.trimmed(), QStringLiteral("paid %1").arg(rows.size()));
    const test::CliRun badPay = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("pay"), dir} + sel +
                                             QStringList{QStringLiteral("--number"), QStringLiteral("x1")});
    QCOMPARE(badPay.code, 2);

    const test::CliRun declined = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("delete"), dir} + sel);
    QCOMPARE(declined.code, 3);
    const test::CliRun deleted = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("delete"), dir} + sel +
                                              QStringList{QStringLiteral("--yes")});
    QVERIFY2(deleted.code == 0, qPrintable(deleted.err));
    QCOMPARE(deleted.out.trimmed(), QStringLiteral("deleted %1").arg(rows.size()));
    const test::CliRun after = test::runCli(QStringList{QStringLiteral("archive"), QStringLiteral("list"), dir} + sel +
                                            QStringList{QStringLiteral("--json")});
    QCOMPARE(QJsonDocument::fromJson(after.outBytes).array().size(), 0);
}

void TestArchiveData::cliListGolden()
{
    // The JSON of "archive list" is an interface: a month of the demo's first unit, byte for byte.
    Institution inst;
    test::makeMonths(inst.db, 2);
    const int unit = inst.salaryUnits().front();
    inst.db.close();
    const test::CliRun list = test::runCli({QStringLiteral("archive"), QStringLiteral("list"), inst.fresh.dir.path(),
                                            QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--kind"),
                                            QStringLiteral("1"), QStringLiteral("--unit"), QString::number(unit),
                                            QStringLiteral("--month"), QStringLiteral("2"), QStringLiteral("--json")});
    QVERIFY2(list.code == 0, qPrintable(list.err));
    const QString path = qEnvironmentVariable("ZERAN_TEST_SOURCE") +
                         QStringLiteral("/tests/modules/archive/golden/demo-2026-02-first-unit.json");
    if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(list.outBytes);
        return;
    }
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(" is missing")));
    const QByteArray want = f.readAll();
    if (list.outBytes != want) {
        QFile a(QDir::temp().filePath(QStringLiteral("demo-2026-02-first-unit.json")));
        if (a.open(QIODevice::WriteOnly | QIODevice::Truncate))
            a.write(list.outBytes);
        QFAIL(qPrintable(QStringLiteral("%1 differs; this run's output is in %2. After checking the difference, "
                                        "write it anew with ZERAN_GOLDEN_UPDATE=1 ctest -R '^archive_data$'")
                             .arg(path, a.fileName())));
    }
}

QTEST_GUILESS_MAIN(TestArchiveData)
#include "tst_archive_data.moc"
