#include "imports/import_rows.h"

#include "platform/amount_range.h"
#include "platform/prompter.h"


namespace {

constexpr int TextWidth = 30;

struct ColumnSlot {
    int column;
    const char *description;
    Slot slot;
};

// Column 15 ("Inne") goes where the book prints its column 15, the free column `K16`: the
// ledger keeps no stored field of that number, and an amount must never vanish on import.
const ColumnSlot columnSlots[] = {
    {7, "Sprzedaż towarów i usług", Slot::K7}, {8, "Sprzedaż pozostała", Slot::K8},
    {10, "Zakup materiałów", Slot::K10},      {11, "Koszty uboczne zakupu", Slot::K11},
    {12, "Wynagrodzenie", Slot::K12},          {13, "Pozostałe wydatki", Slot::K13},
    {15, "Inne", Slot::K16},
};

const ColumnSlot *slotOfColumn(int column)
{
    for (const ColumnSlot &entry : columnSlots)
        if (entry.column == column)
            return &entry;
    return nullptr;
}

} // namespace

QString SlotField(Slot slot)
{
    static const char *const names[SlotCount] = {"K7", "K8", "K10", "K11", "K12", "K13", "K16"};
    return QString::fromLatin1(names[int(slot)]);
}

void ImportRows::add(int column, const QString &name, Money amount, Prompter &prompter)
{
    if (rows_.size() >= ImportRowLimit) {
        prompter.warn(ImportRowLimitText);
        rows_.removeLast();
    }
    ImportRow row;
    row.name = name.left(TextWidth);
    if (const ColumnSlot *target = slotOfColumn(column)) {
        row.description = QString::fromUtf8(target->description);
        row.amounts[size_t(target->slot)] = amount;
    }
    rows_.append(row);
}

void ImportRows::collapse()
{
    if (rows_.size() < 2)
        return;
    ImportRow &first = rows_.first();
    for (qsizetype i = 1; i < rows_.size(); ++i)
        for (size_t s = 0; s < first.amounts.size(); ++s)
            first.amounts[s] = CalculatedAmount(QStringLiteral("sumy pozycji faktury (pole %1)").arg(SlotField(Slot(s))),
                                                [&] { return first.amounts[s] + rows_[i].amounts[s]; });
    rows_.resize(1);
}
