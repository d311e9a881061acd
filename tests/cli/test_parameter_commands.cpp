#include "cli_program.h"

#include <QFile>

using ParameterCommands = CliProgramTest;

TEST_F(ParameterCommands, SetStoresEveryValueGivenAndShowReadsThemBack)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    EXPECT_EQ(run({"params", "show"}).out, "P2=10\nP3=10\nML=0\nMG=0\nZL1=tak\nL3=0\nB1=nie\n");

    const CliResult set = run({"params", "set", "p2=15", "P3= 7", "ML=3", "MG=99", "ZL1=Fałsz"});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    EXPECT_EQ(run({"params", "show"}).out, "P2=15\nP3=7\nML=3\nMG=99\nZL1=nie\nL3=0\nB1=nie\n");
}

TEST_F(ParameterCommands, ABadValueIsRefusedAndNothingIsWritten)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    for (const char *bad : {"P3=-1", "P3=100", "P3=1,5", "P3=", "ZL1=może", "ML=dużo"}) {
        const CliResult refused = run({"params", "set", "P2=20", bad});
        EXPECT_EQ(refused.code, 1) << bad;
        EXPECT_TRUE(refused.err.startsWith("[błąd] Pole ")) << refused.err.toStdString();
    }
    const CliResult range = run({"params", "set", "P2=100"});
    EXPECT_EQ(range.err, "[błąd] Pole P2 przyjmuje liczbę całkowitą od 0 do 99, nie „100”.\n");
    EXPECT_EQ(run({"params", "set", "US=Kraków"}).code, 2) << "not a field of the dialogs";
    EXPECT_EQ(run({"params", "set", "P2"}).code, 2);
    EXPECT_EQ(run({"params", "set"}).code, 2);
    EXPECT_EQ(run({"params", "show"}).out, "P2=10\nP3=10\nML=0\nMG=0\nZL1=tak\nL3=0\nB1=nie\n");
}

TEST_F(ParameterCommands, AParameterTableThatCannotBeWrittenFailsTheCommand)
{
    ASSERT_EQ(run({"init", "--rok", "2019"}).code, 0);
    const QString table = at("KSIEGA.DB");
    QFile::setPermissions(table, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const CliResult set = run({"params", "set", "P2=20"});
    QFile::setPermissions(table, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(set.code, 1);
    EXPECT_TRUE(set.err.contains("[błąd]")) << set.err.toStdString();
    EXPECT_EQ(set.out, "");
    EXPECT_TRUE(run({"params", "show"}).out.startsWith("P2=10\n"));
}
