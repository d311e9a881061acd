#include "ledger/year_chart.h"

#include "core/data_module.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

const QColor RevenueColour(0x2e, 0x75, 0xb6);
const QColor CostsColour(0xe6, 0x7e, 0x22);
const QColor IncomeColour(0x27, 0xae, 0x60);
const QColor CumulativeColour(0xc0, 0x39, 0x2b);
const QColor GridColour(0xd0, 0xd0, 0xd0);

QLocale polish()
{
    return QLocale(QLocale::Polish, QLocale::Poland);
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into about five parts.
double axisStep(double range)
{
    const double rough = range / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (rough <= factor * power)
            return factor * power;
    return 10 * power;
}

struct Axis {
    double low = 0;
    double high = 0;
    double step = 0;
};

Axis axisFor(const QList<YearChartMonth> &months, const QList<Money> &incomeSinceJanuary)
{
    double low = 0;
    double high = 0;
    for (qsizetype i = 0; i < months.size(); ++i) {
        const YearChartMonth &month = months[i];
        for (const double value : {month.revenue.toDouble(), month.costs.toDouble(),
                                   month.income().toDouble(), incomeSinceJanuary[i].toDouble()}) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    if (high - low < 1)
        high = low + 1000; // an empty year still shows a scale
    Axis axis;
    axis.step = axisStep(high - low);
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.high = std::ceil(high / axis.step) * axis.step;
    return axis;
}

QString zlotyText(double value)
{
    return polish().toString(qint64(std::llround(value))) + QStringLiteral(" zł");
}

void drawLegend(QPainter &painter, QPointF at, double size)
{
    const QList<std::pair<QColor, QString>> items = {
        {RevenueColour, QStringLiteral("przychód (kol. 9)")},
        {CostsColour, QStringLiteral("koszty (kol. 10 + 11 + 14)")},
        {IncomeColour, QStringLiteral("dochód")},
        {CumulativeColour, QStringLiteral("dochód od początku roku")},
    };
    const QFontMetricsF metrics(painter.font());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto &[colour, text] = items[i];
        if (i == items.size() - 1) {
            painter.setPen(QPen(colour, size / 4));
            painter.drawLine(QPointF(at.x(), at.y() + size / 2), QPointF(at.x() + size, at.y() + size / 2));
        } else {
            painter.fillRect(QRectF(at, QSizeF(size, size)), colour);
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(at.x() + size * 1.4, at.y() + size * 0.85), text);
        at.rx() += size * 3 + metrics.horizontalAdvance(text);
    }
}

} // namespace

QList<YearChartMonth> YearChartMonths(TDANE &dane)
{
    QList<YearChartMonth> months(12);
    Cursor &sums = dane.TSUMA;
    if (!sums.isOpen())
        return months;
    for (int month = 1; month <= 12; ++month) {
        if (!sums.findKey({QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'))}))
            continue;
        YearChartMonth &figures = months[month - 1];
        figures.revenue = sums.field(QStringLiteral("K9")).asCurrency();
        figures.costs = CalculatedAmount(QStringLiteral("kosztów miesiąca %1 na wykresie").arg(month, 2, 10, QLatin1Char('0')), [&] {
            Money costs;
            for (const char *cost : {"K10", "K11", "K14"})
                costs += sums.field(QString::fromLatin1(cost)).asCurrency();
            return costs;
        });
    }
    // Checked here, so that no drawing of these months meets a figure no amount holds.
    IncomeSinceJanuary(months);
    return months;
}

QList<Money> IncomeSinceJanuary(const QList<YearChartMonth> &months)
{
    return CalculatedAmount(QStringLiteral("dochodu od początku roku na wykresie"), [&] {
        QList<Money> running;
        Money income;
        for (const YearChartMonth &month : months)
            running << (income += month.income());
        return running;
    });
}

QString YearChartTitle(const QString &year)
{
    return QStringLiteral("Przychody, koszty i dochód – rok %1").arg(year);
}

void DrawYearChart(QPainter &painter, const QRectF &area, const QList<YearChartMonth> &months,
                   const QString &title)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // One text line; never below what a small window can still read.
    const double unit = std::max(11.0, std::min(area.width() / 60, area.height() / 36));
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(unit)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    QFont titleFont = font;
    titleFont.setPixelSize(std::max(1, int(unit * 1.5)));
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), unit * 2.5),
                     Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.setFont(font);
    drawLegend(painter, QPointF(area.left() + unit * 8, area.top() + unit * 3), unit);

    const QList<Money> incomeSinceJanuary = IncomeSinceJanuary(months);
    const Axis axis = axisFor(months, incomeSinceJanuary);
    const double labelWidth = metrics.horizontalAdvance(zlotyText(std::max(std::abs(axis.low), axis.high)) + QStringLiteral("-"));
    const QRectF plot(area.left() + labelWidth + unit, area.top() + unit * 5.5,
                      area.width() - labelWidth - unit * 2, area.height() - unit * 8.5);
    const auto yOf = [&](double value) {
        return plot.bottom() - (value - axis.low) / (axis.high - axis.low) * plot.height();
    };

    for (double value = axis.low; value <= axis.high + axis.step / 2; value += axis.step) {
        const double y = yOf(value);
        painter.setPen(QPen(std::abs(value) < axis.step / 2 ? QColor(Qt::black) : GridColour, unit / 12));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - unit, labelWidth, unit * 2),
                         Qt::AlignRight | Qt::AlignVCenter, zlotyText(value));
    }
    painter.setPen(QPen(Qt::black, unit / 12));
    painter.drawLine(plot.topLeft(), plot.bottomLeft());

    const double slot = plot.width() / 12;
    const double bar = slot / 4.5;
    const double zero = yOf(0);
    // Full names when every one fits its place, else every one short.
    QLocale::FormatType monthNames = QLocale::LongFormat;
    for (int month = 1; month <= 12; ++month)
        if (metrics.horizontalAdvance(polish().standaloneMonthName(month, QLocale::LongFormat)) >= slot * 0.95)
            monthNames = QLocale::ShortFormat;
    QPainterPath cumulativeLine;
    QList<QPointF> points;
    for (int month = 0; month < 12; ++month) {
        const YearChartMonth figures = months.value(month);
        const double left = plot.left() + slot * month + (slot - bar * 3) / 2;
        const QList<std::pair<double, QColor>> bars = {{figures.revenue.toDouble(), RevenueColour},
                                                       {figures.costs.toDouble(), CostsColour},
                                                       {figures.income().toDouble(), IncomeColour}};
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const double y = yOf(bars[i].first);
            painter.fillRect(QRectF(QPointF(left + bar * double(i), std::min(y, zero)),
                                    QPointF(left + bar * double(i + 1), std::max(y, zero))),
                             bars[i].second);
        }
        const QPointF point(plot.left() + slot * (month + 0.5),
                            yOf(incomeSinceJanuary.value(month).toDouble()));
        if (month == 0)
            cumulativeLine.moveTo(point);
        else
            cumulativeLine.lineTo(point);
        points << point;

        const QString name = polish().standaloneMonthName(month + 1, monthNames);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() + slot * month, plot.bottom() + unit * 0.3, slot, unit * 1.5),
                         Qt::AlignHCenter | Qt::AlignTop, name);
    }
    painter.setPen(QPen(CumulativeColour, unit / 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cumulativeLine);
    painter.setBrush(CumulativeColour);
    for (const QPointF &point : points)
        painter.drawEllipse(point, unit / 3, unit / 3);
    painter.restore();
}

bool WriteYearChart(const QString &fileName, const QList<YearChartMonth> &months,
                    const QString &title, QString &error)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png")) {
        error = QStringLiteral("Wykres zapisuje się do pliku .pdf albo .png, a nie: %1").arg(fileName);
        return false;
    }
    const QString cannotWrite = QStringLiteral("Nie można zapisać wykresu do pliku %1.").arg(fileName);
    // Written under a temporary name and renamed at the end: a full disk leaves no half file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = cannotWrite + QLatin1Char('\r') + file.errorString();
        return false;
    }
    bool drawn = false;
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Księga"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter;
        if (painter.begin(&writer)) {
            DrawYearChart(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())),
                          months, title);
            drawn = painter.end();
        }
    } else {
        QImage image(1600, 1000, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawYearChart(painter, QRectF(image.rect()).adjusted(20, 20, -20, -20), months, title);
        painter.end();
        drawn = image.save(&file, "PNG");
    }
    if (!drawn || !file.commit()) {
        file.cancelWriting();
        error = cannotWrite + QLatin1Char('\r') + file.errorString();
        return false;
    }
    return true;
}
