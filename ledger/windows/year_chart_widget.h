#pragma once
// The year's chart on screen, beside the summary statement's grid: the same drawing as the
// chart's PDF page and picture.

#include "ledger/year_chart.h"

#include <QWidget>

class YearChartWidget final : public QWidget {
    Q_OBJECT

public:
    explicit YearChartWidget(QWidget *parent = nullptr);

    void setYear(const QList<YearChartMonth> &months, const QString &title);
    const QList<YearChartMonth> &months() const { return months_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<YearChartMonth> months_;
    QString title_;
};
