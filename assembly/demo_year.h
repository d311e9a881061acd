#pragma once
// The demo firm's year as the program itself would have kept it: every month up to the
// current one holds its entries, written the way the entry editor writes them; every month
// before the current one is posted; the firm's owner is a taxpayer with the PIT-5
// declaration of the last posted month, imported from the sums.

#include <QDate>
#include <QString>

class TDANE;

// The month the demo year is worked in on `day`: that month when the year is the year of
// `day`, December of an earlier year, January of a later one (nothing to post yet).
int DemoCurrentMonth(const QString &year, const QDate &day);

// Writes the year on a data module started on a new demo data root. Throws DbError when a
// step could not be written, after the program's own message about it; what was written by
// then is not a whole demo and is to be discarded.
void WriteDemoYear(TDANE &dane, int currentMonth);
