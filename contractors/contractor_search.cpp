#include "contractors/contractor_search.h"

#include "core/table_access.h"
#include "platform/cursor.h"
#include "platform/prompter.h"

#include <QRegularExpression>

QString ContractorIndexName(ContractorColumn column)
{
    switch (column) {
    case ContractorColumn::Number: return QString();
    case ContractorColumn::Nip: return QStringLiteral("Ninx");
    case ContractorColumn::ShortName: return QStringLiteral("Sinx");
    case ContractorColumn::Place: return QStringLiteral("Minx");
    }
    return QString();
}

std::optional<ContractorColumn> ContractorColumnAt(int column)
{
    switch (column) {
    case 1: return ContractorColumn::Number;
    case 2: return ContractorColumn::Nip;
    case 3: return ContractorColumn::ShortName;
    case 4: return ContractorColumn::Place;
    default: return std::nullopt;
    }
}

// Saves what is pending and selects the column's order; false when either was refused.
static bool selectOrder(Cursor &contractors, ContractorColumn column, Prompter &prompter)
{
    if (!contractors.isOpen())
        return false;
    try {
        if (!SaveTable(contractors, prompter))
            return false;
        contractors.setIndexName(ContractorIndexName(column));
        return true;
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return false;
    }
}

// The key the typed text stands for; nothing when the text cannot be a key of the column.
static std::optional<QVariant> searchKey(ContractorColumn column, const QString &typed)
{
    if (column != ContractorColumn::Number)
        return QVariant(typed);
    const QString number = typed.trimmed();
    if (number.isEmpty())
        return QVariant(); // blank sorts first: an emptied box goes back to the top
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(number).hasMatch())
        return std::nullopt;
    return QVariant(number.toLongLong());
}

void SearchContractors(Cursor &contractors, ContractorColumn column, const QString &typed,
                       Prompter &prompter)
{
    if (!selectOrder(contractors, column, prompter))
        return;
    const std::optional<QVariant> key = searchKey(column, typed);
    if (!key)
        return;
    try {
        contractors.findNearest({*key});
    } catch (const DbError &failure) {
        prompter.error(failure.message());
    }
}

void SortContractors(Cursor &contractors, ContractorColumn column, Prompter &prompter)
{
    selectOrder(contractors, column, prompter);
}
