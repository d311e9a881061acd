#pragma once
// The data module's open tables by the names a user knows them by, for the text import and
// export of any of them from the command line.

#include <QString>
#include <QStringList>

class Cursor;
class TDANE;

// A table named by its file ("KONTRAHI", "kontrahi.db"), by its path under the working
// year's directory ("AUTO/SUMA") or by its cursor ("TSAM"); where several open tables have
// files of one name, the bare name means the program's own (KSIEGA the ledger, SUMA its
// sums). Nothing when no open table answers to the name.
Cursor *FindOpenTable(TDANE &dane, const QString &name);

// A name FindOpenTable finds each open table by, the shortest there is, in the data module's
// order.
QStringList OpenTableNames(TDANE &dane);
