#pragma once
// The ledger window's grid on the 100 000-entry year that the start-up benchmark made:
// opening its model, switching months and renumbering the year.

class BenchReport;
class QString;

void benchLedgerWindow(const QString &folder, BenchReport &report);
