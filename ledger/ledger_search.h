#pragma once
// Ordering and searching the ledger view: a click on a column title orders the view by that
// column, and each search box orders it by its own key and goes to the nearest entry for
// what has been typed so far. Searches stay inside the view shown (one month or the year).

#include <QString>

class TDANE;

// The order a click on a column title (counted from 1) selects: -1- the book order, -3- the
// document number, -4- the contractor; empty for the other columns.
QString LedgerOrderForColumn(int column);
// True when the column has an order and the view took it; the current entry stays current.
bool SortLedgerByColumn(TDANE &dane, int column);

// "ENR": the entry with the lowest number not below the typed one, in the view shown (the
// last entry when every number is lower). Text that is not a number only sets the order.
void SearchLedgerByNumber(TDANE &dane, const QString &typed);
// "EKSIEG": the nearest document number.
void SearchLedgerByDocument(TDANE &dane, const QString &typed);
// "EKONTR": the nearest contractor name.
void SearchLedgerByContractor(TDANE &dane, const QString &typed);
