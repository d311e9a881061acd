#pragma once
// An amount of money held exactly: a 64-bit count of 1/10000 of a złoty, as the tables store
// currency fields. Sums and differences are exact; rounding happens only where a caller asks
// for it, and then half away from zero, as the tax rules require. Every sum, difference and
// product is checked: one that no amount holds throws AmountOverflow instead of wrapping round
// into a total of the wrong sign, so no caller can forget the check.

#include "platform/amount_range.h"

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <compare>
#include <QtGlobal>
#include <optional>

class Money {
public:
    static constexpr qint64 UnitsPerZloty = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    static constexpr Money fromZloty(qint64 zloty) { return Money(zloty) * UnitsPerZloty; }
    static constexpr Money fromGrosze(qint64 grosze) { return Money(grosze) * 100; }
    // The nearest 1/10000, halves away from zero. For values that arrive as floating point.
    static Money fromDouble(double value);

    // "1234,56", "1234.56", "-0,5", "1 234,56", "+12", "12,5 zł"; more than four decimals are
    // rounded half away from zero. Empty or malformed text gives nothing.
    static std::optional<Money> parse(QStringView text);

    constexpr qint64 units() const { return units_; }
    double toDouble() const { return double(units_) / UnitsPerZloty; }
    constexpr bool isZero() const { return units_ == 0; }

    // Rounded half away from zero to the given number of decimals (0..4).
    Money rounded(int decimals) const;
    // Whole złoty, halves away from zero.
    qint64 roundedZloty() const { return rounded(0).units_ / UnitsPerZloty; }

    // Fixed decimals (rounded half away from zero), no grouping: "-1234,50".
    QString toString(int decimals = 2, QChar decimalSeparator = QLatin1Char(',')) const;
    // Two decimals, or as many of the four as the value needs: "100,30", "0,1235".
    QString toShortestString(QChar decimalSeparator = QLatin1Char(',')) const;

    constexpr Money operator-() const { return Money() - *this; }
    constexpr Money operator+(Money other) const
    {
        qint64 sum = 0;
        if (__builtin_add_overflow(units_, other.units_, &sum))
            throwAmountOverflow();
        return Money(sum);
    }
    constexpr Money operator-(Money other) const
    {
        qint64 difference = 0;
        if (__builtin_sub_overflow(units_, other.units_, &difference))
            throwAmountOverflow();
        return Money(difference);
    }
    constexpr Money operator*(qint64 factor) const
    {
        qint64 product = 0;
        if (__builtin_mul_overflow(units_, factor, &product))
            throwAmountOverflow();
        return Money(product);
    }
    constexpr Money &operator+=(Money other) { return *this = *this + other; }
    constexpr Money &operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : units_(units) {}
    qint64 units_ = 0;
};

Q_DECLARE_METATYPE(Money)
