#pragma once
// Which tables of a year are carried into the next one with their rows, and which of their
// fields start the new year empty. A table is known by the ending of its path within the year
// directory ("KSIEGA/SUMA.DB"), compared letter case included; the later of two matching rows
// wins, and a table no row names is carried whole.

#include <QList>
#include <QString>

struct CarryOver {
    QString pathEnding;   // "KSIEGA\SUMA.DB", written the way the year tree has always named it
    bool copyRows = true;
    QString emptiedFields; // "OZN;K7;K8"
};

// The 57 rows every new year is opened by.
const QList<CarryOver> &carryOverTable();

// The row for the table file at `path` ("/" or "\" between folders); copy all, empty nothing
// when none matches. A row matches only whole path components: "ST\SUMA.DB" does not
// stand for "NOWYST/SUMA.DB".
CarryOver carryOverFor(const QString &path, const QList<CarryOver> &table = carryOverTable());
