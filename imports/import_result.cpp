#include "imports/import_result.h"

QString ImportedEntriesText(const ImportedEntries &counts)
{
    return QStringLiteral("Zapisy dodane: %1, zmienione: %2, usunięte: %3.")
        .arg(counts.added)
        .arg(counts.updated)
        .arg(counts.deleted);
}
