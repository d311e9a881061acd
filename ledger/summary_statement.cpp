#include "ledger/summary_statement.h"

#include "core/data_module.h"
#include "platform/decimal.h"
#include "print/print_engine.h"

static const QString Revenue = QStringLiteral("PRZYCHÓD");
static const QString Expenses = QStringLiteral("WYDATKI (KOSZTY)");

const QList<SummaryColumn> &SummaryColumns()
{
    static const QList<SummaryColumn> columns = {
        {QStringLiteral("NAZWA"), QStringLiteral("MIESIĄC"), QString()},
        {QStringLiteral("K7"), QStringLiteral("wartość sprzedanych towarów i usług          -7-       "), Revenue},
        {QStringLiteral("K8"), QStringLiteral("pozostałe przychody -8-"), Revenue},
        {QStringLiteral("K9"), QStringLiteral("Razem przychód   -9-  "), Revenue},
        {QStringLiteral("K10"), QStringLiteral("Zakup towarów handlowych i materiałów wg cen zakupu    -10-   "), QString()},
        {QStringLiteral("K11"), QStringLiteral("Koszty uboczne zakupu     -11-    "), QString()},
        {QStringLiteral("K12"), QStringLiteral("wynagrodzenia w gotówce i naturze    -12-   "), Expenses},
        {QStringLiteral("K13"), QStringLiteral("pozostałe wydatki   -13-   "), Expenses},
        {QStringLiteral("K14"), QStringLiteral("razem wydatki (12+13)     -14-"), Expenses},
        {QStringLiteral("K15"), QStringLiteral("-15-"), QString()},
        {QStringLiteral("KW"), QStringLiteral("Wynik finansowy (9-10-11-14)"), QString()},
    };
    return columns;
}

bool ShowSummaryKind(TDANE &dane, SummaryKind kind)
{
    Cursor &sums = dane.TSUMA;
    if (!sums.isOpen())
        return false;
    if (kind == SummaryKind::Monthly)
        sums.setRange({QStringLiteral("00")}, {QStringLiteral("12")});
    else
        sums.setRange({QStringLiteral("N00")}, {QStringLiteral("N12")});
    sums.first();
    return true;
}

void CloseSummary(TDANE &dane)
{
    if (dane.TSUMA.isOpen())
        dane.TSUMA.cancelRange();
}

bool SummaryRowPosted(TDANE &dane)
{
    return dane.TSUMA.field(QStringLiteral("OZN")).asString() == QLatin1String("*");
}

QString SummaryAmountText(Field field)
{
    return field.isNull() ? QString() : field.asCurrency().toString(2);
}

QString SummaryRatioText(Field field)
{
    if (field.isNull())
        return QString();
    // The ratio as the decimal it stands for, so that a half hundredth rounds away from zero
    // whatever binary fraction holds it.
    const std::optional<Decimal> ratio = Decimal::fromDouble(field.asFloat());
    return ratio ? ratio->toFixedString(2) : field.asString();
}

PrintGrid SummaryPrintGrid(TDANE &dane, const QList<int> &widths)
{
    constexpr int NameWidth = 150;
    constexpr int AmountWidth = 84;
    PrintGrid grid{dane.TSUMA, {}, {}};
    const QList<SummaryColumn> &columns = SummaryColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        GridColumn column;
        column.fieldName = columns[i].field;
        column.title = columns[i].title;
        column.groupHeading = columns[i].group;
        const bool name = i == 0;
        column.widthPixels = widths.value(i, name ? NameWidth : AmountWidth);
        column.alignment = name ? Qt::AlignLeft : Qt::AlignRight;
        if (!name)
            column.displayText = SummaryAmountText;
        grid.columns << column;
    }
    return grid;
}

void PrintSummaryStatement(TDRUK &engine, const PrintGrid &grid)
{
    engine.DrukujTabeleX(grid, QStringLiteral("Zestawienie zbiorcze"), QString(), 0);
}
