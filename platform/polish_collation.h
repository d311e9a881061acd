#pragma once
// The Polish order (platform/collation/polish_order.h) for Qt texts and for the program's
// own SQLite connections.

#include "platform/collation/polish_order.h"

#include <QStringView>

struct sqlite3;

int comparePolish(QStringView a, QStringView b, LetterCase letterCase);

// Makes both collations known to a connection.
void registerPolishCollations(sqlite3 *db);
