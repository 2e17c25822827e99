// "GENEL TANIMLAR" on a demo institution: what it shows, the codes it stores, the district
// that follows the province, the emblem, the locked close, and what the main window writes
// to the settings store afterwards.

#include "demo.h"
#include "generaldata.h"
#include "generaldialog.h"
#include "mainwindow.h"
#include "session.h"
#include "setupdialog.h"
#include "testsupport.h"
#include "ui/uitest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(zeran::test::Mode)

using namespace zeran;
using zeran::general::GeneralDefinitionsDialog;
using zeran::general::GeneralRow;

namespace {
constexpr int kAnkara = 6, kGolbasi = 3, kIstanbul = 34, kUskudar = 8;
constexpr int kYaziIsleri = 1, kFenIsleri = 2, kMaliHizmetler = 3;
}  // namespace

class TestGeneralScreen : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<Session> s_;
    GeneralRow demoRow_;
    test::ScriptedPrompter prompter_;
    QTemporaryDir files_;

    void makeDatabase()
    {
        s_.reset();
        fresh_ = std::make_unique<test::FreshDatabase>();
        s_ = std::make_unique<Session>();
        s_->openMain(fresh_->params);
        demo::fillDemoInstitution(s_->main());
        demoRow_ = general::readGeneralRow(s_->main());
    }

    void exec(const QString &sql, const QVariantMap &binds = {})
    {
        db::Transaction t(s_->main());
        s_->main().exec(sql, binds);
        t.commit();
    }

    QVariant stored(const char *column)
    {
        return s_->main().scalar(QStringLiteral("SELECT %1 FROM PTANIM").arg(QLatin1String(column)));
    }

    std::unique_ptr<GeneralDefinitionsDialog> open(QWidget *parent = nullptr)
    {
        auto d = std::make_unique<GeneralDefinitionsDialog>(*s_, prompter_, parent);
        if (!d->load())
            return nullptr;
        return d;
    }

    template <typename W> static W *child(QWidget *d, const char *name)
    {
        W *w = d->findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("missing widget %s", name);
        return w;
    }

    static void click(QWidget *d, const char *button) { child<QPushButton>(d, button)->click(); }

    static void choose(QComboBox *box, const QString &item)
    {
        const int i = box->findText(item);
        QVERIFY2(i >= 0, qPrintable(item));
        box->setCurrentIndex(i);
    }

private slots:
    void initTestCase()
    {
        test::clearSettings();
        makeDatabase();
        QVERIFY(demoRow_.ILKOD == kAnkara && demoRow_.ILCEKOD == kGolbasi);
    }

    void init()
    {
        prompter_.informed.clear();
        // Every test starts from the demo's settings row and folders.
        general::storeGeneralRow(s_->main(), demoRow_);
        exec(QStringLiteral("UPDATE PTANIM SET MKESDUR=:M"), {{QStringLiteral("M"), QStringLiteral("O")}});
        s_->settings.YOL = QStringLiteral("/srv/zeran/DATA");
        s_->settings.EMKYOL = QStringLiteral("/srv/zeran/EMKES");
        s_->settings.BANYOL = QStringLiteral("/srv/zeran/BANKA");
        s_->settings.NVIYOL = QString();
    }

    void opensLockedOnTheStoredRow()
    {
        auto d = open();
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("GENEL TANIMLAR"));
        QCOMPARE(child<QPushButton>(d.get(), "changeButton")->text(), QStringLiteral("Değiştir"));
        QCOMPARE(child<QPushButton>(d.get(), "exitButton")->text(), QStringLiteral("Çıkış"));
        auto *pages = child<QTabWidget>(d.get(), "pages");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(0), QStringLiteral("Genel Tanımlar"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Banka Tanımları"));
        QCOMPARE(pages->tabText(2), QStringLiteral("Diğer"));
        for (const char *panel : {"generalPanel", "bankPanel", "otherPanel"})
            QVERIFY(!child<QWidget>(d.get(), panel)->isEnabled());
        QVERIFY(child<QLabel>(d.get(), "versionLabel")->text().contains(QStringLiteral("25.001")));

        QCOMPARE(child<QLineEdit>(d.get(), "kurumEdit")->text(), QStringLiteral("ÖRNEK BELEDİYESİ"));
        QCOMPARE(child<QComboBox>(d.get(), "provinceCombo")->currentText(), QStringLiteral("ANKARA"));
        QCOMPARE(child<QComboBox>(d.get(), "districtCombo")->currentText(), QStringLiteral("GÖLBAŞI"));
        QCOMPARE(child<QComboBox>(d.get(), "districtCombo")->count(), 4);
        QCOMPARE(child<QComboBox>(d.get(), "senCombo")->currentText(), QStringLiteral("2 B"));
        QCOMPARE(child<QComboBox>(d.get(), "kefCombo")->currentText(), QStringLiteral("Aylık Tutar"));
        QCOMPARE(child<QComboBox>(d.get(), "activeUnitCombo")->currentData().toInt(), kYaziIsleri);
        QCOMPARE(child<QComboBox>(d.get(), "payingUnitCombo")->currentData().toInt(), kMaliHizmetler);
        QCOMPARE(child<QLineEdit>(d.get(), "skodEdit")->text(), QStringLiteral("60034"));
        QCOMPARE(child<QLineEdit>(d.get(), "nufusEdit")->text(), QStringLiteral("48250"));
        QCOMPARE(child<QLineEdit>(d.get(), "emkyolEdit")->text(), QStringLiteral("/srv/zeran/EMKES"));
        QCOMPARE(child<QLineEdit>(d.get(), "banyolEdit")->text(), QStringLiteral("/srv/zeran/BANKA"));

        // Only "Çıkış" or "Kayıt" close it: not the close box, not Escape.
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        d->close();
        QVERIFY(d->isVisible());
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QVERIFY(d->isVisible());

        click(d.get(), "changeButton");
        QCOMPARE(child<QPushButton>(d.get(), "changeButton")->text(), QStringLiteral("Kayıt"));
        for (const char *panel : {"generalPanel", "bankPanel", "otherPanel"})
            QVERIFY(child<QWidget>(d.get(), panel)->isEnabled());
        d->close();
        QVERIFY(d->isVisible());

        click(d.get(), "exitButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(prompter_.informed.isEmpty());
    }

    void chosenItemStoredAndShownAgain_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("code");
        for (const auto &[box, column] : {std::pair{"formCombo", "FORM"}, std::pair{"bortekCombo", "BORTEK"},
                                          std::pair{"otoodeCombo", "OTOODE"}, std::pair{"onizCombo", "ONIZ"},
                                          std::pair{"udurCombo", "UDUR"}}) {
            QTest::addRow("%s Evet", column) << box << "Evet" << column << "E";
            QTest::addRow("%s Hayır", column) << box << "Hayır" << column << "H";
        }
        const QStringList sen{"Seçiniz", "1 N", "2 B", "3 D", "4 Y"};
        for (int i = 0; i < sen.size(); ++i)
            QTest::addRow("SEN %d", i) << "senCombo" << sen[i] << "SEN" << QString::number(i);
        const QStringList kef{"Seçiniz", "Aylık Tutar", "Aylık+Taban+Kıdem", "Katsayı*100"};
        for (int i = 0; i < kef.size(); ++i)
            QTest::addRow("KEF %d", i) << "kefCombo" << kef[i] << "KEF" << QString::number(i);
        for (const auto &[box, column] :
             {std::pair{"mkesdurCombo", "MKESDUR"}, std::pair{"hborkesdurCombo", "HBORKESDUR"}}) {
            QTest::addRow("%s O", column) << box << "Aylık Giriş İşlemi" << column << "A";
            QTest::addRow("%s A", column) << box << "Otomatik İşlem" << column << "O";
        }
        QTest::newRow("MBORTUR 2") << "mborturCombo" << "2" << "MBORTUR" << "2";
        QTest::newRow("MBORTUR 1") << "mborturCombo" << "1" << "MBORTUR" << "1";
        const QStringList banks{"TXT Dosyası", "Excell Dosyası", "3 Excell Halkbank", "4 Excell Halkbank (Yeni)",
                                "5 Excell Halkbank (Şablon)", "6 Excell Ziraat (Şablon)"};
        const QStringList bankCodes{"T", "E", "3", "4", "5", "6"};
        for (int i = 0; i < banks.size(); ++i)
            QTest::addRow("BDTUR %s", qPrintable(bankCodes[i])) << "bdturCombo" << banks[i] << "BDTUR" << bankCodes[i];
    }
    void chosenItemStoredAndShownAgain()
    {
        QFETCH(QString, box);
        QFETCH(QString, item);
        QFETCH(QString, column);
        QFETCH(QString, code);
        // Start from another item so that choosing this one is a change.
        {
            auto d = open();
            auto *combo = child<QComboBox>(d.get(), qPrintable(box));
            click(d.get(), "changeButton");
            combo->setCurrentIndex(combo->findText(item) == 0 ? 1 : 0);
            click(d.get(), "changeButton");
        }
        auto d = open();
        click(d.get(), "changeButton");
        choose(child<QComboBox>(d.get(), qPrintable(box)), item);
        click(d.get(), "changeButton");
        QVERIFY2(prompter_.informed.isEmpty(), qPrintable(prompter_.informed.join(QLatin1Char('\n'))));
        QCOMPARE(stored(qPrintable(column)).toString().trimmed(), code);

        auto again = open();
        QCOMPARE(child<QComboBox>(again.get(), qPrintable(box))->currentText(), item);
    }

    void storedSabitIsShownAndKept()
    {
        exec(QStringLiteral("UPDATE PTANIM SET MKESDUR=:M"), {{QStringLiteral("M"), QStringLiteral("S")}});
        auto d = open();
        QCOMPARE(child<QComboBox>(d.get(), "mkesdurCombo")->currentText(), QStringLiteral("Sabit"));
        click(d.get(), "changeButton");
        child<QLineEdit>(d.get(), "kurumEdit")->setText(QStringLiteral("GÖLBAŞI BELEDİYESİ"));
        click(d.get(), "changeButton");
        QCOMPARE(stored("KURUM").toString().trimmed(), QStringLiteral("GÖLBAŞI BELEDİYESİ"));
        QCOMPARE(stored("MKESDUR").toString().trimmed(), QStringLiteral("S"));
    }

    void anotherProvinceClearsItsForeignDistrict()
    {
        auto d = open();
        auto *province = child<QComboBox>(d.get(), "provinceCombo");
        auto *district = child<QComboBox>(d.get(), "districtCombo");
        click(d.get(), "changeButton");
        choose(province, QStringLiteral("İZMİR"));
        QCOMPARE(district->count(), 1);
        QCOMPARE(district->itemText(0), QStringLiteral("BORNOVA"));
        QCOMPARE(district->currentIndex(), -1);
        // Back to the first province: the district was cleared and stays so.
        choose(province, QStringLiteral("ANKARA"));
        QCOMPARE(district->count(), 4);
        QCOMPARE(district->currentIndex(), -1);
        click(d.get(), "changeButton");
        QCOMPARE(stored("ILKOD").toInt(), kAnkara);
        QVERIFY(stored("ILCEKOD").isNull());

        auto e = open();
        click(e.get(), "changeButton");
        choose(child<QComboBox>(e.get(), "provinceCombo"), QStringLiteral("İSTANBUL"));
        choose(child<QComboBox>(e.get(), "districtCombo"), QStringLiteral("ÜSKÜDAR"));
        click(e.get(), "changeButton");
        QCOMPARE(stored("ILKOD").toInt(), kIstanbul);
        QCOMPARE(stored("ILCEKOD").toInt(), kUskudar);
    }

    // A fresh installation has no districts: the clerk adds the register's code and name,
    // and may correct a name. Codes are checked, never made up.
    void districtsAddedAndRenamed()
    {
        auto d = open();
        auto *province = child<QComboBox>(d.get(), "provinceCombo");
        auto *district = child<QComboBox>(d.get(), "districtCombo");
        int nextCode = 0;
        QString nextName;
        d->setDistrictEditor([&](QWidget *, const QString &, bool codeEditable, int &code, QString &name) {
            if (codeEditable)
                code = nextCode;
            name = nextName;
            return true;
        });
        // Locked: nothing happens.
        nextCode = 1810;
        nextName = QStringLiteral("Çınarcık");
        click(d.get(), "addDistrictButton");
        QCOMPARE(s_->main().scalar(QStringLiteral("SELECT COUNT(*) FROM ILCE WHERE ILCEKOD=1810")).toInt(), 0);

        click(d.get(), "changeButton");
        choose(province, QStringLiteral("KONYA"));
        const int before = district->count();
        nextName = QStringLiteral("AKŞEHİR");
        click(d.get(), "addDistrictButton");
        QVERIFY2(prompter_.informed.isEmpty(), qPrintable(prompter_.informed.join(QLatin1Char('|'))));
        QCOMPARE(district->count(), before + 1);
        QCOMPARE(district->currentText(), QStringLiteral("AKŞEHİR"));
        QCOMPARE(district->currentData().toInt(), 1810);

        struct Bad {
            int code;
            const char *name;
            const char *said;
        };
        for (const Bad &b : {Bad{1810, "BAŞKA", "kayıtlıdır"}, Bad{0, "SIFIR", "İlçe kodu"},
                             Bad{40000, "BÜYÜK", "İlçe kodu"}, Bad{1811, "  ", "İlçe adını"},
                             Bad{1812, "ÇOK UZUN BİR İLÇE ADI OLUR", "en fazla 20"}}) {
            prompter_.informed.clear();
            nextCode = b.code;
            nextName = QString::fromUtf8(b.name);
            click(d.get(), "addDistrictButton");
            QCOMPARE(prompter_.informed.size(), 1);
            QVERIFY2(prompter_.informed.first().contains(QString::fromUtf8(b.said)), qPrintable(prompter_.informed.first()));
        }
        QCOMPARE(s_->main().scalar(QStringLiteral("SELECT COUNT(*) FROM ILCE WHERE ILKOD=42")).toInt(), before + 1);

        prompter_.informed.clear();
        nextName = QStringLiteral("AKŞEHİR MERKEZ");
        click(d.get(), "renameDistrictButton");
        QVERIFY(prompter_.informed.isEmpty());
        QCOMPARE(district->currentText(), QStringLiteral("AKŞEHİR MERKEZ"));
        QCOMPARE(s_->main().scalar(QStringLiteral("SELECT ILCE FROM ILCE WHERE ILCEKOD=1810")).toString().trimmed(),
                 QStringLiteral("AKŞEHİR MERKEZ"));
        click(d.get(), "changeButton");
        QCOMPARE(stored("ILKOD").toInt(), 42);
        QCOMPARE(stored("ILCEKOD").toInt(), 1810);
    }

    void identityQuerySettingsStored()
    {
        auto d = open();
        click(d.get(), "changeButton");
        child<QLineEdit>(d.get(), "nviyolEdit")->setText(QStringLiteral("/opt/kimlik"));
        child<QLineEdit>(d.get(), "nviusrEdit")->setText(QStringLiteral("belediye"));
        child<QLineEdit>(d.get(), "nvipswdEdit")->setText(QStringLiteral("gizli'şifre"));
        QCOMPARE(child<QLineEdit>(d.get(), "nvipswdEdit")->echoMode(), QLineEdit::Password);
        click(d.get(), "changeButton");
        QCOMPARE(stored("NVIUSR").toString().trimmed(), QStringLiteral("belediye"));
        QCOMPARE(stored("NVIPSWD").toString().trimmed(), QStringLiteral("gizli'şifre"));
        QCOMPARE(s_->settings.NVIYOL, QStringLiteral("/opt/kimlik"));
        QCOMPARE(AppSettings::read().NVIYOL, QStringLiteral("/opt/kimlik"));
        QCOMPARE(s_->ctx.NVIUSR, QStringLiteral("belediye"));
        // Shown again on the next opening.
        auto e = open();
        QCOMPARE(child<QLineEdit>(e.get(), "nviyolEdit")->text(), QStringLiteral("/opt/kimlik"));
        QCOMPARE(child<QLineEdit>(e.get(), "nviusrEdit")->text(), QStringLiteral("belediye"));
        exec(QStringLiteral("UPDATE PTANIM SET NVIUSR=NULL, NVIPSWD=NULL"));
    }

    void fieldsAndUnitsStored()
    {
        auto d = open();
        click(d.get(), "changeButton");
        child<QLineEdit>(d.get(), "kurumEdit")->setText(QStringLiteral("  YENİ BELEDİYE "));
        child<QLineEdit>(d.get(), "yearEdit")->setText(QStringLiteral("2027"));
        child<QLineEdit>(d.get(), "mailEdit")->setText(QStringLiteral("ik@yeni.bel.tr"));
        child<QLineEdit>(d.get(), "skodEdit")->setText(QStringLiteral("12345"));
        child<QLineEdit>(d.get(), "sadiEdit")->setText(QStringLiteral("YENİ MUHASEBE"));
        child<QLineEdit>(d.get(), "issnEdit")->setText(QStringLiteral("12345678901234567890123456"));
        child<QLineEdit>(d.get(), "mhostEdit")->setText(QStringLiteral("smtp.yeni.bel.tr"));
        child<QLineEdit>(d.get(), "muhyolEdit")->setText(QStringLiteral("/srv/muhasebe"));
        child<QLineEdit>(d.get(), "nufusEdit")->clear();
        child<QLineEdit>(d.get(), "sbkodEdit")->setText(QStringLiteral("0999"));
        child<QLineEdit>(d.get(), "khesnoEdit")->setText(QStringLiteral("555"));
        child<QLineEdit>(d.get(), "kmusnoEdit")->setText(QStringLiteral("777"));
        child<QLineEdit>(d.get(), "bmailEdit")->setText(QStringLiteral("banka@ornek.com"));
        child<QLineEdit>(d.get(), "ttbaEdit")->setText(QStringLiteral("YENİ BANKA"));
        child<QLineEdit>(d.get(), "ttsaEdit")->clear();
        auto *active = child<QComboBox>(d.get(), "activeUnitCombo");
        active->setCurrentIndex(active->findData(kFenIsleri));
        click(d.get(), "noPayingUnitButton");
        QCOMPARE(child<QComboBox>(d.get(), "payingUnitCombo")->currentIndex(), -1);
        child<QCheckBox>(d.get(), "pekfarkCheck")->setChecked(true);
        child<QCheckBox>(d.get(), "yemekgssCheck")->setChecked(true);
        click(d.get(), "changeButton");
        QVERIFY(!d->isVisible());
        QVERIFY(prompter_.informed.isEmpty());

        const GeneralRow r = general::readGeneralRow(s_->main());
        QCOMPARE(r.KURUM, QStringLiteral("YENİ BELEDİYE"));
        QCOMPARE(r.CYIL, QStringLiteral("2027"));
        QCOMPARE(r.MAIL, QStringLiteral("ik@yeni.bel.tr"));
        QCOMPARE(r.SKOD, std::optional<int>(12345));
        QCOMPARE(r.SADI, QStringLiteral("YENİ MUHASEBE"));
        QCOMPARE(r.ISSN, QStringLiteral("12345678901234567890123456"));
        QCOMPARE(r.MHOST, QStringLiteral("smtp.yeni.bel.tr"));
        QCOMPARE(r.MUHYOL, QStringLiteral("/srv/muhasebe"));
        QVERIFY(stored("NUFUS").isNull());
        QCOMPARE(r.SBKOD, QStringLiteral("0999"));
        QCOMPARE(r.KHESNO, QStringLiteral("555"));
        QCOMPARE(r.KMUSNO, QStringLiteral("777"));
        QCOMPARE(r.BMAIL, QStringLiteral("banka@ornek.com"));
        QCOMPARE(r.TTBA, QStringLiteral("YENİ BANKA"));
        QVERIFY(stored("TTSA").isNull());
        QCOMPARE(r.MBKOD, std::optional<int>(kFenIsleri));
        QCOMPARE(r.MODEMEBKOD, std::optional<int>(0));
        QCOMPARE(r.PEKFARK, std::optional<bool>(true));
        QCOMPARE(r.YEMEKGV, std::optional<bool>(false));
        QCOMPARE(r.YEMEKGSS, std::optional<bool>(true));
        // "Kayıt" hands the accounting folder to the working context.
        QCOMPARE(s_->ctx.MUHYOL, QStringLiteral("/srv/muhasebe"));
        // Columns the screen does not show are left alone.
        QCOMPARE(stored("VER").toString().trimmed(), QStringLiteral("25.001"));
        QCOMPARE(stored("VERNO").toString().trimmed(), QStringLiteral("6480012345"));
    }

    void doubleClickFillsTheEmptyAccountingFolder()
    {
        exec(QStringLiteral("UPDATE PTANIM SET MUHYOL=NULL"));
        auto d = open();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        auto *muhyol = child<QLineEdit>(d.get(), "muhyolEdit");
        // Locked: nothing happens.
        QTest::mouseDClick(muhyol, Qt::LeftButton);
        QCOMPARE(muhyol->text(), QString());
        click(d.get(), "changeButton");
        QTest::mouseDClick(muhyol, Qt::LeftButton);
        QCOMPARE(muhyol->text(), QStringLiteral("/srv/zeran/DATA"));
        // A folder already typed is not replaced.
        muhyol->setText(QStringLiteral("/elle/yazilan"));
        QTest::mouseDClick(muhyol, Qt::LeftButton);
        QCOMPARE(muhyol->text(), QStringLiteral("/elle/yazilan"));
        muhyol->clear();
        QTest::mouseDClick(muhyol, Qt::LeftButton);
        click(d.get(), "exitButton");
        QCOMPARE(stored("MUHYOL").toString().trimmed(), QStringLiteral("/srv/zeran/DATA"));
    }

    void emblemAddedAndRemoved()
    {
        const QString bmp = files_.filePath(QStringLiteral("amblem.bmp"));
        QImage img(12, 8, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(bmp, "BMP"));
        QFile f(bmp);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QString notAPicture = files_.filePath(QStringLiteral("notlar.bmp"));
        {
            QFile t(notAPicture);
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write("bu bir resim değil");
        }
        QString chosen = bmp;
        int asked = 0;

        auto d = open();
        d->setPictureChooser([&](QWidget *) {
            ++asked;
            return chosen;
        });
        auto *picture = child<QLabel>(d.get(), "emblemPicture");
        QVERIFY(!child<QPushButton>(d.get(), "addEmblemButton")->isEnabled());
        QVERIFY(!child<QPushButton>(d.get(), "removeEmblemButton")->isEnabled());
        d->addEmblem();  // locked: no chooser
        QCOMPARE(asked, 0);

        click(d.get(), "changeButton");
        click(d.get(), "addEmblemButton");
        QCOMPARE(asked, 1);
        QVERIFY(!picture->pixmap().isNull());
        click(d.get(), "changeButton");
        QCOMPARE(stored("LOGO").toByteArray(), bytes);

        // A file that is no picture is refused; cancelling the chooser changes nothing.
        auto e = open();
        e->setPictureChooser([&](QWidget *) { return chosen; });
        QVERIFY(!child<QLabel>(e.get(), "emblemPicture")->pixmap().isNull());
        click(e.get(), "changeButton");
        chosen = notAPicture;
        click(e.get(), "addEmblemButton");
        QCOMPARE(prompter_.informed.size(), 1);
        QVERIFY(prompter_.informed.first().startsWith(QStringLiteral("DİKKAT! Resim dosyası okunamadı")));
        chosen.clear();
        click(e.get(), "addEmblemButton");
        QCOMPARE(e->editedRow().LOGO, bytes);
        // An icon is taken as well.
        chosen = files_.filePath(QStringLiteral("amblem.ico"));
        QVERIFY(img.save(chosen, "ICO"));
        click(e.get(), "addEmblemButton");
        QCOMPARE(prompter_.informed.size(), 1);
        QVERIFY(e->editedRow().LOGO.startsWith(QByteArray("\0\0\1\0", 4)));

        click(e.get(), "removeEmblemButton");
        QVERIFY(child<QLabel>(e.get(), "emblemPicture")->pixmap().isNull());
        click(e.get(), "exitButton");
        QVERIFY(stored("LOGO").isNull());
    }

    void unchangedRowIsNotWrittenBack()
    {
        // Another workstation changes the row while this screen is open; leaving without a
        // change must not put the old values back.
        auto d = open();
        exec(QStringLiteral("UPDATE PTANIM SET KURUM=:K"), {{QStringLiteral("K"), QStringLiteral("BAŞKA İSTASYON")}});
        click(d.get(), "exitButton");
        QCOMPARE(stored("KURUM").toString().trimmed(), QStringLiteral("BAŞKA İSTASYON"));

        auto e = open();
        click(e.get(), "changeButton");
        exec(QStringLiteral("UPDATE PTANIM SET KURUM=:K"), {{QStringLiteral("K"), QStringLiteral("ÜÇÜNCÜ")}});
        click(e.get(), "changeButton");
        QCOMPARE(stored("KURUM").toString().trimmed(), QStringLiteral("ÜÇÜNCÜ"));
    }

    void workingYearMustHaveFourDigits()
    {
        auto d = open();
        d->show();
        click(d.get(), "changeButton");
        child<QTabWidget>(d.get(), "pages")->setCurrentIndex(2);
        child<QLineEdit>(d.get(), "yearEdit")->setText(QStringLiteral("27"));
        click(d.get(), "changeButton");
        QCOMPARE(prompter_.informed, QStringList{QString::fromUtf8(ui::kYearFormatMessage)});
        QVERIFY(d->isVisible());
        QVERIFY(d->editing());
        QCOMPARE(child<QTabWidget>(d.get(), "pages")->currentIndex(), 0);
        QCOMPARE(stored("CYIL").toString().trimmed(), QStringLiteral("2026"));
        // "Çıkış" cannot drop the change either.
        click(d.get(), "exitButton");
        QVERIFY(d->isVisible());
        child<QLineEdit>(d.get(), "yearEdit")->setText(QStringLiteral("2027"));
        click(d.get(), "exitButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(stored("CYIL").toString().trimmed(), QStringLiteral("2027"));
    }

    void settingsWrittenAfterTheScreen()
    {
        test::clearSettings();
        QTemporaryDir cwd;
        ui::MainWindow w(*s_, cwd.path(), &prompter_);
        s_->settings.NVIYOL = QStringLiteral("/opt/kimlik");
        auto d = open(&w);
        click(d.get(), "changeButton");
        child<QLineEdit>(d.get(), "emkyolEdit")->setText(QStringLiteral("/cikti/emekli"));
        child<QLineEdit>(d.get(), "banyolEdit")->setText(QStringLiteral("/cikti/banka"));
        child<QLineEdit>(d.get(), "kurumEdit")->setText(QStringLiteral("SONRAKİ BELEDİYE"));
        click(d.get(), "exitButton");
        QVERIFY(!d->isVisible());
        QCOMPARE(s_->settings.EMKYOL, QStringLiteral("/cikti/emekli"));
        QCOMPARE(s_->settings.BANYOL, QStringLiteral("/cikti/banka"));

        w.afterGeneralDefinitions();
        QVERIFY(prompter_.informed.isEmpty());
        const AppSettings st = AppSettings::read();
        QCOMPARE(st.EMKYOL, QStringLiteral("/cikti/emekli"));
        QCOMPARE(st.BANYOL, QStringLiteral("/cikti/banka"));
        QCOMPARE(st.NVIYOL, QStringLiteral("/opt/kimlik"));
        // TANIMOKU ran: the context and the status bar show the stored row.
        QCOMPARE(s_->ctx.KURUM, QStringLiteral("SONRAKİ BELEDİYE"));
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("statusKurum"))->text(), QStringLiteral("SONRAKİ BELEDİYE"));
    }

    void rowRoundTrip_data()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }
    void rowRoundTrip()
    {
        QFETCH(test::Mode, mode);
        test::FreshDatabase fresh(mode);
        db::Database db(test::uniqueName("general"));
        db.open(fresh.params);
        GeneralRow r = general::readGeneralRow(db);
        QCOMPARE(r.VER, QStringLiteral("25.001"));
        r.KURUM = QStringLiteral("İĞDIR ŞEHİR ÇÖZÜM");
        r.ILKOD = 76;
        r.ILCEKOD = 1;
        r.SKOD = 2147483647;
        r.NUFUS = 0;
        r.MBKOD = 7;
        r.MODEMEBKOD = 0;
        r.SEN = QStringLiteral("4");
        r.KEF = QStringLiteral("3");
        r.BDTUR = QStringLiteral("6");
        r.MUHYOL = QStringLiteral("C:\\ZERAN\\MUHASEBE");
        r.PEKFARK = true;
        r.YEMEKGV = false;
        r.YEMEKGSS = true;
        r.LOGO = QByteArray("BM\0\0\x01\xff", 6);
        general::storeGeneralRow(db, r);
        QVERIFY(general::readGeneralRow(db) == r);

        // Emptied values go back to NULL.
        r.KURUM.clear();
        r.ILKOD.reset();
        r.ILCEKOD.reset();
        r.SKOD.reset();
        r.PEKFARK.reset();
        r.LOGO.clear();
        general::storeGeneralRow(db, r);
        QVERIFY(general::readGeneralRow(db) == r);
        QVERIFY(db.scalar(QStringLiteral("SELECT KURUM FROM PTANIM")).isNull());
        QVERIFY(db.scalar(QStringLiteral("SELECT PEKFARK FROM PTANIM")).isNull());
        db.close();
    }

    void failedSaveKeepsTheScreenOpen()
    {
        auto d = open();
        d->show();
        click(d.get(), "changeButton");
        child<QLineEdit>(d.get(), "kurumEdit")->setText(QStringLiteral("KAYDEDİLEMEZ"));
        exec(QStringLiteral("DELETE FROM PTANIM"));
        click(d.get(), "changeButton");
        QCOMPARE(prompter_.informed.size(), 1);
        QVERIFY(prompter_.informed.first().contains(QStringLiteral("PTANIM")));
        QVERIFY(d->isVisible());
        QVERIFY(d->editing());
        click(d.get(), "exitButton");
        QVERIFY(d->isVisible());
        QCOMPARE(prompter_.informed.size(), 2);
        d.reset();
        makeDatabase();  // the row is gone: later tests get a new database
    }

    void missingRowIsReportedOnOpening()
    {
        exec(QStringLiteral("DELETE FROM PTANIM"));
        GeneralDefinitionsDialog d(*s_, prompter_);
        QVERIFY(!d.load());
        QCOMPARE(prompter_.informed.size(), 1);
        makeDatabase();
    }
};

QTEST_MAIN(TestGeneralScreen)
#include "tst_generalscreen.moc"
