// The one-call load of a period's rate rows for the payroll engine.

#include "periodrows.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::rates;

class TestPeriodRows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyColumnOfThePeriod();
    void periodsAreKeptApart_data();
    void periodsAreKeptApart();
    void missingRowsAndNulls();
    void workerRatesByYearOnly();
    void earningTypesInKeyOrder();

private:
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;
};

void TestPeriodRows::initTestCase()
{
    fresh_ = std::make_unique<test::FreshDatabase>();
    db_ = std::make_unique<db::Database>(test::uniqueName("periodrows"));
    db_->open(fresh_->params);
    // Every column a distinct value; KATSAYI with the many decimals the state publishes.
    db_->exec(QStringLiteral(
        "INSERT INTO ZERKANOR (KAYNO,YIL,DON,HNO,KATSAYI,YOD,KAK,TAK,TAG,EYMG,EMKESM,EMKESD,MYOI,MYOP,GSSI,GSSP,BES,"
        "EGOSK,EGOSB,EGOSEB,EGOS4,EGOS5,EGOS6,EGOS7,AYRDP,CYRDP1,CYRDP2,YEMEK,SAKDER1,SAKDER2,SAKDER3,INDIRIM,RPOR,"
        "SENDIKA,KEF,BASKAN,TASM,TASD,TAYIN,OYAK,ASUCR) VALUES (4,'2026','2','X',1.387871,0.440961,20,15.848415,1000,8000,"
        "16,20,9,11,7.5,5,3,20,40,60,80,100,120,140,1500,250,150,121.5,6900,3400,1950.25,35,25,1,2,12000,1.1,1.2,1.3,1.4,"
        "26005.5)"));
    db_->exec(QStringLiteral(
        "INSERT INTO VEROR (YIL,DON,UST1,UST2,UST3,UST4,OR1,OR2,OR3,OR4,DVER,VIDVER,BEKOR,EV1OR,EV2OR,COC1OR,COC2OR,"
        "COC3OR,COC4OR,COC5OR,COC6OR,AGIUST,ASUCR,BASKAN,ENCUMEN,MECLIS,KAZVEROR,SOZPERVOR,ENCMECVOR,BSKYRDVOR) VALUES "
        "('2026','2',190000,400000,1500000,5300000,15,20,27,35,7.59,0.5,50,10,11,7.5,7.6,10,5,5.1,5.2,3100.55,33030,"
        "50000.25,900,800,1,0,1,0)"));
    db_->exec(QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,KATSAYI) VALUES (5,'2026','1',1.2)"));
    db_->exec(QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,KATSAYI) VALUES (6,'2026','3',1.1)"));
    db_->exec(QStringLiteral("INSERT INTO VEROR (YIL,DON,UST1) VALUES ('2026','1',158000)"));
    db_->exec(QStringLiteral("INSERT INTO ISCKANOR (YIL,DON,SHI,ISSIZI) VALUES ('2026','2',15,2)"));
    db_->exec(QStringLiteral("INSERT INTO ISCKANOR (YIL,DON,SHI,ISSIZI) VALUES ('2026','1',14,1)"));
    db_->exec(QStringLiteral("INSERT INTO ISCKANOR (YIL,DON,SHI,ISSIZI) VALUES ('2025','1',13,3)"));
    db_->exec(QStringLiteral("INSERT INTO ZERHESTUR (HNO,BKOD,ADI,DUR,GV,DV,EMK,IND,TUR,SEK,TUTAR,BRUTNET,KOD) VALUES "
                             "(3,2,'İKİNCİ','V','E','E','H','H','S',NULL,200.5,'N','G')"));
    db_->exec(QStringLiteral("INSERT INTO ZERHESTUR (HNO,BKOD,ADI,DUR,GV,DV,EMK,IND,TUR,SEK,TUTAR,BRUTNET,KOD) VALUES "
                             "(3,1,'BİRİNCİ','V','E','H','E','E','P','2',NULL,'B','G')"));
    db_->exec(QStringLiteral("INSERT INTO ZERHESTUR (HNO,BKOD,ADI,DUR) VALUES (1,1,'1. Hesap Adı','Y')"));
}

void TestPeriodRows::everyColumnOfThePeriod()
{
    const PeriodRows p = loadPeriod(*db_, QStringLiteral("2026"), QStringLiteral("2"));
    QVERIFY(p.legal);
    const LegalRates &l = *p.legal;
    QCOMPARE(l.KAYNO, 4);
    QCOMPARE(l.YIL, QStringLiteral("2026"));
    QCOMPARE(l.DON, QStringLiteral("2"));
    QCOMPARE(l.HNO, QStringLiteral("X"));
    QCOMPARE(l.KATSAYI, 1.387871);
    QCOMPARE(l.YOD, 0.440961);
    QCOMPARE(l.KAK, 20.0);
    QCOMPARE(l.TAK, 15.848415);
    QCOMPARE(l.TAG, 1000.0);
    QCOMPARE(l.EYMG, 8000.0);
    QCOMPARE(l.EMKESM, 16.0);
    QCOMPARE(l.EMKESD, 20.0);
    QCOMPARE(l.MYOI, 9.0);
    QCOMPARE(l.MYOP, 11.0);
    QCOMPARE(l.GSSI, 7.5);
    QCOMPARE(l.GSSP, 5.0);
    QCOMPARE(l.BES, 3.0);
    QCOMPARE(l.EGOSK, 20.0);
    QCOMPARE(l.EGOSB, 40.0);
    QCOMPARE(l.EGOSEB, 60.0);
    QCOMPARE(l.EGOS4, 80.0);
    QCOMPARE(l.EGOS5, 100.0);
    QCOMPARE(l.EGOS6, 120.0);
    QCOMPARE(l.EGOS7, 140.0);
    QCOMPARE(l.AYRDP, 1500.0);
    QCOMPARE(l.CYRDP1, 250.0);
    QCOMPARE(l.CYRDP2, 150.0);
    QCOMPARE(l.YEMEK, Money::fromKurus(12150));
    QCOMPARE(l.SAKDER1, Money::fromUnits(6900));
    QCOMPARE(l.SAKDER2, Money::fromUnits(3400));
    QCOMPARE(l.SAKDER3, Money::fromKurus(195025));
    QCOMPARE(l.INDIRIM, Money::fromUnits(35));
    QCOMPARE(l.RPOR, 25.0);
    QCOMPARE(l.SENDIKA, 1.0);
    QCOMPARE(l.KEF, 2.0);
    QCOMPARE(l.BASKAN, 12000.0);
    QCOMPARE(l.TASM, 1.1);
    QCOMPARE(l.TASD, 1.2);
    QCOMPARE(l.TAYIN, 1.3);
    QCOMPARE(l.OYAK, 1.4);
    QCOMPARE(l.ASUCR, Money::fromKurus(2600550));

    QVERIFY(p.tax);
    const TaxRates &t = *p.tax;
    QCOMPARE(t.YIL, QStringLiteral("2026"));
    QCOMPARE(t.DON, QStringLiteral("2"));
    QCOMPARE(t.UST1, Money::fromUnits(190000));
    QCOMPARE(t.UST2, Money::fromUnits(400000));
    QCOMPARE(t.UST3, Money::fromUnits(1500000));
    QCOMPARE(t.UST4, Money::fromUnits(5300000));
    QCOMPARE(t.OR1, 15.0);
    QCOMPARE(t.OR2, 20.0);
    QCOMPARE(t.OR3, 27.0);
    QCOMPARE(t.OR4, 35.0);
    QCOMPARE(t.DVER, 7.59);
    QCOMPARE(t.VIDVER, 0.5);
    QCOMPARE(t.BEKOR, 50.0);
    QCOMPARE(t.EV1OR, 10.0);
    QCOMPARE(t.EV2OR, 11.0);
    QCOMPARE(t.COC1OR, 7.5);
    QCOMPARE(t.COC2OR, 7.6);
    QCOMPARE(t.COC3OR, 10.0);
    QCOMPARE(t.COC4OR, 5.0);
    QCOMPARE(t.COC5OR, 5.1);
    QCOMPARE(t.COC6OR, 5.2);
    QCOMPARE(t.AGIUST, Money::fromKurus(310055));
    QCOMPARE(t.ASUCR, Money::fromUnits(33030));
    QCOMPARE(t.BASKAN, Money::fromKurus(5000025));
    QCOMPARE(t.ENCUMEN, Money::fromUnits(900));
    QCOMPARE(t.MECLIS, Money::fromUnits(800));
    QCOMPARE(t.KAZVEROR, 1);
    QCOMPARE(t.SOZPERVOR, 0);
    QCOMPARE(t.ENCMECVOR, 1);
    QCOMPARE(t.BSKYRDVOR, 0);
}

void TestPeriodRows::periodsAreKeptApart_data()
{
    QTest::addColumn<QString>("don");
    QTest::addColumn<double>("katsayi");
    QTest::addColumn<bool>("hasTax");
    QTest::newRow("first half") << "1" << 1.2 << true;
    QTest::newRow("second half") << "2" << 1.387871 << true;
    QTest::newRow("inflation difference") << "3" << 1.1 << false;
}

void TestPeriodRows::periodsAreKeptApart()
{
    QFETCH(QString, don);
    QFETCH(double, katsayi);
    QFETCH(bool, hasTax);
    const PeriodRows p = loadPeriod(*db_, QStringLiteral("2026"), don);
    QVERIFY(p.legal);
    QCOMPARE(p.legal->KATSAYI, katsayi);
    QCOMPARE(p.tax.has_value(), hasTax);
}

void TestPeriodRows::missingRowsAndNulls()
{
    const PeriodRows none = loadPeriod(*db_, QStringLiteral("2024"), QStringLiteral("1"));
    QVERIFY(!none.legal);
    QVERIFY(!none.tax);
    QVERIFY(!none.worker);
    QCOMPARE(none.earningTypes.size(), std::size_t(3));  // definitions are not per period

    // Columns left empty read as zero.
    const PeriodRows first = loadPeriod(*db_, QStringLiteral("2026"), QStringLiteral("1"));
    QCOMPARE(first.legal->YOD, 0.0);
    QCOMPARE(first.legal->INDIRIM, Money());
    QCOMPARE(first.legal->HNO, QString());
    QCOMPARE(first.tax->UST1, Money::fromUnits(158000));
    QCOMPARE(first.tax->OR1, 0.0);
    QCOMPARE(first.tax->KAZVEROR, 0);
}

void TestPeriodRows::workerRatesByYearOnly()
{
    // The worker program's rates are read by the year whatever the period.
    for (const char *don : {"1", "2", "3"}) {
        const PeriodRows p = loadPeriod(*db_, QStringLiteral("2026"), QString::fromLatin1(don));
        QVERIFY(p.worker);
        QCOMPARE(p.worker->SHI, 14.0);
        QCOMPARE(p.worker->ISSIZI, 1.0);
    }
    const PeriodRows last = loadPeriod(*db_, QStringLiteral("2025"), QStringLiteral("2"));
    QCOMPARE(last.worker->SHI, 13.0);
    QCOMPARE(last.worker->ISSIZI, 3.0);
}

void TestPeriodRows::earningTypesInKeyOrder()
{
    const PeriodRows p = loadPeriod(*db_, QStringLiteral("2026"), QStringLiteral("2"));
    QCOMPARE(p.earningTypes.size(), std::size_t(3));
    QCOMPARE(p.earningTypes[0].HNO, 1);
    QCOMPARE(p.earningTypes[0].ADI, QStringLiteral("1. Hesap Adı"));
    QCOMPARE(p.earningTypes[0].TUTAR, Money());
    QCOMPARE(p.earningTypes[1].HNO, 3);
    QCOMPARE(p.earningTypes[1].BKOD, 1);
    QCOMPARE(p.earningTypes[1].ADI, QStringLiteral("BİRİNCİ"));
    QCOMPARE(p.earningTypes[1].SEK, QStringLiteral("2"));
    QCOMPARE(p.earningTypes[1].EMK, QStringLiteral("E"));
    QCOMPARE(p.earningTypes[2].BKOD, 2);
    QCOMPARE(p.earningTypes[2].TUR, QStringLiteral("S"));
    QCOMPARE(p.earningTypes[2].TUTAR, Money::fromKurus(20050));
    QCOMPARE(p.earningTypes[2].BRUTNET, QStringLiteral("N"));
    QCOMPARE(p.earningTypes[2].KOD, QStringLiteral("G"));
    QCOMPARE(p.earningTypes[2].DV, QStringLiteral("E"));
    QCOMPARE(p.earningTypes[2].IND, QStringLiteral("H"));
}

QTEST_GUILESS_MAIN(TestPeriodRows)
#include "tst_periodrows.moc"
