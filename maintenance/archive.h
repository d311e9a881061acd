#pragma once
// The archive: one copy of every table file of the program — those lying in the data root,
// those one level under its BAZA directory and those one level under each known year — in
// an archive directory of the same layout. "Archiwizuj" refreshes the copy table by table
// and records the day in the firm record; "Odtwarzaj" writes the copies back over the
// working tables after a warning and starts the data module again.
//
// Only table files (".DB") travel: structure files, lock files and SQLite's journals stay
// where they are. A table is copied by SQLite (platform/table_copy.h), so neither the archive
// nor the working data ever holds half of a table, even when the command is killed or a
// companion program writes meanwhile. A table that cannot be copied does not stop the run:
// the others are still done and the failed ones are named at the end.

#include <QString>
#include <QStringList>

class Progress;
class Prompter;
class TDANE;
struct WorkingEnvironment;

// The data root followed by "ARCHIWUM".
QString DefaultArchiveLocation(const WorkingEnvironment &environment);

// One table file to copy: its path relative to the data root and to the archive.
QStringList ArchivedTables(const QString &root, const QStringList &years);

struct ArchiveOutcome {
    bool done = false;      // every table was copied (and, archiving, the date recorded)
    int copied = 0;         // tables copied
    QStringList failed;     // relative paths of the tables that could not be copied
    bool reopened = false;  // the tables were closed for a restore and opened again
};

ArchiveOutcome Archiwizuj(TDANE &dane, const QString &location, Progress &progress,
                          Prompter &prompter);

// Nothing changes unless the warning is answered Yes (`done` false, nothing copied).
ArchiveOutcome Odtwarzaj(TDANE &dane, const QString &location, Progress &progress,
                         Prompter &prompter);
