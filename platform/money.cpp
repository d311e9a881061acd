#include "platform/money.h"

#include "platform/amount_range.h"

#include <QLocale>
#include <limits>

namespace {

qint64 powerOfTen(int exponent)
{
    qint64 result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

// Divides and rounds the quotient half away from zero.
qint64 divideRounded(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor;
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
    // Fixed notation: the parser reads no exponent, and 1e308 then simply has too many digits.
    const std::optional<Money> money =
        parse(QString::number(value, 'f', QLocale::FloatingPointShortest));
    if (!money)
        throwAmountOverflow();
    return *money;
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

    // Whole złoty beyond this would overflow once counted in units and rounded up.
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / UnitsPerZloty - 1;
    qint64 whole = 0;
    qint64 fraction = 0;  // the first five decimals; the fifth alone decides rounding
    int fractionDigits = 0;
    bool seenDigit = false;
    bool inFraction = false;
    for (QChar c : rest) {
        if (c.isDigit() && c.unicode() < 128) {
            const int digit = c.unicode() - '0';
            seenDigit = true;
            if (!inFraction) {
                if (whole > (limit - digit) / 10)
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
    qint64 units = fraction / 10 + (fraction % 10 >= 5 ? 1 : 0);
    units += whole * UnitsPerZloty;
    return Money(negative ? -units : units);
}

Money Money::rounded(int decimals) const
{
    const qint64 step = powerOfTen(4 - decimals);
    return Money(divideRounded(units_, step)) * step;
}

QString Money::toString(int decimals, QChar decimalSeparator) const
{
    const qint64 step = powerOfTen(4 - decimals);
    const qint64 value = divideRounded(units_, step);
    // Unsigned, so that the smallest count has a magnitude too.
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    const quint64 scale = quint64(powerOfTen(decimals));
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
