#pragma once
// The blank title page of the bound ledger, filled in by hand: the book's name in large
// type and three dotted lines for the firm, its address and its kind of business.

class Report;

// A4 landscape, 10 mm margins, one title band.
void BuildLedgerTitlePage(Report &report);
