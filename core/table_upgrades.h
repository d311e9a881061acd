#pragma once
// Upgrades and repairs of tables made by older versions of the program, run by the checked
// open and the start sequence. Each rebuild writes the complete new table beside the old
// one and only then puts it in the old one's place, so a crash leaves the old table, never
// none and never half of one.

#include <QHash>
#include <QList>
#include <QString>

class Cursor;
class Prompter;
struct TableDef;

using TextRecord = QHash<QString, QString>; // field name (upper case) → value as text

// Re-creates the table at `file` with `layout`, holding `records` (each field set from its
// text; a value the field cannot take is left blank). Throws DbError when it cannot.
void rebuildTable(const QString &file, const TableDef &layout, const QList<TextRecord> &records);

// Every field of the cursor's current record as text, by upper-case field name.
TextRecord currentRecordAsText(Cursor &cursor);

// Gives an old firm table the full firm layout, carrying every record over.
void UpgradeFirmTable(Cursor &firm);

// Adds the KSeF number field `KSEF` to a ledger table older than it, keeping every row and
// index; the cursor is open again afterwards. An upgrade that cannot be done (the table is in
// use elsewhere, the disk is full) leaves the table as it was, still usable without it.
void UpgradeLedgerTable(Cursor &ledger);

// Adds `ADATA` and `ACYKL` to an older parameter table; silent when it cannot.
void UpgradeParameterTable(Cursor &parameters);

// Adds `US`, `ML`, `MG` and `ZL1` to an older parameter table, keeping every field of its
// record; silent when it cannot.
void AddParameterFields(Cursor &parameters);

// Creates the table file `target` with the source file's own schema (fields, indexes and,
// for a companion program's plain table, its declared columns as they are); with `copy` it
// also takes over every record, blanking the fields of `clearList` ("A;B;C", by column name
// in any letter case); with `zeroOnly` (and no copy) it takes the records whose first index
// field is "0". The target appears whole or not at all. False when the target exists (it is
// left untouched) or could not be made, which is reported as "Nie mozna utworzyć tabeli".
bool CopyTableStructure(Cursor &source, const QString &target, bool copy,
                        const QString &clearList, bool zeroOnly, Prompter &prompter);
