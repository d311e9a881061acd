#pragma once
// The entry editor's small rules that need no window: which boxes a posted month locks,
// the description list, and stepping the event date by a day.

#include <QString>
#include <QStringList>

#include <optional>

class Cursor;
class TDANE;

// The fields whose boxes are locked while the working month is posted: the month, the
// number, the date and the amounts of columns 7 to 15.
const QStringList &FieldsLockedInPostedMonth();
// Whether the editor's boxes are open: the working month is not posted.
bool EntryMonthOpen(TDANE &dane);

// Every NAZWA of the description dictionary, in table order.
QStringList DescriptionNames(Cursor &descriptions);

// "YYYY.MM.DD" one day later (`up`) or earlier, across month and year ends; nothing when a
// part of the date is not a number or the month is not one of the twelve.
std::optional<QString> SteppedDate(const QString &date, bool up);
// The date arrows: the entry's date one day on or back. False when the date cannot be read
// or the entry cannot be edited.
bool StepEntryDate(TDANE &dane, bool up);
