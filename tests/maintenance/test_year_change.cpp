#include "core/table_access.h"
#include "maintenance/year_change.h"
#include "year_fixture.h"

using YearChange = YearTest;

TEST_F(YearChange, TheProgramMovesToTheOtherYearFromItsJanuaryAndBack)
{
    plainSql("2019/KSIEGA/KSIEGA.DB", "INSERT INTO KSIEGA (LP, MC, DATA) VALUES (1, '05', '2019.05.02')");
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD = '01'");
    TDANE &d = start("2019.05.10", {std::nullopt, QStringLiteral("2019")});
    environment.workingMonth = "05";
    ASSERT_EQ(openYear(), YearOpeningResult::Completed);

    ASSERT_TRUE(ChangeWorkingYear(d, "2020"));
    EXPECT_EQ(environment.workingYear, "2020");
    EXPECT_EQ(environment.workingMonth, "01");
    EXPECT_EQ(environment.years, QStringList({"2019", "2020"}));
    EXPECT_EQ(d.TKSIEGA.tablePath(), at("2020/KSIEGA/KSIEGA.DB"));
    EXPECT_TRUE(d.TKSIEGA.isEmpty());
    EXPECT_EQ(environment.lastPostedMonth, 0) << "the new year's sums have no posted month";
    EXPECT_EQ(d.TKontrah.tablePath(), at("2020/FIN/KONTRAHI.DB"));

    d.TKSIEGA.append();
    d.TKSIEGA.field("LP").setInteger(1);
    d.TKSIEGA.field("MC").setAsString("01");
    d.TKSIEGA.field("DATA").setAsString("2020.01.03");
    ASSERT_TRUE(SaveTable(d.TKSIEGA, prompter));

    ASSERT_TRUE(ChangeWorkingYear(d, "2019"));
    EXPECT_EQ(d.TKSIEGA.tablePath(), at("2019/KSIEGA/KSIEGA.DB"));
    EXPECT_EQ(rows("2019/KSIEGA/KSIEGA.DB", {"DATA"}), QStringList({"2019.05.02"}));
    EXPECT_EQ(rows("2020/KSIEGA/KSIEGA.DB", {"DATA"}), QStringList({"2020.01.03"}));
    EXPECT_EQ(environment.lastPostedMonth, 1);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(YearChange, TheYearIsKeptEvenBeforeTheFirmsAccountingYearBegins)
{
    plainSql("FIRMA.DB", "UPDATE FIRMA SET OBRDATA = '07.01'");
    TDANE &d = start("2019.05.10");
    ASSERT_EQ(environment.workingYear, "2019") << "no year 2018 to go back to";
    ASSERT_EQ(openYear(), YearOpeningResult::Completed);
    ASSERT_TRUE(ChangeWorkingYear(d, "2020"));
    EXPECT_EQ(environment.workingYear, "2020");
    EXPECT_EQ(d.TSUMA.tablePath(), at("2020/KSIEGA/SUMA.DB"));
}
