#include "core/start_arguments.h"

#include <gtest/gtest.h>

TEST(StartArguments, DataRootTakesUnderscoresForSpacesAndForwardSlashes)
{
    const StartArguments windows = parseProgramArguments({R"(dr=C:\Moje_Dane\)"});
    EXPECT_EQ(windows.dataRoot, "C:/Moje Dane/");
    EXPECT_EQ(windows.year, std::nullopt);

    EXPECT_EQ(parseProgramArguments({"DR=/srv/biuro_rachunkowe"}).dataRoot, "/srv/biuro rachunkowe/");
    EXPECT_EQ(parseProgramArguments({"Dr=/dane/"}).dataRoot, "/dane/");
    EXPECT_EQ(parseProgramArguments({"dr="}).dataRoot, "");
    EXPECT_EQ(parseProgramArguments({"dr", "/dane"}).dataRoot, std::nullopt);
    EXPECT_EQ(parseProgramArguments({}).dataRoot, std::nullopt);
}

TEST(StartArguments, LastDataRootWins)
{
    EXPECT_EQ(parseProgramArguments({"dr=/a", "x", "DR=/b"}).dataRoot, "/b/");
}

TEST(StartArguments, YearOnlyAsTheFirstTwoWords)
{
    const StartArguments both = parseProgramArguments({"ROK", "2019", "dr=/dane"});
    EXPECT_EQ(both.year, "2019");
    EXPECT_EQ(both.dataRoot, "/dane/");

    EXPECT_EQ(parseProgramArguments({"dr=/dane", "rok", "2019"}).year, std::nullopt);
    EXPECT_EQ(parseProgramArguments({"rok"}).year, std::nullopt);
}
