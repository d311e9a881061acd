#pragma once
// The one checked way to open a year table and the one way to save a record. The checked
// open reports a missing table in the program's words, offers to clear a read-only
// attribute, upgrades an old firm table and leaves a structure file beside the table; saving
// posts, reports a failed write and leaves the record on disk for the companion programs.

#include "platform/cursor.h"

#include <QString>

class Prompter;
struct WorkingEnvironment;

inline constexpr int OpenedTableListLimit = 50;

// Opens `basePath` + ".DB" on the cursor. With a display name the table joins the
// environment's opened-table list and its failures are reported; without one a failure is
// silent. A table another program holds is reported as in use in either case and ends the
// start (`environment.abort`): nothing may run on a data root with one of its tables
// missing for a moment. True when the table is open at the end.
bool OpenTableChecked(Cursor &cursor, const QString &basePath, const QString &displayName,
                      WorkingEnvironment &environment, Prompter &prompter);
inline bool OpenTableChecked(Cursor &cursor, const QString &basePath, WorkingEnvironment &environment,
                             Prompter &prompter)
{
    return OpenTableChecked(cursor, basePath, QString(), environment, prompter);
}

// Posts a record being edited or inserted; a failed post is cancelled and reported as
// "Błąd zapisu", or as the table being in use when another program holds it (false). A post
// outside a transaction is on disk when this returns.
[[nodiscard]] bool SaveTable(Cursor &cursor, Prompter &prompter);
// What a failed write says: "Błąd zapisu", or that the table is in use when another program
// holds it, so that nobody takes a busy table for a broken one.
QString WriteFailureMessage(const DbError &failure);

// The save a rule makes of another table while a record is being changed: a failed post is
// cancelled and its DbError thrown on, so that the change which ran the rule stops with the
// engine's message instead of going on as if the rule's record were on disk.
void SaveInRule(Cursor &cursor);

// Puts the cursor into edit state unless it already edits or inserts.
void EnsureEditing(Cursor &cursor);

// Checks that the database engine can open and query a database.
bool CheckDatabaseEngine();
