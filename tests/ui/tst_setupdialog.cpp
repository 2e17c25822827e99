// The system setup dialog: which checks run before it connects, the offer to create an empty
// database on a new machine, and that nothing is stored unless the connection worked.

#include "schema.h"
#include "session.h"
#include "setupdialog.h"
#include "testsupport.h"
#include "uitest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran;
using zeran::ui::LocalCheck;
using zeran::ui::SetupMode;
using zeran::ui::SystemSetupDialog;

class TestSetupDialog : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;

    static void setField(SystemSetupDialog &d, const char *name, const QString &text)
    {
        auto *e = d.findChild<QLineEdit *>(QLatin1String(name));
        QVERIFY(e);
        e->setText(text);
    }
    static AppSettings stored() { return AppSettings::read(); }
    static void compareStored(const AppSettings &a, const AppSettings &b)
    {
        QCOMPARE(a.YIL, b.YIL);
        QCOMPARE(a.SRV, b.SRV);
        QCOMPARE(a.YOL, b.YOL);
        QCOMPARE(a.VT, b.VT);
    }

private slots:
    void init()
    {
        test::clearSettings();
        test::storeLocation(QStringLiteral("/nowhere/at/all"), QStringLiteral("2025"));
    }

    void localCheck_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<LocalCheck>("expected");
        const QString base = tmp_.path();
        QDir(base).mkpath(QStringLiteral("empty"));
        QDir(base).mkpath(QStringLiteral("full"));
        QFile db(base + QStringLiteral("/full/PERSONEL.GDB"));
        QVERIFY(db.open(QIODevice::WriteOnly));
        db.close();
        QFile plain(base + QStringLiteral("/plainfile"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        QTest::newRow("server named: nothing checked")
            << "dbhost" << base + "/does/not/exist" << LocalCheck::Skip;
        QTest::newRow("folder holds the file") << "" << base + "/full" << LocalCheck::Ready;
        QTest::newRow("folder without the file") << "" << base + "/empty" << LocalCheck::OfferInFolder;
        QTest::newRow("missing folder that can be made") << "" << base + "/new/DATA" << LocalCheck::OfferInNewFolder;
        QTest::newRow("missing folder below a file") << "" << base + "/plainfile/DATA" << LocalCheck::FolderUnusable;
        QTest::newRow("no folder at all") << "" << "" << LocalCheck::FolderUnusable;
        QTest::newRow("blank server is no server") << "   " << base + "/empty" << LocalCheck::OfferInFolder;
    }
    void localCheck()
    {
        QFETCH(QString, server);
        QFETCH(QString, folder);
        QFETCH(LocalCheck, expected);
        QCOMPARE(ui::checkLocalDatabase(server, folder), expected);
    }

    void fieldsFromSettings()
    {
        Session session;
        test::ScriptedPrompter p;
        test::storeLocation(tmp_.path(), QStringLiteral("2024"), QStringLiteral("srv1"));
        SystemSetupDialog d(session, SetupMode::Maintenance, QStringLiteral("ALI"), p);
        QCOMPARE(d.windowTitle(), QStringLiteral("SİSTEM TANIMLARI"));
        QCOMPARE(d.findChild<QLineEdit *>("serverEdit")->text(), QStringLiteral("srv1"));
        QCOMPARE(d.findChild<QLineEdit *>("folderEdit")->text(), tmp_.path());
        QCOMPARE(d.year(), QStringLiteral("2024"));
        QCOMPARE(d.findChild<QLineEdit *>("fileNameEdit")->text(), QStringLiteral("PERSONEL.GDB"));
        QVERIFY(d.findChild<QLineEdit *>("fileNameEdit")->isReadOnly());
        QCOMPARE(d.findChild<QLabel *>("fullPathLabel")->text(), tmp_.path() + "/PERSONEL.GDB");

        // Every change of the folder recomputes the full path.
        setField(d, "folderEdit", QStringLiteral("/srv/data/"));
        QCOMPARE(d.findChild<QLabel *>("fullPathLabel")->text(), QStringLiteral("/srv/data/PERSONEL.GDB"));
        QCOMPARE(ui::folderOfChosenFile(QStringLiteral("/srv/data/OTHER.GDB")), QStringLiteral("/srv/data"));
    }

    void kindRowOnlyForZivo_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("vt");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("kind");
        QTest::newRow("ZIVO, InterBase") << "ZIVO" << "1" << true << "InterBase";
        QTest::newRow("ZIVO, Oracle") << "ZIVO" << "2" << true << "Oracle";
        QTest::newRow("other user") << "ALI" << "1" << false << "InterBase";
        QTest::newRow("name differs in case") << "zivo" << "1" << false << "InterBase";
    }
    void kindRowOnlyForZivo()
    {
        QFETCH(QString, user);
        QFETCH(QString, vt);
        QFETCH(bool, shown);
        QFETCH(QString, kind);
        AppSettings s = AppSettings::read();
        s.VT = vt;
        s.write({"VT"});
        Session session;
        test::ScriptedPrompter p;
        SystemSetupDialog d(session, SetupMode::Maintenance, user, p);
        d.show();
        auto *combo = d.findChild<QComboBox *>("kindCombo");
        QCOMPARE(combo->isVisible(), shown);
        QVERIFY(!combo->isEnabled());
        QCOMPARE(combo->currentText(), kind);
    }

    void folderMissingAndUncreatable()
    {
        QFile plain(tmp_.filePath(QStringLiteral("afile")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        Session session;
        test::ScriptedPrompter p;
        const AppSettings before = stored();
        SystemSetupDialog d(session, SetupMode::StartUp, QString(), p);
        d.show();
        setField(d, "folderEdit", tmp_.filePath(QStringLiteral("afile/DATA")));
        d.findChild<QPushButton *>("saveButton")->click();
        QCOMPARE(p.asked, QStringList());
        QCOMPARE(p.informed, QStringList{QStringLiteral("DİKKAT! Veritabanı Yolu Bulunamadı..!")});
        QVERIFY(d.isVisible());
        QVERIFY(!d.saved());
        compareStored(stored(), before);
    }

    // Refusing the offer gives the message for what is missing; accepting creates the
    // database (and its folder), connects, stores the location and closes.
    void offerToCreate_data()
    {
        QTest::addColumn<QString>("sub");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("refusedMessage");
        QTest::newRow("empty folder, refused") << "offer-a" << true << false << "DİKKAT! Veritabanı Dosyası Bulunamadı..!";
        QTest::newRow("empty folder, accepted") << "offer-b" << true << true << "";
        QTest::newRow("missing folder, refused") << "offer-c/DATA" << false << false << "DİKKAT! Veritabanı Yolu Bulunamadı..!";
        QTest::newRow("missing folder, accepted") << "offer-d/DATA" << false << true << "";
    }
    void offerToCreate()
    {
        QFETCH(QString, sub);
        QFETCH(bool, folderExists);
        QFETCH(bool, answer);
        QFETCH(QString, refusedMessage);
        const QString folder = tmp_.filePath(sub);
        if (folderExists)
            QVERIFY(QDir().mkpath(folder));
        const QString full = folder + QStringLiteral("/PERSONEL.GDB");

        Session session;
        test::ScriptedPrompter p;
        p.answers = {answer};
        const AppSettings before = stored();
        SystemSetupDialog d(session, SetupMode::StartUp, QString(), p);
        d.show();
        setField(d, "folderEdit", folder);
        setField(d, "yearEdit", QStringLiteral("2027"));
        d.save();

        QCOMPARE(p.asked.size(), 1);
        QVERIFY(p.asked[0].startsWith(QStringLiteral("PERSONEL.GDB bu klasörde yok.")));
        QVERIFY(p.asked[0].endsWith(QLatin1Char('\n') + full));
        if (!answer) {
            QCOMPARE(p.informed, QStringList{refusedMessage});
            QVERIFY(d.isVisible());
            QVERIFY(!d.saved());
            QVERIFY(!QFile::exists(full));
            QVERIFY(!session.main().isOpen());
            compareStored(stored(), before);
            return;
        }
        QCOMPARE(p.informed, QStringList());
        QVERIFY(d.saved());
        QVERIFY(!d.isVisible());
        QVERIFY(QFile::exists(full));
        QVERIFY(session.main().isOpen());
        QCOMPARE(session.main().params().path, full);
        QCOMPARE(schema::readVersionText(session.main()), QStringLiteral("25.001"));
        const AppSettings after = stored();
        QCOMPARE(after.YOL, folder);
        QCOMPARE(after.YIL, QStringLiteral("2027"));
        QCOMPARE(after.SRV, QString());
        QCOMPARE(after.VT, QStringLiteral("1"));
        QCOMPARE(session.settings.YOL, folder);
    }

    void existingDatabaseConnects()
    {
        test::FreshDatabase fresh;
        Session session;
        test::ScriptedPrompter p;
        SystemSetupDialog d(session, SetupMode::StartUp, QString(), p);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        setField(d, "folderEdit", fresh.dir.path());
        setField(d, "yearEdit", QStringLiteral("2026"));
        QTest::keyClick(&d, Qt::Key_F5);
        QTRY_VERIFY(d.saved());
        QVERIFY(p.asked.isEmpty());
        QVERIFY(p.informed.isEmpty());
        QVERIFY(session.main().isOpen());
        QCOMPARE(stored().YOL, fresh.dir.path());
        QCOMPARE(stored().YIL, QStringLiteral("2026"));
    }

    // A refused connection shows the error, keeps the dialog and stores nothing. With a
    // server name the local checks are skipped even though the folder does not exist here.
    void refusedConnection_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("sub");
        QTest::newRow("not a database file") << "" << "garbage";
        QTest::newRow("server name, folder absent here") << "127.0.0.1/1" << "absent/on/this/machine";
    }
    void refusedConnection()
    {
        QFETCH(QString, server);
        QFETCH(QString, sub);
        const QString folder = tmp_.filePath(sub);
        if (server.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QFile f(folder + QStringLiteral("/PERSONEL.GDB"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a database");
            f.close();
        }
        Session session;
        test::ScriptedPrompter p;
        const AppSettings before = stored();
        SystemSetupDialog d(session, SetupMode::Maintenance, QString(), p);
        d.show();
        setField(d, "serverEdit", server);
        setField(d, "folderEdit", folder);
        d.save();
        QVERIFY(p.asked.isEmpty());
        QCOMPARE(p.informed.size(), 1);
        QVERIFY2(p.informed[0].startsWith(QStringLiteral("Veritabanı Tanımlarında Hata Var\r")), qPrintable(p.informed[0]));
        QVERIFY(p.informed[0].size() > int(qstrlen("Veritabanı Tanımlarında Hata Var\r")));
        QVERIFY(d.isVisible());
        QVERIFY(!d.saved());
        QVERIFY(!session.main().isOpen());
        compareStored(stored(), before);
    }

    void shortYearRefused()
    {
        test::FreshDatabase fresh;
        Session session;
        test::ScriptedPrompter p;
        SystemSetupDialog d(session, SetupMode::StartUp, QString(), p);
        d.show();
        setField(d, "folderEdit", fresh.dir.path());
        setField(d, "yearEdit", QStringLiteral("20"));
        d.save();
        QCOMPARE(p.informed, QStringList{QString::fromUtf8(ui::kYearFormatMessage)});
        QVERIFY(!d.saved());
        QVERIFY(!session.main().isOpen());
        // The mask takes digits only.
        setField(d, "yearEdit", QStringLiteral("20a6"));
        QCOMPARE(d.year(), QStringLiteral("206"));
    }

    void cancelInMaintenanceChangesNothing()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path(), QStringLiteral("2026"));
        Session session;
        session.openMain(fresh.params);
        test::ScriptedPrompter p;
        const AppSettings before = stored();
        SystemSetupDialog d(session, SetupMode::Maintenance, QStringLiteral("ZIVO"), p);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        setField(d, "folderEdit", tmp_.filePath(QStringLiteral("elsewhere")));
        setField(d, "yearEdit", QStringLiteral("2030"));

        // Neither the close box nor Esc ends the dialog.
        d.close();
        QVERIFY(d.isVisible());
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());

        // A button's key clicks it after a short animation.
        QTest::keyClick(&d, Qt::Key_F6);
        QTRY_VERIFY(!d.isVisible());
        QVERIFY(!d.saved());
        QVERIFY(p.informed.isEmpty());
        compareStored(stored(), before);
        QVERIFY(session.main().isOpen());
        QCOMPARE(session.main().params().path, fresh.params.path);
    }

    // A failed try of a new place, then "F6-Vazgeç": the program keeps working on the
    // database it had open.
    void failedTryThenCancelKeepsTheConnection()
    {
        test::FreshDatabase fresh;
        test::storeLocation(fresh.dir.path(), QStringLiteral("2026"));
        Session session;
        session.openMain(fresh.params);
        const QString folder = tmp_.filePath(QStringLiteral("broken"));
        QVERIFY(QDir().mkpath(folder));
        QFile f(folder + QStringLiteral("/PERSONEL.GDB"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a database");
        f.close();
        test::ScriptedPrompter p;
        SystemSetupDialog d(session, SetupMode::Maintenance, QStringLiteral("ZIVO"), p);
        d.show();
        setField(d, "folderEdit", folder);
        d.save();
        QCOMPARE(p.informed.size(), 1);
        QVERIFY(d.isVisible());
        d.cancel();
        QVERIFY(!d.saved());
        QVERIFY(session.main().isOpen());
        QCOMPARE(session.main().params().path, fresh.params.path);
        QCOMPARE(session.main().scalar(QStringLiteral("SELECT VER FROM PTANIM")).toString().trimmed(),
                 QStringLiteral("25.001"));
    }
};

QTEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
