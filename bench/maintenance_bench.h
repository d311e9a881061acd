#pragma once

#include <QString>

class BenchReport;

// Archive and restore of a data root holding the 100 000-entry year, each beside a plain
// `cp -r` of the same tree, and index repair of every opened table beside plain REINDEX.
void benchMaintenance(const QString &folder, BenchReport &report);
