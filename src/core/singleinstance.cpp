#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeran {

SingleInstance::SingleInstance(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    path_ = QDir(dir).filePath(name + QStringLiteral(".lock"));
}

bool SingleInstance::acquire()
{
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock whose process no longer runs is taken over at once; a live one is never stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    if (lock_->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        if (lock_->getLockInfo(&pid, &host, &app) && lock_->removeStaleLockFile() && lock_->tryLock(0))
            return true;
    }
    lock_.reset();
    return false;
}

void ensureRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const passwd *pw = ::getpwuid(::geteuid());
    const QByteArray user = pw ? QByteArray(pw->pw_name) : QByteArray::number(::geteuid());
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + user;
    ::mkdir(dir.constData(), 0700);
    struct stat st {};
    // Only a folder of our own that nobody else can enter; otherwise Qt's own handling.
    if (::lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & 0077) == 0)
        qputenv("XDG_RUNTIME_DIR", dir);
}

}  // namespace zeran
