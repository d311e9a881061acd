#include "core/rounding.h"

#include <gtest/gtest.h>

namespace {

Money money(const char *text)
{
    return Money::parse(QString::fromUtf8(text)).value();
}

} // namespace

TEST(RoundHalfAway, HalvesGoAwayFromZero)
{
    EXPECT_EQ(RoundHalfAway(0.5), 1.0);
    EXPECT_EQ(RoundHalfAway(-0.5), -1.0);
    EXPECT_EQ(RoundHalfAway(2.4999), 2.0);
    EXPECT_EQ(RoundHalfAway(-2.4999), -2.0);
    EXPECT_EQ(RoundHalfAway(2.5), 3.0);
    EXPECT_EQ(RoundHalfAway(-7.5), -8.0);
    EXPECT_EQ(RoundHalfAway(0.0), 0.0);
    EXPECT_EQ(RoundHalfAway(1e15 + 0.5), 1e15 + 1);
}

TEST(RoundHalfAway, AmountsRoundToWholeZlotyExactly)
{
    EXPECT_EQ(RoundHalfAway(money("0,5")), Money::fromZloty(1));
    EXPECT_EQ(RoundHalfAway(money("-0,5")), Money::fromZloty(-1));
    EXPECT_EQ(RoundHalfAway(money("1234,4999")), Money::fromZloty(1234));
    EXPECT_EQ(RoundHalfAway(money("-1234,4999")), Money::fromZloty(-1234));
}

TEST(RoundToGrosz, HalvesGoAwayFromZero)
{
    EXPECT_DOUBLE_EQ(RoundToGrosz(2.345), 2.35);
    EXPECT_DOUBLE_EQ(RoundToGrosz(-2.345), -2.35);
    EXPECT_DOUBLE_EQ(RoundToGrosz(0.125), 0.13);
    EXPECT_DOUBLE_EQ(RoundToGrosz(-0.125), -0.13);
    EXPECT_DOUBLE_EQ(RoundToGrosz(0.005), 0.01);
    EXPECT_DOUBLE_EQ(RoundToGrosz(0.0049), 0.0);

    EXPECT_EQ(RoundToGrosz(money("2,345")), money("2,35"));
    EXPECT_EQ(RoundToGrosz(money("-2,345")), money("-2,35"));
    EXPECT_EQ(RoundToGrosz(money("0,0049")), Money());
    EXPECT_EQ(RoundToGrosz(money("0,005")), Money::fromGrosze(1));
}

TEST(RoundToMultiple, NearestMultipleHalvesAwayFromZero)
{
    EXPECT_DOUBLE_EQ(RoundToMultiple(10.0, 25.0), 30.0);
    EXPECT_DOUBLE_EQ(RoundToMultiple(10.0, -25.0), -30.0);
    EXPECT_DOUBLE_EQ(RoundToMultiple(10.0, 24.9), 20.0);
    EXPECT_DOUBLE_EQ(RoundToMultiple(0.5, 1.3), 1.5);

    const Money ten = Money::fromZloty(10);
    EXPECT_EQ(RoundToMultiple(ten, Money::fromZloty(25)), Money::fromZloty(30));
    EXPECT_EQ(RoundToMultiple(ten, Money::fromZloty(-25)), Money::fromZloty(-30));
    EXPECT_EQ(RoundToMultiple(ten, money("24,9999")), Money::fromZloty(20));
    EXPECT_EQ(RoundToMultiple(-ten, Money::fromZloty(25)), Money::fromZloty(30));
    EXPECT_EQ(RoundToMultiple(Money::fromGrosze(5), money("1,025")),
              money("1,05"));
}

TEST(RoundToMultiple, AZeroStepLeavesTheValue)
{
    EXPECT_DOUBLE_EQ(RoundToMultiple(0.0, 12.34), 12.34);
    EXPECT_EQ(RoundToMultiple(Money(), money("12,34")), money("12,34"));
}
