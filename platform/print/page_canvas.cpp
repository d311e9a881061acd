#include "platform/print/page_canvas.h"

#include <QFontMetricsF>

static constexpr double MillimetresPerInch = 25.4;
static constexpr int MetricsDotsPerInch = 1200;

double toMillimetres(double value, CanvasUnit unit)
{
    return unit == CanvasUnit::Millimetre ? value : value * MillimetresPerInch / 300.0;
}

double fromMillimetres(double millimetres, CanvasUnit unit)
{
    return unit == CanvasUnit::Millimetre ? millimetres : millimetres * 300.0 / MillimetresPerInch;
}

PageCanvas::PageCanvas() : metricsDevice_(1, 1, QImage::Format_Mono)
{
    const int dotsPerMetre = qRound(MetricsDotsPerInch / MillimetresPerInch * 1000.0);
    metricsDevice_.setDotsPerMeterX(dotsPerMetre);
    metricsDevice_.setDotsPerMeterY(dotsPerMetre);
}

PageCanvas::~PageCanvas() = default;

bool PageCanvas::begin(const QString &jobTitle, const std::optional<PageSetup> &setup)
{
    if (active_)
        end();
    failure_ = Failure::None;
    active_ = doBegin(jobTitle, setup);
    pages_ = active_ ? 1 : 0;
    if (!active_ && failure_ == Failure::None)
        failure_ = Failure::Device;
    return active_;
}

void PageCanvas::newPage()
{
    if (!active_)
        return;
    doNewPage();
    ++pages_;
}

bool PageCanvas::end()
{
    if (!active_)
        return true;
    active_ = false;
    if (doEnd())
        return true;
    failure_ = Failure::Output;
    return false;
}

void PageCanvas::abort()
{
    if (!active_)
        return;
    active_ = false;
    doAbort();
}

QSizeF PageCanvas::drawableSize() const
{
    const QSizeF size = drawableSizeMm();
    return QSizeF(fromMillimetres(size.width(), unit_), fromMillimetres(size.height(), unit_));
}

QPointF PageCanvas::mm(QPointF point) const
{
    return QPointF(mm(point.x()), mm(point.y()));
}

QRectF PageCanvas::mm(const QRectF &rect) const
{
    return QRectF(mm(rect.topLeft()), mm(rect.bottomRight()));
}

void PageCanvas::drawText(QPointF topLeft, const QString &text)
{
    if (!active_)
        return;
    doText(QRectF(mm(topLeft), measureMm(font_, text)), text, font_,
           Qt::AlignLeft | Qt::AlignTop, false);
}

void PageCanvas::drawText(const QRectF &box, const QString &text, Qt::Alignment alignment,
                          bool wordWrap)
{
    if (active_)
        doText(mm(box), text, font_, alignment, wordWrap);
}

void PageCanvas::drawLine(QPointF from, QPointF to, double penWidthMm)
{
    if (active_)
        doLine(QLineF(mm(from), mm(to)), penWidthMm);
}

void PageCanvas::drawRect(const QRectF &rect, double penWidthMm)
{
    if (active_)
        doRect(mm(rect), penWidthMm);
}

void PageCanvas::drawImage(const QRectF &rect, const QImage &image)
{
    if (active_ && !image.isNull())
        doImage(mm(rect), image);
}

double PageCanvas::textWidth(const QString &text) const
{
    return fromMillimetres(measureMm(font_, text).width(), unit_);
}

double PageCanvas::lineHeight() const
{
    return fromMillimetres(measureMm(font_, QString()).height(), unit_);
}

QSizeF PageCanvas::measureMm(const PrintFont &font, const QString &text) const
{
    const QFontMetricsF metrics(font.toQFont(), &metricsDevice_);
    const double scale = MillimetresPerInch / MetricsDotsPerInch;
    return QSizeF(metrics.horizontalAdvance(text) * scale, metrics.height() * scale);
}

// Greedy breaking: as many words as fit, then the next line. Spaces at a break vanish.
QStringList PageCanvas::wrapLines(const QString &text, double width) const
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '))) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (textWidth(candidate) <= width || candidate.isEmpty()) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            line = word;
            while (line.size() > 1 && textWidth(line) > width) {
                qsizetype fits = 1;
                while (fits < line.size() && textWidth(line.left(fits + 1)) <= width)
                    ++fits;
                lines.append(line.left(fits));
                line = line.mid(fits);
            }
        }
        lines.append(line);
    }
    return lines;
}
