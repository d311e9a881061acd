#include "platform/joint_transaction.h"
#include "platform/sqlite_db.h"
#include "table_fixture.h"

#include <QProcess>

// The ledger-like table of the fixture and a second table file beside it.
class JointTransactionTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        createTable(path("SUMA"), ledgerLikeDefinition());
        sums.setTableName(path("SUMA"));
        cursor.open();
        sums.open();
    }

    static void addTo(Cursor &table, int lp)
    {
        table.append();
        table.field("MC").setAsString("01");
        table.field("LP").setInteger(lp);
        table.post();
    }

    // What another program reading the file sees.
    qint64 countIn(const QString &name)
    {
        Connection reader(path(name + ".DB"), Connection::Mode::ReadOnly);
        Statement count(reader.handle(), "SELECT count(*) FROM " + name);
        EXPECT_TRUE(count.step());
        return count.columnInt64(0);
    }

    Cursor sums{session, QStringLiteral("TSUMA")};
};

TEST_F(JointTransactionTest, BothFilesCommitAtOnceAndTheCursorsGoBackToTheirOwn)
{
    {
        JointTransaction together({&cursor, &sums});
        addTo(cursor, 1);
        addTo(sums, 1);
        addTo(sums, 2);
        EXPECT_EQ(sums.recordCount(), 2) << "the cursor sees its own writes";
        EXPECT_EQ(countIn("KSIEGA"), 0);
        EXPECT_EQ(countIn("SUMA"), 0);
        together.commit();
    }
    EXPECT_EQ(countIn("KSIEGA"), 1);
    EXPECT_EQ(countIn("SUMA"), 2);
    addTo(sums, 3);
    EXPECT_EQ(countIn("SUMA"), 3) << "a post on its own is on disk when it returns";
    EXPECT_FALSE(sums.inTransaction());

    {
        JointTransaction undone({&cursor, &sums});
        addTo(cursor, 2);
        addTo(sums, 4);
    }
    EXPECT_EQ(countIn("KSIEGA"), 1);
    EXPECT_EQ(countIn("SUMA"), 3);
    EXPECT_EQ(sums.recordCount(), 3) << "the cursor reads the file again";
    EXPECT_EQ(walk(), (std::vector<qint64>{1}));
}

TEST_F(JointTransactionTest, ARecordBeingTypedSurvivesAnUndoneJoint)
{
    sums.append();
    sums.field("LP").setInteger(7);
    {
        JointTransaction undone({&cursor, &sums});
        addTo(cursor, 1);
    }
    ASSERT_TRUE(sums.isEditing());
    sums.post();
    EXPECT_EQ(countIn("SUMA"), 1);
    EXPECT_EQ(countIn("KSIEGA"), 0);
}

// A write the second file refuses (its unique index says no) undoes the first file's too.
TEST_F(JointTransactionTest, AWriteOneFileRefusesUndoesTheWritesToTheOthers)
{
    sums.addIndex({"LPuniq", {"LP"}, false, true, false, false});
    addTo(sums, 1);
    {
        JointTransaction together({&cursor, &sums});
        addTo(cursor, 1);
        addTo(cursor, 2);
        EXPECT_THROW(addTo(sums, 1), DbError);
        sums.cancel();
    }
    EXPECT_EQ(countIn("KSIEGA"), 0);
    EXPECT_EQ(countIn("SUMA"), 1);
    EXPECT_EQ(walk(), std::vector<qint64>{});
}

// Another program holds the second file: the joint cannot begin, so nothing is written to
// the first one either, and the cursors work on alone afterwards.
TEST_F(JointTransactionTest, AFileAnotherProgramHoldsStopsTheJointBeforeAnyWrite)
{
    QProcess holder;
    holder.start("sqlite3", {path("SUMA.DB")});
    ASSERT_TRUE(holder.waitForStarted());
    holder.write("BEGIN IMMEDIATE;\n.print trzymam\n");
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_TRUE(holder.readAll().contains("trzymam"));
    session.connect(cursor.tablePath(), false)->setWaitForLocks(false);

    EXPECT_THROW(JointTransaction joint({&cursor, &sums}), DbError);
    EXPECT_FALSE(cursor.inTransaction());
    addTo(cursor, 1);
    EXPECT_EQ(countIn("KSIEGA"), 1);

    holder.write("ROLLBACK;\n.quit\n");
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    addTo(sums, 1);
    EXPECT_EQ(countIn("SUMA"), 1);
}
