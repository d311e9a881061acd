#include "cli_program.h"

// A demo year: eight entries in each of January to March, numbered 1 to 24.
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
        const QStringList lines = run({"dump", "KSIEGA/KSIEGA"}).out.split('\n', Qt::SkipEmptyParts);
        const QStringList header = lines.value(0).split('\t');
        QStringList rows;
        for (const QString &line : lines.mid(1)) {
            const QStringList cells = line.split('\t');
            rows << cells.value(header.indexOf("LP")) + ' ' + cells.value(header.indexOf("MC")) + ' '
                        + cells.value(header.indexOf("DATA"));
        }
        return rows;
    }
};

TEST_F(RecordCommands, CopyGoesToTheFirstOpenMonthWithTheChangesGiven)
{
    ASSERT_EQ(run({"--answers", "tak", "post", "01"}).code, 0);
    const CliResult copied = run({"entry", "copy", "3", "NRKSIEG=FV/99"});
    ASSERT_EQ(copied.code, 0) << copied.err.toStdString();
    EXPECT_EQ(copied.out, "25\n");
    EXPECT_EQ(entries().last(), "25 02 2019.05.10");
    const QString dump = run({"dump", "KSIEGA/KSIEGA"}).out;
    EXPECT_TRUE(dump.contains("FV/99")) << "the change given was saved with the copy";

    EXPECT_EQ(run({"entry", "copy", "99"}).code, 1);
    EXPECT_EQ(run({"entry", "copy"}).code, 2);
    EXPECT_EQ(entries().size(), 25);
}

TEST_F(RecordCommands, DeleteAsksAndKeepsPostedMonths)
{
    const CliResult kept = run({"entry", "delete", "20"});
    EXPECT_EQ(kept.code, 1);
    EXPECT_TRUE(kept.err.contains("Czy Anulować ?")) << kept.err.toStdString();
    EXPECT_EQ(entries().size(), 24);

    const CliResult deleted = run({"--answers", "tak", "entry", "delete", "20"});
    ASSERT_EQ(deleted.code, 0) << deleted.err.toStdString();
    EXPECT_EQ(entries().size(), 23);
    EXPECT_FALSE(entries().contains("20 03 2019.03.11"));

    ASSERT_EQ(run({"--answers", "tak", "post", "01"}).code, 0);
    const CliResult posted = run({"--answers", "tak", "entry", "delete", "2"});
    EXPECT_EQ(posted.code, 1);
    EXPECT_FALSE(posted.err.contains("Czy Anulować ?")) << "refused before the question";
    EXPECT_EQ(entries().size(), 23);
    EXPECT_EQ(run({"entry", "delete", "2", "3"}).code, 2);
}

TEST_F(RecordCommands, RenumberClosesTheGapsOfTheOpenMonthsInDateOrder)
{
    ASSERT_EQ(run({"--answers", "tak", "post", "01"}).code, 0);
    ASSERT_EQ(run({"--answers", "tak", "entry", "delete", "10"}).code, 0);
    ASSERT_EQ(run({"entry", "edit", "24", "DATA=2019.02.01"}).code, 0);
    const CliResult renumbered = run({"renumber"});
    ASSERT_EQ(renumbered.code, 0) << renumbered.err.toStdString();
    EXPECT_EQ(renumbered.out, "2\n") << "only the moved entry and the one after it change";
    const QStringList rows = entries();
    EXPECT_EQ(rows.mid(0, 2), QStringList({"1 01 2019.01.02", "2 01 2019.01.05"}));
    EXPECT_TRUE(rows.contains("9 03 2019.02.01")) << "the earliest open date follows January";
    EXPECT_TRUE(rows.contains("10 02 2019.02.02"));
    EXPECT_TRUE(rows.contains("23 03 2019.03.20"));
    EXPECT_EQ(run({"renumber"}).out, "0\n");
    EXPECT_EQ(run({"renumber", "teraz"}).code, 2);
}
