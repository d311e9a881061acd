#include "core/demo_data.h"

#include "platform/cursor.h"

namespace {

const QList<DemoContractor> contractors = {
    {1, "526-000-12-46", "HURTOWNIA ŁAD", "Hurtownia Spożywcza „Ład” Sp. z o.o.", "00-950",
     "WARSZAWA", "ul. Żelazna 12"},
    {2, "677-000-21-37", "KWIACIARNIA RÓŻA", "Kwiaciarnia Róża Anna Żak", "30-001", "KRAKÓW",
     "ul. Długa 5"},
    {3, "894-000-33-12", "TRANS-ŚLĄSK", "Przedsiębiorstwo Transportowe Trans-Śląsk", "40-100",
     "KATOWICE", "ul. Górnicza 7/2"},
    {4, "779-000-45-55", "BIURO GĘŚLA", "Biuro Rachunkowe Gęśla i Wspólnicy", "60-101",
     "POZNAŃ", "ul. Półwiejska 20"},
    {5, "583-000-51-80", "ENERGA", "Energa-Obrót S.A.", "80-309", "GDAŃSK",
     "al. Grunwaldzka 472"},
    {6, "954-000-66-01", "SKLEP ŹRÓDEŁKO", "Sklep Źródełko Józef Łęcki", "44-100", "GLIWICE",
     "ul. Zwycięstwa 1"},
};

struct DemoEntry {
    int contractor; // index into contractors
    const char *description;
    const char *sales;    // column 7
    const char *goods;    // column 10
    const char *expenses; // column 13
};

// One month's typical business: sales to customers, goods bought, running costs.
const DemoEntry monthPattern[] = {
    {1, "Sprzedaż towarów", "1250.00", nullptr, nullptr},
    {0, "Zakup towarów handlowych", nullptr, "3480.50", nullptr},
    {5, "Sprzedaż towarów", "890.40", nullptr, nullptr},
    {2, "Koszty transportu", nullptr, nullptr, "420.00"},
    {1, "Sprzedaż usług", "615.00", nullptr, nullptr},
    {4, "Energia elektryczna", nullptr, nullptr, "187.23"},
    {3, "Usługi księgowe", nullptr, nullptr, "369.00"},
    {5, "Sprzedaż towarów", "2140.10", nullptr, nullptr},
};

void set(Cursor &table, const char *field, const QString &value)
{
    table.field(QString::fromLatin1(field)).setAsString(value);
}

} // namespace

const QList<DemoContractor> &DemoContractors()
{
    return contractors;
}

const QList<QPair<QString, QString>> &DemoFirmSeat()
{
    static const QList<QPair<QString, QString>> seat = {
        {QStringLiteral("ULICA"), QStringLiteral("Łączności")},
        {QStringLiteral("NUMER"), QStringLiteral("4")},
        {QStringLiteral("KOD"), QStringLiteral("02-758")},
        {QStringLiteral("MIEJSCOWOSC"), QStringLiteral("Warszawa")},
        {QStringLiteral("POCZTA"), QStringLiteral("Warszawa")},
        {QStringLiteral("WOJEWODZTWO"), QStringLiteral("mazowieckie")},
        {QStringLiteral("POWIAT"), QStringLiteral("Warszawa")},
        {QStringLiteral("GMINA"), QStringLiteral("Warszawa")},
    };
    return seat;
}

void writeDemoContractors(Cursor &table)
{
    for (const DemoContractor &c : contractors) {
        table.append();
        table.field(QStringLiteral("NR")).setInteger(c.number);
        set(table, "NIP", QString::fromUtf8(c.nip));
        set(table, "SKROT", QString::fromUtf8(c.shortName));
        set(table, "NAZWA1", QString::fromUtf8(c.name));
        set(table, "KOD", QString::fromUtf8(c.postalCode));
        set(table, "MIEJSC", QString::fromUtf8(c.town));
        set(table, "UL", QString::fromUtf8(c.street));
        table.post();
    }
}

void writeDemoEntries(Cursor &ledger, const QString &year, const QString &userName)
{
    int number = 0;
    for (int month = 1; month <= 3; ++month) {
        const QString mm = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        int day = 2;
        for (const DemoEntry &entry : monthPattern) {
            const DemoContractor &c = contractors[entry.contractor];
            ++number;
            ledger.append();
            ledger.field(QStringLiteral("LP")).setInteger(number);
            set(ledger, "MC", mm);
            set(ledger, "DATA", QStringLiteral("%1.%2.%3").arg(year, mm).arg(day, 2, 10, QLatin1Char('0')));
            set(ledger, "NRKSIEG", QStringLiteral("FV/%1/%2/%3").arg(number).arg(mm, year));
            set(ledger, "NRK", QStringLiteral("%1").arg(c.number, 5, 10, QLatin1Char('0')));
            set(ledger, "NAZ1", QString::fromUtf8(c.name));
            set(ledger, "KOD", QString::fromUtf8(c.postalCode));
            set(ledger, "MIEJSC", QString::fromUtf8(c.town));
            set(ledger, "UL", QString::fromUtf8(c.street));
            set(ledger, "NIP", QString::fromUtf8(c.nip));
            set(ledger, "OPIS1", QString::fromUtf8(entry.description));
            if (entry.sales)
                set(ledger, "K7", QString::fromLatin1(entry.sales));
            if (entry.goods)
                set(ledger, "K10", QString::fromLatin1(entry.goods));
            if (entry.expenses)
                set(ledger, "K13", QString::fromLatin1(entry.expenses));
            set(ledger, "NAZWISKO", userName);
            ledger.post();
            day += 3;
        }
    }
}
