#include "ledger/month_totals.h"

#include "platform/decimal.h"

const QStringList &MonthTotals::fieldNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (int number = FirstColumn; number <= LastColumn; ++number)
            list << QStringLiteral("K%1").arg(number);
        return list;
    }();
    return names;
}

QList<Field> MonthTotals::fieldsOf(Cursor &cursor)
{
    QList<Field> fields;
    for (const QString &name : fieldNames())
        fields << cursor.field(name);
    return fields;
}

void MonthTotals::add(const QList<Field> &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        try {
            sums_[i] += fields[i].asCurrency();
        } catch (const AmountOverflow &) {
            throw AmountOverflow(QStringLiteral("sumy kolumny %1").arg(FirstColumn + i));
        }
    }
}

void MonthTotals::addReachable(Cursor &cursor)
{
    const QList<Field> fields = fieldsOf(cursor);
    for (cursor.first(); !cursor.eof(); cursor.next())
        add(fields);
}

std::optional<double> MonthTotals::profitability() const
{
    return RatioPercent(column(9) - column(10) - column(11) - column(15), column(9));
}

std::optional<double> MonthTotals::marginOnPurchases() const
{
    return RatioPercent(column(9) - column(10) - column(11), column(10) + column(11));
}

std::optional<double> MonthTotals::marginOnTurnover() const
{
    return RatioPercent(column(9) - column(10) - column(11), column(9));
}

void MonthTotals::writeInto(Cursor &sums) const
{
    QList<Field> fields = fieldsOf(sums);
    for (qsizetype i = 0; i < fields.size(); ++i)
        fields[i].setCurrency(sums_[i]);
    const std::array<std::pair<const char *, std::optional<double>>, 3> ratios = {
        {{"W1", profitability()}, {"W2", marginOnPurchases()}, {"W3", marginOnTurnover()}}};
    for (const auto &[name, ratio] : ratios) {
        Field field = sums.field(QString::fromLatin1(name));
        if (ratio)
            field.setFloat(*ratio);
        else
            field.clear();
    }
}

std::optional<double> RatioPercent(Money numerator, Money denominator)
{
    if (denominator <= Money())
        return std::nullopt;
    return RoundedQuotient(numerator, denominator, 100, 2);
}
