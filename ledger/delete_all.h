#pragma once
// "Kasowanie danych demonstracyjnych": after two questions every ledger entry of the year is
// deleted and every sums row emptied of its totals, ratios, page number and posting marks,
// so a firm can start its own book on a year it first filled with sample entries. The month
// states follow the emptied sums at once: every month is open again.

class TDANE;

// True when the entries were deleted (after two Yes answers).
[[nodiscard]] bool DeleteAllEntries(TDANE &dane);
