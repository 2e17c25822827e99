#pragma once
// Sending the support mail over SMTP without a login, through the program's one SMTP exchange
// (bankfiles::transmit). Refused messages are not sent; every failure is reported, never taken
// for success.

#include "supportmessage.h"

namespace zeran::supportmail {

struct SendResult {
    bool sent = false;
    QString detail;  ///< the cause of a failure
};

/// Sends `m` to `endpoint.address` (also the Reply-To), blocking. `timeoutSeconds` bounds the
/// whole exchange.
SendResult send(const Endpoint &endpoint, const Message &m, int timeoutSeconds = 60);

}  // namespace zeran::supportmail
