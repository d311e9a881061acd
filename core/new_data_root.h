#pragma once
// A new data root, the first thing a new user needs: the parameter table in the current
// directory, the firm table in the data root and a year directory with every table the
// program keeps, filled with what a first run needs (the 24 sums rows, one user, a short
// dictionary of event descriptions, the tax constants in force today).

#include <QString>
#include <QStringList>

struct NewDataRoot {
    QString dataRoot; // empty: the current directory (the firm record's DR stays empty)
    QString firmName;
    QString year;     // four digits
    QString operatorName;
    bool demo = false;        // sample contractors and the owner's identity in the firm record
    bool demoEntries = true;  // with `demo`: the first quarter's sample entries as well
};

// The tables a new data root is made of (paths without ".DB"), the parameter table first.
QStringList newDataRootTables(const NewDataRoot &request);

// Throws DbError with the Polish refusal when one of `tables` (paths without ".DB") exists:
// a new data root never overwrites.
void refuseExistingTables(const QStringList &tables);

// Throws DbError with a Polish message when a table of the firm or the year already exists
// or cannot be made; nothing is overwritten. An existing parameter table is kept.
void createDataRoot(const NewDataRoot &request);
