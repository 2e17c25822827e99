#pragma once
// The request and complaint mail to the maker's support address, as plain data: the sender
// name with the kind letter and the institution, the checks before anything is sent, and
// where the support server and address come from.

#include <QString>
#include <QStringList>

#include <optional>

namespace zeran::supportmail {

enum class Kind { Request, Complaint };  ///< "İstek", "Şikayet"

inline constexpr QStringView kAddressMissing = u"DİKKAT! Mail Adresinizi Giriniz...";
inline constexpr QStringView kTextMissing = u"DİKKAT! Açıklama Bilgilerinizi Giriniz...";
inline constexpr QStringView kTooManyFiles = u"DİKKAT! Daha fazla dosya ekleyemezsiniz..";
inline constexpr QStringView kSendFailed = u"Gönderme İşleminde Hata Oluştu..";
inline constexpr QStringView kNotConfigured =
    u"DİKKAT! Destek mail sunucusu ve adresi ayarlarda tanımlı değil (DESTEKSRV, DESTEKMAIL).";
inline constexpr int kMaxAttachments = 3;
inline constexpr int kSupportPort = 25;

struct Message {
    Kind kind = Kind::Request;
    QString institution;   ///< the working context's KURUM
    QString sender;        ///< "Mail Adresiniz"
    QString subject;       ///< "Konu"
    QString text;          ///< "Açıklamalar"
    QStringList attachments;
};

/// "ZERAN(İ):" or "ZERAN(Ş):" followed by the institution name.
QString senderName(Kind kind, const QString &institution);

/// Which field a refusal points at, so the form can put the focus there.
enum class Field { None, Sender, Subject, Text, Attachment, Settings };

struct Refusal {
    Field field = Field::None;
    QString text;
};

/// The first reason the message may not be sent: an empty or malformed sender address, a line
/// break in the subject, an empty text, an attachment that is no readable file or one more than
/// three; nullopt when it may.
std::optional<Refusal> check(const Message &m);

/// A plain mail address: one "@" with text on both sides, no spaces, angle brackets or line
/// breaks.
bool validAddress(const QString &address);

/// The text's lines joined with CR LF, as a mail body is sent.
QByteArray bodyBytes(const QString &text);

/// The "Dosya Eki" field: each chosen name appended as ";" followed by the name.
QString attachmentField(const QStringList &files);

/// The support endpoints from the per-user settings (values DESTEKSRV and DESTEKMAIL).
struct Endpoint {
    QString server;   ///< "host", "host:port" or an "smtp://" URL; port 25 when none
    QString address;  ///< the maker's support address
    bool configured() const { return !server.trimmed().isEmpty() && !address.trimmed().isEmpty(); }
};
Endpoint readEndpoint();
/// The URL curl connects to.
QString serverUrl(const QString &server);

}  // namespace zeran::supportmail
