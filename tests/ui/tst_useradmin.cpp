// The user administration and the audit viewer on screen: who may open and edit, what is
// refused with which message, the rights grid, the viewer's filters; the tax-rate screen
// following the change right.

#include "auditviewer.h"
#include "dateedit.h"
#include "passwords.h"
#include "session.h"
#include "taxratesdialog.h"
#include "testsupport.h"
#include "uitest.h"
#include "useradmin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;

namespace {

struct Fixture {
    test::FreshDatabase fresh;
    Session session;
    test::ScriptedPrompter prompter;

    explicit Fixture(int user = 1)
    {
        session.openMain(fresh.params);
        session.ctx.today = QDate(2026, 3, 1);
        db::Database &db = session.main();
        db::Transaction t(db);
        db.exec(QStringLiteral("INSERT INTO USERS (USR,HNO,PSSWD,PWHASH,ACIK,OZEL) VALUES ('ALI',2,'',:P,'Ali Veli','3')"),
                {{"P", passwords::hash("a")}});
        db.exec(QStringLiteral("INSERT INTO USERS (USR,HNO,PSSWD,PWHASH,ACIK,OZEL) VALUES ('GIZLI',3,'',:P,'Gizli','2')"),
                {{"P", passwords::hash("g")}});
        db.exec(QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (2,3,'E','H')"));
        t.commit();
        session.ctx.KULNO = user;
        session.rightsaktar();
    }
    int count(const QString &sql) { return session.main().scalar(sql).toInt(); }
};

QStringList column(QTableWidget *grid, int c)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << grid->item(r, c)->text();
    return out;
}

void selectUser(ui::UserAdminScreen &s, const QString &name)
{
    auto *grid = s.findChild<QTableWidget *>("userGrid");
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->item(r, 0)->text() == name)
            grid->setCurrentCell(r, 0);
    }
}

}  // namespace

class TestUserAdmin : public QObject {
    Q_OBJECT

private slots:
    void onlyTheSuperUserOpensIt()
    {
        Fixture f(2);
        ui::openUserAdmin(nullptr, f.session, f.prompter);
        QCOMPARE(f.prompter.informed, QStringList{"İşlem Yetkiniz Yoktur."});
    }

    void listLeavesHiddenUsersOutAndShowsTheSelectedUsersRights()
    {
        Fixture f;
        ui::UserAdminScreen s(f.session, f.prompter);
        QCOMPARE(s.windowTitle(), QStringLiteral("KULLANICI VE YETKİ TANIMLARI"));
        QCOMPARE(column(s.findChild<QTableWidget *>("userGrid"), 0), (QStringList{"ZIVO", "ALI"}));
        selectUser(s, "ALI");
        auto *rights = s.findChild<QTableWidget *>("rightsGrid");
        QCOMPARE(column(rights, 0), QStringList{"3"});
        QCOMPARE(column(rights, 2), QStringList{"H"});
        // The super-user gives the right; anything but E/H is put back.
        rights->item(0, 2)->setText("x");
        QCOMPARE(rights->item(0, 2)->text(), QStringLiteral("H"));
        rights->item(0, 2)->setText("e");
        QCOMPARE(f.count("SELECT COUNT(*) FROM RIGHTS WHERE HNO=2 AND KOD=3 AND K='E'"), 1);
        QCOMPARE(rights->item(0, 2)->text(), QStringLiteral("E"));
    }

    void deletions()
    {
        Fixture f;
        ui::UserAdminScreen s(f.session, f.prompter);
        selectUser(s, "ZIVO");
        s.deleteUser();
        QCOMPARE(f.prompter.informed, QStringList{"ZIVO Kullanıcısını Silemezsiniz...."});
        QVERIFY(f.prompter.asked.isEmpty());

        selectUser(s, "ALI");
        f.prompter.answers = {false};
        s.deleteUser();
        QCOMPARE(f.prompter.asked, QStringList{"BU KULLANICI SİLİNECEKTİR ONAYLIYORMUSUNUZ"});
        QCOMPARE(f.count("SELECT COUNT(*) FROM USERS WHERE HNO=2"), 1);

        selectUser(s, "ALI");
        f.prompter.answers = {true};
        s.deleteUser();
        QCOMPARE(f.count("SELECT COUNT(*) FROM USERS WHERE HNO=2"), 0);
        QCOMPARE(f.count("SELECT COUNT(*) FROM RIGHTS WHERE HNO=2"), 0);
        QCOMPARE(column(s.findChild<QTableWidget *>("userGrid"), 0), QStringList{"ZIVO"});
    }

    void nobodyDeletesTheUserLoggedIn()
    {
        // A second super-user session would be the only way: the logged-in user is user 1 here,
        // so the check is made with the logged-in user as the selection.
        Fixture f;
        f.session.ctx.KULNO = 1;
        ui::UserAdminScreen s(f.session, f.prompter);
        f.session.ctx.KULNO = 2;  // as if ALI were logged in
        selectUser(s, "ALI");
        s.deleteUser();
        QCOMPARE(f.prompter.informed, QStringList{QString::fromUtf8(users::kSelfDeleteMessage)});
        QCOMPARE(f.count("SELECT COUNT(*) FROM USERS WHERE HNO=2"), 1);
    }

    void userDialog()
    {
        Fixture f;
        ui::UserAdminScreen s(f.session, f.prompter);
        QStringList shown;
        s.runUserDialog = [&](ui::UserDialog &d) {
            shown << d.windowTitle();
            d.findChild<QLineEdit *>("nameEdit")->setText("ALI");
            d.findChild<QLineEdit *>("passwordEdit")->setText("p1");
            d.findChild<QLineEdit *>("repeatEdit")->setText("p1");
            if (d.save())
                return true;
            d.findChild<QLineEdit *>("nameEdit")->setText("AYSE");
            return d.save();
        };
        s.newUser();
        QCOMPARE(shown, QStringList{"KULLANICI TANIMI"});
        QCOMPARE(f.prompter.informed, QStringList{"BU KULLANICI ADI KAYITLIDIR.."});
        QCOMPARE(column(s.findChild<QTableWidget *>("userGrid"), 0), (QStringList{"ZIVO", "ALI", "AYSE"}));
        // The new user is current, with its rights rows.
        QCOMPARE(s.currentHno(), 4);
        QCOMPARE(column(s.findChild<QTableWidget *>("rightsGrid"), 2), QStringList{"H"});

        // The built-in user's name cannot be edited.
        selectUser(s, "ZIVO");
        bool readOnly = false;
        s.runUserDialog = [&](ui::UserDialog &d) {
            readOnly = d.findChild<QLineEdit *>("nameEdit")->isReadOnly();
            return false;
        };
        s.changeUser();
        QVERIFY(readOnly);
    }

    void viewer()
    {
        Fixture f;
        {
            db::Database &db = f.session.main();
            db::Transaction t(db);
            const QString insert = QStringLiteral("INSERT INTO IZLEM(PRG,TARIH,SAAT,USR,ADSOY,ACIK,BOLUM,TUR,KAYNO1,KAYNO2) "
                                                  "VALUES(:P,:T,:S,:U,'',:A,:B,:K,0,0)");
            db.exec(insert, {{"P", "1"}, {"T", QDate(2026, 3, 1)}, {"S", QTime(9, 0)}, {"U", "ALI"},
                             {"A", "YIL:2026 AY:3 Birim Kodu:12"}, {"B", "ZER-MAAŞ"}, {"K", "D"}});
            db.exec(insert, {{"P", "1"}, {"T", QDate(2026, 3, 2)}, {"S", QTime(9, 0)}, {"U", "AYŞE"},
                             {"A", "TCK NO: 1ADI: A B"}, {"B", "SICBIL"}, {"K", "Y"}});
            db.exec(insert, {{"P", "2"}, {"T", QDate(2026, 3, 1)}, {"S", QTime(9, 0)}, {"U", "BAŞKA"},
                             {"A", "kardeş program"}, {"B", "ISC"}, {"K", "D"}});
            t.commit();
        }
        ui::AuditViewer v(f.session, f.prompter);
        QCOMPARE(v.windowTitle(), QStringLiteral("KULLANICI  İZLEME"));
        // Opens on today's date (1 March).
        QCOMPARE(v.shown().size(), 1);
        auto *grid = v.findChild<QTableWidget *>("lineGrid");
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Değişiklik"));
        QCOMPARE(v.findChild<QPlainTextEdit *>("descriptionPane")->toPlainText(),
                 QStringLiteral("YIL:2026 AY:3 Birim Kodu:12"));
        v.findChild<QCheckBox *>("onwardBox")->setChecked(true);
        QCOMPARE(v.shown().size(), 2);
        auto *users = v.findChild<QComboBox *>("userBox");
        QCOMPARE(users->count(), 3);  // TÜMÜ, ALI, AYŞE: the sibling program's user is not offered
        v.findChild<ui::DateEdit *>("dateEdit")->clear();
        v.findChild<QLineEdit *>("textEdit")->setText("Kodu:1");
        QCOMPARE(v.shown().size(), 1);
        QCOMPARE(v.shown()[0].USR, QStringLiteral("ALI"));
        // Closing the window does nothing; ESC-Çıkış closes it.
        v.show();
        v.close();
        QVERIFY(v.isVisible());
        v.findChild<QPushButton *>("exitButton")->click();
        QVERIFY(!v.isVisible());
    }

    void taxRatesFollowTheChangeRight_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("right");  // "-" no row
        QTest::addColumn<bool>("editable");
        QTest::newRow("no row") << 4 << "-" << false;
        QTest::newRow("change no") << 2 << "H" << false;
        QTest::newRow("change yes") << 2 << "E" << true;
        QTest::newRow("super-user") << 1 << "-" << true;
    }
    void taxRatesFollowTheChangeRight()
    {
        QFETCH(int, user);
        QFETCH(QString, right);
        QFETCH(bool, editable);
        Fixture f(user);
        if (right == QLatin1String("E")) {
            db::Database &db = f.session.main();
            db::Transaction t(db);
            db.exec(QStringLiteral("UPDATE RIGHTS SET K='E' WHERE HNO=2 AND KOD=3"));
            t.commit();
            f.session.rightsaktar();
        }
        f.session.mayChange(QStringLiteral("3"));
        rates::TaxRatesDialog d(f.session.main(), f.session.ctx, f.prompter, {});
        QCOMPARE(d.findChild<QPushButton *>("saveButton")->isEnabled(), editable);
    }
};

QTEST_MAIN(TestUserAdmin)
#include "tst_useradmin.moc"
