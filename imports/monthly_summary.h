#pragma once
// "Sprzedaż" as one entry a month (import mode 1): every position of the month's sales
// registers at its invoice's exchange rate, added up per ledger column into the entry
// "DK Sprze. MM.RRRR", which the user then checks and saves in the entry editor.

#include "imports/import_result.h"

#include <functional>

class Progress;
class TDANE;

// Runs with the import flag set and the sales registers filtered. `editEntry` shows the
// entry editor on the entry being written and returns when it is closed (saved or not).
ImportResult ImportMonthlySummary(TDANE &dane, Progress &progress,
                                  const std::function<void()> &editEntry);
