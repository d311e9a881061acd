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

TEST(Money, ArithmeticIsExactUpToTheLimitsOfTheUnits)
{
    const Money largest = Money::fromUnits(std::numeric_limits<qint64>::max());
    const Money smallest = Money::fromUnits(std::numeric_limits<qint64>::min());
    EXPECT_EQ(largest - Money::fromUnits(1) + Money::fromUnits(1), largest);
    EXPECT_EQ(smallest + Money::fromUnits(1) - Money::fromUnits(1), smallest);
    EXPECT_EQ(largest + smallest, Money::fromUnits(-1));
    EXPECT_EQ(-largest, smallest + Money::fromUnits(1));
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<qint64>::max() / 2) * 2,
              largest - Money::fromUnits(1));
    EXPECT_EQ(smallest * 1, smallest);
    Money total = largest;
    total -= largest;
    total += smallest;
    EXPECT_EQ(total, smallest);
    EXPECT_EQ(Money::fromZloty(922337203685477).units(), 9223372036854770000);
    EXPECT_EQ(smallest.toString(4), "-922337203685477,5808");
    EXPECT_EQ(largest.toString(4), "922337203685477,5807");
}

TEST(Money, ASumDifferenceOrProductNoAmountHoldsIsAnOverflowNotAWrongSign)
{
    const Money largest = Money::fromUnits(std::numeric_limits<qint64>::max());
    const Money smallest = Money::fromUnits(std::numeric_limits<qint64>::min());
    const Money unit = Money::fromUnits(1);
    EXPECT_THROW(largest + unit, AmountOverflow);
    EXPECT_THROW(smallest - unit, AmountOverflow);
    EXPECT_THROW(unit - smallest, AmountOverflow);
    EXPECT_THROW(-smallest, AmountOverflow);
    EXPECT_THROW(largest * 2, AmountOverflow);
    EXPECT_THROW(smallest * -1, AmountOverflow);
    EXPECT_THROW(Money::fromZloty(922337203685478), AmountOverflow);
    EXPECT_THROW(Money::fromGrosze(-92233720368547759), AmountOverflow);
    EXPECT_THROW(largest.rounded(0), AmountOverflow); // 922 337 203 685 477,5807 rounds up
    Money total = largest;
    EXPECT_THROW(total += unit, AmountOverflow);
    EXPECT_EQ(total, largest) << "a refused sum leaves the total as it was";
    EXPECT_THROW(total -= -unit, AmountOverflow);
    // 9 224 maximal entered amounts are more than the units hold.
    Money entries;
    EXPECT_THROW(
        for (int i = 0; i < 9224; ++i) entries += *Money::parse(u"99999999999,99"), AmountOverflow);
}

TEST(Money, AnOverflowNamesTheResultWhereTheCallerKnowsIt)
{
    const Money largest = Money::fromUnits(std::numeric_limits<qint64>::max());
    try {
        CalculatedAmount(QStringLiteral("sumy kolumny 7"), [&] { return largest + largest; });
        FAIL() << "no overflow";
    } catch (const AmountOverflow &overflow) {
        EXPECT_EQ(overflow.message(), QStringLiteral("Nie można obliczyć sumy kolumny 7: wynik jest "
                                                     "poza zakresem, jaki może mieć kwota. "
                                                     "Polecenie przerwano."));
    }
    // The innermost name is the most precise one and stays.
    try {
        CalculatedAmount(QStringLiteral("zeznania"), [&] {
            return CalculatedAmount(QStringLiteral("pola P47"), [&] { return largest * 3; });
        });
        FAIL() << "no overflow";
    } catch (const AmountOverflow &overflow) {
        EXPECT_TRUE(overflow.message().startsWith(QStringLiteral("Nie można obliczyć pola P47:")));
    }
    EXPECT_EQ(CalculatedAmount(QStringLiteral("pola P47"), [] { return Money::fromZloty(2) * 3; }),
              Money::fromZloty(6));
}
