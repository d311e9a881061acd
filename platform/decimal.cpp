#include "platform/decimal.h"

#include <QByteArray>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

__extension__ typedef __int128 Wide;

Wide powerOfTen(int exponent)
{
    Wide result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

Wide magnitude(Wide value)
{
    return value < 0 ? -value : value;
}

// value / divisor, halves away from zero.
Wide divideRounded(Wide value, Wide divisor)
{
    const bool negative = (value < 0) != (divisor < 0);
    const Wide whole = magnitude(value) / magnitude(divisor);
    const Wide rest = magnitude(value) % magnitude(divisor);
    const Wide rounded = 2 * rest >= magnitude(divisor) ? whole + 1 : whole;
    return negative ? -rounded : rounded;
}

QByteArray digitsOf(Wide value)
{
    if (value == 0)
        return QByteArrayLiteral("0");
    QByteArray text;
    for (Wide rest = magnitude(value); rest > 0; rest /= 10)
        text.prepend(char('0' + int(rest % 10)));
    return value < 0 ? '-' + text : text;
}

// digits / 10^scale written out with a point, every one of the scale's decimals kept.
QByteArray fixedText(Wide digits, int scale)
{
    QByteArray text = digitsOf(magnitude(digits)).rightJustified(scale + 1, '0');
    if (scale > 0)
        text.insert(text.size() - scale, '.');
    return digits < 0 ? '-' + text : text;
}

} // namespace

std::optional<Decimal> Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1).left(LargestScale);
    const bool negative = whole.startsWith(QLatin1Char('-'));
    if (negative)
        whole.remove(0, 1);
    Wide digits = 0;
    for (QChar c : whole + fraction) {
        digits = digits * 10 + (c.unicode() - '0');
        if (digits > std::numeric_limits<qint64>::max())
            return std::nullopt;
    }
    return Decimal(qint64(negative ? -digits : digits), int(fraction.size()));
}

bool Decimal::isWithin(qint64 lowest, qint64 highest) const
{
    const Wide scaled = powerOfTen(scale_);
    return Wide(digits_) >= Wide(lowest) * scaled && Wide(digits_) <= Wide(highest) * scaled;
}

QString Decimal::toString() const
{
    QByteArray text = fixedText(digits_, scale_);
    if (scale_ > 0) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Decimal::toFixedString(int decimals) const
{
    const Wide counted = decimals >= scale_
                             ? Wide(digits_) * powerOfTen(decimals - scale_)
                             : divideRounded(digits_, powerOfTen(scale_ - decimals));
    return QString::fromLatin1(fixedText(counted, decimals)).replace(QLatin1Char('.'), QLatin1Char(','));
}

Money ScaledAmount(Money amount, Decimal factor, qint64 divisor)
{
    // |units| < 2^63 and |digits| < 2^63, so the product stays below 2^126.
    const Wide units = divideRounded(Wide(amount.units()) * factor.digits(),
                                     Wide(divisor) * powerOfTen(factor.scale()));
    if (units > std::numeric_limits<qint64>::max() || units < std::numeric_limits<qint64>::min())
        throwAmountOverflow();
    return Money::fromUnits(qint64(units));
}

double RoundedQuotient(Money numerator, Money denominator, qint64 multiplier, int decimals)
{
    const Wide counted = divideRounded(Wide(numerator.units()) * multiplier * powerOfTen(decimals),
                                       denominator.units());
    // The text of the decimal read as a double is the double nearest to it; a division of
    // doubles would round twice once the count passes 2^53.
    return fixedText(counted, decimals).toDouble();
}
