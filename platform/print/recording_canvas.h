#pragma once
// A canvas that keeps everything drawn on it, for tests and for checking a layout without
// paper: each item knows its page, where it went (in millimetres from the origin), its text
// and the font it was drawn in.

#include "platform/print/page_canvas.h"

#include <QList>
#include <QSize>

struct CanvasItem {
    enum class Kind { Text, Line, Rect, Image };

    Kind kind = Kind::Text;
    int page = 1;
    QRectF boxMm;          // text box, rectangle, picture; a line's bounding box
    QLineF lineMm;         // lines only
    QString text;
    PrintFont font;
    Qt::Alignment alignment;
    bool wordWrap = false;
    double penWidthMm = 0;
    QSize imageSize;

    // The top-left corner of the box in a unit of choice.
    QPointF position(CanvasUnit unit) const;
};

class RecordingCanvas final : public PageCanvas {
public:
    // The area a job without its own set-up gets, like a printer's sheet and its
    // unprintable border.
    explicit RecordingCanvas(const PageSetup &deviceSetup = defaultDeviceSetup());
    static PageSetup defaultDeviceSetup();

    // A device that cannot be opened, to test what a print does then.
    void setFailing(bool failing) { failing_ = failing; }
    // A device that will not take a job's own sheet; jobs on its own sheet still print.
    void setRefusingSetup(bool refusing) { refusingSetup_ = refusing; }

    const QList<CanvasItem> &items() const { return items_; }
    QList<CanvasItem> texts() const;
    QList<CanvasItem> textsOnPage(int page) const;
    QStringList textLines() const; // the texts in drawing order
    const QString &jobTitle() const { return jobTitle_; }
    const PageSetup &setupInForce() const { return setup_; }
    PageSetup deviceSheet() const override { return deviceSetup_; }
    int jobsBegun() const { return jobsBegun_; }
    int jobsEnded() const { return jobsEnded_; }
    void clear();

protected:
    bool doBegin(const QString &jobTitle, const std::optional<PageSetup> &setup) override;
    void doNewPage() override {}
    bool doEnd() override
    {
        ++jobsEnded_;
        return true;
    }
    QSizeF drawableSizeMm() const override { return setup_.contentRectMm().size(); }
    void doText(const QRectF &boxMm, const QString &text, const PrintFont &font,
                Qt::Alignment alignment, bool wordWrap) override;
    void doLine(const QLineF &lineMm, double penWidthMm) override;
    void doRect(const QRectF &rectMm, double penWidthMm) override;
    void doImage(const QRectF &rectMm, const QImage &image) override;

private:
    CanvasItem &add(CanvasItem::Kind kind);

    PageSetup deviceSetup_;
    PageSetup setup_;
    QList<CanvasItem> items_;
    QString jobTitle_;
    bool failing_ = false;
    bool refusingSetup_ = false;
    int jobsBegun_ = 0;
    int jobsEnded_ = 0;
};
