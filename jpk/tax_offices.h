#pragma once
// The tax office a structured file is addressed to, by its four-digit code. The codes and
// names are those of the schema's own list of tax offices, read from the installed schema.

#include <QString>

// "KodyUrzedowSkarbowych_v8-0E.xsd" in the schema folder.
QString TaxOfficeListFile(const QString &schemaDirectory);

// The office's code for the firm's `URZAD`: a four-digit code at its start, else the office
// whose name in the list is the same text (letter case and spacing aside). Empty when
// neither gives one.
QString TaxOfficeCodeFor(const QString &office, const QString &schemaDirectory);

// Whether the list holds the code.
bool KnownTaxOfficeCode(const QString &code, const QString &schemaDirectory);
