#include "maintenance/carry_over_table.h"
#include "platform/table_files.h"
#include "year_fixture.h"

#include <QFile>

using YearOpeningTest = YearTest;

namespace {

QStringList expectedLog(const QString &root)
{
    const QString year = root + QStringLiteral("2020");
    return {QStringLiteral("Generowanie nowego roku."),
            QStringLiteral("Baza danych w katalogu : ") + root + QStringLiteral("2019"),
            QStringLiteral("Tworzenie katalogu :") + year,
            QStringLiteral("Tworzenie katalogu :") + year + QStringLiteral("/DRUKI"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/DRUKI/DPIT5.DB"),
            QStringLiteral("Tworzenie katalogu :") + year + QStringLiteral("/FIN"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/FIN/KONTRAHI.DB"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/FIN/KONTRAHO.DB"),
            QStringLiteral("Tworzenie katalogu :") + year + QStringLiteral("/KSIEGA"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/KSIEGA/KSIEGA.DB"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/KSIEGA/OPISZG.DB"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/KSIEGA/SUMA.DB"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/KSIEGA/USER.DB"),
            QStringLiteral("Tworzenie katalogu :") + year + QStringLiteral("/PLACE"),
            QStringLiteral("Tworzenie bazy :") + year + QStringLiteral("/PLACE/STALE.DB"),
            QStringLiteral("KONIEC.")};
}

} // namespace

TEST_F(YearOpeningTest, NewYearHasAnEmptyLedgerTheCataloguesAndTheSumsKeysWithoutAmounts)
{
    plainSql("2019/KSIEGA/KSIEGA.DB", "INSERT INTO KSIEGA (LP, MC, DATA) VALUES (1, '01', '2019.01.02')");
    plainSql("2019/FIN/KONTRAHI.DB", "INSERT INTO KONTRAHI (NR, SKROT) VALUES (1, 'ALFA'), (2, 'BETA')");
    plainSql("2019/KSIEGA/SUMA.DB",
             "UPDATE SUMA SET OZN = '*', NAZWISKO = 'Kowalski', DATA = '2019.04.02', K7 = 1005000, "
             "K8 = 1, K9 = 1, K10 = 1, K11 = 1, K12 = 1, K13 = 1, K14 = 1, K15 = 1, K16 = 1, "
             "Ilstr = 4, W1 = 1.5, W2 = 2, W3 = 3, K17 = 30000 WHERE KOD IN ('03', 'N03')");
    start();

    ASSERT_EQ(openYear(), YearOpeningResult::Completed) << log.join('\n').toStdString();
    EXPECT_EQ(log, expectedLog(environment.dataRoot));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(environment.years, QStringList({"2019", "2020"}));
    EXPECT_EQ(environment.workingYear, "2019") << "opening a year does not change to it";

    EXPECT_TRUE(rows("2020/KSIEGA/KSIEGA.DB", {"LP"}).isEmpty());
    EXPECT_EQ(rows("2020/FIN/KONTRAHI.DB", {"NR", "SKROT"}), QStringList({"1|ALFA", "2|BETA"}));
    const QStringList sums = rows("2020/KSIEGA/SUMA.DB",
                                  {"KOD", "NAZWA", "OZN", "NAZWISKO", "DATA", "K7", "K8", "K9", "K10",
                                   "K11", "K12", "K13", "K14", "K15", "K16", "Ilstr", "W1", "W2",
                                   "W3", "K17"});
    ASSERT_EQ(sums.size(), 24);
    EXPECT_EQ(sums[0], "01|Styczeń|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-");
    EXPECT_EQ(sums[4], "03|Marzec|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|30000");
    EXPECT_EQ(sums[5], "N03|Narastająco Marzec|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|-|30000");
    EXPECT_EQ(rows("2019/KSIEGA/SUMA.DB", {"KOD", "K7"})[4], "03|1005000")
        << "the old year keeps its amounts";

    for (const char *table : {"KSIEGA/KSIEGA", "KSIEGA/SUMA", "FIN/KONTRAHI", "PLACE/STALE"}) {
        const TableDef before = readTableDefinition(at(QStringLiteral("2019/") + table));
        const TableDef after = readTableDefinition(at(QStringLiteral("2020/") + table));
        EXPECT_EQ(after.indexes, before.indexes) << table;
        ASSERT_EQ(after.fields.size(), before.fields.size()) << table;
        for (int i = 0; i < after.fields.size(); ++i) {
            EXPECT_EQ(after.fields[i].name, before.fields[i].name) << table;
            EXPECT_EQ(after.fields[i].type, before.fields[i].type) << table;
            EXPECT_EQ(after.fields[i].size, before.fields[i].size) << table;
            EXPECT_FALSE(after.fields[i].required) << table << " none required in a new year";
        }
        EXPECT_EQ(pragma(QStringLiteral("2020/%1.DB").arg(table), "user_version"),
                  pragma(QStringLiteral("2019/%1.DB").arg(table), "user_version"));
    }
    for (const char *folder : {"2020/KSIEGA", "2020/FIN", "2020/DRUKI", "2020/PLACE"})
        EXPECT_EQ(leftovers(folder), QStringList()) << folder;
    EXPECT_FALSE(QFile::exists(at("2020/KSIEGA/SUMA.STR"))) << "only tables are copied";
}

TEST_F(YearOpeningTest, CompanionTablesKeepTheirOwnSchemaAndAreEmptiedByColumnName)
{
    const QString sums = "CREATE TABLE SUMA (KOD varchar(3) NOT NULL, ozn CHAR(1) NOT NULL, "
                         "Pole1 NUMERIC(12,2) NOT NULL DEFAULT 0.5, pole2 DOUBLE, POLE9 DOUBLE)";
    for (const char *file : {"2019/ST/SUMA.DB", "2019/NOWYST/SUMA.DB"}) {
        companionSql(file, sums);
        companionSql(file, "CREATE UNIQUE INDEX SUMA_KOD ON SUMA (KOD DESC)");
        companionSql(file, "INSERT INTO SUMA VALUES ('01', '*', 12.5, 3, 9), ('02', '', 1, 2, 8)");
        companionSql(file, "PRAGMA user_version = 7");
    }
    companionSql("2019/AUTO/AUTO.DB", "CREATE TABLE AUTO (ID INTEGER PRIMARY KEY AUTOINCREMENT, NRREJ TEXT)");
    companionSql("2019/AUTO/AUTO.DB", "INSERT INTO AUTO (NRREJ) VALUES ('WA 1234'), ('KR 555')");
    companionSql("2019/KASA/RKASA.DB", "CREATE TABLE RKASA (NR INTEGER, KWOTA CURRENCY INTEGER)");
    companionSql("2019/KASA/RKASA.DB", "INSERT INTO RKASA VALUES (1, 10000)");
    companionSql("2019/KASA/nagkasa.db", "CREATE TABLE nagkasa (NR INTEGER, KWOTA CURRENCY INTEGER)");
    companionSql("2019/KASA/nagkasa.db", "INSERT INTO nagkasa VALUES (2, 20000)");
    start();

    ASSERT_EQ(openYear(), YearOpeningResult::Completed) << log.join('\n').toStdString();
    EXPECT_EQ(schema("2020/ST/SUMA.DB"), schema("2019/ST/SUMA.DB"))
        << "columns, declared types, constraints and indexes as the other program made them";
    EXPECT_EQ(pragma("2020/ST/SUMA.DB", "user_version"), 7);
    EXPECT_EQ(rows("2020/ST/SUMA.DB", {"KOD", "ozn", "Pole1", "pole2", "POLE9"}),
              QStringList({"01||0.5|-|9.0", "02||0.5|-|8.0"}))
        << "OZN and POLE1..POLE8 emptied by column name; NOT NULL columns take their empty value";
    EXPECT_EQ(rows("2020/NOWYST/SUMA.DB", {"KOD", "ozn", "Pole1"}),
              QStringList({"01|*|12.5", "02||1"}))
        << "a folder no row names is carried whole, even when its name ends like one";
    EXPECT_EQ(rows("2020/AUTO/AUTO.DB", {"ID", "NRREJ"}), QStringList({"1|WA 1234", "2|KR 555"}));
    EXPECT_EQ(schema("2020/AUTO/AUTO.DB"), schema("2019/AUTO/AUTO.DB"));
    companionSql("2020/AUTO/AUTO.DB", "INSERT INTO AUTO (NRREJ) VALUES ('GD 1')");
    EXPECT_EQ(rows("2020/AUTO/AUTO.DB", {"ID"}).last(), "3") << "numbering goes on";
    EXPECT_TRUE(rows("2020/KASA/RKASA.DB", {"NR"}).isEmpty());
    EXPECT_EQ(rows("2020/KASA/nagkasa.db", {"NR"}), QStringList({"2"}))
        << "a file named in lower case matches no row and keeps its rows";
}

TEST_F(YearOpeningTest, CarryOverRowsMatchWholePathEndingsLetterCaseIncludedTheLaterWinning)
{
    EXPECT_EQ(carryOverTable().size(), 57);
    const CarryOver sums = carryOverFor("/dane/2019/KSIEGA/SUMA.DB");
    EXPECT_TRUE(sums.copyRows);
    EXPECT_EQ(sums.emptiedFields, "OZN;NAZWISKO;DATA;K7;K8;K9;K10;K11;K12;K13;K14;K15;K16;Ilstr;W1;W2;W3");
    EXPECT_FALSE(carryOverFor("C:\\DANE\\2019\\KSIEGA\\KSIEGA.DB").copyRows);
    EXPECT_EQ(carryOverFor("/dane/2019/FIN/IndMat.DB").emptiedFields, "BOILOSC;BOWARTOSC");
    for (const char *unlisted : {"/dane/2019/FIN/INDMAT.DB", "/dane/2019/ksiega/KSIEGA.DB",
                                 "/dane/2019/KSIEGA/KSIEGA.db", "/dane/2019/XKSIEGA/KSIEGA.DB",
                                 "/dane/2019/INNE/DANE.DB"}) {
        const CarryOver row = carryOverFor(unlisted);
        EXPECT_TRUE(row.copyRows) << unlisted;
        EXPECT_EQ(row.emptiedFields, "") << unlisted;
    }
    const QList<CarryOver> twice = {{"FIN\\A.DB", false, {}}, {"FIN\\A.DB", true, "X"}};
    EXPECT_EQ(carryOverFor("/r/2019/FIN/A.DB", twice).emptiedFields, "X");
}

TEST_F(YearOpeningTest, StartingAgainAsksAndThenAddsOnlyTheMissingTables)
{
    start();
    ASSERT_EQ(openYear(), YearOpeningResult::Completed);
    plainSql("2020/FIN/KONTRAHI.DB", "INSERT INTO KONTRAHI (NR, SKROT) VALUES (7, 'NOWY')");
    ASSERT_TRUE(deleteTable(at("2020/KSIEGA/USER")));
    const QString question = "Błąd otwarcia roku. Kontynuacja może doprowadzić do utarty danych.\r"
                             "Czy kontynuować ?";

    prompter.enqueue(Answer::No);
    EXPECT_EQ(openYear(), YearOpeningResult::Refused);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, question);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(log.size(), 2) << "nothing is done after No";
    EXPECT_FALSE(tableExists(at("2020/KSIEGA/USER")));

    prompter.enqueue(Answer::Yes);
    EXPECT_EQ(openYear(), YearOpeningResult::Completed);
    EXPECT_EQ(log, expectedLog(environment.dataRoot));
    EXPECT_EQ(rows("2020/FIN/KONTRAHI.DB", {"NR"}), QStringList({"7"})) << "existing tables are never touched";
    EXPECT_EQ(rows("2020/KSIEGA/USER.DB", {"NAZWISKO"}), rows("2019/KSIEGA/USER.DB", {"NAZWISKO"}));
    EXPECT_EQ(environment.years, QStringList({"2019", "2020"}));
}

TEST_F(YearOpeningTest, AMissingSourceYearIsLoggedAndTheOpeningReportedUnfinished)
{
    start();
    YearOpening opening = ProposedYearOpening(environment);
    EXPECT_EQ(opening.year, "2020");
    EXPECT_EQ(opening.sourceYear, "2019");
    EXPECT_EQ(opening.directory, environment.dataRoot);
    opening.sourceYear = "2017";
    opening.directory.chop(1);
    EXPECT_EQ(OpenNewYear(opening, environment, prompter, [this](const QString &line) { log << line; }),
              YearOpeningResult::Incomplete);
    EXPECT_EQ(log, QStringList({"Generowanie nowego roku.",
                                "Baza danych w katalogu : " + environment.dataRoot + "2017",
                                "Brak katalogu : " + environment.dataRoot + "2017",
                                "Tworzenie katalogu :" + environment.dataRoot + "2020"}))
        << "the directory gets its separator; no KONIEC for an opening that made nothing";
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("Otwarcie roku 2020 nie zostało ukończone"));
}
