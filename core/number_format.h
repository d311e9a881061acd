#pragma once
// Fixed-width text of numbers and the small text helpers of the printouts. Month codes,
// years, contractor numbers and the amount columns of text reports all come from here, so
// that every column lines up the same way wherever it is printed.

#include "platform/money.h"

#include <QChar>
#include <QString>

#include <concepts>

// Rewrites a digit mask with the number: "9" always shows a digit, "#" shows a leading zero
// as a space, every other mask character stays where it is. The number gets as many
// decimals as the mask has after its last "." or "," and shows through the mask's own
// separator. A number too wide for the mask shows as hashes.
//   FormatByMask("99", 5) == "05", FormatByMask("######9.99", Money) == "   1234.50"
QString FormatByMask(const QString &mask, qint64 value);
// The amount is rounded to the mask's decimals half away from zero, on its exact value.
QString FormatByMask(const QString &mask, Money value);
// A floating-point value would be cut silently to a whole number; convert it explicitly.
template <std::floating_point Real>
QString FormatByMask(const QString &mask, Real value) = delete;

// "1234567,89" → "1 234 567,89". The text ends in a separator and two decimals; a leading
// minus counts like a digit, so "-123456,00" → "- 123 456,00", and "123,45" → " 123,45".
QString GroupThousands(const QString &amount);

QString RemoveSpaces(const QString &text);

// The first `width` characters, padded on the right with spaces to `width`.
QString PadToWidth(const QString &text, int width);

QString RepeatChar(QChar character, int count);
