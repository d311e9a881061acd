#include "platform/amount_range.h"
#include "platform/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Money, ParsesBothDecimalSeparatorsSignsAndGrouping)
{
    EXPECT_EQ(Money::parse(u"1234,56")->units(), 12345600);
    EXPECT_EQ(Money::parse(u"1234.56")->units(), 12345600);
    EXPECT_EQ(Money::parse(u"-0,5")->units(), -5000);
    EXPECT_EQ(Money::parse(u"+12")->units(), 120000);
    EXPECT_EQ(Money::parse(u" 1 234 567,89 zł")->units(), 12345678900);
    EXPECT_EQ(Money::parse(u",5")->units(), 5000);
    EXPECT_EQ(Money::parse(u"0,0001")->units(), 1);
}

TEST(Money, RefusesWhatIsNotAnAmount)
{
    EXPECT_FALSE(Money::parse(u""));
    EXPECT_FALSE(Money::parse(u"-"));
    EXPECT_FALSE(Money::parse(u"12,3,4"));
    EXPECT_FALSE(Money::parse(u"1e5"));
    EXPECT_FALSE(Money::parse(u"abc"));
    EXPECT_FALSE(Money::parse(u"99999999999999999999"));
}

TEST(Money, RefusesAmountsTheUnitsCannotHoldInsteadOfWrapping)
{
    EXPECT_FALSE(Money::parse(u"922337203685479"));
    EXPECT_FALSE(Money::parse(u"-922337203685479"));
    EXPECT_FALSE(Money::parse(u"922337203685477"));
    EXPECT_EQ(Money::parse(u"922337203685476,99995")->units(), 9223372036854770000);
    EXPECT_EQ(Money::parse(u"-922 337 203 685 476,9999")->units(), -9223372036854769999);
}

TEST(Money, RoundsDecimalsBeyondTheFourthHalfAwayFromZero)
{
    EXPECT_EQ(Money::parse(u"0,00005")->units(), 1);
    EXPECT_EQ(Money::parse(u"-0,00005")->units(), -1);
    EXPECT_EQ(Money::parse(u"0,000049999")->units(), 0);
}

TEST(Money, SumsAreExactWhereFloatingPointIsNot)
{
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += *Money::parse(u"0,10");
    EXPECT_EQ(sum, Money::fromZloty(1));
    EXPECT_EQ(*Money::parse(u"100,10") + *Money::parse(u"0,20"), *Money::parse(u"100,30"));
}

TEST(Money, FormatsWithFixedOrShortestDecimals)
{
    EXPECT_EQ(Money::parse(u"1234,5")->toString(), "1234,50");
    EXPECT_EQ(Money::parse(u"-0,5")->toString(2, '.'), "-0.50");
    EXPECT_EQ(Money::parse(u"2,345")->toString(), "2,35");
    EXPECT_EQ(Money::parse(u"-2,345")->toString(), "-2,35");
    EXPECT_EQ(Money::parse(u"-0,004")->toString(), "0,00");
    EXPECT_EQ(Money::parse(u"100,3")->toShortestString(), "100,30");
    EXPECT_EQ(Money::parse(u"1,2345")->toShortestString(), "1,2345");
    EXPECT_EQ(Money::parse(u"1,234")->toShortestString(), "1,234");
    EXPECT_EQ(Money().toShortestString(), "0,00");
}

TEST(Money, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(Money::parse(u"100,50")->roundedZloty(), 101);
    EXPECT_EQ(Money::parse(u"-100,50")->roundedZloty(), -101);
    EXPECT_EQ(Money::parse(u"-0,40")->roundedZloty(), 0);
    EXPECT_EQ(Money::parse(u"0,125")->rounded(2), *Money::parse(u"0,13"));
    EXPECT_EQ(Money::parse(u"-0,125")->rounded(2), *Money::parse(u"-0,13"));
    EXPECT_EQ(Money::fromDouble(2.345).rounded(2), *Money::parse(u"2,35"));
    EXPECT_EQ(Money::fromDouble(-0.00005).units(), -1);
}

TEST(Money, ADoubleCountsAsTheDecimalItStandsFor)
{
    // 0.00015 is held as 1.4999999...e-4; multiplied out it would round down to one unit.
    EXPECT_EQ(Money::fromDouble(0.00015).units(), 2);
    EXPECT_EQ(Money::fromDouble(-0.00815).units(), -82);
    EXPECT_EQ(Money::fromDouble(-0.0).units(), 0);
    EXPECT_THROW(Money::fromDouble(1e308), AmountOverflow);
    EXPECT_THROW(Money::fromDouble(std::nan("")), AmountOverflow);
}

TEST(Money, TheEnteredRangeEndsAtElevenDigitsOfZloty)
{
    EXPECT_TRUE(IsWithinEnteredRange(Money::parse(u"99999999999,99")->units()));
    EXPECT_TRUE(IsWithinEnteredRange(Money::parse(u"-99999999999,99")->units()));
    EXPECT_FALSE(IsWithinEnteredRange(Money::parse(u"99999999999,9901")->units()));
    EXPECT_FALSE(IsWithinEnteredRange(Money::parse(u"-100000000000")->units()));
}
