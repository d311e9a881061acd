#pragma once
// Exact decimal arithmetic for what the tables keep as floating point (shares, ratios) and for
// products and quotients of amounts. A double is taken for the shortest decimal that reads
// back as it, which is what a person typed ("33,33", not 33.3299999999999982946974341757595539);
// products and quotients are formed in 128-bit integers and rounded once, halves away from
// zero, so that no binary fraction decides which way a half rounds.

#include "platform/amount_range.h"
#include "platform/money.h"

#include <QString>
#include <optional>

class Decimal {
public:
    static constexpr int LargestScale = 18;

    // digits / 10^scale, scale 0..18.
    constexpr Decimal(qint64 digits, int scale) : digits_(digits), scale_(scale) {}
    // Nothing for nan, infinity and values of more than 18 whole digits; decimals beyond the
    // eighteenth are dropped (they cannot move an amount by a unit).
    static std::optional<Decimal> fromDouble(double value);

    constexpr qint64 digits() const { return digits_; }
    constexpr int scale() const { return scale_; }
    // Whether lowest <= value <= highest.
    bool isWithin(qint64 lowest, qint64 highest) const;
    // With a decimal comma and no trailing zeros: "33,33", "100", "-0,5".
    QString toString() const;
    // Rounded to `decimals` places, halves away from zero, all of them shown: "0,13", "-2,00".
    QString toFixedString(int decimals) const;

private:
    qint64 digits_;
    int scale_;
};

// amount × factor / divisor to 1/10000 zł, halves away from zero. Throws AmountOverflow when
// no amount holds the result. The divisor is not 0.
Money ScaledAmount(Money amount, Decimal factor, qint64 divisor);

// numerator × multiplier / denominator rounded to `decimals` places (0..4), halves away from
// zero, as the double nearest to that decimal. The denominator is not 0.
double RoundedQuotient(Money numerator, Money denominator, qint64 multiplier, int decimals);
