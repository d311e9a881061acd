#include "cli_program.h"

#include "platform/cursor.h"
#include "platform/session.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class StockTakingCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2026", "--operator", "Nowak Anna"}, "2026.03.10").code, 0);
    }
    CliResult spis(const QStringList &words) { return run(QStringList{"spis"} + words, "2026.03.10"); }
};

TEST_F(StockTakingCommands, AddListAndDeleteKeepOneStockTakingADay)
{
    EXPECT_EQ(spis({"list"}).out, "") << "a year without its table has none";
    ASSERT_EQ(spis({"add", "DATA=2026.12.31", "WARTOSC=1500,5", "OPIS=Remanent końcowy"}).code, 0);
    ASSERT_EQ(spis({"add", "WARTOSC=900", "DATA=2026.01.01"}).code, 0);
    EXPECT_EQ(spis({"list"}).out, "2026.01.01\t900,00\t\n2026.12.31\t1500,50\tRemanent końcowy\n");

    const CliResult twice = spis({"add", "DATA=2026.12.31", "WARTOSC=1"});
    EXPECT_EQ(twice.code, 1);
    EXPECT_TRUE(twice.err.contains("Spis z natury z dnia 31.12.2026 jest już zapisany."));
    EXPECT_EQ(spis({"add", "DATA=2026.02.30", "WARTOSC=1"}).code, 1);
    EXPECT_EQ(spis({"add", "DATA=2026.02.03", "WARTOSC=-1"}).code, 1);
    EXPECT_EQ(spis({"add", "DATA=2026.02.03", "WARTOSC=dużo"}).code, 1);
    EXPECT_EQ(spis({"add", "DATA=2026.02.03"}).code, 2);
    EXPECT_EQ(spis({"add", "CENA=1"}).code, 2);

    ASSERT_EQ(spis({"delete", "2026.01.01"}).code, 0);
    const CliResult missing = spis({"delete", "2026.01.01"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("Brak spisu z natury z dnia 2026.01.01."));
    EXPECT_EQ(spis({"list"}).out, "2026.12.31\t1500,50\tRemanent końcowy\n");
}

TEST_F(StockTakingCommands, TableHeldByAnotherProgramFailsTheCommand)
{
    ASSERT_EQ(spis({"add", "DATA=2026.12.31", "WARTOSC=10"}).code, 0);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        Session session;
        Cursor other(session, "TSPIS");
        other.setTableName(at("2026/KSIEGA/SPIS.DB"));
        other.open(Cursor::Access::Exclusive);
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    const CliResult held = spis({"add", "DATA=2026.01.01", "WARTOSC=10"});
    const CliResult deleting = spis({"delete", "2026.12.31"});
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(held.code, 1);
    EXPECT_TRUE(held.err.contains("Spis z natury nie został zapisany.")) << held.err.toStdString();
    EXPECT_EQ(deleting.code, 1);
    EXPECT_TRUE(held.out.isEmpty());
    EXPECT_EQ(spis({"list"}).out, "2026.12.31\t10,00\t\n") << "nothing changed";
}
