#pragma once
// The table engine against plain SQL on a 100 000-record ledger-like table.

class BenchReport;
class QString;

void benchEngine(const QString &folder, BenchReport &report);
