#include "cli/cli_app.h"

#include <gtest/gtest.h>

namespace {

// A command that reports what reached it: its words and its options.
int report(CommandContext &context)
{
    context.out << "słowa: " << context.arguments.join('|') << '\n'
                << "plik: " << context.option("plik").value_or("-") << '\n'
                << "cicho: " << (context.hasOption("cicho") ? "tak" : "nie") << '\n';
    return CliSuccess;
}

CommandRegistry testCommands()
{
    CommandRegistry commands;
    commands.add("drukuj", "drukuje zapisy", report)
        .takes("NR ...")
        .value("plik", "PLIK", "plik wydruku")
        .flag("cicho", "bez komunikatów");
    CommandRegistry &catalogue = commands.addGroup("katalog", "katalog kontrahentów");
    catalogue.add("pokaz", "pokazuje kontrahenta", report).takes("NR");
    catalogue.add("koperta", "drukuje kopertę", report)
        .value("pdf", "PLIK", "koperta do pliku PDF")
        .required();
    return commands;
}

struct CliRun {
    explicit CliRun(const QStringList &args)
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        code = runCli(args, out, err, testCommands());
    }
    int code = -1;
    QString output;
    QString errors;
};

} // namespace

TEST(CommandDispatch, OptionValuesSpacedOrJoinedReachTheCommand)
{
    const CliRun spaced({"--rok", "2019", "drukuj", "7", "--plik", "a b.pdf", "8", "--cicho"});
    EXPECT_EQ(spaced.code, CliSuccess) << spaced.errors.toStdString();
    EXPECT_EQ(spaced.output, "słowa: 7|8\nplik: a b.pdf\ncicho: tak\n");
    EXPECT_TRUE(spaced.errors.isEmpty());

    const CliRun joined({"rok", "2019", "drukuj", "7", "--plik=a b.pdf", "8", "--cicho"});
    EXPECT_EQ(joined.code, CliSuccess) << joined.errors.toStdString();
    EXPECT_EQ(joined.output, spaced.output);

    const CliRun grouped({"katalog", "koperta", "--pdf=k.pdf"});
    EXPECT_EQ(grouped.code, CliSuccess) << grouped.errors.toStdString();
    EXPECT_EQ(grouped.output, "słowa: \nplik: -\ncicho: nie\n");
}

TEST(CommandDispatch, DoubleDashLeavesOptionLookAlikesToTheCommand)
{
    const CliRun run({"drukuj", "--cicho", "--", "--plik", "x"});
    EXPECT_EQ(run.code, CliSuccess) << run.errors.toStdString();
    EXPECT_EQ(run.output, "słowa: --plik|x\nplik: -\ncicho: tak\n");
}

TEST(CommandDispatch, BadOptionsAreUsageErrorsAndRunNothing)
{
    const QList<std::pair<QStringList, QString>> cases = {
        {{"drukuj", "7", "--nic"},
         "ksiega-cli drukuj: Nieznana opcja: --nic\n"
         "Użycie: ksiega-cli drukuj NR ... [--plik PLIK] [--cicho]\n"},
        {{"drukuj", "7", "--pli", "x"}, "ksiega-cli drukuj: Nieznana opcja: --pli\n"},
        {{"drukuj", "7", "--plikX", "x"}, "ksiega-cli drukuj: Nieznana opcja: --plikX\n"},
        {{"drukuj", "7", "--plik"}, "ksiega-cli drukuj: Opcja --plik wymaga wartości.\n"},
        {{"drukuj", "--plik="}, "ksiega-cli drukuj: Opcja --plik wymaga wartości.\n"},
        {{"drukuj", "--cicho=tak"}, "ksiega-cli drukuj: Opcja --cicho nie przyjmuje wartości.\n"},
        {{"katalog", "koperta"},
         "ksiega-cli katalog koperta: Polecenie wymaga opcji --pdf PLIK.\n"
         "Użycie: ksiega-cli katalog koperta --pdf PLIK\n"},
        {{"katalog", "kop"}, "ksiega-cli katalog: Nieznane polecenie: kop\n"},
        {{"katalog"}, "ksiega-cli katalog: Nie podano polecenia.\n"},
        {{"katalog", "--cicho", "pokaz"}, "ksiega-cli katalog: Nieznana opcja: --cicho\n"},
    };
    for (const auto &[args, start] : cases) {
        const CliRun run(args);
        EXPECT_EQ(run.code, CliUsageError) << args.join(' ').toStdString();
        EXPECT_TRUE(run.output.isEmpty()) << run.output.toStdString();
        EXPECT_TRUE(run.errors.startsWith(start)) << run.errors.toStdString();
    }
}

TEST(CommandDispatch, HelpListsTheOptionsOfACommandAndTheCommandsOfAGroup)
{
    const CliRun command({"drukuj", "--help"});
    EXPECT_EQ(command.code, CliSuccess);
    EXPECT_EQ(command.output, "Użycie: ksiega-cli drukuj NR ... [--plik PLIK] [--cicho]\n"
                              "drukuje zapisy\n"
                              "Opcje:\n"
                              "  --plik PLIK  plik wydruku\n"
                              "  --cicho      bez komunikatów\n"
                              "  --help       opis polecenia i jego opcji\n");

    // Help asked for is help, even when a required option is missing.
    const CliRun required({"katalog", "koperta", "--help"});
    EXPECT_EQ(required.code, CliSuccess) << required.errors.toStdString();
    EXPECT_TRUE(required.output.contains("  --pdf PLIK  koperta do pliku PDF\n"))
        << required.output.toStdString();

    const CliRun group({"katalog", "--help"});
    EXPECT_EQ(group.code, CliSuccess);
    EXPECT_TRUE(group.output.startsWith("Użycie: ksiega-cli katalog POLECENIE [ARGUMENTY...]\n"));
    EXPECT_TRUE(group.output.contains("  koperta --pdf PLIK  drukuje kopertę\n"))
        << group.output.toStdString();
    EXPECT_TRUE(group.output.contains("  pokaz NR            pokazuje kontrahenta\n"));

    const CliRun program({"--help"});
    EXPECT_EQ(program.code, CliSuccess);
    EXPECT_TRUE(program.output.contains("  --miesiac MM "));
    EXPECT_TRUE(
        program.output.contains("  katalog           katalog kontrahentów: koperta | pokaz\n"))
        << program.output.toStdString();
}
