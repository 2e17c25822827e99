// "TERFİ LİSTESİ" headless: the filter it opens with, "Yeni Gösterge" refused and done, the
// supplementary edit, "Sil" and the clean-up, each written to the pay record.

#include "payrecordfixture.h"
#include "promotionsdialog.h"
#include "promotionstore.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::promotions;
using zeran::promotions::ui::PromotionsDialog;

namespace {

/// Unit 1 in May 2026 (window 15.05–14.06, last month April): person 1 due, person 2 promoted
/// in April (paid), person 3 due later, person 4 already promoted this month.
struct Desk {
    explicit Desk(const QString &form = QStringLiteral("E"))
    {
        for (int p = 1; p <= 4; ++p)
            f.person(p, QStringLiteral("KİŞİ%1").arg(p));
        f.record(1, 1, 1, QDate(2026, 5, 20));
        f.set(1, 1, QStringLiteral("DER=5,KAD=2,GOS=1300,EGOS=3600,MDER=5,MKAD=2,MGOS=1300,MEGOS=3600,KIDEM=9"));
        f.archive(1, 1, 1, 2026, 4, {}, {}, {});
        f.db.exec(QStringLiteral("UPDATE ZERARSIV SET DER=5,KAD=2,GOS=1300,EGOS=3600,MDER=5,MKAD=2,MGOS=1300,"
                                 "MEGOS=3600,KIDEM=9 WHERE PKAYNO=1"));
        f.record(2, 1, 2, QDate(2026, 4, 20), 1, 20);
        f.archive(2, 1, 2, 2026, 4, 1, 20, {});
        f.record(3, 1, 3, QDate(2026, 7, 1));
        f.record(4, 1, 4, QDate(2026, 5, 25), 1, 40, {}, 0);
        f.db.close();
        s.openMain(f.fresh.params);
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.setDate(QDate(2026, 5, 10));
        s.ctx.setPayWindow();
        s.ctx.FORM = form;
    }
    int count(const QString &sql) { return s.main().scalar(sql).toInt(); }
    int rowOf(const PromotionsDialog &d, int pkayno)
    {
        for (int i = 0; i < int(d.rows().size()); ++i)
            if (d.rows()[std::size_t(i)].PKAYNO == pkayno)
                return i;
        return -1;
    }

    test::payfixture::Db f;
    Session s;
    test::ScriptedPrompter p;
};

QList<int> people(const PromotionsDialog &d)
{
    QList<int> out;
    for (const PromotionRow &r : d.rows())
        out << r.PKAYNO;
    return out;
}

}  // namespace

class TestPromotionsScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    void opensWithTheFilterOfTheSettings()
    {
        Desk due;
        PromotionsDialog d(due.s, due.p, 1);
        QVERIFY(d.load());
        QCOMPARE(d.filter()->currentText(), QStringLiteral("Tarihi Gelenler"));
        QCOMPARE(people(d), (QList<int>{1, 4}));
        QCOMPARE(d.lastMonthGrid()->rowCount(), 1);
        QCOMPARE(d.lastMonthGrid()->item(0, 0)->text(), QStringLiteral("KİŞİ2 ÖZTÜRK"));
        d.filter()->setCurrentIndex(1);
        QCOMPARE(people(d), (QList<int>{1, 2, 3, 4}));

        Desk all(QStringLiteral("H"));
        PromotionsDialog d2(all.s, all.p, 1);
        QVERIFY(d2.load());
        QCOMPARE(d2.filter()->currentText(), QStringLiteral("Tüm Personel"));
        QCOMPARE(d2.rows().size(), std::size_t(4));
    }

    void newIndicatorRefusedOrStored()
    {
        Desk desk;
        PromotionsDialog d(desk.s, desk.p, 1);
        QVERIFY(d.load());
        int opened = 0;
        d.setPickerOpener([&opened](QWidget *, const PromotionRow &r) {
            ++opened;
            grades::GradeRecord picked = r.record;
            picked.KAD = 3;
            picked.GOS = 1320;
            picked.MKAD = 3;
            picked.MGOS = 1320;
            picked.TFA = 1;
            picked.GF = 20;
            picked.KIDEM = 10;
            return std::optional<grades::GradeRecord>(picked);
        });
        d.newIndicator(desk.rowOf(d, 4));
        QCOMPARE(desk.p.informed, QStringList{QString::fromUtf8(kAlreadyDone)});
        QCOMPARE(opened, 0);

        const int row = desk.rowOf(d, 1);
        d.newIndicator(row);
        QCOMPARE(opened, 1);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND KAD=3 AND GOS=1320 "
                                           "AND MGOS=1320 AND TFA=1 AND GF=20 AND KIDEM=10")),
                 1);
        QCOMPARE(d.grid()->item(row, zeran::promotions::ui::NewGradeColumn)->text(), QStringLiteral("5/3"));
        QCOMPARE(d.grid()->item(row, zeran::promotions::ui::CurrentGradeColumn)->text(), QStringLiteral("5/2"));
        QVERIFY(d.changed());
    }

    void supplementaryEditAndUndo()
    {
        Desk desk;
        PromotionsDialog d(desk.s, desk.p, 1);
        QVERIFY(d.load());
        const int row = desk.rowOf(d, 1);
        d.grid()->item(row, zeran::promotions::ui::SupplementaryColumn)->setText(QStringLiteral("4200"));
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND EGOS=4200 AND EKGF=600")), 1);
        QCOMPARE(d.grid()->item(row, zeran::promotions::ui::SupplementaryDifferenceColumn)->text(), QStringLiteral("600"));
        QVERIFY(!d.editCell(row, zeran::promotions::ui::SupplementaryColumn, QStringLiteral("yok")));
        QCOMPARE(desk.p.informed.size(), 1);

        // "Sil": No keeps everything; Yes goes back to April's row.
        d.grid()->item(row, zeran::promotions::ui::MonthsColumn)->setText(QStringLiteral("2"));
        d.undoRow(row);
        QCOMPARE(desk.p.asked, QStringList{QString::fromUtf8(kUndoQuestion)});
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND TFA=2")), 1);
        desk.p.answers = {true};
        d.undoRow(row);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1 AND EGOS=3600 AND "
                                           "TFA IS NULL AND GF IS NULL AND EKGF IS NULL AND KIDEM=9")),
                 1);
    }

    void clearLastMonthAndReload()
    {
        Desk desk;
        PromotionsDialog d(desk.s, desk.p, 1);
        QVERIFY(d.load());
        d.findChild<QPushButton *>(QStringLiteral("clearLastMonthButton"))->click();
        QCOMPARE(desk.p.informed, QStringList{QString::fromUtf8(kCleared)});
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2 AND TFA IS NULL AND GF IS NULL")), 1);
        // Person 4's difference was entered this month: it stays.
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=4 AND GF=40")), 1);
        QCOMPARE(d.lastMonthGrid()->rowCount(), 0);
    }
};

QTEST_MAIN(TestPromotionsScreen)
#include "tst_promotions_screen.moc"
