#include "identityquery.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>

namespace zeran::personnel {

QString identityFolder(const QString &nviyol)
{
    const QString f = nviyol.trimmed();
    return f.isEmpty() ? QStringLiteral("C:\\Windows") : f;
}

ProgramRunner::ProgramRunner(QObject *parent) : QObject(parent) {}

ProgramRunner::~ProgramRunner()
{
    abandon();
}

ProgramRunner::Outcome ProgramRunner::run(const QString &program, const QStringList &arguments,
                                          const QString &workingDir)
{
    if (running_)
        return Outcome::FailedToStart;

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    // Nobody reads the program's output: let it go nowhere instead of filling a pipe
    // until the program blocks.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    QEventLoop loop;
    bool ended = false;
    bool failed = false;
    connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            failed = true;
            ended = true;
            loop.quit();
        }
    });
    connect(&process, &QProcess::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    if (auto *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);

    abandoned_ = false;
    running_ = true;
    loop_ = &loop;
    emit runningChanged(true);
    process.start();
    if (!ended && !abandoned_)
        loop.exec();
    loop_ = nullptr;
    running_ = false;

    Outcome outcome = Outcome::Finished;
    if (failed) {
        outcome = Outcome::FailedToStart;
    } else if (!ended) {
        // Abandoned, or the application leaves its event loops: do not keep the program.
        process.kill();
        process.waitForFinished(3000);
        outcome = Outcome::Abandoned;
    }
    emit runningChanged(false);
    return outcome;
}

void ProgramRunner::abandon()
{
    if (!running_)
        return;
    abandoned_ = true;
    if (loop_)
        loop_->quit();
}

IdentityQueryResult runIdentityQuery(ProgramRunner &runner, const IdentityQueryInput &in)
{
    using Step = IdentityQueryResult::Step;
    IdentityQueryResult r;
    const QString number = in.number.trimmed();
    if (in.user.trimmed().isEmpty()) {
        r.step = Step::NoPermission;
        return r;
    }
    if (number.isEmpty()) {
        r.step = Step::NumberMissing;
        return r;
    }
    if (!isIdentityNumber(number)) {
        r.step = Step::NumberWrong;
        return r;
    }

    const QDir folder(in.folder);
    const QString resultPath = folder.filePath(QString::fromLatin1(kIdentityResultFile));
    // An old answer must never pass for this run's answer.
    if (QFile::exists(resultPath) && !QFile::remove(resultPath)) {
        r.step = Step::CouldNotStart;
        return r;
    }

    const auto outcome = runner.run(folder.filePath(QString::fromLatin1(kIdentityProgram)),
                                    {in.user, in.password, number}, in.folder);
    if (outcome == ProgramRunner::Outcome::FailedToStart) {
        r.step = Step::CouldNotStart;
        return r;
    }
    if (outcome == ProgramRunner::Outcome::Abandoned) {
        r.step = Step::Abandoned;
        return r;
    }

    QFile file(resultPath);
    if (!file.open(QIODevice::ReadOnly)) {
        r.step = Step::NoResultFile;
        return r;
    }
    const IdentityReading reading = readIdentityAnswer(identityFileLines(file.readAll()), number);
    switch (reading.kind) {
    case IdentityReading::Kind::QueryFailed:
        r.step = Step::QueryFailed;
        r.errorText = reading.errorText;
        break;
    case IdentityReading::Kind::Mismatch:
        r.step = Step::Mismatch;
        break;
    case IdentityReading::Kind::Unrecognised:
        r.step = Step::Unrecognised;
        break;
    case IdentityReading::Kind::Answer:
        r.step = Step::Answer;
        r.answer = reading.answer;
        break;
    }
    return r;
}

QString identityMessage(const IdentityQueryResult &r)
{
    using Step = IdentityQueryResult::Step;
    switch (r.step) {
    case Step::NoPermission: return QString::fromUtf8(kIdentityNoPermission);
    case Step::NumberMissing: return QString::fromUtf8(kIdentityNumberMissing);
    case Step::NumberWrong: return QString::fromUtf8(kIdentityNumberWrong);
    case Step::CouldNotStart: return QString::fromUtf8(kIdentityCouldNotStart);
    case Step::NoResultFile: return QString::fromUtf8(kIdentityNoFile);
    case Step::QueryFailed: return r.errorText;
    case Step::Mismatch: return QString::fromUtf8(kIdentityMismatch);
    case Step::Unrecognised:
    case Step::Abandoned:
    case Step::Answer: break;
    }
    return {};
}

}  // namespace zeran::personnel
