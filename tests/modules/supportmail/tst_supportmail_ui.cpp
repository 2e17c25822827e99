// "İSTEK ve ŞİKAYET KUTUSU" offscreen: "Gönder" disabled without the support settings, the
// sender address from the context, the checks with the focus put on the field, a fourth file
// refused (and the count new on reopening), a failed send leaving the form open, a sent message
// with the kind, the institution and the files.

#include "session.h"
#include "supportmaildialog.h"
#include "uitest.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran;
using namespace zeran::supportmail;
using namespace zeran::supportmail::ui;

class TestSupportMailUi : public QObject {
    Q_OBJECT

private slots:
    void form()
    {
        QTemporaryDir dir;
        QStringList files;
        for (int i = 0; i < 4; ++i) {
            files << dir.filePath(QStringLiteral("ek%1.txt").arg(i));
            QFile f(files.last());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        Session s;
        s.ctx.MAIL = QStringLiteral("bilgi@ornek.bel.tr");
        s.ctx.KURUM = QStringLiteral("ÖRNEK BELEDİYESİ");
        test::ScriptedPrompter p;

        {
            SupportMailDialog off(nullptr, s, p, Endpoint{});
            QVERIFY(!off.findChild<QPushButton *>(QStringLiteral("sendButton"))->isEnabled());
        }

        QList<Message> sent;
        bool fail = true;
        int chosen = 0;
        const Endpoint endpoint{QStringLiteral("destek.zivo.com.tr"), QStringLiteral("destek@zivo.com.tr")};
        auto sender = [&](const Endpoint &, const Message &m) {
            if (fail)
                return SendResult{false, QStringLiteral("bağlantı kurulamadı")};
            sent << m;
            return SendResult{true, {}};
        };
        auto chooser = [&](QWidget *) { return files.value(chosen++ % 4); };
        SupportMailDialog dialog(nullptr, s, p, endpoint, sender, chooser);
        dialog.show();
        auto *send = dialog.findChild<QPushButton *>(QStringLiteral("sendButton"));
        auto *address = dialog.findChild<QLineEdit *>(QStringLiteral("senderEdit"));
        auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("textEdit"));
        QVERIFY(send->isEnabled());
        QCOMPARE(address->text(), QStringLiteral("bilgi@ornek.bel.tr"));

        address->clear();
        send->click();
        QCOMPARE(p.informed.last(), kAddressMissing.toString());
        address->setText(QStringLiteral("ayse@ornek.bel.tr"));
        send->click();
        QCOMPARE(p.informed.last(), kTextMissing.toString());

        auto *attach = dialog.findChild<QPushButton *>(QStringLiteral("attachButton"));
        for (int i = 0; i < 4; ++i)
            attach->click();
        QCOMPARE(p.informed.last(), kTooManyFiles.toString());
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("attachmentsEdit"))->text(),
                 attachmentField(files.mid(0, 3)));

        dialog.findChild<QComboBox *>(QStringLiteral("kindBox"))->setCurrentIndex(1);
        dialog.findChild<QLineEdit *>(QStringLiteral("subjectEdit"))->setText(QStringLiteral("Şikayet konusu"));
        text->setPlainText(QStringLiteral("Açıklama"));
        send->click();
        QCOMPARE(p.informed.last(), kSendFailed.toString() + QStringLiteral("\rbağlantı kurulamadı"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.isVisible());

        fail = false;
        send->click();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].kind, Kind::Complaint);
        QCOMPARE(sent[0].institution, QStringLiteral("ÖRNEK BELEDİYESİ"));
        QCOMPARE(sent[0].sender, QStringLiteral("ayse@ornek.bel.tr"));
        QCOMPARE(sent[0].attachments, files.mid(0, 3));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // A new form counts its files anew.
        SupportMailDialog again(nullptr, s, p, endpoint, sender, chooser);
        again.findChild<QPushButton *>(QStringLiteral("attachButton"))->click();
        QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("attachmentsEdit"))->text().count(QLatin1Char(';')), 1);
    }
};

QTEST_MAIN(TestSupportMailUi)
#include "tst_supportmail_ui.moc"
