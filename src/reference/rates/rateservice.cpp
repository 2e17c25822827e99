#include "rateservice.h"

#include <QEventLoop>
#include <QSettings>
#include <QTcpSocket>
#include <QTimer>

namespace zeran::rates {

RateServiceEndpoint RateServiceEndpoint::fromText(const QString &textIn)
{
    const QString text = textIn.trimmed();
    RateServiceEndpoint e;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        e.host = text;
        return e;
    }
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return {QString(), 0};
    e.host = text.left(colon);
    e.port = quint16(port);
    return e;
}

RateServiceEndpoint configuredRateService()
{
    const QString env = qEnvironmentVariable("ZERAN_RATE_SERVICE");
    if (!env.trimmed().isEmpty())
        return RateServiceEndpoint::fromText(env);
    const QSettings s(QStringLiteral("ZIVO"), QStringLiteral("ZERAN"));
    return RateServiceEndpoint::fromText(s.value(QStringLiteral("ORANSUNUCU")).toString());
}

RateServiceClient::RateServiceClient(RateServiceEndpoint endpoint) : endpoint_(std::move(endpoint)) {}

std::optional<QStringList> RateServiceClient::exchange(const QStringList &lines, int replyLines, int connectTimeoutMs,
                                                       QString *error)
{
    auto fail = [error](const QString &why) -> std::optional<QStringList> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!endpoint_.isValid())
        return fail(QStringLiteral("güncelleme sunucusu tanımlı değil"));

    QTcpSocket socket;  // a fresh connection for every request
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);

    socket.connectToHost(endpoint_.host, endpoint_.port);
    timer.start(connectOverride_ > 0 ? connectOverride_ : connectTimeoutMs);
    while (socket.state() != QAbstractSocket::ConnectedState && !timedOut &&
           socket.state() != QAbstractSocket::UnconnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (socket.state() != QAbstractSocket::ConnectedState) {
        socket.abort();
        return fail(timedOut ? QStringLiteral("bağlantı zaman aşımı") : socket.errorString());
    }

    QByteArray request;
    for (const QString &l : lines)
        request += l.toLatin1() + "\r\n";
    socket.write(request);

    QByteArray buffer;
    QStringList reply;
    timedOut = false;
    timer.start(replyTimeout_);
    auto takeLines = [&] {
        qsizetype nl;
        while (reply.size() < replyLines && (nl = buffer.indexOf('\n')) >= 0) {
            QByteArray line = buffer.left(nl);
            buffer.remove(0, nl + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            reply << QString::fromLatin1(line);
        }
    };
    while (reply.size() < replyLines) {
        buffer += socket.readAll();
        takeLines();
        if (reply.size() >= replyLines)
            break;
        if (socket.state() != QAbstractSocket::ConnectedState) {
            buffer += socket.readAll();
            takeLines();
            // The last line may end with the connection instead of CR LF.
            if (reply.size() == replyLines - 1 && !buffer.isEmpty()) {
                if (buffer.endsWith('\r'))
                    buffer.chop(1);
                reply << QString::fromLatin1(buffer);
                buffer.clear();
            }
            break;
        }
        if (timedOut)
            break;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    timer.stop();
    socket.abort();  // disconnect after the last line
    if (reply.size() < replyLines)
        return fail(timedOut ? QStringLiteral("yanıt zaman aşımı (%1/%2 satır)").arg(reply.size()).arg(replyLines)
                             : QStringLiteral("yanıt eksik (%1/%2 satır)").arg(reply.size()).arg(replyLines));
    return reply;
}

std::optional<RateValues> RateServiceClient::fetch(const QStringList &request, const QStringList &order,
                                                   int connectTimeoutMs, QString *error)
{
    const auto lines = exchange(request, int(order.size()), connectTimeoutMs, error);
    if (!lines)
        return std::nullopt;
    RateValues values;
    for (int i = 0; i < order.size(); ++i) {
        const auto v = replyValue(lines->at(i), kindOf(order.at(i)));
        if (!v) {
            if (error)
                *error = QStringLiteral("%1. satır sayı değil (%2): \"%3\"").arg(i + 1).arg(order.at(i), lines->at(i));
            return std::nullopt;
        }
        values.insert(order.at(i), *v);
    }
    return values;
}

std::optional<RateValues> RateServiceClient::fetchLegal(const Period &period, QString *error)
{
    return fetch({QStringLiteral("MKAT1"), period.year, period.don, QString()}, legalReplyOrder(),
                 kLegalConnectTimeoutMs, error);
}

std::optional<RateValues> RateServiceClient::fetchTax(const Period &period, qint64 population, QString *error)
{
    return fetch({QStringLiteral("MKAT2"), period.year, period.don, QString::number(population)}, taxReplyOrder(),
                 kTaxConnectTimeoutMs, error);
}

}  // namespace zeran::rates
