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

} // namespace

void BookSums::add(const JpkRow &row)
{
    ++rows;
    revenue = revenue + written(row.k9);
    goods = goods + written(row.k10);
    incidentalCosts = incidentalCosts + written(row.k11);
    expenses = expenses + written(row.k14);
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
    info.p3 = info.p1 + sums.goods + sums.incidentalCosts + sums.expenses - info.p2;
    info.p4 = sums.revenue - info.p3;
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
