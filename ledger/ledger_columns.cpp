#include "ledger/ledger_columns.h"

namespace {

const QString Revenue = QStringLiteral("PRZYCHÓD");
const QString Contractor = QStringLiteral("KONTRAHENT");
const QString Expenses = QStringLiteral("WYDATKI (KOSZTY)");

} // namespace

// Column -15- shows field K16 and column -16- field K17; K15 is never shown. The KSeF number
// is no column of the book before 2026: it stands beside the document number, unnumbered. The contractor
// columns and column -15- lose their group header in the full layout, as the heading
// toggle has always set them; column -16- keeps its title in both layouts.
const QList<LedgerColumn> &LedgerColumns()
{
    static const QList<LedgerColumn> columns = {
        {QStringLiteral("LP"), QStringLiteral("L.p.\r-1-  "), QString(),
         QStringLiteral("L.p.   -1-  "), QString(), QStringLiteral("-1-")},
        {QStringLiteral("DATA"), QStringLiteral("Data\rzdarzenia\rgospodarczego\r-2- "), QString(),
         QStringLiteral("Data zdarzenia gospodarczego  -2- "), QString(), QStringLiteral("-2-")},
        {QStringLiteral("NRKSIEG"), QStringLiteral("Numer\rdowodu\rksiegowego\r-3-"), QString(),
         QStringLiteral("Numer dowodu ksiegowego -3-"), QString(), QStringLiteral("-3-")},
        {QStringLiteral("NAZ1"), QStringLiteral("Imię\rNazwisko\r(firma)\r-4-"), Contractor,
         QStringLiteral("Imię i nazwisko (firma)         -4-        "), QString(), QStringLiteral("-4-")},
        {QStringLiteral("MIEJSC"), QStringLiteral("Adres\r(siedziba)\r-5-"), Contractor,
         QStringLiteral("Adres (siedziba)   -5- "), QString(), QStringLiteral("-5-")},
        {QStringLiteral("OPIS1"), QStringLiteral("Opis\rzdarzenia\rgospodarczego\r-6-"), QString(),
         QStringLiteral("Opis zdarzenia gospodarczego -6-"), QString(), QStringLiteral("-6-")},
        {QStringLiteral("K7"), QStringLiteral("wartość\rsprzedanych\rtowarów\ri usług\r-7-"), Revenue,
         QStringLiteral("wartość sprzedanych towarów i usług          -7-       "),
         Revenue, QStringLiteral("-7-")},
        {QStringLiteral("K8"), QStringLiteral("pozostałe\rprzychody\r-8-"), Revenue,
         QStringLiteral("pozostałe przychody -8-"), Revenue, QStringLiteral("-8-")},
        {QStringLiteral("K9"), QStringLiteral("Razem\rprzychód\r-9-"), Revenue,
         QStringLiteral("Razem przychód   -9-  "), Revenue, QStringLiteral("-9-")},
        {QStringLiteral("K10"),
         QStringLiteral("Zakup\rtowarów\rhandlowych\ri materiałów\rwg cen\rzakupu\r-10-"), QString(),
         QStringLiteral("Zakup towarów handlowych i materiałów wg cen zakupu    -10-   "),
         QString(), QStringLiteral("-10-")},
        {QStringLiteral("K11"), QStringLiteral("Koszty\ruboczne\rzakupu\r-11-"), QString(),
         QStringLiteral("Koszty uboczne zakupu     -11-    "), QString(), QStringLiteral("-11-")},
        {QStringLiteral("K12"), QStringLiteral("wynagrodzenia\rw gotówce\ri naturze\r-12-"), Expenses,
         QStringLiteral("wynagrodzenia w gotówce i naturze    -12-   "), Expenses, QStringLiteral("-12-")},
        {QStringLiteral("K13"), QStringLiteral("pozostałe\rwydatki\r-13-"), Expenses,
         QStringLiteral("pozostałe wydatki   -13-   "), Expenses, QStringLiteral("-13-")},
        {QStringLiteral("K14"), QStringLiteral("razem\rwydatki\r(12+13)\r-14-"), Expenses,
         QStringLiteral("razem wydatki (12+13) -14-"), Expenses, QStringLiteral("-14-")},
        {QStringLiteral("K16"), QStringLiteral("-15-"), Expenses, QStringLiteral("-15-"),
         QString(), QStringLiteral("-15-")},
        {QStringLiteral("K17"), QStringLiteral("Koszty działalności badawczo rozwojowej -16-"),
         QString(), QStringLiteral("Koszty działalności badawczo rozwojowej -16-"), QString(),
         QStringLiteral("Koszty działalności badawczo rozwojowej -16-")},
        {QStringLiteral("KSEF"), QStringLiteral("Numer\rKSeF"), QString(),
         QStringLiteral("Numer KSeF"), QString(), QStringLiteral("KSeF")},
    };
    return columns;
}
