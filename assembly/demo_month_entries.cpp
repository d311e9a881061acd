#include "assembly/demo_month_entries.h"

#include "core/demo_data.h"

namespace {

// How busy each month is, in percent of an ordinary one: a florist's year peaks in May and
// December. Steps of 5 % keep a seasonal amount, a multiple of 20 grosze, exact.
constexpr int Season[12] = {80, 85, 95, 100, 125, 115, 105, 95, 100, 105, 115, 135};

struct MonthlyEntry {
    int day;
    const char *series;      // the document's number before "/MM/YYYY"
    int contractor;          // number in the catalogue; 0: the firm's own staff
    const char *description;
    const char *column;
    qint64 grosze;           // in an ordinary month
    bool seasonal;
    const char *research;    // an R&D cost: its description; the amount is column 16's too
};

const MonthlyEntry monthlyEntries[] = {
    {3, "FS/1", 2, "Sprzedaż towarów", "K7", 1845000, true, nullptr},
    {6, "ŁAD/218", 1, "Zakup towarów handlowych", "K10", 984060, true, nullptr},
    {7, "TS/77", 3, "Transport zakupionych towarów", "K11", 52640, true, nullptr},
    {10, "FS/2", 6, "Sprzedaż usług", "K7", 696000, true, nullptr},
    {12, "E/5521", 5, "Energia elektryczna", "K13", 31480, false, nullptr},
    {15, "KOR/1", 2, "Korekta sprzedaży – zwrot", "K7", -38540, true, nullptr},
    {20, "ŁAD/219", 1, "Materiały do prac badawczych", "K13", 68000, false,
     "Badanie trwałości kompozycji kwiatowych (ulga B+R)"},
    {25, "BR/31", 4, "Usługi księgowe", "K13", 36900, false, nullptr},
    {28, "LP/1", 0, "Wynagrodzenia", "K12", 420000, false, nullptr},
};

QString seat(const char *field)
{
    for (const auto &[name, value] : DemoFirmSeat())
        if (name == QLatin1String(field))
            return value;
    return QString();
}

// The staff's wages are booked under the firm's own address.
QList<QPair<QString, QString>> staff()
{
    return {{QStringLiteral("NAZ1"), QStringLiteral("Pracownicy – lista płac")},
            {QStringLiteral("KOD"), seat("KOD")},
            {QStringLiteral("MIEJSC"), seat("MIEJSCOWOSC").toUpper()},
            {QStringLiteral("UL"), QStringLiteral("ul. %1 %2").arg(seat("ULICA"), seat("NUMER"))}};
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

QList<DemoBookEntry> DemoMonthEntries(const QString &year, int monthNumber)
{
    const QString mm = twoDigits(monthNumber);
    QList<DemoBookEntry> entries;
    for (const MonthlyEntry &pattern : monthlyEntries) {
        DemoBookEntry entry;
        entry.contractor = pattern.contractor;
        entry.texts = {
            {QStringLiteral("DATA"), QStringLiteral("%1.%2.%3").arg(year, mm, twoDigits(pattern.day))},
            {QStringLiteral("NRKSIEG"),
             QStringLiteral("%1/%2/%3").arg(QString::fromUtf8(pattern.series), mm, year)},
            {QStringLiteral("OPIS1"), QString::fromUtf8(pattern.description)},
        };
        if (pattern.contractor == 0)
            entry.texts += staff();
        const Money amount = Money::fromGrosze(
            pattern.seasonal ? pattern.grosze * Season[monthNumber - 1] / 100 : pattern.grosze);
        entry.amounts = {{QString::fromLatin1(pattern.column), amount}};
        if (pattern.research) {
            entry.amounts.append({QStringLiteral("K17"), amount});
            entry.texts.append({QStringLiteral("UWAGI"), QString::fromUtf8(pattern.research)});
        }
        entries << entry;
    }
    return entries;
}
