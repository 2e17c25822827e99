// "DOSYA  KONTROL İŞLEMİ" offscreen: the question with the figures, the log and the progress of
// a run kept, a second run's log of only the start and end lines, a declined run, and a user
// other than the super-user refused.

#include "dbcheckdialog.h"
#include "dbchecklog.h"
#include "session.h"
#include "testsupport.h"
#include "uitest.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace zeran;
using namespace zeran::dbcheck;

class TestDbCheckUi : public QObject {
    Q_OBJECT

private slots:
    void runs()
    {
        test::FreshDatabase fresh;
        Session s;
        s.openMain(fresh.params);
        s.main().exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (1,'FEN İŞLERİ','M','N','A')"));
        s.main().exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (1,1,1,'E')"));
        s.main().exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM) VALUES (2,9,1,'E')"));
        s.ctx.CYIL = QStringLiteral("2026");
        s.ctx.KULNO = 1;
        test::ScriptedPrompter p;
        zeran::dbcheck::ui::DbCheckDialog dialog(nullptr, s, p);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DOSYA  KONTROL İŞLEMİ"));
        auto *start = dialog.findChild<QPushButton *>(QStringLiteral("startButton"));
        auto *log = dialog.findChild<QPlainTextEdit *>(QStringLiteral("logView"));
        auto *progress = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QVERIFY(start && log && progress);
        QCOMPARE(start->text(), QStringLiteral("BAŞLAT"));
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("exitButton")));

        p.answers = {false};
        start->click();
        QCOMPARE(p.asked.size(), 1);
        QVERIFY(p.asked[0].contains(QStringLiteral("Oluşturulacak emekli kesenekleri kaydı: 12")));
        QVERIFY(log->toPlainText().contains(kDeclined.toString()));
        QCOMPARE(s.main().scalar(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL")).toInt(), 2);

        p.answers = {true};
        start->click();
        QCOMPARE(progress->value(), 100);
        QVERIFY(log->toPlainText().contains(QStringLiteral("PERSONEL TANIMLARINDA TANIMSIZ 1 BİRİM KAYDI SİLİNDİ")));
        QCOMPARE(s.main().scalar(QStringLiteral("SELECT COUNT(*) FROM EMKES")).toInt(), 12);

        start->click();
        QCOMPARE(p.asked.size(), 2);  // nothing to change: no question
        QCOMPARE(log->toPlainText(), (startLines() + endLines()).join(QLatin1Char('\n')));

        s.ctx.KULNO = 2;
        start->click();
        QCOMPARE(p.informed.last(), kSuperUserOnly.toString());
    }
};

QTEST_MAIN(TestDbCheckUi)
#include "tst_dbcheck_ui.moc"
