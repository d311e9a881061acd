#include "cli/cli_app.h"

#include "cli/standard_commands.h"
#include "platform/app_info.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"

#include <exception>

QString cliVersionLine()
{
    return QStringLiteral("ksiega-cli (%1) %2")
        .arg(QString::fromUtf8(KSIEGA_PROGRAM_NAME), QStringLiteral(KSIEGA_VERSION));
}

QString cliUsage(const CommandRegistry &commands)
{
    QString usage = QStringLiteral("Użycie: ksiega-cli %1 POLECENIE [ARGUMENTY...]\nOpcje:\n")
                        .arg(globalOptionList().synopsis())
                    + globalOptionList().help()
                    + QStringLiteral("Zamiast --dr i --rok można podać dr=KATALOG (\"_\" oznacza "
                                     "spację) oraz rok RRRR.\n");
    if (commands.commands().empty())
        return usage + QStringLiteral("Brak dostępnych poleceń.\n");
    return usage
           + QStringLiteral("Opis polecenia i jego opcji: ksiega-cli POLECENIE --help\n"
                            "Polecenia:\n")
           + commandList(commands, false);
}

static int usageError(QTextStream &err, const QString &message, const CommandRegistry &commands)
{
    err << "ksiega-cli: " << message << '\n' << cliUsage(commands);
    err.flush();
    return CliUsageError;
}

int runCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    return runCli(args, out, err, standardCommands());
}

int runCli(const QStringList &args, QTextStream &out, QTextStream &err,
           const CommandRegistry &commands)
{
    const GlobalOptionsResult parsed = parseGlobalOptions(args);
    if (!parsed.ok())
        return usageError(err, parsed.error, commands);
    const GlobalOptions &options = parsed.options;
    if (options.version) {
        out << cliVersionLine() << '\n';
        return CliSuccess;
    }
    if (options.help) {
        out << cliUsage(commands);
        return CliSuccess;
    }
    QString error;
    const CommandEntry *command = commands.named(options.command, error);
    if (!command)
        return usageError(err, error, commands);
    const QString name = options.command.constFirst();

    ScriptedPrompter prompter(options.answers, &err);
    SilentProgress progress;
    CommandContext context{options, options.command.mid(1), out, err, prompter, progress};
    // A failure nobody caught still ends as a message and a failure code, not as an abort
    // with no word on what went wrong.
    try {
        const int code = runCommand(*command, name, context);
        out.flush();
        return code;
    } catch (const std::exception &failure) {
        out.flush();
        err << '[' << messageLevelName(MessageIcon::Error) << "] "
            << displayText(QString::fromUtf8(failure.what())) << '\n';
        err.flush();
        return CliFailed;
    }
}
