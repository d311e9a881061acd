#include "core/calendar.h"

#include <QDate>
#include <array>

int DaysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && QDate::isLeapYear(year))
        return 29;
    return days[month - 1];
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
