#pragma once
// The health of the table files: SQLite's own integrity check on each table of the data
// root and of the working year, so that a book-keeping office can see after a crash, a
// restore or a copy whether every table is whole before it goes on working.

#include <QString>
#include <QStringList>

struct WorkingEnvironment;

struct TableHealth {
    enum class State { Ok, Damaged, InUse };
    State state = State::Ok;
    QStringList problems; // what SQLite names, in its order; empty when ok
};

// Opening the table lets SQLite roll back a write interrupted by a crash first, as any
// program opening it would; the table is not written otherwise.
TableHealth CheckTable(const QString &file);

// The table files (".DB", letter case ignored) lying in the data root and in the working
// year's directory and its subdirectories, as absolute paths in name order.
QStringList CheckedTableFiles(const WorkingEnvironment &environment);
