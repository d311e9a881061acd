#pragma once

#include <QString>

class BenchReport;

// A month's sales from 10 000 invoices of 40 000 positions into the 100 000-entry year, and
// the same month imported again.
void benchImports(const QString &folder, BenchReport &report);
