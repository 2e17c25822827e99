#pragma once
// Shared helpers of the tests: fresh databases, embedded or on the tests' private server.

#include "database.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace zeran::test {

enum class Mode { Embedded, Server };

/// Connection parameters for a database file `file` in `dir`, embedded or on the server
/// that the test fixture started (ZERAN_TEST_SERVER / ZERAN_TEST_SERVER_PASSWORD).
db::ConnectParams params(Mode mode, const QString &dir, const QString &file = QStringLiteral("PERSONEL.GDB"));

/// A new main database at the current schema in a fresh folder that lives as long as this.
struct FreshDatabase {
    explicit FreshDatabase(Mode mode = Mode::Embedded);
    QTemporaryDir dir;
    db::ConnectParams params;
};

/// A process-unique connection name.
QString uniqueName(const char *prefix);

/// One run of zeran-cli (ZERAN_CLI): exit code and both outputs; code -1 on a time-out.
struct CliRun {
    int code = -1;
    QString out, err;
    QByteArray outBytes;  ///< stdout as written, for byte-exact golden files
};
CliRun runCli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
              int timeoutMs = 120000);

}  // namespace zeran::test
