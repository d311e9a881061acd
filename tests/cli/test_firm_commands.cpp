#include "cli_program.h"

using FirmCommands = CliProgramTest;

namespace {

// The value of one POLE=WARTOŚĆ line of "firm show".
QString shownValue(const QString &out, const QString &field)
{
    for (const QString &line : out.split('\n'))
        if (line.startsWith(field + '='))
            return line.mid(field.size() + 1);
    return "<brak pola>";
}

} // namespace

TEST_F(FirmCommands, SetCompletesTheAddressInTheOrderGiven)
{
    ASSERT_EQ(run({"init", "--firma", "Łąka", "--rok", "2019"}).code, 0);
    const CliResult set = run({"firm", "set", "GMINA=Wieliczka", "POCZTA=Kraków", "ulica=Długa",
                               "WOJEWODZTWO=MAŁOPOLSKIE", "ACYKL=7", "LOGO=tak"});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    const CliResult show = run({"firm", "show"});
    ASSERT_EQ(show.code, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.startsWith("NIP=\nREGON=\nSKROT=Łąka\nNAZWA1=Łąka\n")) << show.out.toStdString();
    EXPECT_EQ(shownValue(show.out, "GMINA"), "Wieliczka");
    EXPECT_EQ(shownValue(show.out, "ZGMINA"), "Wieliczka") << "set before the post office";
    EXPECT_EQ(shownValue(show.out, "POWIAT"), "Kraków");
    EXPECT_EQ(shownValue(show.out, "ZMIEJSCOWOSC"), "Kraków");
    EXPECT_EQ(shownValue(show.out, "ZULICA"), "Długa");
    EXPECT_EQ(shownValue(show.out, "ZWOJEWODZTWO"), "MAŁOPOLSKIE");
    EXPECT_EQ(shownValue(show.out, "ZKRAJ"), "") << "only the fields given are left";
    EXPECT_EQ(shownValue(show.out, "ACYKL"), "7");
    EXPECT_EQ(shownValue(show.out, "LOGO"), "Prawda");

    ASSERT_EQ(run({"firm", "set", "ULICA=Krótka"}).code, 0);
    const CliResult again = run({"firm", "show"});
    EXPECT_EQ(shownValue(again.out, "ULICA"), "Krótka");
    EXPECT_EQ(shownValue(again.out, "ZULICA"), "Długa");
}

TEST_F(FirmCommands, BadAssignmentsChangeNothing)
{
    ASSERT_EQ(run({"init", "--firma", "Łąka", "--rok", "2019"}).code, 0);
    EXPECT_EQ(run({"firm", "set", "NR=3"}).code, 2);
    EXPECT_EQ(run({"firm", "set", "ARCHDATA=2019.01.01"}).code, 2);
    EXPECT_EQ(run({"firm", "set", "SKROT"}).code, 2);
    EXPECT_EQ(run({"firm", "set"}).code, 2);
    EXPECT_EQ(run({"firm"}).code, 2);
    const CliResult bad = run({"firm", "set", "SKROT=Nowa", "ARCHDNI=dużo"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.err.contains("[błąd] 'dużo' nie jest poprawną liczbą całkowitą (pole ARCHDNI)."))
        << bad.err.toStdString();
    EXPECT_EQ(shownValue(run({"firm", "show"}).out, "SKROT"), "Łąka");
}

TEST_F(FirmCommands, UsersAreAddedListedAndDeletedAfterTheQuestion)
{
    ASSERT_EQ(run({"init", "--rok", "2019", "--operator", "Kowalski Jan"}).code, 0);
    const CliResult added = run({"user", "add", "Żak", "Józef"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "Dodano użytkownika 2: Żak Józef\n");
    EXPECT_EQ(run({"user", "list"}).out,
              "1\tKowalski Jan\n2\tŻak Józef\nBieżący użytkownik: Kowalski Jan\n");

    const CliResult refused = run({"--answers", "n", "user", "delete", "1"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("Czy skazować użytkownika Kowalski Jan?")) << refused.err.toStdString();
    const CliResult deleted = run({"--answers", "t", "user", "delete", "1"});
    EXPECT_EQ(deleted.code, 0) << deleted.err.toStdString();
    EXPECT_EQ(run({"user", "list"}).out, "2\tŻak Józef\nBieżący użytkownik: Żak Józef\n")
        << "the first user left starts the next run";

    EXPECT_EQ(run({"user", "delete", "7"}).code, 1);
    EXPECT_EQ(run({"user", "delete", "x"}).code, 2);
    EXPECT_EQ(run({"user", "add"}).code, 2);
    EXPECT_EQ(run({"user"}).code, 2);
}

TEST_F(FirmCommands, OperatorOptionWorksUnderTheGivenNameForTheRun)
{
    ASSERT_EQ(run({"init", "--rok", "2019", "--operator", "Kowalski Jan"}).code, 0);
    EXPECT_EQ(run({"--operator", "Nowak Anna", "user", "list"}).out,
              "1\tKowalski Jan\nBieżący użytkownik: Nowak Anna\n");
    EXPECT_TRUE(run({"--operator", "Nowak Anna", "status"}).out.contains("uzytkownik: Nowak Anna\n"));
    // With its last row deleted, the next run starts with an empty user name.
    const CliResult deleted = run({"--operator", "Kowalski Jan", "--answers", "t", "user", "delete", "1"});
    EXPECT_EQ(deleted.code, 0) << deleted.err.toStdString();
    EXPECT_EQ(run({"user", "list"}).out, "Bieżący użytkownik: \n") << "an empty list names nobody";
}
