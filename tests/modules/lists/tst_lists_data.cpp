// The payroll lists read from one small institution (listsfixture.h): every page's rows and
// totals under its choices, the pay records joined on their whole key, today's "H" against
// earlier months, the tax page's grouping with "Fark Ekle", the headings and signatories, and
// the command line's CSV and printed list.

#include "listsfixture.h"
#include "listsloader.h"
#include "pdftext.h"
#include "testsupport.h"
#include "viewsloader.h"

#include <QSqlQuery>

#include <QtTest>

#include <map>
#include <memory>

using namespace zeran;
using namespace zeran::lists;

Q_DECLARE_METATYPE(zeran::test::Mode)

namespace {

struct Fixture {
    explicit Fixture(test::Mode mode = test::Mode::Embedded) : fresh(mode), db(test::uniqueName("lists"))
    {
        db.open(fresh.params);
        test::lists::fill(db);
    }
    test::FreshDatabase fresh;
    db::Database db;
};

struct Choice {
    QString page;
    int unit = 0, month = 0;
    bool law5510 = false;
    int union_ = 0, deduction = 0;
    bool fark = false;
};

ListQuery listQuery(const Choice &c)
{
    ListQuery q;
    q.page = *pageByName(c.page);
    q.year = QStringLiteral("2026");
    q.month = c.month;
    q.unit = c.unit;
    q.law5510 = c.law5510;
    q.union_ = c.union_;
    q.addDifference = c.fark;
    q.hideFrom = hideFromMonth(q.year, QDate(2026, 2, 20));
    return q;
}

QString csv(const db::Database &db, const Choice &c)
{
    const ListQuery q = listQuery(c);
    PageOptions o;
    o.law5510 = c.law5510;
    o.deduction = c.deduction;
    o.deductionNames = deductionHeadings(loadDeductions(db));
    const Table t = q.page == Page::Bank ? loadBankTable(db, q) : printTable(q.page, loadListRows(db, q), o);
    return QString::fromUtf8(tableCsv(t));
}

QStringList cliArgs(const QString &dir, const QStringList &more)
{
    return QStringList{QStringLiteral("lists"), dir, QStringLiteral("--today"), QStringLiteral("2026-02-20")} + more;
}

}  // namespace

Q_DECLARE_METATYPE(Choice)

class TestListsData : public QObject {
    Q_OBJECT

    std::map<test::Mode, std::unique_ptr<Fixture>> fixtures_;

    Fixture &fixture(test::Mode mode)
    {
        auto &f = fixtures_[mode];
        if (!f)
            f = std::make_unique<Fixture>(mode);
        return *f;
    }

private slots:
    void pages_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("staff: two records of a person, today's H left out") << Choice{QStringLiteral("personel"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Görev Ünvanı;Em. Sicil No;T.C.Kimlik No;Banka Hesap No;Öğrenim Durumu;İşe Giriş Tar;Kıdem Yılı\n"
            "1;AYŞE ÇELİK;MEMUR;100;11111111110;TR0001;Lisans;01.03.2010;16\n"
            "2;AYŞE ÇELİK;ŞEF;100;11111111110;TR0001;Lisans;01.03.2010;16\n"
            "3;MELEK AYDIN;ŞEF;300;33333333330;TR0003;;02.01.2020;6\n"
            "TOPLAM;;;;;;;;\n");
        QTest::newRow("staff: one unit") << Choice{QStringLiteral("personel"), 2, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Görev Ünvanı;Em. Sicil No;T.C.Kimlik No;Banka Hesap No;Öğrenim Durumu;İşe Giriş Tar;Kıdem Yılı\n"
            "1;MELEK AYDIN;ŞEF;300;33333333330;TR0003;;02.01.2020;6\n"
            "TOPLAM;;;;;;;;\n");
        QTest::newRow("retirement: kind 1, H hides the run month only") << Choice{QStringLiteral("emekli"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Emekli Sic.No.;Zeran Kes.;Devlet Kes.;ToplamKesinti;Artış;Borçlanma\n"
            "1;AYŞE ÇELİK;100;100.00;125.00;225.00;20.00;5.00\n"
            "2;AYŞE ÇELİK;100;50.00;60.00;110.00;0.00;0.00\n"
            "3;AYŞE ÇELİK;100;110.00;130.00;240.00;0.00;0.00\n"
            "4;OĞUZ IŞIK;200;70.00;80.00;150.00;0.00;0.00\n"
            "TOPLAM;;;330.00;395.00;725.00;20.00;5.00\n");
        QTest::newRow("retirement: run month") << Choice{QStringLiteral("emekli"), 0, 2, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Emekli Sic.No.;Zeran Kes.;Devlet Kes.;ToplamKesinti;Artış;Borçlanma\n"
            "1;AYŞE ÇELİK;100;110.00;130.00;240.00;0.00;0.00\n"
            "TOPLAM;;;110.00;130.00;240.00;0.00;0.00\n");
        QTest::newRow("retirement: 5510") << Choice{QStringLiteral("emekli"), 0, 0, true, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Emekli Sic.No.;M.Y.O.İşveren%11;M.Y.O.Zeran %9;GSS.İşveren%7,5;GSS.Zeran%5;Toplam\n"
            "1;MELEK AYDIN;300;110.00;90.00;75.00;50.00;325.00\n"
            "TOPLAM;;;110.00;90.00;75.00;50.00;325.00\n");
        QTest::newRow("12%: kind 1, H not applied") << Choice{QStringLiteral("emekli12"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Emekli Sicil No;Üyenin Adı Soyadı;Tutarı\n"
            "1;100;AYŞE ÇELİK;12.00\n"
            "2;200;OĞUZ IŞIK;9.00\n"
            "3;200;OĞUZ IŞIK;9.00\n"
            "TOPLAM;;;30.00\n");
        QTest::newRow("union: members, kind 1") << Choice{QStringLiteral("sendika"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Üye No;Üyenin Adı Soyadı;Sendika Adı;Tutarı\n"
            "1;100;AYŞE ÇELİK;BİRLİK SEN;21.50\n"
            "2;100;AYŞE ÇELİK;BİRLİK SEN;20.00\n"
            "3;200;OĞUZ IŞIK;BİRLİK SEN;15.00\n"
            "4;300;MELEK AYDIN;EMEK SEN;12.00\n"
            "TOPLAM;;;;68.50\n");
        QTest::newRow("union: one union") << Choice{QStringLiteral("sendika"), 0, 0, false, 2, 0, false}
                             << QStringLiteral(
            "S.No;Üye No;Üyenin Adı Soyadı;Sendika Adı;Tutarı\n"
            "1;300;MELEK AYDIN;EMEK SEN;12.00\n"
            "TOPLAM;;;;12.00\n");
        QTest::newRow("special: all five, passive heading") << Choice{QStringLiteral("ozel"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;S.S.N;LOJMAN AİDATI;Özel Kes.2;SPOR;Özel Kes.4;Özel Kes.5;TOPLAM\n"
            "1;AYŞE ÇELİK;100;30.00;0.00;5.00;0.00;0.00;35.00\n"
            "2;AYŞE ÇELİK;100;10.00;0.00;0.00;0.00;0.00;10.00\n"
            "3;AYŞE ÇELİK;100;30.00;0.00;0.00;0.00;0.00;30.00\n"
            "4;OĞUZ IŞIK;200;8.00;0.00;0.00;0.00;0.00;8.00\n"
            "TOPLAM;;;78.00;0.00;5.00;0.00;0.00;83.00\n");
        QTest::newRow("special: one deduction") << Choice{QStringLiteral("ozel"), 0, 0, false, 0, 3, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;S.S.N;SPOR\n"
            "1;AYŞE ÇELİK;100;5.00\n"
            "2;AYŞE ÇELİK;100;0.00\n"
            "3;AYŞE ÇELİK;100;0.00\n"
            "4;OĞUZ IŞIK;200;0.00\n"
            "TOPLAM;;;5.00\n");
        QTest::newRow("garnishment: every kind") << Choice{QStringLiteral("icra"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Emekli Sicil No; Adı Soyadı;Kesinti Tutarı\n"
            "1;100;AYŞE ÇELİK;50.00\n"
            "2;100;AYŞE ÇELİK;4.00\n"
            "3;100;AYŞE ÇELİK;50.00\n"
            "4;200;OĞUZ IŞIK;20.00\n"
            "TOPLAM;;;124.00\n");
        QTest::newRow("rent: every kind, January") << Choice{QStringLiteral("kira"), 0, 1, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Emekli Sicil No;Üyenin Adı Soyadı;Görevi;Tutarı\n"
            "1;100;AYŞE ÇELİK;MEMUR;40.00\n"
            "2;100;AYŞE ÇELİK;MEMUR;2.00\n"
            "3;200;OĞUZ IŞIK;MEMUR;30.00\n"
            "TOPLAM;;;;72.00\n");
        QTest::newRow("tax: kind 1, H not applied") << Choice{QStringLiteral("vergi"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Emekli Sic.No.;G.V.Matrahı;G.V.Oranı;G.V.Tutarı;D.V.Matrahı;D.V.Tutarı\n"
            "1;AYŞE ÇELİK;100;1000.00;15;150.00;1000.00;7.59\n"
            "2;AYŞE ÇELİK;100;500.00;15;75.00;500.00;3.80\n"
            "3;AYŞE ÇELİK;100;1100.00;15;165.00;1100.00;8.35\n"
            "4;OĞUZ IŞIK;200;300.00;15;45.00;300.00;2.28\n"
            "5;OĞUZ IŞIK;200;300.00;15;45.00;300.00;2.28\n"
            "6;MELEK AYDIN;300;1000.00;15;150.00;1000.00;7.59\n"
            "TOPLAM;;;4200.00;;630.00;4200.00;31.89\n");
        QTest::newRow("tax: Fark Ekle groups by rate") << Choice{QStringLiteral("vergi"), 0, 1, false, 0, 0, true}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;Emekli Sic.No.;G.V.Matrahı;G.V.Oranı;G.V.Tutarı;D.V.Matrahı;D.V.Tutarı\n"
            "1;AYŞE ÇELİK;100;1100.00;15;165.00;1100.00;8.35\n"
            "2;AYŞE ÇELİK;100;200.00;20;40.00;200.00;1.52\n"
            "3;AYŞE ÇELİK;100;500.00;15;75.00;500.00;3.80\n"
            "4;OĞUZ IŞIK;200;300.00;15;45.00;300.00;2.28\n"
            "TOPLAM;;;2100.00;;325.00;2100.00;15.95\n");
        QTest::newRow("surety: every kind, H not applied") << Choice{QStringLiteral("kefalet"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Em.Sic.No.; Adı Soyadı;Kesinti Tutarı\n"
            "1;100;AYŞE ÇELİK;3.00\n"
            "2;100;AYŞE ÇELİK;1.00\n"
            "3;200;OĞUZ IŞIK;2.00\n"
            "4;200;OĞUZ IŞIK;2.00\n"
            "TOPLAM;;;8.00\n");
        QTest::newRow("bank: the bank module's list") << Choice{QStringLiteral("banka"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Adı ve Soyadı;T.C.Kimlik No;Banka H.No;Maaş Tutarı;Maaş Farkı;Toplam;Kesinti T.;Ele Geçen\n"
            "1;AYŞE ÇELİK;11111111110;TR0001;5000.00;0.00;5000.00;0.00;5000.00\n"
            "2;AYŞE ÇELİK;11111111110;TR0001;0.00;0.00;0.00;0.00;0.00\n"
            "3;AYŞE ÇELİK;11111111110;TR0001;5100.00;0.00;5100.00;0.00;5100.00\n"
            "4;AYŞE ÇELİK;11111111110;TR0001;2000.00;0.00;2000.00;0.00;2000.00\n"
            "5;OĞUZ IŞIK;22222222220;TR0002;3000.00;0.00;3000.00;0.00;2975.00\n"
            "6;OĞUZ IŞIK;22222222220;TR0002;3000.00;0.00;3000.00;0.00;2975.00\n"
            "7;MELEK AYDIN;33333333330;TR0003;4000.00;0.00;4000.00;0.00;4000.00\n"
            "TOPLAM;;;;22100.00;0.00;22100.00;0.00;22050.00\n");
        QTest::newRow("private pension: kind 1") << Choice{QStringLiteral("bes"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;T.C.Kimlik No;Emekli Sicil No; Adı Soyadı;B.E.S.Tutarı;Em.Kes.Matrahı;GSS.Matrahı\n"
            "1;11111111110;100;AYŞE ÇELİK;60.00;2000.00;2100.00\n"
            "2;22222222220;200;OĞUZ IŞIK;25.00;0.00;0.00\n"
            "3;22222222220;200;OĞUZ IŞIK;25.00;0.00;0.00\n"
            "4;33333333330;300;MELEK AYDIN;30.00;0.00;1000.00\n"
            "TOPLAM;;;;140.00;;\n");
        QTest::newRow("allowance: kind 1, February") << Choice{QStringLiteral("agi"), 0, 2, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Emekli Sicil No; Adı Soyadı;Tutarı\n"
            "1;100;AYŞE ÇELİK;80.00\n"
            "2;200;OĞUZ IŞIK;35.00\n"
            "3;300;MELEK AYDIN;50.00\n"
            "TOPLAM;;;165.00\n");
        QTest::newRow("withheld: kind 1") << Choice{QStringLiteral("emanet"), 0, 0, false, 0, 0, false}
                             << QStringLiteral(
            "S.No;Emekli Sicil No; Adı Soyadı;Kesinti Tutarı\n"
            "1;200;OĞUZ IŞIK;25.00\n"
            "2;200;OĞUZ IŞIK;25.00\n"
            "TOPLAM;;;50.00\n");
    }

    // Every page under its choices, embedded and on the server: who is listed (the pay record
    // joined on its whole key; today's "H" hides only the run month; the kinds each page
    // takes) and what it sums.
    void pages()
    {
        QFETCH(Choice, choice);
        QFETCH(QString, expected);
        for (test::Mode mode : {test::Mode::Embedded, test::Mode::Server})
            QCOMPARE(csv(fixture(mode).db, choice), expected);
    }

    void hideFromMonthByYear_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("expected");
        QTest::newRow("calendar year: today's month") << QStringLiteral("2026") << 2;
        QTest::newRow("earlier year: nothing hidden") << QStringLiteral("2025") << 13;
        QTest::newRow("later year: every month") << QStringLiteral("2027") << 1;
    }
    void hideFromMonthByYear()
    {
        QFETCH(QString, year);
        QFETCH(int, expected);
        QCOMPARE(hideFromMonth(year, QDate(2026, 2, 20)), expected);
    }

    // The frame: the chosen unit's signatories, none for "TÜMÜ"; the chosen union's block.
    void headings()
    {
        Fixture &f = fixture(test::Mode::Embedded);
        ListQuery q = listQuery({QStringLiteral("sendika"), 1, 2, false, 1});
        ListHeading h = loadListHeading(f.db, q);
        QCOMPARE(h.KURUM, QStringLiteral("ÖRNEK BELEDİYESİ"));
        QCOMPARE(h.unitName, QStringLiteral("FEN İŞLERİ"));
        QCOMPARE(h.monthText, QStringLiteral("ŞUBAT"));
        QCOMPARE(h.signatories.TAS, QStringLiteral("ALİ VELİ"));
        QCOMPARE(h.signatories.SUN, QStringLiteral("MUHASEBECİ"));
        QCOMPARE(h.signatories.IAS, QStringLiteral("EROL BAŞKAN"));
        QCOMPARE(h.unionName, QStringLiteral("BİRLİK SEN"));
        QCOMPARE(h.unionAddress, QStringLiteral("ANKARA"));
        QCOMPARE(h.unionAccount, QStringLiteral("TR120001"));
        QCOMPARE(h.unionCode, 1);

        q = listQuery({QStringLiteral("sendika")});
        h = loadListHeading(f.db, q);
        QCOMPARE(h.unitName, QStringLiteral("TÜMÜ"));
        QCOMPARE(h.monthText, QStringLiteral("TÜMÜ"));
        QCOMPARE(h.signatories, units::Signatories{});
        QCOMPARE(h.unionName, QStringLiteral("TÜMÜ"));

        const std::vector<UnionChoice> unions = loadUnions(f.db);
        QCOMPARE(int(unions.size()), 2);
        QCOMPARE(unions[0].SENDIKA, QStringLiteral("BİRLİK SEN"));
    }


    // "BORDRO KESİNTİLERİ": the unit's pay records with their amounts; a change is written to
    // the pay record with its audit line; a record deleted meanwhile writes nothing.
    void deductionRecords()
    {
        Fixture f;
        std::vector<DeductionRecord> rows = loadDeductionRecords(f.db, 1);
        QCOMPARE(int(rows.size()), 3);
        QCOMPARE(rows[0].ADSOY, QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(rows[2].PKOD, 3);
        WorkingContext ctx;
        ctx.IZL = ctx.UDUR = QStringLiteral("E");
        ctx.userName = QStringLiteral("TEST");
        QVERIFY(saveDeduction(f.db, ctx, rows[1], 4, *Money::parsePlain(u"125.5")));
        rows = loadDeductionRecords(f.db, 1);
        QCOMPARE(rows[1].KES[3], *Money::parsePlain(u"125.5"));
        QCOMPARE(rows[1].total(), *Money::parsePlain(u"125.5"));
        QCOMPARE(deductionTotals(rows)[5], *Money::parsePlain(u"125.5"));
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT ACIK FROM IZLEM WHERE BOLUM=:B AND TUR='D'"),
                             {{QStringLiteral("B"), QStringLiteral("KESİNTİ")}}).toString(),
                 QStringLiteral("KES4 1/1/2 0.00 -> 125.50"));
        DeductionRecord gone = rows[1];
        gone.PKOD = 9;
        QVERIFY(!saveDeduction(f.db, ctx, gone, 1, *Money::parsePlain(u"1")));
        QVERIFY(!saveDeduction(f.db, ctx, rows[1], 6, *Money::parsePlain(u"1")));
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), 1);
    }

    // "YILLIK KESİNTİ LİSTESİ": every kind of the person's rows in the unit, by month.
    void yearlyDeductions()
    {
        Fixture &f = fixture(test::Mode::Embedded);
        const std::vector<YearlyDeduction> rows = loadYearlyDeductions(f.db, 1, 1, QStringLiteral("2026"));
        QStringList got;
        for (const YearlyDeduction &r : rows)
            got << QStringLiteral("%1 %2 %3 %4").arg(r.AY).arg(kindText(r.TUR), r.KES[0].toPlain(2), r.ICRA.toPlain(2));
        QCOMPARE(got, (QStringList{QStringLiteral("1 Maaş 30.00 50.00"), QStringLiteral("1 Maaş 10.00 0.00"),
                                   QStringLiteral("1 Fark 9.00 4.00"), QStringLiteral("1 Diğer 0.00 0.00"),
                                   QStringLiteral("2 Maaş 30.00 50.00")}));
        const std::array<Money, 7> t = yearlyTotals(rows);
        QCOMPARE(t[0].toPlain(2), QStringLiteral("79.00"));
        QCOMPARE(t[2].toPlain(2), QStringLiteral("5.00"));
        QCOMPARE(t[5].toPlain(2), QStringLiteral("104.00"));
        QCOMPARE(t[6].toPlain(2), QStringLiteral("82.00"));
        QVERIFY(loadYearlyDeductions(f.db, 1, 1, QStringLiteral("2025")).empty());
    }

    // "GEÇMİŞ AY BİLGİLERİ": the panel's people once each; the months in the unit or in every
    // unit, from a month on.
    void pastMonths()
    {
        Fixture &f = fixture(test::Mode::Embedded);
        const std::vector<PastPerson> people = loadPastPeople(f.db, 1);
        QCOMPARE(int(people.size()), 2);
        QCOMPARE(people[0].ADI, QStringLiteral("AYŞE"));
        QCOMPARE(people[1].SOYADI, QStringLiteral("IŞIK"));
        QCOMPARE(int(loadPastMonths(f.db, 1, 1, QStringLiteral("2026"), 0).size()), 5);
        QCOMPARE(int(loadPastMonths(f.db, 1, 1, QStringLiteral("2026"), 2).size()), 1);
        QCOMPARE(int(loadPastMonths(f.db, 3, 0, QStringLiteral("2026"), 0).size()), 1);
        QVERIFY(loadPastMonths(f.db, 3, 1, QStringLiteral("2026"), 0).empty());
        const std::vector<PastMonth> feb = loadPastMonths(f.db, 1, 1, QStringLiteral("2026"), 2);
        QCOMPARE(feb[0].MAAS.toPlain(2), QStringLiteral("5100.00"));
    }

    // "SENDİKA LİSTESİ": dues of every kind in the months of the two dates, one unit or all.
    void unionDues()
    {
        Fixture f;
        f.db.exec(QStringLiteral("UPDATE ZERMAAS SET TAR='2026-01-15' WHERE PKAYNO=1 AND PKOD=1 AND AY=1 AND TUR='1'"));
        std::vector<UnionDue> rows = loadUnionDues(f.db, QDate(2026, 1, 10), QDate(2026, 1, 31), 0);
        QStringList got;
        for (const UnionDue &r : rows)
            got << QStringLiteral("%1 %2 %3 %4").arg(r.ADSOY, r.SENDIKA, r.dateText(), r.SENTUT.toPlain(2));
        QCOMPARE(got, (QStringList{QStringLiteral("AYŞE ÇELİK BİRLİK SEN 15.01.2026 21.50"),
                                   QStringLiteral("AYŞE ÇELİK BİRLİK SEN 01.2026 2.00"),
                                   QStringLiteral("OĞUZ IŞIK BİRLİK SEN 01.2026 15.00")}));
        QCOMPARE(int(loadUnionDues(f.db, QDate(2026, 1, 1), QDate(2026, 2, 28), 0).size()), 6);
        QCOMPARE(int(loadUnionDues(f.db, QDate(2026, 1, 1), QDate(2026, 2, 28), 2).size()), 1);
        QVERIFY(loadUnionDues(f.db, QDate(), QDate(2026, 2, 28), 0).empty());
    }

    // Every page's CSV through the command line, all months of the year, against the checked-in
    // file (ZERAN_GOLDEN_UPDATE=1 writes it anew).
    void commandLineGolden()
    {
        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("lists"));
            db.open(fresh.params);
            test::lists::fill(db);
        }
        QByteArray all;
        for (const PageInfo &p : zeran::lists::pages()) {
            const test::CliRun r = test::runCli(cliArgs(fresh.dir.path(), {QStringLiteral("--page"), p.key, QStringLiteral("--csv")}));
            QVERIFY2(r.code == 0, qPrintable(r.err));
            all += "# " + p.key.toUtf8() + '\n' + r.outBytes;
        }
        const QString golden = QStringLiteral(ZERAN_LISTS_GOLDEN "/lists-2026.csv");
        if (qEnvironmentVariableIsSet("ZERAN_GOLDEN_UPDATE")) {
            QFile g(golden);
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(all);
        }
        QFile g(golden);
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(all), QString::fromUtf8(g.readAll()));
    }

    // The command line gives the same CSV as the page, and prints the framed list.
    void commandLine()
    {
        QTemporaryDir out;
        test::FreshDatabase fresh;
        {
            db::Database db(test::uniqueName("lists"));
            db.open(fresh.params);
            test::lists::fill(db);
        }
        const QString dir = fresh.dir.path();
        test::CliRun r = test::runCli(cliArgs(dir, {QStringLiteral("--page"), QStringLiteral("Vergi Kesintileri"),
                                                    QStringLiteral("--month"), QStringLiteral("1"), QStringLiteral("--fark"),
                                                    QStringLiteral("--csv")}));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("2;AYŞE ÇELİK;100;200.00;20;40.00;200.00;1.52\n")), qPrintable(r.out));
        QVERIFY(r.out.endsWith(QStringLiteral("TOPLAM;;;2100.00;;325.00;2100.00;15.95\n")));

        const QString pdf = out.filePath(QStringLiteral("kira.pdf"));
        r = test::runCli(cliArgs(dir, {QStringLiteral("--page"), QStringLiteral("kira"), QStringLiteral("--unit"),
                                       QStringLiteral("1"), QStringLiteral("--pdf"), pdf}));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString page = test::simplified(test::pdfPages(pdf).value(0));
        for (const char *text : {"ZERAN KİRA LİSTESİ", "ÖRNEK BELEDİYESİ", "FEN İŞLERİ", "YIL/AY 2026/TÜMÜ", "SAYFA NO", "S.No",
                                 "Üyenin Adı Soyadı", "TOPLAM TUTAR", "112,00", "Düzenleyen", "ALİ VELİ",
                                 "Muhasebe Yetkilisi", "CAN SAYMAN", "Harcama Yetkilisi", "EROL BAŞKAN"})
            QVERIFY2(page.contains(QString::fromUtf8(text)), qPrintable(QString::fromUtf8(text) + QStringLiteral(" in ") + page));

        const QStringList bad[] = {
            {QStringLiteral("--page"), QStringLiteral("yok"), QStringLiteral("--csv")},
            {QStringLiteral("--page"), QStringLiteral("kira"), QStringLiteral("--month"), QStringLiteral("13"), QStringLiteral("--csv")},
            {QStringLiteral("--page"), QStringLiteral("ozel"), QStringLiteral("--deduction"), QStringLiteral("6"), QStringLiteral("--csv")},
            {QStringLiteral("--page"), QStringLiteral("kira")},
        };
        for (const QStringList &args : bad)
            QCOMPARE(test::runCli(cliArgs(dir, args)).code, 2);
        r = test::runCli(cliArgs(dir, {QStringLiteral("--page"), QStringLiteral("kira"), QStringLiteral("--unit"),
                                       QStringLiteral("9"), QStringLiteral("--csv")}));
        QCOMPARE(r.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestListsData)
#include "tst_lists_data.moc"
