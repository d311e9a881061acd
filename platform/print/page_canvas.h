#pragma once
// The surface a printout draws on, page by page: text in a font at a position, lines,
// rectangles and pictures. Positions are measured from the top-left corner of the area
// inside the margins, in millimetres or in 1/300 inch (the text engine's unit), whichever
// the caller chose. A printer canvas sends the drawing to a QPrinter (a system printer or a
// PDF file); a recording canvas keeps it so that tests can read back what went where.

#include "platform/print/page_setup.h"
#include "platform/print/print_font.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

enum class CanvasUnit { Millimetre, Dot300 };

double toMillimetres(double value, CanvasUnit unit);
double fromMillimetres(double millimetres, CanvasUnit unit);

class PageCanvas {
public:
    PageCanvas();
    virtual ~PageCanvas();
    PageCanvas(const PageCanvas &) = delete;
    PageCanvas &operator=(const PageCanvas &) = delete;

    // Starts a job on its first page. Without a set-up the device keeps the paper and
    // margins it has (what the user chose in the printer set-up). False when the device
    // cannot be opened; nothing is drawn then.
    bool begin(const QString &jobTitle, const std::optional<PageSetup> &setup = std::nullopt);
    // Why the last begin() failed: the device could not be opened, or it would not take the
    // job's sheet (its paper, or the margins even when grown to the device's border).
    enum class Failure { None, Device, PageSetup, Output };
    Failure failure() const { return failure_; }
    void newPage();
    // False when the device did not take the whole job (a file that could not be written
    // to its end); failure() then says Output.
    bool end();
    // Ends a job that failed half-way so that none of it stands for a whole printout: a PDF
    // file is removed, a printer is asked to cancel the job.
    void abort();
    bool isActive() const { return active_; }
    int pageCount() const { return pages_; }

    void setUnit(CanvasUnit unit) { unit_ = unit; }
    CanvasUnit unit() const { return unit_; }
    // What can be drawn on, from the origin, in the current unit.
    QSizeF drawableSize() const;
    // The sheet a job begun without a set-up of its own would get.
    virtual PageSetup deviceSheet() const = 0;

    void setFont(const PrintFont &font) { font_ = font; }
    const PrintFont &font() const { return font_; }

    // Text with its top-left corner at the point, on one line.
    void drawText(QPointF topLeft, const QString &text);
    // Text placed in a box by the alignment; with wrapping it breaks between words.
    void drawText(const QRectF &box, const QString &text, Qt::Alignment alignment,
                  bool wordWrap = false);
    void drawLine(QPointF from, QPointF to, double penWidthMm = 0.2);
    void drawRect(const QRectF &rect, double penWidthMm = 0.2);
    void drawImage(const QRectF &rect, const QImage &image);

    // Measures in the current font and unit.
    double textWidth(const QString &text) const;
    // Measures in any font, in millimetres, before a job begins.
    double textWidthMm(const PrintFont &font, const QString &text) const
    {
        return measureMm(font, text).width();
    }
    double lineHeight() const;
    // The text broken at line breaks and, where a line is wider than `width`, between
    // words (a word wider than the whole width between its letters).
    QStringList wrapLines(const QString &text, double width) const;

protected:
    virtual bool doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup) = 0;
    // Called by doBegin() before it returns false for a sheet the device refused.
    void refusePageSetup() { failure_ = Failure::PageSetup; }
    virtual void doNewPage() = 0;
    virtual bool doEnd() = 0;
    virtual void doAbort() { doEnd(); }
    virtual QSizeF drawableSizeMm() const = 0;
    virtual void doText(const QRectF &boxMm, const QString &text, const PrintFont &font,
                        Qt::Alignment alignment, bool wordWrap) = 0;
    virtual void doLine(const QLineF &lineMm, double penWidthMm) = 0;
    virtual void doRect(const QRectF &rectMm, double penWidthMm) = 0;
    virtual void doImage(const QRectF &rectMm, const QImage &image) = 0;
    // Width and height of one line of text, in millimetres. Every canvas measures alike so
    // that a layout does not change with the device it goes to.
    virtual QSizeF measureMm(const PrintFont &font, const QString &text) const;

private:
    double mm(double value) const { return toMillimetres(value, unit_); }
    QPointF mm(QPointF point) const;
    QRectF mm(const QRectF &rect) const;

    QImage metricsDevice_;
    CanvasUnit unit_ = CanvasUnit::Millimetre;
    PrintFont font_;
    bool active_ = false;
    int pages_ = 0;
    Failure failure_ = Failure::None;
};
