#include "platform/print/printer_canvas.h"

#include <QPrinter>

PrinterCanvas::PrinterCanvas(QPrinter &printer) : printer_(printer) {}

PrinterCanvas::~PrinterCanvas()
{
    end();
}

void PrinterCanvas::applySetup(QPrinter &printer, const PageSetup &setup)
{
    printer.setFullPage(false);
    printer.setPageLayout(setup.pageLayout());
}

bool PrinterCanvas::doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup)
{
    if (setup)
        applySetup(printer_, *setup);
    printer_.setDocName(jobTitle);
    // A system without printers gives an invalid printer; asking it to paint only adds
    // Qt's own complaint to the error the caller reports.
    if (!printer_.isValid() || !painter_.begin(&printer_))
        return false;
    painter_.setRenderHint(QPainter::Antialiasing);
    return true;
}

void PrinterCanvas::doNewPage()
{
    printer_.newPage();
}

void PrinterCanvas::doEnd()
{
    painter_.end();
}

QSizeF PrinterCanvas::drawableSizeMm() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

double PrinterCanvas::dots(double millimetres) const
{
    return millimetres * printer_.resolution() / 25.4;
}

QRectF PrinterCanvas::dots(const QRectF &rectMm) const
{
    return QRectF(dots(rectMm.left()), dots(rectMm.top()), dots(rectMm.width()),
                  dots(rectMm.height()));
}

void PrinterCanvas::setPen(double penWidthMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(dots(penWidthMm));
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PrinterCanvas::doText(const QRectF &boxMm, const QString &text, const PrintFont &font,
                           Qt::Alignment alignment, bool wordWrap)
{
    painter_.setFont(font.toQFont());
    painter_.setPen(Qt::black);
    int flags = int(alignment) | Qt::TextDontClip;
    if (wordWrap)
        flags |= Qt::TextWordWrap;
    painter_.drawText(dots(boxMm), flags, text);
}

void PrinterCanvas::doLine(const QLineF &lineMm, double penWidthMm)
{
    setPen(penWidthMm);
    painter_.drawLine(QLineF(dots(lineMm.x1()), dots(lineMm.y1()), dots(lineMm.x2()),
                             dots(lineMm.y2())));
}

void PrinterCanvas::doRect(const QRectF &rectMm, double penWidthMm)
{
    setPen(penWidthMm);
    painter_.drawRect(dots(rectMm));
}

void PrinterCanvas::doImage(const QRectF &rectMm, const QImage &image)
{
    painter_.drawImage(dots(rectMm), image);
}

std::unique_ptr<QPrinter> makePdfPrinter(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    PageSetup sheet = PageSetup::a4();
    sheet.marginsMm = QMarginsF(5, 5, 5, 5);
    PrinterCanvas::applySetup(*printer, sheet);
    return printer;
}
