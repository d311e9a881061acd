#pragma once
// A sample firm's contractors and three months of ledger entries, so that a new user can try
// every function before typing their own data.

#include <QString>

class Cursor;

void writeDemoContractors(Cursor &contractors);
void writeDemoEntries(Cursor &ledger, const QString &year, const QString &userName);
