#pragma once
// What an import did to the ledger, for the command line's report and the tests.

#include <QString>

struct ImportedEntries {
    int added = 0;
    int updated = 0;
    int deleted = 0;
};

enum class ImportOutcome {
    Imported, // the entries are on disk (also when the user stopped at an imported entry)
    Refused,  // a start check said no (posted month, missing table or field ...): nothing written
    Declined, // "Przerwij" to the import's question: nothing written
    Failed,   // a write or a value failed and was reported: the ledger is as it was before
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Refused;
    ImportedEntries counts;

    bool imported() const { return outcome == ImportOutcome::Imported; }
};

// "Zapisy dodane: 3, zmienione: 1, usunięte: 0."
QString ImportedEntriesText(const ImportedEntries &counts);
