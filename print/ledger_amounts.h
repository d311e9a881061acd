#pragma once
// How the printed ledger writes its amounts.

#include "platform/money.h"

#include <QString>

// The book's display mask "### ### ##0.00": 5169.9 → "5 169,90", 0 → "0,00".
QString LedgerAmountText(Money amount);
// The year-to-date row: the program's amount mask "######9.99", then grouped by threes,
// 1234567.891 → "1 234 567.89". Seven digits before the point at most: ten million or more
// prints as the mask's row of "#".
QString YearToDateText(Money amount);
// A column 16 total prints nothing when it is zero.
QString BlankWhenZero(Money amount, QString (*format)(Money));
