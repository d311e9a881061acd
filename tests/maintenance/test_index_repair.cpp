#include "archive_fixture.h"

#include "maintenance/index_repair.h"
#include "platform/table_files.h"

#include <QProcess>
#include <QThread>

class IndexRepair : public ArchiveTest {
protected:
    QStringList sqliteIndexes(const QString &file)
    {
        Connection table(at(file), Connection::Mode::ReadOnly);
        Statement list(table.handle(), "SELECT sql FROM sqlite_master WHERE type = 'index' AND sql "
                                       "IS NOT NULL ORDER BY name");
        QStringList found;
        while (list.step())
            found << list.column(0).toString();
        return found;
    }

    QStringList expectedLog(const QStringList &tables, const QStringList &results)
    {
        QStringList log{"Bazy danych używane w programie:"};
        log << tables << "Odtwarzanie baz danych używanych w programie:";
        for (int i = 0; i < tables.size(); ++i)
            log << tables[i] + results[i];
        return log << "KONIEC";
    }

    RepairLog log;
};

TEST_F(IndexRepair, IndexesComeBackFromTheStructureFilePlainAndCaseInsensitive)
{
    addEntries("2019", 1, 20);
    TDANE &d = start();
    const QStringList tables = environment.openedTables;
    ASSERT_EQ(tables.size(), 6);
    // A secondary index made unique and descending, one dropped, one other program's own.
    plainSql("2019/KSIEGA/KSIEGA.DB", "DROP INDEX LPinx");
    plainSql("2019/KSIEGA/KSIEGA.DB", "CREATE UNIQUE INDEX LPinx ON KSIEGA (MC DESC, LP DESC)");
    plainSql("2019/KSIEGA/KSIEGA.DB",
             "UPDATE _indexes SET is_unique = 1, descending = 1 WHERE name = 'LPinx'");
    plainSql("2019/KSIEGA/KSIEGA.DB", "DROP INDEX NUMERinx");
    plainSql("2019/KSIEGA/KSIEGA.DB", "CREATE INDEX OBCY ON KSIEGA (OPIS1)");
    writeFile("2019/KSIEGA/KSIEGA.VAL");
    writeFile("2019/KSIEGA/KSIEGA.EXE");
    const QStringList sideFiles = filesUnder("2019/KSIEGA");

    prompter.clear();
    prompter.enqueue(Answer::Yes);
    const RepairOutcome outcome = NaprawaIndeksow(d, prompter, log);
    ASSERT_TRUE(outcome.started);
    EXPECT_EQ(outcome.notRepaired, 0);
    EXPECT_EQ(prompter.messages().first().text,
              "Uwaga ! Proszę zamknąć pozostałe programy.\rCzy zacząć odtwarzanie indeksów ?");
    EXPECT_EQ(log.lines(), expectedLog(tables, QStringList(tables.size(), " naprawiono.")));

    const TableDef ledger = readTableDefinition(at("2019/KSIEGA/KSIEGA.DB"));
    ASSERT_EQ(ledger.indexes.size(), 7);
    EXPECT_EQ(*ledger.primaryIndex(), (IndexDef{"", {"AUTO"}, true, true, false, false}));
    EXPECT_EQ(*ledger.findIndex("LPinx"), (IndexDef{"LPinx", {"MC", "LP"}, false, false, true, false}));
    EXPECT_EQ(*ledger.findIndex("NUMERinx"), (IndexDef{"NUMERinx", {"LP"}, false, false, true, false}));
    EXPECT_EQ(ledger.findIndex("OBCY"), nullptr);
    const QStringList made = sqliteIndexes("2019/KSIEGA/KSIEGA.DB");
    EXPECT_TRUE(made.contains("CREATE INDEX \"LPinx\" ON \"KSIEGA\" (\"MC\" COLLATE POLISH_NOCASE, \"LP\")"))
        << made.join('\n').toStdString();
    EXPECT_EQ(filesUnder("2019/KSIEGA"), sideFiles) << "a file named like a table went";
    EXPECT_EQ(entryNumbers(at("2019/KSIEGA/KSIEGA.DB")).size(), 20);

    ASSERT_TRUE(d.TKSIEGA.isOpen()) << "the start sequence did not run again";
    // The firm table is named from the data root the first start settled.
    EXPECT_EQ(environment.openedTables.mid(1), tables.mid(1));
    EXPECT_TRUE(environment.openedTables.first().endsWith("FIRMA"));
    d.TKSIEGA.setIndexName("NUMERinx");
    d.TKSIEGA.last();
    EXPECT_EQ(d.TKSIEGA.field("LP").asInteger(), 20);
}

TEST_F(IndexRepair, WithNoOpenedTablesTheLogHoldsOnlyItsHeadingsAndAnsweredNoNothingRuns)
{
    TDANE &d = start();
    prompter.enqueue(Answer::No);
    EXPECT_FALSE(NaprawaIndeksow(d, prompter, log).started);
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_TRUE(d.TKSIEGA.isOpen());

    environment.openedTables.clear();
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(NaprawaIndeksow(d, prompter, log).started);
    EXPECT_EQ(log.lines(), expectedLog({}, {}));
}

// A table held by another process, one without its structure file and one whose rows no
// longer fit its primary index are not repaired and keep their indexes; the others are.
TEST_F(IndexRepair, TablesThatCannotBeRepairedAreLoggedAndTheOthersAreRepaired)
{
    TDANE &d = start();
    const QStringList tables = environment.openedTables;
    ASSERT_TRUE(QFile::remove(at("2019/KSIEGA/OPISZG.STR")));
    plainSql("2019/KSIEGA/SUMA.DB", "DROP INDEX \"PRIMARY\"");
    plainSql("2019/KSIEGA/SUMA.DB", "INSERT INTO SUMA (KOD) VALUES ('01')");
    plainSql("2019/KSIEGA/KSIEGA.DB", "DROP INDEX NUMERinx");
    plainSql("2019/KSIEGA/USER.DB", "CREATE INDEX OBCY ON USER (NAZWISKO)");
    const QStringList usersBefore = sqliteIndexes("2019/KSIEGA/USER.DB");
    const QStringList sumsBefore = sqliteIndexes("2019/KSIEGA/SUMA.DB");
    // The contractor notes are opened outside the checked path: not in the list.
    plainSql("2019/FIN/KONTRAHO.DB", "DROP INDEX \"PRIMARY\"");
    const QStringList notesBefore = sqliteIndexes("2019/FIN/KONTRAHO.DB");
    for (const QString &table : tables)
        ASSERT_FALSE(table.endsWith("KONTRAHo", Qt::CaseInsensitive));

    QProcess holder;
    holder.start("flock", {"--shared", "--nonblock", at("2019/KSIEGA/USER.LCK"), "sleep", "60"});
    ASSERT_TRUE(holder.waitForStarted());
    QThread::msleep(300);
    ASSERT_EQ(holder.state(), QProcess::Running) << "the other program did not get its lock";
    prompter.enqueue(Answer::Yes);
    const RepairOutcome outcome = NaprawaIndeksow(d, prompter, log);
    holder.kill();
    holder.waitForFinished();

    EXPECT_EQ(outcome.notRepaired, 3);
    QStringList results;
    for (const QString &table : tables)
        results << (table.endsWith("/USER") || table.endsWith("/OPISZG") || table.endsWith("/SUMA")
                        ? " nienaprawiono."
                        : " naprawiono.");
    EXPECT_EQ(log.lines(), expectedLog(tables, results));
    EXPECT_EQ(sqliteIndexes("2019/KSIEGA/USER.DB"), usersBefore);
    EXPECT_EQ(sqliteIndexes("2019/KSIEGA/SUMA.DB"), sumsBefore);
    EXPECT_EQ(sqliteIndexes("2019/KSIEGA/KSIEGA.DB").filter("NUMERinx").size(), 1);
    EXPECT_EQ(sqliteIndexes("2019/FIN/KONTRAHO.DB"), notesBefore);
}
