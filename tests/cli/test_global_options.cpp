#include "cli/global_options.h"

#include <gtest/gtest.h>

TEST(GlobalOptions, OptionsInAnyOrderBeforeTheCommand)
{
    const GlobalOptionsResult parsed = parseGlobalOptions(
        {"--miesiac", "3", "--operator", "Anna Nowak", "--rok=2019", "--dr", "/dane/moje_dane",
         "--answers", "t,n,OK", "ksieguj", "--rok", "x"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    const GlobalOptions &options = parsed.options;
    EXPECT_EQ(options.start.dataRoot, "/dane/moje_dane/");
    EXPECT_EQ(options.start.year, "2019");
    EXPECT_EQ(options.month, "03");
    EXPECT_EQ(options.operatorName, "Anna Nowak");
    EXPECT_EQ(options.answers, QList<Answer>({Answer::Yes, Answer::No, Answer::Ok}));
    EXPECT_FALSE(options.version);
    // What follows the command's name belongs to the command, options look-alikes included.
    EXPECT_EQ(options.command, QStringList({"ksieguj", "--rok", "x"}));
}

TEST(GlobalOptions, DesktopFormsAreAcceptedAmongTheOptions)
{
    // "_" stands for a space only in the desktop form; --dr takes the path as it is.
    EXPECT_EQ(parseGlobalOptions({"--dr", "/srv/biuro_rachunkowe"}).options.start.dataRoot,
              "/srv/biuro_rachunkowe/");
    const GlobalOptionsResult upper = parseGlobalOptions({"ROK", "2021", "Dr=/x", "status"});
    EXPECT_EQ(upper.options.start.year, "2021");
    EXPECT_EQ(upper.options.start.dataRoot, "/x/");
    EXPECT_EQ(upper.options.command, QStringList({"status"}));

    const GlobalOptionsResult parsed =
        parseGlobalOptions({"--miesiac=12", "DR=/srv/biuro_rachunkowe", "rok", "2020", "raport"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.start.dataRoot, "/srv/biuro rachunkowe/");
    EXPECT_EQ(parsed.options.start.year, "2020");
    EXPECT_EQ(parsed.options.month, "12");
    EXPECT_EQ(parsed.options.command, QStringList({"raport"}));
}

TEST(GlobalOptions, RepeatedOptionsLastWinsAnswersAddUp)
{
    const GlobalOptionsResult parsed = parseGlobalOptions(
        {"--dr=/a", "dr=/b", "--rok", "2019", "--rok", "2020", "--answers", "y", "--answers=n"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.start.dataRoot, "/b/");
    EXPECT_EQ(parsed.options.start.year, "2020");
    EXPECT_EQ(parsed.options.answers, QList<Answer>({Answer::Yes, Answer::No}));
    EXPECT_TRUE(parsed.options.command.isEmpty());
}

TEST(GlobalOptions, MonthsOneToThirteen)
{
    EXPECT_EQ(parseGlobalOptions({"--miesiac", "1"}).options.month, "01");
    EXPECT_EQ(parseGlobalOptions({"--miesiac", "13"}).options.month, "13");
    for (const char *bad : {"0", "00", "14", "013", "3a", "-1", " 3"}) {
        const GlobalOptionsResult parsed = parseGlobalOptions({"--miesiac", bad});
        EXPECT_FALSE(parsed.ok()) << bad;
        EXPECT_TRUE(parsed.error.startsWith("Niepoprawny miesiąc")) << parsed.error.toStdString();
    }
}

TEST(GlobalOptions, UsageErrorsInPolish)
{
    const QList<std::pair<QStringList, QString>> cases = {
        {{"--rok", "19"}, "Niepoprawny rok: „19” (oczekiwano czterech cyfr)."},
        {{"rok", "dwa"}, "Niepoprawny rok: „dwa” (oczekiwano czterech cyfr)."},
        {{"rok"}, "Opcja rok wymaga wartości."},
        {{"dr="}, "Opcja dr= wymaga wartości."},
        {{"--dr"}, "Opcja --dr wymaga wartości."},
        {{"--operator="}, "Opcja --operator wymaga wartości."},
        {{"--answers", "t,moze"}, "Nieznana odpowiedź: „moze”."},
        {{"--answers", "t,,n"}, "Nieznana odpowiedź: „”."},
        {{"--version=2"}, "Opcja --version nie przyjmuje wartości."},
        {{"--verbose", "raport"}, "Nieznana opcja: --verbose"},
        {{"--mies", "3", "raport"}, "Nieznana opcja: --mies"},
        {{"--miesiacX=3", "raport"}, "Nieznana opcja: --miesiacX"},
        {{"--Rok", "2019", "raport"}, "Nieznana opcja: --Rok"},
    };
    for (const auto &[args, error] : cases) {
        const GlobalOptionsResult parsed = parseGlobalOptions(args);
        EXPECT_EQ(parsed.error, error) << args.join(' ').toStdString();
    }
}

TEST(GlobalOptions, DoubleDashEndsTheOptions)
{
    const GlobalOptionsResult parsed = parseGlobalOptions({"--version", "--", "--dziwne"});
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed.options.version);
    EXPECT_EQ(parsed.options.command, QStringList({"--dziwne"}));
}
