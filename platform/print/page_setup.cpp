#include "platform/print/page_setup.h"

#include <QPageSize>

PageSetup PageSetup::a4(PageOrientation orientation)
{
    return PageSetup{QStringLiteral("A4"), QSizeF(210.0, 297.0), orientation, {10, 10, 10, 10}};
}

PageSetup PageSetup::note(PageOrientation orientation)
{
    return PageSetup{QStringLiteral("Note"), QSizeF(215.9, 279.0), orientation,
                     {10, 10, 10, 10}};
}

QSizeF PageSetup::pageSizeMm() const
{
    return orientation == PageOrientation::Portrait ? paperMm : paperMm.transposed();
}

QRectF PageSetup::contentRectMm() const
{
    return QRectF(QPointF(0, 0), pageSizeMm()).marginsRemoved(marginsMm);
}

QPageLayout PageSetup::pageLayout() const
{
    // Qt knows A4 by its id; any other sheet goes by its exact size, so that "Note" keeps
    // its 279.0 mm rather than Qt's 279.4.
    const QPageSize size = paperName == QLatin1String("A4")
                               ? QPageSize(QPageSize::A4)
                               : QPageSize(paperMm, QPageSize::Millimeter, paperName,
                                           QPageSize::ExactMatch);
    return QPageLayout(size,
                       orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                : QPageLayout::Landscape,
                       marginsMm, QPageLayout::Millimeter);
}
