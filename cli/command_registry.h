#pragma once
// The commands ksiega-cli knows. Each subsystem adds its own commands to a registry that
// is built for the run and handed to the dispatcher, so tests can run the dispatcher over
// commands of their own.

#include "cli/global_options.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

class Progress;
class Prompter;

enum CliExitCode : int {
    CliSuccess = 0,
    CliFailed = 1,      // the command was refused or could not be done
    CliUsageError = 2,
};

// What a command gets to work with. Messages and questions go through the prompter, which
// prints them on the error stream; only the command's own report goes to out.
struct CommandContext {
    const GlobalOptions &options;
    QStringList arguments; // the words after the command's name
    QTextStream &out;
    QTextStream &err;
    Prompter &prompter;
    Progress &progress;
};

using CommandFunction = std::function<int(CommandContext &)>;

struct CommandEntry {
    QString summary; // one Polish line for the usage text
    CommandFunction run;
};

class CommandRegistry {
public:
    void add(const QString &name, const QString &summary, CommandFunction run);
    const CommandEntry *find(const QString &name) const;
    const QMap<QString, CommandEntry> &commands() const { return commands_; }

private:
    QMap<QString, CommandEntry> commands_;
};
