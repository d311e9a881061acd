#pragma once
// Whole-table operations on table files: create, read the definition back, change indexes,
// empty, delete, rename. Each table is one SQLite file "NAME.DB"; its ".LCK" companion holds
// the open-table locks. A table's "-journal" file belongs to SQLite alone: before a table is
// deleted or renamed it is opened once, so SQLite itself rolls back an interrupted write and
// removes the journal, and nothing here ever deletes or moves a journal.

#include "platform/table_definition.h"

#include <QString>

// "…/KSIEGA" or "…/KSIEGA.DB" → the table file's path, found without regard to letter case
// when the exact name does not exist.
QString tableFilePath(const QString &path);
bool tableExists(const QString &path);

// Creates the table file; fails when it exists unless `replace` is set (then the old table is
// deleted first, the way re-creating a table empties it).
void createTable(const QString &path, const TableDef &definition, bool replace = false);
TableDef readTableDefinition(const QString &path);
void addIndex(const QString &path, const IndexDef &index);
// Adds a field after the last one, blank in every row, in one transaction: the file holds
// the old table or the whole new one, with every row and index. The table must be closed
// everywhere.
void addField(const QString &path, const FieldDef &field);
void deleteIndex(const QString &path, const QString &indexName); // empty name: the primary
void emptyTable(const QString &path);
// False when there is no such table; a table open anywhere is refused with an error.
bool deleteTable(const QString &path);
void renameTable(const QString &from, const QString &to);
// Opening the file lets SQLite roll back and remove a hot journal, one left by an interrupted
// write. A journal still there afterwards is either another program's write in progress,
// which holds the write lock (the table is in use: tableInUseError), or an inactive one
// (empty, or with a cleared header) that SQLite never plays back and that blocks nothing.
void settleJournal(const QString &file);
// Puts the table file `replacement` in the place of `target` in one atomic step: at every
// moment the target path holds either the old table or the whole new one. The replacement's
// rows' table takes the target's name. Both tables must be closed everywhere.
void replaceTable(const QString &target, const QString &replacement);
