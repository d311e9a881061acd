#include "platform/sqlite_db.h"
#include "platform/table_lock.h"
#include "table_fixture.h"

#include <QFile>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using TableFiles = TableTest;

// What another program sees when it opens a table file with plain SQLite.
static QList<QVariantList> plainRows(const QString &file, const QString &sql)
{
    Connection connection(file, Connection::Mode::ReadOnly);
    Statement statement(connection.handle(), sql);
    QList<QVariantList> rows;
    while (statement.step()) {
        QVariantList row;
        for (int i = 0; i < statement.columnCount(); ++i)
            row << statement.column(i);
        rows << row;
    }
    return rows;
}

TEST_F(TableFiles, DefinitionReadsBackAsCreated)
{
    const TableDef read = readTableDefinition(path("ksiega"));
    EXPECT_EQ(read.fields, ledgerLikeDefinition().fields);
    EXPECT_EQ(read.indexes, ledgerLikeDefinition().indexes);
}

TEST_F(TableFiles, StoresRowsInThePublishedFormat)
{
    cursor.open();
    cursor.append();
    cursor.field("LP").setInteger(7);
    cursor.field("MC").setAsString("03");
    cursor.field("K7").setAsString("1234,56");
    cursor.field("B1").setBoolean(true);
    cursor.post();
    cursor.close();

    const QString file = path("KSIEGA.DB");
    const auto rows = plainRows(file, "SELECT LP, MC, NAZ1, K7, K8, B1 FROM KSIEGA");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toLongLong(), 7);
    EXPECT_EQ(rows[0][1].toString(), "03");
    EXPECT_FALSE(rows[0][2].isValid()) << "a blank field is NULL";
    EXPECT_EQ(rows[0][3].typeId(), QMetaType::LongLong);
    EXPECT_EQ(rows[0][3].toLongLong(), 12345600) << "amounts count 1/10000 zł";
    EXPECT_FALSE(rows[0][4].isValid());
    EXPECT_EQ(rows[0][5].toLongLong(), 1);

    EXPECT_EQ(plainRows(file, "PRAGMA journal_mode")[0][0].toString(), "delete");
    const auto indexes = plainRows(file, "SELECT name FROM sqlite_master WHERE type='index' "
                                         "AND tbl_name='KSIEGA' ORDER BY name");
    QStringList names;
    for (const auto &row : indexes)
        names << row[0].toString();
    EXPECT_EQ(names, QStringList({"KONTRinx", "LPinx", "PRIMARY"}));
}

TEST_F(TableFiles, RefusesInvalidDefinitionsAndExistingTables)
{
    EXPECT_THROW(createTable(path("KSIEGA"), ledgerLikeDefinition()), DbError);
    TableDef twice = ledgerLikeDefinition();
    twice.fields << FieldDef{"lp", FieldType::Integer, 0, false};
    EXPECT_THROW(createTable(path("X"), twice), DbError);
    TableDef badIndex = ledgerLikeDefinition();
    badIndex.indexes << IndexDef{"Zinx", {"NIEMA"}, false, false, false, false};
    EXPECT_THROW(createTable(path("Y"), badIndex), DbError);
    EXPECT_FALSE(tableExists(path("X")));
    EXPECT_FALSE(tableExists(path("Y")));
}

TEST_F(TableFiles, IndexesAreAddedAndDropped)
{
    addIndex(path("KSIEGA"), IndexDef{"DATAinx", {"LP"}, false, false, false, true});
    EXPECT_THROW(addIndex(path("KSIEGA"), IndexDef{"datainx", {"MC"}, false, false, false, false}),
                 DbError);
    EXPECT_THROW(addIndex(path("KSIEGA"), IndexDef{QString(), {"LP"}, true, true, false, false}),
                 DbError);
    TableDef read = readTableDefinition(path("KSIEGA"));
    ASSERT_NE(read.findIndex("DATAinx"), nullptr);
    EXPECT_TRUE(read.findIndex("DATAinx")->descending);

    deleteIndex(path("KSIEGA"), "DATAinx");
    deleteIndex(path("KSIEGA"), QString());
    read = readTableDefinition(path("KSIEGA"));
    EXPECT_EQ(read.findIndex("DATAinx"), nullptr);
    EXPECT_EQ(read.primaryIndex(), nullptr);
    EXPECT_TRUE(plainRows(path("KSIEGA.DB"),
                          "SELECT 1 FROM sqlite_master WHERE name IN ('PRIMARY','DATAinx')")
                    .isEmpty());
}

TEST_F(TableFiles, EmptyDeleteAndRename)
{
    cursor.open();
    add("01", 1);
    add("01", 2);
    cursor.close();
    emptyTable(path("KSIEGA"));
    cursor.open();
    EXPECT_EQ(cursor.recordCount(), 0);
    add("02", 5);
    cursor.close();

    renameTable(path("KSIEGA"), path("TEMP"));
    EXPECT_FALSE(tableExists(path("KSIEGA")));
    EXPECT_EQ(plainRows(path("TEMP.DB"), "SELECT LP FROM TEMP")[0][0].toLongLong(), 5)
        << "the rows' table is renamed with the file";
    EXPECT_THROW(renameTable(path("TEMP"), path("TEMP")), DbError);

    EXPECT_TRUE(deleteTable(path("temp")));
    EXPECT_FALSE(deleteTable(path("TEMP")));
    EXPECT_FALSE(QFile::exists(path("TEMP.DB")));
}

TEST_F(TableFiles, ReplacingATableEmptiesIt)
{
    cursor.open();
    add("01", 1);
    cursor.close();
    TableDef wider = ledgerLikeDefinition();
    wider.fields << FieldDef{"US", FieldType::Text, 50, false};
    createTable(path("KSIEGA"), wider, true);
    cursor.open();
    EXPECT_EQ(cursor.recordCount(), 0);
    EXPECT_TRUE(cursor.hasField("US"));
}

TEST_F(TableFiles, PlainSqlTablesOpenWithTypesFromTheirColumns)
{
    {
        Connection plain(path("RD.DB"), Connection::Mode::Create);
        plain.exec("CREATE TABLE RD (RD VARCHAR(3), NAZWA TEXT, L1 BOOLEAN, ILE INTEGER, "
                   "KWOTA CURRENCY, KURS REAL, DATA DATE)");
        plain.exec("CREATE UNIQUE INDEX RDinx ON RD (RD)");
        plain.exec("INSERT INTO RD VALUES ('SB', 'Sprzedaż', 1, 3, 1005000, 4.25, '2019-03-31')");
        plain.exec("INSERT INTO RD VALUES ('ZA', 'Zakup', 0, NULL, NULL, NULL, NULL)");
    }
    const TableDef read = readTableDefinition(path("RD"));
    ASSERT_EQ(read.fields.size(), 7);
    EXPECT_EQ(read.fields[0].type, FieldType::Text);
    EXPECT_EQ(read.fields[0].size, 3);
    EXPECT_EQ(read.fields[2].type, FieldType::Logical);
    EXPECT_EQ(read.fields[3].type, FieldType::Integer);
    EXPECT_EQ(read.fields[4].type, FieldType::Currency);
    EXPECT_EQ(read.fields[5].type, FieldType::Float);
    EXPECT_EQ(read.fields[6].type, FieldType::Date);
    ASSERT_NE(read.findIndex("RDinx"), nullptr);
    EXPECT_TRUE(read.findIndex("RDinx")->unique);

    Cursor rd(session, "TRD");
    rd.setTableName(path("rd.db"));
    rd.setIndexName("RDinx");
    rd.open();
    ASSERT_TRUE(rd.findKey({"SB"}));
    EXPECT_TRUE(rd.field("L1").asBoolean());
    EXPECT_EQ(rd.field("KWOTA").asCurrency(), *Money::parse(u"100,50"));
    EXPECT_EQ(rd.field("DATA").asString(), "2019-03-31");
    rd.edit();
    rd.field("NAZWA").setAsString("Sprzedaż towarów");
    rd.post();
    rd.addIndex(IndexDef{"Ninx", {"NAZWA"}, false, false, true, false});
    EXPECT_NE(readTableDefinition(path("RD")).findIndex("Ninx"), nullptr);
}

TEST_F(TableFiles, ExclusiveOpenFailsWhileAnotherHolderHasTheTable)
{
    cursor.open();
    Cursor other(session, "TINNY");
    other.setTableName(path("KSIEGA"));
    EXPECT_THROW(other.open(Cursor::Access::Exclusive), DbError);
    EXPECT_THROW(deleteTable(path("KSIEGA")), DbError);
    cursor.close();

    other.open(Cursor::Access::Exclusive);
    EXPECT_TRUE(other.isExclusive());
    EXPECT_THROW(cursor.open(), DbError) << "nobody else opens a table held exclusively";
    other.close();
    cursor.open();
    cursor.close();

    // Another process holding the table shared.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        auto lock = TableLock::acquire(path("KSIEGA.DB"), TableLock::Mode::Shared);
        char byte = lock ? 1 : 0;
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 1);
    EXPECT_THROW(other.open(Cursor::Access::Exclusive), DbError);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    other.open(Cursor::Access::Exclusive);
    EXPECT_TRUE(other.isOpen()) << "a lock dies with the process that held it";
}

TEST_F(TableFiles, ReadOnlyFileOpensReadOnly)
{
    QFile::setPermissions(path("KSIEGA.DB"), QFile::ReadOwner | QFile::ReadGroup);
    cursor.open();
    EXPECT_TRUE(cursor.isReadOnly());
    EXPECT_THROW(cursor.append(), DbError);
    cursor.close();
    QFile::setPermissions(path("KSIEGA.DB"), QFile::ReadOwner | QFile::WriteOwner);
    cursor.open();
    EXPECT_FALSE(cursor.isReadOnly());
}

TEST_F(TableFiles, MissingOrForeignFilesDoNotOpen)
{
    Cursor missing(session, "TBRAK");
    missing.setTableName(path("BRAK"));
    EXPECT_THROW(missing.open(), DbError);
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(QFile::exists(path("BRAK.DB"))) << "opening never creates a table";

    QFile junk(path("SMIECI.DB"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("To nie jest tabela, tylko zwykły tekst zapisany w pliku o rozszerzeniu DB.");
    junk.close();
    Cursor foreign(session, "TSMIECI");
    foreign.setTableName(path("SMIECI"));
    EXPECT_THROW(foreign.open(), DbError);
    EXPECT_FALSE(foreign.isOpen());
}
