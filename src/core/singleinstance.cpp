#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

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

}  // namespace zeran
