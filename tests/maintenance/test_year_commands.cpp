#include "tests/cli/cli_program.h"

#include <QDir>
#include <QFile>

class YearCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019", "--demo"}).code, 0);
    }
};

TEST_F(YearCommands, OpenPrintsEachStepAndListShowsTheNewYear)
{
    const CliResult opened = run({"year", "open", "2020"});
    ASSERT_EQ(opened.code, 0) << opened.err.toStdString();
    const QString root = folder.path() + "/";
    EXPECT_TRUE(opened.out.startsWith("Generowanie nowego roku.\nBaza danych w katalogu : " + root
                                      + "2019\nTworzenie katalogu :" + root + "2020\n"))
        << opened.out.toStdString();
    EXPECT_TRUE(opened.out.contains("Tworzenie bazy :" + root + "2020/KSIEGA/SUMA.DB\n"));
    EXPECT_TRUE(opened.out.endsWith("KONIEC.\n"));
    EXPECT_EQ(opened.err, "");

    EXPECT_EQ(run({"year", "list"}).out, "2019\n2020\n");
    const CliResult status = run({"--rok", "2020", "status"});
    EXPECT_TRUE(status.out.contains("rok: 2020\n")) << status.out.toStdString();
    EXPECT_EQ(run({"--rok", "2020", "dump", "FIN/KONTRAHI"}).out, run({"dump", "FIN/KONTRAHI"}).out);
    EXPECT_EQ(run({"--rok", "2020", "dump", "KSIEGA/KSIEGA"}).out.count('\n'), 1)
        << "only the heading: the ledger starts empty";
}

TEST_F(YearCommands, AnExistingYearIsOpenedAgainOnlyWhenTheQuestionIsAnsweredYes)
{
    ASSERT_EQ(run({"year", "open", "2020"}).code, 0);
    ASSERT_TRUE(QFile::remove(at("2020/KSIEGA/USER.DB")));

    const CliResult refused = run({"year", "open", "2020"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("Błąd otwarcia roku. Kontynuacja może doprowadzić do utarty "
                                     "danych.\nCzy kontynuować ?"))
        << refused.err.toStdString();
    EXPECT_FALSE(refused.out.contains("KONIEC."));
    EXPECT_FALSE(QFile::exists(at("2020/KSIEGA/USER.DB")));

    const CliResult again = run({"--answers", "t", "year", "open", "2020"});
    EXPECT_EQ(again.code, 0) << again.err.toStdString();
    EXPECT_TRUE(QFile::exists(at("2020/KSIEGA/USER.DB")));
    EXPECT_EQ(run({"year", "list"}).out, "2019\n2020\n");
}

TEST_F(YearCommands, SourceYearAndFolderCanBeNamedAndAFailureEndsWithCodeOne)
{
    const CliResult elsewhere =
        run({"year", "open", "2021", "--z", "2019", "--katalog", folder.path()});
    EXPECT_EQ(elsewhere.code, 0) << elsewhere.err.toStdString();
    EXPECT_TRUE(QFile::exists(at("2021/FIN/KONTRAHI.DB")));

    const CliResult missing = run({"year", "open", "2022", "--z", "2017"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.contains("Brak katalogu : " + folder.path() + "/2017\n"));
    EXPECT_FALSE(missing.out.contains("KONIEC."));
    EXPECT_TRUE(missing.err.contains("[błąd] Otwarcie roku 2022 nie zostało ukończone"))
        << missing.err.toStdString();

    EXPECT_EQ(run({"year", "open", "20x1"}).code, 2);
    EXPECT_EQ(run({"year", "open"}).code, 2);
    EXPECT_FALSE(QDir(at("20x1")).exists());
}
