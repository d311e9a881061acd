#pragma once
// A band of a report: a strip of the page with its elements, laid out in millimetres from
// the band's top-left corner. Which band prints where is the report's business.

#include "platform/money.h"
#include "platform/print/print_font.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

enum class BandKind { PageHeader, Title, ColumnHeader, Detail, Summary, PageFooter };

// What the values of a band see while it prints.
struct ReportState {
    int page = 0;          // the report's own page, from 1
    int pageOffset = 0;    // added to every page number shown
    int row = 0;           // detail rows printed so far, the current one included
    QHash<QString, Money> pageSums;   // over the detail rows of this page
    QHash<QString, Money> reportSums; // over every detail row so far

    int pageNumber() const { return page + pageOffset; }
    Money pageSum(const QString &name) const { return pageSums.value(name); }
    Money reportSum(const QString &name) const { return reportSums.value(name); }
};

using TextSource = std::function<QString(const ReportState &)>;

struct ReportElement {
    enum class Kind { Text, Line, Rect, Image };

    Kind kind = Kind::Text;
    QRectF rectMm;            // a line runs from the top-left to the bottom-right corner
    TextSource text;
    PrintFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Breaks into lines at line breaks and between words to fit the width, one line under
    // the other; the band grows to hold them.
    bool multiLine = false;
    // A multi-line text that keeps to its rectangle, as in a box of a form: lines past the
    // rectangle's foot are left out, the last one shown ending in "…", and the lines stand
    // in the rectangle as the vertical alignment says.
    bool keepInRect = false;
    // A one-line text wider than its rectangle prints in a smaller size of its font, so that
    // a long name stays in its box instead of running over the next one.
    bool shrinkToFit = false;
    // A one-line text wider than its rectangle ends after its last whole character that
    // fits, followed by "…", so that it never runs over the next box.
    bool cutToFit = false;
    // Frames and rules that grow with their band, so a row ruled around a multi-line text
    // stays closed.
    bool stretchWithBand = false;
    double penWidthMm = 0.2;
    QImage image;
    // The element prints only when this says so; always when unset.
    std::function<bool(const ReportState &)> printIf;
};

class ReportBand {
public:
    ReportBand(BandKind kind, double heightMm) : kind_(kind), heightMm_(heightMm) {}

    BandKind kind() const { return kind_; }
    double heightMm() const { return heightMm_; }
    const QList<ReportElement> &elements() const { return elements_; }

    // Each returns the element just added, to adjust it before the next one is added.
    ReportElement &addLabel(const QRectF &rectMm, const QString &text,
                            const PrintFont &font = {},
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    ReportElement &addField(const QRectF &rectMm, TextSource text, const PrintFont &font = {},
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
    ReportElement &addLine(QPointF fromMm, QPointF toMm, double penWidthMm = 0.2);
    ReportElement &addRect(const QRectF &rectMm, double penWidthMm = 0.2);
    ReportElement &addImage(const QRectF &rectMm, const QImage &image);

private:
    ReportElement &add(ReportElement element);

    BandKind kind_;
    double heightMm_;
    QList<ReportElement> elements_;
};
