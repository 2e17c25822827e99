// The leave screens offscreen: view and edit mode with their captions, a leave added (refused
// without days, with a fraction or with the return before the start; stored when whole), the
// balances after saving, "Sil" on No and on Yes, the yearly days for the list (declined, a bad
// number, a good one), the leave form, and "Yıllık İzinler" with "Tümünü Aktar".

#include "dateedit.h"
#include "leavefixture.h"
#include "leavescreen.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::leave;
using namespace zeran::leave::ui;

namespace {

struct Desk {
    Desk()
    {
        s.openMain(fresh.params);
        test::leave::fillInstitution(s.main());
        s.activateContext(QDate(2026, 3, 20));
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.MBKOD = 1;
        s.ctx.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
        hooks.askYearDays = [this](QWidget *) { return typedDays; };
        hooks.showForm = [this](QWidget *, const report::Document &doc) { forms.push_back(doc); };
    }
    int count(const QString &sql) { return s.main().scalar(sql).toInt(); }
    test::FreshDatabase fresh;
    Session s;
    test::ScriptedPrompter p;
    Hooks hooks;
    std::optional<QString> typedDays = QStringLiteral("30");
    std::vector<report::Document> forms;
};

template <class T>
T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

QString text(QWidget &w, const char *name)
{
    return child<QLineEdit>(w, name)->text();
}

QStringList balances(QWidget &w)
{
    return {text(w, "carriedBox"), text(w, "currentBox"), text(w, "usedBox"), text(w, "remainingBox")};
}

QStringList formTexts(const report::Document &doc)
{
    QStringList texts;
    for (const auto &block : doc.body)
        for (const auto &band : block.bands)
            for (const auto &row : band.rows)
                for (const auto &cell : row.cells)
                    texts << cell.text;
    return texts;
}

}  // namespace

class TestLeaveUi : public QObject {
    Q_OBJECT

private slots:
    void addChangeAndDelete()
    {
        Desk d;
        test::leave::entitlement(d.s.main(), 1, "2025", 30, 0);
        test::leave::entitlement(d.s.main(), 1, "2026", 30, 30);
        LeaveScreen screen(nullptr, d.s, d.p, 0, 0, d.hooks);
        auto *first = child<QPushButton>(screen, "saveButton");
        auto *second = child<QPushButton>(screen, "addButton");
        auto *panel = child<QGroupBox>(screen, "detailPanel");
        auto *people = child<QTableWidget>(screen, "personGrid");
        QCOMPARE(people->rowCount(), 2);  // one line for two pay records; the unpaid person left out
        QCOMPARE(people->item(0, 0)->text(), QStringLiteral("AYŞE ÇELİK"));
        QVERIFY(!panel->isEnabled());
        QCOMPARE(first->text(), QStringLiteral("Kaydet"));  // no leave yet
        QCOMPARE(second->text(), QStringLiteral("Ekle"));
        QCOMPARE(balances(screen), (QStringList{"30", "30", "0", "60"}));

        first->click();  // nothing to change
        QVERIFY(!screen.editing());

        second->click();
        QVERIFY(screen.editing());
        QVERIFY(panel->isEnabled());
        QVERIFY(!people->isEnabled());
        QCOMPARE(first->text(), QStringLiteral("Kayıt"));
        QCOMPARE(second->text(), QStringLiteral("İptal"));
        QCOMPARE(text(screen, "phoneEdit"), QStringLiteral("0232 111"));

        // Refused entries keep the screen in edit mode with what was typed.
        child<zeran::ui::DateEdit>(screen, "startDateEdit")->setDate(QDate(2026, 7, 10));
        child<zeran::ui::DateEdit>(screen, "endDateEdit")->setDate(QDate(2026, 7, 1));
        const struct {
            const char *days;
            QStringView message;
        } refused[] = {{"", kMissingFields}, {"2,5", kBadDays}, {"5", kEndBeforeStart}};
        for (const auto &r : refused) {
            child<QLineEdit>(screen, "daysEdit")->setText(QString::fromLatin1(r.days));
            first->click();
            QCOMPARE(d.p.informed.last(), r.message.toString());
            QVERIFY(screen.editing());
        }
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN")), 0);

        child<zeran::ui::DateEdit>(screen, "endDateEdit")->setDate(QDate(2026, 7, 17));
        child<QLineEdit>(screen, "daysEdit")->setText(QStringLiteral("5"));
        child<QLineEdit>(screen, "approverEdit")->setText(QStringLiteral("OĞUZ IŞIK"));
        first->click();
        QVERIFY(!screen.editing());
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN WHERE PKAYNO=1 AND MIKTAR=5 AND ITUR=1")), 1);
        QCOMPARE(first->text(), QStringLiteral("Değiştir"));
        QCOMPARE(second->text(), QStringLiteral("Ekle"));
        QCOMPARE(child<QTableWidget>(screen, "leaveGrid")->rowCount(), 1);
        QCOMPARE(balances(screen), (QStringList{"30", "30", "5", "55"}));

        // A sick leave does not touch the balance.
        second->click();
        child<QComboBox>(screen, "kindBox")->setCurrentIndex(1);
        child<QLineEdit>(screen, "daysEdit")->setText(QStringLiteral("3"));
        child<zeran::ui::DateEdit>(screen, "startDateEdit")->setDate(QDate(2026, 2, 2));
        child<zeran::ui::DateEdit>(screen, "endDateEdit")->setDate(QDate(2026, 2, 5));
        first->click();
        QVERIFY(!screen.editing());
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN WHERE PKAYNO=1 AND ITUR=2")), 1);
        QCOMPARE(balances(screen), (QStringList{"30", "30", "5", "55"}));

        // Change, then cancel: nothing stored.
        first->click();
        QVERIFY(screen.editing());
        QCOMPARE(first->text(), QStringLiteral("Kaydet"));
        child<QLineEdit>(screen, "daysEdit")->setText(QStringLiteral("9"));
        second->click();
        QVERIFY(!screen.editing());
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN WHERE MIKTAR=9")), 0);

        // The form of the current leave.
        child<QPushButton>(screen, "printButton")->click();
        QCOMPARE(d.forms.size(), std::size_t(1));
        QVERIFY(formTexts(d.forms[0]).contains(QStringLiteral("ÖRNEK BELEDİYESİ")));
        QVERIFY(formTexts(d.forms[0]).contains(QStringLiteral("AYŞE ÇELİK")));

        // "Sil": No keeps, Yes deletes the current leave.
        auto *leaves = child<QTableWidget>(screen, "leaveGrid");
        leaves->setCurrentCell(1, 0);  // the yearly leave (July)
        d.p.answers = {false};
        child<QPushButton>(screen, "deleteButton")->click();
        QCOMPARE(d.p.asked.last(), QStringLiteral("DİKKAT! Bu izin bilgileri silinecektir.Onaylıyormusunuz."));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN")), 2);
        d.p.answers = {true};
        child<QPushButton>(screen, "deleteButton")->click();
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN")), 1);
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZIN WHERE ITUR=1")), 0);
        QCOMPARE(balances(screen), (QStringList{"30", "30", "0", "60"}));
    }

    void yearDaysForTheList()
    {
        Desk d;
        test::leave::entitlement(d.s.main(), 1, "2026", 20, 4);
        LeaveScreen screen(nullptr, d.s, d.p, 0, 2, d.hooks);
        QCOMPARE(child<QTableWidget>(screen, "personGrid")->currentRow(), 1);  // opened on person 2
        auto *action = child<QAction>(screen, "yearDaysAction");
        QCOMPARE(action->text(), QStringLiteral("Yıllık İzin Giriş"));

        d.p.answers = {false};
        action->trigger();
        QCOMPARE(d.count(QStringLiteral("SELECT GUN FROM IZINMIKTAR WHERE PKAYNO=1")), 20);

        d.typedDays = std::nullopt;  // the days dialog cancelled
        d.p.answers = {true};
        action->trigger();
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR")), 1);

        d.typedDays = QStringLiteral("otuz");
        d.p.answers = {true};
        action->trigger();
        QVERIFY(d.p.informed.last().contains(QStringLiteral("otuz")));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR")), 1);

        d.typedDays = QStringLiteral("24");
        d.p.answers = {true};
        action->trigger();
        QCOMPARE(d.p.asked.last(),
                 QStringLiteral("DİKKAT! Girdiğiniz miktar bütün personele aktarılacaktır, Onaylıyormusunuz."));
        QCOMPARE(d.count(QStringLiteral("SELECT GUN FROM IZINMIKTAR WHERE PKAYNO=1 AND YIL='2026'")), 24);
        QCOMPARE(d.count(QStringLiteral("SELECT DEVIR FROM IZINMIKTAR WHERE PKAYNO=1 AND YIL='2026'")), 4);
        QCOMPARE(d.count(QStringLiteral("SELECT GUN FROM IZINMIKTAR WHERE PKAYNO=2 AND YIL='2026'")), 24);
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR WHERE PKAYNO IN (3,4)")), 0);
        QCOMPARE(balances(screen), (QStringList{"0", "24", "0", "24"}));  // person 2
    }

    void carryAll()
    {
        Desk d;
        d.s.main().exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (1,1,1,'1','2025',12)"));
        d.s.main().exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (1,1,1,'1','2026',1)"));
        test::leave::entitlement(d.s.main(), 1, "2025", 30, 0);
        test::leave::entitlement(d.s.main(), 2, "2025", 32000, 32000);  // its carry does not fit
        EntitlementScreen screen(nullptr, d.s, d.p);
        auto *units = child<QComboBox>(screen, "unitBox");
        auto *years = child<QComboBox>(screen, "yearBox");
        QCOMPARE(units->currentText(), QStringLiteral("TÜMÜ"));
        QCOMPARE(years->currentText(), QStringLiteral("2026"));
        auto *carry = child<QPushButton>(screen, "carryButton");
        carry->click();
        QCOMPARE(d.p.informed.last(), QStringLiteral("Birim Seçiniz"));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR WHERE YIL='2026'")), 0);

        units->setCurrentIndex(units->findText(QStringLiteral("FEN İŞLERİ")));
        carry->click();
        QVERIFY(d.p.informed.last() != QStringLiteral("Aktarma Tamamlandı"));
        QVERIFY(d.p.informed.last().contains(QStringLiteral("1 personelin")));
        QCOMPARE(d.count(QStringLiteral("SELECT DEVIR FROM IZINMIKTAR WHERE PKAYNO=1 AND YIL='2026'")), 30);
        auto *grid = child<QTableWidget>(screen, "entitlementGrid");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("30"));

        d.s.main().exec(QStringLiteral("DELETE FROM IZINMIKTAR WHERE PKAYNO=2"));
        carry->click();
        QCOMPARE(d.p.informed.last(), QStringLiteral("Aktarma Tamamlandı"));
        QCOMPARE(grid->rowCount(), 2);
        // Every pay record of the unit gets its row (the unpaid person 3 too), once.
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR WHERE YIL='2026'")), 3);
        carry->click();
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZINMIKTAR WHERE YIL='2026'")), 3);
    }
};

QTEST_MAIN(TestLeaveUi)
#include "tst_leave_ui.moc"
