#include "platform/decimal.h"

#include <gtest/gtest.h>

#include <limits>

static Money zl(const char16_t *text)
{
    return *Money::parse(text);
}

TEST(Decimal, ReadsADoubleAsTheDecimalThatWasTyped)
{
    const std::optional<Decimal> share = Decimal::fromDouble(33.33);
    ASSERT_TRUE(share);
    EXPECT_EQ(share->digits(), 3333);
    EXPECT_EQ(share->scale(), 2);
    EXPECT_EQ(Decimal::fromDouble(100.0)->toString(), "100");
    EXPECT_EQ(Decimal::fromDouble(-0.5)->toString(), "-0,5");
    EXPECT_EQ(Decimal::fromDouble(1e-30)->toString(), "0") << "beyond 18 decimals nothing is left";
}

TEST(Decimal, RefusesWhatNoDecimalOfEighteenDigitsHolds)
{
    EXPECT_FALSE(Decimal::fromDouble(1e308));
    EXPECT_FALSE(Decimal::fromDouble(-1e19));
    EXPECT_FALSE(Decimal::fromDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(Decimal::fromDouble(std::numeric_limits<double>::infinity()));
}

TEST(Decimal, BoundsIncludeBothEnds)
{
    EXPECT_TRUE(Decimal(0, 0).isWithin(0, 100));
    EXPECT_TRUE(Decimal(100000, 3).isWithin(0, 100));
    EXPECT_FALSE(Decimal(1000001, 4).isWithin(0, 100));
    EXPECT_FALSE(Decimal(-1, 18).isWithin(0, 100));
}

TEST(Decimal, FixedTextRoundsHalvesOfTheDecimalAwayFromZero)
{
    EXPECT_EQ(Decimal::fromDouble(0.125)->toFixedString(2), "0,13");
    EXPECT_EQ(Decimal::fromDouble(-0.125)->toFixedString(2), "-0,13");
    // 1.005 is held as 1.00499999999999989...: the binary value would round down.
    EXPECT_EQ(Decimal::fromDouble(1.005)->toFixedString(2), "1,01");
    EXPECT_EQ(Decimal::fromDouble(-2.0)->toFixedString(2), "-2,00");
    EXPECT_EQ(Decimal(-4, 3).toFixedString(2), "0,00");
}

TEST(ScaledAmount, RoundsTheExactProductOnceHalfAwayFromZero)
{
    // 0,125 zł × 2,28 % is 28,5 units; in doubles 1250 × 2.28 / 100 comes to 28.4999...
    EXPECT_EQ(ScaledAmount(zl(u"0,125"), Decimal(228, 2), 100).units(), 29);
    EXPECT_EQ(ScaledAmount(zl(u"-0,125"), Decimal(228, 2), 100).units(), -29);
    EXPECT_EQ(ScaledAmount(zl(u"100"), Decimal(3333, 2), 100), zl(u"33,33"));
    EXPECT_EQ(ScaledAmount(zl(u"99999999999,99"), Decimal(100, 0), 100), zl(u"99999999999,99"));
}

TEST(ScaledAmount, AResultNoAmountHoldsIsAnOverflow)
{
    EXPECT_THROW(ScaledAmount(zl(u"99999999999,99"), Decimal(1000000, 0), 1), AmountOverflow);
}

TEST(RoundedQuotient, IsTheDoubleNearestToTheRoundedDecimal)
{
    EXPECT_EQ(RoundedQuotient(zl(u"2,01"), zl(u"200"), 100, 2), 1.01);
    EXPECT_EQ(RoundedQuotient(zl(u"-2,01"), zl(u"200"), 100, 2), -1.01);
    EXPECT_EQ(RoundedQuotient(zl(u"1"), zl(u"-8"), 100, 2), -12.5);
    // 10^19 hundredths of a percent: past 2^53, where dividing doubles would round twice.
    EXPECT_EQ(RoundedQuotient(zl(u"99999999999,99"), Money::fromUnits(1), 100, 2),
              99999999999990000.0);
}
