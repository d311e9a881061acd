// A new year's table is there whole or not at all, whatever stops its copy: a full disk, a
// process killed half-way, a table another program holds. A rerun then completes the year.

#include "platform/table_files.h"
#include "year_fixture.h"
#include "tests/support/every_table_whole.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Writes past `bytes` fail in this process, as on a disk that is full; with `killed` the
// process dies on such a write instead, as when it is killed in the middle of it.
void limitFileSize(rlim_t bytes, bool killed)
{
    std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

void liftFileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

} // namespace

class YearOpeningFaults : public YearTest {
protected:
    // A contractor catalogue far larger than any other table of the year.
    void fillCatalogue()
    {
        QString values;
        for (int nr = 1; nr <= 3000; ++nr)
            values += QStringLiteral("%1(%2, 'KONTRAHENT %2', 'Przedsiębiorstwo o dość długiej "
                                     "nazwie numer %2')")
                          .arg(nr == 1 ? "" : ",")
                          .arg(nr);
        plainSql("2019/FIN/KONTRAHI.DB", "INSERT INTO KONTRAHI (NR, SKROT, NAZWA1) VALUES " + values);
    }
    qint64 catalogueSize() { return QFileInfo(at("2019/FIN/KONTRAHI.DB")).size(); }
    // The opening run again after the fault, answering Yes to the question about the existing
    // year directory.
    void rerunCompletes()
    {
        prompter.clear();
        prompter.enqueue(Answer::Yes);
        ASSERT_EQ(openYear(), YearOpeningResult::Completed) << log.join('\n').toStdString();
        EXPECT_EQ(rows("2020/FIN/KONTRAHI.DB", {"NR", "NAZWA1"}), rows("2019/FIN/KONTRAHI.DB", {"NR", "NAZWA1"}));
        EXPECT_EQ(rows("2020/FIN/KONTRAHI.DB", {"NR"}).size(), 3000);
        EXPECT_EQ(leftovers("2020/FIN"), QStringList());
        EXPECT_EQ(TablesNotWhole(environment.dataRoot), QStringList());
    }
};

TEST_F(YearOpeningFaults, ATableTheFullDiskCannotHoldIsNotLeftHalfAndTheRerunMakesIt)
{
    fillCatalogue();
    start();
    limitFileSize(rlim_t(catalogueSize() / 2), false);
    const YearOpeningResult result = openYear();
    liftFileSizeLimit();

    EXPECT_EQ(result, YearOpeningResult::Incomplete);
    EXPECT_FALSE(log.contains("KONIEC."));
    EXPECT_FALSE(tableExists(at("2020/FIN/KONTRAHI"))) << "no half-copied table to skip later";
    EXPECT_EQ(leftovers("2020/FIN"), QStringList());
    EXPECT_TRUE(tableExists(at("2020/FIN/KONTRAHO"))) << "the other tables are made";
    EXPECT_TRUE(tableExists(at("2020/KSIEGA/SUMA")));
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages()[0].text, "Nie mozna utworzyć tabeli");
    EXPECT_EQ(prompter.messages()[0].caption, "Błąd");
    EXPECT_EQ(prompter.messages()[1].text,
              "Otwarcie roku 2020 nie zostało ukończone: nie wszystkie bazy zostały utworzone.\r"
              "Po usunięciu przyczyny błędu ponowne otwarcie roku utworzy brakujące bazy.");
    rerunCompletes();
}

TEST_F(YearOpeningFaults, ATableKilledHalfWayThroughItsCopyIsCompleteAfterARerun)
{
    fillCatalogue();
    start();
    const rlim_t limit = rlim_t(catalogueSize() / 2);
    const pid_t child = fork();
    if (child == 0) {
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        limitFileSize(limit, true);
        openYear();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the copy was to be cut off by the kill";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_FALSE(tableExists(at("2020/FIN/KONTRAHI")));
    EXPECT_TRUE(QFile::exists(at("2020/FIN/KONTRAHI.DB.tmp"))) << "the kill hit the copy itself";
    rerunCompletes();
}

TEST_F(YearOpeningFaults, ATableAnotherProgramHoldsIsReportedAndCarriedByTheRerun)
{
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    if (child == 0) {
        Session session;
        Cursor table(session, "TKONTRAHO");
        table.setTableName(at("2019/FIN/KONTRAHO"));
        table.open(Cursor::Access::Exclusive);
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        (void)!read(release[0], &byte, 1);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    start();
    const YearOpeningResult result = openYear();
    (void)!write(release[1], &byte, 1);
    waitpid(child, nullptr, 0);

    EXPECT_EQ(result, YearOpeningResult::Incomplete);
    EXPECT_TRUE(log.contains("Bląd bazy :" + environment.dataRoot + "2020/FIN/KONTRAHO.DB"))
        << log.join('\n').toStdString();
    EXPECT_FALSE(tableExists(at("2020/FIN/KONTRAHO")));
    EXPECT_TRUE(tableExists(at("2020/FIN/KONTRAHI")));
    prompter.clear();
    prompter.enqueue(Answer::Yes);
    EXPECT_EQ(openYear(), YearOpeningResult::Completed);
    EXPECT_TRUE(tableExists(at("2020/FIN/KONTRAHO")));
    EXPECT_EQ(TablesNotWhole(environment.dataRoot), QStringList());
}
