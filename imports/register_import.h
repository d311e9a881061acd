#pragma once
// "Import danych" → "Sprzedaż" and "Zakupy": the invoicing program's registers of the working
// month into the ledger, after the checks every import makes and the question naming the
// month. The program parameters choose the mode: every invoice (`L3` = 0; `B1` keeps the
// positions of an invoice that span several columns as separate entries) or, for sales, one
// summary entry a month (`L3` = 1). The entries are renumbered afterwards.

#include "imports/import_result.h"
#include "imports/invoice_import.h"

#include <functional>

class Progress;
class TDANE;

// The invoicing program's three tables are open: the commands are offered.
bool RegisterImportOffered(TDANE &dane);

// `editSummary` shows the entry editor on the monthly summary entry (mode 1 only).
[[nodiscard]] ImportResult ImportRegisters(TDANE &dane, RegisterKind kind, Progress &progress,
                                           const std::function<void()> &editSummary);
