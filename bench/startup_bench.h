#pragma once
// The program's own figures on a year of 100 000 entries and 2 000 contractors: the start
// sequence, the next entry number, switching the month shown.

class BenchReport;
class QString;

void benchStartup(const QString &folder, BenchReport &report);
