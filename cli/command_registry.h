#pragma once
// The commands ksiega-cli knows. Each subsystem adds its own commands to a registry that
// is built for the run and handed to the dispatcher, so tests can run the dispatcher over
// commands of their own. A command declares the words it takes and its options where it is
// added; the dispatcher reads the options, answers --help and hands the command the rest:
//
//   registry.add(QStringLiteral("summary"), QStringLiteral("zestawienie zbiorcze"), summary)
//       .flag(QStringLiteral("narastajaco"), QStringLiteral("sumy narastająco"))
//       .value(QStringLiteral("plik"), QStringLiteral("PLIK"), QStringLiteral("plik wydruku"));
//
// A group ("contractor") holds commands named by the word after its own name. A group may
// also have a command for every other first word, which then gets all the words:
//
//   CommandRegistry &imports = registry.addGroup(QStringLiteral("import"), ...);
//   imports.add(QStringLiteral("sales"), ...);                     // import sales ...
//   imports.addOtherwise(QStringLiteral("tabela z pliku"), importTable)
//       .takes(QStringLiteral("TABELA PLIK"));                    // import KONTRAHI plik.txt
//
// Adding a group that is already there gives the same group, so several subsystems can add
// their commands to it.

#include "cli/command_options.h"
#include "cli/global_options.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <map>
#include <memory>

class CommandRegistry;
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
    QStringList arguments; // the words after the command's name, its options taken out
    QTextStream &out;
    QTextStream &err;
    Prompter &prompter;
    Progress &progress;
    ParsedOptions given = {}; // the command's own options
    QString name = {};        // "contractor edit", for its messages
    QString usage = {};       // how the command is called, for its usage errors

    bool hasOption(const QString &option) const { return given.isSet(option); }
    std::optional<QString> option(const QString &option) const { return given.value(option); }
};

using CommandFunction = std::function<int(CommandContext &)>;

struct CommandEntry {
    QString summary; // one Polish line for the usage text
    QString words;   // what the command takes besides its options: "NR POLE=WARTOŚĆ ..."
    CommandOptions options;
    CommandFunction run; // empty for a group
    std::shared_ptr<CommandRegistry> subcommands;

    CommandEntry &takes(const QString &what);
    CommandEntry &flag(const QString &option, const QString &help);
    CommandEntry &value(const QString &option, const QString &valueName, const QString &help);
    CommandEntry &required();
};

class CommandRegistry {
public:
    CommandEntry &add(const QString &name, const QString &summary, CommandFunction run);
    CommandEntry &add(const QString &name, CommandEntry command);
    // A group of commands, added to the returned registry; the group of that name when there
    // is one already (its summary stays).
    CommandRegistry &addGroup(const QString &name, const QString &summary);
    // The command run when the first word names none of the registry's commands; it gets
    // every word, that one too.
    CommandEntry &addOtherwise(const QString &summary, CommandFunction run);
    const CommandEntry *find(const QString &name) const;
    // The command the first of `words` names; nothing, with `error` saying why, when none.
    const CommandEntry *named(const QStringList &words, QString &error) const;
    const std::map<QString, CommandEntry> &commands() const { return commands_; }
    const CommandEntry *otherwise() const { return otherwise_.get(); }

private:
    std::map<QString, CommandEntry> commands_;
    std::shared_ptr<CommandEntry> otherwise_;
};

// The commands, one a line: the name (with its words and options for `withWords`) and the
// summary; a group's summary names its commands.
QString commandList(const CommandRegistry &commands, bool withWords);

// Runs `command`, called `name` ("contractor edit"), over context.arguments: its options
// read, or its help printed for --help, or the subcommand a group's next word names.
int runCommand(const CommandEntry &command, const QString &name, CommandContext &context);

// Prints the message, when there is one, and how the command is called; returns
// CliUsageError.
int usageError(CommandContext &context, const QString &message = QString());
