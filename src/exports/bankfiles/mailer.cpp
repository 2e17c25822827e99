#include "mailer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QUuid>

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace zeran::bankfiles {

namespace {

bool hasLineBreak(const QString &s)
{
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct SlistDeleter {
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

void append(Slist &list, const QByteArray &line)
{
    curl_slist *next = curl_slist_append(list.get(), line.constData());
    if (!next)
        throw std::bad_alloc();
    list.release();
    list.reset(next);
}

// "Fri, 11 Dec 2026 17:40:00 +0000": curl writes no Date header of its own.
QByteArray rfcDate()
{
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc() / 60;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
                             .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'));
    return (QLocale::c().toString(now, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss ")) + zone).toLatin1();
}

}  // namespace

QStringList splitAddresses(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

std::optional<QString> checkMessage(const MailMessage &m)
{
    if (hasLineBreak(m.subject) || hasLineBreak(m.senderName))
        return QStringLiteral("DİKKAT! Konu ve gönderen adı satır sonu içeremez.");
    QStringList addresses = m.to;
    addresses << m.senderAddress;
    for (const QString &a : addresses) {
        if (hasLineBreak(a) || a.contains(QLatin1Char('<')) || a.contains(QLatin1Char('>')) ||
            a.contains(QLatin1Char(' ')) || !a.contains(QLatin1Char('@')))
            return QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"%1\"").arg(a);
    }
    if (m.to.isEmpty())
        return QStringLiteral("DİKKAT! Alıcı adresi (Banka Mail Adresi) tanımlı değil.");
    if (!QFileInfo(m.attachmentPath).isFile())
        return kChooseFile.toString();
    return std::nullopt;
}

QString mailUrl(const QString &hostIn)
{
    const QString host = hostIn.trimmed();
    if (host.startsWith(QLatin1String("smtp://")) || host.startsWith(QLatin1String("smtps://")))
        return host;
    // "host:port" names its own port; a bare host (or an IPv6 address in brackets) gets 8443.
    static const QRegularExpression withPort(QStringLiteral("^(\\[[^\\]]+\\]|[^:]+):\\d+$"));
    if (withPort.match(host).hasMatch())
        return QStringLiteral("smtp://") + host;
    return QStringLiteral("smtp://%1:%2").arg(host).arg(kMailPort);
}

QByteArray headerWord(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            ascii = false;
    if (ascii)
        return text.toLatin1();
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

MailResult sendMail(const MailServer &server, const MailMessage &m)
{
    if (const auto refused = checkMessage(m))
        return {false, *refused};
    return transmit(server, {m.senderName, m.senderAddress, m.to, m.subject, m.body.toUtf8(), {m.attachmentPath}});
}

MailResult transmit(const MailServer &server, const Outgoing &m)
{
    if (hasLineBreak(m.subject) || hasLineBreak(m.senderName) || hasLineBreak(m.senderAddress) ||
        std::any_of(m.to.begin(), m.to.end(), hasLineBreak))
        return {false, QStringLiteral("DİKKAT! Konu ve gönderen adı satır sonu içeremez.")};
    if (server.host.trimmed().isEmpty())
        return {false, QStringLiteral("Mail sunucusu (MHOST) tanımlı değil.")};
    globalInit();
    std::unique_ptr<CURL, void (*)(CURL *)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return {false, QStringLiteral("curl başlatılamadı")};
    CURL *c = curl.get();
    char error[CURL_ERROR_SIZE] = {};

    const QByteArray url = mailUrl(server.host).toUtf8();
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const QByteArray from = "<" + m.senderAddress.trimmed().toUtf8() + ">";
    const QByteArray caFile = server.caFile.toLocal8Bit();
    const QByteArray toList = m.to.join(QStringLiteral(", ")).toUtf8();

    Slist recipients(nullptr), headers(nullptr);
    for (const QString &a : m.to)
        append(recipients, "<" + a.toUtf8() + ">");
    append(headers, "Date: " + rfcDate());
    append(headers, "From: " + headerWord(m.senderName) + " " + from);
    append(headers, "To: " + toList);
    append(headers, "Reply-To: " + toList);
    append(headers, "Subject: " + headerWord(m.subject));
    append(headers, "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@zeran>");

    std::unique_ptr<curl_mime, void (*)(curl_mime *)> mime(curl_mime_init(c), curl_mime_free);
    curl_mimepart *text = curl_mime_addpart(mime.get());
    curl_mime_data(text, m.body.constData(), size_t(m.body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "base64");
    for (const QString &attachment : m.attachments) {
        curl_mimepart *file = curl_mime_addpart(mime.get());
        const QByteArray path = QFile::encodeName(attachment);
        const QByteArray fileName = QFileInfo(attachment).fileName().toUtf8();
        if (curl_mime_filedata(file, path.constData()) != CURLE_OK)
            return {false, QStringLiteral("DİKKAT! Ek dosya okunamadı: %1").arg(attachment)};
        curl_mime_filename(file, fileName.constData());
        curl_mime_type(file, "application/octet-stream");
        curl_mime_encoder(file, "base64");
    }

    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(server.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (!server.user.isEmpty()) {
        // The password goes only over TLS: a server that cannot turn to TLS gets no mail.
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS, "AUTH=PLAIN");
    } else {
        // No login is sent, so TLS is taken when the server offers it and not demanded.
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    }
    if (!caFile.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, caFile.constData());

    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK)
        return {false, QString::fromUtf8(error[0] ? error : curl_easy_strerror(rc))};
    return {true, {}};
}

}  // namespace zeran::bankfiles
