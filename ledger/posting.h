#pragma once
// Closing the ledger month by month. "Księgowanie miesiąca" checks the month's numbering,
// writes its totals and the running totals from January into the sums table and closes the
// month; "Odksięgowanie miesiąca" reopens the last posted month; "Księgowanie bieżące"
// refreshes the totals of every open month without closing it.
//
// Each command writes the sums table inside one transaction, so after a crash it holds the
// rows as they were before or as they are after, never a mix; the month states change only
// once the rows are on disk. Afterwards the working month's view is applied again: the
// ledger window then re-renders its month buttons, menu and title.

#include <QString>

class TDANE;
struct WorkingEnvironment;

// Menu enabling: posting is offered for the month after the last posted one (so for
// "Wszystkie" once all twelve are posted), unposting for the last posted month.
bool postingOffered(const WorkingEnvironment &environment, const QString &month);
bool unpostingOffered(const WorkingEnvironment &environment, const QString &month);

// Why the month cannot be posted or unposted now; empty when it can.
QString postingRefusal(const WorkingEnvironment &environment, const QString &month);
QString unpostingRefusal(const WorkingEnvironment &environment, const QString &month);

enum class PostingOutcome {
    Posted,     // the month's rows are written and the month is closed
    NotOffered, // not the month after the last posted one, or the tables are not open
    Declined,   // "No" to the numbering question: nothing written
    NotSaved,   // a row could not be saved ("Błąd zapisu"): nothing written
    NoMonthRow, // the sums table has no row for the month ("13"): it stays open
};

// "Księgowanie miesiąca" for `month`, which becomes the working month. A numbering gap or
// duplicate asks whether to go on.
[[nodiscard]] PostingOutcome PostMonth(TDANE &dane, const QString &month);

// "Odksięgowanie miesiąca" for `month`: the marks go, the totals stay. True when reopened.
[[nodiscard]] bool UnpostMonth(TDANE &dane, const QString &month);

// "Księgowanie bieżące": the totals of every open month and its running row, with no
// numbering check; posted months and the working month's view are left as they were.
// False when a row could not be saved (nothing is then changed).
[[nodiscard]] bool PostCurrent(TDANE &dane);
