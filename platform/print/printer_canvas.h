#pragma once
// A canvas drawing on a QPrinter: a system printer, a PDF file, or the printer a preview
// dialog hands out. The printer stays the caller's; a job with its own set-up changes the
// printer's paper, orientation and margins for that job only, and the printer has its own
// sheet back when the job ends (the text engine's printouts go on the sheet the user chose).

#include "platform/print/page_canvas.h"

#include <QPageLayout>
#include <QPainter>

#include <memory>
#include <optional>

class QPrinter;

class PrinterCanvas final : public PageCanvas {
public:
    explicit PrinterCanvas(QPrinter &printer);
    ~PrinterCanvas() override;

    QPrinter &printer() const { return printer_; }
    PageSetup deviceSheet() const override;

    // Puts the set-up on the printer, as a job on it would; a preview applies it before it
    // lays out its pages. Margins inside the border the printer cannot reach grow to that
    // border. False when the printer still does not take the sheet (a paper it does not
    // have): a job must not go out on the wrong one.
    static bool applySetup(QPrinter &printer, const PageSetup &setup);

protected:
    bool doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup) override;
    void doNewPage() override;
    bool doEnd() override;
    void doAbort() override;
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
    void restorePrinterSheet();

    QPrinter &printer_;
    QPainter painter_;
    // The printer's own sheet while a job with its own set-up runs.
    std::optional<QPageLayout> printerLayout_;
    bool printerFullPage_ = false;
};

// A printer that writes a PDF file: A4 upright with a 5 mm border, as a sheet in a
// desk printer would come out.
std::unique_ptr<QPrinter> makePdfPrinter(const QString &fileName);
