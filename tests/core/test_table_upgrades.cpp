#include "core/structure_file.h"
#include "core/table_layouts.h"
#include "core/table_upgrades.h"
#include "data_root_fixture.h"

#include <QFile>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using TableUpgrades = DataRootTest;

// Replaces a table of the fresh data root by an older one with the given fields and one
// record of values.
static void makeOldTable(const QString &path, const QList<FieldDef> &fields,
                         const QList<IndexDef> &indexes, const QList<TextRecord> &records)
{
    deleteTable(path);
    createTable(path, TableDef{fields, indexes});
    Session session;
    Cursor table(session, "TSTARA");
    table.setTableName(path);
    table.open();
    for (const TextRecord &record : records) {
        table.append();
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            table.field(it.key()).setAsString(it.value());
        table.post();
    }
}

TEST_F(TableUpgrades, OldParameterTableGainsTheUpdateCheckFields)
{
    makeOldTable(at("KSIEGA"),
                 {{"P2", FieldType::Integer, 0, true}, {"P3", FieldType::Integer, 0, false},
                  {"US", FieldType::Text, 50, false}, {"ZL1", FieldType::Logical, 0, false}},
                 {}, {{{"P2", "15"}, {"P3", "7"}, {"US", "Urząd Skarbowy Kraków"}, {"ZL1", "tak"}}});
    TDANE &d = start();
    EXPECT_FALSE(environment.abort);
    ASSERT_TRUE(d.TPARA.isOpen());
    EXPECT_EQ(d.TPARA.recordCount(), 1);
    EXPECT_EQ(d.TPARA.field("P2").asInteger(), 15);
    EXPECT_EQ(d.TPARA.field("US").asString(), "Urząd Skarbowy Kraków");
    EXPECT_TRUE(d.TPARA.field("ZL1").asBoolean());
    EXPECT_EQ(d.TPARA.field("ADATA").asString(), "2019.05.00");
    EXPECT_EQ(d.TPARA.field("ACYKL").asInteger(), 0);
    EXPECT_FALSE(d.TPARA.definition().fields[0].required) << "the copy requires nothing";
    EXPECT_FALSE(tableExists(at("TEMP"))) << "the new table took the old one's place";
}

TEST_F(TableUpgrades, OldParameterTableKeepsEveryFieldWhenTheMissingOnesAreAdded)
{
    QList<FieldDef> fields = {{"P2", FieldType::Integer, 0, false},
                              {"ADATA", FieldType::Text, 10, false},
                              {"ACYKL", FieldType::Integer, 0, false}};
    TextRecord values{{"P2", "12"}, {"ADATA", "2019.01.00"}, {"ACYKL", "30"}};
    for (int i = 1; i <= 25; ++i) {
        fields << FieldDef{QStringLiteral("X%1").arg(i), FieldType::Text, 10, false};
        values.insert(QStringLiteral("X%1").arg(i), QStringLiteral("wartość %1").arg(i));
    }
    makeOldTable(at("KSIEGA"), fields, {}, {values});
    TDANE &d = start();
    ASSERT_TRUE(d.TPARA.isOpen());
    for (const char *added : {"US", "ML", "MG", "ZL1"})
        EXPECT_TRUE(d.TPARA.hasField(added)) << added;
    EXPECT_EQ(d.TPARA.recordCount(), 1);
    EXPECT_EQ(d.TPARA.field("P2").asInteger(), 12);
    EXPECT_EQ(d.TPARA.field("ACYKL").asInteger(), 30);
    EXPECT_EQ(d.TPARA.field("X25").asString(), "wartość 25") << "all fields, not only 20";
}

TEST_F(TableUpgrades, OldFirmTableIsCarriedIntoTheFullLayout)
{
    const QList<FieldDef> old = {
        {"NR", FieldType::Integer, 0, false},    {"DR", FieldType::Text, 50, false},
        {"NIP", FieldType::Text, 13, false},     {"SKROT", FieldType::Text, 50, false},
        {"BANK", FieldType::Text, 40, false},    {"NUM1", FieldType::Text, 2, false},
        {"NUM2", FieldType::Text, 8, false},     {"NUM3", FieldType::Text, 30, false},
        {"ZAPAS1", FieldType::Text, 50, false},  {"ZAPAS2", FieldType::Text, 50, false},
        {"ZAPAS3", FieldType::Integer, 0, false}, {"ARCHDATA", FieldType::Text, 10, false},
        {"ARCHDNI", FieldType::Integer, 0, false}};
    makeOldTable(at("FIRMA"), old, {{QString(), {"NR"}, true, true, false, false}},
                 {{{"NIP", "111-222-33-44"}, {"SKROT", "Stara Firma"}, {"BANK", "PKO BP"},
                   {"NUM1", "12"}, {"NUM2", "10201026"}, {"NUM3", "0000123456789"},
                   {"ZAPAS1", "ul. Bankowa 1"}, {"ZAPAS2", "US Kraków"}, {"ZAPAS3", "5000"}},
                  {{"NR", "1"}, {"SKROT", "Podatnik"}, {"ARCHDATA", "2019.01.31"}, {"ARCHDNI", "7"},
                   {"ZAPAS2", "nie ten"}}});
    QFile(at("FIRMA.STR")).open(QIODevice::WriteOnly);
    TDANE &d = start();
    ASSERT_TRUE(d.TFIRMA.isOpen());
    EXPECT_EQ(d.TFIRMA.fieldDefs(), firmLayout().fields);
    EXPECT_EQ(d.TFIRMA.recordCount(), 2);
    d.TFIRMA.setFiltered(true);
    ASSERT_EQ(d.TFIRMA.recordCount(), 1);
    EXPECT_EQ(d.TFIRMA.field("SKROT").asString(), "Stara Firma");
    EXPECT_EQ(d.TFIRMA.field("NUM1").asString(), "12 1020 1026 0000123456789");
    EXPECT_EQ(d.TFIRMA.field("ADRES1").asString(), "ul. Bankowa 1");
    EXPECT_EQ(d.TFIRMA.field("URZAD").asString(), "US Kraków");
    EXPECT_EQ(d.TFIRMA.field("KAPITAL").asString(), "5000");
    EXPECT_TRUE(d.TFIRMA.field("NUM3").isNull());
    d.TFIRMA.setFiltered(false);
    ASSERT_TRUE(d.TFIRMA.findKey({1}));
    EXPECT_EQ(d.TFIRMA.field("URZAD").asString(), "2019.01.31");
    EXPECT_EQ(d.TFIRMA.field("KAPITAL").asString(), "7");

    QFile structure(at("FIRMA.STR"));
    ASSERT_TRUE(structure.open(QIODevice::ReadOnly));
    EXPECT_EQ(structure.readAll(), structureFileText(readTableDefinition(at("FIRMA"))))
        << "the old structure file gives way to the new layout's";
}

TEST_F(TableUpgrades, FirmTableWithoutIndexGetsItsPrimaryIndex)
{
    makeOldTable(at("FIRMA"), firmLayout().fields, {}, {{{"SKROT", "Bez indeksu"}}});
    TDANE &d = start();
    EXPECT_TRUE(prompter.messages().isEmpty());
    ASSERT_NE(d.TFIRMA.definition().primaryIndex(), nullptr);
    EXPECT_EQ(d.TFIRMA.definition().primaryIndex()->fields, QStringList({"NR"}));
    EXPECT_FALSE(d.TFIRMA.isExclusive());
}

TEST_F(TableUpgrades, CopyTableStructureCarriesRowsAndBlanksTheListedFields)
{
    TDANE &d = start();
    d.TSUMA.findKey({"03"});
    d.TSUMA.edit();
    d.TSUMA.field("K7").setAsString("100,50");
    d.TSUMA.field("K17").setAsString("3");
    d.TSUMA.field("OZN").setAsString("*");
    d.TSUMA.post();
    d.TSUMA.setIndexFieldNames("NAZWA");

    QDir().mkpath(at("2020/KSIEGA"));
    EXPECT_TRUE(CopyTableStructure(d.TSUMA, at("2020/KSIEGA/SUMA.DB"), true, "OZN;K7;K8", false,
                                   prompter));
    EXPECT_EQ(d.TSUMA.indexFieldNames(), "NAZWA") << "the source's order comes back";
    Session session;
    Cursor copy(session, "TKOPIA");
    copy.setTableName(at("2020/KSIEGA/SUMA"));
    copy.open();
    EXPECT_EQ(copy.recordCount(), 24);
    ASSERT_TRUE(copy.findKey({"03"}));
    EXPECT_TRUE(copy.field("K7").isNull());
    EXPECT_TRUE(copy.field("OZN").isNull());
    EXPECT_EQ(copy.field("K17").asString(), "3,00");
    EXPECT_EQ(copy.field("NAZWA").asString(), "Marzec");
    EXPECT_EQ(copy.definition().indexes, d.TSUMA.definition().indexes);
    copy.close();

    EXPECT_FALSE(CopyTableStructure(d.TSUMA, at("2020/KSIEGA/SUMA.DB"), true, "", false, prompter))
        << "an existing year is never overwritten";
    EXPECT_TRUE(CopyTableStructure(d.TSUMA, at("2020/KSIEGA/PUSTA.DB"), false, "", false, prompter));
    copy.setTableName(at("2020/KSIEGA/PUSTA"));
    copy.open();
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_TRUE(prompter.messages().isEmpty());

    EXPECT_FALSE(CopyTableStructure(d.TSUMA, at("brak/katalogu/SUMA.DB"), true, "", false, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Nie mozna utworzyć tabeli");
    EXPECT_EQ(prompter.messages()[0].caption, "Błąd");
}

TEST_F(TableUpgrades, CopyTableStructureCanTakeOnlyTheRowsKeyedZero)
{
    makeOldTable(at("2019/KSIEGA/RODZAJE"),
                 {{"KOD", FieldType::Text, 3, false}, {"NAZWA", FieldType::Text, 20, false}},
                 {{QString(), {"KOD"}, true, true, false, false}},
                 {{{"KOD", "0"}, {"NAZWA", "wzorzec"}}, {{"KOD", "1"}, {"NAZWA", "zwykły"}}});
    Session session;
    Cursor source(session, "TZRODLO");
    source.setTableName(at("2019/KSIEGA/RODZAJE"));
    source.open();
    EXPECT_TRUE(CopyTableStructure(source, at("2019/KSIEGA/ZERO.DB"), false, "", true, prompter));
    EXPECT_EQ(source.recordCount(), 2) << "the restriction is lifted afterwards";
    Cursor copy(session, "TKOPIA");
    copy.setTableName(at("2019/KSIEGA/ZERO"));
    copy.open();
    ASSERT_EQ(copy.recordCount(), 1);
    EXPECT_EQ(copy.field("NAZWA").asString(), "wzorzec");
}

TEST_F(TableUpgrades, ReplacingATableSwapsTheWholeFileAtOnce)
{
    makeOldTable(at("NOWA"), {{"A", FieldType::Text, 5, false}}, {}, {{{"A", "nowy"}}});
    replaceTable(at("2019/KSIEGA/OPISZG"), at("NOWA.DB"));
    EXPECT_TRUE(tableExists(at("2019/KSIEGA/OPISZG")));
    EXPECT_FALSE(tableExists(at("NOWA")));
    Session session;
    Cursor table(session, "T");
    table.setTableName(at("2019/KSIEGA/OPISZG"));
    table.open();
    EXPECT_EQ(table.field("A").asString(), "nowy");
    makeOldTable(at("INNA"), {{"B", FieldType::Text, 5, false}}, {}, {});
    EXPECT_THROW(replaceTable(at("2019/KSIEGA/OPISZG"), at("INNA")), DbError)
        << "a table open elsewhere is not pulled away";
}

// A year's book as the program wrote it before the KSeF number, with entries and every index.
static void makeLedgerWithoutKsef(const QString &path)
{
    TableDef old = ledgerLayout();
    old.fields.removeAt(old.fieldIndex("KSEF"));
    QList<TextRecord> entries;
    for (int number = 1; number <= 3; ++number)
        entries << TextRecord{{"LP", QString::number(number)}, {"MC", "01"},
                              {"DATA", QStringLiteral("2019.01.0%1").arg(number)},
                              {"NRKSIEG", QStringLiteral("FV/%1").arg(number)},
                              {"NAZ1", "Hurtownia Łódź"}, {"K7", "100,50"}};
    makeOldTable(path, old.fields, old.indexes, entries);
    QFile::remove(QString(path).replace(".DB", ".STR"));
    ASSERT_TRUE(writeStructureFile(QString(path).replace(".DB", ".STR"), old));
}

static QStringList sqliteIndexes(const QString &file)
{
    Connection connection(file, Connection::Mode::ReadOnly);
    Statement query(connection.handle(),
                    "SELECT name || ':' || sql FROM sqlite_master WHERE type = 'index' "
                    "AND sql IS NOT NULL ORDER BY name");
    QStringList names;
    while (query.step())
        names << query.column(0).toString();
    return names;
}

TEST_F(TableUpgrades, OldLedgerGainsTheKsefNumberKeepingEveryEntryAndIndex)
{
    const QString file = at("2019/KSIEGA/KSIEGA.DB");
    makeLedgerWithoutKsef(file);
    const QStringList indexes = sqliteIndexes(file);
    ASSERT_EQ(indexes.size(), ledgerLayout().indexes.size());
    TDANE &d = start();
    ASSERT_TRUE(d.TKSIEGA.isOpen());
    ASSERT_TRUE(d.TKSIEGA.hasField("KSEF"));
    EXPECT_EQ(readTableDefinition(file).fields.last().name, "KSEF");
    EXPECT_EQ(readTableDefinition(file).fields.last().size, 36);
    EXPECT_EQ(sqliteIndexes(file), indexes);
    EXPECT_EQ(readTableDefinition(file).indexes.size(), ledgerLayout().indexes.size());
    d.TKSIEGA.setIndexName("NRKSIEGinx");
    QStringList documents;
    for (d.TKSIEGA.first(); !d.TKSIEGA.eof(); d.TKSIEGA.next()) {
        documents << d.TKSIEGA.field("NRKSIEG").asString();
        EXPECT_EQ(d.TKSIEGA.field("K7").asString(), "100,50");
        EXPECT_TRUE(d.TKSIEGA.field("KSEF").isNull());
    }
    EXPECT_EQ(documents, QStringList({"FV/1", "FV/2", "FV/3"}));
    EXPECT_TRUE(d.TKSIEGA.findKey({"FV/2"}));
    QFile structure(at("2019/KSIEGA/KSIEGA.STR"));
    ASSERT_TRUE(structure.open(QIODevice::ReadOnly));
    EXPECT_TRUE(structure.readAll().contains("Pole:KSEF")) << "the structure file is written anew";

    d.TKSIEGA.first();
    d.TKSIEGA.edit();
    d.TKSIEGA.field("KSEF").setAsString("1234567890-20260301-ABCDEF-012345-66");
    d.TKSIEGA.post();
    Connection connection(file, Connection::Mode::ReadOnly);
    Statement stored(connection.handle(), "SELECT KSEF FROM KSIEGA WHERE LP = 1");
    ASSERT_TRUE(stored.step());
    EXPECT_EQ(stored.column(0).toString(), "1234567890-20260301-ABCDEF012345-66");
}

TEST_F(TableUpgrades, LedgerInUseByAnotherProgramOpensWithoutTheUpgrade)
{
    const QString file = at("2019/KSIEGA/KSIEGA.DB");
    makeLedgerWithoutKsef(file);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        Session session;
        Cursor other(session, "TKSIEGA");
        other.setTableName(file);
        other.open();
        char byte = 1;
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    TDANE &d = start();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(d.TKSIEGA.isOpen()) << "the book is kept without the new field";
    EXPECT_FALSE(d.TKSIEGA.hasField("KSEF"));
    EXPECT_EQ(d.TKSIEGA.recordCount(), 3);
    d.TKSIEGA.first();
    d.TKSIEGA.edit();
    d.TKSIEGA.field("NAZ1").setAsString("Sklep");
    EXPECT_NO_THROW(d.TKSIEGA.post());

    TDANE &again = start();
    EXPECT_TRUE(again.TKSIEGA.hasField("KSEF")) << "the next open upgrades it";
    EXPECT_EQ(again.TKSIEGA.recordCount(), 3);
}
