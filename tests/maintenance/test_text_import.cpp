#include "core/demo_data.h"
#include "maintenance/text_export.h"
#include "maintenance/text_import.h"
#include "transfer_fixture.h"

namespace {

const QString Header = QStringLiteral("NR\tSKROT\tMIEJSC\t\r\n");

// Imports `file` into the table with the mapping its header makes.
std::optional<ImportCounts> importFile(Cursor &table, const QString &file, Progress &progress,
                                       Prompter &prompter)
{
    const std::optional<TransferMapping> mapping = MapImportFile(table, file, prompter);
    if (!mapping)
        return std::nullopt;
    return ImportTable(table, *mapping, file, progress, prompter);
}

} // namespace

using TextImport = TransferTest;

TEST_F(TextImport, TheHeaderMapsColumnsToFieldsOfTheSameNameAndMarksTheKey)
{
    TDANE &d = startWith({});
    const TransferMapping mapping =
        ImportMapping(d.TKontrah, {"SKROT", "nr", "NR", "Inna kolumna", "", "SKROT"});
    ASSERT_EQ(mapping.size(), 6 + 11);
    EXPECT_EQ(mapping[0], (MappingRow{"SKROT", "SKROT", "SKROT", false}));
    EXPECT_EQ(mapping[1], (MappingRow{"", "nr", "", false})) << "names match exactly";
    EXPECT_EQ(mapping[2], (MappingRow{"NR", "NR", "NR", true}));
    EXPECT_EQ(mapping[3], (MappingRow{"", "Inna kolumna", "", false}));
    EXPECT_EQ(mapping[5], (MappingRow{"", "SKROT", "", false})) << "the first column of a name wins";
    EXPECT_EQ(mapping[6], (MappingRow{"NIP", "", "NIP", false})) << "fields without a column follow";
    EXPECT_EQ(mapping.last(), (MappingRow{"ff", "", "ff", false}));
    EXPECT_TRUE(MissingKeyColumns(mapping).isEmpty());

    const TransferMapping hint = KeyHintMapping(d.TKontrah);
    EXPECT_EQ(hint[0], (MappingRow{"NR", "klucz", "NR", true}));
    EXPECT_EQ(hint[1], (MappingRow{"NIP", "", "NIP", false}));
}

TEST_F(TextImport, AFileWithoutAKeyColumnIsRefusedBeforeAnythingIsWritten)
{
    TDANE &d = startWith({{1, "ALFA", "Łódź"}});
    const QString file = write("import.txt", "SKROT\tMIEJSC\t\r\nBETA\tOpole\t\r\n");
    const std::optional<TransferMapping> mapping = MapImportFile(d.TKontrah, file, prompter);
    ASSERT_TRUE(mapping);
    EXPECT_EQ(MissingKeyColumns(*mapping), QStringList{"NR"});
    EXPECT_EQ(ImportTable(d.TKontrah, *mapping, file, progress, prompter), std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{"W pliku " + file + " brak kolumny pola klucza: NR.\r"
                                          "Import danych nie jest możliwy."});
    EXPECT_EQ(contractors(), QStringList{"1|ALFA|Łódź|"});
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(TextImport, KeysFoundAreUpdatedOthersInsertedShortLinesLeaveTheRestAndLongOnesLoseTheExtra)
{
    TDANE &d = startWith({{1, "ALFA", "Łódź"}, {2, "BETA", "Opole"}});
    const QString file = write("import.txt", Header
                                                 + "1\tALFA NOWA\t\r\n"       // short: MIEJSC kept
                                                   "7\tSIÓDMY\t\r\n"          // short: MIEJSC empty
                                                   "8\tÓSMY\tKraków\t999\t\r\n" // 999 is no column's
                                                   "\r\n");
    const std::optional<ImportCounts> counts = importFile(d.TKontrah, file, progress, prompter);
    ASSERT_TRUE(counts) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(counts->updated, 1);
    EXPECT_EQ(counts->inserted, 2);
    EXPECT_EQ(contractors(),
              (QStringList{"1|ALFA NOWA|Łódź|", "2|BETA|Opole|", "7|SIÓDMY||", "8|ÓSMY|Kraków|"}))
        << "the extra value does not land in NIP, the first field without a column";
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(TextImport, TheImportedFileIsRenamedWithZInFrontReplacingAnOlderOne)
{
    TDANE &d = startWith({});
    write("zimport.txt", "stary plik\r\n");
    const QString file = write("import.txt", Header + "5\tPIĄTY\tGdańsk\t\r\n");
    ASSERT_TRUE(importFile(d.TKontrah, file, progress, prompter));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(read("zimport.txt"), Header + "5\tPIĄTY\tGdańsk\t\r\n");
    EXPECT_EQ(ImportedFileName("/dane/kontrahenci.csv"), "/dane/zkontrahenci.csv");

    // The rows are in, but the file could be imported again: that is no success either.
    QDir(folder.dir.path()).mkpath("zdrugi.txt/zajęty");
    const QString second = write("drugi.txt", Header + "6\tSZÓSTY\t\t\r\n");
    EXPECT_EQ(importFile(d.TKontrah, second, progress, prompter), std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{"Dane z pliku " + second
                                          + " zaimportowano (zaktualizowano wierszy: 0, dodano: 1), "
                                            "ale nie udało się zmienić jego nazwy na "
                                          + at("zdrugi.txt")
                                          + ".\rUsuń plik lub zmień jego nazwę, aby nie "
                                            "zaimportować go ponownie."});
    EXPECT_EQ(contractors(), (QStringList{"5|PIĄTY|Gdańsk|", "6|SZÓSTY||"}));
    EXPECT_TRUE(QFile::exists(second));
}

TEST_F(TextImport, TheAutomaticNumberIsLookedUpButNeverWritten)
{
    TDANE &d = start();
    Cursor &ledger = d.TKSIEGA;
    ledger.append();
    ledger.field("LP").setInteger(1);
    ledger.field("MC").setAsString("01");
    ledger.field("NAZ1").setAsString("Pierwszy");
    ledger.post();
    const qint64 first = ledger.field("AUTO").asInteger();

    const QString file = write("import.txt", QStringLiteral("AUTO\tLP\tMC\tNAZ1\tK7\t\r\n"
                                                            "%1\t1\t01\tZmieniony\t10,50\t\r\n"
                                                            "500\t2\t01\tNowy\t1 234,56\t\r\n")
                                                 .arg(first));
    const std::optional<ImportCounts> counts = importFile(ledger, file, progress, prompter);
    ASSERT_TRUE(counts) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(counts->updated, 1);
    EXPECT_EQ(counts->inserted, 1);
    ledger.setIndexName(QString());
    ledger.first();
    EXPECT_EQ(ledger.field("NAZ1").asString(), "Zmieniony");
    EXPECT_EQ(ledger.field("K7").asCurrency(), Money::fromGrosze(1050));
    ledger.next();
    EXPECT_EQ(ledger.field("NAZ1").asString(), "Nowy");
    EXPECT_NE(ledger.field("AUTO").asInteger(), 500);
    EXPECT_EQ(ledger.field("K7").asCurrency(), Money::fromGrosze(123456));
}

TEST_F(TextImport, AValueThatDoesNotConvertStopsAtItsLineKeepingTheRowsBefore)
{
    TDANE &d = startWith({});
    const QString file =
        write("import.txt", Header + "1\tPIERWSZY\t\t\r\nx5\tDRUGI\t\t\r\n3\tTRZECI\t\t\r\n");
    EXPECT_EQ(importFile(d.TKontrah, file, progress, prompter), std::nullopt);
    EXPECT_EQ(messageTexts(),
              QStringList{"Import przerwano w wierszu 3 pliku " + file
                          + ":\rkolumna „NR”, wartość „x5”.\r'x5' nie jest poprawną liczbą "
                            "całkowitą (pole NR).\rWiersze zaimportowane przed nim pozostają w "
                            "tabeli: 1.\rPlik nie zmienił nazwy: po poprawieniu można go "
                            "zaimportować ponownie."});
    EXPECT_EQ(contractors(), QStringList{"1|PIERWSZY||"});
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(QFile::exists(at("zimport.txt")));

    // A value of another field stops it the same way, the row it belongs to left as it was.
    prompter.clear();
    Cursor &ledger = d.TKSIEGA;
    const QString entries = write("ksiega.txt", "AUTO\tLP\tMC\tK7\t\r\n\t1\t01\t5\t\r\n\t2\t01\t12,3x\t\r\n");
    EXPECT_EQ(importFile(ledger, entries, progress, prompter), std::nullopt);
    ASSERT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts()[0].startsWith("Import przerwano w wierszu 3 pliku " + entries
                                             + ":\rkolumna „K7”, wartość „12,3x”.\r"))
        << messageTexts()[0].toStdString();
    EXPECT_EQ(ledger.recordCount(), 1);
    EXPECT_FALSE(ledger.isEditing());
}

TEST_F(TextImport, ARowTheTableRefusesStopsTheImportAtItsLineKeepingTheRowsBefore)
{
    // A table of another program whose definition requires a tax number.
    start();
    const QString path = at("2019/FIN/ODBIORCY.DB");
    {
        Connection other(path, Connection::Mode::Create);
        other.exec("CREATE TABLE ODBIORCY (NR INTEGER NOT NULL, NIP TEXT NOT NULL, NAZWA TEXT, "
                   "PRIMARY KEY (NR))");
    }
    Session session;
    Cursor table(session, "TODBIORCY");
    table.setTableName(path);
    table.open();
    const QString file = write("odbiorcy.txt", "NR\tNIP\tNAZWA\t\r\n1\t111\tA\t\r\n2\t222\tB\t\r\n"
                                               "3\t\tC\t\r\n4\t444\tD\t\r\n");
    EXPECT_EQ(importFile(table, file, progress, prompter), std::nullopt);
    ASSERT_EQ(messageTexts().size(), 2);
    EXPECT_EQ(messageTexts()[0], "Błąd zapisu");
    EXPECT_EQ(messageTexts()[1], "Import przerwano w wierszu 4 pliku " + file
                                     + ":\rwiersza nie zapisano.\rWiersze zaimportowane przed nim "
                                       "pozostają w tabeli: 2.\rPlik nie zmienił nazwy: po "
                                       "poprawieniu można go zaimportować ponownie.");
    table.close();
    Connection check(path, Connection::Mode::ReadWrite);
    Statement rows(check.handle(), "SELECT group_concat(NR || NIP, ',') FROM ODBIORCY");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.column(0).toString(), "1111,2222");
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(TextImport, AFileThatIsNoWindows1250TextIsRefusedUnlessTheUserConfirms)
{
    TDANE &d = startWith({});
    writeBytes("utf8.txt", (Header + "1\tŻÓŁW\tŁódź\t\r\n").toUtf8());
    const QString question = "Plik " + at("utf8.txt")
                             + " nie jest tekstem w kodzie Windows-1250 (wygląda na zapisany w "
                               "UTF-8).\rPolskie litery zostaną odczytane błędnie.\rCzy mimo to "
                               "importować dane?";
    prompter.enqueue(Answer::No);
    EXPECT_EQ(importFile(d.TKontrah, at("utf8.txt"), progress, prompter), std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{question});
    EXPECT_TRUE(contractors().isEmpty());
    EXPECT_TRUE(QFile::exists(at("utf8.txt")));

    prompter.clear();
    prompter.enqueue(Answer::Yes);
    ASSERT_TRUE(importFile(d.TKontrah, at("utf8.txt"), progress, prompter));
    EXPECT_EQ(messageTexts(), QStringList{question});
    EXPECT_EQ(contractors().size(), 1);
    EXPECT_NE(contractors()[0], "1|ŻÓŁW|Łódź|") << "read as Windows-1250, as confirmed";
}

TEST_F(TextImport, AnEmptyFileAndOneWithoutAHeaderLineAreRefused)
{
    TDANE &d = startWith({});
    for (const auto &[content, why] :
         {std::pair{QString(), QString(" jest pusty.")}, std::pair{QString("\r\n \r\n"), QString(" jest pusty.")},
          std::pair{QString("\r\n1\tALFA\t\r\n"), QString(" nie ma wiersza nagłówka z nazwami kolumn.")},
          std::pair{QString("NR SKROT\r\n1\tALFA\t\r\n"), QString(" nie ma wiersza nagłówka z nazwami kolumn.")}}) {
        prompter.clear();
        const QString file = write("import.txt", content);
        EXPECT_EQ(MapImportFile(d.TKontrah, file, prompter), std::nullopt);
        EXPECT_EQ(messageTexts(), QStringList{"Plik " + file + why});
    }
    prompter.clear();
    EXPECT_EQ(MapImportFile(d.TKontrah, at("brak.txt"), prompter), std::nullopt);
    EXPECT_EQ(messageTexts(), QStringList{"Błąd otwarcia pliku : " + at("brak.txt")});
}

TEST_F(TextImport, TheDemoCatalogueComesBackWholeFromItsExport)
{
    TDANE &d = start();
    Cursor &catalogue = d.TKontrah;
    writeDemoContractors(catalogue);
    catalogue.edit();
    catalogue.field("NAZWA2").setAsString("z tabulatorem\ti końcem\r\nwiersza");
    catalogue.post();
    auto everything = [&] {
        QStringList rows;
        for (catalogue.first(); !catalogue.eof(); catalogue.next()) {
            QStringList values;
            for (int i = 0; i < catalogue.fieldCount(); ++i)
                values << catalogue.field(i).asString();
            rows << values.join('|');
        }
        return rows;
    };
    catalogue.setIndexName(QString());
    QStringList before = everything();
    before.last().replace("z tabulatorem\ti końcem\r\nwiersza", "z tabulatorem:i końcemwiersza");

    ASSERT_EQ(ExportTable(catalogue, ExportMapping(catalogue), at("export.txt"), progress, prompter), 6);
    catalogue.emptyTable();
    catalogue.setIndexName("Ninx");
    QFile::rename(at("export.txt"), at("import.txt"));
    const std::optional<ImportCounts> counts = importFile(catalogue, at("import.txt"), progress, prompter);
    ASSERT_TRUE(counts) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(counts->inserted, 6);
    EXPECT_EQ(catalogue.indexName(), "Ninx") << "the catalogue keeps the order it had";
    catalogue.setIndexName(QString());
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(prompter.messages().isEmpty());
}
