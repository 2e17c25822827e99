// The lists' screens offscreen on the small institution: the page group and the choices that
// re-run a page, the choices kept between openings, printing (cancelled, previewed or sent),
// the union dues detail list's date checks, the special-deduction grid's edits and right, and
// the two person views.

#include "context.h"
#include "dateedit.h"
#include "listsfixture.h"
#include "listsscreen.h"
#include "payrollviews.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"
#include "uniondetail.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using namespace zeran;
using namespace zeran::lists;

namespace {

struct Fixture {
    Fixture() : db(test::uniqueName("listsui"))
    {
        db.open(fresh.params);
        test::lists::fill(db);
        ctx.CYIL = QStringLiteral("2026");
        ctx.AY = 2;
        ctx.today = QDate(2026, 2, 20);
        ctx.ONIZ = QStringLiteral("E");
        ctx.IZL = ctx.UDUR = QStringLiteral("E");
        ctx.userName = QStringLiteral("TEST");
    }
    test::FreshDatabase fresh;
    db::Database db;
    WorkingContext ctx;
    test::ScriptedPrompter prompter;
};

QStringList headers(const QTableView *grid)
{
    QStringList h;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        h << grid->model()->headerData(c, Qt::Horizontal).toString();
    return h;
}

QString cellText(const QTableView *grid, int row, int col)
{
    return grid->model()->index(row, col).data().toString();
}

}  // namespace

class TestListsScreens : public QObject {
    Q_OBJECT

private slots:
    // Opening shows the staff page of the start-up month; each entry shows its page and
    // heading; the unit, month and "Sigorta Türü" re-run the page shown.
    void pagesAndChoices()
    {
        Fixture f;
        ListsScreen screen(nullptr, f.db, f.ctx, f.prompter);
        auto *heading = screen.findChild<QLabel *>(QStringLiteral("headingLabel"));
        auto *grid = screen.findChild<QTableView *>(QStringLiteral("grid"));
        auto *pageList = screen.findChild<QListWidget *>(QStringLiteral("pageList"));
        auto *month = screen.findChild<QComboBox *>(QStringLiteral("monthBox"));
        auto *unit = screen.findChild<QComboBox *>(QStringLiteral("unitBox"));
        QCOMPARE(heading->text(), QStringLiteral("PERSONEL LİSTESİ"));
        QCOMPARE(month->currentText(), QStringLiteral("ŞUBAT"));
        QCOMPARE(headers(grid), (QStringList{QStringLiteral("Adı ve Soyadı"), QStringLiteral("Görevi"), QStringLiteral("İşe Giriş Tar."),
                                             QStringLiteral("Em.Sic.No"), QStringLiteral("TCK.No"), QStringLiteral("Banka Hes.No")}));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("periodLabel"))->text(), QStringLiteral("20 ŞUBAT 2026 CUMA"));

        pageList->setCurrentRow(1);
        QCOMPARE(screen.page(), Page::Retirement);
        QCOMPARE(heading->text(), QStringLiteral("EMEKLİ KESENEKLERİ LİSTESİ"));
        QCOMPARE(grid->model()->rowCount(), 1);  // February: OĞUZ's record is "H" today
        QVERIFY(headers(grid).contains(QStringLiteral("E.Kes.%35")));
        month->setCurrentIndex(0);
        QCOMPARE(grid->model()->rowCount(), 4);
        auto *insurance = screen.findChild<QComboBox *>(QStringLiteral("insuranceBox"));
        insurance->setCurrentIndex(1);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(cellText(grid, 0, 0), QStringLiteral("MELEK AYDIN"));
        QCOMPARE(cellText(grid, 0, 4), QStringLiteral("75,00"));
        insurance->setCurrentIndex(0);
        QVERIFY(headers(grid).contains(QStringLiteral("E.Kes.%36")));

        unit->setCurrentIndex(unit->findData(2));
        pageList->setCurrentRow(3);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(cellText(grid, 0, 2), QStringLiteral("12,00"));

        // The special deductions: choosing a name only changes the columns shown.
        unit->setCurrentIndex(0);
        pageList->setCurrentRow(4);
        QCOMPARE(headers(grid).mid(2), (QStringList{QStringLiteral("LOJMAN AİDATI"), QStringLiteral("Özel Kes.2"), QStringLiteral("SPOR"),
                                                    QStringLiteral("Özel Kes.4"), QStringLiteral("Özel Kes.5"), QStringLiteral("Toplam")}));
        screen.findChild<QComboBox *>(QStringLiteral("deductionBox"))->setCurrentIndex(3);
        QCOMPARE(headers(grid).mid(2), QStringList{QStringLiteral("SPOR")});

        // "Fark Ekle" on the tax page.
        pageList->setCurrentRow(7);
        month->setCurrentIndex(1);
        QCOMPARE(grid->model()->rowCount(), 3);
        screen.findChild<QCheckBox *>(QStringLiteral("differenceBox"))->setChecked(true);
        QCOMPARE(grid->model()->rowCount(), 4);
        QVERIFY(f.prompter.informed.isEmpty());
    }

    // The unit, month and union stay for the next opening; the page does not.
    void keptBetweenOpenings()
    {
        Fixture f;
        {
            ListsScreen screen(nullptr, f.db, f.ctx, f.prompter);
            auto *unit = screen.findChild<QComboBox *>(QStringLiteral("unitBox"));
            unit->setCurrentIndex(unit->findData(1));
            screen.findChild<QComboBox *>(QStringLiteral("monthBox"))->setCurrentIndex(1);
            screen.findChild<QListWidget *>(QStringLiteral("pageList"))->setCurrentRow(5);
        }
        ListsScreen again(nullptr, f.db, f.ctx, f.prompter);
        QCOMPARE(again.page(), Page::Staff);
        QCOMPARE(again.query().unit, 1);
        QCOMPARE(again.query().month, 1);
        again.findChild<QComboBox *>(QStringLiteral("unitBox"))->setCurrentIndex(0);
        again.findChild<QComboBox *>(QStringLiteral("monthBox"))->setCurrentIndex(2);
    }

    // Cancelling the printer prints nothing; ONIZ "E" previews, "H" prints; the chosen unit's
    // signatories, none for "TÜMÜ".
    void printing()
    {
        Fixture f;
        ListsScreen screen(nullptr, f.db, f.ctx, f.prompter);
        std::vector<std::pair<report::Document, bool>> out;
        screen.setOutput([&out](const report::Document &d, bool preview) { out.emplace_back(d, preview); });
        screen.setPrinterChooser([](QPrinter &) { return false; });
        screen.print();
        QVERIFY(out.empty());
        screen.setPrinterChooser([](QPrinter &) { return true; });
        screen.findChild<QListWidget *>(QStringLiteral("pageList"))->setCurrentRow(6);
        screen.print();
        QCOMPARE(out.size(), std::size_t(1));
        QVERIFY(out[0].second);
        QCOMPARE(out[0].first.title, QStringLiteral("ZERAN KİRA LİSTESİ"));
        QCOMPARE(out[0].first.signatures[0].name, QString());
        auto *unit = screen.findChild<QComboBox *>(QStringLiteral("unitBox"));
        unit->setCurrentIndex(unit->findData(1));
        f.ctx.ONIZ = QStringLiteral("H");
        screen.print();
        QCOMPARE(out.size(), std::size_t(2));
        QVERIFY(!out[1].second);
        QCOMPARE(out[1].first.signatures[0].name, QStringLiteral("ALİ VELİ"));
        QCOMPARE(out[1].first.signatures[2].title, QStringLiteral("MÜDÜR"));
    }

    // Missing dates are reported and leave the grid as it was; the total is the listed dues.
    void unionDetail()
    {
        Fixture f;
        UnionDetailDialog dialog(nullptr, f.db, f.ctx, f.prompter);
        QCOMPARE(int(dialog.rows().size()), 3);  // February's dues
        auto *from = dialog.findChild<QLineEdit *>(QStringLiteral("fromEdit"));
        auto *to = dialog.findChild<QLineEdit *>(QStringLiteral("toEdit"));
        from->setText(QStringLiteral("01.01.2026"));
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(int(dialog.rows().size()), 6);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("totalLabel"))->text(), QStringLiteral("85,50"));
        from->clear();
        dialog.relist();
        QCOMPARE(f.prompter.informed, QStringList{QStringLiteral("Başlama Tarihini Giriniz")});
        from->setText(QStringLiteral("01.01.2026"));
        to->clear();
        dialog.relist();
        QCOMPARE(f.prompter.informed.last(), QStringLiteral("Bitiş Tarihini Giriniz"));
        to->setText(QStringLiteral("31.02.2026"));
        dialog.relist();
        QCOMPARE(f.prompter.informed.last(), ui::invalidDateMessage(QStringLiteral("31.02.2026")));
        QCOMPARE(int(dialog.rows().size()), 6);
        std::vector<report::Document> printed;
        dialog.setOutput([&printed](const report::Document &d) { printed.push_back(d); });
        dialog.print();
        QCOMPARE(printed.size(), std::size_t(1));
        QCOMPARE(printed[0].title, QStringLiteral("ZERAN SENDİKA AİDAT TEVKİFAT LİSTESİ"));
        QCOMPARE(printed[0].body.size(), std::size_t(6));
    }

    // An amount typed in the grid is stored with its audit line and the totals follow; a text
    // that is no amount is refused and put back; without the right nothing is editable.
    void deductionGrid()
    {
        Fixture f;
        {
            DeductionsDialog dialog(nullptr, f.db, f.ctx, f.prompter, 1, true);
            auto *model = qobject_cast<QStandardItemModel *>(dialog.grid()->model());
            QCOMPARE(model->rowCount(), 3);
            QCOMPARE(model->horizontalHeaderItem(4)->text(), QStringLiteral("SPOR"));
            QVERIFY(!model->item(0, 0)->isEditable());
            QVERIFY(!model->item(0, 7)->isEditable());
            model->item(0, 4)->setText(QStringLiteral("12,50"));
            QCOMPARE(model->item(0, 7)->text(), QStringLiteral("12,50"));
            QCOMPARE(dialog.totalsShown(), (QStringList{QStringLiteral("0,00"), QStringLiteral("0,00"), QStringLiteral("12,50"),
                                                        QStringLiteral("0,00"), QStringLiteral("0,00"), QStringLiteral("12,50")}));
            model->item(1, 2)->setText(QStringLiteral("abc"));
            QCOMPARE(f.prompter.informed.size(), 1);
            QCOMPARE(model->item(1, 2)->text(), QStringLiteral("0,00"));
            QVERIFY(dialog.changed());
        }
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT KES3 FROM ZERBORBIL WHERE PKAYNO=1 AND BKOD=1 AND PKOD=1")).toDouble(), 12.5);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), 1);
        DeductionsDialog readOnly(nullptr, f.db, f.ctx, f.prompter, 1, false);
        auto *model = qobject_cast<QStandardItemModel *>(readOnly.grid()->model());
        for (int c = 0; c < model->columnCount(); ++c)
            QVERIFY(!model->item(0, c)->isEditable());
    }

    void yearlyDeductions()
    {
        Fixture f;
        YearlyDeductionsDialog dialog(nullptr, f.db, f.ctx, f.prompter, 1, 1, QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(int(dialog.rows().size()), 5);
        QCOMPARE(dialog.totalsShown().at(0), QStringLiteral("79,00"));
        dialog.yearEdit()->setText(QStringLiteral("2025"));
        QCOMPARE(int(dialog.rows().size()), 0);
        QCOMPARE(dialog.totalsShown().at(0), QStringLiteral("0,00"));
    }

    // The panel starts on the payroll screen's person, moves through the unit's people, the
    // month box limits the months, and the print is the person's year.
    void pastMonths()
    {
        Fixture f;
        Session session;
        session.ctx = f.ctx;
        session.openMain(f.fresh.params);
        PastMonthsDialog dialog(nullptr, session, f.prompter, 1, 2);
        QCOMPARE(dialog.person().ADI, QStringLiteral("OĞUZ"));
        QCOMPARE(int(dialog.rows().size()), 2);
        dialog.move(-1);
        QCOMPARE(dialog.person().ADI, QStringLiteral("AYŞE"));
        QCOMPARE(int(dialog.rows().size()), 5);
        dialog.monthEdit()->setText(QStringLiteral("2"));
        QCOMPARE(int(dialog.rows().size()), 1);
        dialog.showPerson(3, true);
        QCOMPARE(dialog.person().EMSNO, QStringLiteral("300"));
        QCOMPARE(int(dialog.rows().size()), 1);
        std::vector<report::Document> printed;
        dialog.setOutput([](QPrinter &) { return true; }, [&printed](const report::Document &d) { printed.push_back(d); });
        dialog.print();
        QCOMPARE(printed.size(), std::size_t(1));
        QCOMPARE(printed[0].title, QStringLiteral("BORDRO LİSTESİ"));
        QVERIFY(f.prompter.informed.isEmpty());
    }
};

QTEST_MAIN(TestListsScreens)
#include "tst_lists_screens.moc"
