// The monthly run around the engine: ORANLAR, the item definitions, the rows that are shown
// and written, and loading a selection from a database with earlier months in it (the
// demo institution, with months made one after the other through the result store).

#include "demo.h"
#include "oranlar.h"
#include "resultjson.h"
#include "resultstore.h"
#include "runloader.h"
#include "stages.h"
#include "testsupport.h"
#include "writtenrow.h"

#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <tuple>

using namespace zeran;
using namespace zeran::payrollrun;

namespace {

Money m(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

rates::EarningType earning(int hno, int bkod, const char *adi, const char *tur, const char *tutar, const char *gv)
{
    rates::EarningType e;
    e.HNO = hno;
    e.BKOD = bkod;
    e.ADI = QString::fromUtf8(adi);
    e.DUR = QStringLiteral("V");
    e.TUR = QString::fromLatin1(tur);
    e.TUTAR = m(tutar);
    e.GV = QString::fromLatin1(gv);
    e.DV = QStringLiteral("E");
    e.EMK = QStringLiteral("H");
    e.IND = QStringLiteral("H");
    e.BRUTNET = QStringLiteral("B");
    return e;
}

/// A demo institution in its own database, open on a connection of the test.
struct Institution {
    explicit Institution(int year = 2026) : db(test::uniqueName("run"))
    {
        db.open(fresh.params);
        demo::fillDemoInstitution(db, {year});
        settings = readInstallationSettings(db);
    }

    LoadedRun load(int month, RunSelection selection = {})
    {
        return loadRun(db, RunPeriod::of(settings.CYIL, QDate(settings.CYIL.toInt(), month, 15)), selection,
                       settings.engine);
    }

    /// Makes the month's payroll of the selection: the month's rows replaced by the computed ones.
    void make(int month, RunSelection selection = {})
    {
        const LoadedRun loaded = load(month, selection);
        db::Transaction tx(db);
        results::deleteMonth(db, {loaded.run.YIL, month, results::PayrollKind::Monthly},
                             selection.unit ? std::optional<int>(selection.unit) : std::nullopt);
        results::ResultWriter writer(db);
        for (const RunPerson &p : loaded.people) {
            writer.insertResult(resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
            writer.insertSnapshot(snapshotRow(loaded.run, p.input));
        }
        tx.commit();
    }

    /// The computed pay of the demo person with this surname.
    static std::pair<RunPerson, engine::PersonPay> of(const LoadedRun &loaded, const char *surname)
    {
        for (const RunPerson &p : loaded.people) {
            if (p.SOYADI == QString::fromUtf8(surname))
                return {p, engine::hesapla(loaded.run, p.input)};
        }
        qFatal("no %s in the selection", surname);
    }

    int pkayno(const char *surname)
    {
        return db.scalar(QStringLiteral("SELECT PKAYNO FROM SICIL WHERE SOYADI=:S"), {{QStringLiteral("S"), QString::fromUtf8(surname)}})
            .toInt();
    }

    test::FreshDatabase fresh;
    db::Database db;
    InstallationSettings settings;
};

}  // namespace

class TestPayrollRun : public QObject {
    Q_OBJECT

private slots:
    void ratesFromRows()
    {
        rates::PeriodRows rows;
        rows.legal = rates::LegalRates{};
        rows.legal->KATSAYI = 1.012556;
        rows.legal->EYMG = 9500;
        rows.legal->EMKESM = 16;
        rows.legal->MYOI = 20;
        rows.legal->GSSI = 7.5;
        rows.legal->EGOSEB = 55;
        rows.tax = rates::TaxRates{};
        rows.tax->OR2 = 20;
        rows.tax->DVER = 7.59;
        rows.tax->COC1OR = 7.5;
        rows.tax->ASUCR = m("26005.50");
        rows.worker = rates::WorkerRates{14, 1};
        const LoadedRates r = oranlar(rows);
        QVERIFY(r.warnings.isEmpty());
        QCOMPARE(r.rates.EMKESM, 16.0);  // applied as percent ÷ 100 by the stage
        QCOMPARE(shortestDecimal(r.rates.MYOI), QStringLiteral("0.2"));
        QCOMPARE(shortestDecimal(r.rates.GSSI), QStringLiteral("0.075"));
        QCOMPARE(shortestDecimal(r.rates.EGOSEB), QStringLiteral("0.55"));
        QCOMPARE(shortestDecimal(r.rates.OR2), QStringLiteral("0.2"));
        QCOMPARE(shortestDecimal(r.rates.DVER), QStringLiteral("0.00759"));
        QCOMPARE(shortestDecimal(r.rates.COC1OR), QStringLiteral("0.075"));
        QCOMPARE(r.rates.EYMM.toPlain(4), QStringLiteral("9619.2820"));
        QCOMPARE(r.rates.NetMinimumWage.toPlain(4), QStringLiteral("22104.6750"));
    }

    void rateWarnings_data()
    {
        QTest::addColumn<bool>("legal");
        QTest::addColumn<double>("katsayi");
        QTest::addColumn<bool>("tax");
        QTest::addColumn<bool>("worker");
        QTest::addColumn<QStringList>("warnings");
        const QString legalWarning = QString::fromUtf8(kLegalRatesWarning);
        const QString taxWarning = QString::fromUtf8(kTaxRatesWarning);
        const QString workerWarning = QString::fromUtf8(kWorkerRatesWarning);
        QTest::newRow("complete") << true << 1.5 << true << true << QStringList{};
        QTest::newRow("coefficient 0") << true << 0.0 << true << true << QStringList{legalWarning};
        QTest::newRow("no legal row") << false << 0.0 << true << true << QStringList{legalWarning};
        QTest::newRow("no tax row") << true << 1.5 << false << true << QStringList{taxWarning};
        QTest::newRow("no worker row") << true << 1.5 << true << false << QStringList{workerWarning};
        QTest::newRow("empty period") << false << 0.0 << false << false
                                      << QStringList{legalWarning, taxWarning, workerWarning};
    }
    void rateWarnings()
    {
        QFETCH(bool, legal);
        QFETCH(double, katsayi);
        QFETCH(bool, tax);
        QFETCH(bool, worker);
        QFETCH(QStringList, warnings);
        rates::PeriodRows rows;
        if (legal) {
            rows.legal = rates::LegalRates{};
            rows.legal->KATSAYI = katsayi;
            rows.legal->YOD = 0.3;  // the other rates still load
        }
        if (tax)
            rows.tax = rates::TaxRates{};
        if (worker)
            rows.worker = rates::WorkerRates{14, 1};
        const LoadedRates r = oranlar(rows);
        QCOMPARE(r.warnings, warnings);
        QCOMPARE(r.rates.YOD, legal ? 0.3 : 0.0);
    }

    void itemDefinitionsTakeTheLaterRow()
    {
        // Two rows of item 3 (two units): the later one is the item, for its amount and its
        // tax flags alike.
        const std::vector<rates::EarningType> rows = {
            earning(1, 1, "SOSYAL DENGE", "D", "0", "E"),
            earning(3, 1, "ESKİ", "S", "100", "E"),
            earning(3, 2, "YENİ", "S", "250", "H"),
            earning(11, 1, "ONBİR", "S", "999", "E"),
        };
        const auto items = itemDefinitions(rows);
        QVERIFY(items[0].inUse());
        QVERIFY(!items[1].defined);
        QCOMPARE(items[2].ADI, QStringLiteral("YENİ"));
        QCOMPARE(items[2].fixedAmount().toPlain(2), QStringLiteral("250.00"));
        QCOMPARE(items[2].GV, false);
        QCOMPARE(items[2].DV, true);

        rates::EarningType off = earning(4, 1, "KAPALI", "S", "500", "E");
        off.DUR = QStringLiteral("Y");
        const auto closed = itemDefinitions({off});
        QVERIFY(closed[3].defined && !closed[3].inUse());
        QCOMPARE(closed[3].fixedAmount().toPlain(2), QStringLiteral("0.00"));
        QCOMPARE(closed[3].rowName(), QString());
    }

    void displayRules_data()
    {
        QTest::addColumn<QChar>("durum");
        QTest::addColumn<QChar>("pertur");
        QTest::addColumn<int>("ukod");
        QTest::newRow("civil servant") << QChar('E') << QChar('M') << 1;
        QTest::newRow("other staff") << QChar('E') << QChar('D') << 1;
        QTest::newRow("title 15") << QChar('E') << QChar('M') << 15;
        QTest::newRow("unpaid leave") << QChar(u'Ü') << QChar('M') << 1;
    }
    void displayRules()
    {
        QFETCH(QChar, durum);
        QFETCH(QChar, pertur);
        QFETCH(int, ukod);
        engine::PayrollRun run;
        run.YIL = QStringLiteral("2026");
        run.AY = 3;
        engine::PersonInput in;
        in.rec.PKAYNO = 7;
        in.rec.BKOD = 2;
        in.rec.PKOD = 5;
        in.rec.DURUM = durum;
        in.rec.PERTUR = pertur;
        in.rec.UKOD = ukod;
        in.rec.OZIN = m("850");
        engine::PersonPay p;
        p.AYTUT = m("1000.00");
        p.EGOSTUT = m("2000.00");
        p.TABAY = m("15848.42");
        p.KIDAY = m("500.00");
        p.YANOD = m("300.00");
        p.OHTTUT = m("5771.57");
        p.GECICI = m("2251.75");
        p.GELTOP = m("40000.00");
        p.KESTOP = m("9000.00");
        p.MAAS = m("31000.00");
        p.INDIRIM = m("2400.00");
        p.KIRA = m("1500.00");
        p.PCEZA = m("250.00");
        p.GVMAT1 = m("22104.675");
        p.GVOR = 0.2;
        p.GVOR1 = 0.15;
        p.KAZA[0] = QStringLiteral("SOSYAL DENGE");
        const results::ResultRow row = resultRow(run, in, p);
        const bool leave = durum == QChar(u'Ü');
        const bool other = pertur == QLatin1Char('D');
        QCOMPARE(row.key.PKAYNO, 7);
        QCOMPARE(row.key.YIL, QStringLiteral("2026"));
        QCOMPARE(row.key.AY, 3);
        QCOMPARE(row.AYTUT.toPlain(2), QString(leave || other ? "0.00" : "1000.00"));
        QCOMPARE(row.TABAY.toPlain(2), QString(leave || other ? "0.00" : "15848.42"));
        QCOMPARE(row.YANOD.toPlain(2), QString(leave || other ? "0.00" : "300.00"));
        QCOMPARE(row.OZHIZTAZ.toPlain(2), QString(leave || ukod == 15 ? "0.00" : "5771.57"));
        QCOMPARE(row.GELTOP.toPlain(2), QString(leave ? "2251.75" : "40000.00"));  // title 15 keeps it in the gross
        QCOMPARE(row.KESTOP.toPlain(2), QString(leave ? "2251.75" : "9000.00"));
        QCOMPARE(row.MAAS.toPlain(2), QString(leave ? "0.00" : "31000.00"));
        QCOMPARE(row.DVVIADE.toPlain(2), QStringLiteral("2251.75"));
        QCOMPARE(row.VEROR, leave ? 0.0 : 0.2);
        QCOMPARE(row.VEROR1, leave ? 0.0 : 15.0);
        QCOMPARE(row.VERMAT1.toPlain(4), QString(leave ? "0.0000" : "22104.6800"));  // as shown: two decimals
        // As for any other row:
        QCOMPARE(row.INDIRIM.toPlain(2), QStringLiteral("2400.00"));
        QCOMPARE(row.OZIN.toPlain(2), QStringLiteral("850.00"));
        QCOMPARE(row.KIRA.toPlain(2), QStringLiteral("1500.00"));
        QCOMPARE(row.PCEZA.toPlain(2), QStringLiteral("250.00"));
        QCOMPARE(row.KAZA[0], QStringLiteral("SOSYAL DENGE"));
        // The row is one the result store accepts.
        QCOMPARE(results::resultInsertValues(row).size(), results::resultInsertColumns().size());
    }

    void periodFollowsTheMonth()
    {
        Institution inst;
        QCOMPARE(inst.load(3).run.DON, QStringLiteral("1"));
        QCOMPARE(inst.load(3).run.rates.KATSAYI, 1.387871);
        QCOMPARE(inst.load(8).run.DON, QStringLiteral("2"));
        QCOMPARE(inst.load(8).run.rates.KATSAYI, 1.498901);
        QVERIFY(inst.load(3).warnings.isEmpty());
        const LoadedRun missing =
            loadRun(inst.db, RunPeriod::of(QStringLiteral("2027"), QDate(2026, 3, 15)), {}, inst.settings.engine);
        QVERIFY(missing.warnings.contains(QString::fromUtf8(kLegalRatesWarning)));
        QVERIFY(missing.warnings.contains(QString::fromUtf8(kTaxRatesWarning)));
    }

    void selection()
    {
        Institution inst;
        const LoadedRun all = inst.load(1);
        // Salary units only, in unit-name order then PKOD; "Hayır" records left out.
        QStringList units;
        for (const RunPerson &p : all.people) {
            if (units.isEmpty() || units.last() != p.BIRIM)
                units << p.BIRIM;
            QVERIFY(p.input.rec.DURUM != QLatin1Char('H'));
        }
        QCOMPARE(units, (QStringList{QStringLiteral("FEN İŞLERİ MÜDÜRLÜĞÜ"), QStringLiteral("MALİ HİZMETLER MÜDÜRLÜĞÜ"),
                                     QStringLiteral("YAZI İŞLERİ MÜDÜRLÜĞÜ")}));
        for (std::size_t i = 1; i < all.people.size(); ++i) {
            if (all.people[i].BIRIM == all.people[i - 1].BIRIM)
                QVERIFY(all.people[i].input.rec.PKOD > all.people[i - 1].input.rec.PKOD);
        }
        RunSelection every;
        every.everyStatus = true;
        QCOMPARE(inst.load(1, every).people.size(), all.people.size() + 1);  // the retired person

        RunSelection unit;
        unit.unit = 3;
        const LoadedRun one = inst.load(1, unit);
        QVERIFY(!one.people.empty());
        for (const RunPerson &p : one.people)
            QCOMPARE(p.input.rec.BKOD, 3);

        RunSelection person;
        person.person = inst.pkayno("ÖZER");
        const LoadedRun single = inst.load(1, person);
        QCOMPARE(single.people.size(), std::size_t(1));
        QCOMPARE(single.people[0].input.garnishments.runningInstalments.toPlain(2), QStringLiteral("3625.00"));
    }

    void partialMonthDaysAreWhole()
    {
        Institution inst;
        const int pk = inst.pkayno("TEKİN");  // entered on the 17th: 15 days
        const auto [p, pay] = Institution::of(inst.load(1), "TEKİN");
        QCOMPARE(p.input.rec.KGUN, 15);
        inst.db.exec(QStringLiteral("UPDATE ZERBORBIL SET KGUN=15.6 WHERE PKAYNO=:PK"), {{QStringLiteral("PK"), pk}});
        const LoadedRun loaded = inst.load(1);
        const auto [q, again] = Institution::of(loaded, "TEKİN");
        QCOMPARE(q.input.rec.KGUN, 16);
        QCOMPARE(loaded.warnings.size(), 1);
        QVERIFY2(loaded.warnings.first().contains(QStringLiteral("kıst gün sayısı 15.6 tam gün değil, 16 gün")),
                 qPrintable(loaded.warnings.first()));
        QCOMPARE(snapshotRow(loaded.run, q.input).KGUN, 15.6);  // the snapshot keeps what is stored
    }

    void baseSalaryOf2025()
    {
        Institution inst(2025);
        const LoadedRun loaded = inst.load(3);
        const auto [person, pay] = Institution::of(loaded, "KORKMAZ");  // retirement fund, full month
        QCOMPARE(pay.TABAY.toPlain(2), QStringLiteral("15848.42"));
        QCOMPARE(resultRow(loaded.run, person.input, pay).TABAY.toPlain(2), QStringLiteral("15848.42"));
    }

    void monthsOneAfterTheOther()
    {
        Institution inst;
        // January: the high earner's monthly base, stored as the month's row.
        const auto [yilmaz, january] = Institution::of(inst.load(1), "YILMAZ");
        const Money base = january.GVMAT;
        QCOMPARE(january.GVOR, 0.15);
        // Bulut's finished garnishment of 12500 was deducted in 2023, the running one of 48000
        // (4000 a month) since November 2025.
        for (const auto &[year, month, amount] : {std::tuple{"2023", 5, 12500}, {"2025", 11, 4000}, {"2025", 12, 4000}})
            inst.db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,ICRA) VALUES (:PK,2,1,'1',:YL,:AY,:IC)"),
                         {{QStringLiteral("PK"), inst.pkayno("BULUT")},
                          {QStringLiteral("YL"), QString::fromLatin1(year)},
                          {QStringLiteral("AY"), month},
                          {QStringLiteral("IC"), amount}});
        for (int month = 1; month <= 5; ++month)
            inst.make(month);

        // June: P = five months; the month crosses 190000 (2026's first limit).
        const LoadedRun june = inst.load(6);
        const auto [y, pay] = Institution::of(june, "YILMAZ");
        const Money P = base.mul(5);
        QCOMPARE(pay.GVMAT.toPlain(2), base.toPlain(2));
        QCOMPARE(pay.TOPMAT.toPlain(2), (P + base).toPlain(2));
        const Money S = m("190000") - P;
        QVERIFY(S > Money() && S < base);
        const Money expected = (S.mulRate(0.15) + (base - S).mulRate(0.2)).yuvarla1();
        QCOMPARE(pay.GELVER.toPlain(2), expected.toPlain(2));
        QCOMPARE(pay.GVOR, 0.2);

        // Making June and computing it again: the month's own row is not counted twice.
        inst.make(6);
        const auto [y2, again] = Institution::of(inst.load(6), "YILMAZ");
        QCOMPARE(again.TOPMAT.toPlain(2), pay.TOPMAT.toPlain(2));
        QCOMPARE(again.GELVER.toPlain(2), pay.GELVER.toPlain(2));

        // A bonus base of another payroll kind in the same month does count.
        results::ResultRow bonus;
        bonus.key = {yilmaz.input.rec.PKAYNO, yilmaz.input.rec.BKOD, yilmaz.input.rec.PKOD,
                     results::PayrollKind::Additional, QStringLiteral("2026"), 6};
        bonus.VERMAT = m("10000");
        results::insertResultRow(inst.db, bonus);
        const auto [y3, withBonus] = Institution::of(inst.load(6), "YILMAZ");
        QCOMPARE(withBonus.TOPMAT.toPlain(2), (pay.TOPMAT + m("10000")).toPlain(2));
        const Money S2 = S - m("10000");
        QCOMPARE(withBonus.GELVER.toPlain(2), (S2.mulRate(0.15) + (base - S2).mulRate(0.2)).yuvarla1().toPlain(2));

        // Garnishment 21750 at 3625 a month: six instalments, then nothing.
        const auto [o6, ozer6] = Institution::of(inst.load(6), "ÖZER");
        QCOMPARE(ozer6.ICRA.toPlain(2), QStringLiteral("3625.00"));
        const auto [o7, ozer7] = Institution::of(inst.load(7), "ÖZER");
        QCOMPARE(ozer7.ICRA.toPlain(2), QStringLiteral("0.00"));
        // Bulut by July: 12500 + 8000 + 6 × 4000 deducted of 60500 ordered, 16000 remain. The
        // finished order's deductions do not shorten the running one (48000 − 44500 would
        // leave 3500).
        const auto [b7, bulut7] = Institution::of(inst.load(7), "BULUT");
        QCOMPARE(bulut7.ICRA.toPlain(2), QStringLiteral("4000.00"));
    }

    void instalmentsPaidInEarlierYears()
    {
        // 1000 at 300 a month, 900 of it deducted in the last months of the previous year: this
        // January deducts the remaining 100, whatever the month numbers of those rows.
        Institution inst;
        const int pk = inst.pkayno("ÖZTÜRK");
        inst.db.exec(QStringLiteral("INSERT INTO ICRA (PKAYNO,HARNO,TUTAR,KESTUT,DUR) VALUES (:PK,900,1000,300,'D')"),
                     {{QStringLiteral("PK"), pk}});
        for (int month : {10, 11, 12})
            inst.db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,ICRA) VALUES (:PK,1,2,'1','2025',:AY,300)"),
                         {{QStringLiteral("PK"), pk}, {QStringLiteral("AY"), month}});
        const auto [p, pay] = Institution::of(inst.load(1), "ÖZTÜRK");
        QCOMPARE(pay.ICRA.toPlain(2), QStringLiteral("100.00"));
        inst.make(1);
        const auto [p2, again] = Institution::of(inst.load(1), "ÖZTÜRK");
        QCOMPARE(again.ICRA.toPlain(2), QStringLiteral("100.00"));  // its own January row is not counted
        const auto [p3, february] = Institution::of(inst.load(2), "ÖZTÜRK");
        QCOMPARE(february.ICRA.toPlain(2), QStringLiteral("0.00"));
    }

    void writtenRowsReadBackTheSame()
    {
        // Every computed row of a month is accepted by the result store and reads back as it
        // was computed.
        Institution inst;
        inst.make(1);
        const LoadedRun loaded = inst.load(1);
        std::vector<results::ResultRow> computed;
        for (const RunPerson &p : loaded.people)
            computed.push_back(resultRow(loaded.run, p.input, engine::hesapla(loaded.run, p.input)));
        std::sort(computed.begin(), computed.end(), [](const results::ResultRow &a, const results::ResultRow &b) {
            return std::tie(a.key.BKOD, a.key.PKOD, a.key.PKAYNO) < std::tie(b.key.BKOD, b.key.PKOD, b.key.PKAYNO);
        });
        const std::vector<results::ResultRow> stored =
            results::readResults(inst.db, {QStringLiteral("2026"), 1, results::PayrollKind::Monthly});
        QCOMPARE(stored.size(), computed.size());
        QCOMPARE(QString::fromUtf8(resultRowsJson(stored)), QString::fromUtf8(resultRowsJson(computed)));
    }
};

QTEST_GUILESS_MAIN(TestPayrollRun)
#include "tst_payroll_run.moc"
