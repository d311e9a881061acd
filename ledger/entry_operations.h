#pragma once
// Writing one ledger entry the way the ledger window and the entry editor do it: "Nowy
// zapis" numbers a new entry in the working month, "Zapisz" saves it (asking before a posted
// month is written), closing the editor asks whether to keep what was typed.

#include <QString>

class TDANE;

// Why a new entry cannot be started in the month shown; empty when it can.
QString newEntryRefusal(TDANE &dane);
// "Nowy zapis": appends an entry numbered by `TDANE::NUMER` in the working month and leaves
// the ledger in insert state. False (nothing done) in a posted month or under "Wszystkie".
[[nodiscard]] bool NewEntry(TDANE &dane);
// "Edytuj zapis": the current entry into edit state; false when the view is empty or the
// edit was refused (the imported-entry question).
bool EditEntry(TDANE &dane);
// A wrong KSeF number in the entry being edited: says "Błędny numer KSeF." and gives true.
bool KsefNumberRefused(TDANE &dane);
// "Zapisz": a wrong KSeF number is refused and the entry stays in the editor; the view follows the entry to its month; a posted month asks first. True when
// the entry was written.
[[nodiscard]] bool SaveEntry(TDANE &dane);
// Closing the editor by any means: pending changes are saved or dropped after the question,
// and the month view follows the entry to its month.
void CloseEntryEditor(TDANE &dane);
