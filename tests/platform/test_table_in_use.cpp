// A table another process holds past the busy timeout is reported as in use, never as
// damage, and nothing of the refused work reaches the file; a journal blocks only while it
// belongs to a write in progress.

#include "platform/sqlite_db.h"
#include "table_fixture.h"
#include "tests/support/held_table.h"

#include <QFile>

class TableInUse : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
        cursor.open();
        add("01", 1, "Pierwszy", "10");
        cursor.close();
    }
    void TearDown() override { qunsetenv("KSIEGA_BUSY_TIMEOUT_MS"); }

    QString inUse() const
    {
        return QStringLiteral("Tabela KSIEGA jest używana przez inny program. Spróbuj ponownie "
                              "za chwilę.\rBaza : ")
               + path("KSIEGA.DB");
    }

    // The table as a fresh reader finds it: whole, with the records it had.
    void expectWholeWithRecords(int records)
    {
        cursor.close();
        cursor.open();
        EXPECT_EQ(cursor.recordCount(), records);
        Connection connection(path("KSIEGA.DB"), Connection::Mode::ReadOnly);
        Statement check(connection.handle(), QStringLiteral("PRAGMA integrity_check"));
        ASSERT_TRUE(check.step());
        EXPECT_EQ(check.column(0).toString(), "ok");
    }

    static QString messageOf(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const DbError &failure) {
            EXPECT_TRUE(failure.isBusy()) << failure.message().toStdString();
            return failure.message();
        }
        return QStringLiteral("(powiodło się)");
    }
};

TEST_F(TableInUse, OpeningATableAnotherProcessHoldsSaysItIsInUse)
{
    HeldTable holder(path("KSIEGA.DB"), HeldTable::Lock::Exclusive);
    ASSERT_TRUE(holder.held());
    EXPECT_EQ(messageOf([&] { cursor.open(); }), inUse());
    EXPECT_FALSE(cursor.isOpen());
    EXPECT_EQ(messageOf([&] { readTableDefinition(path("KSIEGA")); }), inUse());
    holder.release();
    expectWholeWithRecords(1);
}

TEST_F(TableInUse, SavingIntoATableAnotherProcessWritesSaysItIsInUse)
{
    // The holder is started first: a child must not inherit SQLite's state of an open file.
    HeldTable holder(path("KSIEGA.DB"), HeldTable::Lock::Write);
    ASSERT_TRUE(holder.held());
    cursor.open();
    EXPECT_EQ(cursor.recordCount(), 1) << "a writer elsewhere still lets the table be read";

    cursor.append();
    cursor.field("LP").setInteger(2);
    EXPECT_EQ(messageOf([&] { cursor.post(); }), inUse());
    cursor.cancel();
    cursor.first();
    cursor.edit();
    cursor.field("NAZ1").setAsString("Zmieniony");
    EXPECT_EQ(messageOf([&] { cursor.post(); }), inUse());
    cursor.cancel();
    EXPECT_EQ(messageOf([&] { cursor.beginTransaction(); }), inUse());
    EXPECT_FALSE(cursor.inTransaction());

    holder.release();
    expectWholeWithRecords(1);
    cursor.first();
    EXPECT_EQ(cursor.field("NAZ1").asString(), "Pierwszy");
}

// One scan is one read of the file: a writer elsewhere waits for its end, so no record of
// the scan is older or newer than another.
TEST_F(TableInUse, AWriteElsewhereWaitsForAScanToEnd)
{
    cursor.open();
    add("01", 2, "Drugi", "20");
    Connection other(path("KSIEGA.DB"), Connection::Mode::ReadWrite);
    QStringList names;
    QString refused;
    cursor.scan([&](Cursor &c) {
        names << c.field("NAZ1").asString();
        if (refused.isEmpty())
            refused = messageOf([&] { other.exec("UPDATE KSIEGA SET NAZ1 = 'Zmieniony'"); });
    });
    EXPECT_EQ(refused, inUse());
    EXPECT_EQ(names, QStringList({"Pierwszy", "Drugi"}));
    other.exec("UPDATE KSIEGA SET NAZ1 = 'Zmieniony'");
    expectWholeWithRecords(2);
}

// The engine's own lock file is held by another process: the same words as SQLite's lock.
TEST_F(TableInUse, AnExclusiveOpenElsewhereIsAlsoInUse)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        auto lock = TableLock::acquire(path("KSIEGA.DB"), TableLock::Mode::Exclusive);
        const char byte = lock ? 1 : 0;
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 1);
    EXPECT_EQ(messageOf([&] { cursor.open(); }), inUse());
    EXPECT_EQ(messageOf([&] { deleteTable(path("KSIEGA")); }), inUse());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    expectWholeWithRecords(1);
}

// SQLite plays back a journal only when its header is set and nobody holds the write lock;
// an empty journal, or one whose header was cleared, is left beside the table and means
// nothing.
TEST_F(TableInUse, AnInactiveJournalNeverBlocks)
{
    for (const QByteArray &content : {QByteArray(), QByteArray(512, '\0')}) {
        createTable(path("RD"), ledgerLikeDefinition());
        QFile journal(path("RD.DB-journal"));
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write(content);
        journal.close();
        renameTable(path("RD"), path("RDX"));
        EXPECT_TRUE(tableExists(path("RDX")));
        EXPECT_TRUE(deleteTable(path("RDX")));
        EXPECT_FALSE(tableExists(path("RDX")));
        QFile::remove(path("RD.DB-journal"));
    }
}

TEST_F(TableInUse, AJournalOfAWriteInProgressBlocksUntilTheWriterIsGone)
{
    {
        HeldTable holder(path("KSIEGA.DB"), HeldTable::Lock::WriteInProgress);
        ASSERT_TRUE(holder.held());
        ASSERT_TRUE(QFile::exists(path("KSIEGA.DB-journal")));
        EXPECT_EQ(messageOf([&] { deleteTable(path("KSIEGA")); }), inUse());
        EXPECT_EQ(messageOf([&] { renameTable(path("KSIEGA"), path("INNA")); }), inUse());
        EXPECT_TRUE(tableExists(path("KSIEGA")));
        EXPECT_FALSE(tableExists(path("INNA")));
    }
    // Killed before its commit: the change never reached the file, and the journal it left
    // has a cleared header. SQLite never plays such a journal back; it blocks nothing.
    ASSERT_TRUE(QFile::exists(path("KSIEGA.DB-journal")));
    expectWholeWithRecords(1);
    {
        Connection connection(path("KSIEGA.DB"), Connection::Mode::ReadOnly);
        Statement version(connection.handle(), QStringLiteral("PRAGMA user_version"));
        ASSERT_TRUE(version.step());
        EXPECT_NE(version.columnInt64(0), 4242) << "the killed writer's change is not in the file";
    }
    cursor.close();
    renameTable(path("KSIEGA"), path("INNA"));
    EXPECT_TRUE(deleteTable(path("INNA")));
    EXPECT_FALSE(tableExists(path("INNA")));
}
