#pragma once
// A new data root, the first thing a new user needs: the parameter table in the current
// directory, the firm table in the data root and a year directory with every table the
// program keeps, filled with what a first run needs (the 24 sums rows, one user, a short
// dictionary of event descriptions, the tax constants in force today).

#include <QString>

struct NewDataRoot {
    QString dataRoot; // empty: the current directory (the firm record's DR stays empty)
    QString firmName;
    QString year;     // four digits
    QString operatorName;
    bool demo = false; // adds sample contractors and a few months of entries
};

// Throws DbError with a Polish message when a table of the firm or the year already exists
// or cannot be made; nothing is overwritten. An existing parameter table is kept.
void createDataRoot(const NewDataRoot &request);
