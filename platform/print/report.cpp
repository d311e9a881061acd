#include "platform/print/report.h"

#include "platform/print/page_canvas.h"
#include "platform/print/printer_canvas.h"

#include <QPrinter>

#include <algorithm>

Report::Report(const PageSetup &setup) : setup_(setup) {}

ReportBand &Report::addBand(BandKind kind, double heightMm)
{
    bands_.erase(kind);
    return bands_.emplace(kind, ReportBand(kind, heightMm)).first->second;
}

ReportBand *Report::band(BandKind kind)
{
    const auto found = bands_.find(kind);
    return found == bands_.end() ? nullptr : &found->second;
}

void Report::addSum(const QString &name, std::function<Money()> value)
{
    sums_.append({name, std::move(value)});
}

// One pass of a report over a canvas: where the next band goes, which page it is on, and
// the sums so far.
class ReportRun {
public:
    ReportRun(Report &report, PageCanvas &canvas)
        : report_(report), canvas_(canvas), bottom_(canvas.drawableSize().height())
    {
        state_.pageOffset = report.pageOffset_;
        if (const ReportBand *footer = report.band(BandKind::PageFooter))
            bottom_ -= footer->heightMm();
    }

    void run()
    {
        startPage();
        if (const ReportBand *detail = report_.band(BandKind::Detail);
            detail && report_.source_) {
            for (bool more = report_.source_->first(); more; more = report_.source_->next())
                printDetail(*detail);
        }
        if (const ReportBand *summary = report_.band(BandKind::Summary)) {
            makeRoom(heightOf(*summary));
            printBand(*summary, heightOf(*summary));
        }
        finishPage();
    }

    int pages() const { return state_.page; }

private:
    void startPage()
    {
        if (++state_.page > 1)
            canvas_.newPage();
        y_ = 0;
        printIfPresent(BandKind::PageHeader);
        if (state_.page == 1)
            printIfPresent(BandKind::Title);
        printIfPresent(BandKind::ColumnHeader);
        bodyTop_ = y_;
    }

    void finishPage()
    {
        if (const ReportBand *footer = report_.band(BandKind::PageFooter)) {
            y_ = bottom_;
            printBand(*footer, footer->heightMm());
        }
        state_.pageSums.clear();
    }

    // A band that cannot fit even on an empty page prints anyway, cut at the sheet's edge,
    // rather than pushing the report on from page to page for ever.
    void makeRoom(double height)
    {
        if (y_ + height > bottom_ + 1e-9 && y_ > bodyTop_) {
            finishPage();
            startPage();
        }
    }

    void printDetail(const ReportBand &detail)
    {
        const double height = heightOf(detail);
        makeRoom(height);
        ++state_.row;
        for (const auto &[name, value] : report_.sums_) {
            const Money amount = value();
            try {
                state_.pageSums[name] += amount;
                state_.reportSums[name] += amount;
            } catch (const AmountOverflow &) {
                throw AmountOverflow(QStringLiteral("sumy %1 na wydruku").arg(name));
            }
        }
        printBand(detail, height);
    }

    void printIfPresent(BandKind kind)
    {
        if (const ReportBand *band = report_.band(kind))
            printBand(*band, heightOf(*band));
    }

    bool printable(const ReportElement &element) const
    {
        return !element.printIf || element.printIf(state_);
    }

    QStringList linesOf(const ReportElement &element)
    {
        canvas_.setFont(element.font);
        const QString text = element.text ? element.text(state_) : QString();
        if (!element.multiLine)
            return {text};
        QStringList lines = canvas_.wrapLines(text, element.rectMm.width());
        if (element.keepInRect)
            keepInRect(lines, element.rectMm);
        return lines;
    }

    // Lines kept in their rectangle stand in it as the vertical alignment says; the others
    // start at its top and the band grows under them.
    static double blockOffset(const ReportElement &element, double blockHeight)
    {
        if (!element.keepInRect)
            return 0;
        const double room = std::max(0.0, element.rectMm.height() - blockHeight);
        if (element.alignment & Qt::AlignVCenter)
            return room / 2;
        if (element.alignment & Qt::AlignBottom)
            return room;
        return 0;
    }

    void shrinkToFit(PrintFont font, const QString &text, double width)
    {
        const double wide = canvas_.textWidth(text);
        if (wide <= width || wide <= 0)
            return;
        // Glyph widths do not scale exactly with the size: step down until it fits.
        font.pointSize *= width / wide;
        canvas_.setFont(font);
        while (canvas_.textWidth(text) > width && font.pointSize > 1) {
            font.pointSize *= 0.97;
            canvas_.setFont(font);
        }
    }

    void keepInRect(QStringList &lines, const QRectF &rect) const
    {
        const double room = (rect.height() + 1e-6) / canvas_.lineHeight();
        const qsizetype fit = std::max<qsizetype>(1, qsizetype(room));
        if (lines.size() <= fit)
            return;
        lines.resize(fit);
        lines.last() = cutToWidth(lines.last(), rect.width(), true);
    }

    // The text's whole characters that fit the width with "…" after them; `always` adds the
    // mark to a text that fits, as the last line of a text whose next lines are left out.
    QString cutToWidth(QString text, double width, bool always = false) const
    {
        if (!always && canvas_.textWidth(text) <= width)
            return text;
        const QString more(QChar(0x2026));
        while (!text.isEmpty() && canvas_.textWidth(text + more) > width)
            text.chop(text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1);
        return text + more;
    }

    double heightOf(const ReportBand &band)
    {
        double height = band.heightMm();
        for (const ReportElement &element : band.elements()) {
            if (element.kind != ReportElement::Kind::Text || !element.multiLine
                || !printable(element))
                continue;
            const double lines = linesOf(element).size();
            height = std::max(height, element.rectMm.top() + lines * canvas_.lineHeight());
        }
        return height;
    }

    void printBand(const ReportBand &band, double height)
    {
        const double growth = height - band.heightMm();
        for (const ReportElement &element : band.elements())
            if (printable(element))
                printElement(element, growth);
        y_ += height;
    }

    void printElement(const ReportElement &element, double growth)
    {
        QRectF rect = element.rectMm.translated(0, y_);
        switch (element.kind) {
        case ReportElement::Kind::Text: {
            const QStringList lines = linesOf(element);
            if (!element.multiLine) {
                if (element.shrinkToFit)
                    shrinkToFit(element.font, lines.constFirst(), rect.width());
                canvas_.drawText(rect,
                                 element.cutToFit ? cutToWidth(lines.constFirst(), rect.width())
                                                  : lines.constFirst(),
                                 element.alignment);
                break;
            }
            const double lineHeight = canvas_.lineHeight();
            const Qt::Alignment alignment =
                (element.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
            const double top = rect.top() + blockOffset(element, lines.size() * lineHeight);
            for (qsizetype i = 0; i < lines.size(); ++i)
                canvas_.drawText(QRectF(rect.left(), top + i * lineHeight, rect.width(),
                                        lineHeight),
                                 lines.at(i), alignment);
            break;
        }
        case ReportElement::Kind::Line:
            if (element.stretchWithBand)
                rect.setBottom(rect.bottom() + growth);
            canvas_.drawLine(rect.topLeft(), rect.bottomRight(), element.penWidthMm);
            break;
        case ReportElement::Kind::Rect:
            if (element.stretchWithBand)
                rect.setHeight(rect.height() + growth);
            canvas_.drawRect(rect, element.penWidthMm);
            break;
        case ReportElement::Kind::Image:
            canvas_.drawImage(rect, element.image);
            break;
        }
    }

    Report &report_;
    PageCanvas &canvas_;
    ReportState state_;
    double bottom_;
    double y_ = 0;
    double bodyTop_ = 0;
};

bool Report::print(PageCanvas &canvas)
{
    ReportJob job(canvas);
    const bool printed = job.add(*this);
    return job.end() && printed;
}

ReportJob::~ReportJob()
{
    end();
}

bool ReportJob::add(Report &report)
{
    report.pagesPrinted_ = 0;
    if (failed_)
        return false;
    if (!begun_) {
        begun_ = true;
        if (!canvas_.begin(report.title_, report.setup_)) {
            failed_ = true;
            return false;
        }
    } else {
        canvas_.newPage();
    }
    canvas_.setUnit(CanvasUnit::Millimetre);
    ReportRun run(report, canvas_);
    try {
        run.run();
    } catch (...) {
        // A report stopped half-way (a total no amount holds, a table gone) is no printout.
        failed_ = true;
        canvas_.abort();
        throw;
    }
    report.pagesPrinted_ = run.pages();
    return true;
}

bool ReportJob::end()
{
    if (canvas_.isActive() && !canvas_.end())
        failed_ = true;
    return !failed_;
}

bool Report::print(QPrinter &printer)
{
    PrinterCanvas canvas(printer);
    return print(canvas);
}

bool Report::printToPdf(const QString &fileName)
{
    const auto printer = makePdfPrinter(fileName);
    return print(*printer);
}
