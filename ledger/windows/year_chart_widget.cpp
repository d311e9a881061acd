#include "ledger/windows/year_chart_widget.h"

#include <QPainter>

YearChartWidget::YearChartWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Wykres"));
    setMinimumSize(480, 300);
    setAutoFillBackground(true);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    setPalette(paper);
}

void YearChartWidget::setYear(const QList<YearChartMonth> &months, const QString &title)
{
    months_ = months;
    title_ = title;
    update();
}

void YearChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawYearChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), months_, title_);
}
