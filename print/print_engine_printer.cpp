// The engine's printer output: each line drawn on the printer's page in 1/300 inch units,
// in a fixed-pitch face whose size the line's control code chooses.

#include "print/print_engine.h"

#include "platform/print/printer_list.h"
#include "platform/prompter.h"
#include "print/control_codes.h"

#include <algorithm>
#include <cmath>
#include <utility>

static constexpr int LeftMarginStep = 20; // 1/300 inch per unit of MarL
static constexpr int BottomReserve = 50;  // a line may start only this far above the page end

static int lineAdvance(int fontSize)
{
    switch (fontSize) {
    case 12:
        return 50;
    case 16:
        return 65;
    default:
        return 40;
    }
}

bool TDRUK::startPrinter()
{
    printerLines_.clear();
    return true;
}

void TDRUK::keepPrinterLine(const QString &line)
{
    printerLines_ << line;
}

// In millimetres, the left margin included, with the type and margin scaled by `scale`.
double TDRUK::widestPrinterLine(const PageCanvas &canvas, const QStringList &lines, double scale)
{
    const int fontSize = fontSize_;
    double widest = 0;
    for (const QString &line : lines) {
        if (line.startsWith(CodePageBreak))
            continue;
        const QString text = takeSizeCodes(line);
        const PrintFont font =
            PrintFont::fixed(QStringLiteral("Lucida Console"), fontSize_ * scale);
        widest = std::max(widest, toMillimetres(MarL * LeftMarginStep * scale, CanvasUnit::Dot300)
                                      + canvas.textWidthMm(font, text));
    }
    fontSize_ = fontSize;
    return widest;
}

// The scale that brings the widest line within `width`. Glyphs do not narrow exactly with
// their size, so it steps down from the proportional guess until the lines fit.
double TDRUK::scaleToFit(const PageCanvas &canvas, const QStringList &lines, double width)
{
    double scale = std::min(1.0, width / widestPrinterLine(canvas, lines, 1));
    while (scale > 0.05 && widestPrinterLine(canvas, lines, scale) > width)
        scale *= 0.97;
    return scale;
}

// A line wider than the page would lose its right-hand columns at the paper's edge: the
// printer's own sheet is used while the widest line fits on it, else the same paper turned
// to landscape, with the type scaled down when even that is too narrow, or when the printer
// will not turn its paper.
bool TDRUK::printKeptLines()
{
    const QStringList lines = std::exchange(printerLines_, {});
    PageCanvas &canvas = printers_.canvas();
    const PageSetup own = canvas.deviceSheet();
    std::optional<PageSetup> sheet;
    printerScale_ = 1;
    if (widestPrinterLine(canvas, lines, 1) > own.contentRectMm().width()) {
        sheet = own;
        sheet->orientation = PageOrientation::Landscape;
        printerScale_ = scaleToFit(canvas, lines, sheet->contentRectMm().width());
    }
    bool begun = canvas.begin(Tytul, sheet);
    if (!begun && sheet && canvas.failure() == PageCanvas::Failure::PageSetup) {
        printerScale_ = scaleToFit(canvas, lines, own.contentRectMm().width());
        begun = canvas.begin(Tytul);
    }
    if (!begun) {
        prompter_.error(QStringLiteral("Błąd otwarcia drukarki : ") + printers_.currentPrinter());
        return false;
    }
    canvas.setUnit(CanvasUnit::Dot300);
    canvas_ = &canvas;
    pageHeight_ = int(std::lround(canvas.drawableSize().height()));
    verticalPosition_ = 0;
    for (const QString &line : lines)
        printerLine(line);
    canvas_ = nullptr;
    if (canvas.end())
        return true;
    prompter_.error(QStringLiteral("Błąd zapisu wydruku : ") + printers_.currentPrinter());
    return false;
}

void TDRUK::printerPageWithHeader()
{
    canvas_->newPage();
    verticalPosition_ = 0;
    ++Strona;
    Linia = 0;
    writeHeaderLines(&TDRUK::printerLine, QString());
}

void TDRUK::printerLine(const QString &line)
{
    if (line.startsWith(CodePageBreak)) {
        canvas_->newPage();
        ++Strona;
        verticalPosition_ = 0;
        return;
    }
    if (verticalPosition_ + BottomReserve > pageHeight_ && !inPageHeader_) {
        if (Podzial) {
            printerPageWithHeader();
        } else {
            canvas_->newPage();
            ++Strona;
            verticalPosition_ = 0;
        }
    }
    const QString text = takeSizeCodes(line);
    canvas_->setFont(
        PrintFont::fixed(QStringLiteral("Lucida Console"), fontSize_ * printerScale_));
    canvas_->drawText(QPointF(MarL * LeftMarginStep * printerScale_, verticalPosition_), text);
    verticalPosition_ += int(std::lround(lineAdvance(fontSize_) * printerScale_));
    ++Linia;
}

// The line without its size codes; the size they choose, or the kind's, is in force after.
QString TDRUK::takeSizeCodes(QString text)
{
    if (takeCode(text, CodeCondensed))
        fontSize_ = 8;
    if (takeCode(text, CodeNormal))
        fontSize_ = 12;
    if (takeCode(text, CodeWide))
        fontSize_ = 16;
    switch (Rodzaj) {
    case drAUTO:
        break;
    case drGESTY:
        fontSize_ = 8;
        break;
    case drNORMALNY:
        fontSize_ = 12;
        break;
    case drROZSZCZELONY:
        fontSize_ = 16;
        break;
    }
    return text;
}
