#pragma once
// Subcommands register themselves: a file of the tool defines
//   static const zeran::cli::Registration reg("words", "words AMOUNT   ...", &wordsCommand);
// and main() finds it by its first word(s). A subcommand of two words ("rates show") is
// registered under "rates show".

#include "commands.h"

#include <QString>
#include <vector>

namespace zeran::cli {

using CommandFn = int (*)(const QStringList &args, Io io);

struct Command {
    QString name;
    QString usage;
    CommandFn run;
};

std::vector<Command> &commands();

struct Registration {
    Registration(const char *name, const char *usage, CommandFn run)
    {
        commands().push_back({QString::fromUtf8(name), QString::fromUtf8(usage), run});
    }
};

}  // namespace zeran::cli
