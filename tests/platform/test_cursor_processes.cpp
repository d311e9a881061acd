// What another process does to a table: a record it posts is seen after a refresh, and a
// process killed in the middle of a transaction leaves the table whole and unchanged.

#include "platform/sqlite_db.h"
#include "table_fixture.h"

#include <QFile>
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

// A writer in another process adds one złoty to every record's K7 in one transaction and is
// killed at a chosen point of it. The writer tells the test through a pipe that it has got
// there and then waits for the kill, so the kill lands at that point on any machine.
class KilledWriter : public TableTest {
protected:
    enum class KillPoint { BeforeCommit, AfterCommit };

    struct Row {
        qint64 number;
        Money k7;
        QString notes;
        bool operator==(const Row &) const = default;
    };

    static constexpr int Records = 400;

    void SetUp() override
    {
        TableTest::SetUp();
        cursor.open();
        cursor.beginTransaction();
        // Notes long enough for the rows to fill many more pages than the writer may keep
        // in memory.
        for (int i = 0; i < Records; ++i) {
            add("01", i, QString(), QString::number(i));
            cursor.edit();
            cursor.field("UWAGI").setAsString(
                QStringLiteral("Uwagi do zapisu %1 ").arg(i).repeated(10));
            cursor.post();
        }
        cursor.commit();
        before = rows();
        cursor.close();
        QFile file(path("KSIEGA.DB"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        fileBefore = file.readAll();
    }

    std::vector<Row> rows()
    {
        std::vector<Row> all;
        for (cursor.first(); !cursor.eof(); cursor.next())
            all.push_back({cursor.field("LP").asInteger(), cursor.field("K7").asCurrency(),
                           cursor.field("UWAGI").asString()});
        return all;
    }

    // Runs the writer up to `point` and kills it there. Before the commit the engine has by
    // then written changed pages into the table file itself, which is what a rollback has to
    // undo: the test checks that the file did change.
    void killWriterAt(KillPoint point)
    {
        int reached[2];
        ASSERT_EQ(pipe(reached), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(reached[0]);
            writeUntilKilled(point, reached[1]);
            _exit(1);
        }
        close(reached[1]);
        char byte = 0;
        const bool arrived = read(reached[0], &byte, 1) == 1;
        close(reached[0]);
        if (arrived && point == KillPoint::BeforeCommit) {
            QFile file(path("KSIEGA.DB"));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll() != fileBefore)
                << "the kill came before any page reached the file";
        }
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(arrived) << "the writer failed before it got to the kill";
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    // The child's side: it waits for the kill once it has got to `point`. It returns only
    // when it failed on the way, which the test sees as a writer that never got there; no
    // exception may leave it into the test program's own run.
    void writeUntilKilled(KillPoint point, int reached) noexcept
    {
        try {
            Session writerSession;
            Cursor writer(writerSession, "TKSIEGA");
            writer.setTableName(path("KSIEGA"));
            writer.open();
            // The writer's connection, shared by its session: with a cache of a few pages
            // the engine spills changed pages into the file long before the commit.
            writerSession.connect(writer.tablePath(), false)
                ->exec(QStringLiteral("PRAGMA cache_size=10"));
            writer.beginTransaction();
            for (writer.first(); !writer.eof(); writer.next()) {
                writer.edit();
                writer.field("K7").setCurrency(writer.field("K7").asCurrency()
                                               + Money::fromZloty(1));
                writer.post();
            }
            if (point == KillPoint::AfterCommit)
                writer.commit();
            const char byte = 1;
            if (write(reached, &byte, 1) == 1)
                for (;;)
                    pause();
        } catch (...) {
        }
    }

    void expectAWholeTable()
    {
        Connection check(path("KSIEGA.DB"), Connection::Mode::ReadOnly);
        Statement integrity(check.handle(), "PRAGMA integrity_check");
        ASSERT_TRUE(integrity.step());
        EXPECT_EQ(integrity.column(0).toString(), "ok");
    }

    std::vector<Row> before;
    QByteArray fileBefore;
};

TEST_F(KilledWriter, KilledInsideItsTransactionLeavesTheTableAsItWasBefore)
{
    killWriterAt(KillPoint::BeforeCommit);
    cursor.open();
    EXPECT_EQ(cursor.recordCount(), Records);
    EXPECT_TRUE(rows() == before) << "a half-written transaction survived the kill";
    cursor.close();
    expectAWholeTable();
}

TEST_F(KilledWriter, KilledAfterItsCommitLeavesTheWholeTransaction)
{
    killWriterAt(KillPoint::AfterCommit);
    std::vector<Row> expected = before;
    for (Row &row : expected)
        row.k7 = row.k7 + Money::fromZloty(1);
    cursor.open();
    EXPECT_TRUE(rows() == expected) << "the kill lost a commit";
    cursor.close();
    expectAWholeTable();
}
