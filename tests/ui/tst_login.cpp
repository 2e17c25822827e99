// The login: four attempts, exact names, hidden users refused, passwords checked against their
// hashes, a user without a password sent to choose one, Enter moving through the fields; the
// dialog closes only through its two commands.

#include "login.h"
#include "logindialog.h"
#include "passwords.h"
#include "testsupport.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zeran;
using zeran::ui::LoginDialog;

class TestLogin : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;
    QVector<ui::LoginUser> users_;

    static void type(LoginDialog &d, const QString &name, const QString &password)
    {
        d.findChild<QLineEdit *>("nameEdit")->setText(name);
        d.findChild<QLineEdit *>("passwordEdit")->setText(password);
    }

    QString hashOf(const QString &name) const
    {
        for (const ui::LoginUser &u : users_) {
            if (u.USR == name)
                return u.PWHASH;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        fresh_ = std::make_unique<test::FreshDatabase>();
        db_ = std::make_unique<db::Database>(test::uniqueName("login"));
        db_->open(fresh_->params);
        const QString insert = QStringLiteral(
            "INSERT INTO USERS (USR,HNO,PSSWD,PWHASH,ACIK,OZEL) VALUES (:USR,:HNO,'',:PH,:ACIK,:OZEL)");
        db::Transaction t(*db_);
        db_->exec(insert, {{"USR", "ALI"}, {"HNO", 2}, {"PH", passwords::hash("ab1")}, {"ACIK", "Ali Veli"}, {"OZEL", "3"}});
        db_->exec(insert, {{"USR", "GIZLI"}, {"HNO", 3}, {"PH", passwords::hash("x")}, {"ACIK", "Gizli"}, {"OZEL", "2"}});
        db_->exec(insert, {{"USR", "ŞÜKRÜ"}, {"HNO", 4}, {"PH", passwords::hash("çğ1 uzun şifre")}, {"ACIK", "Şükrü Öz"}, {"OZEL", "3"}});
        // A user without OZEL is not hidden.
        db_->exec(insert, {{"USR", "VELI"}, {"HNO", 5}, {"PH", passwords::hash("v")}, {"ACIK", "Veli"}, {"OZEL", QVariant()}});
        t.commit();
        users_ = ui::loadLoginUsers(*db_);
    }

    void hiddenUsersAreNotLoaded()
    {
        QStringList names;
        for (const ui::LoginUser &u : users_)
            names << u.USR;
        names.sort();
        QCOMPARE(names, (QStringList{"ALI", "VELI", "ZIVO", "ŞÜKRÜ"}));
    }

    // Each attempt is "name|password"; the outcome is what the dialog ends with after the
    // last one: "open", "exit" or the number of the user who logged in.
    void attempts_data()
    {
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("outcome");
        const QString wrong = QString::fromUtf8(ui::kWrongPasswordMessage);
        const QString unknown = QString::fromUtf8(ui::kUnknownUserMessage);

        QTest::newRow("right at once") << QStringList{"ALI|ab1"} << QStringList{} << "2";
        QTest::newRow("three wrong, then right")
            << QStringList{"ALI|x", "ALI|y", "ALI|z", "ALI|ab1"} << QStringList{wrong, wrong, wrong} << "2";
        QTest::newRow("four wrong ends it")
            << QStringList{"ALI|x", "ALI|y", "ALI|z", "ALI|w"} << QStringList{wrong, wrong, wrong, wrong} << "exit";
        QTest::newRow("three wrong stay open")
            << QStringList{"ALI|x", "ALI|y", "ALI|z"} << QStringList{wrong, wrong, wrong} << "open";
        QTest::newRow("unknown names count as attempts")
            << QStringList{"bob|1", "ALI|x", "bob|1", "ZIVO|"} << QStringList{unknown, wrong, unknown} << "1";
        QTest::newRow("four unknown names end it")
            << QStringList{"a|", "b|", "c|", "d|"} << QStringList{unknown, unknown, unknown, unknown} << "exit";
        QTest::newRow("name is case-sensitive") << QStringList{"ali|ab1"} << QStringList{unknown} << "open";
        QTest::newRow("no trimming of the name") << QStringList{"ALI |ab1"} << QStringList{unknown} << "open";
        QTest::newRow("password is case-sensitive") << QStringList{"ALI|AB1"} << QStringList{wrong} << "open";
        QTest::newRow("a longer text with the password inside") << QStringList{"ALI|ab1ab1"} << QStringList{wrong} << "open";
        QTest::newRow("the stored hash typed as the password")
            << QStringList{QStringLiteral("ALI|") + hashOf(QStringLiteral("ALI"))} << QStringList{wrong} << "open";
        QTest::newRow("empty password of a user who has one") << QStringList{"ALI|"} << QStringList{wrong} << "open";
        QTest::newRow("a password for the built-in user who has none")
            << QStringList{"ZIVO|abc"} << QStringList{wrong} << "open";
        QTest::newRow("hidden user refused") << QStringList{"GIZLI|x"} << QStringList{unknown} << "open";
        QTest::newRow("Turkish letters, longer than five") << QStringList{"ŞÜKRÜ|çğ1 uzun şifre"} << QStringList{} << "4";
        QTest::newRow("empty password of the built-in user") << QStringList{"ZIVO|"} << QStringList{} << "1";
    }
    void attempts()
    {
        QFETCH(QStringList, tries);
        QFETCH(QStringList, messages);
        QFETCH(QString, outcome);
        test::ScriptedPrompter p;
        LoginDialog d(users_, QString(), p);
        d.show();
        auto *ok = d.findChild<QPushButton *>("okButton");
        for (const QString &t : tries) {
            QVERIFY2(d.isVisible(), "the dialog closed before all attempts were made");
            const QStringList parts = t.split(QLatin1Char('|'));
            type(d, parts[0], parts[1]);
            ok->click();
        }
        QCOMPARE(p.informed, messages);
        if (outcome == QLatin1String("open")) {
            QVERIFY(d.isVisible());
            QVERIFY(!d.login());
        } else if (outcome == QLatin1String("exit")) {
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QVERIFY(!d.login());
        } else {
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(d.login());
            QCOMPARE(d.login()->HNO, outcome.toInt());
            QCOMPARE(d.login()->name, tries.last().section(QLatin1Char('|'), 0, 0));
            // Only a user without a password is sent to choose one.
            QCOMPARE(d.login()->mustSetPassword, d.login()->HNO == 1);
        }
    }

    void descriptionShownForAKnownName()
    {
        test::ScriptedPrompter p;
        LoginDialog d(users_, QString(), p);
        QCOMPARE(d.windowTitle(), QStringLiteral("        KULLANICI GİRİŞİ"));
        d.show();
        type(d, QStringLiteral("ALI"), QStringLiteral("bad"));
        d.tamam();
        QCOMPARE(d.findChild<QLabel *>("descriptionLabel")->text(), QStringLiteral("Ali Veli"));
        type(d, QStringLiteral("ALI"), QStringLiteral("ab1"));
        d.tamam();
        QCOMPARE(d.login()->description, QStringLiteral("Ali Veli"));
    }

    void enterMovesThroughTheFields()
    {
        test::ScriptedPrompter p;
        LoginDialog d(users_, QString(), p);
        auto *name = d.findChild<QLineEdit *>("nameEdit");
        auto *password = d.findChild<QLineEdit *>("passwordEdit");
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("ALI"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(password->hasFocus());
        QVERIFY(d.isVisible());  // Enter in the name field is no "Tamam"
        QVERIFY(p.informed.isEmpty());
        QTest::keyClicks(password, QStringLiteral("ab1"));
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.login()->HNO, 2);
    }

    void prefilledNameWaitsForPassword()
    {
        test::ScriptedPrompter p;
        LoginDialog d(users_, QStringLiteral("ALI"), p);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.findChild<QLineEdit *>("nameEdit")->text(), QStringLiteral("ALI"));
        QVERIFY(d.findChild<QLineEdit *>("passwordEdit")->hasFocus());
    }

    void closesOnlyThroughItsCommands()
    {
        test::ScriptedPrompter p;
        LoginDialog d(users_, QString(), p);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.close();
        QVERIFY(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        d.findChild<QPushButton *>("exitButton")->click();
        QVERIFY(!d.isVisible());
        QVERIFY(!d.login());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
