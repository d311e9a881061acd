#include "pit5/declaration_page_report.h"

#include "core/number_format.h"
#include "platform/cursor.h"
#include "platform/print/report.h"

namespace {

constexpr double FramePen = 0.4;
constexpr double HeadingPen = 0.3;
constexpr double BoxPen = 0.2;
constexpr double CharacterPen = 0.1;

PrintFont textFont(double pointSize, bool bold = false)
{
    PrintFont font;
    font.pointSize = pointSize;
    font.bold = bold;
    return font;
}

// Words that wrap within their rectangle and never run out of it.
ReportElement &keptText(ReportBand &band, const QRectF &rect, TextSource text,
                        const PrintFont &font, Qt::Alignment alignment)
{
    ReportElement &element = band.addField(rect, std::move(text), font, alignment);
    element.multiLine = true;
    element.keepInRect = true;
    return element;
}

ReportElement &keptLabel(ReportBand &band, const QRectF &rect, const QString &text,
                         const PrintFont &font, Qt::Alignment alignment)
{
    return keptText(
        band, rect, [text](const ReportState &) { return text; }, font, alignment);
}

void drawPicture(ReportBand &band, const FormPage &page, const std::function<bool()> &picture)
{
    const auto onlyWithPicture = [&picture](ReportElement &element) {
        element.printIf = [picture](const ReportState &) { return picture(); };
    };
    onlyWithPicture(band.addRect(page.frameMm, FramePen));
    for (const FormText &text : page.texts) {
        QRectF rect = text.rectMm;
        if (text.framed) {
            onlyWithPicture(band.addRect(rect, HeadingPen));
            rect.adjust(1.0, 0.2, -1.0, -0.2);
        }
        onlyWithPicture(
            keptLabel(band, rect, text.text, textFont(text.pointSize, text.bold), text.alignment));
    }
    for (const FormBox &box : page.boxes) {
        onlyWithPicture(band.addRect(box.boxMm, BoxPen));
        for (const QRectF &character : box.characterBoxes())
            onlyWithPicture(band.addRect(character, CharacterPen));
        if (!box.caption.isEmpty())
            onlyWithPicture(keptLabel(band, box.captionMm, box.caption, textFont(CaptionPointSize),
                                      box.captionAlignment));
    }
}

void placeValues(ReportBand &band, const FormPage &page, Cursor &declarations)
{
    for (const FormBox &box : page.boxes) {
        if (box.field.isEmpty())
            continue;
        TextSource value = [&declarations, box](const ReportState &) {
            return FormValueText(box, declarations.field(box.field));
        };
        if (box.value == FormValue::Memo) {
            keptText(band, box.valueMm, std::move(value), textFont(ValuePointSize), box.alignment);
            continue;
        }
        const PrintFont font = box.value == FormValue::Boxed
                                   ? PrintFont::fixed(QStringLiteral("Courier New"), BoxedPointSize)
                                   : textFont(ValuePointSize, box.value == FormValue::Mark);
        // Boxed characters keep their pitch; the fields' sizes keep them to their boxes.
        band.addField(box.valueMm, std::move(value), font, box.alignment).shrinkToFit =
            box.value != FormValue::Boxed;
    }
}

} // namespace

void BuildDeclarationPageReport(Report &report, const FormPage &page, Cursor &declarations,
                                std::function<bool()> picture)
{
    report.setTitle(page.name);
    ReportBand &band = report.addBand(BandKind::Title, page.bandHeightMm);
    drawPicture(band, page, picture);
    placeValues(band, page, declarations);
}

QString FormAmountText(Money amount)
{
    const bool negative = amount < Money();
    const QString grouped = GroupThousands((negative ? -amount : amount).toString(2)).trimmed();
    return negative ? QLatin1Char('-') + grouped : grouped;
}

QString BoxedCharacters(const QString &text)
{
    QString boxed;
    boxed.reserve(text.size() * 4);
    for (const QChar character : text)
        boxed += character + QStringLiteral("   ");
    return boxed;
}

QString FormValueText(const FormBox &box, const Field &field)
{
    if (field.isNull())
        return box.value == FormValue::Mark ? QStringLiteral(" ") : QString();
    switch (box.value) {
    case FormValue::Amount:
        return FormAmountText(field.asCurrency());
    case FormValue::Number:
        return field.asString().replace(QLatin1Char('.'), QLatin1Char(','));
    case FormValue::Boxed:
        return BoxedCharacters(field.asString());
    case FormValue::Mark:
        return field.asInteger() == box.rule ? QStringLiteral("X") : QStringLiteral(" ");
    case FormValue::None:
    case FormValue::Text:
    case FormValue::Memo:
        break;
    }
    return field.asString();
}
