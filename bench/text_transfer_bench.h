#pragma once

#include <QString>

class BenchReport;

// Export of the 2 000 contractors to a text file and their import back, into an empty
// catalogue and over a full one, each beside the same file work done with plain SQL.
void benchTextTransfer(const QString &folder, BenchReport &report);
