// The indicator screens headless: the picker on a table stored out of grade order, its
// questions and the unit allowances; "GÖSTERGE TANIMLARI" storing, refusing and dropping rows;
// "TERFİ TARİHLERİ" writing a typed date.

#include "gradepickerdialog.h"
#include "gradestore.h"
#include "indicatorsdialog.h"
#include "payrecordfixture.h"
#include "promotiondatesdialog.h"
#include "testsupport.h"
#include "uitest.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::grades;
using namespace zeran::grades::ui;

namespace {

void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}

/// Grades 3, 1, 2 stored in that order; class 1 has a supplementary indicator for grade 1.
void fillTables(db::Database &db)
{
    for (const char *row : {"3,1300,1320,1340", "1,1700,1750,1800", "2,1500,1540,0"})
        db.exec(QStringLiteral("INSERT INTO GOSTAN (DER,K1,K2,K3) VALUES (%1)").arg(QLatin1String(row)));
    db.exec(QStringLiteral("INSERT INTO EKGOSTAN (SNFKOD,ALTKOD,DER,EKGOS) VALUES (1,NULL,1,2200)"));
    db.exec(QStringLiteral("INSERT INTO ELOHT (BKOD,DER,EKGOST,LOJMAN,OHT) VALUES (4,1,3000,75.5,30)"));
}

}  // namespace

class TestGradesScreens : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    void pickerOnATableOutOfOrder()
    {
        test::payfixture::Db f;
        fillTables(f.db);
        test::ScriptedPrompter p;
        GradeRecord r;
        r.DER = 2;
        r.KAD = 1;
        r.GOS = 1500;
        r.KIDEM = 25;
        r.SNFKOD = 1;
        GradePickerDialog picker(f.db, p, PickMode::Promotion, r, {2, 1500, 0}, 4, QStringLiteral("2/1"), 1500);
        QVERIFY(picker.load());
        QCOMPARE(picker.grid()->rowCount(), 3);
        QCOMPARE(picker.grid()->columnCount(), 16);
        QCOMPARE(picker.grid()->item(2, 0)->text(), QStringLiteral("3"));

        // Grade 3 lies below grade 2: asked, declined, nothing picked, still open.
        picker.choose(2, 1);
        QCOMPARE(p.asked, QStringList{questionText(Question::GradeDown)});
        QVERIFY(!picker.result());
        // A 0 cell and an empty column do nothing.
        picker.choose(1, 3);
        picker.choose(0, 14);
        QCOMPARE(p.asked.size(), 1);

        // Up to grade 1, step 1, supplementary indicator accepted: 1500→1700, 0→2200 gives 2400.
        p.answers = {true};
        picker.choose(0, 1);
        QCOMPARE(p.asked.last(), questionText(Question::SupplementaryChanges));
        QVERIFY(picker.result());
        QCOMPARE(picker.result()->DER, 1);
        QCOMPARE(picker.result()->GOS, 1700);
        QCOMPARE(picker.result()->GF, 2400);
        QCOMPARE(picker.result()->EGOS, 2200);
        QCOMPARE(picker.result()->KIDEM, 25);
    }

    void salaryPickTakesTheRecordsUnitAllowances()
    {
        test::payfixture::Db f;
        fillTables(f.db);
        test::ScriptedPrompter p;
        GradeRecord r;
        r.DER = 2;
        r.GOS = 1500;
        for (const int unit : {4, 5}) {
            GradePickerDialog picker(f.db, p, PickMode::Salary, r, {2, 1500, 0}, unit, QStringLiteral("2/1"), 1500);
            QVERIFY(picker.load());
            picker.choose(0, 2);
            QVERIFY(picker.result());
            QCOMPARE(picker.result()->GF, 250);
            QCOMPARE(picker.result()->EGOS, unit == 4 ? std::optional<int>(3000) : std::nullopt);
            QCOMPARE(picker.result()->OHT, unit == 4 ? std::optional<int>(30) : std::nullopt);
        }
    }

    void definitionsStoreRefuseAndDrop()
    {
        test::payfixture::Db f;
        f.db.exec(QStringLiteral("DELETE FROM HIZSNF1"));
        f.db.exec(QStringLiteral("DELETE FROM HIZSNF"));
        f.db.exec(QStringLiteral("INSERT INTO HIZSNF (SNFKOD,SINIF) VALUES (1,'GENEL İDARİ HİZMETLER')"));
        f.db.exec(QStringLiteral("INSERT INTO HIZSNF (SNFKOD,SINIF) VALUES (2,'TEKNİK HİZMETLER')"));
        f.db.exec(QStringLiteral("INSERT INTO HIZSNF1 (SNFKOD,ALTKOD,ACIK) VALUES (2,'M','MÜHENDİS')"));
        test::ScriptedPrompter p;
        IndicatorsDialog d(f.db, p);
        QVERIFY(d.load());
        QCOMPARE(d.classBox()->count(), 2);
        QCOMPARE(d.indicatorGrid()->rowCount(), 1);  // the row for a new grade

        setCell(d.indicatorGrid(), 0, 0, QStringLiteral("1"));
        setCell(d.indicatorGrid(), 0, 1, QStringLiteral("1700"));
        QCOMPARE(d.indicatorGrid()->rowCount(), 2);
        setCell(d.indicatorGrid(), 1, 0, QStringLiteral("1"));
        setCell(d.indicatorGrid(), 1, 1, QStringLiteral("1750"));
        d.reject();
        QCOMPARE(p.informed, QStringList{QString::fromUtf8(kGradeTwice)});
        QVERIFY(readIndicators(f.db).empty());
        setCell(d.indicatorGrid(), 1, 0, QStringLiteral("2"));
        QVERIFY(d.storeCurrent());
        QCOMPARE(readIndicators(f.db).size(), std::size_t(2));

        // Supplementary rows of the second class: a row without a grade is dropped.
        d.tabs()->setCurrentIndex(1);
        QVERIFY(d.chooseClass(1));
        QTableWidget *g = d.supplementaryGrid();
        qobject_cast<QComboBox *>(g->cellWidget(0, SubClassColumn))->setCurrentIndex(1);
        setCell(g, 0, GradeColumn, QStringLiteral("1"));
        setCell(g, 0, ValueColumn, QStringLiteral("4800"));
        setCell(g, 1, ValueColumn, QStringLiteral("999"));
        QVERIFY(d.chooseClass(0));
        QCOMPARE(readSupplementary(f.db, 2), (std::vector<SupplementaryRow>{{2, QStringLiteral("M"), 1, 4800}}));
    }

    void promotionDatesWriteTheRecord()
    {
        test::payfixture::Db f;
        f.person(1);
        f.record(1, 3, 7, QDate(2026, 5, 1));
        test::ScriptedPrompter p;
        PromotionDatesDialog d(f.db, p);
        QVERIFY(d.load());
        QCOMPARE(d.grid()->item(0, DateCode)->text(), QStringLiteral("7"));
        QCOMPARE(d.grid()->item(0, DateDate)->text(), QStringLiteral("01.05.2026"));
        d.grid()->item(0, DateDate)->setText(QStringLiteral("15.6.2026"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE TERTAR='2026-06-15'")), 1);
        QCOMPARE(d.grid()->item(0, DateDate)->text(), QStringLiteral("15.06.2026"));
        d.grid()->item(0, DateDate)->setText(QStringLiteral("31.02.2026"));
        QCOMPARE(p.informed.size(), 1);
        QCOMPARE(d.grid()->item(0, DateDate)->text(), QStringLiteral("15.06.2026"));
        d.grid()->item(0, DateDate)->setText(QString());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE TERTAR IS NULL")), 1);
    }
};

QTEST_MAIN(TestGradesScreens)
#include "tst_grades_screens.moc"
