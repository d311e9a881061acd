// The three pages of the form for the flat rate. The fields printed one character per box
// on the scale form print as they are here.

#include "pit5/declaration_form.h"
#include "pit5/form_sections.h"

using namespace FormLayout;

namespace {

QString footer(int page)
{
    return QStringLiteral("PIT-5L   strona %1 z 3").arg(page);
}

FormPage page1()
{
    FormPageBuilder page(QStringLiteral("TPIT5Ls1"), FlatRateBandHeightMm);
    IdentificationPart(page, QStringLiteral("PIT-5L"), false);
    double top = AmountsPart(page, IncomePart(page, 1) + 1.7, SectionOf(QStringLiteral("P32")),
                             {QStringLiteral("P32")});
    AmountsPart(page, top, PageHeadingOf(QStringLiteral("P34")), {QStringLiteral("P34")});
    return page.finish(footer(1));
}

FormPage page2()
{
    FormPageBuilder page(QStringLiteral("TPIT5Ls2"), FlatRateBandHeightMm);
    double top = AmountsPart(page, 4.0, SectionOf(QStringLiteral("P44")), {QStringLiteral("P44")});
    top = AmountsPart(page, top, SectionOf(QStringLiteral("P45")),
                      {QStringLiteral("P45"), QStringLiteral("P46")});
    page.heading(top, PageHeadingOf(QStringLiteral("P47")));
    top = AmountsPart(page, top + HeadingHeight, SectionOf(QStringLiteral("P47")),
                      {QStringLiteral("P47")});
    top = AmountsPart(page, top, SectionOf(QStringLiteral("P48")), {QStringLiteral("P48")});
    AdvancePart(page, top);
    return page.finish(footer(2));
}

// A zone business as the flat-rate form has it: no kind, permit data or rule of taxation.
QStringList zoneRow(int first)
{
    QStringList fields;
    for (int offset : {1, 2, 3, 4, 9, 10, 11, 12, 13})
        fields << FormField('L', first + offset);
    return fields;
}

FormPage page3()
{
    FormPageBuilder page(QStringLiteral("TPIT5Ls3"), FlatRateBandHeightMm);
    page.heading(4.0, PageHeadingOf(QStringLiteral("K66")));
    double top =
        ShareRowPart(page, 4.0 + HeadingHeight, QStringLiteral("1"), FormFields('K', 66, 9), false);
    top = ShareRowPart(page, top, QStringLiteral("2"), FormFields('K', 75, 9), false) + 1.0;
    page.heading(top, PageHeadingOf(QStringLiteral("L84")));
    top = ShareRowPart(page, top + HeadingHeight, QStringLiteral("1"), zoneRow(84), false);
    top = ShareRowPart(page, top, QStringLiteral("2"), zoneRow(100), false) + 1.0;
    AnnexesPart(page, top,
                {QStringLiteral("N130"), QStringLiteral("N131"), QStringLiteral("N132")});
    return page.finish(footer(3));
}

} // namespace

QList<FormPage> FlatRateFormPages()
{
    return {page1(), page2(), page3()};
}
