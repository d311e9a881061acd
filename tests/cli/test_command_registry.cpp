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
    // A group any other first word of which goes to one command, filled from two places.
    commands.addGroup("wczytaj", "wczytuje dane")
        .addOtherwise("tabela z pliku", report)
        .takes("TABELA PLIK")
        .flag("cicho", "bez komunikatów");
    commands.addGroup("wczytaj", "inny opis").add("faktury", "faktury sprzedaży", report);
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

TEST(CommandDispatch, AGroupHandsEveryOtherFirstWordToItsCommandForTheRest)
{
    const CliRun named({"wczytaj", "faktury", "05"});
    EXPECT_EQ(named.code, CliSuccess) << named.errors.toStdString();
    EXPECT_EQ(named.output, "słowa: 05\nplik: -\ncicho: nie\n");

    const CliRun other({"wczytaj", "KONTRAHI", "--cicho", "plik.txt"});
    EXPECT_EQ(other.code, CliSuccess) << other.errors.toStdString();
    EXPECT_EQ(other.output, "słowa: KONTRAHI|plik.txt\nplik: -\ncicho: tak\n");

    const CliRun none({"wczytaj"});
    EXPECT_EQ(none.code, CliUsageError);
    EXPECT_TRUE(none.errors.startsWith("ksiega-cli wczytaj: Nie podano polecenia.\n"));
    const CliRun wrong({"wczytaj", "KONTRAHI", "--plik", "x"});
    EXPECT_EQ(wrong.code, CliUsageError);
    EXPECT_TRUE(wrong.errors.startsWith("ksiega-cli wczytaj: Nieznana opcja: --plik\n"
                                        "Użycie: ksiega-cli wczytaj TABELA PLIK [--cicho]\n"))
        << wrong.errors.toStdString();

    const CliRun group({"wczytaj", "--help"});
    EXPECT_TRUE(group.output.contains("  faktury                faktury sprzedaży\n"
                                      "  TABELA PLIK [--cicho]  tabela z pliku\n"))
        << group.output.toStdString();
    const CliRun program({"--help"});
    EXPECT_TRUE(program.output.contains("  wczytaj           wczytuje dane: faktury | TABELA PLIK\n"))
        << program.output.toStdString();
}
