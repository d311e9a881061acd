#pragma once
// Reading the tax constants table by code. The constants window may be showing the table,
// so a look-up leaves the cursor on the record it was on.

#include "platform/money.h"

#include <optional>

class Cursor;

// The value of `field` ("WARTOSC" or "KWOTAMIN") of the constant `code`; nothing when the
// table is closed or holds no such code.
std::optional<Money> TaxConstant(Cursor &constants, int code, const char *field);
// The same with a missing code counting as 0.
Money TaxConstantOrZero(Cursor &constants, int code, const char *field);
