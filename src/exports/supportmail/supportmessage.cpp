#include "supportmessage.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace zeran::supportmail {

QString senderName(Kind kind, const QString &institution)
{
    return (kind == Kind::Request ? QStringLiteral("ZERAN(İ):") : QStringLiteral("ZERAN(Ş):")) + institution;
}

bool validAddress(const QString &address)
{
    static const QRegularExpression plain(QStringLiteral("^[^@\\s<>\"(),;:]+@[^@\\s<>\"(),;:]+\\.[^@\\s<>\"(),;:]+$"));
    return plain.match(address).hasMatch();
}

namespace {

bool hasLineBreak(const QString &s)
{
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

}  // namespace

std::optional<Refusal> check(const Message &m)
{
    if (m.sender.trimmed().isEmpty())
        return Refusal{Field::Sender, kAddressMissing.toString()};
    if (!validAddress(m.sender.trimmed()))
        return Refusal{Field::Sender, QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"%1\"").arg(m.sender.trimmed())};
    if (m.text.trimmed().isEmpty())
        return Refusal{Field::Text, kTextMissing.toString()};
    if (hasLineBreak(m.subject) || hasLineBreak(m.institution))
        return Refusal{Field::Subject, QStringLiteral("DİKKAT! Konu ve gönderen adı satır sonu içeremez.")};
    if (m.attachments.size() > kMaxAttachments)
        return Refusal{Field::Attachment, kTooManyFiles.toString()};
    for (const QString &f : m.attachments) {
        const QFileInfo info(f);
        if (!info.isFile() || !info.isReadable())
            return Refusal{Field::Attachment, QStringLiteral("DİKKAT! Ek dosya okunamadı: %1").arg(f)};
    }
    return std::nullopt;
}

QByteArray bodyBytes(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n')).join(QLatin1String("\r\n")).toUtf8();
}

QString attachmentField(const QStringList &files)
{
    QString field;
    for (const QString &f : files)
        field += QLatin1Char(';') + f;
    return field;
}

Endpoint readEndpoint()
{
    const QSettings s(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
    return {s.value(QStringLiteral("DESTEKSRV")).toString().trimmed(),
            s.value(QStringLiteral("DESTEKMAIL")).toString().trimmed()};
}

QString serverUrl(const QString &serverIn)
{
    const QString server = serverIn.trimmed();
    if (server.startsWith(QLatin1String("smtp://")) || server.startsWith(QLatin1String("smtps://")))
        return server;
    static const QRegularExpression withPort(QStringLiteral("^(\\[[^\\]]+\\]|[^:]+):\\d+$"));
    if (withPort.match(server).hasMatch())
        return QStringLiteral("smtp://") + server;
    return QStringLiteral("smtp://%1:%2").arg(server).arg(kSupportPort);
}

}  // namespace zeran::supportmail
