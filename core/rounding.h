#pragma once
// Rounding as the tax rules require it: halves away from zero (0.5 → 1, −0.5 → −1,
// 0.005 → 0.01). Amounts round exactly through Money; the double forms serve ratios and
// other values that are computed in floating point, and round the value the double holds.

#include "platform/money.h"

// The nearest whole number, halves away from zero.
double RoundHalfAway(double value);
// Whole złoty, halves away from zero.
Money RoundHalfAway(Money amount);

// The nearest multiple of `step`, halves away from zero. A zero step leaves the value as it is.
double RoundToMultiple(double step, double value);
Money RoundToMultiple(Money step, Money amount);

// Two decimals, halves away from zero: 2.345 → 2.35, −2.345 → −2.35.
double RoundToGrosz(double value);
Money RoundToGrosz(Money amount);
