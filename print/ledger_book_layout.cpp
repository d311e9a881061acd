#include "print/ledger_book_layout.h"

namespace {

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result << QString::fromUtf8(text);
    return result;
}

LedgerBookColumn textColumn(const QString &number, QStringList caption, double width,
                            QStringList top, QStringList bottom = {},
                            LongText longText = LongText::Shrink)
{
    LedgerBookColumn column;
    column.number = number;
    column.caption = std::move(caption);
    column.widthMm = width;
    column.topFields = std::move(top);
    column.bottomFields = std::move(bottom);
    column.longText = longText;
    return column;
}

LedgerBookColumn amountColumn(const QString &number, QStringList caption, const char *field,
                              const char *group = "")
{
    LedgerBookColumn column;
    column.number = number;
    column.caption = std::move(caption);
    column.widthMm = 22;
    column.group = QString::fromUtf8(group);
    column.amountField = QString::fromLatin1(field);
    return column;
}

LedgerBookColumn remarkColumn(const QString &number, QStringList caption, double width,
                              bool whenNoResearchCost)
{
    LedgerBookColumn column = textColumn(number, std::move(caption), width,
                                         {QStringLiteral("UWAGI")});
    column.conditionField = QStringLiteral("K17");
    column.whenZero = whenNoResearchCost;
    column.smallType = whenNoResearchCost;
    return column;
}

void shareGroup(const char *group, std::initializer_list<LedgerBookColumn *> columns)
{
    for (LedgerBookColumn *column : columns)
        column->group = QString::fromUtf8(group);
}

QStringList eventDate()
{
    return lines({"Data", "zdarzenia", "gospo-", "darczego /", "Data", "zapłaty"});
}

LedgerBookHalf seventeenColumnsFirstHalf()
{
    LedgerBookHalf half;
    half.namesTotals = true;
    LedgerBookColumn contractor =
        textColumn("4", lines({"Imię i nazwisko (firma)"}), 64, {"NAZ1"}, {"NAZ2"});
    LedgerBookColumn address = textColumn("5", lines({"Adres"}), 70, {"KOD", "MIEJSC"}, {"UL"});
    shareGroup("KONTRAHENT", {&contractor, &address});
    half.columns = {
        textColumn("1", lines({"Lp."}), 12, {"LP"}),
        textColumn("2", eventDate(), 22, {"DATA"}, {"A2"}),
        textColumn("3", lines({"Nr dowodu", "księgowego"}), 32, {"NRKSIEG"}),
        contractor,
        address,
        textColumn("6", lines({"Opis zdarzenia gospodarczego"}), 77, {"OPIS1"}, {"OPIS2"}),
    };
    return half;
}

// Two more text columns share the sheet's width. Numbers, dates and identifiers still
// shrink, as they are of no use unless whole; the numbers of documents take both lines of
// the row; names, addresses and descriptions are cut.
LedgerBookHalf nineteenColumnsFirstHalf()
{
    LedgerBookHalf half;
    half.namesTotals = true;
    LedgerBookColumn identifier =
        textColumn("5", lines({"Identyfikator", "podatkowy"}), 22, {"NIP"});
    LedgerBookColumn contractor = textColumn("6", lines({"Imię i nazwisko (firma)"}), 53,
                                             {"NAZ1"}, {"NAZ2"}, LongText::Cut);
    LedgerBookColumn address =
        textColumn("7", lines({"Adres"}), 54, {"KOD", "MIEJSC"}, {"UL"}, LongText::Cut);
    shareGroup("KONTRAHENT", {&identifier, &contractor, &address});
    half.columns = {
        textColumn("1", lines({"Lp."}), 10, {"LP"}),
        textColumn("2", eventDate(), 20, {"DATA"}, {"A2"}),
        textColumn("3", lines({"Numer KSeF"}), 32, {"KSEF"}, {}, LongText::Wrap),
        textColumn("4", lines({"Nr dowodu", "księgowego"}), 30, {"NRKSIEG"}, {}, LongText::Wrap),
        identifier,
        contractor,
        address,
        textColumn("8", lines({"Opis zdarzenia gospodarczego"}), 56, {"OPIS1"}, {"OPIS2"},
                   LongText::Cut),
    };
    return half;
}

// The amount columns, numbered from 7 in the older book and from 9 in the newer; the
// captions that add columns up name them by their numbers.
LedgerBookHalf secondHalf(int first, const char *research)
{
    const auto number = [first](int offset) { return QString::number(first + offset); };
    const char *income = "PRZYCHÓD";
    const char *expenses = "WYDATKI";
    LedgerBookHalf half;
    LedgerBookColumn researchCost = amountColumn(number(9), lines({"wartość"}), "K17", research);
    LedgerBookColumn description = remarkColumn(number(9), lines({"opis kosztu"}), 30, false);
    description.group = researchCost.group;
    LedgerBookColumn column15 = amountColumn(number(8), {}, "K16");
    column15.blankWhenZero = true;
    half.columns = {
        amountColumn(number(0), lines({"Wartość sprzedanych", "towarów i usług"}), "K7", income),
        amountColumn(number(1), lines({"pozostałe", "przychody"}), "K8", income),
        amountColumn(number(2),
                     {QStringLiteral("razem przychód"),
                      QStringLiteral("(%1+%2)").arg(number(0), number(1))},
                     "K9", income),
        amountColumn(number(3),
                     lines({"Zakup towarów", "handlowych", "i materiałów wg", "cen zakupu"}), "K10",
                     expenses),
        amountColumn(number(4), lines({"Koszty uboczne", "zakupu"}), "K11", expenses),
        amountColumn(number(5), lines({"wynagrodzenia", "w gotówce", "i w naturze"}), "K12",
                     expenses),
        amountColumn(number(6), lines({"pozostałe", "wydatki"}), "K13", expenses),
        amountColumn(number(7),
                     {QStringLiteral("razem wydatki"),
                      QStringLiteral("(%1 + %2)").arg(number(5), number(6))},
                     "K14", expenses),
        column15,
        description,
        researchCost,
        remarkColumn(number(10), lines({"uwagi"}), 27, true),
    };
    return half;
}

} // namespace

const LedgerBookLayout &SeventeenColumnBook()
{
    static const LedgerBookLayout layout{
        seventeenColumnsFirstHalf(),
        secondHalf(7, "Koszty działalności badawczo-rozwojowej, o kórych mowa w art.26e ustawy o "
                      "podatku dochodowym")};
    return layout;
}

const LedgerBookLayout &NineteenColumnBook()
{
    static const LedgerBookLayout layout{
        nineteenColumnsFirstHalf(),
        secondHalf(9, "Koszty działalności badawczo-rozwojowej, o których mowa w art. 26e ustawy "
                      "o podatku dochodowym")};
    return layout;
}

const LedgerBookLayout &LedgerBookOf(BookForm form)
{
    return form == BookForm::NineteenColumns ? NineteenColumnBook() : SeventeenColumnBook();
}
