#pragma once
// One running program per user. A lock file in the user's runtime folder: a holder that was
// killed leaves a stale lock that the next start takes over.

#include <QLockFile>
#include <QString>
#include <memory>

namespace zeran {

class SingleInstance {
public:
    /// `name` is the lock's name ("YZERAN.EXE" for the program).
    explicit SingleInstance(const QString &name);
    /// True when this process now holds the lock; false when another running process does.
    bool acquire();
    QString lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

/// Before the application object: when the session has no runtime folder (XDG_RUNTIME_DIR,
/// e.g. a login over ssh or a cron job), makes the private one Qt would fall back to
/// (<temp>/runtime-<user>, mode 0700) and names it, so Qt does not warn on every start.
void ensureRuntimeFolder();

inline const char *kAlreadyRunningMessage = "Dikkat! ZERAN Programı zaten çalışıyor....\rBirden Fazla Çalıştıramazsınız.";

}  // namespace zeran
