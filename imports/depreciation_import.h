#pragma once
// "Import danych" → "Amortyzacja": the fixed-asset program's depreciation of the working
// month becomes one "other expenses" entry, keyed "AMOR 05.2019" so that importing the month
// again updates only its amount and date. Only a month whose assets are all posted in the
// fixed-asset program is taken, and only when that program keeps a single firm.
//
// Like the vehicle import, it leaves the ledger's rules awake (see vehicle_import.h).

#include "imports/import_result.h"

class TDANE;

// The fixed-asset sums table is open: the command is offered.
bool DepreciationImportOffered(TDANE &dane);

[[nodiscard]] ImportResult ImportDepreciation(TDANE &dane);
