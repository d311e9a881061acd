// What another process does to a table: a record it posts is seen after a refresh, and a
// process killed in the middle of a transaction leaves the table whole and unchanged.

#include "platform/sqlite_db.h"
#include "table_fixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using CursorProcesses = TableTest;

static void waitFor(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
}

TEST_F(CursorProcesses, RefreshSeesAnotherProcesssPost)
{
    cursor.open();
    add("01", 1);
    const pid_t child = fork();
    if (child == 0) {
        Session otherSession;
        Cursor other(otherSession, "TKSIEGA");
        other.setTableName(path("KSIEGA"));
        other.open();
        other.append();
        other.field("LP").setInteger(2);
        other.field("MC").setAsString("01");
        other.post();
        other.first();
        other.edit();
        other.field("NAZ1").setAsString("Zmieniony");
        other.post();
        _exit(0);
    }
    waitFor(child);
    EXPECT_EQ(cursor.recordCount(), 1);
    cursor.refresh();
    EXPECT_EQ(cursor.recordCount(), 2);
    EXPECT_EQ(walk(), (std::vector<qint64>{1, 2}));
    cursor.first();
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Zmieniony");
}

TEST_F(CursorProcesses, RecordDeletedElsewhereIsNotEditedBlindly)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    cursor.last();
    {
        Session otherSession;
        Cursor other(otherSession, "TKSIEGA");
        other.setTableName(path("KSIEGA"));
        other.open();
        other.last();
        other.remove();
    }
    EXPECT_THROW(cursor.edit(), DbError);
    EXPECT_EQ(cursor.recordCount(), 1);
    EXPECT_EQ(cursor.field("LP").asInteger(), 1);
}

// The child rewrites every record inside one transaction and is killed at a random moment,
// before, during or after its commit. The moments are spread over the time an unkilled writer
// takes on this machine, measured in the first run, so that a slow or busy machine still sees
// kills on both sides of the commit.
TEST_F(CursorProcesses, KilledWriterLeavesTheTableWholeAndAllOrNothing)
{
    constexpr int Records = 400;
    constexpr int Runs = 60;
    cursor.open();
    cursor.beginTransaction();
    for (int i = 0; i < Records; ++i)
        add("01", i, QString(), "0");
    cursor.commit();
    cursor.close();

    int committed = 0;
    int rolledBack = 0;
    qint64 writerMicroseconds = 0;
    for (int run = 0; run < Runs; ++run) {
        int writerPipe[2];
        ASSERT_EQ(pipe(writerPipe), 0);
        const pid_t child = fork();
        if (child == 0) {
            Session writerSession;
            Cursor writer(writerSession, "TKSIEGA");
            writer.setTableName(path("KSIEGA"));
            writer.open();
            char byte = 1;
            (void)!write(writerPipe[1], &byte, 1);
            writer.beginTransaction();
            for (writer.first(); !writer.eof(); writer.next()) {
                writer.edit();
                writer.field("K7").setCurrency(writer.field("K7").asCurrency()
                                               + Money::fromZloty(1));
                writer.post();
            }
            writer.commit();
            (void)!write(writerPipe[1], &byte, 1);
            pause();
            _exit(0);
        }
        close(writerPipe[1]);
        char byte = 0;
        ASSERT_EQ(read(writerPipe[0], &byte, 1), 1);
        if (run == 0) {
            QElapsedTimer writing;
            writing.start();
            ASSERT_EQ(read(writerPipe[0], &byte, 1), 1);
            writerMicroseconds = std::max<qint64>(writing.nsecsElapsed() / 1000, 1000);
        } else if (run % 4 != 1) {
            usleep(useconds_t(QRandomGenerator::global()->bounded(writerMicroseconds * 3 / 2)));
        }
        close(writerPipe[0]);
        kill(child, SIGKILL);
        waitFor(child);

        cursor.open();
        {
            Connection check(cursor.tablePath(), Connection::Mode::ReadOnly);
            Statement integrity(check.handle(), "PRAGMA integrity_check");
            ASSERT_TRUE(integrity.step());
            ASSERT_EQ(integrity.column(0).toString(), "ok") << "run " << run;
        }
        ASSERT_EQ(cursor.recordCount(), Records);
        cursor.first();
        const Money value = cursor.field("K7").asCurrency();
        for (; !cursor.eof(); cursor.next())
            ASSERT_EQ(cursor.field("K7").asCurrency(), value) << "a half-written transaction";
        cursor.close();
        if (value > Money::fromZloty(committed))
            ++committed;
        else
            ++rolledBack;
    }
    RecordProperty("committed", committed);
    RecordProperty("rolled_back", rolledBack);
    EXPECT_GT(committed, 0) << "a kill after the commit lost it";
    EXPECT_GT(rolledBack, 0) << "no kill came before a commit";
}
