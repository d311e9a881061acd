#include "pit5/form_sections.h"

#include "pit5/declaration_positions.h"

#include <QRegularExpression>

using namespace FormLayout;

namespace {

const DeclarationGroup *groupOf(const QString &field)
{
    const DeclarationPosition *position = PositionOf(field);
    return position ? &DeclarationGroups().at(position->group) : nullptr;
}

FormBox &identifier(FormPageBuilder &page, bool boxed, const QString &field, int characters,
                    const QRectF &box)
{
    return boxed ? page.boxed(field, characters, box) : page.box(field, FormValue::Text, box);
}

} // namespace

QString SectionOf(const QString &field)
{
    const DeclarationGroup *group = groupOf(field);
    return group ? group->title.trimmed() : QString();
}

QString PageHeadingOf(const QString &field)
{
    const DeclarationGroup *group = groupOf(field);
    return group ? DeclarationPages().at(group->page).heading : QString();
}

QString PageNoteOf(const QString &field)
{
    const DeclarationGroup *group = groupOf(field);
    return group ? DeclarationPages().at(group->page).note : QString();
}

QString FormField(char letter, int number)
{
    return QLatin1Char(letter) + QString::number(number);
}

QStringList FormFields(char letter, int first, int count)
{
    QStringList names;
    for (int number = first; number < first + count; ++number)
        names << FormField(letter, number);
    return names;
}

double IdentificationPart(FormPageBuilder &page, const QString &formName, bool boxed)
{
    identifier(page, boxed, QStringLiteral("P1"), 13, QRectF(Left, 4.5, 66.0, 11.5)).valueMm =
        QRectF(3.7, 9.5, 13 * CharacterPitchMm, 4.5);
    // The window's title: the form's name, then after a run of blanks what it declares.
    const QString title = PageHeadingOf(QStringLiteral("P1"));
    const QString declares = title.section(QRegularExpression(QStringLiteral("\\s{2,}")), 1);
    page.text(QRectF(70.0, 4.5, 128.5, 9.0), formName, 16, true, Qt::AlignCenter);
    page.text(QRectF(70.0, 14.5, 128.5, 6.0), declares, 9, true, Qt::AlignCenter);

    page.text(QRectF(Left + 1.5, 31.0, 46.0, 11.0), SectionOf(QStringLiteral("P4")), 7.5, true,
              Qt::AlignLeft | Qt::AlignVCenter);
    identifier(page, boxed, QStringLiteral("P4"), 7, QRectF(49.0, 31.0, 39.0, 11.0)).valueMm =
        QRectF(51.3, 35.2, 7 * CharacterPitchMm, 4.5);
    page.label(QRectF(Left, 45.0, Width, 27.0), QStringLiteral("Adnotacje urzędu skarbowego"));

    page.heading(74.5, SectionOf(QStringLiteral("P5")));
    page.box(QStringLiteral("P5"), FormValue::Text, QRectF(Left, 80.0, Width, 13.0)).valueMm =
        QRectF(10.6, 86.8, 180.2, 4.5);

    page.heading(95.0, SectionOf(QStringLiteral("P6")));
    page.heading(100.0, QStringLiteral("B.1. DANE IDENTYFIKACYJNE"), 4.5);
    constexpr double Row = 14.0;
    page.box(QStringLiteral("P6"), FormValue::Text, QRectF(Left, 104.5, 75.0, Row));
    page.box(QStringLiteral("P7"), FormValue::Text, QRectF(76.5, 104.5, 60.0, Row));
    identifier(page, boxed, QStringLiteral("P8"), 10, QRectF(136.5, 104.5, Right - 136.5, Row));
    page.heading(118.5, QStringLiteral("B.2. ADRES ZAMIESZKANIA"), 4.5);
    // Each row of the address: its fields and where each box begins.
    const QList<QList<QPair<int, double>>> address = {
        {{9, Left}, {10, 51.5}, {11, 125.0}},
        {{12, Left}, {13, 64.0}, {14, 144.0}, {15, 171.25}},
        {{16, Left}, {17, 98.5}, {18, 128.5}},
    };
    double top = 123.0;
    for (const auto &row : address) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            const double left = row[i].second;
            const double right = i + 1 < row.size() ? row[i + 1].second : Right;
            page.box(FormField('P', row[i].first), FormValue::Text,
                     QRectF(left, top, right - left, Row));
        }
        top += Row;
    }
    return top;
}

double IncomePart(FormPageBuilder &page, int rows)
{
    // Where the columns' boxes begin, and where their amounts do.
    static const double columns[] = {62.5, 96.4, 129.7, 163.8, Right};
    static const double amounts[] = {63.5, 97.4, 130.7, 164.8};
    // Each row's amounts stand 3.3 mm under its top, under the position numbers.
    static const double rowTops[] = {184.3, 192.5, 201.2, 209.7};
    constexpr double HeaderTop = 172.0;
    page.heading(HeaderTop - HeadingHeight, SectionOf(QStringLiteral("P19")));
    page.label(QRectF(Left, HeaderTop, columns[0] - Left, rowTops[0] - HeaderTop), QString());
    for (int column = 0; column < 4; ++column) {
        FormBox &header =
            page.label(QRectF(columns[column], HeaderTop, columns[column + 1] - columns[column],
                              rowTops[0] - HeaderTop),
                       IncomeColumns().at(column), Qt::AlignHCenter | Qt::AlignTop);
        header.captionMm.setTop(HeaderTop + 3.5);
    }
    for (int row = 0; row < rows; ++row) {
        const double top = rowTops[row];
        const double height = rowTops[row + 1] - top;
        page.label(QRectF(Left, top, columns[0] - Left, height), IncomeRows().at(row),
                   Qt::AlignLeft | Qt::AlignVCenter);
        for (int column = 0; column < 4; ++column)
            page.box(FormField('P', 19 + 4 * row + column), FormValue::Amount,
                     QRectF(columns[column], top, columns[column + 1] - columns[column], height))
                .valueMm = QRectF(amounts[column], top + 3.3, 26.5, ValueHeight);
    }
    return rowTops[rows];
}

double AmountsPart(FormPageBuilder &page, double top, const QString &heading,
                   const QStringList &fields)
{
    page.heading(top, heading);
    top += HeadingHeight;
    for (const QString &field : fields)
        top = page.amountRow(field, top);
    return top + 1.0;
}

double AdvancePart(FormPageBuilder &page, double top)
{
    top = AmountsPart(page, top, SectionOf(QStringLiteral("P53")),
                      {QStringLiteral("P53"), QStringLiteral("P54"), QStringLiteral("P55"),
                       QStringLiteral("P56")});
    page.heading(top, SectionOf(QStringLiteral("P57")));
    top += HeadingHeight;
    page.box(QStringLiteral("P57"), FormValue::Memo, QRectF(Left, top, 98.5, MemoHeight));
    page.box(QStringLiteral("P58"), FormValue::Memo,
             QRectF(Left + 98.5, top, Width - 98.5, MemoHeight));
    top += MemoHeight;
    for (const char *field : {"P59", "P60", "P61"})
        top = page.amountRow(QLatin1String(field), top);
    return AmountsPart(page, top + 1.0, SectionOf(QStringLiteral("P62")),
                       {QStringLiteral("P62"), QStringLiteral("P63"), QStringLiteral("P64"),
                        QStringLiteral("P65")});
}

double ShareRowPart(FormPageBuilder &page, double top, const QString &row,
                    const QStringList &fields, bool boxed)
{
    page.label(QRectF(Left, top, RowLabelWidth, 3 * LineHeight), row, Qt::AlignCenter);
    const double left = Left + RowLabelWidth;
    identifier(page, boxed, fields[0], 13, QRectF(left, top, 66.0, LineHeight));
    identifier(page, boxed, fields[1], 14, QRectF(left + 66.0, top, 72.0, LineHeight));
    page.box(fields[4], FormValue::Number,
             QRectF(left + 138.0, top, Right - left - 138.0, LineHeight));
    const double half = (Right - left) / 2;
    page.box(fields[2], FormValue::Text, QRectF(left, top + LineHeight, half, LineHeight));
    page.box(fields[3], FormValue::Text, QRectF(left + half, top + LineHeight, half, LineHeight));
    const double quarter = (Right - left) / 4;
    for (int i = 0; i < 4; ++i)
        page.box(fields[5 + i], FormValue::Amount,
                 QRectF(left + i * quarter, top + 2 * LineHeight, quarter, LineHeight));
    return top + 3 * LineHeight;
}

double AnnexesPart(FormPageBuilder &page, double top, const QStringList &fields)
{
    page.heading(top, SectionOf(fields.first()));
    top += HeadingHeight;
    const double width = Width / 4;
    for (qsizetype i = 0; i < fields.size(); ++i)
        page.box(fields[i], FormValue::Number, QRectF(Left + i * width, top, width, LineHeight));
    return top + LineHeight + 1.0;
}
