// "BANKA LİSTESİ" offscreen: its fields and defaults, what re-runs the selection, producing the
// file (folder checks, the overwrite question, the merge), "Listeden Çıkar" and "Gönder" with a
// scripted mail sender.

#include "bankdialog.h"
#include "bankfixture.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace zeran;
using namespace zeran::bankfiles;
namespace fx = zeran::test::bank;

namespace {

struct ScriptedPickers : BankDialogPickers {
    QStringList files;  // answers of openFile, in order ("" = cancel)
    std::optional<QString> typedPassword = QStringLiteral("gizli");
    QStringList folders;
    QString openFile(QWidget *, const QString &folder, const QString &) override
    {
        folders << folder;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    std::optional<QString> password(QWidget *, const QString &) override { return typedPassword; }
};

struct Desk {
    Desk()
    {
        s.openMain(fresh.params);
        fx::fill(s.main());
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.AY = 1;
        s.ctx.today = QDate(2026, 1, 20);
        s.settings.BANYOL = banks.path();
    }
    std::unique_ptr<BankDialog> open(int unit = 0)
    {
        auto d = std::make_unique<BankDialog>(s, p, pickers, nullptr, unit);
        d->setMailSender([this](const MailServer &server, const MailMessage &m) {
            sentServer = server;
            sent << m;
            return mailAnswer;
        });
        return d;
    }
    void setting(const char *column, const QString &value)
    {
        settingsrow::store(s.main(), {{QString::fromLatin1(column), value}});
    }

    test::FreshDatabase fresh;
    QTemporaryDir banks;
    Session s;
    test::ScriptedPrompter p;
    ScriptedPickers pickers;
    QList<MailMessage> sent;
    MailServer sentServer;
    MailResult mailAnswer{true, {}};
};

template <typename W>
W *child(const QWidget &w, const char *name)
{
    W *c = w.findChild<W *>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

QString text(const QWidget &w, const char *name)
{
    return child<QLineEdit>(w, name)->text();
}

int rows(const QWidget &w)
{
    return child<QTableView>(w, "grid")->model()->rowCount();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestBankFilesUi : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheSettingsAndDefaults()
    {
        Desk desk;
        const auto d = desk.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("BANKA LİSTESİ"));
        QCOMPARE(text(*d, "bankName"), QStringLiteral("ÖRNEK BANKASI"));
        QCOMPARE(text(*d, "branchCode"), QStringLiteral("0712"));
        QCOMPARE(text(*d, "customerNo"), QStringLiteral("4815162"));
        QVERIFY(child<QLineEdit>(*d, "branchCode")->isReadOnly());
        QVERIFY(!child<QLineEdit>(*d, "accountNo")->isReadOnly());
        QCOMPARE(text(*d, "accountNo"), QStringLiteral("07120000123"));
        QCOMPARE(child<QComboBox>(*d, "monthBox")->currentText(), QStringLiteral("OCAK"));
        QComboBox *units = child<QComboBox>(*d, "unitBox");
        QStringList names;
        for (int i = 0; i < units->count(); ++i)
            names << units->itemText(i);
        QCOMPARE(names, QStringList({"TÜMÜ", "FEN İŞLERİ", "MECLİS", "YAZI İŞLERİ"}));
        QVERIFY(child<QRadioButton>(*d, "groupZeran")->isChecked());
        QCOMPARE(child<QRadioButton>(*d, "groupOther")->text(), QStringLiteral("Diğer Personel"));
        QVERIFY(child<QCheckBox>(*d, "addDifference")->isChecked());
        QVERIFY(!child<QCheckBox>(*d, "mergeBox")->isChecked());
        QVERIFY(!child<QCheckBox>(*d, "mergeBox")->isHidden());
        QVERIFY(child<QCheckBox>(*d, "ibanBox")->isHidden());
        QCOMPARE(text(*d, "paymentDate"), QStringLiteral("15.01.2026"));
        QCOMPARE(text(*d, "description"), QStringLiteral("OCAK 2026 ZERAN MAAŞLARI"));
        QCOMPARE(text(*d, "typeCode"), QStringLiteral("001"));
        QCOMPARE(text(*d, "total"), QStringLiteral("3.654,44"));
        QCOMPARE(text(*d, "filePath"), desk.banks.path() + QStringLiteral("/OCAK/ZER_4815162001.TXT"));
        QCOMPARE(rows(*d), 4);
        QCOMPARE(child<QPushButton>(*d, "createButton")->text(), QStringLiteral("Dosya Oluştur"));
        QCOMPARE(child<QPushButton>(*d, "sendButton")->text(), QStringLiteral("Gönder"));
        QCOMPARE(child<QPushButton>(*d, "closeButton")->text(), QStringLiteral("ESC-Çıkış"));
        QCOMPARE(child<QAction>(*child<QTableView>(*d, "grid"), "excludeAction")->text(), QStringLiteral("Listeden Çıkar"));

        // The templates show "IBAN Yaz" instead of "Birleştir" and name a workbook.
        desk.setting("BDTUR", QStringLiteral("6"));
        const auto t = desk.open(fx::kFen);
        QVERIFY(child<QCheckBox>(*t, "mergeBox")->isHidden());
        QVERIFY(!child<QCheckBox>(*t, "ibanBox")->isHidden());
        QCOMPARE(text(*t, "filePath"), desk.banks.path() + QStringLiteral("/OCAK/ZER_2-OCAK.XLS"));
    }

    void whatRerunsTheSelection()
    {
        Desk desk;
        const auto d = desk.open();
        QComboBox *units = child<QComboBox>(*d, "unitBox");
        units->setCurrentIndex(units->findData(fx::kFen));
        QCOMPARE(rows(*d), 2);
        QCOMPARE(text(*d, "filePath"), desk.banks.path() + QStringLiteral("/OCAK/ZER_2-4815162001.TXT"));
        child<QCheckBox>(*d, "mergeBox")->setChecked(true);
        QCOMPARE(text(*d, "filePath"), desk.banks.path() + QStringLiteral("/OCAK/BİRLEŞİK_2-4815162001.TXT"));
        child<QCheckBox>(*d, "mergeBox")->setChecked(false);
        units->setCurrentIndex(0);
        child<QRadioButton>(*d, "groupAll")->setChecked(true);
        QCOMPARE(rows(*d), 5);
        child<QRadioButton>(*d, "groupZeran")->setChecked(true);
        // The month alone changes nothing until the next trigger.
        child<QComboBox>(*d, "monthBox")->setCurrentIndex(1);
        QCOMPARE(rows(*d), 4);
        QCOMPARE(text(*d, "filePath"), desk.banks.path() + QStringLiteral("/OCAK/ZER_4815162001.TXT"));
        child<QCheckBox>(*d, "addDifference")->setChecked(false);
        QCOMPARE(rows(*d), 1);  // February: ALİ
        QCOMPARE(text(*d, "total"), QStringLiteral("999,00"));
        QCOMPARE(text(*d, "filePath"), desk.banks.path() + QStringLiteral("/ŞUBAT/ZER_4815162001.TXT"));
    }

    void producingTheFile()
    {
        Desk desk;
        const auto d = desk.open();
        const QString path = text(*d, "filePath");
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("Dosya oluşturma işlemi tamamlandı..."));
        const QByteArray first = readFile(path);
        QVERIFY(first.startsWith("H00004815162001"));
        QVERIFY(first.endsWith("T0000004000000000003654,44\r\n"));
        QCOMPARE(d->lastProduced(), path);

        // An existing file is replaced only after the question.
        child<QLineEdit>(*d, "description")->setText(QStringLiteral("YENİ"));
        desk.p.answers = {false};
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.asked.last(), QStringLiteral("Dosya zaten var. Üzerine yazılsın mı?"));
        QCOMPARE(readFile(path), first);
        desk.p.answers = {true};
        child<QPushButton>(*d, "createButton")->click();
        QVERIFY(readFile(path).contains("YEN\xDD"));

        // Merging: the earlier file is chosen in the month's folder; the file itself is refused.
        child<QCheckBox>(*d, "mergeBox")->setChecked(true);
        const QString merged = text(*d, "filePath");
        desk.pickers.files = {path};
        desk.p.answers = {true};
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.pickers.folders.last(), desk.banks.path() + QStringLiteral("/OCAK"));
        QVERIFY(readFile(merged).endsWith("T0000008000000000007308,88\r\n"));
        child<QLineEdit>(*d, "filePath")->setText(path);
        desk.pickers.files = {path};
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.informed.last(), kMergeIsTarget.toString());
        // Cancelling the choice of the earlier file stops.
        const int messages = desk.p.informed.size();
        desk.pickers.files = {QString()};
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.informed.size(), messages);
    }

    void checksBeforeWriting()
    {
        Desk desk;
        desk.s.settings.BANYOL = desk.banks.filePath(QStringLiteral("yok"));
        auto d = desk.open();
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("DİKKAT! Belirtilen Klasör Bulunamadı.\r") + desk.banks.filePath(QStringLiteral("yok")));

        desk.s.settings.BANYOL = desk.banks.path();
        desk.setting("SBKOD", QStringLiteral("712"));
        d = desk.open();
        child<QPushButton>(*d, "createButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("Şube Kodu 4 haneli olmalıdır."));
        QVERIFY(!QFile::exists(text(*d, "filePath")));

        // A row the bank cannot take is named and nothing is written.
        desk.setting("SBKOD", QStringLiteral("0712"));
        desk.s.main().exec(QStringLiteral("UPDATE SICIL SET BHN='TR120001200945200012345678' WHERE PKAYNO=8"));
        d = desk.open();
        child<QPushButton>(*d, "createButton")->click();
        QVERIFY2(desk.p.informed.last().contains(QStringLiteral("MEHMET ÖZ (Sicil No 8)")), qPrintable(desk.p.informed.last()));
        QVERIFY(!QFile::exists(text(*d, "filePath")));
    }

    void excludingAPerson()
    {
        Desk desk;
        const auto d = desk.open();
        QTableView *grid = child<QTableView>(*d, "grid");
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QAction *exclude = child<QAction>(*grid, "excludeAction");
        desk.p.answers = {false};
        exclude->trigger();
        QCOMPARE(desk.p.asked.last(), QStringLiteral("DİKKAT! Bu kişi Banka Listesinden çıkarılacaktır. Onaylıyormusunuz."));
        QCOMPARE(rows(*d), 4);
        desk.p.answers = {true};
        exclude->trigger();
        QCOMPARE(rows(*d), 3);
        QCOMPARE(desk.s.main().scalar(QStringLiteral("SELECT MBKOD FROM SICIL WHERE PKAYNO=1")).toString(), QStringLiteral("H"));
        QCOMPARE(text(*d, "total"), QStringLiteral("2.334,44"));
    }

    void sendingTheFile()
    {
        Desk desk;
        const auto d = desk.open();
        // Nothing produced yet and no file chosen.
        desk.pickers.files = {QString()};
        child<QPushButton>(*d, "sendButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("DİKKAT! Gönderilecek Dosyayı Seçiniz..."));
        QVERIFY(desk.sent.isEmpty());

        child<QPushButton>(*d, "createButton")->click();
        desk.pickers.typedPassword = QStringLiteral("yirmi-karakterlik-pa");
        child<QPushButton>(*d, "sendButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("Gönderme İşlemi Tamamlandı.."));
        QCOMPARE(desk.sent.size(), 1);
        const MailMessage &m = desk.sent.first();
        QCOMPARE(m.attachmentPath, d->lastProduced());
        QCOMPARE(m.subject, QStringLiteral("ÖRNEK BELEDİYESİ OCAK 2026 ZERAN MAAŞLARI"));
        QCOMPARE(m.senderAddress, QStringLiteral("maas@ornek.bel.tr"));
        QCOMPARE(m.to, QStringList({"banka@ornekbank.com.tr"}));
        QCOMPARE(desk.sentServer.user, QStringLiteral("maas@ornek.bel.tr"));
        QCOMPARE(desk.sentServer.password, QStringLiteral("yirmi-karakterl"));  // first 15 characters

        desk.mailAnswer = {false, QStringLiteral("bağlantı kurulamadı")};
        child<QPushButton>(*d, "sendButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("Gönderme İşleminde Hata Oluştu..\rbağlantı kurulamadı"));

        // "İptal" in the password dialog, an empty description, no mail address: nothing sent.
        desk.pickers.typedPassword.reset();
        child<QPushButton>(*d, "sendButton")->click();
        child<QLineEdit>(*d, "description")->clear();
        child<QPushButton>(*d, "sendButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("DİKKAT! Açıklama Bilgilerinizi Giriniz..."));
        desk.setting("MAIL", QString());
        child<QPushButton>(*d, "sendButton")->click();
        QCOMPARE(desk.p.informed.last(), QStringLiteral("DİKKAT! Mail Adresinizi Giriniz..."));
        QCOMPARE(desk.sent.size(), 2);
    }
};

QTEST_MAIN(TestBankFilesUi)
#include "tst_bankfiles_ui.moc"
