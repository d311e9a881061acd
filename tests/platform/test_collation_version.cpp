// A table file whose text indexes were built in another order than today's is rebuilt when
// the engine can write it right away, and left for later — never failing the open — when it
// is read-only or another process holds it.

#include "plain_sqlite.h"
#include "platform/collation_version.h"
#include "platform/polish_collation.h"
#include "platform/sqlite_db.h"
#include "table_fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int reversedPolish(void *, int aLength, const void *a, int bLength, const void *b)
{
    return -collatePolish(nullptr, aLength, a, bLength, b);
}

int reversedPolishNoCase(void *, int aLength, const void *a, int bLength, const void *b)
{
    return -collatePolishNoCase(nullptr, aLength, a, bLength, b);
}

const QStringList Names = {"„Cudzysł”", "Adam", "Ądam", "Bąk", "Cebula", "Ćma", "Łata",
                           "Müller", "Šimon", "Żaba", "Иванов", "北京", "😀", "\uF818",
                           "\uF819", "Zawada", "Lato", "Osa", "Óra", "Śliwa"};

class CollationVersion : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        cursor.open();
        for (int i = 0; i < Names.size(); ++i)
            add("01", i + 1, Names[i]);
        cursor.close();
    }

    QString file() const { return path("KSIEGA.DB"); }

    // What a file built by an older program with another order looks like: the text indexes
    // in that order and the version of before.
    void buildInAnotherOrder(int version = 0)
    {
        PlainSqlite db(file());
        sqlite3_create_collation(db.handle(), PolishCollation, SQLITE_UTF8, nullptr,
                                 reversedPolish);
        sqlite3_create_collation(db.handle(), PolishCaseInsensitiveCollation, SQLITE_UTF8,
                                 nullptr, reversedPolishNoCase);
        ASSERT_EQ(db.exec(QStringLiteral("REINDEX POLISH; REINDEX POLISH_NOCASE; "
                                         "PRAGMA user_version = %1")
                              .arg(version)),
                  QString());
    }

    QStringList integrity()
    {
        PlainSqlite db(file());
        registerPolishCollations(db.handle());
        return db.column(QStringLiteral("PRAGMA integrity_check"));
    }

    int version()
    {
        PlainSqlite db(file());
        return db.column(QStringLiteral("PRAGMA user_version")).value(0).toInt();
    }

    QByteArray fingerprint() const
    {
        QFile table(file());
        table.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(table.readAll(), QCryptographicHash::Sha256);
    }

    // Every name found through the case-insensitive index, as the engine searches it.
    void expectEveryNameFound()
    {
        cursor.setIndexName(QStringLiteral("KONTRinx"));
        for (const QString &name : Names)
            EXPECT_TRUE(cursor.findKey({name.toUpper()})) << name.toStdString();
        EXPECT_EQ(cursor.recordCount(), Names.size());
    }
};

TEST_F(CollationVersion, NewFileCarriesTheCurrentOrder)
{
    EXPECT_EQ(version(), PolishOrderVersion);
    EXPECT_EQ(integrity(), QStringList{"ok"});
}

TEST_F(CollationVersion, OpeningAnOlderFileRebuildsItsTextIndexes)
{
    buildInAnotherOrder();
    ASSERT_NE(integrity(), QStringList{"ok"}); // the old order really misleads searches
    cursor.open();
    EXPECT_EQ(version(), PolishOrderVersion);
    EXPECT_EQ(integrity(), QStringList{"ok"});
    expectEveryNameFound();
}

TEST_F(CollationVersion, ReadOnlyFileOpensAsItIs)
{
    buildInAnotherOrder();
    const QByteArray before = fingerprint();
    ASSERT_TRUE(QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    cursor.open();
    EXPECT_TRUE(cursor.isReadOnly());
    EXPECT_EQ(cursor.recordCount(), Names.size());
    cursor.close();
    EXPECT_EQ(fingerprint(), before);
    QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(version(), 0);
}

// Another process holds the file — writing (its reserved lock refuses our write at once) or
// reading (its shared lock refuses our commit) — while the engine opens it: the open goes on
// with the file unchanged, and the next open after the other process is done rebuilds.
TEST_F(CollationVersion, LockHeldElsewhereLeavesTheRebuildForLater)
{
    for (const char *hold : {"BEGIN IMMEDIATE", "BEGIN; SELECT count(*) FROM sqlite_master"}) {
        buildInAnotherOrder();
        int ready[2];
        int release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        const pid_t child = fork();
        if (child == 0) {
            PlainSqlite db(file());
            const bool held = db.exec(QString::fromLatin1(hold)).isEmpty();
            char signal = held ? 'y' : 'n';
            (void)!write(ready[1], &signal, 1);
            (void)!read(release[0], &signal, 1);
            db.exec(QStringLiteral("ROLLBACK"));
            _exit(0);
        }
        char signal = 0;
        ASSERT_EQ(read(ready[0], &signal, 1), 1);
        ASSERT_EQ(signal, 'y') << hold;
        const QByteArray before = fingerprint();
        cursor.open();
        EXPECT_EQ(cursor.recordCount(), Names.size()) << hold;
        cursor.close();
        EXPECT_EQ(fingerprint(), before) << hold;
        (void)!write(release[1], &signal, 1);
        waitpid(child, nullptr, 0);
        for (int end : {ready[0], ready[1], release[0], release[1]})
            close(end);

        EXPECT_EQ(version(), 0) << hold;
        cursor.open();
        EXPECT_EQ(version(), PolishOrderVersion) << hold;
        EXPECT_EQ(integrity(), QStringList{"ok"}) << hold;
        expectEveryNameFound();
        cursor.close();
    }
}

TEST_F(CollationVersion, IndexRepairRebuildsWhateverTheFileClaims)
{
    buildInAnotherOrder(PolishOrderVersion);
    cursor.open(Cursor::Access::Exclusive);
    ASSERT_NE(integrity(), QStringList{"ok"});
    cursor.rebuildTextIndexes();
    EXPECT_EQ(integrity(), QStringList{"ok"});
    expectEveryNameFound();
}

// A companion program's plain-SQL table without our collations has no order to bring up to
// date, and the engine does not write to it for nothing.
TEST_F(CollationVersion, FileWithoutPolishIndexesIsNotWritten)
{
    const QString plain = path("FAKTURY.DB");
    {
        Connection create(plain, Connection::Mode::Create);
        create.exec(QStringLiteral("CREATE TABLE FAKTURY (NR INTEGER, NAZWA TEXT)"));
        create.exec(QStringLiteral("CREATE INDEX Ninx ON FAKTURY (NAZWA)"));
        create.exec(QStringLiteral("INSERT INTO FAKTURY VALUES (1, 'Żaba')"));
    }
    Cursor faktury(session, "TFAKTURY");
    faktury.setTableName(plain);
    faktury.open();
    EXPECT_EQ(faktury.recordCount(), 1);
    faktury.close();
    PlainSqlite db(plain);
    EXPECT_EQ(db.column(QStringLiteral("PRAGMA user_version")), QStringList{"0"});
}

} // namespace
