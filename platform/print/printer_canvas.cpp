#include "platform/print/printer_canvas.h"

#include <QFile>
#include <QPrinter>

#include <algorithm>

PrinterCanvas::PrinterCanvas(QPrinter &printer) : printer_(printer) {}

PrinterCanvas::~PrinterCanvas()
{
    end();
}

bool PrinterCanvas::applySetup(QPrinter &printer, const PageSetup &setup)
{
    printer.setFullPage(false);
    const QPageLayout wanted = setup.pageLayout();
    if (printer.setPageLayout(wanted))
        return true;
    // Drivers refuse margins inside the border their printer cannot reach. The sheet is what
    // matters: the margins grow to that border, in the printer's own units so that nothing
    // is lost in conversion, and the printer is asked again.
    const QPageLayout taken = printer.pageLayout();
    const QPageLayout::Unit unit = taken.units();
    const QMarginsF least = taken.minimumMargins();
    const QMarginsF asked = wanted.margins(unit);
    const QMarginsF grown(qMax(asked.left(), least.left()), qMax(asked.top(), least.top()),
                          qMax(asked.right(), least.right()),
                          qMax(asked.bottom(), least.bottom()));
    return printer.setPageLayout(
        QPageLayout(wanted.pageSize(), wanted.orientation(), grown, unit));
}

bool PrinterCanvas::doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup)
{
    if (setup) {
        printerLayout_ = printer_.pageLayout();
        printerFullPage_ = printer_.fullPage();
        if (!applySetup(printer_, *setup)) {
            restorePrinterSheet();
            refusePageSetup();
            return false;
        }
    }
    printer_.setDocName(jobTitle);
    // A system without printers gives an invalid printer; asking it to paint only adds
    // Qt's own complaint to the error the caller reports.
    if (!printer_.isValid() || !painter_.begin(&printer_)) {
        restorePrinterSheet();
        return false;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    return true;
}

void PrinterCanvas::restorePrinterSheet()
{
    if (!printerLayout_)
        return;
    printer_.setFullPage(printerFullPage_);
    printer_.setPageLayout(*printerLayout_);
    printerLayout_.reset();
}

void PrinterCanvas::doNewPage()
{
    printer_.newPage();
}

// Qt's PDF writer goes on when the disk is full and says nothing; what it could not write is
// missing from the file's end, where every PDF closes with its end-of-file marker.
static bool endsLikeAPdf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 5)
        return false;
    constexpr qint64 TailBytes = 32;
    file.seek(std::max<qint64>(0, file.size() - TailBytes));
    return file.read(TailBytes).trimmed().endsWith("%%EOF");
}

bool PrinterCanvas::doEnd()
{
    bool written = painter_.end();
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        written = written && endsLikeAPdf(printer_.outputFileName());
    restorePrinterSheet();
    return written;
}

void PrinterCanvas::doAbort()
{
    const QString pdfFile =
        printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
    // A driver that cannot cancel sends what was drawn; the caller's message says it failed.
    if (pdfFile.isEmpty())
        printer_.abort();
    painter_.end();
    if (!pdfFile.isEmpty())
        QFile::remove(pdfFile);
    restorePrinterSheet();
}

PageSetup PrinterCanvas::deviceSheet() const
{
    const QPageLayout layout = printer_.pageLayout();
    const QPageSize size = layout.pageSize();
    return PageSetup{size.id() == QPageSize::A4 ? QStringLiteral("A4") : size.name(),
                     size.size(QPageSize::Millimeter),
                     layout.orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                    : PageOrientation::Portrait,
                     layout.margins(QPageLayout::Millimeter)};
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
