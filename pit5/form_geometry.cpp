#include "pit5/form_geometry.h"

#include "pit5/declaration_positions.h"

using namespace FormLayout;

namespace {

constexpr double CaptionStripMm = 2.8; // one line of a caption
constexpr double InsetMm = 0.8;        // between a box's line and what is written in it
constexpr double FootMm = 0.9;         // under a value
constexpr double BoxedHeightMm = 4.5;  // a character box
constexpr double AmountWidthMm = 50.0; // the amount of a row across the form
constexpr double MarkWidthMm = 3.6;
constexpr double MarkHeightMm = 4.0;

Qt::Alignment alignmentFor(FormValue value)
{
    switch (value) {
    case FormValue::Amount:
    case FormValue::Number:
        return Qt::AlignRight | Qt::AlignVCenter;
    case FormValue::Memo:
        return Qt::AlignLeft | Qt::AlignTop;
    case FormValue::Mark:
        return Qt::AlignCenter;
    case FormValue::None:
    case FormValue::Text:
    case FormValue::Boxed:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

QList<QRectF> FormBox::characterBoxes() const
{
    QList<QRectF> boxes;
    for (int i = 0; i < characters; ++i)
        boxes.append(QRectF(valueMm.left() + (i - 0.375) * CharacterPitchMm, valueMm.top(),
                            CharacterPitchMm, valueMm.height()));
    return boxes;
}

QString FormCaption(const QString &field)
{
    const DeclarationPosition *position = PositionOf(field);
    return position ? QString(position->caption)
                          .replace(QLatin1Char('\n'), QLatin1Char(' '))
                          .simplified()
                    : field;
}

FormPageBuilder::FormPageBuilder(const QString &name, double bandHeightMm)
{
    page_.name = name;
    page_.bandHeightMm = bandHeightMm;
}

void FormPageBuilder::heading(double top, const QString &text, double height)
{
    page_.texts.append({QRectF(Left, top, Right - Left, height), text.trimmed()});
}

void FormPageBuilder::text(const QRectF &rectMm, const QString &text, double pointSize, bool bold,
                           Qt::Alignment alignment)
{
    page_.texts.append({rectMm, text, pointSize, bold, alignment, false});
}

FormBox &FormPageBuilder::box(const QString &field, FormValue value, const QRectF &boxMm)
{
    FormBox box;
    box.field = field;
    box.value = value;
    box.boxMm = boxMm;
    box.alignment = alignmentFor(value);
    box.caption = FormCaption(field);
    box.captionMm = QRectF(boxMm.left() + InsetMm, boxMm.top() + 0.4, boxMm.width() - 2 * InsetMm,
                           CaptionStripMm);
    const double valueTop = value == FormValue::Memo ? box.captionMm.bottom() + 0.1
                                                     : boxMm.bottom() - FootMm - ValueHeight;
    box.valueMm = QRectF(boxMm.left() + 1.0, valueTop, boxMm.width() - 2.0,
                         boxMm.bottom() - FootMm - valueTop);
    page_.boxes.append(box);
    return page_.boxes.last();
}

FormBox &FormPageBuilder::boxed(const QString &field, int characters, const QRectF &boxMm)
{
    FormBox &made = box(field, FormValue::Boxed, boxMm);
    made.characters = characters;
    made.valueMm = QRectF(boxMm.left() + 0.5 + 0.375 * CharacterPitchMm,
                          boxMm.bottom() - FootMm - BoxedHeightMm, characters * CharacterPitchMm,
                          BoxedHeightMm);
    return made;
}

FormBox &FormPageBuilder::label(const QRectF &boxMm, const QString &caption,
                                Qt::Alignment alignment)
{
    FormBox box;
    box.boxMm = boxMm;
    box.caption = caption;
    box.captionMm = boxMm.adjusted(InsetMm, 0.4, -InsetMm, -0.4);
    box.captionAlignment = alignment;
    page_.boxes.append(box);
    return page_.boxes.last();
}

double FormPageBuilder::amountRow(const QString &field, double top)
{
    FormBox &row = box(field, FormValue::Amount, QRectF(Left, top, Right - Left, RowHeight));
    row.valueMm =
        QRectF(Right - 1.0 - AmountWidthMm, row.valueMm.top(), AmountWidthMm, ValueHeight);
    return top + RowHeight;
}

void FormPageBuilder::marks(const QString &field, double top, const QList<double> &lefts,
                            double right)
{
    const QStringList &rules = TaxationRules();
    for (int rule = 0; rule < lefts.size(); ++rule) {
        FormBox mark;
        mark.field = field;
        mark.value = FormValue::Mark;
        mark.rule = rule;
        mark.valueMm = QRectF(lefts[rule], top, MarkWidthMm, MarkHeightMm);
        mark.boxMm = mark.valueMm.adjusted(-0.4, -0.2, 0.4, 0.2);
        mark.alignment = alignmentFor(FormValue::Mark);
        mark.caption = rules.value(rule);
        const double next = rule + 1 < lefts.size() ? lefts[rule + 1] : right;
        mark.captionMm =
            QRectF(mark.boxMm.right() + 1.0, top, next - mark.boxMm.right() - 2.0, MarkHeightMm);
        mark.captionAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        page_.boxes.append(mark);
    }
}

FormPage FormPageBuilder::finish(const QString &footer)
{
    page_.frameMm = QRectF(1.0, 1.0, FormBandWidthMm - 2.0, FrameBottom - 1.0);
    text(QRectF(Left, FrameBottom - 5.0, Right - Left, 4.0), footer, 6.5, false,
         Qt::AlignRight | Qt::AlignVCenter);
    return page_;
}
