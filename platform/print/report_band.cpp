#include "platform/print/report_band.h"

ReportElement &ReportBand::add(ReportElement element)
{
    elements_.append(std::move(element));
    return elements_.last();
}

ReportElement &ReportBand::addLabel(const QRectF &rectMm, const QString &text,
                                    const PrintFont &font, Qt::Alignment alignment)
{
    return addField(rectMm, [text](const ReportState &) { return text; }, font, alignment);
}

ReportElement &ReportBand::addField(const QRectF &rectMm, TextSource text, const PrintFont &font,
                                    Qt::Alignment alignment)
{
    ReportElement element;
    element.kind = ReportElement::Kind::Text;
    element.rectMm = rectMm;
    element.text = std::move(text);
    element.font = font;
    element.alignment = alignment;
    return add(std::move(element));
}

ReportElement &ReportBand::addLine(QPointF fromMm, QPointF toMm, double penWidthMm)
{
    ReportElement element;
    element.kind = ReportElement::Kind::Line;
    element.rectMm = QRectF(fromMm, toMm);
    element.penWidthMm = penWidthMm;
    return add(std::move(element));
}

ReportElement &ReportBand::addRect(const QRectF &rectMm, double penWidthMm)
{
    ReportElement element;
    element.kind = ReportElement::Kind::Rect;
    element.rectMm = rectMm;
    element.penWidthMm = penWidthMm;
    return add(std::move(element));
}

ReportElement &ReportBand::addImage(const QRectF &rectMm, const QImage &image)
{
    ReportElement element;
    element.kind = ReportElement::Kind::Image;
    element.rectMm = rectMm;
    element.image = image;
    return add(std::move(element));
}
