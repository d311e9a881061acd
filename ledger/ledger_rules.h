#pragma once
// The rules every ledger entry obeys, whoever writes it, installed on the data module's
// ledger and sums cursors: numbering, month codes, the user stamp, the computed totals, the
// month view's filter, the date of a new entry and the warning before an imported entry is
// changed.

#include "platform/cursor.h"

#include <QString>

class EntryEditorLink;
class TDANE;

void installLedgerRules(TDANE &dane);

// The number of a new entry: one above the highest in the year. An entry being edited is
// saved first; when it cannot be, the DbError is thrown on.
int NUMER(TDANE &dane);
// Stamps the user, sends an invalid month code to "13" and keeps a KSeF number in its stored
// form; a wrong KSeF number throws DbError("Błędny numer KSeF.").
void TKSIEGABeforePost(TDANE &dane, Cursor &ledger);
// Whether an entry of this month code may no longer change ("00" and "13" never close).
bool monthIsPosted(const TDANE &dane, const QString &month);
// The open entry editor, told to show the working month when a rule resets the month;
// nullptr when it closes.
void setEntryEditor(TDANE &dane, EntryEditorLink *editor);
