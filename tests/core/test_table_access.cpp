#include "core/structure_file.h"
#include "core/table_access.h"
#include "data_root_fixture.h"

#include <QFile>

#include <sqlite3.h>

using TableAccess = DataRootTest;

TEST_F(TableAccess, StructureFileLinesAreExact)
{
    TableDef definition;
    definition.fields = {{"LP", FieldType::Integer, 0, true},
                         {"NAZWA_BARDZO_DLUGA_KTORA_MA_PONAD_CZTERDZIESCI_ZNAKOW", FieldType::Text,
                          50, false},
                         {"ŻÓŁW", FieldType::Currency, 0, false}};
    definition.indexes = {{QString(), {"LP"}, true, true, false, false},
                          {"NAZinx", {"ŻÓŁW", "LP"}, false, false, true, false}};
    const QByteArray text = structureFileText(definition);
    const QByteArray expected =
        "STRUKTURA ZBIORU\r\n"
        "Pole:LP                                      Typ:03Obecnosc: TRUEWielkosc:0\r\n"
        "Pole:NAZWA_BARDZO_DLUGA_KTORA_MA_PONAD_CZTERDTyp:01Obecnosc:FALSEWielkosc:50\r\n"
        "Pole:\xAF\xD3\xA3W                                    Typ:07Obecnosc:FALSEWielkosc:0\r\n"
        "INDEKSY\r\n"
        "Nazwa:                                        Pole:LP                                      \r\n"
        "Nazwa:NAZinx                                  Pole:\xAF\xD3\xA3W;LP                                 \r\n"
        "KONIEC\r\n";
    EXPECT_EQ(text, expected);

    const auto indexes = readStructureIndexes(text);
    ASSERT_EQ(indexes.size(), 2);
    EXPECT_EQ(indexes[0].name, "");
    EXPECT_EQ(indexes[0].fields, "LP");
    EXPECT_EQ(indexes[1].name, "NAZinx");
    EXPECT_EQ(indexes[1].fields, "ŻÓŁW;LP");
}

TEST_F(TableAccess, AStructureFileIsWrittenOnceAndNeverRewritten)
{
    start();
    QFile file(at("2019/KSIEGA/SUMA.STR"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), structureFileText(readTableDefinition(at("2019/KSIEGA/SUMA"))));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("zmieniony");
    file.close();
    start();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "zmieniony");
}

TEST_F(TableAccess, ReadOnlyTableOffersToClearTheAttribute)
{
    const QString data = at("2019/KSIEGA/OPISZG.DB");
    const QString other = at("2019/KSIEGA/OPISZG.VAL");
    QFile(other).open(QIODevice::WriteOnly);
    QFile::setPermissions(data, QFile::ReadOwner);
    start();
    TDANE &d = *dane;
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Uwaga baza: OPISZG.DB\rjest w trybie Tylko Do Odczytu\r"
                                           "Czy zmienić automatycznie atrybut Bazy?");
    EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(d.TOPISZG.isOpen()) << "answering No keeps the table open, read-only";
    EXPECT_TRUE(d.TOPISZG.isReadOnly());

    prompter.enqueue(Answer::Yes);
    prompter.clear();
    start();
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_FALSE(dane->TOPISZG.isReadOnly());
    EXPECT_TRUE(QFile::permissions(data) & QFile::WriteOwner);
    EXPECT_TRUE(QFile::permissions(other) & QFile::WriteOwner) << "a writable side file stays so";
}

TEST_F(TableAccess, SaveTableReportsAFailedWriteAndCancels)
{
    TDANE &d = start();
    EXPECT_TRUE(SaveTable(d.TUSER, prompter));
    EXPECT_TRUE(prompter.messages().isEmpty()) << "browse state only flushes";

    d.TUSER.append();
    d.TUSER.field("KOD").setInteger(1); // the first user's code again
    d.TUSER.field("NAZWISKO").setAsString("Drugi");
    EXPECT_FALSE(SaveTable(d.TUSER, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Błąd zapisu");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(d.TUSER.state(), Cursor::State::Browse);
    EXPECT_EQ(d.TUSER.recordCount(), 1);

    EnsureEditing(d.TUSER);
    EXPECT_EQ(d.TUSER.state(), Cursor::State::Edit);
    d.TUSER.field("NAZWISKO").setAsString("Nowak Anna");
    EnsureEditing(d.TUSER);
    EXPECT_TRUE(SaveTable(d.TUSER, prompter));
    Session other;
    Cursor reader(other, "TUSER");
    reader.setTableName(at("2019/KSIEGA/USER"));
    reader.open();
    EXPECT_EQ(reader.field("NAZWISKO").asString(), "Nowak Anna") << "saved means on disk";
}

TEST_F(TableAccess, OpenedTableListStopsAtFifty)
{
    WorkingEnvironment env;
    Session session;
    Cursor cursor(session, "T");
    for (int i = 0; i < 60; ++i)
        OpenTableChecked(cursor, at("2019/KSIEGA/SUMA"), "Baza Sum", env, prompter);
    EXPECT_EQ(env.openedTables.size(), OpenedTableListLimit);
    EXPECT_TRUE(OpenTableChecked(cursor, at("2019/KSIEGA/SUMA"), env, prompter));
    EXPECT_FALSE(OpenTableChecked(cursor, at("2019/KSIEGA/BRAK"), env, prompter));
    EXPECT_TRUE(prompter.messages().isEmpty()) << "without a display name nothing is shown";
}

// The start of the program tells the user the installation is broken when this check fails,
// so it has to fail for an engine that cannot open a database: here one that may not take
// any memory.
TEST(DatabaseEngine, CheckFailsWhenTheEngineCannotOpenADatabase)
{
    ASSERT_TRUE(CheckDatabaseEngine());
    const sqlite3_int64 softLimit = sqlite3_soft_heap_limit64(-1);
    const sqlite3_int64 hardLimit = sqlite3_hard_heap_limit64(-1);
    sqlite3_hard_heap_limit64(1);
    const bool starvedEngineUsable = CheckDatabaseEngine();
    sqlite3_hard_heap_limit64(hardLimit);
    sqlite3_soft_heap_limit64(softLimit);
    EXPECT_FALSE(starvedEngineUsable);
    EXPECT_TRUE(CheckDatabaseEngine()) << "the engine works again once it may take memory";
}
