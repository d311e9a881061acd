#include "pit5/declaration_tax.h"

#include <limits>

namespace {

// Products of an amount and a percentage need up to 128 bits before they are rounded.
__extension__ typedef __int128 Wide;

// An amount × a percentage, both in 1/10000: the product counts 1/10^10 zł.
constexpr Wide ProductUnitsPerGrosz = Wide(100) * Money::UnitsPerZloty * 100;
constexpr Wide ProductUnitsPerUnit = Wide(Money::UnitsPerZloty) * 100;

Wide product(Money amount, Money percent)
{
    return Wide(amount.units()) * Wide(percent.units());
}

// A rate typed as tens of billions of percent makes a tax no amount holds.
Money groszeOf(Wide product)
{
    const Wide magnitude = product < 0 ? -product : product;
    const Wide grosze = (magnitude + ProductUnitsPerGrosz / 2) / ProductUnitsPerGrosz;
    if (grosze > std::numeric_limits<qint64>::max())
        throwAmountOverflow();
    return Money::fromGrosze(qint64(product < 0 ? -grosze : grosze));
}

Money notNegative(Money amount)
{
    return amount < Money() ? Money() : amount;
}

} // namespace

Money ScaleTax(Money base, const ScaleConstants &c)
{
    const Money secondThreshold = c.threshold * 2;
    Wide bracket;
    if (base < c.threshold)
        bracket = product(base, c.rate1);
    else if (base < secondThreshold)
        bracket = product(base - c.threshold, c.rate2) + product(c.threshold, c.rate1);
    else
        bracket = product(base - secondThreshold, c.rate3) + product(c.threshold, c.rate2)
                  + product(c.threshold, c.rate1);
    // The income-tax act takes the reducing amount off the scale in every bracket; taking it
    // off only up to the threshold would make the tax jump by the whole amount just above it.
    const Wide reducing = Wide(c.reducingAmount.units()) * ProductUnitsPerUnit;
    return notNegative(groszeOf(bracket - reducing));
}

Money FlatTax(Money base, Money ratePercent)
{
    return notNegative(groszeOf(product(base, ratePercent)));
}
