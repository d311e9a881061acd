#pragma once
// Month lengths and roman month numerals. February follows the Gregorian rule of the year
// concerned, so a date walk across 2100 or a ledger kept for 2024 gets the right last day
// whatever year the program happens to run in.

#include <QString>

// Days of `month` (1..12) in `year`; 0 for a month outside 1..12. Year 0, which the
// calendar lacks, counts as a common year.
int DaysInMonth(int month, int year);
// The same as two characters, "28" .. "31"; empty for a month outside 1..12.
QString DaysInMonthText(int month, int year);

// 1 → "I" … 12 → "XII"; any other number gives an empty text.
QString RomanMonth(int month);
