#pragma once
// The import keys (`NRKOMP`) that tie a ledger entry to what a companion program holds, so
// that importing a month again finds and updates the same entries:
//   invoice row     "SB  /2019/05/0015/001"  register/year/working month/invoice/row (21 signs)
//   vehicle cost    "SAM 07 05.2019"
//   depreciation    "AMOR 05.2019"
// A number too wide for its digits is written as "#" signs of the same width, so the key
// keeps its length and the month stays at signs 11-12 for the clean-up to read.

#include <QString>

inline constexpr int InvoiceKeyLength = 21;

// `number` with leading zeros to `width` digits, or `width` "#" signs when it does not fit.
QString FixedWidthNumber(qint64 number, int width);

QString InvoiceImportKey(const QString &registerCode, const QString &year, const QString &month,
                         qint64 invoiceNumber, int row);
QString VehicleImportKey(qint64 vehicle, const QString &month, const QString &year);
QString DepreciationImportKey(const QString &month, const QString &year);

// Whether the invoice key was made by an import of another month than `month`: such an
// entry survives this month's clean-up.
bool KeyOfAnotherMonth(const QString &key, const QString &month);
