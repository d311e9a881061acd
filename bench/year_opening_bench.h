#pragma once

#include <QString>

class BenchReport;

// Opening 2020 after the 100 000-entry year (the ledger not carried over; contractors, sums
// and dictionaries carried), beside a plain copy of the same year's files without the ledger.
void benchYearOpening(const QString &folder, BenchReport &report);
