#pragma once
// "Wykres roku": per month the revenue (column 9), the costs (columns 10 + 11 + 14) and the
// income as bars, and the income from the start of the year as a line. One drawing for the
// summary window, a PDF page and a PNG picture, so what is printed is what was seen.

#include "platform/money.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class TDANE;

struct YearChartMonth {
    Money revenue;
    Money costs;
    Money income() const { return revenue - costs; }
};

// The twelve month rows of the sums table, January first; months without a row count as 0.
// Moves the sums cursor. Throws AmountOverflow for a year whose figures no amount holds.
QList<YearChartMonth> YearChartMonths(TDANE &dane);

// The income from the start of the year to the end of each month.
QList<Money> IncomeSinceJanuary(const QList<YearChartMonth> &months);

// "Przychody, koszty i dochód – rok 2026".
QString YearChartTitle(const QString &year);

// Draws into `area` of the painter's device: title, legend, złoty axis with grid lines,
// Polish month names. An empty year gives the axes and a zero line.
void DrawYearChart(QPainter &painter, const QRectF &area, const QList<YearChartMonth> &months,
                   const QString &title);

// Writes the chart to a .pdf (one A4 landscape page) or .png file, whole or not at all.
// False with a Polish message in `error` when the file cannot be made.
bool WriteYearChart(const QString &fileName, const QList<YearChartMonth> &months,
                    const QString &title, QString &error);
