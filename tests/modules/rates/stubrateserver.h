#pragma once
// A stand-in for the rate-update service on 127.0.0.1 and a free port: it reads the four
// request lines, answers with the lines it was given and closes; or it misbehaves as told.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace zeran::test {

class StubRateServer : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        Answer,       ///< send `reply` (each line + CR LF), then close
        Silent,       ///< accept and never answer
        CloseEarly,   ///< send the first `sendOnly` lines, then close
        NoFinalCrLf,  ///< send the reply with the last line unterminated, then close
    };

    QStringList reply;
    Behaviour behaviour = Behaviour::Answer;
    int sendOnly = 0;
    QList<QStringList> requests;  ///< the request lines of every connection
    QString lineEnd = QStringLiteral("\r\n");

    StubRateServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                requests.append(QStringList());
                const qsizetype index = requests.size() - 1;
                auto buffer = std::make_shared<QByteArray>();
                connect(s, &QTcpSocket::readyRead, s, [this, s, index, buffer] {
                    *buffer += s->readAll();
                    qsizetype nl;
                    while ((nl = buffer->indexOf("\r\n")) >= 0) {
                        requests[index] << QString::fromLatin1(buffer->left(nl));
                        buffer->remove(0, nl + 2);
                        if (requests[index].size() == 4)
                            answer(s);
                    }
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    quint16 port() const { return server_.serverPort(); }
    QString endpoint() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

private:
    void answer(QTcpSocket *s)
    {
        QByteArray out;
        switch (behaviour) {
        case Behaviour::Silent:
            return;
        case Behaviour::Answer:
            for (const QString &l : reply)
                out += l.toLatin1() + lineEnd.toLatin1();
            break;
        case Behaviour::CloseEarly:
            for (int i = 0; i < sendOnly && i < reply.size(); ++i)
                out += reply.at(i).toLatin1() + "\r\n";
            break;
        case Behaviour::NoFinalCrLf:
            for (int i = 0; i < reply.size(); ++i)
                out += reply.at(i).toLatin1() + (i + 1 < reply.size() ? QByteArray("\r\n") : QByteArray());
            break;
        }
        s->write(out);
        s->disconnectFromHost();
    }

    QTcpServer server_;
};

}  // namespace zeran::test
