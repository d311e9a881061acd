#pragma once
// Ordering and searching the ledger view: a click on a column title orders the view by that
// column, and each search box orders it by its own key and goes to the nearest entry for
// what has been typed so far. Searches stay inside the view shown (one month or the year).

#include <QString>

class TDANE;

// The order a click on the title of the column showing `field` selects: the book order for
// the number (L.p.), the document number's, the contractor's; empty for the other columns.
QString LedgerOrderForField(const QString &field);
// True when the column has an order and the view took it; the current entry stays current.
bool SortLedgerByField(TDANE &dane, const QString &field);

// "ENR": the entry with the lowest number not below the typed one, in the view shown (the
// last entry when every number is lower). Text that is not a number only sets the order.
void SearchLedgerByNumber(TDANE &dane, const QString &typed);
// "EKSIEG": the nearest document number.
void SearchLedgerByDocument(TDANE &dane, const QString &typed);
// "EKONTR": the nearest contractor name.
void SearchLedgerByContractor(TDANE &dane, const QString &typed);
