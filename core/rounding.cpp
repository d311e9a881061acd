#include "core/rounding.h"

#include <cmath>

double RoundHalfAway(double value)
{
    // std::round rounds halfway cases away from zero, and the fraction of a double is exact.
    return std::round(value);
}

Money RoundHalfAway(Money amount)
{
    return amount.rounded(0);
}

double RoundToMultiple(double step, double value)
{
    if (step == 0.0)
        return value;
    return step * RoundHalfAway(value / step);
}

Money RoundToMultiple(Money step, Money amount)
{
    const qint64 stepUnits = step.units();
    if (stepUnits == 0)
        return amount;
    const qint64 quotient = amount.units() / stepUnits;
    const qint64 remainder = amount.units() % stepUnits;
    const bool half = 2 * std::abs(remainder) >= std::abs(stepUnits);
    const bool negative = (amount.units() < 0) != (stepUnits < 0);
    const qint64 multiples = half ? quotient + (negative ? -1 : 1) : quotient;
    return Money::fromUnits(stepUnits) * multiples;
}

double RoundToGrosz(double value)
{
    // Dividing, not multiplying by 0.01, gives the double nearest to the decimal result.
    return RoundHalfAway(value * 100.0) / 100.0;
}

Money RoundToGrosz(Money amount)
{
    return amount.rounded(2);
}
