#pragma once
// Whole copies of table files, made by SQLite itself and never by copying bytes: a plain
// file copy of a table another program is writing catches half of a transaction, and a copy
// put over a table whose journal is still beside it is "rolled back" with another table's
// pages. Both kinds of copy leave every table, at every moment, either as it was or as the
// whole new copy; a copy that fails or is killed leaves the old one.

#include <QString>

// A consistent snapshot of the table `source` at `target` (created or replaced): written
// through SQLite's online backup into a temporary file beside the target and renamed into
// its place once it is on disk. The source may be open in other programs meanwhile.
void snapshotTable(const QString &source, const QString &target);

// Writes the table `source` over the working table `target` under the table's exclusive
// lock: through SQLite's online backup into the open target, in one of its own transactions,
// so a journal left by a writer killed earlier is rolled back first and a restore killed
// half-way is rolled back by the next open. A target that does not exist yet is made as a
// snapshot. Fails, changing nothing, while another program has the table open.
void overwriteTable(const QString &source, const QString &target);
