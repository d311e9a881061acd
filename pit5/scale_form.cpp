// The four pages of the form for the progressive scale.

#include "pit5/declaration_form.h"
#include "pit5/declaration_positions.h"
#include "pit5/form_sections.h"

using namespace FormLayout;

namespace {

constexpr double Inner = Left + RowLabelWidth;

QString footer(int page)
{
    return QStringLiteral("PIT-5   strona %1 z 4").arg(page);
}

// A kind or description written out, beside the amount it explains.
double memoAndAmount(FormPageBuilder &page, double top, const QString &memo, const QString &amount)
{
    constexpr double Split = 129.7;
    page.heading(top, SectionOf(memo));
    top += HeadingHeight;
    page.box(memo, FormValue::Memo, QRectF(Left, top, Split - Left, MemoHeight));
    page.box(amount, FormValue::Amount, QRectF(Split, top, Right - Split, MemoHeight));
    return top + MemoHeight + 1.0;
}

FormPage page1()
{
    FormPageBuilder page(QStringLiteral("Tdruk1"), ScaleBandHeightMm);
    IdentificationPart(page, QStringLiteral("PIT-5"), true);
    const double top = AmountsPart(page, IncomePart(page, 3) + 1.8,
                                   SectionOf(QStringLiteral("P31")), FormFields('P', 31, 3));
    page.text(QRectF(Left, top - 0.5, Width, 4.0), LossesLimitNote(), 6.5, false,
              Qt::AlignLeft | Qt::AlignVCenter);
    return page.finish(footer(1));
}

FormPage page2()
{
    FormPageBuilder page(QStringLiteral("TDruk2"), ScaleBandHeightMm);
    page.heading(4.0, PageHeadingOf(QStringLiteral("P34")));
    page.text(QRectF(Left, 9.0, Width, 4.0), PageNoteOf(QStringLiteral("P34")), 6.5, false,
              Qt::AlignLeft | Qt::AlignVCenter);
    double top = AmountsPart(page, 13.5, SectionOf(QStringLiteral("P34")), FormFields('P', 34, 2));
    top = memoAndAmount(page, top, QStringLiteral("P37"), QStringLiteral("P38"));
    top = memoAndAmount(page, top, QStringLiteral("P39"), QStringLiteral("P40"));
    // Position 41 of the form is the exempt income, P43.
    for (const char *field : {"P41", "P43", "P44"})
        top = AmountsPart(page, top, SectionOf(QLatin1String(field)), {QLatin1String(field)});
    top = AmountsPart(page, top, SectionOf(QStringLiteral("P45")), FormFields('P', 45, 2));
    page.heading(top, PageHeadingOf(QStringLiteral("P47")));
    top = AmountsPart(page, top + HeadingHeight, SectionOf(QStringLiteral("P47")),
                      {QStringLiteral("P47")});
    top = AmountsPart(page, top, SectionOf(QStringLiteral("P48")), FormFields('P', 48, 3));
    page.box(QStringLiteral("P51"), FormValue::Memo, QRectF(Left, top - 1.0, 128.2, MemoHeight));
    page.box(QStringLiteral("P52"), FormValue::Amount,
             QRectF(129.7, top - 1.0, Right - 129.7, MemoHeight));
    return page.finish(footer(2));
}

FormPage page3()
{
    FormPageBuilder page(QStringLiteral("Tdruk3"), ScaleBandHeightMm);
    double top = AdvancePart(page, 4.0);
    page.heading(top, PageHeadingOf(QStringLiteral("K66")));
    top += HeadingHeight;
    for (int row = 0; row < 4; ++row)
        top = ShareRowPart(page, top, QString::number(row + 1), FormFields('K', 66 + 9 * row, 9),
                           true);
    return page.finish(footer(3));
}

// A business in a special economic zone: sixteen fields from `first`, the rule of taxation
// as three marks at the form's places.
void zoneRow(FormPageBuilder &page, double top, int first, double markTop,
             const QList<double> &markLefts)
{
    const auto field = [first](int offset) { return FormField('L', first + offset); };
    constexpr double Half = (Right - Inner) / 2;
    constexpr double DateLeft = 145.0;
    constexpr double RuleHeight = 10.5;
    page.label(QRectF(Left, top, RowLabelWidth, 5 * LineHeight + RuleHeight),
               QString::number(first == 84 ? 1 : 2), Qt::AlignCenter);
    page.box(field(0), FormValue::Text, QRectF(Inner, top, Half, LineHeight));
    page.box(field(3), FormValue::Text, QRectF(Inner + Half, top, Half, LineHeight));
    top += LineHeight;
    page.boxed(field(1), 13, QRectF(Inner, top, 66.0, LineHeight));
    page.boxed(field(2), 14, QRectF(Inner + 66.0, top, DateLeft - Inner - 66.0, LineHeight));
    page.boxed(field(6), 10, QRectF(DateLeft, top, Right - DateLeft, LineHeight));
    top += LineHeight;
    page.box(field(4), FormValue::Text, QRectF(Inner, top, Half, LineHeight));
    page.box(field(5), FormValue::Text,
             QRectF(Inner + Half, top, DateLeft - Inner - Half, LineHeight));
    page.boxed(field(7), 10, QRectF(DateLeft, top, Right - DateLeft, LineHeight));
    top += LineHeight;
    constexpr double ShareWidth = 31.25;
    constexpr double Amount = (Right - Inner - ShareWidth) / 4;
    page.box(field(9), FormValue::Number, QRectF(Inner, top, ShareWidth, LineHeight));
    for (int i = 0; i < 4; ++i)
        page.box(field(10 + i), FormValue::Amount,
                 QRectF(Inner + ShareWidth + i * Amount, top, Amount, LineHeight));
    top += LineHeight;
    page.label(QRectF(Inner, top, Right - Inner, RuleHeight), FormCaption(field(8)));
    page.marks(field(8), markTop, markLefts, Right);
    top += RuleHeight;
    page.box(field(14), FormValue::Amount, QRectF(Inner, top, Half, LineHeight));
    page.box(field(15), FormValue::Amount, QRectF(Inner + Half, top, Half, LineHeight));
}

double rentalRow(FormPageBuilder &page, double top, int first)
{
    const auto field = [first](int offset) { return FormField('M', first + offset); };
    page.label(QRectF(Left, top, RowLabelWidth, 2 * LineHeight),
               QString::number(first == 116 ? 1 : 2), Qt::AlignCenter);
    page.box(field(0), FormValue::Text, QRectF(Inner, top, 80.0, LineHeight));
    page.box(field(1), FormValue::Text,
             QRectF(Inner + 80.0, top, Right - Inner - 80.0, LineHeight));
    constexpr double ShareWidth = 31.25;
    constexpr double Amount = (Right - Inner - ShareWidth) / 4;
    page.box(field(2), FormValue::Number, QRectF(Inner, top + LineHeight, ShareWidth, LineHeight));
    for (int i = 0; i < 4; ++i)
        page.box(field(3 + i), FormValue::Amount,
                 QRectF(Inner + ShareWidth + i * Amount, top + LineHeight, Amount, LineHeight));
    return top + 2 * LineHeight;
}

FormPage page4()
{
    FormPageBuilder page(QStringLiteral("Tdruk4"), ScaleBandHeightMm);
    page.heading(3.5, PageHeadingOf(QStringLiteral("L84")));
    zoneRow(page, 8.5, 84, 51.9, {10.8, 83.1, 131.8});
    zoneRow(page, 69.3, 100, 112.7, {11.1, 83.1, 132.0});
    page.heading(130.5, SectionOf(QStringLiteral("M116")), 7.5);
    double top = rentalRow(page, rentalRow(page, 138.0, 116), 123) + 1.0;
    top = AnnexesPart(page, top,
                      {QStringLiteral("N130"), QStringLiteral("N131"), QStringLiteral("N133"),
                       QStringLiteral("N132")});
    // The date of the declaration is written on the form by hand.
    page.heading(top, SectionOf(QStringLiteral("O133")));
    page.label(QRectF(Left, top + HeadingHeight, 98.5, LineHeight),
               FormCaption(QStringLiteral("O133")));
    return page.finish(footer(4));
}

} // namespace

QList<FormPage> ScaleFormPages()
{
    return {page1(), page2(), page3(), page4()};
}
