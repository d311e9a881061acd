#pragma once
// The data side of choosing a month in the ledger window: the working month, and the
// ledger's month filter on for a single month, off for "Wszystkie" ("13").

#include <QString>

class TDANE;

void SelectWorkingMonth(TDANE &dane, const QString &month);
bool showsAllMonths(TDANE &dane);
