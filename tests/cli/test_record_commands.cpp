#include "cli_program.h"

// The demo year on 2019.05.10: January to April posted, May open, nine entries a month
// numbered 1 to 45.
class RecordCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--demo", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    }

    // "LP MC DATA" of every entry, in the order of the file.
    QStringList entries()
    {
        QStringList rows;
        for (const QHash<QString, QString> &entry : dumpRows("KSIEGA/KSIEGA"))
            rows << entry["LP"] + ' ' + entry["MC"] + ' ' + entry["DATA"];
        return rows;
    }
};

TEST_F(RecordCommands, CopyGoesToTheFirstOpenMonthWithTheChangesGiven)
{
    const CliResult copied = run({"entry", "copy", "3", "NRKSIEG=FV/99"});
    ASSERT_EQ(copied.code, 0) << copied.err.toStdString();
    EXPECT_EQ(copied.out, "46\n");
    EXPECT_EQ(entries().last(), "46 05 2019.05.10") << "January's entry copied into May, dated today";
    const QString dump = run({"dump", "KSIEGA/KSIEGA"}).out;
    EXPECT_TRUE(dump.contains("FV/99")) << "the change given was saved with the copy";

    EXPECT_EQ(run({"entry", "copy", "99"}).code, 1);
    EXPECT_EQ(run({"entry", "copy"}).code, 2);
    EXPECT_EQ(entries().size(), 46);
}

TEST_F(RecordCommands, DeleteAsksAndKeepsPostedMonths)
{
    const CliResult kept = run({"entry", "delete", "40"});
    EXPECT_EQ(kept.code, 1);
    EXPECT_TRUE(kept.err.contains("Czy Anulować ?")) << kept.err.toStdString();
    EXPECT_EQ(entries().size(), 45);

    const CliResult deleted = run({"--answers", "tak", "entry", "delete", "40"});
    ASSERT_EQ(deleted.code, 0) << deleted.err.toStdString();
    EXPECT_EQ(entries().size(), 44);
    EXPECT_FALSE(entries().contains("40 05 2019.05.10"));

    const CliResult posted = run({"--answers", "tak", "entry", "delete", "2"});
    EXPECT_EQ(posted.code, 1);
    EXPECT_FALSE(posted.err.contains("Czy Anulować ?")) << "refused before the question";
    EXPECT_EQ(entries().size(), 44);
    EXPECT_EQ(run({"entry", "delete", "2", "3"}).code, 2);
}

TEST_F(RecordCommands, RenumberClosesTheGapsOfTheOpenMonthsInDateOrder)
{
    ASSERT_EQ(run({"unpost", "04"}).code, 0);
    ASSERT_EQ(run({"--answers", "tak", "entry", "delete", "30"}).code, 0);
    ASSERT_EQ(run({"entry", "edit", "44", "DATA=2019.04.01"}).code, 0);
    const CliResult renumbered = run({"renumber"});
    ASSERT_EQ(renumbered.code, 0) << renumbered.err.toStdString();
    EXPECT_EQ(renumbered.out, "4\n") << "the moved entry, the two before the gap and May's last";
    const QStringList rows = entries();
    EXPECT_TRUE(rows.contains("27 03 2019.03.28")) << "the posted months keep their numbers";
    EXPECT_TRUE(rows.contains("28 05 2019.04.01")) << "the earliest open date follows March";
    EXPECT_TRUE(rows.contains("29 04 2019.04.03"));
    EXPECT_TRUE(rows.contains("31 04 2019.04.10")) << "the gap is closed by the moved entry";
    EXPECT_TRUE(rows.contains("44 05 2019.05.28"));
    EXPECT_EQ(run({"renumber"}).out, "0\n");
    EXPECT_EQ(run({"renumber", "teraz"}).code, 2);
}
