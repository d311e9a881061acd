#include "print/ledger_book_layout.h"

namespace {

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result << QString::fromUtf8(text);
    return result;
}

LedgerBookColumn textColumn(const char *number, QStringList caption, double width,
                            QStringList top, QStringList bottom = {})
{
    LedgerBookColumn column;
    column.number = QString::fromLatin1(number);
    column.caption = std::move(caption);
    column.widthMm = width;
    column.topFields = std::move(top);
    column.bottomFields = std::move(bottom);
    return column;
}

LedgerBookColumn amountColumn(const char *number, QStringList caption, const char *field,
                              const char *group = "")
{
    LedgerBookColumn column;
    column.number = QString::fromLatin1(number);
    column.caption = std::move(caption);
    column.widthMm = 22;
    column.group = QString::fromUtf8(group);
    column.amountField = QString::fromLatin1(field);
    return column;
}

LedgerBookColumn remarkColumn(const char *number, QStringList caption, double width,
                              bool whenNoResearchCost)
{
    LedgerBookColumn column = textColumn(number, std::move(caption), width,
                                         {QStringLiteral("UWAGI")});
    column.conditionField = QStringLiteral("K17");
    column.whenZero = whenNoResearchCost;
    column.smallType = whenNoResearchCost;
    return column;
}

LedgerBookHalf firstHalf()
{
    LedgerBookHalf half;
    half.namesTotals = true;
    LedgerBookColumn contractor =
        textColumn("4", lines({"Imię i nazwisko (firma)"}), 64, {"NAZ1"}, {"NAZ2"});
    LedgerBookColumn address =
        textColumn("5", lines({"Adres"}), 70, {"KOD", "MIEJSC"}, {"UL"});
    contractor.group = address.group = QStringLiteral("KONTRAHENT");
    half.columns = {
        textColumn("1", lines({"Lp."}), 12, {"LP"}),
        textColumn("2", lines({"Data", "zdarzenia", "gospo-", "darczego /", "Data", "zapłaty"}),
                   22, {"DATA"}, {"A2"}),
        textColumn("3", lines({"Nr dowodu", "księgowego"}), 32, {"NRKSIEG"}),
        contractor,
        address,
        textColumn("6", lines({"Opis zdarzenia gospodarczego"}), 77, {"OPIS1"}, {"OPIS2"}),
    };
    return half;
}

LedgerBookHalf secondHalf()
{
    const char *income = "PRZYCHÓD";
    const char *expenses = "WYDATKI";
    const char *research = "Koszty działalności badawczo-rozwojowej, o kórych mowa w art.26e "
                           "ustawy o podatku dochodowym";
    LedgerBookHalf half;
    LedgerBookColumn researchCost = amountColumn("16", lines({"wartość"}), "K17", research);
    LedgerBookColumn description = remarkColumn("16", lines({"opis kosztu"}), 30, false);
    description.group = researchCost.group;
    LedgerBookColumn column15 = amountColumn("15", {}, "K16");
    column15.blankWhenZero = true;
    half.columns = {
        amountColumn("7", lines({"Wartość sprzedanych", "towarów i usług"}), "K7", income),
        amountColumn("8", lines({"pozostałe", "przychody"}), "K8", income),
        amountColumn("9", lines({"razem przychód", "(7+8)"}), "K9", income),
        amountColumn("10", lines({"Zakup towarów", "handlowych", "i materiałów wg", "cen zakupu"}),
                     "K10", expenses),
        amountColumn("11", lines({"Koszty uboczne", "zakupu"}), "K11", expenses),
        amountColumn("12", lines({"wynagrodzenia", "w gotówce", "i w naturze"}), "K12", expenses),
        amountColumn("13", lines({"pozostałe", "wydatki"}), "K13", expenses),
        amountColumn("14", lines({"razem wydatki", "(12 + 13)"}), "K14", expenses),
        column15,
        description,
        researchCost,
        remarkColumn("17", lines({"uwagi"}), 27, true),
    };
    return half;
}

} // namespace

const LedgerBookLayout &SeventeenColumnBook()
{
    static const LedgerBookLayout layout{firstHalf(), secondHalf()};
    return layout;
}
