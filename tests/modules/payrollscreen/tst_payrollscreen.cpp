// The monthly payroll screen, headless, on the demo institution: what the grid shows, how the
// selection controls change the list, editing the pay record in place, deleting it, the
// prints around making the payroll, and the one child window of the two menu commands.

#include "clock.h"
#include "demo.h"
#include "codecombo.h"
#include "commandbar.h"
#include "dateedit.h"
#include "moneyedit.h"
#include "mainwindow.h"
#include "payrecordfields.h"
#include "payrollmake.h"
#include "payrollscreen.h"
#include "screendata.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"
#include "writtenrow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::payrollscreen;

namespace {

const QDate kToday(2026, 3, 10);

/// Records what the screen asks it to print.
struct FakePrinter : RunPrinter {
    bool accept = true;
    int chosen = 0;
    QStringList calls;
    payrollmake::Outcome outcome = payrollmake::Outcome::Refused;
    int unit = -1;
    QString period;
    int people = -1;
    int pays = -1;

    bool choosePrinter(QWidget *) override
    {
        ++chosen;
        return accept;
    }
    void payrollDocument(QWidget *, const payrollmake::MakeResult &made, int u, const QString &p) override
    {
        took(QStringLiteral("payroll"), made, u, p);
    }
    void detailedStatements(QWidget *, const payrollmake::MakeResult &made, int u, const QString &p) override
    {
        took(QStringLiteral("detailed"), made, u, p);
    }
    void payslips(QWidget *, const payrollrun::LoadedRun &loaded, const std::vector<engine::PersonPay> &computed,
                  int u, const QString &p) override
    {
        calls << QStringLiteral("payslips");
        unit = u;
        period = p;
        people = int(loaded.people.size());
        pays = int(computed.size());
    }
    void took(const QString &what, const payrollmake::MakeResult &made, int u, const QString &p)
    {
        calls << what;
        outcome = made.outcome;
        unit = u;
        period = p;
        people = int(made.loaded.people.size());
        pays = int(made.pays.size());
    }
};

/// The demo institution in a fresh embedded database, a session on it dated 10 March 2026,
/// scripted message boxes and a printer that records.
struct Desk {
    Desk()
    {
        clock::setToday(kToday);
        s.openMain(fresh.params);
        demo::fillDemoInstitution(s.main());
        s.tanimoku();
        // The month-start checks have tests of their own; off here, so that their questions do
        // not mix with the ones these tests answer.
        s.ctx.FORM = QStringLiteral("H");
        s.ctx.BORTEK = QStringLiteral("H");
    }
    db::Database &db() { return s.main(); }

    void sql(const QString &statement, const QVariantMap &binds = {})
    {
        db::Transaction t(db());
        db().exec(statement, binds);
        t.commit();
    }
    int count(const QString &statement, const QVariantMap &binds = {})
    {
        return db().scalar(statement, binds).toInt();
    }
    int pkayno(const char *soyadi)
    {
        return count(QStringLiteral("SELECT PKAYNO FROM SICIL WHERE SOYADI=:S"), {{QStringLiteral("S"), QString::fromUtf8(soyadi)}});
    }

    std::unique_ptr<PayrollScreen> open(PayrollScreenMode mode = PayrollScreenMode::Payroll, bool withPrinter = true)
    {
        auto w = std::make_unique<PayrollScreen>(s, p, withPrinter ? &printer : nullptr, mode);
        w->start();
        return w;
    }

    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
    FakePrinter printer;
};

template <class T> T *child(const QWidget &w, const QString &name)
{
    T *c = w.findChild<T *>(name);
    if (!c)
        qFatal("no child %s", qPrintable(name));
    return c;
}

QTableView *grid(const QWidget &w)
{
    return child<QTableView>(w, QStringLiteral("payGrid"));
}

QString cell(const QWidget &w, int row, int column)
{
    QAbstractItemModel *m = grid(w)->model();
    return m->data(m->index(row, column)).toString();
}

/// The row of a person ("Adı Soyadı") in the screen's list; -1 when not listed.
int rowOf(const PayrollScreen &w, const QString &adsoy)
{
    for (std::size_t i = 0; i < w.rows().size(); ++i) {
        if (w.rows()[i].ADSOY == adsoy)
            return int(i);
    }
    return -1;
}

void makeCurrent(PayrollScreen &w, int row)
{
    QTableView *list = child<QTableView>(w, QStringLiteral("personList"));
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void chooseUnit(PayrollScreen &w, int bkod)
{
    QComboBox *box = child<QComboBox>(w, QStringLiteral("unitBox"));
    box->setCurrentIndex(box->findData(bkod));
}

void click(const QWidget &w, const char *name)
{
    child<QPushButton>(w, QLatin1String(name))->click();
}

void trigger(const QWidget &w, const char *name)
{
    child<QAction>(w, QLatin1String(name))->trigger();
}

QList<RecordKey> keysOf(const PayrollScreen &w)
{
    QList<RecordKey> keys;
    for (const PayRow &r : w.rows())
        keys << r.key;
    return keys;
}

/// Types into an input of the pay-record page as a clerk would: a text, an item or a tick.
void enter(const QWidget &w, const QString &field, const QString &value)
{
    QWidget *input = child<QWidget>(w, field);
    if (auto *combo = qobject_cast<QComboBox *>(input)) {
        const int i = combo->findText(value);
        if (i < 0)
            qFatal("no item %s in %s", qPrintable(value), qPrintable(field));
        combo->setCurrentIndex(i);
    } else if (auto *box = qobject_cast<QCheckBox *>(input)) {
        box->setChecked(value == QLatin1String("E"));
    } else {
        qobject_cast<QLineEdit *>(input)->setText(value);
    }
}

Money money(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

}  // namespace

class TestPayrollScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    // ---- What is shown ------------------------------------------------------------------

    void gridShowsTheShownPay_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("everyStatus");
        QTest::newRow("default unit") << 1 << false;
        QTest::newRow("all units, every status") << 0 << true;
    }
    // Every row of the grid carries the values the written row is made from: the display
    // rules applied, the paid-out amount net of what a suspended person has withheld.
    void gridShowsTheShownPay()
    {
        QFETCH(int, unit);
        QFETCH(bool, everyStatus);
        Desk d;
        auto w = d.open();
        chooseUnit(*w, unit);
        child<QComboBox>(*w, QStringLiteral("statusBox"))->setCurrentIndex(everyStatus ? 0 : 1);

        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(d.db());
        const payrollrun::LoadedRun loaded =
            payrollrun::loadRun(d.db(), payrollrun::RunPeriod::of(QStringLiteral("2026"), kToday), w->selection(), settings.engine);
        const std::vector<engine::PersonPay> pays = payrollrun::computeAll(loaded);
        QAbstractItemModel *m = grid(*w)->model();
        QVERIFY(!loaded.people.empty());
        QCOMPARE(m->rowCount(), int(loaded.people.size()));
        QStringList headers;
        for (int c = 0; c < m->columnCount(); ++c)
            headers << m->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"Kodu", "Adı ve Soyadı", "Görevi", "M.D/K", "Göst", "Ek Göst", "Kıd", "Gv.Mat.",
                                       "Gelir Toplamı", "Kesinti Toplamı", "Net Maaş", "Ele Geçen", "Birimi"}));
        for (int i = 0; i < m->rowCount(); ++i) {
            const payrollrun::RunPerson &p = loaded.people[std::size_t(i)];
            const payrollrun::ShownPay shown = payrollrun::shownPay(p.input, pays[std::size_t(i)]);
            const engine::PayRecord &r = p.input.rec;
            QCOMPARE(cell(*w, i, 0), QString::number(r.PKOD));
            QCOMPARE(cell(*w, i, 1), p.ADI + QLatin1Char(' ') + p.SOYADI);
            QCOMPARE(cell(*w, i, 2), p.UNVAN);
            QCOMPARE(cell(*w, i, 3), QStringLiteral("%1/%2").arg(r.MDER).arg(r.MKAD));
            QCOMPARE(cell(*w, i, 4), QString::number(r.GOS));
            QCOMPARE(cell(*w, i, 5), QString::number(r.EGOS));
            QCOMPARE(cell(*w, i, 6), QString::number(r.KIDEM));
            QCOMPARE(cell(*w, i, 7), shown.pay.TOPMAT.toText());
            QCOMPARE(cell(*w, i, 8), shown.pay.GELTOP.toText());
            QCOMPARE(cell(*w, i, 9), shown.pay.KESTOP.toText());
            QCOMPARE(cell(*w, i, 10), shown.pay.MAAS.toText());
            QCOMPARE(cell(*w, i, 11), shown.NET.toText());
            QCOMPARE(cell(*w, i, 12), p.BIRIM);
        }
        // The person list is the same selection.
        QAbstractItemModel *list = child<QTableView>(*w, QStringLiteral("personList"))->model();
        QCOMPARE(list->rowCount(), m->rowCount());
        QCOMPARE(list->data(list->index(0, 1)).toString(), loaded.people.front().EMSNO);

        // A suspended person is paid less than the pay after deductions; unpaid leave pays nothing.
        const int suspended = rowOf(*w, QStringLiteral("Recep KARA"));
        const int leave = rowOf(*w, QStringLiteral("Hatice KOÇ"));
        QVERIFY(suspended >= 0 && leave >= 0);
        QVERIFY(cell(*w, suspended, 11) != cell(*w, suspended, 10));
        QCOMPARE(cell(*w, leave, 10), QStringLiteral("0,00"));
        QCOMPARE(cell(*w, leave, 11), QStringLiteral("0,00"));
    }

    void periodAndRates_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("inContext");  // the start-up date of the working context, else the clock's
        QTest::addColumn<QString>("period");
        QTest::newRow("first half") << QDate(2026, 3, 10) << false << "15 MART 2026";
        QTest::newRow("second half") << QDate(2026, 7, 1) << false << "15 TEMMUZ 2026";
        QTest::newRow("start-up date over the clock") << QDate(2026, 7, 1) << true << "15 TEMMUZ 2026";
    }
    // The period follows the start-up date of the working context; without one, the clock.
    void periodAndRates()
    {
        QFETCH(QDate, today);
        QFETCH(bool, inContext);
        QFETCH(QString, period);
        Desk d;
        if (inContext)
            d.s.ctx.setDate(today);  // the clock stays on 10 March
        else
            clock::setToday(today);
        auto w = d.open();
        QCOMPARE(child<QLabel>(*w, QStringLiteral("periodLabel"))->text(), period);
        QCOMPARE(w->periodText(), period);
        const engine::PeriodRates &r = w->loaded().run.rates;
        QCOMPARE(r.KATSAYI, payrollrun::loadRun(d.db(), payrollrun::RunPeriod::of(QStringLiteral("2026"), today), {},
                                                payrollrun::readInstallationSettings(d.db()).engine)
                                .run.rates.KATSAYI);
        QVERIFY(r.KATSAYI > 0);
        // Decimal comma, as printed: "1,498901", never "1.498901".
        QVERIFY(!child<QLineEdit>(*w, QStringLiteral("katsayiField"))->text().contains(QLatin1Char('.')));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("katsayiField"))->text(), rateText(r.KATSAYI));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("yodField"))->text(), rateText(r.YOD));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("takField"))->text(), rateText(r.TAK));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("kakField"))->text(), rateText(r.KAK));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("eymmField"))->text(), rateText(r.EYMM));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("indirimField"))->text(), rateText(r.INDIRIM));
        QVERIFY(!rateText(r.EYMM).endsWith(QLatin1Char('0')));
    }

    void selectionControls_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("everyStatus");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("single");  // the person made current before "Tek Kişi"
        QTest::addColumn<QString>("expected");  // conditions and order of the expected list
        QTest::newRow("default unit") << 1 << false << "orderCodeButton" << ""
                                      << "AND B.BKOD=1 AND B.DURUM<>'H' ORDER BY BR.BIRIM,B.PKOD";
        QTest::newRow("all units") << 0 << false << "orderCodeButton" << ""
                                   << "AND B.DURUM<>'H' ORDER BY BR.BIRIM,B.PKOD";
        QTest::newRow("every status") << 3 << true << "orderCodeButton" << ""
                                      << "AND B.BKOD=3 ORDER BY BR.BIRIM,B.PKOD";
        QTest::newRow("by registry number") << 0 << false << "orderRegistryButton" << ""
                                            << "AND B.DURUM<>'H' ORDER BY S.EMSNO,B.PKAYNO";
        QTest::newRow("by name") << 0 << false << "orderNameButton" << ""
                                 << "AND B.DURUM<>'H' ORDER BY S.ADI,S.SOYADI,B.PKAYNO";
        QTest::newRow("single person") << 0 << false << "orderCodeButton" << "Ahmet YILMAZ"
                                       << "AND B.DURUM<>'H' AND S.SOYADI='YILMAZ' AND S.ADI='Ahmet' ORDER BY B.PKOD";
    }
    // Every control lists again with its condition: salary units of this system only, the
    // unit chosen, "Maaş Hesabı" leaving out the records not paid, one person, the order.
    void selectionControls()
    {
        QFETCH(int, unit);
        QFETCH(bool, everyStatus);
        QFETCH(QString, order);
        QFETCH(QString, single);
        QFETCH(QString, expected);
        Desk d;
        auto w = d.open();
        chooseUnit(*w, unit);
        child<QComboBox>(*w, QStringLiteral("statusBox"))->setCurrentIndex(everyStatus ? 0 : 1);
        child<QRadioButton>(*w, order)->setChecked(true);
        if (!single.isEmpty()) {
            makeCurrent(*w, rowOf(*w, single));
            child<QRadioButton>(*w, QStringLiteral("singlePersonButton"))->setChecked(true);
        }

        QList<RecordKey> want;
        QSqlQuery q = d.db().exec(QStringLiteral("SELECT B.PKAYNO,B.BKOD,B.PKOD FROM ZERBORBIL B "
                                                 "JOIN SICIL S ON S.PKAYNO=B.PKAYNO "
                                                 "JOIN BIRIM BR ON BR.BKOD=B.BKOD AND BR.TUR='M' "
                                                 "WHERE BR.MTUR='N' AND BR.AKTIF='A' ") +
                                  expected);
        while (q.next())
            want << RecordKey{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
        QVERIFY(!want.isEmpty());
        QCOMPARE(keysOf(*w), want);

        // Back to everybody.
        if (!single.isEmpty()) {
            child<QRadioButton>(*w, QStringLiteral("allPeopleButton"))->setChecked(true);
            QVERIFY(w->rows().size() > std::size_t(want.size()));
        }
    }

    // The unit box: "Tümü" and the active salary units by name, the default unit chosen; a
    // unit chosen becomes the working context's active unit and brings its signatories.
    void unitBox()
    {
        Desk d;
        auto w = d.open();
        QComboBox *box = child<QComboBox>(*w, QStringLiteral("unitBox"));
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, (QStringList{"Tümü", "FEN İŞLERİ MÜDÜRLÜĞÜ", "MALİ HİZMETLER MÜDÜRLÜĞÜ", "YAZI İŞLERİ MÜDÜRLÜĞÜ"}));
        QCOMPARE(box->currentText(), QStringLiteral("YAZI İŞLERİ MÜDÜRLÜĞÜ"));
        QCOMPARE(w->signatories().TAS, QStringLiteral("Ayten ÖZTÜRK"));

        chooseUnit(*w, 2);
        QCOMPARE(d.s.ctx.MBKOD, 2);
        QCOMPARE(w->signatories().TAS, QStringLiteral("Sultan ALTUN"));
        QCOMPARE(w->signatories().IAS, QStringLiteral("Ahmet YILMAZ"));
        for (const PayRow &r : w->rows())
            QCOMPARE(r.key.BKOD, 2);

        chooseUnit(*w, 0);
        QCOMPARE(d.s.ctx.MBKOD, 2);  // "Tümü" names no unit
        QCOMPARE(w->selection().unit, 0);
    }

    void itemInputs_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("amount item") << "field_KAZ1" << true << "SOSYAL DENGE";
        QTest::newRow("amount item has no yes/no") << "field_KAZS1" << false << "";
        QTest::newRow("points item") << "field_KAZ3" << true << "KOORDİNASYON";
        QTest::newRow("fixed item is yes/no") << "field_KAZS4" << true << "SEYYANEN ZAM";
        QTest::newRow("fixed item has no amount") << "field_KAZ4" << false << "";
        QTest::newRow("item not in use") << "field_KAZ6" << false << "";
        QTest::newRow("item not in use, yes/no") << "field_KAZS6" << false << "";
        QTest::newRow("active deduction, whole name") << "field_KES1" << true << "KOOPERATİF AİDATI";
        QTest::newRow("third deduction") << "field_KES3" << true << "MAAŞ AVANSI";
        QTest::newRow("passive deduction") << "field_KES4" << false << "";
        QTest::newRow("undefined deduction") << "field_KES5" << false << "";
    }
    // The extra items and special deductions carry their definitions' names; an item not in
    // use and a deduction without an active definition have no input.
    void itemInputs()
    {
        QFETCH(QString, field);
        QFETCH(bool, shown);
        QFETCH(QString, caption);
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        QCOMPARE(!child<QWidget>(*w, field)->isHidden(), shown);
        if (shown) {
            int visibleLabels = 0;
            for (QLabel *l : w->findChildren<QLabel *>()) {
                if (l->text() == caption && !l->isHidden())
                    ++visibleLabels;
            }
            QVERIFY2(visibleLabels >= 1, qPrintable(caption));
        }
    }

    // Commands whose screens come later are there but disabled; without a printer the print
    // commands are disabled too.
    void laterCommandsDisabled()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData, false);
        const QStringList later = {"computeButton",      "pastPayrollsButton", "taxBasesButton", "leaveButton",
                                   "deductionsButton",   "deductionSummaryButton", "promotionsButton",
                                   "paymentOrderButton", "summaryButton",      "filesButton",    "listsButton",
                                   "payIndicatorButton", "retirementIndicatorButton", "printButton", "payslipButton"};
        for (const QString &name : later)
            QVERIFY2(!child<QPushButton>(*w, name)->isEnabled(), qPrintable(name));
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("computeButton"))->text(), QStringLiteral("Bordro Hesapla"));
        for (const char *name : {"addButton", "editButton", "deleteButton", "findButton", "quickEntryButton",
                                 "childrenButton", "garnishmentsButton", "serviceDebtsButton", "closeButton"})
            QVERIFY2(child<QPushButton>(*w, QLatin1String(name))->isEnabled(), name);

        auto printing = d.open(PayrollScreenMode::Payroll, true);
        QVERIFY(child<QPushButton>(*printing, QStringLiteral("printButton"))->isEnabled());
        QVERIFY(child<QPushButton>(*printing, QStringLiteral("payslipButton"))->isEnabled());
    }

    // ---- Editing the pay record in place ------------------------------------------------

    // "Düzenle" unlocks the panels; nothing reaches the database before "Kayıt"; "İptal"
    // shows the stored record again and stores nothing.
    void editThenCancelStoresNothing()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        const RecordKey key = w->currentKey();
        const PayRecordFields before = readPayRecordFields(d.db(), key).value();
        QVERIFY(!child<QGroupBox>(*w, QStringLiteral("salaryGroup"))->isEnabled());
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("editButton"))->text(), QStringLiteral("Düzenle"));

        click(*w, "editButton");
        QVERIFY(w->editing());
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("editButton"))->text(), QStringLiteral("Kayıt"));
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("deleteButton"))->text(), QStringLiteral("İptal"));
        QVERIFY(child<QPushButton>(*w, QStringLiteral("addButton"))->isHidden());
        QVERIFY(child<QGroupBox>(*w, QStringLiteral("salaryGroup"))->isEnabled());
        QVERIFY(!child<QTableView>(*w, QStringLiteral("personList"))->isEnabled());

        enter(*w, QStringLiteral("field_KIRA"), QStringLiteral("1.234,56"));
        enter(*w, QStringLiteral("field_DURUM"), QStringLiteral("Ücretsiz İzin"));
        enter(*w, QStringLiteral("field_TERTAR"), QStringLiteral("01.02.2027"));
        enter(*w, QStringLiteral("field_HIZBORDUR"), QStringLiteral("E"));
        QVERIFY(readPayRecordFields(d.db(), key).value() == before);

        click(*w, "deleteButton");
        QVERIFY(!w->editing());
        QVERIFY(readPayRecordFields(d.db(), key).value() == before);
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("editButton"))->text(), QStringLiteral("Düzenle"));
        QCOMPARE(child<QPushButton>(*w, QStringLiteral("deleteButton"))->text(), QStringLiteral("Sil"));
        QVERIFY(!child<QPushButton>(*w, QStringLiteral("addButton"))->isHidden());
        QVERIFY(!child<QGroupBox>(*w, QStringLiteral("salaryGroup"))->isEnabled());
        QCOMPARE(child<QComboBox>(*w, QStringLiteral("field_DURUM"))->currentText(), QStringLiteral("Açığa Alınma"));
        QVERIFY(child<QLineEdit>(*w, QStringLiteral("field_KIRA"))->text() != QStringLiteral("1.234,56"));
        QVERIFY(d.p.asked.isEmpty());
    }

    void editThenSaveStoresTheChangedColumn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("rent") << "field_KIRA" << "1.234,56" << "KIRA" << QVariant::fromValue(money("1234.56"));
        QTest::newRow("garnishment") << "field_ICRA" << "750,5" << "ICRA" << QVariant::fromValue(money("750.5"));
        QTest::newRow("extra item amount") << "field_KAZ1" << "2500" << "KAZ1" << QVariant::fromValue(money("2500"));
        QTest::newRow("special deduction") << "field_KES3" << "300,25" << "KES3" << QVariant::fromValue(money("300.25"));
        QTest::newRow("report days") << "field_RAPOR" << "3" << "RAPOR" << QVariant(3);
        QTest::newRow("emptied number") << "field_KIDEM" << "" << "KIDEM" << QVariant();
        QTest::newRow("part-month days") << "field_KGUN" << "12" << "KGUN" << QVariant::fromValue(money("12"));
        QTest::newRow("pension rate") << "field_BESORAN" << "2,5" << "BESORAN" << QVariant::fromValue(money("2.5"));
        QTest::newRow("status") << "field_DURUM" << "Ücretsiz İzin" << "DURUM" << QVariant(QStringLiteral("Ü"));
        QTest::newRow("staff kind") << "field_PERTUR" << "Sözleşmeli" << "PERTUR" << QVariant(QStringLiteral("S"));
        QTest::newRow("insurance") << "field_GSSTUR" << "5510 S.K." << "GSSTUR" << QVariant(QStringLiteral("5"));
        QTest::newRow("marital status") << "field_MHAL" << "Boşanmış" << "MHAL" << QVariant(QStringLiteral("3"));
        QTest::newRow("yes/no") << "field_KEFALET" << "Evet" << "KEFALET" << QVariant(QStringLiteral("E"));
        QTest::newRow("fixed item") << "field_KAZS4" << "Hayır" << "KAZS4" << QVariant(QStringLiteral("H"));
        QTest::newRow("promotion date") << "field_TERTAR" << "01.02.2027" << "TERTAR" << QVariant(QDate(2027, 2, 1));
        QTest::newRow("paid in advance") << "field_HIZBORDUR" << "E" << "HIZBORDUR" << QVariant(true);
    }
    // "Kayıt" stores exactly the column that was changed, in one unit of work, locks the
    // panels again and lists again.
    void editThenSaveStoresTheChangedColumn()
    {
        QFETCH(QString, field);
        QFETCH(QString, input);
        QFETCH(QString, column);
        QFETCH(QVariant, stored);
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        const RecordKey key = w->currentKey();
        const PayRecordFields before = readPayRecordFields(d.db(), key).value();

        click(*w, "editButton");
        enter(*w, field, input);
        click(*w, "editButton");  // "Kayıt"
        QVERIFY2(d.p.informed.isEmpty(), qPrintable(d.p.informed.join(QLatin1Char('|'))));
        QVERIFY(!w->editing());
        QVERIFY(!child<QGroupBox>(*w, QStringLiteral("salaryGroup"))->isEnabled());
        QCOMPARE(w->currentKey(), key);

        const PayRecordFields after = readPayRecordFields(d.db(), key).value();
        const std::vector<const Column *> changed = after.changedFrom(before);
        QCOMPARE(changed.size(), std::size_t(1));
        QCOMPARE(QLatin1String(changed.front()->name), column);
        QVERIFY(sameValue(*changed.front(), after.value(column), stored));
    }

    // The union is chosen on "Gelirler" and on "Kesintiler"; both lists show the choice and
    // the record stores its code.
    void unionChosenOnEitherPage()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        const QString name = QStringLiteral("BELEDİYE VE İDARE MEMUR SEN.");
        const int code = d.count(QStringLiteral("SELECT SENKOD FROM SENDIKA WHERE SENDIKA=:S AND TUR='M'"),
                                 {{QStringLiteral("S"), name}});
        click(*w, "editButton");
        enter(*w, QStringLiteral("field_SENKOD_2"), name);
        QCOMPARE(child<QComboBox>(*w, QStringLiteral("field_SENKOD"))->currentText(), name);
        click(*w, "editButton");
        QVERIFY(!w->editing());
        QCOMPARE(readPayRecordFields(d.db(), w->currentKey())->number(QStringLiteral("SENKOD")), std::optional<int>(code));
        QCOMPARE(child<QComboBox>(*w, QStringLiteral("field_SENKOD"))->currentText(), name);
    }

    // A value the page cannot show exactly, and a code no list offers, survive a save of
    // another column.
    void saveKeepsWhatWasNotChanged()
    {
        Desk d;
        const int pk = d.pkayno("KARA");
        d.sql(QStringLiteral("UPDATE ZERBORBIL SET ICRA=12.3456, MHAL='9', LTAZ=NULL WHERE PKAYNO=:PK AND BKOD=1"),
              {{QStringLiteral("PK"), pk}});
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("field_ICRA"))->text(), QStringLiteral("12,35"));
        click(*w, "editButton");
        enter(*w, QStringLiteral("field_KIRA"), QStringLiteral("100"));
        click(*w, "editButton");
        QVERIFY(!w->editing());
        const PayRecordFields after = readPayRecordFields(d.db(), w->currentKey()).value();
        QCOMPARE(after.amount(QStringLiteral("ICRA")), std::optional<Money>(money("12.3456")));
        QCOMPARE(after.code(QStringLiteral("MHAL")), QStringLiteral("9"));
        QVERIFY(after.isNull(QStringLiteral("LTAZ")));
        QCOMPARE(after.amount(QStringLiteral("KIRA")), std::optional<Money>(money("100")));
    }

    void inputsShowTheStoredValue_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("stored");  // SQL literal
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount, grouped with two decimals") << "KIRA" << "1234.5" << "1.234,50";
        QTest::newRow("extra item amount") << "KAZ1" << "2500" << "2.500,00";
        QTest::newRow("percentage, plain") << "BESORAN" << "2.5" << "2,5";
        QTest::newRow("days, plain whole") << "KGUN" << "12" << "12";
        QTest::newRow("points, plain") << "EKTAZ" << "1500" << "1500";
        QTest::newRow("no value") << "ICRA" << "NULL" << "";
    }
    // Amounts read "1.234,56"; points, days and percentages read as plain numbers.
    void inputsShowTheStoredValue()
    {
        QFETCH(QString, column);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Desk d;
        d.sql(QStringLiteral("UPDATE ZERBORBIL SET %1=%2 WHERE PKAYNO=:PK AND BKOD=1").arg(column, stored),
              {{QStringLiteral("PK"), d.pkayno("KARA")}});
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("field_") + column)->text(), shown);
    }

    // Text that is no amount is refused with its message; the edit goes on and nothing is stored.
    void saveRefusesWhatIsNoValue()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        const RecordKey key = w->currentKey();
        const PayRecordFields before = readPayRecordFields(d.db(), key).value();
        click(*w, "editButton");
        enter(*w, QStringLiteral("field_KIRA"), QStringLiteral("12,3,4"));
        enter(*w, QStringLiteral("field_RAPOR"), QStringLiteral("4"));
        click(*w, "editButton");
        QCOMPARE(d.p.informed, QStringList{ui::invalidAmountMessage(QStringLiteral("12,3,4"))});
        QVERIFY(w->editing());
        QVERIFY(readPayRecordFields(d.db(), key).value() == before);
        click(*w, "deleteButton");  // "İptal"
        QVERIFY(!w->editing());
        QVERIFY(readPayRecordFields(d.db(), key).value() == before);
    }

    void saveRefusesAnAmountTheColumnCannotHold_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("caption");  // what the message calls the field
        // FLOAT columns keep about seven digits: 200.000,01 would come back as 200.000,02.
        QTest::newRow("rent, a kuruş too fine") << "field_KIRA" << "200.000,01" << false << "Lojman Kirası";
        QTest::newRow("overtime, beyond the float") << "field_MESAI" << "98.765.432,10" << false << "Fazla Mesai Tut.";
        QTest::newRow("rent, held exactly") << "field_KIRA" << "2.970.430,25" << true << "";
        QTest::newRow("overtime, ordinary amount") << "field_MESAI" << "12.345,67" << true << "";
        // The item and deduction inputs are named by their definitions, not by their places.
        QTest::newRow("extra item, named by its definition") << "field_KAZ1" << "200.000,01" << false << "SOSYAL DENGE";
        QTest::newRow("special deduction, named by its definition")
            << "field_KES1" << "200.000,01" << false << "KOOPERATİF AİDATI";
        // A DOUBLE PRECISION column holds the kuruş the FLOAT ones lose.
        QTest::newRow("garnishment, a double column") << "field_ICRA" << "200.000,01" << true << "";
    }
    void saveRefusesAnAmountTheColumnCannotHold()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        QFETCH(QString, caption);
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        makeCurrent(*w, rowOf(*w, QStringLiteral("Recep KARA")));
        const RecordKey key = w->currentKey();
        const PayRecordFields before = readPayRecordFields(d.db(), key).value();
        click(*w, "editButton");
        enter(*w, field, typed);
        click(*w, "editButton");
        const QString column = field.mid(6);
        if (stored) {
            QVERIFY2(d.p.informed.isEmpty(), qPrintable(d.p.informed.join(QLatin1Char('|'))));
            QCOMPARE(readPayRecordFields(d.db(), key).value().amount(column), Money::parse(typed));
        } else {
            QCOMPARE(d.p.informed.size(), 1);
            // The message names the field and the amount typed.
            QVERIFY2(d.p.informed.first().contains(caption) && d.p.informed.first().contains(typed),
                     qPrintable(d.p.informed.first()));
            QCOMPARE(d.p.informed.first(), ui::floatAmountMessage(caption, typed));
            QVERIFY(w->editing());
            QVERIFY(readPayRecordFields(d.db(), key).value() == before);
        }
    }

    // A save changes what the grid shows: the pay is computed again from the saved record.
    void saveListsAgain()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        const int row = rowOf(*w, QStringLiteral("Osman POLAT"));
        makeCurrent(*w, row);
        const Money before = w->rows()[std::size_t(row)].KESTOP;
        click(*w, "editButton");
        enter(*w, QStringLiteral("field_KIRA"), QStringLiteral("1.000"));
        click(*w, "editButton");
        const int again = rowOf(*w, QStringLiteral("Osman POLAT"));
        QCOMPARE(w->rows()[std::size_t(again)].KESTOP - before, money("1000"));
    }

    // ---- Deleting -----------------------------------------------------------------------

    void deleteAsks_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no keeps the record") << false;
        QTest::newRow("yes deletes it") << true;
    }
    void deleteAsks()
    {
        QFETCH(bool, yes);
        Desk d;
        d.sql(QStringLiteral("UPDATE PTANIM SET UDUR='E', IZL='E'"));
        d.s.ctx.UDUR = d.s.ctx.IZL = QStringLiteral("E");
        auto w = d.open(PayrollScreenMode::PersonnelData);
        const int row = rowOf(*w, QStringLiteral("Osman POLAT"));
        makeCurrent(*w, row);
        const RecordKey key = w->currentKey();
        const std::size_t listed = w->rows().size();
        d.p.answers = {yes};
        click(*w, "deleteButton");
        QCOMPARE(d.p.asked, QStringList{QString::fromUtf8(kDeleteQuestion)});
        const QVariantMap k{{QStringLiteral("PK"), key.PKAYNO}, {QStringLiteral("BK"), key.BKOD}, {QStringLiteral("PKOD"), key.PKOD}};
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PKOD"), k),
                 yes ? 0 : 1);
        QCOMPARE(w->rows().size(), yes ? listed - 1 : listed);
        QCOMPARE(keysOf(*w).contains(key), !yes);
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZLEM")), yes ? 1 : 0);
        if (yes) {
            QSqlQuery q = d.db().exec(QStringLiteral("SELECT BOLUM,TUR,ACIK FROM IZLEM"));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString().trimmed(), QStringLiteral("ZER-MAAŞ"));
            QCOMPARE(q.value(1).toString().trimmed(), QStringLiteral("S"));
            QCOMPARE(q.value(2).toString().trimmed(), QStringLiteral("YIL:2026 AY:3 Birim Kodu:1"));
            QCOMPARE(w->currentKey(), w->rows()[std::size_t(std::min(row, int(w->rows().size()) - 1))].key);
        }
    }

    // ---- Printing and making the payroll ------------------------------------------------

    // "Tümü" on the "Durumu" box lists the records that are not paid; the payroll cannot be
    // printed so: the box is pointed out and nothing is written or printed.
    void everyStatusRefusesThePrint()
    {
        Desk d;
        auto w = d.open();
        chooseUnit(*w, 3);
        QComboBox *status = child<QComboBox>(*w, QStringLiteral("statusBox"));
        QVERIFY(rowOf(*w, QStringLiteral("Abdullah KAYA")) < 0);
        status->setCurrentIndex(0);
        QCOMPARE(status->currentText(), QStringLiteral("Tümü"));
        QVERIFY(rowOf(*w, QStringLiteral("Abdullah KAYA")) >= 0);
        d.p.informed.clear();
        trigger(*w, "printAllAction");
        QCOMPARE(d.p.informed, QStringList{QString::fromUtf8(payrollmake::kChooseStatus)});
        QCOMPARE(w->focusWidget(), status);
        QCOMPARE(d.printer.chosen, 0);
        QVERIFY(d.printer.calls.isEmpty());
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")), 0);
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV")), 0);
    }

    void print_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("written");
        QTest::newRow("payroll") << "printAllAction" << false << true << QStringList{"payroll"} << true;
        QTest::newRow("detailed") << "printDetailAction" << false << true << QStringList{"detailed"} << true;
        QTest::newRow("single person prints only") << "printAllAction" << true << true << QStringList{"payroll"} << false;
        QTest::newRow("printer cancelled") << "printAllAction" << false << false << QStringList{} << false;
        QTest::newRow("detailed, printer cancelled") << "printDetailAction" << false << false << QStringList{} << false;
    }
    // The printer is chosen first; cancelling it makes nothing. Otherwise the month is made and
    // the document printed with the unit and the period; "Tek Kişi" prints without writing.
    void print()
    {
        QFETCH(QString, command);
        QFETCH(bool, single);
        QFETCH(bool, accept);
        QFETCH(QStringList, calls);
        QFETCH(bool, written);
        Desk d;
        d.printer.accept = accept;
        auto w = d.open();
        if (single) {
            makeCurrent(*w, 0);
            child<QRadioButton>(*w, QStringLiteral("singlePersonButton"))->setChecked(true);
        }
        const int listed = int(w->rows().size());
        d.p.informed.clear();
        trigger(*w, command.toLatin1().constData());
        QCOMPARE(d.printer.chosen, 1);
        QCOMPARE(d.printer.calls, calls);
        QVERIFY2(d.p.asked.isEmpty(), qPrintable(d.p.asked.join(QLatin1Char('|'))));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE BKOD=1 AND YIL='2026' AND AY=3 AND TUR='1'")),
                 written ? listed : 0);
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV")), written ? listed : 0);
        if (!calls.isEmpty()) {
            QCOMPARE(d.printer.outcome, written ? payrollmake::Outcome::Written : payrollmake::Outcome::SinglePerson);
            QCOMPARE(d.printer.unit, 1);
            QCOMPARE(d.printer.period, QStringLiteral("15 MART 2026"));
            QCOMPARE(d.printer.people, listed);
            QCOMPARE(d.printer.pays, listed);
        }
        QCOMPARE(int(w->rows().size()), listed);
    }

    // Making the month again asks before the old rows are replaced; "No" keeps them.
    void printAgainAsks()
    {
        Desk d;
        auto w = d.open();
        trigger(*w, "printAllAction");
        QCOMPARE(d.printer.calls, QStringList{"payroll"});
        d.sql(QStringLiteral("UPDATE ZERMAAS SET KIRA=1 WHERE BKOD=1"));
        d.p.answers = {false};
        trigger(*w, "printAllAction");
        QCOMPARE(d.p.asked, QStringList{payrollmake::alreadyMadeQuestion(QStringLiteral("MART"))});
        QCOMPARE(d.printer.calls, QStringList{"payroll"});
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE BKOD=1 AND KIRA=1")), int(w->rows().size()));
    }

    void payslips_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed") << true;
        QTest::newRow("printer cancelled") << false;
    }
    // "Fiş Yazdır" prints the selection as computed at the last reload and writes nothing.
    void payslips()
    {
        QFETCH(bool, accept);
        Desk d;
        d.printer.accept = accept;
        auto w = d.open();
        makeCurrent(*w, 3);
        click(*w, "payslipButton");
        QCOMPARE(d.printer.chosen, 1);
        QCOMPARE(d.printer.calls, accept ? QStringList{"payslips"} : QStringList{});
        if (accept) {
            QCOMPARE(d.printer.people, int(w->rows().size()));
            QCOMPARE(d.printer.pays, int(w->rows().size()));
            QCOMPARE(d.printer.unit, 1);
            QCOMPARE(w->currentKey(), w->rows().front().key);
        }
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS")), 0);
    }

    // ---- The screens it opens -----------------------------------------------------------

    // After the pay-record screen saves, the list is read again and the record is current.
    void addedRecordBecomesCurrent()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        const int pk = d.pkayno("YILMAZ");  // paid in another unit
        int askedUnit = -1;
        ScreenOpeners o;
        o.newPayRecord = [&](QWidget *, int bkod) {
            askedUnit = bkod;
            d.sql(QStringLiteral("INSERT INTO ZERBORBIL(PKAYNO,BKOD,PKOD,DURUM,PERTUR,GSSTUR,DER,KAD,GOS,KIDEM) "
                                 "VALUES(:PK,1,77,'E','M','E',9,1,1150,3)"),
                  {{QStringLiteral("PK"), pk}});
            return personnel::PayRecordOutcome{true, pk};
        };
        w->setOpeners(o);
        const std::size_t listed = w->rows().size();
        click(*w, "addButton");
        QCOMPARE(askedUnit, 1);
        QCOMPARE(w->rows().size(), listed + 1);
        QCOMPARE(w->currentKey(), (RecordKey{pk, 1, 77}));
        QCOMPARE(child<QLineEdit>(*w, QStringLiteral("pkodShown"))->text(), QStringLiteral("77"));
    }

    // A garnishment stored through the ledger screen is deducted at once, and the person stays
    // current.
    void ledgerVisitListsAgain()
    {
        Desk d;
        auto w = d.open(PayrollScreenMode::PersonnelData);
        const int row = rowOf(*w, QStringLiteral("Osman POLAT"));
        makeCurrent(*w, row);
        const RecordKey key = w->currentKey();
        const Money before = w->rows()[std::size_t(row)].KESTOP;
        ScreenOpeners o;
        int visited = 0;
        o.garnishments = [&](QWidget *, int pkayno) {
            visited = pkayno;
            d.sql(QStringLiteral("INSERT INTO ICRA(PKAYNO,HARNO,TUTAR,KESTUT,DUR) VALUES(:PK,900,10000,750,'D')"),
                  {{QStringLiteral("PK"), pkayno}});
            return true;
        };
        w->setOpeners(o);
        click(*w, "garnishmentsButton");
        QCOMPARE(visited, key.PKAYNO);
        QCOMPARE(w->currentKey(), key);
        QCOMPARE(w->rows()[std::size_t(rowOf(*w, QStringLiteral("Osman POLAT")))].KESTOP - before, money("750"));
    }

    // ---- The main window ----------------------------------------------------------------

    // Both menu commands end in the one child window; a second command brings it to the front
    // on the page it shows; "Çıkış" closes it.
    void oneChildWindow()
    {
        Desk d;
        QTemporaryDir cwd;
        ui::MainWindow window(d.s, cwd.path(), &d.p);
        openPayrollScreen(window, d.s, PayrollScreenMode::PersonnelData, nullptr);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        auto *screen = qobject_cast<PayrollScreen *>(window.mdiArea()->subWindowList().front()->widget());
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("MAAŞ BORDROLARI"));
        QVERIFY(!screen->rows().empty());
        QTabWidget *pages = child<QTabWidget>(*screen, QStringLiteral("pages"));
        QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("Bordro Bilgileri"));
        // It opens over the whole work area of the main window, not at a size of its own.
        QCOMPARE(window.mdiArea()->subWindowList().front()->geometry(),
                 QRect(QPoint(0, 0), window.mdiArea()->viewport()->size()));
        // For looking at the screen: ZERAN_SCREENSHOTS=DIR writes each page as a picture.
        if (const QString dir = qEnvironmentVariable("ZERAN_SCREENSHOTS"); !dir.isEmpty()) {
            window.resize(1400, 900);
            window.show();
            screen->parentWidget()->showMaximized();
            for (QTabWidget *tabs : screen->findChildren<QTabWidget *>()) {
                for (int i = 0; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    if (tabs != pages)
                        pages->setCurrentIndex(0);
                    QCoreApplication::processEvents();
                    window.grab().save(QDir(dir).filePath(tabs->objectName() + QString::number(i) + QStringLiteral(".png")));
                }
            }
            pages->setCurrentIndex(0);
        }

        openPayrollScreen(window, d.s, PayrollScreenMode::Payroll, nullptr);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window.mdiArea()->subWindowList().front()->widget(), screen);
        QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("Bordro Bilgileri"));

        click(*screen, "closeButton");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 0);

        openPayrollScreen(window, d.s, PayrollScreenMode::Payroll, nullptr);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        auto *again = window.mdiArea()->subWindowList().front()->widget();
        QTabWidget *pagesAgain = child<QTabWidget>(*again, QStringLiteral("pages"));
        QCOMPARE(pagesAgain->tabText(pagesAgain->currentIndex()), QStringLiteral("Maaşlar"));
    }

    // ---- A large unit -------------------------------------------------------------------

    // A unit of a few thousand people opens at once: loaded and computed in one go, never per
    // row painted. The time is printed, not asserted.
    void largeUnitOpens()
    {
        Desk d;
        constexpr int kPeople = 3000;
        {
            db::Transaction t(d.db());
            d.db().exec(QStringLiteral("INSERT INTO BIRIM(BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES(9,'BÜYÜK BİRİM','M','N','A')"));
            QSqlQuery person = d.db().prepare(
                QStringLiteral("INSERT INTO SICIL(PKAYNO,TCKNO,EMSNO,ADI,SOYADI) VALUES(:PK,:TC,:EM,:AD,:SO)"));
            QSqlQuery record = d.db().prepare(QStringLiteral(
                "INSERT INTO ZERBORBIL(PKAYNO,BKOD,PKOD,UKOD,DURUM,PERTUR,GSSTUR,DER,KAD,GOS,EGOS,MDER,MKAD,MGOS,"
                "KIDEM,YOP,MHAL,AGI,ACOCYRD,KAZ1,KAZS4) "
                "VALUES(:PK,9,:PKOD,1,'E','M',:GSS,9,1,1150,0,9,1,1150,:KID,40,'2','E','E',1000,'E')"));
            for (int i = 1; i <= kPeople; ++i) {
                const int pk = 10000 + i;
                person.bindValue(QStringLiteral(":PK"), pk);
                person.bindValue(QStringLiteral(":TC"), QString::number(20000000000LL + i));
                person.bindValue(QStringLiteral(":EM"), QString::number(30000000 + i));
                person.bindValue(QStringLiteral(":AD"), QStringLiteral("Kişi"));
                person.bindValue(QStringLiteral(":SO"), QStringLiteral("NUMARA %1").arg(i));
                QVERIFY2(person.exec(), qPrintable(person.lastError().text()));
                record.bindValue(QStringLiteral(":PK"), pk);
                record.bindValue(QStringLiteral(":PKOD"), i);
                record.bindValue(QStringLiteral(":GSS"), i % 2 ? QStringLiteral("E") : QStringLiteral("5"));
                record.bindValue(QStringLiteral(":KID"), i % 30);
                QVERIFY2(record.exec(), qPrintable(record.lastError().text()));
            }
            t.commit();
        }
        d.s.ctx.MBKOD = 9;
        QElapsedTimer timer;
        timer.start();
        auto w = d.open();
        const qint64 opened = timer.elapsed();
        QCOMPARE(int(w->rows().size()), kPeople);
        grid(*w)->resize(1200, 600);
        grid(*w)->scrollToBottom();
        qInfo("a unit of %d people opened in %lld ms", kPeople, opened);
    }
};

QTEST_MAIN(TestPayrollScreen)
#include "tst_payrollscreen.moc"
