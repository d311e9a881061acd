#pragma once
// The envelope margins as the margins dialog shows and takes them: decimal numbers of
// millimetres, written with a comma (a point is taken too).

#include <QString>

#include <optional>

class Prompter;

// "12,5"; "10" for a whole number.
QString MarginText(double millimetres);

// Nothing for a text that is not a number, or is a negative one.
std::optional<double> ParseMarginText(const QString &typed);

// "Zapisz": one record, top margin then left margin, replacing the file. A value that is
// not a margin is reported and nothing is written; so is a file that cannot be written.
// True when the file holds the two margins.
bool SaveEnvelopeMarginEntries(const QString &path, const QString &top, const QString &left,
                               Prompter &prompter);
