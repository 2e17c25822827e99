#pragma once
// Client of the rate-update service: one TCP connection per request, lines ending in CR LF.
//
//   legal rates: "MKAT1", year, period code, ""          -> 30 lines (legalReplyOrder())
//   tax rates:   "MKAT2", year, period code, population  -> 23 lines (taxReplyOrder())
//
// Numbers in the reply may use either decimal separator. The wait runs a local event loop,
// so the interface keeps painting; callers disable their commands meanwhile. A reply is
// taken only whole: a missing line or a line that is not a number fails the request and
// nothing of it is handed over.

#include "ratelogic.h"

#include <QString>

#include <optional>

namespace zeran::rates {

inline constexpr quint16 kRateServicePort = 1965;
inline constexpr int kLegalConnectTimeoutMs = 1000;
inline constexpr int kTaxConnectTimeoutMs = 15000;
/// How long the reply may keep the client waiting after connecting.
inline constexpr int kReplyTimeoutMs = 15000;

/// Where the service runs. The host is part of the installation's configuration.
struct RateServiceEndpoint {
    QString host;
    quint16 port = kRateServicePort;
    bool isValid() const { return !host.isEmpty() && port != 0; }
    /// "host" or "host:port" (port 1965 when not given); an invalid endpoint for bad text.
    static RateServiceEndpoint fromText(const QString &text);
};

/// The configured service: the environment variable ZERAN_RATE_SERVICE ("host[:port]"),
/// else the value "ORANSUNUCU" of the settings store (ZIVO/ZERAN). Invalid when neither is set.
RateServiceEndpoint configuredRateService();

class RateServiceClient {
public:
    explicit RateServiceClient(RateServiceEndpoint endpoint);

    /// Time-outs other than the service's own (tests).
    void setConnectTimeout(int ms) { connectOverride_ = ms; }
    void setReplyTimeout(int ms) { replyTimeout_ = ms; }

    /// "MKAT1": the 30 legal rates of the period by column name; nullopt on any failure
    /// (`error` then says what went wrong, for logs and tests).
    std::optional<RateValues> fetchLegal(const Period &period, QString *error = nullptr);
    /// "MKAT2": the 23 tax rates of the period by column name.
    std::optional<RateValues> fetchTax(const Period &period, qint64 population, QString *error = nullptr);

    /// Sends `lines` and reads `replyLines` lines back.
    std::optional<QStringList> exchange(const QStringList &lines, int replyLines, int connectTimeoutMs, QString *error);

private:
    std::optional<RateValues> fetch(const QStringList &request, const QStringList &order, int connectTimeoutMs,
                                    QString *error);

    RateServiceEndpoint endpoint_;
    int connectOverride_ = 0;
    int replyTimeout_ = kReplyTimeoutMs;
};

}  // namespace zeran::rates
