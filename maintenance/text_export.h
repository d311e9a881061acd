#pragma once
// "Export danych": a table written as tab-separated text.

#include "maintenance/transfer_mapping.h"

#include <QString>

#include <optional>

class Cursor;
class Progress;
class Prompter;

// The rows the table reaches, in its present order, one line each, under a header of the
// mapping's file columns; each line holds the values, as text, of the fields that have a file
// column. A record being edited is saved first. The table is left on the record it was on.
// The number of rows written, or nothing after "Błąd zapisu pliku : " and the file (the file
// is then left as it was). Characters Windows-1250 lacks are written as "?" with a warning.
std::optional<int> ExportTable(Cursor &table, const TransferMapping &mapping, const QString &file,
                               Progress &progress, Prompter &prompter);
