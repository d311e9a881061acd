// Vehicle costs and depreciation into the ledger: one "other expenses" entry per vehicle and
// one for the month's depreciation, found again by their keys, with the ledger's own rules
// awake (a new entry dated today, the question before an imported entry changes).

#include "companion_fixture.h"

#include "imports/depreciation_import.h"
#include "imports/import_start.h"
#include "imports/vehicle_import.h"

class CostImport : public CompanionTest {
protected:
    void SetUp() override
    {
        CompanionTest::SetUp();
        createTable("2019/AUTO/AUTO.DB", "CREATE TABLE AUTO (NR INTEGER PRIMARY KEY, PNR TEXT, "
                                         "NAZ1 TEXT, NAZ2 TEXT, KOD TEXT, MIEJSC TEXT, UL TEXT)");
        plainSql("2019/AUTO/AUTO.DB", "INSERT INTO AUTO VALUES (7, 'KR 12345', 'Jan Kowalski', "
                                      "'Skoda', '30-001', 'KRAKÓW', 'ul. Długa 5')");
        createTable("2019/AUTO/SUMA.DB", "CREATE TABLE SUMA (UP CURRENCY INTEGER, MC TEXT, GAUTO INTEGER)");
        plainSql("2019/AUTO/SUMA.DB", "INSERT INTO SUMA VALUES (4123000, '05', 7), (1500000, '05', 12), "
                                      "(999000, '04', 7)");
        createTable("2019/ST/SUMA.DB", "CREATE TABLE SUMA (MC TEXT, OZN TEXT, POLE4 REAL)");
        plainSql("2019/ST/SUMA.DB", "INSERT INTO SUMA VALUES ('04', '', 100), ('05', '1', 1250.5), "
                                    "('05', '1', 9999), ('06', '0', 10)");
        createTable("ST.DB", "CREATE TABLE ST (B1 TEXT)");
        plainSql("ST.DB", "INSERT INTO ST VALUES ('True')");
    }

    ImportResult vehicles(std::initializer_list<Answer> answers = {Answer::Ok})
    {
        for (Answer answer : answers)
            prompter.enqueue(answer);
        return ImportVehicleCosts(*dane);
    }

    ImportResult depreciation(std::initializer_list<Answer> answers = {Answer::Ok})
    {
        for (Answer answer : answers)
            prompter.enqueue(answer);
        return ImportDepreciation(*dane);
    }

    const Fields CostFields = {"NRKOMP", "NRKSIEG", "DATA", "OPIS1", "OPIS2", "NAZ1", "MIEJSC", "K13"};
};

TEST_F(CostImport, EveryVehicleOfTheMonthHasItsEntry)
{
    ready();
    EXPECT_TRUE(VehicleImportOffered(*dane));
    const ImportResult first = vehicles();
    ASSERT_TRUE(first.imported()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(first.counts.added, 2);
    EXPECT_EQ(messageTexts().first(), "Import z programu \"SAMOCHÓD\"\rKoszty za miesiąc : 05.2019");
    EXPECT_EQ(entries(CostFields),
              (QStringList{"1|SAM 07 05.2019|DK Sam. 05.2019|2019.05.10|Koszty użytkowania samochodu|"
                           "prywatnego KR 12345|Jan Kowalski|KRAKÓW|412,30",
                           "2|SAM 12 05.2019|DK Sam. 05.2019|2019.05.10|Koszty użytkowania samochodu|"
                           "prywatnego, pojazd nr 12|||150,00"}))
        << "a vehicle missing from the register still has its entry, without a contractor";

    plainSql("2019/AUTO/SUMA.DB", "UPDATE SUMA SET UP = 4500000 WHERE GAUTO = 7 AND MC = '05'");
    dane->TKSIEGA.first();
    dane->TKSIEGA.edit();
    dane->TKSIEGA.field("OPIS2").setAsString("prywatnego – dojazdy");
    ASSERT_TRUE(SaveTable(dane->TKSIEGA, prompter));
    ready("05", "2019.05.20");
    // The question before the first imported entry changes: "Nie" goes on editing.
    const ImportResult again = vehicles({Answer::Ok, Answer::No, Answer::No});
    ASSERT_TRUE(again.imported());
    EXPECT_EQ(again.counts.updated, 2);
    EXPECT_TRUE(messageTexts().contains(QStringLiteral(
        "Zmiana zapisu komputerowego powstałego z importu danych z programu ZIVEDEZ.\r"
        "Jeżeli zmiana dotycz pól innych niż opis zdarzenia gospodarczego\r"
        "to przy ponownym imporcie zostaną zmienione na zgodne z rejesrtem faktur.\r"
        "Dodatkowe informacje pod klawiszem \"F1\"\rCzy przerwać edycję ?")));
    EXPECT_EQ(entries({"NRKOMP", "DATA", "OPIS2", "K13"}),
              (QStringList{"1|SAM 07 05.2019|2019.05.20|prywatnego – dojazdy|450,00",
                           "2|SAM 12 05.2019|2019.05.20|prywatnego, pojazd nr 12|150,00"}))
        << "only the amount and the date follow the vehicle log";
}

TEST_F(CostImport, StoppingAtAnImportedEntryKeepsItAsItWas)
{
    ready();
    ASSERT_TRUE(vehicles().imported());
    plainSql("2019/AUTO/SUMA.DB", "UPDATE SUMA SET UP = 0");
    const ImportResult stopped = vehicles({Answer::Ok, Answer::Yes});
    ASSERT_TRUE(stopped.imported());
    EXPECT_EQ(stopped.counts.updated, 0);
    EXPECT_EQ(entries({"NRKOMP", "K13"}), (QStringList{"1|SAM 07 05.2019|412,30", "2|SAM 12 05.2019|150,00"}));
}

TEST_F(CostImport, AMonthWithoutCostsWritesNothing)
{
    ready("06");
    ASSERT_TRUE(vehicles().imported());
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(dane->TKSIEGA.indexName(), "LPinx");
    EXPECT_TRUE(dane->TKSIEGA.isFiltered()) << "the book order and the month view are back";
}

TEST_F(CostImport, DepreciationTakesTheMonthsFirstRecord)
{
    ready();
    EXPECT_TRUE(DepreciationImportOffered(*dane));
    const ImportResult first = depreciation();
    ASSERT_TRUE(first.imported()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(first.counts.added, 1);
    EXPECT_EQ(messageTexts().first(), "Import z programu \"ŚRODKI TRWAŁE\"\rKoszty za miesiąc : 05.2019");
    EXPECT_EQ(entries({"NRKOMP", "NRKSIEG", "DATA", "OPIS1", "K13"}),
              QStringList{"1|AMOR 05.2019|DK Amor. 05.2019|2019.05.10|Amortyzacja|1250,50"});

    plainSql("2019/ST/SUMA.DB", "UPDATE SUMA SET POLE4 = 1300 WHERE POLE4 = 1250.5");
    const ImportResult again = depreciation({Answer::Ok, Answer::No});
    EXPECT_EQ(again.counts.updated, 1);
    EXPECT_EQ(entries({"NRKOMP", "K13"}), QStringList{"1|AMOR 05.2019|1300,00"});
}

TEST_F(CostImport, DepreciationRefusals)
{
    const QString unposted = QStringLiteral(
        "Nie wszystkie Środki Trwałe zostały zaksięgowane.\rBrak możliwości importu danych.\r"
        "Proszę zaksięgować wszystkie Środki Trwałe w module Środki Trwałe.");
    for (const char *month : {"04", "06"}) {
        ready(month);
        EXPECT_EQ(depreciation().outcome, ImportOutcome::Refused) << month;
        EXPECT_EQ(messageTexts().last(), unposted) << "an OZN of \"\" or \"0\" is refused";
        EXPECT_TRUE(entries().isEmpty());
    }
    ready("07");
    EXPECT_TRUE(depreciation().imported()) << "a month the program has no record of";
    EXPECT_TRUE(entries().isEmpty());

    plainSql("ST.DB", "UPDATE ST SET B1 = 'False'");
    ready();
    EXPECT_EQ(ImportDepreciation(*dane).outcome, ImportOutcome::Refused);
    EXPECT_EQ(messageTexts().last(),
              "Programu \"ŚRODKI TRWAŁE\" w trybie pracy dla wielu firm.\rBrak możliwości importu.");

    QFile::remove(at("ST.DB"));
    QFile::remove(at("2019/ST/SUMA.DB"));
    ready();
    EXPECT_FALSE(DepreciationImportOffered(*dane));
    EXPECT_EQ(ImportDepreciation(*dane).outcome, ImportOutcome::Refused);
    EXPECT_TRUE(messageTexts().last().startsWith("Bład otwarcia bazy imoprtu.\rBaza : "))
        << "without the settings table the sums table is what is missing";
}

TEST_F(CostImport, VehicleRefusals)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD IN ('01','02','03','04','05')");
    ready();
    EXPECT_EQ(ImportVehicleCosts(*dane).outcome, ImportOutcome::Refused);
    EXPECT_EQ(messageTexts().last(), ClosedMonthText);

    plainSql("2019/AUTO/SUMA.DB", "ALTER TABLE SUMA DROP COLUMN UP");
    ready("06");
    EXPECT_EQ(ImportVehicleCosts(*dane).outcome, ImportOutcome::Refused);
    EXPECT_TRUE(messageTexts().last().startsWith("Tabela SUMA nie ma pola UP, którego potrzebuje import."));

    QFile::remove(at("2019/AUTO/SUMA.DB"));
    ready("06");
    EXPECT_FALSE(VehicleImportOffered(*dane));
    EXPECT_EQ(ImportVehicleCosts(*dane).outcome, ImportOutcome::Refused);
    EXPECT_TRUE(messageTexts().last().startsWith("Bład otwarcia bazy imoprtu.\rBaza : "));
}
