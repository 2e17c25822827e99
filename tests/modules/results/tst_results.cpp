// Stored payroll results and snapshots: every column survives the round trip, a payroll's
// rows are replaced for exactly the unit and kind asked for, and values that would break the
// stored totals are refused before anything is written.

#include "resultstore.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::results;

namespace {

Money m(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

/// A row in which every column holds a value of its own, so that a swapped or dropped
/// column shows up in the comparison.
ResultRow fullResult(int pkayno, int bkod, int pkod, PayrollKind kind, int ay, int seed)
{
    ResultRow r;
    r.key = {pkayno, bkod, pkod, kind, QStringLiteral("2026"), ay};
    int n = seed * 1000;
    auto next = [&n] { return Money::fromKurus(++n * 101); };  // distinct two-decimal amounts
    for (Money *p : {&r.AYTUT, &r.EGOSTUT, &r.TABAY, &r.KIDAY, &r.YANOD, &r.OZHIZTAZ, &r.EKODTUT, &r.FAZMES,
                     &r.LOJTAZ, &r.EKTAZ, &r.DILTAZ, &r.DIGTAZ, &r.AILEYRD, &r.COCYRD, &r.COCYRD1, &r.ARTIS,
                     &r.TERFAR, &r.YEMEK, &r.GELTOP, &r.EMKESM, &r.EMKESD, &r.GSSMAT, &r.MYOI, &r.MYOP, &r.GSSI,
                     &r.GSSP, &r.DVVIADE, &r.PEKFARK, &r.INDIRIM, &r.OZIN, &r.VERMAT, &r.GELVER, &r.DVMAT,
                     &r.DAMVER, &r.VERMAT1, &r.GELVER1, &r.DVMAT1, &r.DAMVER1, &r.GELVERKES, &r.DAMVERKES,
                     &r.AGIMAT, &r.VIADE, &r.BES, &r.HIZBOR, &r.ICRA, &r.KIRA, &r.PCEZA, &r.KEFALET, &r.SEN1,
                     &r.SEN2, &r.SEN3, &r.OZELKES, &r.KESTOP, &r.MAAS})
        *p = next();
    for (auto &k : r.KAZ)
        k = next();
    for (auto &k : r.KES)
        k = next();
    for (int i = 0; i < 10; ++i)
        r.KAZA[i] = QStringLiteral("Gelir Ğ%1").arg(i + 1);
    for (int i = 0; i < 5; ++i)
        r.KESA[i] = QStringLiteral("Kesinti Ş%1").arg(i + 1);
    r.EKMAT = m("45123.4567");
    r.ACIKKES = m("1234.5679");
    r.VEROR = 0.2;
    r.VEROR1 = 15;
    return r;
}

SnapshotRow fullSnapshot(int pkayno, int bkod, int pkod, PayrollKind kind, int ay)
{
    SnapshotRow s;
    s.key = {pkayno, bkod, pkod, kind, QStringLiteral("2026"), ay};
    int n = 0;
    for (int *p : {&s.UKOD, &s.COC1, &s.COC2, &s.DIGCOC, &s.SAKDER, &s.KIDEM, &s.DER, &s.KAD, &s.GOS, &s.MDER,
                   &s.MKAD, &s.MGOS, &s.EGOS, &s.MEGOS, &s.YOP, &s.OHT, &s.EKOD, &s.RAPOR, &s.TFA, &s.GF,
                   &s.KIDART, &s.YDER, &s.YKAD, &s.YGOS, &s.YEGOS, &s.YKID, &s.YEMEKGUN})
        *p = ++n * 7;
    s.MHAL = QStringLiteral("1");
    s.ESI = QStringLiteral("2");
    s.YIG = QStringLiteral("E");
    s.KGUN = 15.5;
    s.KEFALET = QStringLiteral("E");
    s.VEKIL = QStringLiteral("H");
    s.KISTEMKES = QStringLiteral("E");
    s.SENDIKA = QStringLiteral("E");
    s.GSSTUR = QStringLiteral("5");
    s.TERTAR = QDate(2026, 9, 14);
    return s;
}

}  // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kinds();
    void fixedColumnOrders();
    void roundTrip();
    void emptyOptionalColumnsStayNull();
    void textsFitTheirColumns();
    void deleteOneUnitKeepsTheRest_data();
    void deleteOneUnitKeepsTheRest();
    void refusedValues_data();
    void refusedValues();
    void writerNeedsUnitOfWork();
    void rollbackKeepsPreviousRows();
    void lastMonthOfUnit();

private:
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;

    int count(const char *table, const QString &where = QStringLiteral("1=1"))
    {
        return db_->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(QLatin1String(table), where)).toInt();
    }
    void writePayroll(PayrollKind kind, int ay, const QList<int> &units, int seed = 1)
    {
        db::Transaction tx(*db_);
        ResultWriter w(*db_);
        for (int bkod : units) {
            for (int p = 1; p <= 3; ++p) {
                w.insertResult(fullResult(100 * bkod + p, bkod, p, kind, ay, seed + p));
                w.insertSnapshot(fullSnapshot(100 * bkod + p, bkod, p, kind, ay));
            }
        }
        tx.commit();
    }
};

void TestResults::init()
{
    fresh_ = std::make_unique<test::FreshDatabase>();
    db_ = std::make_unique<db::Database>(test::uniqueName("results"));
    db_->open(fresh_->params);
}

void TestResults::cleanup()
{
    db_.reset();
    fresh_.reset();
}

void TestResults::kinds()
{
    QCOMPARE(kAllPayrollKinds.size(), std::size_t(8));
    for (PayrollKind k : kAllPayrollKinds)
        QCOMPARE(kindFromCode(kindCode(k)), std::optional<PayrollKind>(k));
    QCOMPARE(kindName(PayrollKind::Monthly), QStringLiteral("Maaş Bordrosu"));
    QCOMPARE(kindName(PayrollKind::ExtraordinaryCouncil), QStringLiteral("Olağanüstü Meclis"));
    QCOMPARE(kindName(PayrollKind::Acting), QStringLiteral("Başkan Vekalet Bordrosu"));
    QCOMPARE(kindFromCode(u"1 "), std::optional<PayrollKind>(PayrollKind::Monthly));  // ZERARSIV.TUR is two wide
    QVERIFY(!kindFromCode(u"9"));
    QVERIFY(!kindFromCode(u"0"));
    QVERIFY(!kindFromCode(u""));
    QVERIFY(!kindFromCode(u"11"));
}

void TestResults::fixedColumnOrders()
{
    // The monthly run's statement names its columns in this order; other writers and the
    // exports of the installations rely on it.
    const QStringList result = QStringLiteral(
        "PKOD BKOD TUR AY YIL PKAYNO INDIRIM OZIN HIZBOR AILEYRD COCYRD COCYRD1 ARTIS TERFAR AYTUT EGOSTUT TABAY KIDAY "
        "OZHIZTAZ EKODTUT YANOD FAZMES LOJTAZ EKTAZ DILTAZ DIGTAZ EMKESD EMKESM KAZ1 KAZ2 KAZ3 KAZ4 KAZ5 KAZ6 KAZ7 KAZ8 "
        "KAZ9 KAZ10 GELTOP VERMAT VEROR GELVER DAMVER KIRA ICRA OZELKES KES1 KES2 KES3 KES4 KES5 KESTOP SEN1 SEN2 SEN3 "
        "KEFALET DVMAT EKMAT MAAS VIADE MYOI MYOP GSSI GSSP GSSMAT DVVIADE PCEZA KAZA1 KAZA2 KAZA3 KAZA4 KAZA5 KAZA6 "
        "KAZA7 KAZA8 KAZA9 KAZA10 KESA1 KESA2 KESA3 KESA4 KESA5 BES ACIKKES AGIMAT PEKFARK GELVER1 DAMVER1 VERMAT1 "
        "DVMAT1 VEROR1 GELVERKES DAMVERKES YEMEK").split(QLatin1Char(' '));
    QCOMPARE(resultInsertColumns().mid(0, result.size()), result);
    QCOMPARE(resultInsertColumns().mid(result.size()), QStringLiteral("EKFARK OTURUM OTRUCR TAR").split(QLatin1Char(' ')));

    const QStringList snapshot = QStringLiteral(
        "AY TUR PKOD BKOD PKAYNO YIL UKOD MHAL ESI COC1 COC2 DIGCOC SAKDER KIDEM DER KAD GOS MDER MKAD MGOS EGOS MEGOS "
        "YOP OHT EKOD RAPOR YIG KGUN TFA GF KIDART KEFALET VEKIL SENDIKA KISTEMKES GSSTUR TERTAR YDER YKAD YGOS YEGOS "
        "YKID YEMEKGUN").split(QLatin1Char(' '));
    QCOMPARE(snapshotInsertColumns().mid(0, snapshot.size()), snapshot);
    QCOMPARE(snapshotInsertColumns().mid(snapshot.size()), QStringLiteral("MDUR HKOD").split(QLatin1Char(' ')));
}

void TestResults::roundTrip()
{
    ResultRow r = fullResult(7, 2, 3, PayrollKind::Monthly, 9, 1);
    r.EKFARK = m("12.34");
    r.OTURUM = m("3");
    r.OTRUCR = m("456.78");
    r.TAR = QDate(2026, 9, 15);
    const SnapshotRow s = fullSnapshot(7, 2, 3, PayrollKind::Monthly, 9);
    {
        db::Transaction tx(*db_);
        ResultWriter w(*db_);
        w.insertResult(r);
        w.insertSnapshot(s);
        tx.commit();
    }
    const PayrollMonth month{QStringLiteral("2026"), 9, PayrollKind::Monthly};
    const auto back = readResult(*db_, month, 7, 2, 3);
    QVERIFY(back);
    QCOMPARE(resultInsertValues(*back), resultInsertValues(r));
    QCOMPARE(back->EKMAT, m("45123.4567"));
    QCOMPARE(back->ACIKKES, m("1234.5679"));
    QCOMPARE(back->paidOut(), r.MAAS - m("1234.5679"));
    QCOMPARE(back->KAZA[9], QStringLiteral("Gelir Ğ10"));
    QCOMPARE(back->VEROR, 0.2);
    QCOMPARE(back->VEROR1, 15.0);
    QVERIFY(!back->YEVNO);
    QVERIFY(back->ODE.isEmpty());

    const auto snap = readSnapshot(*db_, month, 7, 2, 3);
    QVERIFY(snap);
    QCOMPARE(snapshotInsertValues(*snap), snapshotInsertValues(s));
    QCOMPARE(snap->KGUN, 15.5);
    QCOMPARE(snap->key.TUR, PayrollKind::Monthly);

    // Payment status and the journal number written by others come back too.
    db_->exec(QStringLiteral("UPDATE ZERMAAS SET ODE='1',ODENO=12,ODETAR=46000,YEVNO=345"));
    const auto paid = readResult(*db_, month, 7, 2, 3);
    QCOMPARE(paid->ODE, QStringLiteral("1"));
    QCOMPARE(paid->YEVNO, std::optional<double>(345));
    QCOMPARE(paid->ODENO, std::optional<double>(12));
}

void TestResults::emptyOptionalColumnsStayNull()
{
    // A monthly row leaves the derived payrolls' columns and the unused snapshot columns empty.
    insertResultRow(*db_, fullResult(1, 1, 1, PayrollKind::Monthly, 1, 1));
    insertSnapshotRow(*db_, fullSnapshot(1, 1, 1, PayrollKind::Monthly, 1));
    QCOMPARE(count("ZERMAAS", QStringLiteral("EKFARK IS NULL AND OTURUM IS NULL AND OTRUCR IS NULL AND TAR IS NULL "
                                             "AND ODE IS NULL AND YEVNO IS NULL")),
             1);
    QCOMPARE(count("ZERARSIV", QStringLiteral("MDUR IS NULL AND HKOD IS NULL")), 1);
    // Zero amounts are stored as 0, not NULL: sums over them are numbers.
    ResultRow zero;
    zero.key = {2, 1, 2, PayrollKind::Monthly, QStringLiteral("2026"), 1};
    insertResultRow(*db_, zero);
    QCOMPARE(count("ZERMAAS", QStringLiteral("PKAYNO=2 AND MAAS=0 AND KAZ10=0 AND KAZA1 IS NULL")), 1);
}

void TestResults::textsFitTheirColumns()
{
    // A special deduction may be named with 25 characters; the result row keeps 15.
    ResultRow r = fullResult(1, 1, 1, PayrollKind::Monthly, 2, 1);
    r.KESA[0] = QStringLiteral("ÇOK UZUN KESİNTİ ADI ÖRNEĞİ");
    insertResultRow(*db_, r);
    const auto back = readResult(*db_, {QStringLiteral("2026"), 2, PayrollKind::Monthly}, 1, 1, 1);
    QCOMPARE(back->KESA[0], QStringLiteral("ÇOK UZUN KESİNT"));

    // Pay-record codes as the driver hands them over (padded CHAR, two-wide MHAL).
    SnapshotRow s = fullSnapshot(1, 1, 1, PayrollKind::Monthly, 2);
    s.MHAL = QStringLiteral("2 ");
    s.KEFALET = QStringLiteral("E   ");
    insertSnapshotRow(*db_, s);
    const auto snap = readSnapshot(*db_, {QStringLiteral("2026"), 2, PayrollKind::Monthly}, 1, 1, 1);
    QCOMPARE(snap->MHAL, QStringLiteral("2"));
    QCOMPARE(snap->KEFALET, QStringLiteral("E"));
}

void TestResults::deleteOneUnitKeepsTheRest_data()
{
    QTest::addColumn<bool>("oneUnit");
    QTest::addColumn<int>("resultsLeft");
    QTest::newRow("unit 1 only") << true << 3 + 3 * 2 * 2;  // unit 2 of kind 1, both units of kind 2 (two months)
    QTest::newRow("all units") << false << 3 * 2 * 2;
}

void TestResults::deleteOneUnitKeepsTheRest()
{
    QFETCH(bool, oneUnit);
    QFETCH(int, resultsLeft);
    writePayroll(PayrollKind::Monthly, 9, {1, 2});
    writePayroll(PayrollKind::Difference, 9, {1, 2});
    writePayroll(PayrollKind::Difference, 8, {1, 2});
    QCOMPARE(count("ZERMAAS"), 18);
    QCOMPARE(count("ZERARSIV"), 18);

    const PayrollMonth month{QStringLiteral("2026"), 9, PayrollKind::Monthly};
    deleteMonth(*db_, month, oneUnit ? std::optional<int>(1) : std::nullopt);

    QCOMPARE(count("ZERMAAS"), resultsLeft);
    QCOMPARE(count("ZERARSIV"), resultsLeft);
    QCOMPARE(readResults(*db_, month, 1).size(), std::size_t(0));
    QCOMPARE(readSnapshots(*db_, month, 1).size(), std::size_t(0));
    QCOMPARE(readResults(*db_, month, 2).size(), std::size_t(oneUnit ? 3 : 0));
    QCOMPARE(readSnapshots(*db_, month).size(), std::size_t(oneUnit ? 3 : 0));
    // The other kind of the same month is untouched, in both units, with its amounts.
    const auto diff = readResults(*db_, {QStringLiteral("2026"), 9, PayrollKind::Difference});
    QCOMPARE(diff.size(), std::size_t(6));
    QCOMPARE(diff.front().key.BKOD, 1);
    QCOMPARE(diff.front().key.PKOD, 1);
    QCOMPARE(resultInsertValues(diff.front()), resultInsertValues(fullResult(101, 1, 1, PayrollKind::Difference, 9, 2)));

    // Rewriting the month gives exactly one row per pay record again.
    writePayroll(PayrollKind::Monthly, 9, {1}, 5);
    QCOMPARE(count("ZERMAAS", QStringLiteral("TUR='1' AND AY=9 AND BKOD=1")), 3);
    QCOMPARE(readResults(*db_, month, 1).front().AYTUT, fullResult(101, 1, 1, PayrollKind::Monthly, 9, 6).AYTUT);
}

void TestResults::refusedValues_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two decimals") << "MAAS" << "1234.56" << true;
    QTest::newRow("third decimal") << "MAAS" << "1234.565" << false;
    QTest::newRow("fourth decimal in KAZ") << "KAZ3" << "0.0001" << false;
    QTest::newRow("negative third decimal") << "GELVER" << "-0.005" << false;
    QTest::newRow("ACIKKES four decimals") << "ACIKKES" << "10.1234" << true;
    QTest::newRow("EKMAT four decimals") << "EKMAT" << "10.1234" << true;
    QTest::newRow("optional with third decimal") << "OTRUCR" << "1.001" << false;
}

void TestResults::refusedValues()
{
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    ResultRow r;
    r.key = {1, 1, 1, PayrollKind::Monthly, QStringLiteral("2026"), 3};
    const Money v = *Money::parsePlain(value);
    if (column == QLatin1String("MAAS"))
        r.MAAS = v;
    else if (column == QLatin1String("KAZ3"))
        r.KAZ[2] = v;
    else if (column == QLatin1String("GELVER"))
        r.GELVER = v;
    else if (column == QLatin1String("ACIKKES"))
        r.ACIKKES = v;
    else if (column == QLatin1String("EKMAT"))
        r.EKMAT = v;
    else if (column == QLatin1String("OTRUCR"))
        r.OTRUCR = v;
    bool threw = false;
    try {
        insertResultRow(*db_, r);
    } catch (const ResultValueError &e) {
        threw = true;
        QVERIFY2(QString::fromStdString(e.what()).contains(column), e.what());
    }
    QCOMPARE(!threw, accepted);
    QCOMPARE(count("ZERMAAS"), accepted ? 1 : 0);
}

void TestResults::writerNeedsUnitOfWork()
{
    QVERIFY_THROWS_EXCEPTION(db::DbError, ResultWriter{*db_});
    ResultRow badMonth;
    badMonth.key = {1, 1, 1, PayrollKind::Monthly, QStringLiteral("2026"), 13};
    QVERIFY_THROWS_EXCEPTION(ResultValueError, insertResultRow(*db_, badMonth));
    badMonth.key.AY = 1;
    badMonth.key.YIL = QStringLiteral("26");
    QVERIFY_THROWS_EXCEPTION(ResultValueError, insertResultRow(*db_, badMonth));
    QVERIFY_THROWS_EXCEPTION(ResultValueError, deleteMonth(*db_, {QStringLiteral("2026"), 0, PayrollKind::Monthly}, {}));
    QCOMPARE(db_->transactionDepth(), 0);
}

void TestResults::rollbackKeepsPreviousRows()
{
    writePayroll(PayrollKind::Monthly, 4, {1});
    const PayrollMonth month{QStringLiteral("2026"), 4, PayrollKind::Monthly};
    try {
        db::Transaction tx(*db_);
        deleteMonth(*db_, month, 1);
        ResultWriter w(*db_);
        w.insertResult(fullResult(101, 1, 1, PayrollKind::Monthly, 4, 9));
        ResultRow bad = fullResult(102, 1, 2, PayrollKind::Monthly, 4, 9);
        bad.MAAS = m("1.001");
        w.insertResult(bad);  // refused: the whole rewrite is abandoned
        tx.commit();
        QFAIL("the refused row did not stop the rewrite");
    } catch (const ResultValueError &) {
    }
    QCOMPARE(count("ZERMAAS"), 3);
    QCOMPARE(count("ZERARSIV"), 3);
    QCOMPARE(readResults(*db_, month, 1).front().AYTUT, fullResult(101, 1, 1, PayrollKind::Monthly, 4, 2).AYTUT);
}

void TestResults::lastMonthOfUnit()
{
    QVERIFY(!lastMonth(*db_, QStringLiteral("2026"), PayrollKind::Monthly, 1));
    writePayroll(PayrollKind::Monthly, 3, {1});
    writePayroll(PayrollKind::Monthly, 5, {2});
    writePayroll(PayrollKind::Difference, 7, {1});
    QCOMPARE(lastMonth(*db_, QStringLiteral("2026"), PayrollKind::Monthly, 1), std::optional<int>(3));
    QCOMPARE(lastMonth(*db_, QStringLiteral("2026"), PayrollKind::Monthly, 2), std::optional<int>(5));
    QCOMPARE(lastMonth(*db_, QStringLiteral("2026"), PayrollKind::Difference, 1), std::optional<int>(7));
    QVERIFY(!lastMonth(*db_, QStringLiteral("2025"), PayrollKind::Monthly, 1));
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
