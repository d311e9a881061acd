#include "print/ledger_pages.h"

#include "core/program_title.h"
#include "platform/cursor.h"
#include "platform/print/report.h"
#include "print/ledger_amounts.h"
#include "print/ledger_book_layout.h"

#include <algorithm>

namespace {

// Heights in millimetres, the same on both halves.
constexpr double HeaderHeight = 12;
constexpr double GroupRow = 8;
constexpr double CaptionRow = 16;
constexpr double UnitRow = 4;
constexpr double NumberRow = 4;
constexpr double RowHeight = 8;
constexpr double TotalsRow = 6;
constexpr double Padding = 0.8;

PrintFont font(double size, bool bold = false)
{
    PrintFont result;
    result.pointSize = size;
    result.bold = bold;
    return result;
}

const PrintFont CaptionFont = font(6);
const PrintFont RowFont = font(7);
const PrintFont SmallFont = font(5.5);
const PrintFont TotalsFont = font(7, true);

double widthOf(const QList<LedgerBookColumn> &columns)
{
    double width = 0;
    for (const LedgerBookColumn &column : columns)
        width += column.widthMm;
    return width;
}

// Neighbouring columns that share a value (a group caption, a column number) share one box.
template <typename Key>
void forEachRun(const QList<LedgerBookColumn> &columns, Key key,
                const std::function<void(const QString &, double left, double width)> &run)
{
    double left = 0;
    for (qsizetype i = 0; i < columns.size();) {
        const QString value = key(columns.at(i));
        double width = 0;
        qsizetype next = i;
        while (next < columns.size() && key(columns.at(next)) == value)
            width += columns.at(next++).widthMm;
        run(value, left, width);
        left += width;
        i = next;
    }
}

ReportElement &centredBox(ReportBand &band, const QRectF &rect, const QString &text,
                          const PrintFont &type)
{
    band.addRect(rect);
    ReportElement &label = band.addLabel(rect.adjusted(Padding / 2, 0.3, -Padding / 2, -0.3),
                                         text, type, Qt::AlignCenter);
    label.multiLine = true;
    label.keepInRect = true;
    return label;
}

// Lives while the report is built; the values it gives the report keep only the ledger, the
// print state and copies of the layout.
class HalfBuilder {
public:
    HalfBuilder(Report &report, const LedgerBookHalf &half, int number, Cursor &ledger,
                LedgerPrintState &state)
        : report_(report), half_(half), number_(number), ledger_(ledger), state_(state),
          width_(widthOf(half.columns))
    {
    }

    void build()
    {
        pageHeader();
        columnHeader();
        detail();
        totals(report_.addBand(BandKind::Summary, TotalsRow), 0, QStringLiteral("Razem miesiąc:"),
               LedgerAmountText, [](const ReportState &state, const QString &field) {
                   return state.reportSum(field);
               });
        ReportBand &footer = report_.addBand(BandKind::PageFooter, 2 * TotalsRow);
        totals(footer, 0, QStringLiteral("Razem strona:"), LedgerAmountText,
               [](const ReportState &state, const QString &field) { return state.pageSum(field); });
        totals(footer, TotalsRow, QStringLiteral("Razem od początku roku:"), YearToDateText,
               [&print = state_](const ReportState &state, const QString &field) {
                   return CalculatedAmount(QStringLiteral("sumy od początku roku %1 na wydruku").arg(field),
                                           [&] { return print.carried.value(field) + state.reportSum(field); });
               });
        for (const LedgerBookColumn &column : half_.columns)
            if (!column.amountField.isEmpty())
                report_.addSum(column.amountField,
                               [amount = ledger_.field(column.amountField)] {
                                   return amount.asCurrency();
                               });
    }

private:
    void pageHeader()
    {
        ReportBand &band = report_.addBand(BandKind::PageHeader, HeaderHeight);
        const double third = width_ / 3;
        band.addField({0, 0, third, 5}, [&print = state_](const ReportState &) { return print.firmName; },
                      font(9, true));
        // The second half's label has two spaces, so the two pages of a sheet tell apart.
        const QString program =
            (number_ == 1 ? QStringLiteral("Program ") : QStringLiteral("Program  "))
            + programTitle();
        band.addLabel({third, 0, third, 5}, program, font(7), Qt::AlignHCenter | Qt::AlignTop);
        band.addField({2 * third, 0, third, 5},
                      [&print = state_](const ReportState &page) {
                          print.highestPage = std::max(print.highestPage, page.pageNumber());
                          return QStringLiteral("Strona: %1").arg(page.pageNumber());
                      },
                      font(9, true), Qt::AlignRight | Qt::AlignTop);
        band.addField({0, 5.5, third, 5}, [&print = state_](const ReportState &) { return print.monthLabel; },
                      font(8));
        band.addLabel({third, 5.5, third, 5}, QStringLiteral("Księga przychodów i rozchodów"),
                      font(10, true), Qt::AlignHCenter | Qt::AlignTop);
        band.addField({2 * third, 5.5, third, 5},
                      [&print = state_](const ReportState &) {
                          return QStringLiteral("Data wydruku: ") + print.printDate;
                      },
                      font(7), Qt::AlignRight | Qt::AlignTop);
    }

    void columnHeader()
    {
        const double captionBottom = GroupRow + CaptionRow + UnitRow;
        ReportBand &band = report_.addBand(BandKind::ColumnHeader, captionBottom + NumberRow);
        forEachRun(half_.columns, [](const LedgerBookColumn &column) { return column.group; },
                   [&band](const QString &group, double left, double width) {
                       if (!group.isEmpty())
                           centredBox(band, {left, 0, width, GroupRow}, group, CaptionFont);
                   });
        double left = 0;
        for (const LedgerBookColumn &column : half_.columns) {
            const double top = column.group.isEmpty() ? 0 : GroupRow;
            const bool units = !column.amountField.isEmpty();
            const double bottom = units ? captionBottom - UnitRow : captionBottom;
            centredBox(band, {left, top, column.widthMm, bottom - top},
                       column.caption.join(QLatin1Char('\n')), CaptionFont);
            if (units) {
                const double zloty = column.widthMm * 0.7;
                centredBox(band, {left, bottom, zloty, UnitRow}, QStringLiteral("zł"), CaptionFont);
                centredBox(band, {left + zloty, bottom, column.widthMm - zloty, UnitRow},
                           QStringLiteral("gr"), CaptionFont);
            }
            left += column.widthMm;
        }
        forEachRun(half_.columns, [](const LedgerBookColumn &column) { return column.number; },
                   [&band, captionBottom](const QString &number, double left, double width) {
                       centredBox(band, {left, captionBottom, width, NumberRow}, number,
                                  CaptionFont);
                   });
    }

    TextSource joined(const QStringList &fields)
    {
        QList<Field> handles;
        for (const QString &name : fields)
            handles << ledger_.field(name);
        return [handles](const ReportState &) {
            QStringList texts;
            for (const Field &field : handles)
                if (const QString text = field.asString().trimmed(); !text.isEmpty())
                    texts << text;
            return texts.join(QLatin1Char(' '));
        };
    }

    // The column's texts print only while its condition holds.
    std::function<bool(const ReportState &)> condition(const LedgerBookColumn &column)
    {
        if (column.conditionField.isEmpty())
            return {};
        return [amount = ledger_.field(column.conditionField), whenZero = column.whenZero](
                   const ReportState &) { return (amount.asCurrency() == Money()) == whenZero; };
    }

    void detail()
    {
        ReportBand &band = report_.addBand(BandKind::Detail, RowHeight);
        double left = 0;
        for (const LedgerBookColumn &column : half_.columns) {
            band.addRect({left, 0, column.widthMm, RowHeight});
            const QRectF inner(left + Padding, 0.5, column.widthMm - 2 * Padding, RowHeight - 1);
            if (!column.amountField.isEmpty()) {
                ReportElement &amount = band.addField(
                    {inner.left(), inner.top(), inner.width(), 3.5},
                    [field = ledger_.field(column.amountField)](const ReportState &) {
                        return field.isNull() ? QString() : LedgerAmountText(field.asCurrency());
                    },
                    RowFont, Qt::AlignRight | Qt::AlignTop);
                amount.shrinkToFit = true;
            } else if (column.smallType || column.longText == LongText::Wrap) {
                ReportElement &text = band.addField(inner, joined(column.topFields),
                                                    column.smallType ? SmallFont : RowFont);
                text.multiLine = true;
                text.keepInRect = true;
                text.printIf = condition(column);
            } else {
                for (const auto &[fields, top] : {std::pair{column.topFields, 0.0},
                                                  std::pair{column.bottomFields, 3.7}}) {
                    if (fields.isEmpty())
                        continue;
                    ReportElement &text = band.addField(
                        {inner.left(), inner.top() + top, inner.width(), 3.5}, joined(fields),
                        RowFont);
                    text.shrinkToFit = column.longText == LongText::Shrink;
                    text.cutToFit = column.longText == LongText::Cut;
                    text.printIf = condition(column);
                }
            }
            left += column.widthMm;
        }
    }

    using TotalAmount = std::function<Money(const ReportState &, const QString &field)>;

    // One row of totals at `top`: the amounts under their columns, or on the half that names
    // the rows, the name in its right-hand box.
    void totals(ReportBand &band, double top, const QString &name, QString (*format)(Money),
                const TotalAmount &total)
    {
        if (half_.namesTotals) {
            const double box = half_.columns.constLast().widthMm;
            band.addRect({width_ - box, top, box, TotalsRow});
            band.addLabel({width_ - box + Padding, top + 1, box - 2 * Padding, TotalsRow - 1.5},
                          name, TotalsFont, Qt::AlignRight | Qt::AlignTop);
            return;
        }
        double left = 0;
        for (const LedgerBookColumn &column : half_.columns) {
            band.addRect({left, top, column.widthMm, TotalsRow});
            if (!column.amountField.isEmpty()) {
                ReportElement &amount = band.addField(
                    {left + Padding, top + 1, column.widthMm - 2 * Padding, TotalsRow - 1.5},
                    [total, format, field = column.amountField,
                     blank = column.blankWhenZero](const ReportState &state) {
                        const Money sum = total(state, field);
                        return blank ? BlankWhenZero(sum, format) : format(sum);
                    },
                    TotalsFont, Qt::AlignRight | Qt::AlignTop);
                amount.shrinkToFit = true;
            }
            left += column.widthMm;
        }
    }

    Report &report_;
    const LedgerBookHalf &half_;
    int number_;
    Cursor &ledger_;
    LedgerPrintState &state_;
    double width_;
};

} // namespace

void BuildLedgerHalf(Report &report, const LedgerBookLayout &layout, int half, Cursor &ledger,
                     LedgerPrintState &state)
{
    HalfBuilder(report, half == 1 ? layout.first : layout.second, half, ledger, state).build();
}
