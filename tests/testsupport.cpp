#include "testsupport.h"

#include "schema.h"

#include <QDir>
#include <QProcess>
#include <atomic>

namespace zeran::test {

db::ConnectParams params(Mode mode, const QString &dir, const QString &file)
{
    db::ConnectParams p;
    p.path = QDir(dir).filePath(file);
    if (mode == Mode::Server) {
        p.server = qEnvironmentVariable("ZERAN_TEST_SERVER", QStringLiteral("127.0.0.1/3057"));
        p.password = qEnvironmentVariable("ZERAN_TEST_SERVER_PASSWORD");
    }
    return p;
}

FreshDatabase::FreshDatabase(Mode mode)
{
    params = zeran::test::params(mode, dir.path());
    schema::createMainDatabase(params);
}

QString uniqueName(const char *prefix)
{
    static std::atomic<int> n{0};
    return QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(++n);
}

CliRun runCli(const QStringList &args, const QProcessEnvironment &env, int timeoutMs)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ZERAN_CLI"), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        CliRun timedOut;
        timedOut.err = QStringLiteral("timeout");
        return timedOut;
    }
    CliRun r;
    r.code = p.exitCode();
    r.outBytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.outBytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace zeran::test
