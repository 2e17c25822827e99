// Mailing the bank file to a local SMTP sink (aiosmtpd on 127.0.0.1, with STARTTLS and a login,
// or in clear): the message arrives with its attachment byte for byte and its Turkish subject;
// the password never goes over a connection that did not turn to TLS; a subject or address with
// a line break is refused before anything is sent; every failure is reported.

#include "mailer.h"
#include "smtpsink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeran::bankfiles;

namespace {

// argv: OUT CERT KEY MODE(tls|plain). Prints "READY port", then serves until stdin closes.
const char *const kSink = R"PY(
import base64, email, json, socket, ssl, sys
from email import policy
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

out, cert, key, mode = sys.argv[1:5]

class Handler:
    async def handle_DATA(self, server, session, envelope):
        msg = email.message_from_bytes(envelope.original_content, policy=policy.default)
        rec = {'rcpt': envelope.rcpt_tos, 'mail_from': envelope.mail_from,
               'tls': session.ssl is not None, 'auth': bool(session.authenticated),
               'subject': str(msg['subject']), 'from': str(msg['from']), 'to': str(msg['to']),
               'reply_to': str(msg['reply-to']), 'date': msg['date'] is not None,
               'headers': [k.lower() for k in msg.keys()], 'attachments': []}
        for part in msg.iter_attachments():
            rec['attachments'].append({'name': part.get_filename(),
                                       'data': base64.b64encode(part.get_payload(decode=True)).decode()})
        with open(out, 'a', encoding='utf-8') as f:
            f.write(json.dumps(rec, ensure_ascii=False) + '\n')
        return '250 OK'

def authenticator(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == b'maas@ornek.bel.tr' \
        and auth_data.password == b'gizli-parola'
    return AuthResult(success=ok, handled=False)

s = socket.socket(); s.bind(('127.0.0.1', 0)); port = s.getsockname()[1]; s.close()
kw = dict(hostname='127.0.0.1', port=port, authenticator=authenticator, auth_required=True,
          auth_require_tls=(mode == 'tls'))
if mode == 'tls':
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.load_cert_chain(cert, key)
    kw.update(tls_context=ctx, require_starttls=True)
c = Controller(Handler(), **kw)
c.start()
print('READY', port, flush=True)
sys.stdin.read()
c.stop()
)PY";

struct Sink : zeran::test::SmtpSink {
    Sink(const QTemporaryDir &dir, const QString &mode)
        : SmtpSink(kSink, dir.filePath(QStringLiteral("gelen-%1-%2.jsonl").arg(mode).arg(++count)),
                   {dir.filePath(QStringLiteral("cert.pem")), dir.filePath(QStringLiteral("key.pem")), mode})
    {
    }
    static inline int count = 0;
};

}  // namespace

class TestBankFilesMail : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString attachment;

    MailServer server(const Sink &sink, const QString &password = QStringLiteral("gizli-parola"))
    {
        MailServer s;
        s.host = QStringLiteral("127.0.0.1:%1").arg(sink.port);
        s.user = QStringLiteral("maas@ornek.bel.tr");
        s.password = password;
        s.caFile = dir.filePath(QStringLiteral("cert.pem"));
        s.timeoutSeconds = 30;
        return s;
    }

    MailMessage message()
    {
        MailMessage m;
        m.senderName = QStringLiteral("ÖRNEK BELEDİYESİ");
        m.senderAddress = QStringLiteral("maas@ornek.bel.tr");
        m.to = splitAddresses(QStringLiteral("maas@ornekbank.com.tr; yedek@ornekbank.com.tr"));
        m.subject = QStringLiteral("ÖRNEK BELEDİYESİ OCAK 2026 ZERAN MAAŞLARI");
        m.body = QStringLiteral("OCAK 2026 ZERAN MAAŞLARI");
        m.attachmentPath = attachment;
        return m;
    }

private slots:
    void initTestCase()
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                       QStringLiteral("-keyout"), dir.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                       dir.filePath(QStringLiteral("cert.pem"))});
        QVERIFY(openssl.waitForFinished(60000) && openssl.exitCode() == 0);
        QDir(dir.path()).mkpath(QStringLiteral("OCAK"));
        attachment = dir.filePath(QStringLiteral("OCAK/ZER_4815162001.TXT"));
        QFile f(attachment);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("H00004815162001\xDE\xD0\xDD\r\nDH0712\r\nT0000001000000000000000001\r\n");
    }

    void addressesAndUrls()
    {
        QCOMPARE(splitAddresses(QStringLiteral(" a@x.com;b@y.com , c@z.com ")),
                 QStringList({"a@x.com", "b@y.com", "c@z.com"}));
        QCOMPARE(mailUrl(QStringLiteral("mail.ornek.bel.tr")), QStringLiteral("smtp://mail.ornek.bel.tr:8443"));
        QCOMPARE(mailUrl(QStringLiteral("mail.ornek.bel.tr:587")), QStringLiteral("smtp://mail.ornek.bel.tr:587"));
        QCOMPARE(mailUrl(QStringLiteral("smtps://mail.ornek.bel.tr:465")), QStringLiteral("smtps://mail.ornek.bel.tr:465"));
        QCOMPARE(headerWord(QStringLiteral("ABC")), QByteArray("ABC"));
        QCOMPARE(headerWord(QStringLiteral("Ş")), QByteArray("=?UTF-8?B?xZ4=?="));
    }

    void sentOverTlsWithTheAttachment()
    {
        Sink sink(dir, QStringLiteral("tls"));
        QVERIFY(sink.port);
        const MailResult r = sendMail(server(sink), message());
        QVERIFY2(r.sent, qPrintable(r.detail));
        const QList<QJsonObject> got = sink.received();
        QCOMPARE(got.size(), 1);
        const QJsonObject m = got.first();
        QVERIFY(m.value(QStringLiteral("tls")).toBool());
        QVERIFY(m.value(QStringLiteral("auth")).toBool());
        QCOMPARE(m.value(QStringLiteral("mail_from")).toString(), QStringLiteral("maas@ornek.bel.tr"));
        QCOMPARE(m.value(QStringLiteral("rcpt")).toArray().size(), 2);
        QCOMPARE(m.value(QStringLiteral("subject")).toString(), QStringLiteral("ÖRNEK BELEDİYESİ OCAK 2026 ZERAN MAAŞLARI"));
        QCOMPARE(m.value(QStringLiteral("from")).toString(), QStringLiteral("ÖRNEK BELEDİYESİ <maas@ornek.bel.tr>"));
        QCOMPARE(m.value(QStringLiteral("to")).toString(), QStringLiteral("maas@ornekbank.com.tr, yedek@ornekbank.com.tr"));
        QCOMPARE(m.value(QStringLiteral("reply_to")).toString(), m.value(QStringLiteral("to")).toString());
        QVERIFY(m.value(QStringLiteral("date")).toBool());
        const QJsonArray files = m.value(QStringLiteral("attachments")).toArray();
        QCOMPARE(files.size(), 1);
        QCOMPARE(files[0].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("ZER_4815162001.TXT"));
        QFile f(attachment);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QByteArray::fromBase64(files[0].toObject().value(QStringLiteral("data")).toString().toLatin1()), f.readAll());
    }

    void failuresAreReportedAndNothingIsSent_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("change");
        QTest::newRow("line break in the subject") << "tls" << "subject";
        QTest::newRow("line break in an address") << "tls" << "address";
        QTest::newRow("line break in the sender's name") << "tls" << "sender";
        QTest::newRow("no file") << "tls" << "file";
        QTest::newRow("wrong password") << "tls" << "password";
        QTest::newRow("server without TLS") << "plain" << "";
    }

    void failuresAreReportedAndNothingIsSent()
    {
        QFETCH(QString, mode);
        QFETCH(QString, change);
        Sink sink(dir, mode);
        QVERIFY(sink.port);
        MailMessage m = message();
        MailServer s = server(sink);
        if (change == QLatin1String("subject"))
            m.subject += QStringLiteral("\r\nBcc: kaçak@example.com");
        else if (change == QLatin1String("address"))
            m.to << QStringLiteral("a@x.com\r\nBcc: kaçak@example.com");
        else if (change == QLatin1String("sender"))
            m.senderName += QStringLiteral("\nBcc: kaçak@example.com");
        else if (change == QLatin1String("file"))
            m.attachmentPath = dir.filePath(QStringLiteral("yok.txt"));
        else if (change == QLatin1String("password"))
            s.password = QStringLiteral("yanlış");
        const MailResult r = sendMail(s, m);
        QVERIFY(!r.sent);
        QVERIFY(!r.detail.isEmpty());
        QVERIFY(sink.received().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBankFilesMail)
#include "tst_bankfiles_mail.moc"
