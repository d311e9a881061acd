#pragma once
// The companion programs' tables of a demo year, written with plain SQL as those programs
// write them, so that a new user can try every import at once: the invoicing program's
// registers (sales; purchases booked net; purchases with partly deductible VAT), invoices
// and positions for every month, two private cars with their monthly costs, and the
// fixed-asset program's monthly depreciation with one month whose assets are not all posted.

#include <QString>
#include <QStringList>

// The tables WriteDemoCompanionTables writes (paths without ".DB"); `dataRoot` and `year` as
// there.
QStringList DemoCompanionTables(const QString &dataRoot, const QString &year);

// `dataRoot` ends with "/" (or is empty for the current directory); `year` has four digits.
// `unpostedAssetsMonth` (1..12) is the month the fixed-asset program has not posted.
// Throws DbError when a table cannot be written.
void WriteDemoCompanionTables(const QString &dataRoot, const QString &year, int unpostedAssetsMonth);
