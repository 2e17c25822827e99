#pragma once
// Mailing a produced file to the bank (SMTP through libcurl). A login is never sent in clear:
// with a user name the connection must turn to TLS (STARTTLS) or the mail is not sent. The
// subject, names and addresses are checked for line breaks before anything is sent, and every
// failure is reported, never taken for success.

#include <QString>
#include <QStringList>

#include <optional>

namespace zeran::bankfiles {

inline constexpr QStringView kMailSent = u"Gönderme İşlemi Tamamlandı..";
inline constexpr QStringView kMailFailed = u"Gönderme İşleminde Hata Oluştu..";
inline constexpr QStringView kChooseFile = u"DİKKAT! Gönderilecek Dosyayı Seçiniz...";
inline constexpr QStringView kMailMissing = u"DİKKAT! Mail Adresinizi Giriniz...";
inline constexpr QStringView kDescriptionMissing = u"DİKKAT! Açıklama Bilgilerinizi Giriniz...";

/// The port of the institution's mail server when PTANIM.MHOST names none.
inline constexpr int kMailPort = 8443;

struct MailServer {
    QString host;       ///< MHOST: "host", "host:port", or a URL "smtp://…" / "smtps://…"
    QString user;       ///< empty: no login
    QString password;
    QString caFile;     ///< extra certificate authority to trust (a private server); empty: the system's
    int timeoutSeconds = 120;
};

struct MailMessage {
    QString senderName;
    QString senderAddress;
    QStringList to;     ///< also the Reply-To
    QString subject;
    QString body;
    QString attachmentPath;
};

/// BMAIL's addresses: separated by ";", "," or white space.
QStringList splitAddresses(const QString &text);

/// The first reason the message may not be sent (a line break in the subject, a name or an
/// address, an address without "@", no recipient, no attachment file); nullopt when it may.
std::optional<QString> checkMessage(const MailMessage &message);

/// The URL curl connects to: "smtp://host:8443" unless MHOST says otherwise.
QString mailUrl(const QString &host);

/// "=?UTF-8?B?…?=" for a header text that is not plain ASCII; ASCII stays as it is.
QByteArray headerWord(const QString &text);

struct MailResult {
    bool sent = false;
    QString detail;  ///< the cause of a failure
};

/// Sends `message` (blocking; call it off the interface thread). Refused messages
/// (checkMessage) are not sent.
MailResult sendMail(const MailServer &server, const MailMessage &message);

/// One mail as it goes out, already checked by the caller's own rules: the SMTP exchange every
/// mail of the program shares (login only over TLS, headers encoded, any number of files).
struct Outgoing {
    QString senderName;
    QString senderAddress;
    QStringList to;  ///< also the Reply-To
    QString subject;
    QByteArray body;  ///< UTF-8 text
    QStringList attachments;
};
/// Sends `mail` (blocking). A line break in a header text is refused here too.
MailResult transmit(const MailServer &server, const Outgoing &mail);

}  // namespace zeran::bankfiles
