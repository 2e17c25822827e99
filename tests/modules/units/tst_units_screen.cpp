// "BİRİM TANIMLAR" headless: the first unit gets code 1 and kind "N", the filter drops a unit
// saved as "Pasif", prefix search, delete refused with results and done without, the copy with
// its name asked, and a read-only user who can neither change nor copy.

#include "payrecordfixture.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"
#include "unitsdialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::units;
using namespace zeran::units::ui;

namespace {

struct Desk {
    Desk()
    {
        f.db.close();
        s.openMain(f.fresh.params);
    }
    int count(const QString &sql) { return s.main().scalar(sql).toInt(); }
    test::payfixture::Db f;
    Session s;
    test::ScriptedPrompter p;
};

void add(UnitsDialog &d, const QString &name, int kind = -1)
{
    d.addOrSave();
    d.field("BIRIM")->setText(name);
    d.kindBox()->setCurrentIndex(kind);
    d.addOrSave();
}

}  // namespace

class TestUnitsScreen : public QObject {
    Q_OBJECT

private slots:
    void init() { test::clearSettings(); }

    void addChangeFilterAndSearch()
    {
        Desk desk;
        desk.s.main().exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR) VALUES (30,'İŞÇİLER','I')"));
        UnitsDialog d(desk.s, desk.p);
        QVERIFY(d.load());
        d.filterBox()->setCurrentIndex(1);
        d.orderBox()->setCurrentIndex(0);
        QCOMPARE(d.list()->rowCount(), 0);

        d.addOrSave();
        QCOMPARE(d.state(), UnitsDialog::State::Adding);
        QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("addButton"))->text(), QStringLiteral("Kayıt"));
        QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("deleteButton"))->text(), QStringLiteral("İptal"));
        QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("changeButton"))->isEnabled());
        QCOMPARE(d.field("BKOD")->text(), QStringLiteral("1"));
        d.field("BIRIM")->setText(QStringLiteral("ZABITA"));
        d.addOrSave();
        QCOMPARE(d.state(), UnitsDialog::State::Browsing);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM BIRIM WHERE BKOD=1 AND TUR='M' AND MTUR='N' AND AKTIF='A'")), 1);
        add(d, QStringLiteral("FEN İŞLERİ"), 2);
        QCOMPARE(d.list()->rowCount(), 2);
        QCOMPARE(d.list()->item(1, 2)->text(), QStringLiteral("Encümen Maaşları"));
        QCOMPARE(d.currentUnit(), 2);

        // Prefix search, case-sensitive; no match stays.
        d.searchEdit()->setText(QStringLiteral("ZAB"));
        QCOMPARE(d.currentUnit(), 1);
        d.searchEdit()->setText(QStringLiteral("zab"));
        QCOMPARE(d.currentUnit(), 1);

        // Saved as "Pasif": it leaves the "Aktif" list.
        d.change();
        d.activeBox()->setCurrentIndex(1);
        d.addOrSave();
        QCOMPARE(d.list()->rowCount(), 1);
        d.filterBox()->setCurrentIndex(0);
        QCOMPARE(d.list()->rowCount(), 2);

        // Cancel leaves the row as stored.
        d.change();
        d.field("BIRIM")->setText(QStringLiteral("DEĞİŞMEDİ"));
        d.deleteOrCancel();
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM BIRIM WHERE BIRIM='DEĞİŞMEDİ'")), 0);
    }

    void deleteAndCopy()
    {
        Desk desk;
        desk.f.db.open(desk.f.fresh.params);
        desk.f.unit(1, QStringLiteral("ZABITA"));
        desk.f.unit(2, QStringLiteral("FEN"));
        desk.f.person(1);
        desk.f.record(1, 1, 1);
        desk.f.record(1, 2, 1);
        desk.f.db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY) VALUES (1,1,1,'1','2026',1)"));
        desk.f.db.close();
        UnitsDialog d(desk.s, desk.p);
        QVERIFY(d.load());
        d.filterBox()->setCurrentIndex(0);
        d.orderBox()->setCurrentIndex(0);
        d.list()->setCurrentCell(0, 0);

        d.deleteOrCancel();
        QCOMPARE(desk.p.asked, QStringList{deleteQuestion(QStringLiteral("ZABITA"))});
        desk.p.answers = {true};
        d.deleteOrCancel();
        QCOMPARE(desk.p.informed.last(), QString::fromUtf8(kHasResults));
        d.list()->setCurrentCell(1, 0);
        desk.p.answers = {true};
        d.deleteOrCancel();
        QCOMPARE(desk.p.informed.last(), QString::fromUtf8(kDeleted));
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=2")), 0);
        QCOMPARE(d.list()->rowCount(), 1);

        // The copy: cancelled, then named.
        d.setNameAsker([](QWidget *) { return QString(); });
        d.copyUnit();
        QCOMPARE(d.list()->rowCount(), 1);
        d.setNameAsker([](QWidget *) { return QStringLiteral("ZABITA KOPYA"); });
        d.copyUnit();
        QCOMPARE(desk.p.informed.last(), QString::fromUtf8(kRecordsCopied));
        QCOMPARE(d.currentUnit(), 2);
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE BKOD=2 AND PKAYNO=1")), 1);
    }

    void readOnlyUserCannotChangeOrCopy()
    {
        Desk desk;
        desk.s.main().exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,AKTIF) VALUES (1,'ZABITA','M','A')"));
        desk.s.ctx.KULNO = 2;
        desk.s.ctx.rights.clear();
        UnitsDialog d(desk.s, desk.p);
        QVERIFY(d.load());
        for (const char *name : {"addButton", "deleteButton", "changeButton"})
            QVERIFY(!d.findChild<QPushButton *>(QLatin1String(name))->isEnabled());
        QVERIFY(!d.findChild<QAction *>(QStringLiteral("copyAction"))->isEnabled());
        d.setNameAsker([](QWidget *) { return QStringLiteral("KOPYA"); });
        d.copyUnit();
        d.addOrSave();
        QCOMPARE(desk.count(QStringLiteral("SELECT COUNT(*) FROM BIRIM")), 1);
    }
};

QTEST_MAIN(TestUnitsScreen)
#include "tst_units_screen.moc"
