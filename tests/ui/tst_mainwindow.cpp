// The main window: its menu as the clerks know it, the status bar, the activation after
// start-up (with its stops), the hidden "system" command and what closing stores.

#include "calendar.h"
#include "clock.h"
#include "commandgroups.h"
#include "mainwindow.h"
#include "passwords.h"
#include "session.h"
#include "setupdialog.h"
#include "testsupport.h"
#include "translations.h"
#include "uitest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

using namespace zeran;
using zeran::ui::MainWindow;
using zeran::ui::SetupMode;

namespace {

QString statusText(MainWindow &w, const char *name)
{
    auto *l = w.findChild<QLabel *>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void execSql(Session &s, const QString &sql, const QVariantMap &binds = {})
{
    db::Transaction t(s.main());
    s.main().exec(sql, binds);
    t.commit();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir cwd_;  // the program's "current directory"

private slots:
    void init()
    {
        test::clearSettings();
        clock::setToday(QDate(2026, 12, 9));
    }

    void groupsAndCommands_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("1") << "PERSONEL İŞLEMLERİ"
                           << QStringList{"Personel Bilgileri", "Maaş Arşiv Bilgileri", "Personel Detay Listesi",
                                          "Sicil Bilgileri", "İzin Bilgileri"};
        QTest::newRow("2") << "BORDRO İŞLEMLERİ"
                           << QStringList{"Zeran Bordrosu", "Fark Bordrosu", "Listeler", "Enflasyon Farkı Bordrosu",
                                          "Dosya Oluşturma", "Emekli Kesenek Dosyası", "Banka Maaş Dosyası",
                                          "Encümen-Meclis Bordrosu", "Başkan Vekalet Bordrosu",
                                          "Zeran Vekalet Bordrosu"};
        QTest::newRow("3") << "EK İŞLEMLER"
                           << QStringList{"A.G.İndirim Bordrosu", "Yolluklar", "Emekli Kesenekleri",
                                          "Yıllık İcmal Bordrosu", "Aylık İcmal ve İhbar Fişi"};
        QTest::newRow("4") << "TANIMLAR"
                           << QStringList{"Genel Tanımlar", "Birim Tanımları", "Gösterge Tanımları",
                                          "Sendika Tanımları", "Ünvan-Kesinti Gelir-Tanımları", "Kanuni Oranlar",
                                          "Vergi Oranları", "Kullanıcı Tanımları", "İşlem İzleme",
                                          "Dosya Kontrol", "BES Firmalar"};
        QTest::newRow("5") << "ÇIKIŞ" << QStringList{};
    }
    // Every group and command is there with its exact caption and in its order; commands
    // whose screen is not attached are disabled, the two expanders and "Yolluklar" are not.
    void groupsAndCommands()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, commands);
        Session s;
        MainWindow w(s, cwd_.path());
        ui::CommandGroups *g = w.commandGroups();
        const int index = QString::fromLatin1(QTest::currentDataTag()).toInt() - 1;
        QCOMPARE(g->count(), 5);
        QCOMPARE(g->header(index)->text(), group);

        const QString pageName = g->header(index)->objectName() + QStringLiteral("_page");
        QWidget *page = g->findChild<QWidget *>(pageName);
        QVERIFY(page);
        QStringList shown;
        for (QPushButton *b : page->findChildren<QPushButton *>())
            shown << b->text();
        QCOMPARE(shown, commands);

        const QStringList expanders{"Dosya Oluşturma", "Emekli Kesenekleri"};
        for (const QString &c : commands) {
            QAction *a = w.command(c);
            QVERIFY2(a, qPrintable(c));
            QCOMPARE(a->text(), c);
            QVERIFY2(a->objectName().startsWith(QStringLiteral("cmd")), qPrintable(c));
            const bool enabled = c == QLatin1String("Yolluklar") || expanders.contains(c);
            QVERIFY2(a->isEnabled() == enabled, qPrintable(c));
        }
    }

    void attachingAnUnknownCommandFails()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, w.attachScreen(QStringLiteral("Zeran Bordrosuu"), [] {}));
        w.attachScreen(QStringLiteral("Zeran Bordrosu"), [] {});
        QVERIFY(w.command(QStringLiteral("Zeran Bordrosu"))->isEnabled());
    }

    void commandNamesAreUnique()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        QSet<QString> names;
        const auto actions = w.findChildren<QAction *>();
        for (QAction *a : actions) {
            if (a->objectName().isEmpty())
                continue;
            QVERIFY2(!names.contains(a->objectName()), qPrintable(a->objectName()));
            names.insert(a->objectName());
        }
        QVERIFY(names.contains(QStringLiteral("cmdSicilBilgileri")));
    }

    void openingAGroupCollapsesTheOthers()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        w.show();
        ui::CommandGroups *g = w.commandGroups();
        QCOMPARE(g->openIndex(), -1);
        g->header(0)->click();
        QCOMPARE(g->openIndex(), 0);
        QVERIFY(w.findChild<QPushButton *>("btn_cmdSicilBilgileri")->isVisible());
        g->header(3)->click();
        QCOMPARE(g->openIndex(), 3);
        QVERIFY(!w.findChild<QPushButton *>("btn_cmdSicilBilgileri")->isVisible());
        QVERIFY(w.findChild<QPushButton *>("btn_cmdBESFirmalar")->isVisible());
        g->header(3)->click();  // clicking the open group closes it
        QCOMPARE(g->openIndex(), -1);

        // An expander shows its two sub-commands.
        g->header(1)->click();
        QPushButton *sub = w.findChild<QPushButton *>("btn_cmdBankaMaasDosyasi");
        QVERIFY(!sub->isVisible());
        w.findChild<QPushButton *>("btn_cmdDosyaOlusturma")->click();
        QVERIFY(sub->isVisible());
        QVERIFY(!sub->isEnabled());
        w.findChild<QPushButton *>("btn_cmdDosyaOlusturma")->click();
        QVERIFY(!sub->isVisible());
    }

    void attachedScreenIsEnabledAndOpens()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        int opened = 0;
        w.attachScreen(QStringLiteral("Sicil Bilgileri"), [&] { ++opened; });
        QAction *a = w.command(QStringLiteral("Sicil Bilgileri"));
        QVERIFY(a->isEnabled());
        QVERIFY(w.findChild<QPushButton *>("btn_cmdSicilBilgileri")->isEnabled());
        w.findChild<QPushButton *>("btn_cmdSicilBilgileri")->click();
        QCOMPARE(opened, 1);

        // A child window is made once and brought to the front afterwards.
        int made = 0;
        auto make = [&] { ++made; return new QLabel(QStringLiteral("bordro")); };
        QMdiSubWindow *first = w.showChild(QStringLiteral("payroll"), make);
        QMdiSubWindow *second = w.showChild(QStringLiteral("payroll"), make);
        QCOMPARE(made, 1);
        QCOMPARE(first, second);
        QCOMPARE(w.mdiArea()->subWindowList().size(), 1);
    }

    void exitGroupClosesTheWindow()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        QSignalSpy ended(&w, &MainWindow::programEnded);
        w.show();
        w.commandGroups()->header(4)->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(ended.size(), 1);
    }

    void popupAndHiddenCommand()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        QAction *year = w.command(QStringLiteral("ÇalışmaYılı"));
        QVERIFY(year);
        QVERIFY(!year->isEnabled());  // needs the settings row
        auto *popup = w.findChild<QMenu *>("popupMenu");
        QVERIFY(popup->actions().contains(year));
        QAction *system = w.command(QStringLiteral("system"));
        QVERIFY(system);
        QVERIFY(!popup->actions().contains(system));
        QCOMPARE(system->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QVERIFY(w.actions().contains(system));
        QAction *contact = w.command(QStringLiteral("Bize Ulaşın"));
        QVERIFY(contact && !contact->isEnabled());
    }

    void styleChooser()
    {
        Session s;
        MainWindow w(s, cwd_.path());
        auto *chooser = w.findChild<QComboBox *>("styleChooser");
        QStringList items;
        for (int i = 0; i < chooser->count(); ++i)
            items << chooser->itemText(i);
        QCOMPARE(items, QStyleFactory::keys());
        w.applyStyle(QStringLiteral("Windows"));
        QCOMPARE(chooser->currentText(), QStringLiteral("Windows"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
        if (!items.contains(QStringLiteral("Fusion")))
            QSKIP("no second style");
        chooser->textActivated(QStringLiteral("Fusion"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QApplication::setStyle(QStringLiteral("Windows"));
    }

    // A workstation whose database is in place: activation fills the status bar, shutdown
    // stores the window state, user and style.
    void activationAndShutdown()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        {
            Session s;
            test::ScriptedPrompter p;
            MainWindow w(s, cwd_.path(), &p);
            w.setLoginRunner([]() -> std::optional<ui::LoginResult> {
                QTest::qFail("no login expected", __FILE__, __LINE__);
                return std::nullopt;
            });
            w.ibaseac();
            QVERIFY(!s.connectionFailed);
            QCOMPARE(statusText(w, "statusYear"), QStringLiteral("2026"));
            w.show();
            w.runActivation();
            QVERIFY(p.informed.isEmpty());
            QVERIFY(w.activated());
            QVERIFY(!w.stopped());
            QCOMPARE(statusText(w, "statusVersion"), QStringLiteral("Ver:25.001.Günc.6"));
            QCOMPARE(statusText(w, "statusDate"), QStringLiteral("9-ARALIK(12)-2026"));
            QCOMPARE(statusText(w, "statusUser"), QStringLiteral("ZIVO"));
            QCOMPARE(statusText(w, "statusKurum"), QStringLiteral("KURUM ADI"));
            QCOMPARE(statusText(w, "statusClock").size(), 5);
            QCOMPARE(s.ctx.DON, QStringLiteral("2"));
            QCOMPARE(s.ctx.KULNO, 1);
            QCOMPARE(s.ctx.K, QStringLiteral("E"));
            QCOMPARE(s.ctx.DONBIT, QDate(2027, 1, 14));
            QVERIFY(w.command(QStringLiteral("ÇalışmaYılı"))->isEnabled());
            QCOMPARE(w.commandGroups()->openIndex(), -1);
            const AppSettings folders = AppSettings::read();
            QCOMPARE(folders.EMKYOL, QDir(cwd_.path()).filePath(QStringLiteral("EMKES")));
            QCOMPARE(folders.BANYOL, QDir(cwd_.path()).filePath(QStringLiteral("BANKA")));

            // Runs once only.
            w.runActivation();
            QVERIFY(p.informed.isEmpty());

            w.findChild<QComboBox *>("styleChooser")->setCurrentText(QStringLiteral("Fusion"));
            w.showMaximized();
            QSignalSpy ended(&w, &MainWindow::programEnded);
            w.close();
            QCOMPARE(ended.size(), 1);
            QVERIFY(!s.main().isOpen());
        }
        QApplication::setStyle(QStringLiteral("Windows"));
        const AppSettings after = AppSettings::read();
        QCOMPARE(after.BFORM, QStringLiteral("1"));
        QCOMPARE(after.USR, QStringLiteral("ZIVO"));
        QCOMPARE(after.ASitil, QStringLiteral("Fusion"));
    }

    void storedWindowStateIsApplied()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        AppSettings st = AppSettings::read();
        st.BFORM = QStringLiteral("1");
        st.write({"BFORM"});
        Session s;
        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        w.ibaseac();
        w.runActivation();
        QVERIFY(w.windowState().testFlag(Qt::WindowMaximized));
    }

    void loginWhenLoginsAreOn()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        Session s;
        s.openMain(fresh.params);
        execSql(s, QStringLiteral("UPDATE PTANIM SET UDUR=:U"), {{"U", "E"}});
        execSql(s, QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (:H,:K,:G,:W)"),
                {{"H", 7}, {"K", 3}, {"G", "E"}, {"W", "H"}});
        s.main().close();

        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        int asked = 0;
        w.setLoginRunner([&]() -> std::optional<ui::LoginResult> {
            ++asked;
            return ui::LoginResult{7, QStringLiteral("AYŞE"), QStringLiteral("Ayşe Yılmaz")};
        });
        w.ibaseac();
        w.runActivation();
        QCOMPARE(asked, 1);
        QVERIFY(w.activated());
        QCOMPARE(s.ctx.KULNO, 7);
        QCOMPARE(statusText(w, "statusUser"), QStringLiteral("AYŞE"));
        QCOMPARE(statusText(w, "statusUserDescription"), QStringLiteral("Ayşe Yılmaz"));
        // The rights are those of the user who logged in.
        QCOMPARE(s.hakbul(QStringLiteral("3")), std::make_pair(QStringLiteral("E"), QStringLiteral("H")));
    }

    void loginExitEndsTheProgram()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        Session s;
        s.openMain(fresh.params);
        execSql(s, QStringLiteral("UPDATE PTANIM SET UDUR=:U"), {{"U", "E"}});
        s.main().close();
        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        w.setLoginRunner([] { return std::optional<ui::LoginResult>(); });
        QSignalSpy ended(&w, &MainWindow::programEnded);
        w.ibaseac();
        w.show();
        w.runActivation();
        QVERIFY(w.stopped());
        QVERIFY(!w.activated());
        QVERIFY(!w.isVisible());
        QCOMPARE(ended.size(), 1);
        // The user who never logged in does not replace the remembered one.
        QCOMPARE(AppSettings::read().USR, QStringLiteral("ZIVO"));
    }

    // A user without a password (a new database's ZIVO) chooses one before the program
    // opens; declining ends the program.
    void firstLoginChoosesAPassword_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("chosen") << true;
        QTest::newRow("declined") << false;
    }
    void firstLoginChoosesAPassword()
    {
        QFETCH(bool, chosen);
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        Session s;
        s.openMain(fresh.params);
        execSql(s, QStringLiteral("UPDATE PTANIM SET UDUR=:U"), {{"U", "E"}});
        s.main().close();
        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        w.setLoginRunner([]() -> std::optional<ui::LoginResult> {
            return ui::LoginResult{1, QStringLiteral("ZIVO"), QString(), true};
        });
        int asked = 0;
        w.setNewPasswordRunner([&]() -> std::optional<QString> {
            ++asked;
            return chosen ? std::optional<QString>(QStringLiteral("yeni şifre")) : std::nullopt;
        });
        w.ibaseac();
        w.runActivation();
        QCOMPARE(asked, 1);
        QCOMPARE(w.activated(), chosen);
        QCOMPARE(w.stopped(), !chosen);
        s.main().close();
        db::Database check(test::uniqueName("check"));
        check.open(fresh.params);
        const QString hash = check.scalar(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=1")).toString();
        QCOMPARE(passwords::verify(hash, QStringLiteral("yeni şifre")), chosen);
    }

    void versionGateStops_data()
    {
        QTest::addColumn<QString>("ver");
        QTest::addColumn<QString>("message");
        QTest::newRow("database newer") << "25.002" << QString::fromUtf8(kProgramTooOldMessage);
        QTest::newRow("unreadable version") << "xx" << "DİKKAT! Veritabanı sürüm bilgisi okunamadı.\r";
    }
    void versionGateStops()
    {
        QFETCH(QString, ver);
        QFETCH(QString, message);
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        AppSettings st = AppSettings::read();
        st.BFORM = QStringLiteral("1");
        st.write({"BFORM"});
        Session s;
        s.openMain(fresh.params);
        execSql(s, QStringLiteral("UPDATE PTANIM SET VER=:V"), {{"V", ver}});
        s.main().close();

        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        QSignalSpy ended(&w, &MainWindow::programEnded);
        w.ibaseac();
        w.show();
        w.runActivation();
        QCOMPARE(p.informed.size(), 1);
        QVERIFY2(p.informed[0].startsWith(message), qPrintable(p.informed[0]));
        QVERIFY(w.stopped());
        QVERIFY(!w.isVisible());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toInt(), 1);
        // Stopped before the settings row was read: the stored window state stays.
        QCOMPARE(AppSettings::read().BFORM, QStringLiteral("1"));
        w.runActivation();
        QCOMPARE(p.informed.size(), 1);
    }

    // A new machine: no settings, no database. The setup dialog opens; cancelling ends the
    // program, saving (here: creating the database) lets activation go on.
    void failedConnectionAsksForSetup_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancelled") << false;
        QTest::newRow("saved with a new database") << true;
    }
    void failedConnectionAsksForSetup()
    {
        QFETCH(bool, save);
        QTemporaryDir cwd;
        Session s;
        test::ScriptedPrompter p;
        p.answers = {true};
        MainWindow w(s, cwd.path(), &p);
        QList<SetupMode> modes;
        w.setSetupRunner([&](SetupMode m) {
            modes << m;
            if (!save)
                return false;
            ui::SystemSetupDialog d(s, m, QString(), p);
            d.show();
            d.save();  // the folder is the default one, cwd/DATA, which does not exist yet
            return d.saved();
        });
        w.ibaseac();
        QVERIFY(s.connectionFailed);
        QCOMPARE(s.settings.YOL, QDir(cwd.path()).filePath(QStringLiteral("DATA")));
        w.show();
        w.runActivation();
        QCOMPARE(modes, QList<SetupMode>{SetupMode::StartUp});
        QCOMPARE(w.activated(), save);
        QCOMPARE(w.stopped(), !save);
        if (save) {
            QCOMPARE(p.asked.size(), 1);
            QVERIFY(QFile::exists(cwd.filePath(QStringLiteral("DATA/PERSONEL.GDB"))));
            QCOMPARE(statusText(w, "statusKurum"), QStringLiteral("KURUM ADI"));
        }
    }

    // "system": a save repeats activation from the start with what the settings now say;
    // a cancel changes nothing.
    void systemCommand()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path());
        Session s;
        test::ScriptedPrompter p;
        MainWindow w(s, cwd_.path(), &p);
        bool answer = false;
        QList<SetupMode> modes;
        w.setSetupRunner([&](SetupMode m) {
            modes << m;
            if (answer) {
                s.settings.YIL = QStringLiteral("2027");
                s.settings.write({"YIL"});
            }
            return answer;
        });
        w.ibaseac();
        w.runActivation();
        QVERIFY(w.activated());

        execSql(s, QStringLiteral("UPDATE PTANIM SET KURUM=:K"), {{"K", "YENİ BELEDİYE"}});
        w.command(QStringLiteral("system"))->trigger();
        QCOMPARE(modes, QList<SetupMode>{SetupMode::Maintenance});
        QCOMPARE(statusText(w, "statusKurum"), QStringLiteral("KURUM ADI"));
        QVERIFY(s.main().isOpen());

        answer = true;
        w.command(QStringLiteral("system"))->trigger();
        QCOMPARE(modes.size(), 2);
        QVERIFY(w.activated());
        QVERIFY(s.main().isOpen());
        QCOMPARE(statusText(w, "statusKurum"), QStringLiteral("YENİ BELEDİYE"));
        QCOMPARE(s.settings.YIL, QStringLiteral("2027"));
        QVERIFY(p.informed.isEmpty());
    }

    // Qt's own dialogs (message-box buttons, the printer dialog, the file chooser) speak
    // Turkish once the program has loaded the translations.
    void qtDialogsInTurkish()
    {
        QVERIFY(ui::installTurkishTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Evet"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Hayır"));
        QCOMPARE(QLocale().language(), QLocale::Turkish);
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
