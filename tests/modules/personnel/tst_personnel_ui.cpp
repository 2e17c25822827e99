// The personnel screens driven as a clerk would: the registry record with its checks, its
// years of service and its identity query (through a stand-in program), the registry list,
// the pay-record dialogs, the quick-entry grid and the two person searches.

#include "identityresultdialog.h"
#include "payrecorddialog.h"
#include "personnelfixture.h"
#include "personsearchdialog.h"
#include "quickentrydialog.h"
#include "registrylistdialog.h"
#include "registryrecorddialog.h"
#include "seniority.h"
#include "session.h"
#include "stubprogram.h"
#include "ui/uitest.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::personnel;

namespace {

// Typing through the keyboard would abort on Turkish letters; setText is what a clerk's
// typing ends in.
void type(QWidget *w, const char *name, const QString &text)
{
    auto *e = w->findChild<QLineEdit *>(QLatin1String(name));
    QVERIFY2(e, name);
    e->setText(text);
}

QString field(QWidget *w, const char *name)
{
    auto *e = w->findChild<QLineEdit *>(QLatin1String(name));
    return e ? e->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString comboText(QWidget *w, const char *name)
{
    auto *c = w->findChild<QComboBox *>(QLatin1String(name));
    return c ? c->currentText() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void click(QWidget *w, const char *name)
{
    auto *b = w->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(b, name);
    b->click();
}

struct Screens {
    test::PersonnelFixture f;
    Session session;
    test::ScriptedPrompter prompter;

    Screens()
    {
        session.openMain(f.fresh.params);
        session.ctx.today = QDate(2026, 2, 15);
        session.ctx.UDUR = QStringLiteral("E");
        session.ctx.IZL = QStringLiteral("E");
        session.ctx.userName = QStringLiteral("AYŞE");
    }
    int persons() { return f.count(QStringLiteral("SELECT COUNT(*) FROM SICIL")); }
};

void fillRequired(QWidget *d)
{
    type(d, "adiField", QStringLiteral("Şükrü"));
    type(d, "soyadiField", QStringLiteral("Çelik"));
    type(d, "tcknoField", QStringLiteral("12345678901"));
    type(d, "emsnoField", QStringLiteral("1234567"));
}

}  // namespace

class TestPersonnelUi : public QObject {
    Q_OBJECT

private slots:
    void recordRefusesMissingFieldAndStays_data()
    {
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("message");
        QTest::newRow("first name") << "adiField" << QString::fromUtf8(kNameMissing);
        QTest::newRow("surname") << "soyadiField" << QString::fromUtf8(kSurnameMissing);
        QTest::newRow("identity number") << "tcknoField" << QString::fromUtf8(kIdentityMissing);
        QTest::newRow("retirement number") << "emsnoField" << QString::fromUtf8(kRetirementNumberMissing);
    }
    void recordRefusesMissingFieldAndStays()
    {
        QFETCH(QString, empty);
        QFETCH(QString, message);
        Screens s;
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.loadNew());
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        fillRequired(&d);
        type(&d, qPrintable(empty), QString());
        click(&d, "saveButton");
        QCOMPARE(s.prompter.informed, QStringList{message});
        QVERIFY(d.isVisible());
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit *>(empty));
        QCOMPARE(s.persons(), 0);
        QCOMPARE(s.f.count(QStringLiteral("SELECT COUNT(*) FROM IZLEM")), 0);
    }

    void recordNewPersonSaved()
    {
        Screens s;
        s.f.db.setGenerator(QStringLiteral("GEN_PKAYNO"), 57);
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.loadNew());
        d.show();
        fillRequired(&d);
        type(&d, "kgtField", QStringLiteral("01.03.2016"));
        QCOMPARE(d.seniorityText(), QStringLiteral("09"));
        auto *cins = d.findChild<QComboBox *>(QStringLiteral("cinsCombo"));
        cins->setCurrentIndex(cins->findText(QStringLiteral("Kadın")));
        type(&d, "fhtutField", QStringLiteral("1.250,75"));
        click(&d, "saveButton");
        QVERIFY(s.prompter.informed.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.savedPkayno(), 58);
        const Person p = *readPerson(s.f.db, 58);
        QCOMPARE(p.SOYADI, QStringLiteral("Çelik"));
        QCOMPARE(p.KGT, QDate(2016, 3, 1));
        QCOMPARE(p.CINS, QStringLiteral("K"));
        QCOMPARE(p.FHTUT, Money::parse(QStringLiteral("1250,75")));
        QCOMPARE(s.f.text(QStringLiteral("SELECT ACIK FROM IZLEM WHERE BOLUM='SICBIL' AND TUR='Y'")),
                 QStringLiteral("TCK NO: 12345678901ADI: Şükrü Çelik"));
    }

    void recordRefusesWhatIsNotADate()
    {
        Screens s;
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.loadNew());
        fillRequired(&d);
        type(&d, "dtarField", QStringLiteral("31.02.1980"));
        QVERIFY(!d.save());
        QCOMPARE(s.prompter.informed.size(), 1);
        QVERIFY(s.prompter.informed.first().contains(QStringLiteral("31.02.1980")));
        QCOMPARE(s.persons(), 0);
    }

    void seniorityWarning_data()
    {
        QTest::addColumn<int>("kidem");  // -1: no pay record
        QTest::addColumn<bool>("warned");
        QTest::newRow("pay record agrees") << 9 << false;
        QTest::newRow("pay record one year more") << 10 << true;
        QTest::newRow("no pay record") << -1 << false;
    }
    void seniorityWarning()
    {
        QFETCH(int, kidem);
        QFETCH(bool, warned);
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.person(5, QStringLiteral("Ali"), QStringLiteral("Veli"), QString(), QDate(2016, 3, 1));
        if (kidem >= 0)
            s.f.payRecord(5, 7, 1, QStringLiteral("E"), kidem);
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.load(5));
        QCOMPARE(d.seniorityText(), QStringLiteral("09"));
        QCOMPARE(s.prompter.informed, warned ? QStringList{QString::fromUtf8(kSeniorityWarning)} : QStringList{});
        // A warning only: nothing is changed.
        if (kidem >= 0)
            QCOMPARE(s.f.count(QStringLiteral("SELECT KIDEM FROM ZERBORBIL WHERE PKAYNO=5")), kidem);
    }

    void identityNumberRefusedWithoutStarting_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("10 digits") << "1234567890" << QString::fromUtf8(kIdentityNumberWrong);
        QTest::newRow("a letter among 11") << "1234567890A" << QString::fromUtf8(kIdentityNumberWrong);
        QTest::newRow("empty") << "" << QString::fromUtf8(kIdentityNumberMissing);
    }
    void identityNumberRefusedWithoutStarting()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        Screens s;
        test::StubProgram stub;
        stub.answer(test::answerLines(number));
        s.session.settings.NVIYOL = stub.folder();
        s.session.ctx.NVIUSR = QStringLiteral("KULLANICI");
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.loadNew());
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        type(&d, "tcknoField", number);
        click(&d, "nviButton");
        QCOMPARE(s.prompter.informed, QStringList{message});
        QVERIFY(!stub.started());
        QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("tcknoField")));
    }

    void identityQueryNeedsAnNviUser()
    {
        Screens s;
        test::StubProgram stub;
        s.session.settings.NVIYOL = stub.folder();
        s.session.ctx.NVIUSR.clear();
        RegistryRecordDialog d(s.session, s.prompter);
        QVERIFY(d.loadNew());
        type(&d, "tcknoField", QStringLiteral("12345678901"));
        d.queryIdentity();
        QCOMPARE(s.prompter.informed, QStringList{QString::fromUtf8(kIdentityNoPermission)});
        QVERIFY(!stub.started());
    }

    void identityMismatchLeavesRecordUnchanged()
    {
        Screens s;
        s.f.person(5, QStringLiteral("Ali"), QStringLiteral("Veli"));
        const QString tc = s.f.text(QStringLiteral("SELECT TCKNO FROM SICIL WHERE PKAYNO=5"));
        test::StubProgram stub;
        stub.answer(test::answerLines(QStringLiteral("99999999999")));
        s.session.settings.NVIYOL = stub.folder();
        s.session.ctx.NVIUSR = QStringLiteral("KULLANICI");
        RegistryRecordDialog d(s.session, s.prompter);
        int shown = 0;
        d.setIdentityResultHook([&](const IdentityAnswer &) {
            ++shown;
            return true;
        });
        QVERIFY(d.load(5));
        click(&d, "nviButton");
        QVERIFY(stub.started());
        QCOMPARE(s.prompter.informed, QStringList{QString::fromUtf8(kIdentityMismatch)});
        QCOMPARE(shown, 0);
        QCOMPARE(field(&d, "adiField"), QStringLiteral("Ali"));
        QCOMPARE(field(&d, "tcknoField"), tc);
        QVERIFY(field(&d, "adresField").isEmpty());
        QCOMPARE(s.f.text(QStringLiteral("SELECT ADI FROM SICIL WHERE PKAYNO=5")), QStringLiteral("Ali"));
    }

    void identityTakeOver_data()
    {
        QTest::addColumn<bool>("take");
        QTest::newRow("F5-Aktar") << true;
        QTest::newRow("F6-Vazgeç") << false;
    }
    void identityTakeOver()
    {
        QFETCH(bool, take);
        Screens s;
        test::StubProgram stub;
        stub.answer(test::answerLines(QStringLiteral("12345678901")));
        s.session.settings.NVIYOL = stub.folder();
        s.session.ctx.NVIUSR = QStringLiteral("KULLANICI");
        s.session.ctx.NVIPSWD = QStringLiteral("gizli");
        RegistryRecordDialog d(s.session, s.prompter);
        QString offeredAddress;
        bool answered = false;
        d.setIdentityResultHook([&](const IdentityAnswer &a) {
            IdentityResultDialog r(a);
            offeredAddress = r.shown(QStringLiteral("mahalleValue"));
            QTimer::singleShot(0, &r, [&r, take] {
                if (QTest::qWaitForWindowActive(&r))
                    QTest::keyClick(&r, take ? Qt::Key_F5 : Qt::Key_F6);
            });
            QTimer::singleShot(5000, &r, [&r] { r.done(-1); });  // a key that went nowhere
            const int result = r.exec();
            answered = result != -1;
            return result == QDialog::Accepted;
        });
        QVERIFY(d.loadNew());
        d.show();
        type(&d, "tcknoField", QStringLiteral("12345678901"));
        type(&d, "adiField", QStringLiteral("Eski"));
        click(&d, "nviButton");
        QVERIFY(answered);
        QVERIFY(s.prompter.informed.isEmpty());
        QCOMPARE(stub.arguments(), (QStringList{"KULLANICI", "gizli", "12345678901"}));
        QCOMPARE(offeredAddress, QStringLiteral("KARAGEDİK MAH."));
        if (take) {
            QCOMPARE(field(&d, "adiField"), QStringLiteral("ŞÜKRÜ"));
            QCOMPARE(field(&d, "soyadiField"), QStringLiteral("ÇELİK"));
            QCOMPARE(field(&d, "babaField"), QStringLiteral("İSMAİL"));
            QCOMPARE(field(&d, "anaField"), QStringLiteral("GÜLŞEN"));
            QCOMPARE(field(&d, "dtarField"), QStringLiteral("07.04.1981"));
            QCOMPARE(field(&d, "dyerField"), QStringLiteral("ÇANKIRI"));
            QCOMPARE(field(&d, "adresField"), QStringLiteral("KARAGEDİK MAH. ÖRNEK SK. 12/3"));
        } else {
            QCOMPARE(field(&d, "adiField"), QStringLiteral("Eski"));
            QVERIFY(field(&d, "adresField").isEmpty());
        }
        // Taken over into the screen only; the registry changes with "Kayıt".
        QCOMPARE(s.persons(), 0);
    }

    void identityResultDialogShowsAddressError()
    {
        const IdentityReading r =
            readIdentityAnswer(test::answerLines(QStringLiteral("12345678901"), false), QStringLiteral("12345678901"));
        IdentityResultDialog d(r.answer);
        QCOMPARE(d.windowTitle(), QStringLiteral("TCK Sorgu Sonucu"));
        QCOMPARE(d.shown(QStringLiteral("adsoyValue")), QStringLiteral("ŞÜKRÜ ÇELİK"));
        QCOMPARE(d.shown(QStringLiteral("cinsValue")), QStringLiteral("ERKEK / EVLİ"));
        QCOMPARE(d.shown(QStringLiteral("dtarValue")), QStringLiteral("07.04.1981"));
        QCOMPARE(d.shown(QStringLiteral("errorLine")), QStringLiteral("Adres bulunamadı"));
        QVERIFY(d.shown(QStringLiteral("ilValue")).isEmpty());
        QVERIFY(d.findChild<QPushButton *>(QStringLiteral("takeOverButton")));
        QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("dismissButton"))->text(), QStringLiteral("F6-Vazgeç"));
    }

    void registryListBrowse()
    {
        Screens s;
        s.f.person(1, QStringLiteral("Zeynep"), QStringLiteral("Acar"), QStringLiteral("300"));
        s.f.person(2, QStringLiteral("İsmail"), QStringLiteral("Yıldız"), QStringLiteral("100"));
        s.f.person(3, QStringLiteral("Çağrı"), QStringLiteral("Demir"), QStringLiteral("200"));
        RegistryListDialog d(s.session, s.prompter, RegistryListDialog::Mode::Browse);
        QList<std::optional<int>> opened;
        d.setRecordHook([&](std::optional<int> pk) -> std::optional<int> {
            opened << pk;
            if (pk)
                return std::nullopt;  // closed without saving
            s.f.person(4, QStringLiteral("Yeni"), QStringLiteral("Kişi"), QStringLiteral("050"));
            return 4;
        });
        QVERIFY(d.reload());
        QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("chooseButton"))->isVisible());
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("countLabel"))->text(), QStringLiteral("3 Kişi"));
        QCOMPARE(d.currentPkayno(), 2);  // ordered by retirement number

        d.search(QStringLiteral("20"));
        QCOMPARE(d.currentPkayno(), 3);
        d.setOrdering(1);
        QVERIFY(field(&d, "searchField").isEmpty());
        d.search(QStringLiteral("iS"));  // İsmail, ignoring case the Turkish way
        QCOMPARE(d.currentPkayno(), 2);

        auto *grid = d.findChild<QTableWidget *>(QStringLiteral("registryGrid"));
        emit grid->cellDoubleClicked(grid->currentRow(), 0);
        QCOMPARE(opened, (QList<std::optional<int>>{2}));

        click(&d, "addButton");
        QCOMPARE(opened.last(), std::nullopt);
        QCOMPARE(d.rowCount(), 4);
        QCOMPARE(d.currentPkayno(), 4);  // positioned on the person just saved
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("countLabel"))->text(), QStringLiteral("4 Kişi"));
        QVERIFY(!d.selection());
    }

    void registryListSelect()
    {
        Screens s;
        s.f.person(1, QStringLiteral("Zeynep"), QStringLiteral("Acar"), QStringLiteral("300"));
        s.f.person(2, QStringLiteral("Ali"), QStringLiteral("Yıldız"), QStringLiteral("100"));
        RegistryListDialog d(s.session, s.prompter, RegistryListDialog::Mode::Select);
        QVERIFY(d.reload());
        d.show();
        QVERIFY(d.findChild<QPushButton *>(QStringLiteral("chooseButton"))->isVisible());
        d.moveTo(1);
        auto *grid = d.findChild<QTableWidget *>(QStringLiteral("registryGrid"));
        emit grid->cellDoubleClicked(grid->currentRow(), 0);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.selection());
        QCOMPARE(d.selection()->PKAYNO, 1);
        QCOMPARE(d.selection()->EMSNO, QStringLiteral("300"));
    }

    void newPayRecordTakesNextCodeAndDefaults()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        for (int i = 1; i <= 13; ++i) {
            s.f.person(i, QStringLiteral("Kişi"), QString::number(i));
            s.f.payRecord(i, 7, i, i == 13 ? QStringLiteral("H") : QStringLiteral("E"));
        }
        s.f.person(20, QStringLiteral("Yeni"), QStringLiteral("Memur"), QStringLiteral("7777"));
        PayRecordDialog d(s.session, s.prompter, PayRecordKind::Salary, 7);
        d.setPersonPicker([] { return std::optional<RegistrySelection>({20, QStringLiteral("7777")}); });
        QVERIFY(d.startNew());
        QCOMPARE(field(&d, "pkaynoField"), QStringLiteral("20"));
        QCOMPARE(field(&d, "pkodField"), QStringLiteral("13"));
        QCOMPARE(field(&d, "adsoyField"), QStringLiteral("Yeni Memur"));
        QCOMPARE(field(&d, "emsnoField"), QStringLiteral("7777"));
        QCOMPARE(comboText(&d, "gssturCombo"), QStringLiteral("Emekli Sandığı"));
        QCOMPARE(comboText(&d, "durumCombo"), QStringLiteral("Evet"));
        QCOMPARE(comboText(&d, "perturCombo"), QStringLiteral("Zeran"));
        QCOMPARE(comboText(&d, "bkodCombo"), QStringLiteral("FEN İŞLERİ"));
        click(&d, "saveButton");
        QVERIFY(s.prompter.informed.isEmpty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.savedPkayno(), 20);
        const PayRecord r = *readPayRecord(s.f.db, 20, 7);
        QCOMPARE(r.PKOD, std::optional<int>(13));
        QCOMPARE(r.DURUM, QStringLiteral("E"));
        QCOMPARE(r.GSSTUR, QStringLiteral("E"));
        QCOMPARE(r.PERTUR, QStringLiteral("M"));
    }

    void personAlreadyInUnit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("onChoosing");
        QTest::addColumn<QStringList>("onSaving");
        QTest::newRow("salary: refused on saving")
            << int(PayRecordKind::Salary) << QStringList{} << QStringList{QString::fromUtf8(kAlreadyInUnit)};
        QTest::newRow("meeting fee: refused on choosing")
            << int(PayRecordKind::MeetingFee) << QStringList{QString::fromUtf8(kMeetingFeeAlreadyInUnit)}
            << QStringList{QString::fromUtf8(kChoosePerson)};
    }
    void personAlreadyInUnit()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, onChoosing);
        QFETCH(QStringList, onSaving);
        Screens s;
        s.f.unit(7, QStringLiteral("MECLİS"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        s.f.payRecord(1, 7, 1);
        PayRecordDialog d(s.session, s.prompter, PayRecordKind(kind), 7);
        d.setPersonPicker([] { return std::optional<RegistrySelection>({1, QStringLiteral("E1")}); });
        QVERIFY(d.startNew());
        QCOMPARE(s.prompter.informed, onChoosing);
        s.prompter.informed.clear();
        QVERIFY(!d.save());
        QCOMPARE(s.prompter.informed, onSaving);
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(s.f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL")), 1);
    }

    void cancelledPersonChoiceRefusedOnSaving()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        PayRecordDialog d(s.session, s.prompter, PayRecordKind::Salary, 7);
        d.setPersonPicker([] { return std::optional<RegistrySelection>(); });
        QVERIFY(d.startNew());
        QVERIFY(field(&d, "pkaynoField").isEmpty());
        type(&d, "pkodField", QStringLiteral("4"));
        click(&d, "saveButton");
        QCOMPARE(s.prompter.informed, QStringList{QString::fromUtf8(kChoosePerson)});
        QCOMPARE(s.f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL")), 0);
    }

    void codeRequiredAndFocused()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        PayRecordDialog d(s.session, s.prompter, PayRecordKind::Salary, 7);
        d.setPersonPicker([] { return std::optional<RegistrySelection>({1, QStringLiteral("E1")}); });
        QVERIFY(d.startNew());
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        type(&d, "pkodField", QString());
        click(&d, "saveButton");
        QCOMPARE(s.prompter.informed, QStringList{QString::fromUtf8(kCodeMissing)});
        QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("pkodField")));
        QCOMPARE(s.f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL")), 0);
    }

    void changeModeShowsStoredCodes()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.unit(8, QStringLiteral("ZABITA"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"), QStringLiteral("555"));
        s.f.payRecord(1, 7, 6);
        s.f.db.exec(QStringLiteral("UPDATE ZERBORBIL SET DURUM='Ü',GSSTUR='5',PERTUR='S',KIDEM=12 WHERE PKAYNO=1"));
        PayRecordDialog d(s.session, s.prompter, PayRecordKind::Salary, 7);
        QVERIFY(d.loadRecord(1));
        QCOMPARE(comboText(&d, "durumCombo"), QStringLiteral("Ücretsiz İzin"));
        QCOMPARE(comboText(&d, "gssturCombo"), QStringLiteral("5510 S.K."));
        QCOMPARE(comboText(&d, "perturCombo"), QStringLiteral("Sözleşmeli"));
        QCOMPARE(field(&d, "pkodField"), QStringLiteral("6"));
        QCOMPARE(field(&d, "emsnoField"), QStringLiteral("555"));
        // Moved to another unit through "Görev Birimi" with a new code.
        auto *unit = d.findChild<QComboBox *>(QStringLiteral("bkodCombo"));
        unit->setCurrentIndex(unit->findText(QStringLiteral("ZABITA")));
        emit unit->activated(unit->currentIndex());
        type(&d, "pkodField", QStringLiteral("2"));
        QVERIFY(d.save());
        QSqlQuery q = s.f.db.exec(QStringLiteral("SELECT BKOD,PKOD,DURUM,KIDEM FROM ZERBORBIL WHERE PKAYNO=1"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 8);
        QCOMPARE(q.value(1).toInt(), 2);
        QCOMPARE(q.value(2).toString().trimmed(), QStringLiteral("Ü"));
        QCOMPARE(q.value(3).toInt(), 12);
        QVERIFY(!q.next());
    }

    void meetingFeeKeepsStatusItsListLacks()
    {
        Screens s;
        s.f.unit(9, QStringLiteral("MECLİS"), QStringLiteral("M"), QStringLiteral("A"), QStringLiteral("M"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        s.f.payRecord(1, 9, 3, QStringLiteral("A"));
        PayRecordDialog d(s.session, s.prompter, PayRecordKind::MeetingFee, 9);
        QVERIFY(d.loadRecord(1));
        auto *durum = d.findChild<QComboBox *>(QStringLiteral("durumCombo"));
        QCOMPARE(durum->count(), 2);
        QCOMPARE(durum->currentIndex(), -1);
        QVERIFY(!d.findChild<QComboBox *>(QStringLiteral("gssturCombo"))->isVisibleTo(&d));
        type(&d, "pkodField", QStringLiteral("4"));
        QVERIFY(d.save());
        QCOMPARE(s.f.text(QStringLiteral("SELECT DURUM FROM ZERBORBIL WHERE PKAYNO=1 AND PKOD=4")), QStringLiteral("A"));
    }

    void quickEntryGrid()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.unit(8, QStringLiteral("ZABITA"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        s.f.person(2, QStringLiteral("Ayşe"), QStringLiteral("Kaya"), QString(), {}, QStringLiteral("K"));
        s.f.person(3, QStringLiteral("Can"), QStringLiteral("Er"));
        s.f.payRecord(1, 7, 1, QStringLiteral("E"), 3, QStringLiteral("1"));
        s.f.payRecord(2, 8, 1, QStringLiteral("E"), 3, QStringLiteral("2"));
        s.f.payRecord(3, 8, 2, QStringLiteral("H"));
        s.f.db.exec(QStringLiteral("UPDATE ZERBORBIL SET ESI='2',KAD=4 WHERE PKAYNO=1"));

        QuickEntryDialog d(s.session, s.prompter, 7);
        QVERIFY(d.load());
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.findChild<QLabel *>(QStringLiteral("unitLabel"))->text(), QStringLiteral("7 / FEN İŞLERİ"));
        QCOMPARE(d.rowCount(), 2);  // every unit's paid records
        QTableWidget *g = d.grid();
        QCOMPARE(g->item(1, QuickEntryDialog::Cins)->text(), QStringLiteral("Kadın"));
        QCOMPARE(g->item(0, QuickEntryDialog::Esi)->text(), QStringLiteral("Çalışmıyor"));
        QVERIFY(g->item(0, QuickEntryDialog::Esi)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(g->item(1, QuickEntryDialog::Esi)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(g->item(0, QuickEntryDialog::Tckno)->flags() & Qt::ItemIsEditable));

        // A clerk's edit: through the cell's editor, committed with Enter.
        g->setCurrentCell(0, QuickEntryDialog::Kad);
        g->editItem(g->item(0, QuickEntryDialog::Kad));
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        editor->setText(QStringLiteral("5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(g->item(0, QuickEntryDialog::Kad)->text(), QStringLiteral("5"));
        QCOMPARE(d.changes().size(), 1);
        QCOMPARE(s.f.count(QStringLiteral("SELECT KAD FROM ZERBORBIL WHERE PKAYNO=1")), 4);  // not before "Kayıt"

        click(&d, "saveButton");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.f.count(QStringLiteral("SELECT KAD FROM ZERBORBIL WHERE PKAYNO=1")), 5);
        QCOMPARE(s.f.text(QStringLiteral("SELECT ESI FROM ZERBORBIL WHERE PKAYNO=1")), QStringLiteral("2"));
    }

    void quickEntryCancelWritesNothing()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        s.f.payRecord(1, 7, 1);
        QuickEntryDialog d(s.session, s.prompter, 7);
        QVERIFY(d.load());
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.grid()->item(0, QuickEntryDialog::Der)->setData(Qt::UserRole + 1, 9);
        QCOMPARE(d.changes().size(), 1);
        QTest::keyClick(&d, Qt::Key_F6);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(s.f.db.scalar(QStringLiteral("SELECT DER FROM ZERBORBIL WHERE PKAYNO=1")).isNull());
    }

    void personSearch()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("ZABITA"));
        s.f.unit(8, QStringLiteral("FEN İŞLERİ"));
        s.f.unit(9, QStringLiteral("ESKİ BİRİM"), QStringLiteral("M"), QStringLiteral("P"));
        s.f.person(1, QStringLiteral("Ali"), QStringLiteral("Yılmaz"));
        s.f.person(2, QStringLiteral("Halil"), QStringLiteral("Kaya"));
        s.f.person(3, QStringLiteral("Veli"), QStringLiteral("Salih"));
        s.f.payRecord(1, 7, 1);
        s.f.payRecord(2, 8, 1);
        s.f.payRecord(3, 9, 1);
        PersonSearchDialog d(s.session, s.prompter);
        QVERIFY(d.load());
        auto *units = d.findChild<QComboBox *>(QStringLiteral("unitCombo"));
        QCOMPARE(units->count(), 4);
        QCOMPARE(units->itemText(0), QStringLiteral("TÜMÜ"));
        QCOMPARE(units->itemText(1), QStringLiteral("ESKİ BİRİM"));
        QCOMPARE(units->itemText(2), QStringLiteral("FEN İŞLERİ"));
        QCOMPARE(comboText(&d, "orderingCombo"), QStringLiteral("Adı Soyadı"));
        QCOMPARE(d.rowCount(), 3);

        d.setSearchText(QStringLiteral("ali"));
        QCOMPARE(d.rowCount(), 1);
        QCOMPARE(d.row(0).PKAYNO, 2);
        d.setSearchText(QString());
        d.setUnitIndex(units->findText(QStringLiteral("ZABITA")));
        QCOMPARE(d.rowCount(), 1);
        QCOMPARE(d.row(0).PKAYNO, 1);

        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *search = d.findChild<QLineEdit *>(QStringLiteral("searchField"));
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.pick());
        QCOMPARE(d.pick()->PKAYNO, 1);
        QCOMPARE(d.pick()->BKOD, 7);
    }

    void archivePersonSearch()
    {
        Screens s;
        s.f.unit(7, QStringLiteral("FEN İŞLERİ"));
        s.f.person(1, QStringLiteral("Zeki"), QStringLiteral("Ak"), QStringLiteral("111"));
        s.f.person(2, QStringLiteral("Ayla"), QStringLiteral("Su"), QStringLiteral("222"));
        s.f.person(3, QStringLiteral("Nuri"), QStringLiteral("Taş"));
        s.f.payRecord(1, 7, 1);
        s.f.payRecord(2, 7, 12);
        s.f.payRecord(3, 8, 1);
        ArchivePersonSearchDialog d(s.session, s.prompter, 7);
        QVERIFY(d.load());
        QCOMPARE(d.windowTitle(), QStringLiteral("ARŞİV PERSONEL ARAMA İŞLEMİ"));
        QCOMPARE(d.rowCount(), 2);
        d.search(QStringLiteral("12"));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *search = d.findChild<QLineEdit *>(QStringLiteral("searchField"));
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.pick(), std::optional<int>(2));

        ArchivePersonSearchDialog e(s.session, s.prompter, 7);
        QVERIFY(e.load());
        click(&e, "exitButton");
        QVERIFY(!e.pick());
    }
};

QTEST_MAIN(TestPersonnelUi)
#include "tst_personnel_ui.moc"
