#include "cli/command_options.h"

#include <gtest/gtest.h>

namespace {

CommandOptions printOptions()
{
    return CommandOptions()
        .value("wyjscie", "RODZAJ", "dokąd idzie wydruk")
        .required()
        .value("plik", "PLIK", "plik wydruku")
        .value("tytul", "TYTUŁ", "tytuł")
        .emptyAllowed()
        .flag("bez-naglowka", "bez nagłówka");
}

QStringList valuesOf(const ParsedOptions &parsed)
{
    QStringList values;
    for (const OptionUse &use : parsed.uses)
        values << use.name + '=' + use.value;
    return values;
}

} // namespace

TEST(CommandOptions, ValueInTheNextWordOrAfterTheEqualsSign)
{
    const ParsedOptions spaced = printOptions().parse({"--wyjscie", "pdf", "--plik", "a.pdf"});
    const ParsedOptions joined = printOptions().parse({"--wyjscie=pdf", "--plik=a.pdf"});
    ASSERT_TRUE(spaced.ok()) << spaced.error.toStdString();
    ASSERT_TRUE(joined.ok()) << joined.error.toStdString();
    EXPECT_EQ(valuesOf(spaced), QStringList({"wyjscie=pdf", "plik=a.pdf"}));
    EXPECT_EQ(valuesOf(joined), valuesOf(spaced));

    // Only the first "=" ends the name; the next word is the value whatever it looks like.
    const ParsedOptions odd =
        printOptions().parse({"--wyjscie", "--bez-naglowka", "--plik=a=b.txt"});
    ASSERT_TRUE(odd.ok()) << odd.error.toStdString();
    EXPECT_EQ(valuesOf(odd), QStringList({"wyjscie=--bez-naglowka", "plik=a=b.txt"}));
    EXPECT_FALSE(odd.isSet("bez-naglowka"));
}

TEST(CommandOptions, OptionsAmongTheWordsLastValueWins)
{
    const ParsedOptions parsed = printOptions().parse(
        {"12", "--wyjscie", "bw", "-5", "NR=3", "--bez-naglowka", "--wyjscie=pdf", "x"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.words, QStringList({"12", "-5", "NR=3", "x"}));
    EXPECT_EQ(parsed.value("wyjscie"), "pdf");
    EXPECT_TRUE(parsed.isSet("bez-naglowka"));
    EXPECT_EQ(parsed.value("plik"), std::nullopt);
}

TEST(CommandOptions, DoubleDashEndsTheOptions)
{
    const ParsedOptions parsed =
        printOptions().parse({"--wyjscie", "bw", "--", "--plik", "x", "--", "--nic"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.words, QStringList({"--plik", "x", "--", "--nic"}));
    EXPECT_FALSE(parsed.isSet("plik"));
}

TEST(CommandOptions, UsageErrorsInPolish)
{
    const QList<std::pair<QStringList, QString>> cases = {
        {{"--wyjscie", "bw", "--nowa"}, "Nieznana opcja: --nowa"},
        {{"--wyjscie", "bw", "--nowa=1"}, "Nieznana opcja: --nowa"},
        {{"--wyjscie", "bw", "--pli", "x"}, "Nieznana opcja: --pli"},
        {{"--wyjscie", "bw", "--plikX", "x"}, "Nieznana opcja: --plikX"},
        {{"--wyjscie", "bw", "--PLIK", "x"}, "Nieznana opcja: --PLIK"},
        {{"--wyjscie", "bw", "--"}, QString()},
        {{"--wyjscie", "bw", "--plik"}, "Opcja --plik wymaga wartości."},
        {{"--wyjscie", "bw", "--plik="}, "Opcja --plik wymaga wartości."},
        {{"--wyjscie", "bw", "--plik", ""}, "Opcja --plik wymaga wartości."},
        {{"--wyjscie", "bw", "--tytul="}, QString()},
        {{"--wyjscie", "bw", "--bez-naglowka=tak"}, "Opcja --bez-naglowka nie przyjmuje wartości."},
        {{"--plik", "x"}, "Polecenie wymaga opcji --wyjscie RODZAJ."},
        {{"--", "--wyjscie", "bw"}, "Polecenie wymaga opcji --wyjscie RODZAJ."},
    };
    for (const auto &[words, error] : cases)
        EXPECT_EQ(printOptions().parse(words).error, error) << words.join(' ').toStdString();
}

TEST(CommandOptions, DesktopFormsInEitherCase)
{
    const CommandOptions options = CommandOptions()
                                       .value("dr", "KATALOG", "katalog")
                                       .desktopForm("dr=")
                                       .value("rok", "RRRR", "rok")
                                       .desktopForm("rok");
    const ParsedOptions parsed =
        options.parse({"DR=/a_b", "Rok", "2019", "--dr", "/c", "--rok=2020", "rok2", "drx"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.uses.size(), 4);
    EXPECT_EQ(valuesOf(parsed), QStringList({"dr=/a_b", "rok=2019", "dr=/c", "rok=2020"}));
    EXPECT_TRUE(parsed.uses[0].desktopForm);
    EXPECT_TRUE(parsed.uses[1].desktopForm);
    EXPECT_FALSE(parsed.uses[2].desktopForm);
    EXPECT_FALSE(parsed.uses[3].desktopForm);
    EXPECT_EQ(parsed.words, QStringList({"rok2", "drx"}));

    EXPECT_EQ(options.parse({"ROK"}).error, "Opcja ROK wymaga wartości.");
    EXPECT_EQ(options.parse({"dr="}).error, "Opcja dr= wymaga wartości.");
    EXPECT_EQ(options.parse({"--", "rok", "2019"}).words, QStringList({"rok", "2019"}));
}

TEST(CommandOptions, EndingAtTheFirstWordLeavesTheRestAsItIs)
{
    const CommandOptions options =
        CommandOptions().value("rok", "RRRR", "rok").flag("help", "opis").endAtFirstWord();
    const ParsedOptions parsed = options.parse({"--rok", "2019", "post", "--nic", "--", "--rok"});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.value("rok"), "2019");
    EXPECT_EQ(parsed.words, QStringList({"post", "--nic", "--", "--rok"}));
    EXPECT_EQ(options.parse({"--", "--help"}).words, QStringList({"--help"}));
    EXPECT_FALSE(options.parse({"--", "--help"}).isSet("help"));
}

TEST(CommandOptions, SynopsisShowsWhatIsRequired)
{
    EXPECT_EQ(printOptions().synopsis(),
              "--wyjscie RODZAJ [--plik PLIK] [--tytul TYTUŁ] [--bez-naglowka]");
    EXPECT_EQ(printOptions().help(), "  --wyjscie RODZAJ  dokąd idzie wydruk\n"
                                     "  --plik PLIK       plik wydruku\n"
                                     "  --tytul TYTUŁ     tytuł\n"
                                     "  --bez-naglowka    bez nagłówka\n");
}
