#pragma once
// The two facing halves of a month of the printed ledger as page reports, drawn from a
// layout of the book's columns. Both halves keep the same heights for their header, rows
// and totals, so the rows of one sheet face the same rows of the other.

#include "platform/money.h"

#include <QHash>
#include <QString>

class Cursor;
class Report;
struct LedgerBookLayout;

// What a printout of the ledger knows from its preparation to the storing of its page count.
struct LedgerPrintState {
    QString month;                 // "01" .. "12"
    QHash<QString, Money> carried; // the previous month's running totals, by field
    int pageOffset = 0;            // pages printed before this month
    int highestPage = 0;           // the highest page number printed in this run
    // The header labels.
    QString monthLabel;
    QString firmName;
    QString printDate;
};

// Fills `report` with half 1 or 2 of `layout` over the records `ledger` reaches. The report
// reads `ledger` and `state` while it prints, so both outlive it.
void BuildLedgerHalf(Report &report, const LedgerBookLayout &layout, int half, Cursor &ledger,
                     LedgerPrintState &state);
