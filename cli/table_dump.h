#pragma once
// A table as tab-separated text: a header of field names (calculated fields too), then one
// line per record in primary order; amounts with two decimals (four when finer), blank
// fields empty. Meant for people and scripts comparing a table's contents.

#include <QString>
#include <QTextStream>

class Field;
class TDANE;

enum class AmountDecimals { Two, AsFine };

// One field as the dump writes it: amounts with two decimals (or as many as they need, up to
// four), logical fields "tak"/"nie", blanks empty, and backslash, tab and line breaks escaped
// so that a record stays on one line.
QString FieldCell(const Field &field, AmountDecimals decimals);

// `path` is relative to the working year's directory ("KSIEGA/SUMA"), or names a root
// table: "FIRMA" in the data root, "KSIEGA" the parameter table of the current directory.
void dumpTable(TDANE &dane, const QString &path, QTextStream &out);
