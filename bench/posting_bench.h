#pragma once
// Month posting on a year of 100 000 entries: closing one month of about 8 300 entries, and
// the current posting of the months still open, beside the same sums taken with plain SQL.

class BenchReport;
class QString;

void benchPosting(const QString &folder, BenchReport &report);
