#pragma once
// "Zestawienie zbiorcze": the sums table shown as twelve month rows or as the twelve running
// rows from January, with the ratios, the posting date and the poster of the current row,
// and printed through the table printer of the text engine.

#include "print/print_grid.h"

#include <QList>
#include <QString>

class Field;
class TDANE;
class TDRUK;

// The radio group "Rodzaj zestawienia :", by its item index.
enum class SummaryKind { Monthly = 0, Cumulative = 1 };

struct SummaryColumn {
    QString field;
    QString title;
    QString group; // heading over adjacent columns ("PRZYCHÓD", "WYDATKI (KOSZTY)") or empty
};

// The grid's columns: month name, K7..K15 and the result KW.
const QList<SummaryColumn> &SummaryColumns();

// Restricts the sums to the month rows or to the running rows. False when the sums table is
// not open.
bool ShowSummaryKind(TDANE &dane, SummaryKind kind);
// Closing the statement gives the sums cursor back without a range.
void CloseSummary(TDANE &dane);
// Posted months are the rows marked "*".
bool SummaryRowPosted(TDANE &dane);

// An amount as the statement shows it ("-1234,50"), blank when the field is blank.
QString SummaryAmountText(Field field);
// A ratio W1..W3 with two decimals ("-100,00"); blank when it has no value.
QString SummaryRatioText(Field field);

// The grid as the table printer takes it; `widths` are the shown columns' widths in pixels
// (a default width for a column not given).
PrintGrid SummaryPrintGrid(TDANE &dane, const QList<int> &widths = {});
// The statement's print button: the rows in range under the title "Zestawienie zbiorcze".
void PrintSummaryStatement(TDRUK &engine, const PrintGrid &grid);
