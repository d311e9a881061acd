#pragma once
// "Plik importowany" and "Importuj dane": a tab-separated text file read into a table,
// updating the rows whose primary key the file names and inserting the others.

#include "maintenance/transfer_mapping.h"

#include <QString>

#include <optional>

class Cursor;
class Progress;
class Prompter;

struct ImportCounts {
    int updated = 0;
    int inserted = 0;
};

// The mapping the file's header line makes for the table, or nothing after saying why the
// file cannot be imported: it cannot be read, it is empty or it has no header line.
std::optional<TransferMapping> MapImportFile(const Cursor &table, const QString &file,
                                             Prompter &prompter);

// Reads every line after the header in one transaction on the table's primary order: the
// key looked up, the row found edited or a new one inserted, each field with a file column
// set from its value as text (never the automatic number "AUTO"), the row saved. A short
// line leaves the fields it has no value for as they were. Then the file is renamed with
// "z" in front of its name, so that it is not imported twice.
//
// Refused before anything is written: a mapping without a column for every key field, a
// file that is no Windows-1250 text unless the user confirms. A value that does not convert
// or a row that cannot be saved stops the import at its line, named in the message with the
// column and value; the rows imported before it stay and the file keeps its name, so that it
// can be corrected and imported again. Nothing after any failure.
std::optional<ImportCounts> ImportTable(Cursor &table, const TransferMapping &mapping,
                                        const QString &file, Progress &progress,
                                        Prompter &prompter);

// The name an imported file is given: "z" and its own name, in its directory.
QString ImportedFileName(const QString &file);
