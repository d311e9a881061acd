#include "cli/cli_app.h"
#include "platform/prompter.h"
#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <stdexcept>

// Runs the dispatcher in-process over the given commands and keeps what it printed.
struct CliRun {
    CliRun(const QStringList &args, const CommandRegistry &commands)
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        code = runCli(args, out, err, commands);
    }
    int code = -1;
    QString output;
    QString errors;
};

static CommandRegistry testCommands()
{
    CommandRegistry commands;
    commands.add("usun", "usuwa zapis po pytaniu", [](CommandContext &context) {
        context.prompter.inform("Zapis nr " + context.arguments.value(0));
        if (!context.prompter.confirm("Usunąć zapis?"))
            return int(CliFailed);
        context.out << "usunięto " << context.options.month.value_or("--") << '\n';
        return int(CliSuccess);
    });
    commands.add("awaria", "zawsze zawodzi", [](CommandContext &) -> int {
        throw std::runtime_error("Nie można otworzyć tabeli\rBaza : KSIEGA.DB");
    });
    return commands;
}

TEST(Cli, DispatchesToTheCommandWithItsArgumentsAndAnswers)
{
    const CliRun yes({"--miesiac", "4", "--answers", "tak", "usun", "17"}, testCommands());
    EXPECT_EQ(yes.code, CliSuccess);
    EXPECT_EQ(yes.output, "usunięto 04\n");
    EXPECT_EQ(yes.errors, "[informacja] Zapis nr 17\n[ostrzeżenie] Usunąć zapis?\n[odpowiedź] Tak\n");

    // No answer left: the question is refused and the command reports it as refused.
    const CliRun none({"usun", "17"}, testCommands());
    EXPECT_EQ(none.code, CliFailed);
    EXPECT_TRUE(none.output.isEmpty());
    EXPECT_TRUE(none.errors.endsWith("[odpowiedź] Nie\n")) << none.errors.toStdString();
}

TEST(Cli, UncaughtFailureEndsAsFailureWithItsMessage)
{
    const CliRun run({"awaria"}, testCommands());
    EXPECT_EQ(run.code, CliFailed);
    EXPECT_EQ(run.errors, "[błąd] Nie można otworzyć tabeli\nBaza : KSIEGA.DB\n")
        << "a line break of the message is one on the command line too";
}

TEST(Cli, UsageErrors)
{
    const CliRun unknown({"--rok", "2019", "drukuj"}, testCommands());
    EXPECT_EQ(unknown.code, CliUsageError);
    EXPECT_TRUE(unknown.errors.startsWith("ksiega-cli: Nieznane polecenie: drukuj\nUżycie: "))
        << unknown.errors.toStdString();
    EXPECT_TRUE(unknown.errors.contains("  usun              usuwa zapis po pytaniu\n"));

    const CliRun missing({"--rok", "2019"}, testCommands());
    EXPECT_EQ(missing.code, CliUsageError);
    EXPECT_TRUE(missing.errors.startsWith("ksiega-cli: Nie podano polecenia.\n"));

    const CliRun badOption({"--rok", "2019", "--bez-sensu", "usun"}, testCommands());
    EXPECT_EQ(badOption.code, CliUsageError);
    EXPECT_TRUE(badOption.errors.startsWith("ksiega-cli: Nieznana opcja: --bez-sensu\n"));
}

// The version line as users and scripts read it, with the version the project is built as.
static const QString ExpectedVersionLine =
    QStringLiteral("ksiega-cli (KSIĘGA Przychodów i Rozchodów) " KSIEGA_PROJECT_VERSION "\n");

TEST(Cli, VersionAndHelpNeedNoCommand)
{
    const CliRun version({"--version", "drukuj"}, testCommands());
    EXPECT_EQ(version.code, CliSuccess);
    EXPECT_EQ(version.output, ExpectedVersionLine) << "the version wins over a wrong command";
    EXPECT_TRUE(version.errors.isEmpty());

    const CliRun help({"--help"}, testCommands());
    EXPECT_EQ(help.code, CliSuccess);
    EXPECT_TRUE(help.output.startsWith("Użycie: ksiega-cli [--dr KATALOG]"))
        << help.output.toStdString();
    EXPECT_TRUE(help.output.endsWith("Polecenia:\n"
                                     "  awaria            zawsze zawodzi\n"
                                     "  usun              usuwa zapis po pytaniu\n"))
        << help.output.toStdString();
    EXPECT_TRUE(help.errors.isEmpty());
}

// The built program, to catch what the in-process runs cannot: the entry point, exit codes
// and UTF-8 on the terminal.
static void runProgram(QProcess &process, const QStringList &args)
{
    process.start(QStringLiteral(KSIEGA_CLI_PATH), args);
    EXPECT_TRUE(process.waitForFinished(30000)) << process.errorString().toStdString();
}

TEST(Cli, ProgramPrintsItsVersion)
{
    int argc = 1;
    char name[] = "test_cli";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    QProcess process;
    runProgram(process, {"--version"});
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), ExpectedVersionLine);
    EXPECT_TRUE(process.readAllStandardError().isEmpty());
}

TEST(Cli, ProgramRejectsABadOption)
{
    int argc = 1;
    char name[] = "test_cli";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    QProcess process;
    runProgram(process, {"--miesiac", "14", "raport"});
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(errors.startsWith("ksiega-cli: Niepoprawny miesiąc: „14” (oczekiwano 01–13).\n"))
        << errors.toStdString();
}
