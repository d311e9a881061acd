#include "core/number_format.h"

#include <gtest/gtest.h>

namespace {

Money money(const char *text)
{
    return Money::parse(QString::fromUtf8(text)).value();
}

} // namespace

TEST(FormatByMask, WholeNumbersFillTheMaskWithLeadingZeros)
{
    EXPECT_EQ(FormatByMask("99", 5), "05");
    EXPECT_EQ(FormatByMask("99", 12), "12");
    EXPECT_EQ(FormatByMask("9999", 2019), "2019");
    EXPECT_EQ(FormatByMask("99999", 42), "00042");
    EXPECT_EQ(FormatByMask("999", 0), "000");
}

TEST(FormatByMask, HashesHideLeadingZeros)
{
    EXPECT_EQ(FormatByMask("####", 0), "    ");
    EXPECT_EQ(FormatByMask("####", 70), "  70");
    // a zero after the first other digit is a digit, not a leading zero
    EXPECT_EQ(FormatByMask("####", 1005), "1005");
}

TEST(FormatByMask, TooWideANumberShowsAsHashes)
{
    EXPECT_EQ(FormatByMask("99", 123), "##");
    EXPECT_EQ(FormatByMask("99", -12), "##");
    EXPECT_EQ(FormatByMask("######9.99", money("12345678")), "#######.##");
    EXPECT_EQ(FormatByMask("######9.99", money("1234567")), "1234567.00");
}

TEST(FormatByMask, AmountsKeepTheirDecimals)
{
    EXPECT_EQ(FormatByMask("######9.99", money("1234,5")), "   1234.50");
    EXPECT_EQ(FormatByMask("######9.99", money("-1234,5")), "  -1234.50");
    EXPECT_EQ(FormatByMask("######9.99", Money()), "      0.00");
    EXPECT_EQ(FormatByMask("######9.99", money("0,07")), "      0.07");
    EXPECT_EQ(FormatByMask("##########9.99", money("98765432,1")), "   98765432.10");
    EXPECT_EQ(FormatByMask("######9.99", 12), "     12.00");
}

TEST(FormatByMask, TheMasksOwnSeparatorAndOtherCharactersStay)
{
    EXPECT_EQ(FormatByMask("######9,99", money("1234,5")), "   1234,50");
    EXPECT_EQ(FormatByMask("9.9 zł", money("2,25")), "2.3 zł");
    EXPECT_EQ(FormatByMask("99-9999", 42019), "04-2019");
}

TEST(FormatByMask, HalvesOfTheLastDecimalRoundAwayFromZero)
{
    EXPECT_EQ(FormatByMask("#9.99", Money::fromUnits(12345)), " 1.23");
    EXPECT_EQ(FormatByMask("#9.99", Money::fromUnits(12350)), " 1.24");
    EXPECT_EQ(FormatByMask("#9.99", Money::fromUnits(-12350)), "-1.24");
    EXPECT_EQ(FormatByMask("9999", money("2018,5")), "2019");
}

TEST(FormatByMask, MoreDecimalsThanAnAmountHoldsArePaddedWithZeros)
{
    EXPECT_EQ(FormatByMask("9.999999", money("1,2345")), "1.234500");
    EXPECT_EQ(FormatByMask("9.999", 3), "3.000");
}

TEST(GroupThousands, SpacesEveryThreeDigitsBeforeTheDecimals)
{
    EXPECT_EQ(GroupThousands("1234567,89"), "1 234 567,89");
    EXPECT_EQ(GroupThousands("1234,56"), "1 234,56");
    EXPECT_EQ(GroupThousands("123,45"), " 123,45");
    EXPECT_EQ(GroupThousands("12,34"), "12,34");
    EXPECT_EQ(GroupThousands("-123456,00"), "- 123 456,00");
    EXPECT_EQ(GroupThousands("-1234,00"), "-1 234,00");
    EXPECT_EQ(GroupThousands(""), "");
}

TEST(TextHelpers, PaddingCuttingRepeatingAndRemovingSpaces)
{
    EXPECT_EQ(PadToWidth("abc", 5), "abc  ");
    EXPECT_EQ(PadToWidth("abcdef", 3), "abc");
    EXPECT_EQ(PadToWidth("zażółć", 6), "zażółć");
    EXPECT_EQ(PadToWidth("abc", 0), "");
    EXPECT_EQ(PadToWidth("abc", -2), "");

    EXPECT_EQ(RepeatChar('-', 4), "----");
    EXPECT_EQ(RepeatChar(u'ł', 2), "łł");
    EXPECT_EQ(RepeatChar('=', 0), "");
    EXPECT_EQ(RepeatChar('=', -1), "");

    EXPECT_EQ(RemoveSpaces(" 1 234 567,89 "), "1234567,89");
    EXPECT_EQ(RemoveSpaces("bez"), "bez");
}
