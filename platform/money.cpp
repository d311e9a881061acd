#include "platform/money.h"

#include <cmath>
#include <limits>

namespace {

std::int64_t powerOfTen(int exponent)
{
    std::int64_t result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// Divides and rounds the quotient half away from zero.
std::int64_t divideRounded(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    const std::int64_t remainder = value % divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= divisor)
        return quotient + (value < 0 ? -1 : 1);
    return quotient;
}

bool isGroupingSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

} // namespace

Money Money::fromDouble(double value)
{
    const double scaled = value * UnitsPerZloty;
    return Money(static_cast<std::int64_t>(scaled < 0 ? std::ceil(scaled - 0.5)
                                                      : std::floor(scaled + 0.5)));
}

std::optional<Money> Money::parse(QStringView text)
{
    QStringView rest = text.trimmed();
    if (rest.endsWith(u"zł"))
        rest = rest.chopped(2).trimmed();
    if (rest.isEmpty())
        return std::nullopt;

    bool negative = false;
    if (rest.front() == QLatin1Char('-') || rest.front() == QLatin1Char('+')) {
        negative = rest.front() == QLatin1Char('-');
        rest = rest.mid(1);
    }

    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 100;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;  // the first five decimals; the fifth alone decides rounding
    int fractionDigits = 0;
    bool seenDigit = false;
    bool inFraction = false;
    for (QChar c : rest) {
        if (c.isDigit() && c.unicode() < 128) {
            const int digit = c.unicode() - '0';
            seenDigit = true;
            if (!inFraction) {
                if (whole > limit)
                    return std::nullopt;
                whole = whole * 10 + digit;
            } else if (fractionDigits < 5) {
                fraction = fraction * 10 + digit;
                ++fractionDigits;
            }
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !inFraction) {
            inFraction = true;
        } else if (isGroupingSpace(c) && !inFraction) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;

    fraction *= powerOfTen(5 - fractionDigits);
    std::int64_t units = fraction / 10 + (fraction % 10 >= 5 ? 1 : 0);
    units += whole * UnitsPerZloty;
    return Money(negative ? -units : units);
}

Money Money::rounded(int decimals) const
{
    const std::int64_t step = powerOfTen(4 - decimals);
    return Money(divideRounded(units_, step) * step);
}

QString Money::toString(int decimals, QChar decimalSeparator) const
{
    const std::int64_t step = powerOfTen(4 - decimals);
    const std::int64_t value = divideRounded(units_, step);
    const std::int64_t magnitude = value < 0 ? -value : value;
    const std::int64_t scale = powerOfTen(decimals);
    QString text = QString::number(magnitude / scale);
    if (decimals > 0) {
        text += decimalSeparator;
        text += QString::number(magnitude % scale).rightJustified(decimals, QLatin1Char('0'));
    }
    return value < 0 ? QLatin1Char('-') + text : text;
}

QString Money::toShortestString(QChar decimalSeparator) const
{
    int decimals = 4;
    while (decimals > 2 && units_ % powerOfTen(4 - decimals + 1) == 0)
        --decimals;
    return toString(decimals, decimalSeparator);
}
