#include "core/calendar.h"

#include <QDate>
#include <array>

int DaysInMonth(int month, int year)
{
    if (month < 1 || month > 12)
        return 0;
    // QDate has no year 0 and would answer 0 days there; a date typed as "0000" must still
    // step from day to day, so it counts as a common year, as QDate::isLeapYear counts it.
    return QDate(year == 0 ? 1 : year, month, 1).daysInMonth();
}

QString DaysInMonthText(int month, int year)
{
    const int days = DaysInMonth(month, year);
    return days == 0 ? QString() : QString::number(days);
}

QString RomanMonth(int month)
{
    static constexpr std::array<const char *, 12> numerals{
        "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(numerals[month - 1]);
}
