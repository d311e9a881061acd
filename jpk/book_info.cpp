#include "jpk/book_info.h"

namespace {

QDate dateOf(const StockTaking &stockTaking)
{
    return QDate::fromString(stockTaking.date, QStringLiteral("yyyy.MM.dd"));
}

Money written(Money value)
{
    return value.rounded(2);
}

// The name of the sum is made only when the sum fails: this runs for every row of the book.
void addTo(Money &sum, Money value, const char *element)
{
    try {
        sum += written(value);
    } catch (const AmountOverflow &) {
        throw AmountOverflow(QStringLiteral("sumy %1 w pliku JPK").arg(QLatin1String(element)));
    }
}

} // namespace

void BookSums::add(const JpkRow &row)
{
    ++rows;
    addTo(revenue, row.k9, "K_9");
    addTo(goods, row.k10, "K_10");
    addTo(incidentalCosts, row.k11, "K_11");
    addTo(expenses, row.k14, "K_14");
}

JpkInfo BookInfo(const BookSums &sums, const QList<StockTaking> &stockTakings, int year)
{
    const QDate first(year, 1, 1);
    const QDate last(year, 12, 31);
    JpkInfo info;
    std::optional<QDate> opening;
    for (const StockTaking &stockTaking : stockTakings) {
        const QDate date = dateOf(stockTaking);
        if (date == first) {
            opening = date;
            info.p1 = stockTaking.value;
        } else if (date < first && (!opening || (*opening < first && date > *opening))) {
            opening = date;
            info.p1 = stockTaking.value;
        }
        if (date == last)
            info.p2 = stockTaking.value;
    }
    info.p1 = written(info.p1);
    info.p2 = written(info.p2);
    info.p3 = CalculatedAmount(QStringLiteral("P_3 w pliku JPK"), [&] {
        return info.p1 + sums.goods + sums.incidentalCosts + sums.expenses - info.p2;
    });
    info.p4 = CalculatedAmount(QStringLiteral("P_4 w pliku JPK"), [&] { return sums.revenue - info.p3; });
    return info;
}

QList<StockTaking> StockTakingsInPeriod(const QList<StockTaking> &stockTakings, const QDate &from,
                                        const QDate &to)
{
    QList<StockTaking> inside;
    for (const StockTaking &stockTaking : stockTakings) {
        const QDate date = dateOf(stockTaking);
        const bool inInfo = (date.month() == 1 && date.day() == 1)
                            || (date.month() == 12 && date.day() == 31);
        if (date >= from && date <= to && !inInfo)
            inside << stockTaking;
    }
    return inside;
}
