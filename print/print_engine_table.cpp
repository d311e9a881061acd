// The table printer: the visible columns of a grid as a framed text table, one character
// per 6 screen pixels, with group headings, an ordinal column and a totals row.

#include "print/print_engine.h"

#include "core/number_format.h"
#include "platform/frozen_view.h"

#include <QScopeGuard>
#include <QStringList>

#include <algorithm>

// numerator / denominator rounded to the nearest whole number, halves to the even one, as
// the grid widths and centring have always been rounded.
static int roundHalfEven(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

static QString spaces(int count)
{
    return RepeatChar(QLatin1Char(' '), qMax(count, 0));
}

// Text in a cell of width w, placed as the column places its data.
static QString aligned(QString text, int width, Qt::Alignment alignment)
{
    if (text.size() < width) {
        if (alignment & Qt::AlignRight)
            text = spaces(width - int(text.size())) + text;
        else if (alignment & Qt::AlignHCenter)
            text = spaces(roundHalfEven(width - int(text.size()), 2)) + text;
    }
    return PadToWidth(text, width);
}

static QString displayText(const GridColumn &column, Field field)
{
    if (column.displayText)
        return column.displayText(field);
    if (isCurrencyType(field.type()))
        return field.isNull() ? QString() : field.asCurrency().toString(2);
    return field.asString();
}

// The field's value as an amount to add to a total; nothing when it is not a number.
static std::optional<Money> amountOf(Field field)
{
    if (field.isNull())
        return std::nullopt;
    if (isCurrencyType(field.type()))
        return field.asCurrency();
    if (isIntegerType(field.type()))
        return Money::fromZloty(field.asInteger());
    if (field.type() == FieldType::Float)
        return Money::fromDouble(field.asFloat());
    return Money::parse(field.asString().trimmed());
}

void TDRUK::DrukujTabeleX(const PrintGrid &DBGrid, const QString &TYT, QString POLE,
                          int IlTexNag)
{
    Cursor &data = DBGrid.data;
    if (!data.isOpen() || data.isEmpty())
        return;
    if (!POLE.isEmpty() && !POLE.endsWith(QLatin1Char(';')))
        POLE += QLatin1Char(';');
    const bool ordinal = POLE.startsWith(QLatin1String("LP"));

    QString rule = ordinal ? QStringLiteral("======") : QStringLiteral("=");
    QString titles = ordinal ? QStringLiteral("| LP |") : QStringLiteral("|");
    QString underline = ordinal ? QStringLiteral("|----|") : QStringLiteral("|");
    QString groups = ordinal ? QStringLiteral("|    |") : QStringLiteral("|");

    struct PrintedColumn {
        const GridColumn *column;
        int width;
        bool totalled;
        Money total;
    };
    QList<PrintedColumn> printed;
    QString group;
    int span = 0;
    bool hasGroups = false;
    const auto closeGroup = [&] {
        if (group.isEmpty())
            return;
        QString text = group;
        const int gap = span - int(text.size()) - 1;
        if (gap > 1)
            text = spaces(roundHalfEven(gap, 2)) + text;
        groups += PadToWidth(text, span - 1) + QLatin1Char('|');
    };
    const QStringList totalled = POLE.split(QLatin1Char(';'));
    for (const GridColumn &column : DBGrid.columns) {
        const int width = roundHalfEven(column.widthPixels, 6);
        if (!column.visible || width <= 0 || column.fieldName.isEmpty())
            continue;
        rule += RepeatChar(QLatin1Char('='), width + 1);
        QString caption = column.title;
        if (width - caption.size() >= 2)
            caption = spaces(roundHalfEven(width - int(caption.size()), 2)) + caption;
        titles += PadToWidth(caption, width) + QLatin1Char('|');
        underline += RepeatChar(QLatin1Char('-'), width) + QLatin1Char('|');
        if (column.groupHeading != group) {
            closeGroup();
            group = column.groupHeading;
            span = 0;
            hasGroups = true;
        }
        if (column.groupHeading.isEmpty())
            groups += spaces(width) + QLatin1Char('|');
        else
            span += width + 1;
        printed.append({&column, width, totalled.contains(column.fieldName), Money()});
    }
    closeGroup();
    const bool hasTotals =
        std::any_of(printed.cbegin(), printed.cend(), [](const auto &c) { return c.totalled; });

    START(TYT, false, data.recordCount(), IlTexNag + 3 + (hasGroups ? 1 : 0), true);
    // A report that fails before its STOP leaves nothing that passes for the whole printout.
    auto abandon = qScopeGuard([this] { abandonReport(); });
    const int headings = qBound(0, IlTexNag, TextNagSize);
    for (int i = 1; i <= headings; ++i)
        PISZ(TextNag[i]);
    QStringList head{rule};
    if (hasGroups)
        head.append(groups);
    head << titles << underline;
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (headings + 1 + i <= TextNagSize)
            TextNag[headings + 1 + i] = head.at(i);
        PISZ(head.at(i));
    }

    int rowNumber = 0;
    const auto printRow = [&] {
        Postep();
        QString line = ordinal ? QLatin1Char('|') + FormatByMask(QStringLiteral("####"), ++rowNumber)
                                     + QLatin1Char('|')
                               : QStringLiteral("|");
        for (PrintedColumn &cell : printed) {
            const Field field = data.field(cell.column->fieldName);
            line += aligned(displayText(*cell.column, field), cell.width, cell.column->alignment)
                    + QLatin1Char('|');
            if (cell.totalled)
                if (const std::optional<Money> amount = amountOf(field))
                    cell.total += *amount;
        }
        PISZ(line);
    };
    {
        const FrozenWalk walk(data);
        if (!DBGrid.selectedRows.isEmpty()) {
            for (const Cursor::Bookmark &row : DBGrid.selectedRows)
                if (data.gotoBookmark(row))
                    printRow();
        } else {
            for (data.first(); !data.eof(); data.next())
                printRow();
        }
    }

    PISZ(rule);
    if (hasTotals) {
        QString line = ordinal ? QStringLiteral("|    |") : QStringLiteral("|");
        bool labelPlaced = false;
        for (const PrintedColumn &cell : printed) {
            if (cell.totalled) {
                line += aligned(RemoveSpaces(FormatByMask(QStringLiteral("##########9.99"),
                                                          cell.total)),
                                cell.width, cell.column->alignment);
            } else if (!labelPlaced && cell.width > 6) {
                line += PadToWidth(QStringLiteral("RAZEM :"), cell.width);
                labelPlaced = true;
            } else {
                line += spaces(cell.width);
            }
            line += QLatin1Char('|');
        }
        PISZ(line);
        PISZ(rule);
    }
    abandon.dismiss();
    STOP(true);
}
