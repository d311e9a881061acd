#pragma once
// A canvas drawing on a QPrinter: a system printer, a PDF file, or the printer a preview
// dialog hands out. The printer stays the caller's; a job with its own set-up changes the
// printer's paper, orientation and margins for that job.

#include "platform/print/page_canvas.h"

#include <QPainter>

#include <memory>

class QPrinter;

class PrinterCanvas final : public PageCanvas {
public:
    explicit PrinterCanvas(QPrinter &printer);
    ~PrinterCanvas() override;

    QPrinter &printer() const { return printer_; }

    // Puts the set-up on the printer, as a job on it would; a preview applies it before it
    // lays out its pages.
    static void applySetup(QPrinter &printer, const PageSetup &setup);

protected:
    bool doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup) override;
    void doNewPage() override;
    void doEnd() override;
    QSizeF drawableSizeMm() const override;
    void doText(const QRectF &boxMm, const QString &text, const PrintFont &font,
                Qt::Alignment alignment, bool wordWrap) override;
    void doLine(const QLineF &lineMm, double penWidthMm) override;
    void doRect(const QRectF &rectMm, double penWidthMm) override;
    void doImage(const QRectF &rectMm, const QImage &image) override;

private:
    double dots(double millimetres) const;
    QRectF dots(const QRectF &rectMm) const;
    void setPen(double penWidthMm);

    QPrinter &printer_;
    QPainter painter_;
};

// A printer that writes a PDF file: A4 upright with a 5 mm border, as a sheet in a
// desk printer would come out.
std::unique_ptr<QPrinter> makePdfPrinter(const QString &fileName);
