#pragma once
// The number an invoice gets in the national e-invoice system (KSeF), as typed, imported or
// read back from the book: "NNNNNNNNNN-RRRRMMDD-XXXXXXXXXXXX-CC", the seller's tax number,
// the day of issue, twelve upper-case hexadecimal digits and a CRC-8 of everything before the
// last hyphen. The system also prints it with a hyphen between the halves of the
// hexadecimal part; the book keeps the 35-character form.

#include <QString>
#include <QStringView>

#include <optional>

inline const QString WrongKsefNumberText = QStringLiteral("Błędny numer KSeF.");

// The number as the book stores it: blank for a blank entry (spaces around are dropped),
// the 35-character form for a valid number in either form, nothing for anything else.
std::optional<QString> StoredKsefNumber(const QString &typed);

// The two upper-case hexadecimal digits of the CRC-8 (polynomial 0x07, initial value 0)
// of `text`'s characters taken as bytes; `text` is plain ASCII.
QString KsefCheckDigits(QStringView text);
