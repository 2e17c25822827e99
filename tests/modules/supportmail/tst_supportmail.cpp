// The support mail: the checks before sending (a table of cases), and the mail delivered to a
// local SMTP sink (aiosmtpd on 127.0.0.1, no login) with its Turkish sender name and subject,
// its body line for line and its attachments byte for byte; a refused or failed send reports.

#include "supportmessage.h"
#include "supportsender.h"
#include "smtpsink.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran::supportmail;

namespace {

// argv: OUT. Prints "READY port", then serves until stdin closes.
const char *const kSink = R"PY(
import base64, email, json, socket, sys
from email import policy
from aiosmtpd.controller import Controller

out = sys.argv[1]

class Handler:
    async def handle_DATA(self, server, session, envelope):
        msg = email.message_from_bytes(envelope.original_content, policy=policy.default)
        body = msg.get_body(preferencelist=('plain',))
        rec = {'rcpt': envelope.rcpt_tos, 'mail_from': envelope.mail_from,
               'subject': str(msg['subject']), 'from': str(msg['from']), 'to': str(msg['to']),
               'reply_to': str(msg['reply-to']), 'body': body.get_content() if body else '',
               'attachments': []}
        for part in msg.iter_attachments():
            rec['attachments'].append({'name': part.get_filename(),
                                       'data': base64.b64encode(part.get_payload(decode=True)).decode()})
        with open(out, 'a', encoding='utf-8') as f:
            f.write(json.dumps(rec, ensure_ascii=False) + '\n')
        return '250 OK'

s = socket.socket(); s.bind(('127.0.0.1', 0)); port = s.getsockname()[1]; s.close()
c = Controller(Handler(), hostname='127.0.0.1', port=port)
c.start()
print('READY', port, flush=True)
sys.stdin.read()
c.stop()
)PY";

struct Sink : zeran::test::SmtpSink {
    explicit Sink(const QTemporaryDir &dir) : SmtpSink(kSink, dir.filePath(QStringLiteral("gelen.jsonl"))) {}
};

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

}  // namespace

class TestSupportMail : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    Message message()
    {
        Message m;
        m.kind = Kind::Complaint;
        m.institution = QStringLiteral("ÖRNEK BELEDİYESİ");
        m.sender = QStringLiteral("ayse.celik@ornek.bel.tr");
        m.subject = QStringLiteral("Bordro çıktısında şikayet");
        m.text = QStringLiteral("Birinci satır ĞÜŞİÖÇ\nİkinci satır ığüşöç");
        return m;
    }

private slots:
    void senderNames()
    {
        QCOMPARE(senderName(Kind::Request, QStringLiteral("ÖRNEK BELEDİYESİ")), QStringLiteral("ZERAN(İ):ÖRNEK BELEDİYESİ"));
        QCOMPARE(senderName(Kind::Complaint, QStringLiteral("ÖRNEK BELEDİYESİ")), QStringLiteral("ZERAN(Ş):ÖRNEK BELEDİYESİ"));
        QCOMPARE(attachmentField({QStringLiteral("/a/b.txt"), QStringLiteral("/c.pdf")}), QStringLiteral(";/a/b.txt;/c.pdf"));
        QCOMPARE(bodyBytes(QStringLiteral("a\nb\r\nc")), QByteArray("a\r\nb\r\nc"));
        QCOMPARE(serverUrl(QStringLiteral("destek.ornek.com")), QStringLiteral("smtp://destek.ornek.com:25"));
        QCOMPARE(serverUrl(QStringLiteral("127.0.0.1:2525")), QStringLiteral("smtp://127.0.0.1:2525"));
        QCOMPARE(serverUrl(QStringLiteral("smtps://x:465")), QStringLiteral("smtps://x:465"));
    }

    void checks_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("refusal");
        const QString ok = QStringLiteral("a@b.com");
        QTest::newRow("may be sent") << ok << "Konu" << "metin" << 3 << int(Field::None) << QString();
        QTest::newRow("empty subject may be sent") << ok << "" << "metin" << 0 << int(Field::None) << QString();
        QTest::newRow("no address") << " " << "Konu" << "metin" << 0 << int(Field::Sender) << kAddressMissing.toString();
        QTest::newRow("no text") << ok << "Konu" << " \n" << 0 << int(Field::Text) << kTextMissing.toString();
        QTest::newRow("address without @") << "ab.com" << "Konu" << "metin" << 0 << int(Field::Sender)
                                           << QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"ab.com\"");
        QTest::newRow("address with a header") << "a@b.com\r\nBcc: c@d.com" << "Konu" << "metin" << 0 << int(Field::Sender)
                                               << QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"a@b.com\r\nBcc: c@d.com\"");
        QTest::newRow("subject with a line break") << ok << "Konu\r\nBcc: c@d.com" << "metin" << 0 << int(Field::Subject)
                                                   << QStringLiteral("DİKKAT! Konu ve gönderen adı satır sonu içeremez.");
        QTest::newRow("four files") << ok << "Konu" << "metin" << 4 << int(Field::Attachment) << kTooManyFiles.toString();
        QTest::newRow("missing file") << ok << "Konu" << "metin" << -1 << int(Field::Attachment)
                                      << QStringLiteral("DİKKAT! Ek dosya okunamadı: /yok/dosya.txt");
    }
    void checks()
    {
        QFETCH(QString, sender);
        QFETCH(QString, subject);
        QFETCH(QString, text);
        QFETCH(int, files);
        QFETCH(int, field);
        QFETCH(QString, refusal);
        Message m = message();
        m.sender = sender;
        m.subject = subject;
        m.text = text;
        if (files < 0)
            m.attachments << QStringLiteral("/yok/dosya.txt");
        for (int i = 0; i < files; ++i)
            m.attachments << write(dir, QStringLiteral("ek%1.txt").arg(i), "x");
        const auto r = check(m);
        QCOMPARE(int(r ? r->field : Field::None), field);
        QCOMPARE(r ? r->text : QString(), refusal);
    }

    void deliveredWithAttachments()
    {
        Sink sink(dir);
        QVERIFY(sink.port);
        const QByteArray binary("\x00\x01\xfe\xff PDF \r\n", 11);
        Message m = message();
        m.attachments << write(dir, QStringLiteral("hata ekranı.png"), binary)
                      << write(dir, QStringLiteral("not.txt"), "İzin notu\r\n");
        const Endpoint endpoint{QStringLiteral("127.0.0.1:%1").arg(sink.port), QStringLiteral("destek@zivo.com.tr")};
        const SendResult r = send(endpoint, m, 30);
        QVERIFY2(r.sent, qPrintable(r.detail));
        const auto got = sink.received();
        QCOMPARE(got.size(), 1);
        const QJsonObject mail = got[0];
        QCOMPARE(mail.value(QStringLiteral("rcpt")).toArray().first().toString(), QStringLiteral("destek@zivo.com.tr"));
        QCOMPARE(mail.value(QStringLiteral("mail_from")).toString(), QStringLiteral("ayse.celik@ornek.bel.tr"));
        QCOMPARE(mail.value(QStringLiteral("from")).toString(),
                 QStringLiteral("\"ZERAN(Ş):ÖRNEK BELEDİYESİ\" <ayse.celik@ornek.bel.tr>"));
        QCOMPARE(mail.value(QStringLiteral("subject")).toString(), QStringLiteral("Bordro çıktısında şikayet"));
        QCOMPARE(mail.value(QStringLiteral("reply_to")).toString(), QStringLiteral("destek@zivo.com.tr"));
        QCOMPARE(mail.value(QStringLiteral("body")).toString().trimmed(),
                 QStringLiteral("Birinci satır ĞÜŞİÖÇ\r\nİkinci satır ığüşöç"));  // line for line, CR LF
        const QJsonArray files = mail.value(QStringLiteral("attachments")).toArray();
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("hata ekranı.png"));
        QCOMPARE(QByteArray::fromBase64(files[0].toObject().value(QStringLiteral("data")).toString().toLatin1()), binary);
        QCOMPARE(QByteArray::fromBase64(files[1].toObject().value(QStringLiteral("data")).toString().toLatin1()),
                 QByteArray("İzin notu\r\n"));

        // Refused before anything is sent; an unreachable server is reported.
        Message bad = message();
        bad.subject = QStringLiteral("a\r\nBcc: x@y.com");
        QVERIFY(!send(endpoint, bad, 30).sent);
        QVERIFY(!send({QString(), QStringLiteral("destek@zivo.com.tr")}, message(), 30).sent);
        QCOMPARE(send({QString(), QString()}, message(), 30).detail, kNotConfigured.toString());
        QCOMPARE(sink.received().size(), 1);
        const SendResult down = send({QStringLiteral("127.0.0.1:1"), QStringLiteral("destek@zivo.com.tr")}, message(), 10);
        QVERIFY(!down.sent);
        QVERIFY(!down.detail.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSupportMail)
#include "tst_supportmail.moc"
