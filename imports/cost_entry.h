#pragma once
// The one "other expenses" entry that the vehicle and depreciation imports keep for a month
// under an import key: found again and updated (amount and date only), or made with its
// document number and description. These imports leave the ledger's rules awake, so updating
// an imported entry asks first whether to stop, and "Tak" stops the import there.

#include "imports/import_result.h"
#include "platform/money.h"

#include <QString>

#include <functional>

class Cursor;
class EntryNumbers;
class TDANE;

struct CostEntry {
    QString key;            // NRKOMP
    QString documentNumber; // NRKSIEG
    QString description;    // OPIS1
    // Fills what else a new entry gets (OPIS2, the contractor); may be empty.
    std::function<void(Cursor &ledger)> describe;
    Money amount;           // K13
};

// Writes the entry and counts it; false when the user stopped at it, which then keeps its
// values. Throws when the entry cannot be saved (reported).
bool WriteCostEntry(TDANE &dane, EntryNumbers &numbers, const CostEntry &entry,
                    ImportedEntries &counts);
