#pragma once
// The sheet a printout is laid out on: paper, orientation and margins, all in millimetres.
// Reports carry their own set-up; the text engine leaves the printer's own in force.

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

enum class PageOrientation { Portrait, Landscape };

struct PageSetup {
    QString paperName;            // "A4", "Note"
    QSizeF paperMm;               // width × height with the sheet upright
    PageOrientation orientation = PageOrientation::Portrait;
    QMarginsF marginsMm{10, 10, 10, 10};

    static PageSetup a4(PageOrientation orientation = PageOrientation::Portrait);
    // The envelope sheet: 215.9 × 279.0 mm.
    static PageSetup note(PageOrientation orientation = PageOrientation::Portrait);

    // Width × height as the sheet lies in the chosen orientation.
    QSizeF pageSizeMm() const;
    // The part inside the margins, in millimetres from the sheet's top-left corner.
    QRectF contentRectMm() const;
    QPageLayout pageLayout() const;

    bool operator==(const PageSetup &) const = default;
};
