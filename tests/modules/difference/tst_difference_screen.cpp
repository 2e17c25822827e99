// "FARK BORDROLARI" offscreen on the demo institution: the grid follows the day counts and
// the boxes, unsound day counts are refused, "Nakit Yazdır" and "Maaş İcmali" hand the right
// unit and kind on, and "Bordro Yazdır" writes nothing when the printer dialog is cancelled.

#include "demo.h"
#include "differencedocs.h"
#include "differencescreen.h"
#include "format.h"
#include "makemonths.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

using namespace zeran;
using namespace zeran::difference;
using namespace zeran::difference::ui;

namespace {

struct Desk {
    Desk()
    {
        s.openMain(fresh.params);
        demo::fillDemoInstitution(s.main(), {2026});
        test::makeMonths(s.main(), 7);
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.AY = 7;
        s.ctx.KULNO = 1;
        s.ctx.today = QDate(2026, 7, 20);
        s.ctx.MBKOD = 0;
        s.ctx.MODEMEBKOD = 0;
    }
    int rows(const char *tur)
    {
        return s.main()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE YIL='2026' AND AY=7 AND TUR=:T"),
                    {{QStringLiteral("T"), QString::fromLatin1(tur)}})
            .toInt();
    }

    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
    std::vector<CashOpening> cash;
    std::vector<std::pair<Kind, int>> summaries;
    bool printerAnswer = false;
    QStringList previewed;

    Openers openers()
    {
        Openers o;
        o.cash = [this](QWidget *, const CashOpening &c) { cash.push_back(c); };
        o.summary = [this](QWidget *, Kind k, int unit) { summaries.emplace_back(k, unit); };
        o.choosePrinter = [this](QWidget *, QPrinter &) { return printerAnswer; };
        o.preview = [this](QWidget *, QPrinter &, const report::Document &doc) { previewed << doc.title; };
        return o;
    }
};

template <typename T>
T *child(const QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

QString cell(const QStandardItemModel *m, int row, int column)
{
    return m->item(row, column)->text();
}

}  // namespace

class TestDifferenceScreen : public QObject {
    Q_OBJECT

private slots:
    void gridFollowsTheFields()
    {
        Desk d;
        DifferenceScreen screen(nullptr, d.s, d.p, Kind::Difference, d.openers());
        QCOMPARE(screen.windowTitle(), QString::fromUtf8(kScreenTitle));
        QCOMPARE(child<QComboBox>(screen, "unitBox")->currentText(), QStringLiteral("Tümü"));
        QVERIFY(!child<QCheckBox>(screen, "retirementBox")->isChecked());
        QCOMPARE(child<QLineEdit>(screen, "diffDaysEdit")->text(), QStringLiteral("14"));
        QVERIFY(d.p.informed.isEmpty());  // the demo's rates are complete
        const int people = screen.model()->rowCount();
        QVERIFY(people > 0);
        QCOMPARE(int(screen.shown().pays.size()), people);
        const QString net14 = cell(screen.model(), 0, 12);
        QCOMPARE(net14, report::amount(screen.shown().pays[0].paid));

        // Leaving "Fark Günü" recomputes.
        QLineEdit *diffDays = child<QLineEdit>(screen, "diffDaysEdit");
        diffDays->setText(QStringLiteral("30"));
        emit diffDays->editingFinished();
        QCOMPARE(screen.model()->rowCount(), people);
        QVERIFY(cell(screen.model(), 0, 12) != net14);

        // The retirement box adds the contributions: the deductions grow.
        const Money before = screen.shown().pays[0].KESTOP;
        child<QCheckBox>(screen, "retirementBox")->setChecked(true);
        QVERIFY(screen.shown().pays[0].KESTOP > before);

        // More difference days than the month has: refused, nothing shown.
        diffDays->setText(QStringLiteral("31"));
        emit diffDays->editingFinished();
        QCOMPARE(d.p.informed.last(), QString::fromUtf8(kDiffDaysRange));
        QCOMPARE(screen.model()->rowCount(), 0);
    }

    void cashAndSummaryGetTheUnitAndKind()
    {
        Desk d;
        {
            DifferenceScreen screen(nullptr, d.s, d.p, Kind::Difference, d.openers());
            screen.openCash();
            QCOMPARE(d.p.informed.last(), QString::fromUtf8(kChooseUnit));
            QVERIFY(d.cash.empty());

            QComboBox *unit = child<QComboBox>(screen, "unitBox");
            unit->setCurrentIndex(1);
            const int bkod = unit->currentData().toInt();
            child<QPushButton>(screen, "cashButton")->click();
            QCOMPARE(d.cash.size(), std::size_t(1));
            QCOMPARE(d.cash.back().unit, bkod);
            QCOMPARE(d.cash.back().kindCode, QStringLiteral("2"));
            QCOMPARE(d.cash.back().month, 7);
            QCOMPARE(d.cash.back().monthText, QStringLiteral("TEMMUZ"));
            child<QPushButton>(screen, "summaryButton")->click();
            QCOMPARE(d.summaries.back(), std::make_pair(Kind::Difference, bkod));

            // "Tümü" with the combined payment unit of the settings.
            d.s.ctx.MODEMEBKOD = bkod;
            unit->setCurrentIndex(0);
            screen.openCash();
            QCOMPARE(d.cash.back().unit, bkod);
        }
        DifferenceScreen inflation(nullptr, d.s, d.p, Kind::Inflation, d.openers());
        QCOMPARE(child<QComboBox>(inflation, "unitBox")->currentText(), QStringLiteral("TÜMÜ"));
        QVERIFY(child<QCheckBox>(inflation, "retirementBox")->isChecked());
        inflation.openCash();
        QCOMPARE(d.cash.back().unit, 0);
        QCOMPARE(d.cash.back().kindCode, QStringLiteral("8"));
        child<QPushButton>(inflation, "summaryButton")->click();
        QCOMPARE(d.summaries.back(), std::make_pair(Kind::Inflation, 0));
    }

    void inflationLateRateAndPrint()
    {
        Desk d;
        DifferenceScreen screen(nullptr, d.s, d.p, Kind::Inflation, d.openers());
        child<QLineEdit>(screen, "lateRateEdit")->setText(QStringLiteral("5"));
        child<QPushButton>(screen, "computeButton")->click();
        const DifferencePay &first = screen.shown().pays.at(0);
        QCOMPARE(first.EKFARK, first.NET.mulDiv(5, 100).yuvarla1());
        QCOMPARE(cell(screen.model(), 0, 10), report::amount(first.NET + first.EKFARK));

        // Cancelling the printer dialog writes nothing.
        d.printerAnswer = false;
        child<QPushButton>(screen, "printButton")->click();
        QCOMPARE(d.rows("8"), 0);
        QVERIFY(d.previewed.isEmpty());

        d.printerAnswer = true;
        child<QPushButton>(screen, "printButton")->click();
        QCOMPARE(d.rows("8"), screen.model()->rowCount());
        QCOMPARE(d.previewed, QStringList{QString::fromUtf8(kDocumentTitle)});
    }
};

QTEST_MAIN(TestDifferenceScreen)
#include "tst_difference_screen.moc"
