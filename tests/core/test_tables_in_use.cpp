// The start of the program and a save meet a table another process holds: the user is told
// the table is in use, never that it is damaged, and nothing is repaired or written.

#include "core/table_access.h"
#include "data_root_fixture.h"
#include "tests/support/held_table.h"

class TablesInUse : public DataRootTest {
protected:
    void SetUp() override
    {
        DataRootTest::SetUp();
        qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
    }
    void TearDown() override
    {
        qunsetenv("KSIEGA_BUSY_TIMEOUT_MS");
        DataRootTest::TearDown();
    }

    QString inUse(const QString &name, const QString &relativeFile) const
    {
        return name
               + QStringLiteral(" jest używana przez inny program. Spróbuj ponownie za chwilę."
                                "\rBaza : ")
               + at(relativeFile);
    }
};

// The parameter table is opened without a display name, so a missing one is silent; a held
// one is still reported, and not as missing.
TEST_F(TablesInUse, TheStartStopsAtAHeldTableAndSaysItIsInUse)
{
    const QList<std::pair<QString, QString>> tables = {
        {"FIRMA", "FIRMA.DB"},
        {"KSIEGA", "KSIEGA.DB"},
        {"KSIEGA", "2019/KSIEGA/KSIEGA.DB"},
        {"SUMA", "2019/KSIEGA/SUMA.DB"},
        {"KONTRAHO", "2019/FIN/KONTRAHO.DB"},
        {"DPIT5", "2019/DRUKI/DPIT5.DB"},
    };
    for (const auto &[name, file] : tables) {
        SCOPED_TRACE(file.toStdString());
        dane.reset(); // the holder must not inherit this process's open table files
        prompter.clear();
        HeldTable holder(at(file), HeldTable::Lock::Exclusive);
        ASSERT_TRUE(holder.held());
        start();
        EXPECT_TRUE(environment.abort);
        ASSERT_EQ(prompter.messages().size(), 1) << messageTexts().join('\n').toStdString();
        EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
        EXPECT_EQ(prompter.messages()[0].text, "Tabela " + inUse(name, file));

        holder.release();
        prompter.clear();
        TDANE &d = start();
        EXPECT_FALSE(environment.abort);
        EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join('\n').toStdString();
        EXPECT_EQ(d.TSUMA.recordCount(), 24) << "the held sums were not rebuilt";
    }
}

TEST_F(TablesInUse, SavingIntoATableAnotherProcessWritesSaysItIsInUse)
{
    HeldTable holder(at("2019/KSIEGA/USER.DB"), HeldTable::Lock::Write);
    ASSERT_TRUE(holder.held());
    TDANE &d = start();
    ASSERT_FALSE(environment.abort) << "a table being written elsewhere can still be read";
    ASSERT_TRUE(prompter.messages().isEmpty()) << messageTexts().join('\n').toStdString();

    d.TUSER.edit();
    d.TUSER.field("NAZWISKO").setAsString("Nowak Anna");
    EXPECT_FALSE(SaveTable(d.TUSER, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(prompter.messages()[0].text, "Tabela " + inUse("USER", "2019/KSIEGA/USER.DB"));
    EXPECT_EQ(d.TUSER.state(), Cursor::State::Browse);

    holder.release();
    d.TUSER.refresh();
    EXPECT_EQ(d.TUSER.field("NAZWISKO").asString(), "Kowalski Jan");
}
