// The contribution screens offscreen: the file screen's choices, paths, file and correction
// dialog; the ledger grid's saving and checks and the summary's print paths; the voucher's
// figures and print.

#include "codecombo.h"
#include "contributionfixture.h"
#include "contributionscreens.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

using namespace zeran;
using namespace zeran::contributions;
using namespace zeran::contributions::ui;
namespace fx = zeran::test::contributions;

namespace {

struct Desk {
    Desk()
    {
        s.openMain(fresh.params);
        fx::fillInstitution(s.main());
        s.activateContext(QDate(2026, 3, 20));
        s.settings.EMKYOL = out.path();
    }
    int count(const QString &sql) { return s.main().scalar(sql).toInt(); }

    test::FreshDatabase fresh;
    QTemporaryDir out;
    Session s;
    test::ScriptedPrompter p;
};

struct RecordingOutlet : PrintOutlet {
    bool answer = true;
    int dialogs = 0;
    QStringList previewed, printed;
    bool choosePrinter(QWidget *) override
    {
        ++dialogs;
        return answer;
    }
    void preview(QWidget *, const report::Document &doc) override { previewed << doc.title; }
    void print(const report::Document &doc) override { printed << doc.title; }
};

void choose(QWidget &w, const char *combo, const QString &text)
{
    auto *c = w.findChild<QComboBox *>(QLatin1String(combo));
    QVERIFY(c);
    const int i = c->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    c->setCurrentIndex(i);
}

QString cell(const QTableWidget *g, int row, int col)
{
    const QTableWidgetItem *item = g->item(row, col);
    return item ? item->text() : QString();
}

}  // namespace

class TestContributionScreens : public QObject {
    Q_OBJECT

private slots:
    void fileScreenFollowsItsChoices()
    {
        Desk d;
        ContributionFileDialog dialog(nullptr, d.s, d.p, 3);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("EMEKLİ KESENEĞİ "));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("monthCombo"))->currentText(), QStringLiteral("Mart"));
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("insuranceCombo"))->currentText(),
                 QStringLiteral("Emekli Sandığı"));
        QCOMPARE(dialog.shownGrid()->objectName(), QStringLiteral("fundGrid"));
        QCOMPARE(dialog.shownGrid()->rowCount(), 1);
        QCOMPARE(cell(dialog.shownGrid(), 0, 2), QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(cell(dialog.shownGrid(), 0, 5), QStringLiteral("03.05"));
        QCOMPARE(cell(dialog.shownGrid(), 0, 10), QStringLiteral("1.234,56"));
        QCOMPARE(QFileInfo(dialog.path()).fileName(), QStringLiteral("2026Mart_Emekli.TXT"));

        choose(dialog, "insuranceCombo", QStringLiteral("5510 S.Kanun"));
        QCOMPARE(dialog.findChild<QStackedWidget *>()->currentWidget()->objectName(), QStringLiteral("lawGrid"));
        QCOMPARE(dialog.shownGrid()->rowCount(), 1);
        QCOMPARE(cell(dialog.shownGrid(), 0, 2), QStringLiteral("OĞUZ IŞIK"));
        QCOMPARE(QFileInfo(dialog.path()).fileName(), QStringLiteral("2026Mart_5510.TXT"));
        choose(dialog, "payrollCombo", QStringLiteral("Fark Toplam"));
        QCOMPARE(QFileInfo(dialog.path()).fileName(), QStringLiteral("2026Mart_5510_farktoplam.TXT"));
        QCOMPARE(dialog.shownGrid()->rowCount(), 0);
        choose(dialog, "monthCombo", QStringLiteral("Nisan"));
        QCOMPARE(QFileInfo(dialog.path()).fileName(), QStringLiteral("2026Nisan_5510_farktoplam.TXT"));
    }

    void fileIsWrittenWithItsAuditLine()
    {
        Desk d;
        d.s.main().exec(QStringLiteral("UPDATE PTANIM SET UDUR='E',IZL='E'"));
        d.s.ctx.UDUR = d.s.ctx.IZL = QStringLiteral("E");
        ContributionFileDialog dialog(nullptr, d.s, d.p, 3);
        dialog.makeFile();
        QCOMPARE(d.p.informed, QStringList{QStringLiteral("Dosya oluşturma işlemi tamamlandı...")});
        QFile f(dialog.path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("12345678901;12345678;"));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE BOLUM='EK-LIST' AND ACIK='YIL:2026 AY:3 "
                                        "SİGORTA TÜRÜ:Emekli Sandığı'")),
                 1);

        // A folder that is not there: the message, no file, no audit line.
        d.p.informed.clear();
        dialog.findChild<QLineEdit *>(QStringLiteral("pathEdit"))->setText(d.out.filePath(QStringLiteral("yok/x.TXT")));
        dialog.makeFile();
        QCOMPARE(d.p.informed.size(), 1);
        QVERIFY(d.p.informed[0].startsWith(QStringLiteral("DİKKAT! Hata oluştuğundan işlem yapılamadı...")));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM IZLEM WHERE BOLUM='EK-LIST'")), 1);
    }

    void correctionRefusesATakenNumberAndSavesTheRest()
    {
        Desk d;
        // An insurance kind the dialog's list does not offer is kept as stored.
        d.s.main().exec(QStringLiteral("UPDATE ZERBORBIL SET GSSTUR='V' WHERE PKAYNO=1 AND BKOD=1"));
        ContributionFileDialog dialog(nullptr, d.s, d.p, 3);
        bool firstSaved = true;
        QString title, unit, firstMessage;
        dialog.runCorrection = [&](CorrectionDialog &c) -> bool {
            title = c.windowTitle();
            unit = c.findChild<QLineEdit *>(QStringLiteral("unitEdit"))->text();
            c.findChild<QLineEdit *>(QStringLiteral("retirementNumberEdit"))->setText(QStringLiteral("400"));  // person 4's
            firstSaved = c.save();
            firstMessage = d.p.informed.value(0);
            c.findChild<QLineEdit *>(QStringLiteral("retirementNumberEdit"))->setText(QStringLiteral("12 999"));
            return c.save();
        };
        dialog.editPerson(0);
        QCOMPARE(title, QStringLiteral("PERSONEL BİLGİLERİ"));
        QCOMPARE(unit, QStringLiteral("FEN İŞLERİ"));
        QVERIFY(!firstSaved);
        QCOMPARE(firstMessage, QStringLiteral("DİKKAT! Bu emekli Numarası tanımlıdır"));
        QCOMPARE(d.s.main().scalar(QStringLiteral("SELECT EMSNO FROM SICIL WHERE PKAYNO=1")).toString(),
                 QStringLiteral("12 999"));
        QCOMPARE(cell(dialog.shownGrid(), 0, 1), QStringLiteral("12 999"));
        QCOMPARE(dialog.shownGrid()->currentRow(), 0);
        QCOMPARE(d.s.main().scalar(QStringLiteral("SELECT GSSTUR FROM ZERBORBIL WHERE PKAYNO=1 AND BKOD=1")).toString().trimmed(),
                 QStringLiteral("V"));
    }

    void ledgerRowsAreTypedInPlace()
    {
        Desk d;
        RecordingOutlet outlet;
        LedgerDialog dialog(nullptr, d.s, d.p, outlet);
        QCOMPARE(dialog.unitBox()->count(), 2);
        QCOMPARE(dialog.unitBox()->currentText(), QStringLiteral("FEN İŞLERİ"));
        QCOMPARE(dialog.unitCode(), 1);
        QCOMPARE(dialog.people()->rowCount(), 3);
        QCOMPARE(cell(dialog.people(), 0, 0), QStringLiteral("AYŞE ÇELİK"));
        QCOMPARE(dialog.ledger()->rowCount(), 1);  // the empty row to add a month

        dialog.ledger()->item(0, 0)->setText(QStringLiteral("3"));
        QTRY_COMPARE(dialog.ledger()->rowCount(), 2);
        QCOMPARE(cell(dialog.ledger(), 0, 1), QStringLiteral("MART"));
        dialog.ledger()->item(0, 2)->setText(QStringLiteral("1.600,50"));
        QTRY_COMPARE(cell(dialog.ledger(), 0, 2), QStringLiteral("1.600,50"));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM EMKES WHERE PKAYNO=1 AND BKOD=1 AND TUR='1' AND YIL='2026' "
                                        "AND AY=3 AND ZER=1600.5")),
                 1);

        dialog.ledger()->item(1, 0)->setText(QStringLiteral("3"));  // the same month again
        QTRY_COMPARE(d.p.informed.size(), 1);
        dialog.ledger()->item(1, 0)->setText(QStringLiteral("13"));
        QTRY_COMPARE(d.p.informed.size(), 2);
        dialog.ledger()->item(0, 3)->setText(QStringLiteral("abc"));
        QTRY_COMPARE(d.p.informed.size(), 3);
        QTRY_COMPARE(cell(dialog.ledger(), 0, 3), QStringLiteral("0,00"));
        QCOMPARE(d.count(QStringLiteral("SELECT COUNT(*) FROM EMKES")), 1);

        choose(dialog, "unitCombo", QStringLiteral("ZABITA"));
        QCOMPARE(dialog.unitCode(), 2);
        QCOMPARE(dialog.people()->rowCount(), 2);
    }

    void summaryPrintPaths_data()
    {
        QTest::addColumn<QString>("oniz");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("one");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<int>("previews");
        QTest::addColumn<int>("prints");
        QTest::newRow("whole unit, preview") << "E" << true << false << 1 << 1 << 0;
        QTest::newRow("whole unit, straight to the printer") << "H" << true << false << 1 << 0 << 1;
        QTest::newRow("whole unit, printer dialog cancelled") << "E" << false << false << 1 << 0 << 0;
        QTest::newRow("whole unit, neither") << "X" << true << false << 1 << 0 << 0;
        QTest::newRow("one person: no printer dialog") << "E" << true << true << 0 << 1 << 0;
    }
    void summaryPrintPaths()
    {
        QFETCH(QString, oniz);
        QFETCH(bool, answer);
        QFETCH(bool, one);
        QFETCH(int, dialogs);
        QFETCH(int, previews);
        QFETCH(int, prints);
        Desk d;
        d.s.ctx.ONIZ = oniz;
        RecordingOutlet outlet;
        outlet.answer = answer;
        LedgerDialog dialog(nullptr, d.s, d.p, outlet);
        dialog.printSummary(one);
        QCOMPARE(outlet.dialogs, dialogs);
        QCOMPARE(outlet.previewed.size(), previews);
        QCOMPARE(outlet.printed.size(), prints);
        for (const QString &t : outlet.previewed + outlet.printed)
            QCOMPARE(t, QStringLiteral("2026 YILINA AİT ŞAHIS EMEKLİLİK KESENEKLERİ İCMAL BORDROSU"));
    }

    void voucherFiguresFollowTheUnit()
    {
        Desk d;
        d.s.main().exec(QStringLiteral("INSERT INTO EMKES (PKAYNO,BKOD,TUR,YIL,AY,ZER,DEV,ARTIS,BORC,ITAS,CEZA) "
                                       "VALUES (1,1,'1','2026',3,1600,2000,100,50,9,9)"));
        RecordingOutlet outlet;
        VoucherDialog dialog(nullptr, d.s, d.p, outlet);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Emekli Kesenekleri İcmal ve İhbar Fişi"));
        QCOMPARE(dialog.unitBox()->currentText(), QStringLiteral("TÜMÜ"));
        QCOMPARE(dialog.figures().total, Money());
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("bankEdit"))->text(), QStringLiteral("T.C. ZİRAAT BANKASI"));
        choose(dialog, "unitCombo", QStringLiteral("FEN İŞLERİ"));
        // 1600 + 100 + (2000 + 100) + 50 + health 30 (three result rows at 10).
        QCOMPARE(dialog.figures().total, fx::amount("3880"));
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("figure7"))->text(), QStringLiteral("3880,00"));
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("figure4"))->text(), QStringLiteral("2100,00"));
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("officerEdit"))->text(), QStringLiteral("SAYMAN 1"));
        outlet.answer = false;
        dialog.printVoucher();
        QCOMPARE(outlet.previewed.size(), 0);
        outlet.answer = true;
        d.s.ctx.ONIZ = QStringLiteral("H");  // the voucher is previewed whatever the setting
        dialog.printVoucher();
        QCOMPARE(outlet.previewed, QStringList{QStringLiteral("EMEKLİ KESİNTİLERİ İCMAL VE İHBAR FİŞİ")});
    }
};

QTEST_MAIN(TestContributionScreens)
#include "tst_contributionscreens.moc"
