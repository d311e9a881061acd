#pragma once
// The form of the book a year is kept in. From 2026 the regulation's template has nineteen
// columns: the invoice's KSeF number and the contractor's tax identifier join the
// seventeen of the earlier years, which keep their meaning under numbers shifted by two.

#include <QString>

enum class BookForm { SeventeenColumns, NineteenColumns };

// The form of the working year "YYYY"; a year that is not a number keeps the older form.
BookForm BookFormOfYear(const QString &year);
