#pragma once

#include <QString>

class BenchReport;

// The structured book JPK_PKPIR(3) of the 100 000-entry year, checked against the schema and
// written, beside the year's rows read with plain SQL and written as XML unchecked.
void benchJpk(const QString &folder, BenchReport &report);
