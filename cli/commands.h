#pragma once
// The subcommands of zeran-cli. Each returns the process exit code; errors go to stderr.

#include <QStringList>
#include <QTextStream>

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
/// Removes "--name" from args; true when it was there.
bool takeFlag(QStringList &args, const QString &name);

}  // namespace zeran::cli
