#include "ledger/ledger_columns.h"

namespace {

const QString Revenue = QStringLiteral("PRZYCHÓD");
const QString Contractor = QStringLiteral("KONTRAHENT");
const QString Expenses = QStringLiteral("WYDATKI (KOSZTY)");

// Column -15- shows field K16 and column -16- field K17; K15 is never shown. The KSeF number
// is no column of this book: it stands last, unnumbered. The contractor columns and column
// -15- lose their group header in the full layout, as the heading toggle has always set
// them; column -16- keeps its title in both layouts.
QList<LedgerColumn> seventeenColumns()
{
    return {
        {QStringLiteral("LP"), QStringLiteral("L.p.\r-1-  "), QString(),
         QStringLiteral("L.p.   -1-  "), QString(), QStringLiteral("-1-"), 6},
        {QStringLiteral("DATA"), QStringLiteral("Data\rzdarzenia\rgospodarczego\r-2- "), QString(),
         QStringLiteral("Data zdarzenia gospodarczego  -2- "), QString(), QStringLiteral("-2-"), 11},
        {QStringLiteral("NRKSIEG"), QStringLiteral("Numer\rdowodu\rksiegowego\r-3-"), QString(),
         QStringLiteral("Numer dowodu ksiegowego -3-"), QString(), QStringLiteral("-3-"), 13},
        {QStringLiteral("NAZ1"), QStringLiteral("Imię\rNazwisko\r(firma)\r-4-"), Contractor,
         QStringLiteral("Imię i nazwisko (firma)         -4-        "), QString(), QStringLiteral("-4-"), 22},
        {QStringLiteral("MIEJSC"), QStringLiteral("Adres\r(siedziba)\r-5-"), Contractor,
         QStringLiteral("Adres (siedziba)   -5- "), QString(), QStringLiteral("-5-"), 14},
        {QStringLiteral("OPIS1"), QStringLiteral("Opis\rzdarzenia\rgospodarczego\r-6-"), QString(),
         QStringLiteral("Opis zdarzenia gospodarczego -6-"), QString(), QStringLiteral("-6-"), 20},
        {QStringLiteral("K7"), QStringLiteral("wartość\rsprzedanych\rtowarów\ri usług\r-7-"), Revenue,
         QStringLiteral("wartość sprzedanych towarów i usług          -7-       "),
         Revenue, QStringLiteral("-7-"), 12},
        {QStringLiteral("K8"), QStringLiteral("pozostałe\rprzychody\r-8-"), Revenue,
         QStringLiteral("pozostałe przychody -8-"), Revenue, QStringLiteral("-8-"), 12},
        {QStringLiteral("K9"), QStringLiteral("Razem\rprzychód\r-9-"), Revenue,
         QStringLiteral("Razem przychód   -9-  "), Revenue, QStringLiteral("-9-"), 12},
        {QStringLiteral("K10"),
         QStringLiteral("Zakup\rtowarów\rhandlowych\ri materiałów\rwg cen\rzakupu\r-10-"), QString(),
         QStringLiteral("Zakup towarów handlowych i materiałów wg cen zakupu    -10-   "),
         QString(), QStringLiteral("-10-"), 12},
        {QStringLiteral("K11"), QStringLiteral("Koszty\ruboczne\rzakupu\r-11-"), QString(),
         QStringLiteral("Koszty uboczne zakupu     -11-    "), QString(), QStringLiteral("-11-"), 12},
        {QStringLiteral("K12"), QStringLiteral("wynagrodzenia\rw gotówce\ri naturze\r-12-"), Expenses,
         QStringLiteral("wynagrodzenia w gotówce i naturze    -12-   "), Expenses, QStringLiteral("-12-"), 12},
        {QStringLiteral("K13"), QStringLiteral("pozostałe\rwydatki\r-13-"), Expenses,
         QStringLiteral("pozostałe wydatki   -13-   "), Expenses, QStringLiteral("-13-"), 12},
        {QStringLiteral("K14"), QStringLiteral("razem\rwydatki\r(12+13)\r-14-"), Expenses,
         QStringLiteral("razem wydatki (12+13) -14-"), Expenses, QStringLiteral("-14-"), 12},
        {QStringLiteral("K16"), QStringLiteral("-15-"), Expenses, QStringLiteral("-15-"),
         QString(), QStringLiteral("-15-"), 12},
        {QStringLiteral("K17"), QStringLiteral("Koszty działalności badawczo rozwojowej -16-"),
         QString(), QStringLiteral("Koszty działalności badawczo rozwojowej -16-"), QString(),
         QStringLiteral("Koszty działalności badawczo rozwojowej -16-"), 16},
        {QStringLiteral("KSEF"), QStringLiteral("Numer\rKSeF"), QString(),
         QStringLiteral("Numer KSeF"), QString(), QStringLiteral("KSeF"), 33},
    };
}

struct Heading {
    const char *field;
    std::initializer_list<const char *> lines;
    const QString &group;
    int widthCharacters;
};

// The newer book's headings follow one pattern: the title's lines over the column number at
// start, the same words on one line in the full layout, the number alone in the brief one.
// Column -17- (K16) is the book's free column, with a number only; the research costs keep
// their title in both layouts, as in the older book.
QList<LedgerColumn> nineteenColumns()
{
    const QString none;
    const Heading headings[] = {
        {"LP", {"L.p."}, none, 6},
        {"DATA", {"Data", "zdarzenia", "gospodarczego"}, none, 11},
        {"KSEF", {"Numer", "KSeF"}, none, 33},
        {"NRKSIEG", {"Numer", "dowodu", "księgowego"}, none, 13},
        {"NIP", {"Identyfikator", "podatkowy"}, Contractor, 14},
        {"NAZ1", {"Imię", "Nazwisko", "(firma)"}, Contractor, 22},
        {"MIEJSC", {"Adres", "(siedziba)"}, Contractor, 14},
        {"OPIS1", {"Opis", "zdarzenia", "gospodarczego"}, none, 20},
        {"K7", {"wartość", "sprzedanych", "towarów", "i usług"}, Revenue, 12},
        {"K8", {"pozostałe", "przychody"}, Revenue, 12},
        {"K9", {"Razem", "przychód"}, Revenue, 12},
        {"K10", {"Zakup", "towarów", "handlowych", "i materiałów", "wg cen", "zakupu"}, none, 12},
        {"K11", {"Koszty", "uboczne", "zakupu"}, none, 12},
        {"K12", {"wynagrodzenia", "w gotówce", "i naturze"}, Expenses, 12},
        {"K13", {"pozostałe", "wydatki"}, Expenses, 12},
        {"K14", {"razem", "wydatki", "(14+15)"}, Expenses, 12},
        {"K16", {}, Expenses, 12},
        {"K17", {"Koszty działalności badawczo rozwojowej"}, none, 16},
    };
    QList<LedgerColumn> columns;
    int number = 0;
    for (const Heading &heading : headings) {
        QStringList lines;
        for (const char *line : heading.lines)
            lines << QString::fromUtf8(line);
        const QString numbered = QStringLiteral("-%1-").arg(++number);
        LedgerColumn column;
        column.field = QString::fromLatin1(heading.field);
        column.title = (lines + QStringList(numbered)).join(QLatin1Char('\r'));
        column.group = column.fullGroup = heading.group;
        column.full = (lines + QStringList(numbered)).join(QLatin1Char(' '));
        column.brief = numbered;
        column.widthCharacters = heading.widthCharacters;
        columns << column;
    }
    return columns;
}

} // namespace

const QList<LedgerColumn> &LedgerColumns(BookForm form)
{
    static const QList<LedgerColumn> seventeen = seventeenColumns();
    static const QList<LedgerColumn> nineteen = nineteenColumns();
    return form == BookForm::NineteenColumns ? nineteen : seventeen;
}
