#pragma once
// The tax of a PIT-5 declaration from its base: the progressive scale and the flat rate.
// Rates are percentages held as amounts (19 % is 19,00), as the constants table keeps them.
// Products are exact; only the result is rounded, to grosze and halves away from zero.

#include "platform/money.h"

struct ScaleConstants {
    Money rate1;          // percent below the threshold
    Money rate2;          // percent from the threshold to twice the threshold
    Money rate3;          // percent from twice the threshold
    Money threshold;      // złoty
    Money reducingAmount; // złoty, subtracted from the scale tax in every bracket
};

// The scale tax of `base`, never below 0.
Money ScaleTax(Money base, const ScaleConstants &constants);
// `base` × `ratePercent` / 100, never below 0.
Money FlatTax(Money base, Money ratePercent);
