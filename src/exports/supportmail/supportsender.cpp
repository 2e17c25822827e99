#include "supportsender.h"

#include "mailer.h"

namespace zeran::supportmail {

SendResult send(const Endpoint &endpoint, const Message &m, int timeoutSeconds)
{
    if (!endpoint.configured())
        return {false, kNotConfigured.toString()};
    if (!validAddress(endpoint.address))
        return {false, QStringLiteral("DİKKAT! Geçersiz e-posta adresi: \"%1\"").arg(endpoint.address)};
    if (const auto refused = check(m))
        return {false, refused->text};
    // The support server takes no login: the shared exchange tries TLS and does not demand it.
    bankfiles::MailServer server;
    server.host = serverUrl(endpoint.server);
    server.timeoutSeconds = timeoutSeconds;
    const bankfiles::MailResult r = bankfiles::transmit(
        server, {senderName(m.kind, m.institution), m.sender.trimmed(), {endpoint.address}, m.subject, bodyBytes(m.text),
                 m.attachments});
    return {r.sent, r.detail};
}

}  // namespace zeran::supportmail
