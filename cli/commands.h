#pragma once
// The subcommands of zeran-cli. Each returns the process exit code; errors go to stderr.

#include "database.h"
#include "secrets.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace zeran {
class Session;
}

namespace zeran::cli {

struct Io {
    QTextStream &out;
    QTextStream &err;
};

int initDb(const QStringList &args, Io io);
int demoDb(const QStringList &args, Io io);
int check(const QStringList &args, Io io);

/// Reads "--name value" from args (removing both); empty when absent.
QString takeOption(QStringList &args, const QString &name);
/// A key option of a SMALLINT column ("--unit", "--person"): 0 when absent. Given, it must be
/// a whole number from 1 to 32767; otherwise the message is printed and false returned (exit 2).
bool takeKeyOption(QStringList &args, const QString &name, int &value, Io io, const char *command);

/// The database folder (the one argument left) and --server of a command.
struct Target {
    QString dir;
    QString server;
    Secrets secrets;
    db::ConnectParams mainParams() const;
    db::ConnectParams accountingParams() const;
};
/// Takes --server and expects exactly the folder to be left; nullopt after a message (exit 2).
std::optional<Target> takeTarget(QStringList &args, Io io, const char *command);
/// Removes "--name" from args; true when it was there.
bool takeFlag(QStringList &args, const QString &name);

/// Opens the main database of `t` in `s` through the program's own start-up checks (the
/// version gate, which upgrades an older database, and the result-row keys), so no command
/// reads or writes a database the program itself would refuse. 0, or the exit code after a
/// message on stderr.
int openMain(Session &s, const Target &t, Io io);

}  // namespace zeran::cli
