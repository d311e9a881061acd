#pragma once
// The ledger window's record commands other than writing one entry: copying an entry into
// the first open month, cancelling (deleting) an entry, and renumbering the open months in
// date order. The window, the command line and the register imports call the same code.

#include <QString>

#include <optional>

class Progress;
class TDANE;

// "Kopiuj zapis": the current entry copied, field by field, into a new entry of the first
// open month, which becomes the working month; the copy is numbered by `TDANE::NUMER`, dated
// today and left in insert state for the editor. False when there is no entry to copy.
[[nodiscard]] bool CopyEntry(TDANE &dane);

// Why the current entry cannot be cancelled in the month shown; empty when it can.
QString cancelEntryRefusal(TDANE &dane);
// "Anuluj zapis": asks "Czy Anulować ?" and deletes the current entry on Yes. No
// renumbering follows. True when the entry was deleted.
bool CancelEntry(TDANE &dane);

// "Przenumeruj": the entries of the open months take the numbers after the last number of
// the posted months, in date order; the posted months keep theirs. One transaction: a
// failed write is reported and leaves every number as it was (nothing then). The view is
// back in the book order for the working month afterwards. Gives how many entries changed.
[[nodiscard]] std::optional<int> Renumber(TDANE &dane, Progress &progress);
