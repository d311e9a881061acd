#pragma once
// "Import danych" → "Ewidencja przebiegu pojazdu": the vehicle log's cost of using each
// private car in the working month becomes one "other expenses" entry per vehicle, keyed
// "SAM 07 05.2019" so that importing the month again updates only its amount and date.
//
// The import leaves the ledger's rules awake: a new entry is dated today, and an entry
// found again asks first whether to stop changing an imported entry; "Tak" ends the import
// there, that entry untouched and the ones before it written.

#include "imports/import_result.h"

class TDANE;

// Both vehicle tables are open: the command is offered.
bool VehicleImportOffered(TDANE &dane);

[[nodiscard]] ImportResult ImportVehicleCosts(TDANE &dane);
