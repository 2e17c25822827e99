#include "supportsender.h"

#include "mailer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace zeran::supportmail {

namespace {

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

SendResult send(const Endpoint &endpoint, const Message &m, int timeoutSeconds)
{
    if (!endpoint.configured())
        return {false, kNotConfigured.toString()};
    if (!validAddress(endpoint.address))
        return {false, QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"%1\"").arg(endpoint.address)};
    if (const auto refused = check(m))
        return {false, refused->text};

    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    std::unique_ptr<CURL, void (*)(CURL *)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return {false, QStringLiteral("curl başlatılamadı")};
    CURL *c = curl.get();
    char error[CURL_ERROR_SIZE] = {};

    const QByteArray url = serverUrl(endpoint.server).toUtf8();
    const QByteArray from = "<" + m.sender.trimmed().toUtf8() + ">";
    const QByteArray to = "<" + endpoint.address.toUtf8() + ">";
    Slist recipients(nullptr), headers(nullptr);
    append(recipients, to);
    append(headers, "Date: " + rfcDate());
    append(headers, "From: " + bankfiles::headerWord(senderName(m.kind, m.institution)) + " " + from);
    append(headers, "To: " + to);
    append(headers, "Reply-To: " + to);
    append(headers, "Subject: " + bankfiles::headerWord(m.subject));
    append(headers, "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@zeran>");

    std::unique_ptr<curl_mime, void (*)(curl_mime *)> mime(curl_mime_init(c), curl_mime_free);
    curl_mimepart *text = curl_mime_addpart(mime.get());
    const QByteArray body = bodyBytes(m.text);
    curl_mime_data(text, body.constData(), size_t(body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "base64");
    for (const QString &path : m.attachments) {
        curl_mimepart *file = curl_mime_addpart(mime.get());
        if (curl_mime_filedata(file, QFile::encodeName(path).constData()) != CURLE_OK)
            return {false, QStringLiteral("DİKKAT! Ek dosya okunamadı: %1").arg(path)};
        curl_mime_filename(file, QFileInfo(path).fileName().toUtf8().constData());
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
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    // No login is sent, so TLS is taken when the server offers it and not demanded.
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));

    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK)
        return {false, QString::fromUtf8(error[0] ? error : curl_easy_strerror(rc))};
    return {true, {}};
}

}  // namespace zeran::supportmail
