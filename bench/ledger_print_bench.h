#pragma once
// Printing a month of the ledger (about 8 300 entries of the 100 000-entry year), both
// halves, into one PDF file, as "Wydruk księgi" answered Yes between the halves does.

class BenchReport;
class QString;

void benchLedgerPrint(const QString &folder, BenchReport &report);
