#include "core/calendar.h"

#include <gtest/gtest.h>

TEST(DaysInMonth, FebruaryFollowsTheGregorianRuleOfItsOwnYear)
{
    EXPECT_EQ(DaysInMonth(2, 2020), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2019), 28);
    EXPECT_EQ(DaysInMonth(2, 2100), 28);
    EXPECT_EQ(DaysInMonthText(2, 2024), "29");
    EXPECT_EQ(DaysInMonthText(2, 2100), "28");
}

TEST(DaysInMonth, OtherMonthsAndMonthsOutOfRange)
{
    const int expected[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(DaysInMonth(month, 2019), expected[month - 1]) << month;
    EXPECT_EQ(DaysInMonthText(4, 2019), "30");
    EXPECT_EQ(DaysInMonth(0, 2019), 0);
    EXPECT_EQ(DaysInMonth(13, 2019), 0);
    EXPECT_EQ(DaysInMonth(-1, 2019), 0);
    EXPECT_EQ(DaysInMonthText(13, 2019), "");
    EXPECT_EQ(DaysInMonth(13, 0), 0);
}

TEST(DaysInMonth, YearZeroIsACommonYearAndEarlierYearsFollowTheCalendar)
{
    EXPECT_EQ(DaysInMonth(1, 0), 31);
    EXPECT_EQ(DaysInMonth(2, 0), 28);
    EXPECT_EQ(DaysInMonth(12, 0), 31);
    EXPECT_EQ(DaysInMonthText(2, 0), "28");
    EXPECT_EQ(DaysInMonth(2, -1), 29) << "1 BC, the year before year 1, is a leap year";
    EXPECT_EQ(DaysInMonth(2, -2), 28);
}

TEST(RomanMonth, TwelveNumeralsAndNothingElse)
{
    EXPECT_EQ(RomanMonth(1), "I");
    EXPECT_EQ(RomanMonth(4), "IV");
    EXPECT_EQ(RomanMonth(8), "VIII");
    EXPECT_EQ(RomanMonth(9), "IX");
    EXPECT_EQ(RomanMonth(12), "XII");
    EXPECT_EQ(RomanMonth(0), "");
    EXPECT_EQ(RomanMonth(13), "");
    EXPECT_EQ(RomanMonth(-4), "");
}
