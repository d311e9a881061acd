#pragma once
// The figures of the structured book that stand before its rows: the stock at the start and
// end of the year, the costs of the year and the income (P_1 .. P_4), and the stock-takings
// made inside the period.

#include "jpk/jpk_document.h"
#include "ledger/stock_taking.h"

#include <QList>

// The sums of the rows written, each amount as it stands in the file.
struct BookSums {
    qint64 rows = 0;
    Money revenue; // Σ K_9
    Money goods;   // Σ K_10
    Money incidentalCosts; // Σ K_11
    Money expenses;        // Σ K_14

    void add(const JpkRow &row);
};

// P_1: the stock-taking of 1 January of `year`, else the latest one before the year, else 0;
// P_2: that of 31 December (0 when none); P_3 = P_1 + Σ K_10 + Σ K_11 + Σ K_14 − P_2;
// P_4 = Σ K_9 − P_3.
JpkInfo BookInfo(const BookSums &sums, const QList<StockTaking> &stockTakings, int year);

// The stock-takings dated from `from` to `to` other than those of 1 January and 31 December,
// which stand in P_1 and P_2.
QList<StockTaking> StockTakingsInPeriod(const QList<StockTaking> &stockTakings, const QDate &from,
                                        const QDate &to);
