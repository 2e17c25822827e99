// Pay units: the kind list and search, codes counted over this system's units only, the list
// query, a change that leaves the columns the screen does not show, a delete refused with
// results and cascading without, and the copy — every column, plans through the hook, numbered
// from the generator, all or nothing.

#include "payrecordfixture.h"
#include "testsupport.h"
#include "unitkinds.h"
#include "unitmaintenance.h"
#include "unitstore.h"

#include <QSqlQuery>
#include <QtTest>

using namespace zeran;
using namespace zeran::units;

namespace {

UnitRow unitNamed(const QString &name, const QString &aktif = QStringLiteral("A"))
{
    UnitRow r;
    r.BIRIM = name;
    r.BASLIK = name + QStringLiteral(" BORDROSU");
    r.MTUR = QStringLiteral("N");
    r.AKTIF = aktif;
    r.TAS = QStringLiteral("DÜZENLEYEN");
    return r;
}

/// The plan copy as the posting module does it: lines numbered from GEN_HARNO.
void copyPlans(db::Database &db, int from, int to)
{
    db.exec(QStringLiteral("INSERT INTO ZERNAKBIL (BKOD,NAKTUR,KURAD,SAYKOD) SELECT :TO,NAKTUR,KURAD,SAYKOD FROM ZERNAKBIL "
                           "WHERE BKOD=:FROM"),
            {{QStringLiteral("FROM"), from}, {QStringLiteral("TO"), to}});
    QSqlQuery lines = db.exec(QStringLiteral("SELECT HARNO FROM ZERNAKTAN WHERE BKOD=:FROM ORDER BY HARNO"),
                              {{QStringLiteral("FROM"), from}});
    QList<int> numbers;
    while (lines.next())
        numbers << lines.value(0).toInt();
    for (int harno : numbers) {
        db.exec(QStringLiteral("INSERT INTO ZERNAKTAN (HARNO,BKOD,NAKTUR,HKOD,ACIK) SELECT :NEW,:TO,NAKTUR,HKOD,ACIK "
                               "FROM ZERNAKTAN WHERE HARNO=:OLD"),
                {{QStringLiteral("NEW"), int(db.nextGeneratorValue(QStringLiteral("GEN_HARNO")))},
                 {QStringLiteral("TO"), to},
                 {QStringLiteral("OLD"), harno}});
    }
}

void deletePlans(db::Database &db, int bkod)
{
    db.exec(QStringLiteral("DELETE FROM ZERNAKTAN WHERE BKOD=:KK"), {{QStringLiteral("KK"), bkod}});
    db.exec(QStringLiteral("DELETE FROM ZERNAKBIL WHERE BKOD=:KK"), {{QStringLiteral("KK"), bkod}});
}

/// Unit `bkod` with two pay records (one without a promotion date) and a plan of two lines.
void fillUnit(test::payfixture::Db &f, int bkod)
{
    f.record(1, bkod, 1, QDate(2026, 9, 1), 1, 300);
    f.record(2, bkod, 2);
    f.set(1, bkod, QStringLiteral("COC1=2,COC2=1,DIGCOC=3,KISZAMAN='E',HIZBORDUR=TRUE,YEMEKGUN=21,GOS=1500,LTAZ=12.5"));
    f.db.exec(QStringLiteral("INSERT INTO ZERNAKBIL (BKOD,NAKTUR,KURAD,SAYKOD) VALUES (:BK,'1','KURUM','12345')"),
              {{QStringLiteral("BK"), bkod}});
    f.db.exec(QStringLiteral("INSERT INTO ZERNAKTAN (HARNO,BKOD,NAKTUR,HKOD,ACIK) VALUES (:H,:BK,'1','830','MAAŞ')"),
              {{QStringLiteral("H"), 10 * bkod}, {QStringLiteral("BK"), bkod}});
    f.db.exec(QStringLiteral("INSERT INTO ZERNAKTAN (HARNO,BKOD,NAKTUR,HKOD,ACIK) VALUES (:H,:BK,'1','333','EMANET')"),
              {{QStringLiteral("H"), 10 * bkod + 1}, {QStringLiteral("BK"), bkod}});
    f.db.setGenerator(QStringLiteral("GEN_HARNO"), 500);
}

}  // namespace

class TestUnits : public QObject {
    Q_OBJECT

private slots:
    void kindsAndSearch()
    {
        QCOMPARE(kindCode(-1), QStringLiteral("N"));
        QCOMPARE(kindCode(3), QStringLiteral("O"));
        QCOMPARE(kindPosition(QStringLiteral("K")), 5);
        QCOMPARE(kindPosition(QString()), -1);
        QCOMPARE(kindWords(QStringLiteral("E")), QStringLiteral("Encümen Maaşları"));
        QCOMPARE(cashKind(QStringLiteral("K")), QStringLiteral("7"));
        QCOMPARE(cashKind(QStringLiteral("O")), QStringLiteral("6"));
        const QStringList names{QStringLiteral("FEN İŞLERİ"), QStringLiteral("Fen Ek"), QStringLiteral("ZABITA")};
        QCOMPARE(findByPrefix(names, QStringLiteral("Fen")), 1);
        QCOMPARE(findByPrefix(names, QStringLiteral("FEN")), 0);
        QCOMPARE(findByPrefix(names, QStringLiteral("x")), -1);
        QCOMPARE(findByPrefix(names, QString()), -1);
    }

    void codesListsAndChanges()
    {
        test::payfixture::Db f;
        // The sibling program's units do not count.
        f.unit(40, QStringLiteral("İŞÇİ BİRİMİ"), QStringLiteral("I"));
        QCOMPARE(addUnit(f.db, unitNamed(QStringLiteral("ZABITA"))), 1);
        QCOMPARE(addUnit(f.db, unitNamed(QStringLiteral("FEN İŞLERİ"), QStringLiteral("P"))), 2);

        const auto codes = [](const std::vector<UnitRow> &rows) {
            QList<int> out;
            for (const UnitRow &r : rows)
                out << r.BKOD;
            return out;
        };
        QCOMPARE(codes(unitRows(f.db, ListFilter::All, ListOrder::Code)), (QList<int>{1, 2}));
        QCOMPARE(codes(unitRows(f.db, ListFilter::All, ListOrder::Name)), (QList<int>{2, 1}));
        QCOMPARE(codes(unitRows(f.db, ListFilter::Active, ListOrder::Code)), (QList<int>{1}));
        QCOMPARE(codes(unitRows(f.db, ListFilter::Passive, ListOrder::Code)), (QList<int>{2}));

        // A change leaves the pay officer and the bank columns.
        f.db.exec(QStringLiteral("UPDATE BIRIM SET MAS='MUTEMET',TTBA='TR01' WHERE BKOD=1 AND TUR='M'"));
        UnitRow r = *unitRow(f.db, 1);
        r.MAS.clear();
        r.TTBA.clear();
        r.AKTIF = QStringLiteral("P");
        r.SUN = QStringLiteral("MÜDÜR");
        QCOMPARE(updateUnitRow(f.db, r), 1);
        const UnitRow back = *unitRow(f.db, 1);
        QCOMPARE(back.MAS, QStringLiteral("MUTEMET"));
        QCOMPARE(back.TTBA, QStringLiteral("TR01"));
        QCOMPARE(back.SUN, QStringLiteral("MÜDÜR"));
        QVERIFY(unitRows(f.db, ListFilter::Active, ListOrder::Code).empty());
    }

    void deleteRefusedWithResultsCascadingWithout()
    {
        test::payfixture::Db f;
        f.unit(1);
        f.unit(2);
        f.person(1);
        f.person(2);
        fillUnit(f, 1);
        f.db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (1,1,1,'1','2019',3)"));
        QCOMPARE(deleteUnit(f.db, 1, deletePlans), DeleteOutcome::HasResults);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=1")), 2);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERNAKTAN WHERE BKOD=1")), 2);

        f.db.exec(QStringLiteral("DELETE FROM ZERMAAS"));
        QCOMPARE(deleteUnit(f.db, 1, deletePlans), DeleteOutcome::Deleted);
        for (const char *table : {"ZERBORBIL", "ZERNAKTAN", "ZERNAKBIL"})
            QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE BKOD=1").arg(QLatin1String(table))), 0);
        QVERIFY(!unitRow(f.db, 1));
        QVERIFY(unitRow(f.db, 2));

        // A failing plan delete leaves everything.
        fillUnit(f, 2);
        QVERIFY_THROWS_EXCEPTION(db::DbError, deleteUnit(f.db, 2, [](db::Database &, int) {
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("olmadı"));
        }));
        QVERIFY(unitRow(f.db, 2));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=2")), 2);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERNAKTAN WHERE BKOD=2")), 2);
    }

    void copyCarriesEverything_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void copyCarriesEverything()
    {
        QFETCH(test::Mode, mode);
        test::payfixture::Db f(mode);
        f.unit(1, QStringLiteral("ZABITA"));
        f.db.exec(QStringLiteral("UPDATE BIRIM SET MAS='MUTEMET',TTSA='99' WHERE BKOD=1"));
        f.unit(7, QStringLiteral("İŞÇİ"), QStringLiteral("I"));
        f.person(1);
        f.person(2);
        fillUnit(f, 1);
        // Another record's zero date is none of the copy's business.
        f.record(1, 9, 5, QDate(1899, 12, 30));

        const int code = copyUnit(f.db, 1, QStringLiteral("ZABITA 2"), copyPlans);
        QCOMPARE(code, 2);
        const UnitRow copy = *unitRow(f.db, 2);
        QCOMPARE(copy.BIRIM, QStringLiteral("ZABITA 2"));
        QCOMPARE(copy.MAS, QStringLiteral("MUTEMET"));
        QCOMPARE(copy.TTSA, QStringLiteral("99"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=2 AND PKAYNO=1 AND COC1=2 AND COC2=1 AND "
                                        "DIGCOC=3 AND KISZAMAN='E' AND HIZBORDUR AND YEMEKGUN=21 AND GOS=1500 AND "
                                        "LTAZ=12.5 AND TERTAR='2026-09-01' AND GF=300")),
                 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=2 AND PKAYNO=2 AND TERTAR IS NULL")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE TERTAR='1899-12-30'")), 1);
        // Lines numbered upward from the generator, which is never set back.
        QSqlQuery q = f.db.exec(QStringLiteral("SELECT HARNO FROM ZERNAKTAN WHERE BKOD=2 ORDER BY HARNO"));
        QList<int> numbers;
        while (q.next())
            numbers << q.value(0).toInt();
        QCOMPARE(numbers, (QList<int>{501, 502}));
        QVERIFY(f.db.nextGeneratorValue(QStringLiteral("GEN_HARNO")) > 502);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=2 AND SAYKOD='12345'")), 1);

        // A failure in the last step leaves no trace of the copy.
        const auto failing = [](db::Database &db, int from, int to) {
            copyPlans(db, from, to);
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("plan kopyalanamadı"));
        };
        QVERIFY_THROWS_EXCEPTION(db::DbError, copyUnit(f.db, 1, QStringLiteral("ZABITA 3"), failing));
        QVERIFY(!unitRow(f.db, 3));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=3")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERNAKTAN WHERE BKOD=3")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=3")), 0);
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
