#pragma once
// The identity query: the outside program in the folder NVIYOL is started with its
// arguments as a list (never through a shell), the caller's window keeps working while it
// runs, and its answer file NVI.TXT is read afterwards.

#include "identity.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QEventLoop;
class QProcess;

namespace zeran::personnel {

inline constexpr const char *kIdentityProgram = "Mernis.Kps.Sample.Net.WCF.EXE";
inline constexpr const char *kIdentityResultFile = "NVI.TXT";

/// The program folder: NVIYOL, or "C:\Windows" when it is empty.
QString identityFolder(const QString &nviyol);

/// Starts a program and waits for its end in a local event loop, so the interface stays
/// responsive. The wait ends early when abandon() is called or the application quits; the
/// program is then stopped.
class ProgramRunner : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Finished, FailedToStart, Abandoned };

    explicit ProgramRunner(QObject *parent = nullptr);
    ~ProgramRunner() override;

    /// Runs `program` with `arguments` (each passed as one argument, unchanged) in
    /// `workingDir`. Not re-entrant: a call while running returns FailedToStart.
    Outcome run(const QString &program, const QStringList &arguments, const QString &workingDir);
    bool isRunning() const { return running_; }

public slots:
    /// Stops waiting (and stops the program); run() returns Abandoned.
    void abandon();

signals:
    void runningChanged(bool running);

private:
    bool running_ = false;
    bool abandoned_ = false;
    QPointer<QEventLoop> loop_;
};

/// What an identity query came to.
struct IdentityQueryResult {
    enum class Step {
        NoPermission,   ///< no NVI user name in the settings row
        NumberMissing,  ///< identity number empty
        NumberWrong,    ///< not 11 digits: the program was not started
        CouldNotStart,
        NoResultFile,
        QueryFailed,    ///< the program's own error text in `errorText`
        Unrecognised,   ///< the file's first line is not a known status: nothing shown
        Mismatch,
        Abandoned,      ///< the wait was given up (the application is closing)
        Answer,
    };
    Step step = Step::Unrecognised;
    QString errorText;
    IdentityAnswer answer;
};

/// Inputs of one query.
struct IdentityQueryInput {
    QString folder;    ///< identityFolder(NVIYOL)
    QString user;      ///< PTANIM.NVIUSR
    QString password;  ///< PTANIM.NVIPSWD
    QString number;    ///< the identity number of the record
};

/// Checks the inputs, starts the program ("user password number"), waits and reads the
/// answer. An answer file left by an earlier query is removed first, so that an answer can
/// only come from this run.
IdentityQueryResult runIdentityQuery(ProgramRunner &runner, const IdentityQueryInput &in);

/// The message a step shows; empty when it shows none (Answer, Unrecognised, Abandoned).
QString identityMessage(const IdentityQueryResult &r);

}  // namespace zeran::personnel
