#pragma once
// A taxpayer's share in a business, in percent: the share of the taxpayers register
// ("Udział [%]") and the share columns of a declaration's sections K, L and M. It lies
// between 0 and 100, and it multiplies amounts as the decimal that was typed.

#include "platform/decimal.h"

class Field;
class TDANE;

// The share a field holds; a blank one is 0. Throws DbError naming the field when the share
// is beyond 0–100, as a file another program wrote may hold.
Decimal ShareIn(const Field &field);

// `amount` × `share` / 100 to the currency's four decimals, halves away from zero.
Money ShareOf(Money amount, Decimal share);

// Every write of a share, typed, imported or from the command line, is refused beyond 0–100.
void installShareChecks(TDANE &dane);
