#include "data_root_fixture.h"

#include <QFile>

using StartSequence = DataRootTest;

static QString missingTableMessage(const QString &name, const QString &base)
{
    return "Błąd otwarcia bazy : " + name + "\rBaza : " + base
           + ".DB\rUżyj polecenia Narzędzia/Naprawa indeksów.\rJeżeli bład się powtórzy odtwórz "
             "dane z ARCHIWUM";
}

TEST_F(StartSequence, OpensEveryTableOfANewDataRoot)
{
    TDANE &d = start();
    EXPECT_FALSE(environment.abort);
    EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(environment.dataRoot, folder.dir.path() + '/');
    EXPECT_EQ(environment.workingYear, "2019");
    EXPECT_EQ(environment.workingMonth, "05");
    EXPECT_EQ(environment.years, QStringList({"2019"}));
    EXPECT_EQ(environment.userName, "Kowalski Jan");
    const QString year = folder.dir.path() + "/2019/";
    EXPECT_EQ(environment.openedTables,
              QStringList({"FIRMA", year + "FIN/KONTRAHI", year + "KSIEGA/KSIEGA",
                           year + "KSIEGA/SUMA", year + "KSIEGA/USER", year + "KSIEGA/OPISZG"}));
    for (Cursor *cursor : {&d.TKSIEGA, &d.TSUMA, &d.TPARA, &d.TFIRMA, &d.TOSOBA, &d.TUSER,
                           &d.TOPISZG, &d.TKontrah, &d.TKONTRAHo, &d.TDEK, &d.TSTALE})
        EXPECT_TRUE(cursor->isOpen()) << cursor->name().toStdString();
    for (Cursor *cursor : {&d.TRD, &d.TNAG, &d.TPOZ, &d.TSAM, &d.TAUTO, &d.TSRO})
        EXPECT_FALSE(cursor->isOpen()) << "companion tables are optional";
    EXPECT_EQ(d.TSUMA.recordCount(), 24);
    EXPECT_EQ(d.TKSIEGA.indexName(), "LPinx");
    for (const char *structure : {"FIRMA.STR", "2019/FIN/KONTRAHI.STR", "2019/KSIEGA/KSIEGA.STR",
                                  "2019/KSIEGA/SUMA.STR", "2019/KSIEGA/USER.STR",
                                  "2019/KSIEGA/OPISZG.STR"})
        EXPECT_TRUE(QFile::exists(at(structure))) << structure;
    EXPECT_FALSE(QFile::exists(at("KSIEGA.STR"))) << "no structure file without a display name";
    EXPECT_FALSE(QFile::exists(at("2019/FIN/KONTRAHO.STR")));
}

TEST_F(StartSequence, MissingUserTableIsReportedAndTheUserIsNamedAsMissing)
{
    ASSERT_TRUE(deleteTable(at("2019/KSIEGA/USER")));
    start();
    EXPECT_FALSE(environment.abort);
    EXPECT_EQ(environment.userName, "Brak użytkownika");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompter.messages()[0].text,
              missingTableMessage("Baza Użytkowników", folder.dir.path() + "/2019/KSIEGA/USER"));
}

TEST_F(StartSequence, EmptyUserTableGivesAnEmptyUserName)
{
    plainSql("2019/KSIEGA/USER.DB", "DELETE FROM USER");
    start();
    EXPECT_EQ(environment.userName, "");
}

TEST_F(StartSequence, WithoutTheParameterTableTheStartAborts)
{
    ASSERT_TRUE(deleteTable(at("KSIEGA")));
    start();
    EXPECT_TRUE(environment.abort);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Error);

    dane.reset();
    ASSERT_TRUE(deleteTable(at("FIRMA")));
    prompter.clear();
    start();
    EXPECT_TRUE(environment.abort);
    ASSERT_EQ(prompter.messages().size(), 2) << "the firm table's own report, then the driver";
    EXPECT_TRUE(prompter.messages()[1].text.startsWith("Błąd sterownika BDE.\r"));
}

TEST_F(StartSequence, MissingFirmTableLeavesTheCurrentDirectoryAsDataRoot)
{
    ASSERT_TRUE(deleteTable(at("FIRMA")));
    start();
    EXPECT_FALSE(environment.abort);
    EXPECT_EQ(environment.dataRoot, folder.dir.path() + '/');
    EXPECT_EQ(prompter.messages()[0].text, missingTableMessage("Brak danych o firmie", "FIRMA"));
    EXPECT_FALSE(dane->TOSOBA.isOpen());
}

TEST_F(StartSequence, DataRootComesFromTheCommandLineOrTheFirmRecord)
{
    QDir().mkpath(at("dane firmy"));
    createDataRoot({at("dane firmy"), "Druga", "2020", "Nowak", false});
    start("2020.02.01", StartArguments{at("dane firmy/"), std::nullopt});
    EXPECT_EQ(environment.dataRoot, at("dane firmy/"));
    EXPECT_EQ(environment.workingYear, "2020");
    EXPECT_EQ(environment.userName, "Nowak");

    plainSql("FIRMA.DB", "UPDATE FIRMA SET DR = '" + at("dane firmy") + "'");
    start("2020.02.01");
    EXPECT_EQ(environment.dataRoot, at("dane firmy/")) << "the firm record names the data root";
}

TEST_F(StartSequence, StartOfTheAccountingYearShiftsTheWorkingYear)
{
    QDir().mkpath(at("2018"));
    plainSql("FIRMA.DB", "UPDATE FIRMA SET OBRDATA = '03.31'");
    start("2019.03.30");
    EXPECT_EQ(environment.workingYear, "2018");
    start("2019.03.31");
    EXPECT_EQ(environment.workingYear, "2019");
    plainSql("FIRMA.DB", "UPDATE FIRMA SET OBRDATA = '1.1'");
    start("2019.01.01");
    EXPECT_EQ(environment.workingYear, "2019") << "01.01 is no shift";
    plainSql("FIRMA.DB", "UPDATE FIRMA SET OBRDATA = 'xx.yy'");
    start("2019.01.01");
    EXPECT_EQ(environment.workingYear, "2019");
}

TEST_F(StartSequence, AYearWithoutADirectoryFallsBackToTheLastYear)
{
    QDir().mkpath(at("2017"));
    QDir().mkpath(at("archiwum"));
    start("2019.05.10", parseProgramArguments({"rok", "2021"}));
    EXPECT_EQ(environment.years, QStringList({"2017", "2019"}));
    EXPECT_EQ(environment.workingYear, "2019");
    ASSERT_FALSE(prompter.messages().isEmpty());
    EXPECT_EQ(prompter.messages()[0].text,
              "Brak otwartego roku : 2021\rRok zostanie zmieniony na : 2019");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);

    prompter.clear();
    start("2019.05.10", parseProgramArguments({"rok", "2017"}));
    EXPECT_EQ(environment.workingYear, "2017") << "the command line picks an existing year";
}

TEST_F(StartSequence, DecemberRemindsToOpenTheNextYear)
{
    start("2019.12.15");
    EXPECT_TRUE(prompter.messages().isEmpty());
    start("2019.12.16");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text,
              "Proszę otworzyć nowy rok 2020\rw celu poprawnego działania programu w nowym roku.");
    QDir().mkpath(at("2020"));
    prompter.clear();
    start("2019.12.31", parseProgramArguments({"rok", "2019"}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(StartSequence, SumsTableWithTheWrongNumberOfRowsIsRebuilt)
{
    for (const char *sql : {"DELETE FROM SUMA WHERE KOD = 'N05'",
                            "INSERT INTO SUMA (KOD, NAZWA) VALUES ('X', 'nadmiarowy'), ('Y', 'drugi')"}) {
        plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K7 = 50000, OZN = '*' WHERE KOD <= '03'");
        plainSql("2019/KSIEGA/SUMA.DB", sql);
        TDANE &d = start();
        EXPECT_TRUE(prompter.messages().isEmpty());
        ASSERT_EQ(d.TSUMA.recordCount(), 24);
        EXPECT_EQ(environment.lastPostedMonth, 0) << "the rebuilt table has no posted month";
        for (d.TSUMA.first(); !d.TSUMA.eof(); d.TSUMA.next()) {
            EXPECT_TRUE(d.TSUMA.field("K7").isNull());
            EXPECT_TRUE(d.TSUMA.field("OZN").isNull());
        }
        ASSERT_TRUE(d.TSUMA.findKey({"N12"}));
        EXPECT_EQ(d.TSUMA.field("NAZWA").asString(), "Narastająco Grudzień");
        EXPECT_EQ(d.TSUMA.field("KW").asString(), "0,00");
    }
}

TEST_F(StartSequence, MonthStatusFollowsTheMarksOfTheSums)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD IN ('01','02','03')");
    start();
    EXPECT_EQ(environment.lastPostedMonth, 3);
    EXPECT_TRUE(environment.monthPosted[3]);
    EXPECT_FALSE(environment.monthPosted[4]);
    EXPECT_FALSE(environment.monthPosted[13]);
    const auto previous = environment.monthPosted;
    dane->TSUMA.close();
    dane->BuildMonthStatus();
    EXPECT_EQ(environment.monthPosted, previous) << "without the sums the states stay";
}

TEST_F(StartSequence, SumsCalculateTheIncome)
{
    plainSql("2019/KSIEGA/SUMA.DB",
             "UPDATE SUMA SET K9 = 1000000, K10 = 250000, K11 = 1, K14 = 100000 WHERE KOD = '01'");
    TDANE &d = start();
    ASSERT_TRUE(d.TSUMA.findKey({"01"}));
    EXPECT_EQ(d.TSUMA.field("KW").asString(), "64,9999");
}
