#include "cli/command_registry.h"

namespace {

const QString HelpOption = QStringLiteral("help");

CommandOptions withHelp(CommandOptions options)
{
    return options.flag(HelpOption, QStringLiteral("opis polecenia i jego opcji")).standsAlone();
}

// "edit NR POLE=WARTOŚĆ ...", "envelope NR [--pdf PLIK]"
QString calledAs(const QString &name, const CommandEntry &command)
{
    QStringList parts{name};
    if (!command.words.isEmpty())
        parts.append(command.words);
    if (!command.options.isEmpty())
        parts.append(command.options.synopsis());
    return parts.join(QLatin1Char(' '));
}

QString callLine(const QString &name, const CommandEntry &command)
{
    return QStringLiteral("Użycie: ksiega-cli %1\n").arg(calledAs(name, command));
}

QString groupUsage(const QString &name, const CommandRegistry &group)
{
    return QStringLiteral("Użycie: ksiega-cli %1 POLECENIE [ARGUMENTY...]\n"
                          "Opis polecenia i jego opcji: ksiega-cli %1 POLECENIE --help\n"
                          "Polecenia:\n")
               .arg(name)
           + commandList(group, true);
}

QString commandHelp(const QString &name, const CommandEntry &command)
{
    return callLine(name, command) + command.summary + QStringLiteral("\nOpcje:\n")
           + withHelp(command.options).help();
}

int printHelp(CommandContext &context, const QString &help)
{
    context.out << help;
    context.out.flush();
    return CliSuccess;
}

int runGroup(const CommandRegistry &group, CommandContext &context)
{
    static const CommandOptions options = withHelp(CommandOptions()).endAtFirstWord();
    const ParsedOptions given = options.parse(context.arguments);
    if (!given.ok())
        return usageError(context, given.error);
    if (given.isSet(HelpOption))
        return printHelp(context, context.usage);
    QString error;
    const CommandEntry *command = group.named(given.words, error);
    if (!command && !given.words.isEmpty() && group.otherwise()) {
        CommandContext all{context.options, given.words, context.out, context.err,
                           context.prompter, context.progress};
        return runCommand(*group.otherwise(), context.name, all);
    }
    if (!command)
        return usageError(context, error);
    const QString word = given.words.constFirst();
    CommandContext rest{context.options, given.words.mid(1), context.out, context.err,
                        context.prompter, context.progress};
    return runCommand(*command, context.name + QLatin1Char(' ') + word, rest);
}

} // namespace

CommandEntry &CommandEntry::takes(const QString &what)
{
    words = what;
    return *this;
}

CommandEntry &CommandEntry::flag(const QString &option, const QString &help)
{
    options.flag(option, help);
    return *this;
}

CommandEntry &CommandEntry::value(const QString &option, const QString &valueName,
                                  const QString &help)
{
    options.value(option, valueName, help);
    return *this;
}

CommandEntry &CommandEntry::required()
{
    options.required();
    return *this;
}

CommandEntry &CommandRegistry::add(const QString &name, const QString &summary, CommandFunction run)
{
    return add(name, CommandEntry{summary, QString(), CommandOptions(), std::move(run), nullptr});
}

CommandEntry &CommandRegistry::add(const QString &name, CommandEntry command)
{
    CommandEntry &entry = commands_[name];
    entry = std::move(command);
    return entry;
}

CommandRegistry &CommandRegistry::addGroup(const QString &name, const QString &summary)
{
    if (const CommandEntry *existing = find(name); existing && existing->subcommands)
        return *existing->subcommands;
    auto group = std::make_shared<CommandRegistry>();
    add(name, CommandEntry{summary, QString(), CommandOptions(), CommandFunction(), group});
    return *group;
}

CommandEntry &CommandRegistry::addOtherwise(const QString &summary, CommandFunction run)
{
    otherwise_ = std::make_shared<CommandEntry>(
        CommandEntry{summary, QString(), CommandOptions(), std::move(run), nullptr});
    return *otherwise_;
}

const CommandEntry *CommandRegistry::find(const QString &name) const
{
    const auto found = commands_.find(name);
    return found == commands_.cend() ? nullptr : &found->second;
}

const CommandEntry *CommandRegistry::named(const QStringList &words, QString &error) const
{
    if (words.isEmpty()) {
        error = QStringLiteral("Nie podano polecenia.");
        return nullptr;
    }
    const CommandEntry *command = find(words.constFirst());
    if (!command)
        error = QStringLiteral("Nieznane polecenie: %1").arg(words.constFirst());
    return command;
}

QString commandList(const CommandRegistry &commands, bool withWords)
{
    QList<std::pair<QString, QString>> lines;
    qsizetype width = 16;
    for (const auto &[name, command] : commands.commands()) {
        const QString left = withWords ? calledAs(name, command) : name;
        QString summary = command.summary;
        if (command.subcommands) {
            QStringList names;
            for (const auto &entry : command.subcommands->commands())
                names.append(entry.first);
            if (const CommandEntry *otherwise = command.subcommands->otherwise())
                names.append(otherwise->words);
            summary += QStringLiteral(": ") + names.join(QStringLiteral(" | "));
        }
        width = std::max(width, left.size());
        lines.append({left, summary});
    }
    if (const CommandEntry *otherwise = commands.otherwise()) {
        const QString left = withWords ? calledAs(QString(), *otherwise).trimmed() : otherwise->words;
        width = std::max(width, left.size());
        lines.append({left, otherwise->summary});
    }
    QString text;
    for (const auto &[left, summary] : lines)
        text += QStringLiteral("  %1  %2\n").arg(left, -int(width)).arg(summary);
    return text;
}

int runCommand(const CommandEntry &command, const QString &name, CommandContext &context)
{
    CommandContext named{context.options, context.arguments, context.out, context.err,
                         context.prompter, context.progress, {}, name, QString()};
    if (command.subcommands) {
        named.usage = groupUsage(name, *command.subcommands);
        return runGroup(*command.subcommands, named);
    }
    named.usage = callLine(name, command);
    ParsedOptions given = withHelp(command.options).parse(context.arguments);
    if (!given.ok())
        return usageError(named, given.error);
    if (given.isSet(HelpOption))
        return printHelp(named, commandHelp(name, command));
    named.arguments = given.words;
    named.given = std::move(given);
    return command.run(named);
}

int usageError(CommandContext &context, const QString &message)
{
    if (!message.isEmpty()) {
        context.err << "ksiega-cli";
        if (!context.name.isEmpty())
            context.err << ' ' << context.name;
        context.err << ": " << message << '\n';
    }
    context.err << context.usage;
    context.err.flush();
    return CliUsageError;
}
