// The engine's printer output: each line drawn on the printer's page in 1/300 inch units,
// in a fixed-pitch face whose size the line's control code chooses.

#include "print/print_engine.h"

#include "platform/print/printer_list.h"
#include "platform/prompter.h"
#include "print/control_codes.h"

#include <cmath>

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
    PageCanvas &canvas = printers_.canvas();
    if (!canvas.begin(Tytul)) {
        prompter_.error(QStringLiteral("Błąd otwarcia drukarki : ") + printers_.currentPrinter());
        return false;
    }
    canvas.setUnit(CanvasUnit::Dot300);
    canvas_ = &canvas;
    pageHeight_ = int(std::lround(canvas.drawableSize().height()));
    verticalPosition_ = 0;
    return true;
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
    QString text = line;
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
    canvas_->setFont(PrintFont::fixed(QStringLiteral("Lucida Console"), fontSize_));
    canvas_->drawText(QPointF(MarL * LeftMarginStep, verticalPosition_), text);
    verticalPosition_ += lineAdvance(fontSize_);
    ++Linia;
}
