#pragma once
// A local SMTP sink for the mail tests: a Python script (aiosmtpd on 127.0.0.1) that prints
// "READY port" once it listens, appends one JSON line per mail it receives to the file given
// as its first argument, and serves until its standard input closes.

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QtDebug>

namespace zeran::test {

class SmtpSink {
public:
    SmtpSink(const char *script, const QString &out, const QStringList &moreArguments = {}) : out_(out)
    {
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{QStringLiteral("-c"), QString::fromUtf8(script), out} + moreArguments);
        process_.waitForStarted();
        QElapsedTimer waited;
        waited.start();
        while (!process_.canReadLine() && waited.elapsed() < 30000 && process_.state() == QProcess::Running)
            process_.waitForReadyRead(1000);
        const QList<QByteArray> words = process_.readLine().trimmed().split(' ');
        if (words.size() == 2 && words[0] == "READY")
            port = words[1].toInt();
        if (!port)
            qWarning().noquote() << QString::fromUtf8(process_.readAllStandardError());
    }
    ~SmtpSink()
    {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(10000))
            process_.kill();
        process_.waitForFinished();
    }
    SmtpSink(const SmtpSink &) = delete;
    SmtpSink &operator=(const SmtpSink &) = delete;

    /// The mails received so far, one JSON object each.
    QList<QJsonObject> received() const
    {
        QList<QJsonObject> all;
        QFile f(out_);
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray &line : f.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    all << QJsonDocument::fromJson(line).object();
        return all;
    }

    int port = 0;

private:
    QProcess process_;
    QString out_;
};

}  // namespace zeran::test
