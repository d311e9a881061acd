#include "platform/print/recording_canvas.h"

QPointF CanvasItem::position(CanvasUnit unit) const
{
    return QPointF(fromMillimetres(boxMm.left(), unit), fromMillimetres(boxMm.top(), unit));
}

RecordingCanvas::RecordingCanvas(const PageSetup &deviceSetup)
    : deviceSetup_(deviceSetup), setup_(deviceSetup)
{
}

PageSetup RecordingCanvas::defaultDeviceSetup()
{
    PageSetup setup = PageSetup::a4();
    setup.marginsMm = QMarginsF(5, 5, 5, 5);
    return setup;
}

QList<CanvasItem> RecordingCanvas::texts() const
{
    QList<CanvasItem> result;
    for (const CanvasItem &item : items_)
        if (item.kind == CanvasItem::Kind::Text)
            result.append(item);
    return result;
}

QList<CanvasItem> RecordingCanvas::textsOnPage(int page) const
{
    QList<CanvasItem> result;
    for (const CanvasItem &item : items_)
        if (item.kind == CanvasItem::Kind::Text && item.page == page)
            result.append(item);
    return result;
}

QStringList RecordingCanvas::textLines() const
{
    QStringList result;
    for (const CanvasItem &item : items_)
        if (item.kind == CanvasItem::Kind::Text)
            result.append(item.text);
    return result;
}

void RecordingCanvas::clear()
{
    items_.clear();
    jobsBegun_ = 0;
    jobsEnded_ = 0;
}

bool RecordingCanvas::doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup)
{
    if (failing_)
        return false;
    if (setup && refusingSetup_) {
        refusePageSetup();
        return false;
    }
    ++jobsBegun_;
    jobTitle_ = jobTitle;
    setup_ = setup.value_or(deviceSetup_);
    return true;
}

CanvasItem &RecordingCanvas::add(CanvasItem::Kind kind)
{
    CanvasItem &item = items_.emplace_back();
    item.kind = kind;
    item.page = pageCount();
    return item;
}

void RecordingCanvas::doText(const QRectF &boxMm, const QString &text, const PrintFont &font,
                             Qt::Alignment alignment, bool wordWrap)
{
    CanvasItem &item = add(CanvasItem::Kind::Text);
    item.boxMm = boxMm;
    item.text = text;
    item.font = font;
    item.alignment = alignment;
    item.wordWrap = wordWrap;
}

void RecordingCanvas::doLine(const QLineF &lineMm, double penWidthMm)
{
    CanvasItem &item = add(CanvasItem::Kind::Line);
    item.lineMm = lineMm;
    item.boxMm = QRectF(lineMm.p1(), lineMm.p2()).normalized();
    item.penWidthMm = penWidthMm;
}

void RecordingCanvas::doRect(const QRectF &rectMm, double penWidthMm)
{
    CanvasItem &item = add(CanvasItem::Kind::Rect);
    item.boxMm = rectMm;
    item.penWidthMm = penWidthMm;
}

void RecordingCanvas::doImage(const QRectF &rectMm, const QImage &image)
{
    CanvasItem &item = add(CanvasItem::Kind::Image);
    item.boxMm = rectMm;
    item.imageSize = image.size();
}
