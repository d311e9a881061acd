#pragma once
// Index repair: the indexes of every table the program opened through the checked path in
// this run are rebuilt from the table's structure file, and the result of each is logged.
//
// For our tables the indexes live inside the table file, so nothing is deleted: every index
// of the table is dropped and made again from the structure file, all in one transaction of
// the table opened exclusively, so a repair that fails or is killed leaves the old indexes.
// No file named like the table is ever deleted — least of all its journal, which is the
// only copy of what an interrupted write is to roll back, nor its lock file, which tells
// other programs the table is in use.

#include <QString>
#include <QStringList>

#include <functional>

class Prompter;
class TDANE;

// The log `ERAP`: lines added, the last one rewritten as a table's result is known.
class RepairLog {
public:
    const QStringList &lines() const { return lines_; }
    void clear();
    void add(const QString &line);
    void replaceLast(const QString &line);
    // Called after every change, so a window can show the log as it grows.
    void onChange(std::function<void(const QStringList &)> listener) { listener_ = std::move(listener); }

private:
    void changed();
    QStringList lines_;
    std::function<void(const QStringList &)> listener_;
};

struct RepairOutcome {
    bool started = false; // the question was answered Yes
    int notRepaired = 0;
};

// The table at `basePath` rebuilt from basePath + ".STR": the result text of its log line,
// " naprawiono." or " nienaprawiono." (with what SQLite still finds wrong after the rebuild).
QString RepairTableIndexes(const QString &basePath);

// Asks first; then closes every table, repairs the tables of the opened-table list in their
// order and runs the start sequence again.
RepairOutcome NaprawaIndeksow(TDANE &dane, Prompter &prompter, RepairLog &log);
