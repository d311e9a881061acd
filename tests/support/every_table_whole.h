#pragma once
// What `ksiega-cli check` says after a fault, for tests that work inside the program: every
// table file under a folder passes SQLite's integrity check.

#include "maintenance/table_check.h"

#include <QDirIterator>
#include <QStringList>

// The table files under `folder` that are not whole, each with what SQLite found; empty when
// every one is. A folder without tables is no whole data root and says so.
inline QStringList TablesNotWhole(const QString &folder)
{
    QStringList notWhole;
    int checked = 0;
    QDirIterator files(folder, {QStringLiteral("*.DB")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const TableHealth health = CheckTable(file);
        ++checked;
        if (health.state != TableHealth::State::Ok)
            notWhole << file + QStringLiteral(": ") + health.problems.join(QStringLiteral("; "));
    }
    if (checked == 0)
        notWhole << folder + QStringLiteral(": brak tabel");
    return notWhole;
}
