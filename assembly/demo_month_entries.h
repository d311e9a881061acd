#pragma once
// What the demo firm, a florist's wholesale and shop, writes in its book in one month: two
// sales and the correction of one of them, goods and their transport, electricity,
// accounting, wages, and materials for its research with the research's description. Sales
// and purchases follow the season; every amount is exact to the grosz.

#include "platform/money.h"

#include <QList>
#include <QPair>
#include <QString>

struct DemoBookEntry {
    int contractor = 0;                    // number in the contractor catalogue; 0: none
    QList<QPair<QString, QString>> texts;  // ledger text fields as typed, in order
    QList<QPair<QString, Money>> amounts;  // ledger amount fields
};

// The entries of `month` (1..12) of `year` (four digits), in the order of their dates.
QList<DemoBookEntry> DemoMonthEntries(const QString &year, int month);
