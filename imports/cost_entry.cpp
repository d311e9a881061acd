#include "imports/cost_entry.h"

#include "core/data_module.h"
#include "imports/import_start.h"

bool WriteCostEntry(TDANE &dane, EntryNumbers &numbers, const CostEntry &entry,
                    ImportedEntries &counts)
{
    Cursor &ledger = dane.TKSIEGA;
    const WorkingEnvironment &environment = dane.environment();
    if (ledger.findKey({entry.key})) {
        ledger.edit();
        if (!ledger.isEditing())
            return false;
        ++counts.updated;
    } else {
        const int number = numbers.next();
        ledger.append();
        ledger.field(QStringLiteral("LP")).setInteger(number);
        ledger.field(QStringLiteral("MC")).setAsString(environment.workingMonth);
        ledger.field(QStringLiteral("NRKOMP")).setAsString(entry.key);
        ledger.field(QStringLiteral("NRKSIEG")).setAsString(entry.documentNumber);
        ledger.field(QStringLiteral("OPIS1")).setAsString(entry.description);
        if (entry.describe)
            entry.describe(ledger);
        ++counts.added;
    }
    ledger.field(QStringLiteral("DATA")).setAsString(environment.today);
    ledger.field(QStringLiteral("K13")).setCurrency(entry.amount);
    SaveImportedEntry(dane);
    return true;
}
