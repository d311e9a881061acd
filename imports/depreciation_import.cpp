#include "imports/depreciation_import.h"

#include "core/data_module.h"
#include "imports/cost_entry.h"
#include "imports/import_key.h"
#include "imports/import_start.h"
#include "platform/prompter.h"

namespace {

// The fixed-asset program's setting table in the data root; closed when there is none.
struct FixedAssetSettings {
    explicit FixedAssetSettings(TDANE &dane) : table(dane.session(), QStringLiteral("TST"))
    {
        try {
            table.setTableName(dane.environment().dataRoot + QStringLiteral("ST"));
            table.open();
        } catch (const DbError &failure) {
            // Held by the fixed-asset program right now: that is no answer to the question.
            if (failure.isBusy())
                throw;
        }
    }
    Cursor table;
};

// Whether the fixed-asset program keeps one firm: `B1` is "True" (or a true logical value,
// as a program writing the table with plain SQL may keep it).
bool singleFirm(Cursor &settings)
{
    if (settings.isEmpty())
        return false;
    settings.first();
    const Field mode = settings.field(QStringLiteral("B1"));
    if (mode.type() == FieldType::Logical)
        return mode.asBoolean();
    return mode.asString().trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

bool sumsTableOpen(TDANE &dane)
{
    Cursor &sums = dane.TSRO;
    if (sums.isOpen())
        return true;
    try {
        sums.setTableName(dane.environment().yearDirectory() + QStringLiteral("ST/SUMA.DB"));
        sums.open();
    } catch (const DbError &) {
        return false;
    }
    return true;
}

// The first record of the working month in the sums table; the table stands on it.
bool findMonth(TDANE &dane)
{
    Cursor &sums = dane.TSRO;
    // The fixed-asset program may have posted the month since the table was last read.
    sums.refresh();
    for (sums.first(); !sums.eof(); sums.next())
        if (sums.field(QStringLiteral("MC")).asString() == dane.environment().workingMonth)
            return true;
    return false;
}

ImportedEntries writeEntry(TDANE &dane)
{
    ImportedEntries counts;
    const WorkingEnvironment &environment = dane.environment();
    EntryNumbers numbers(dane);
    const CostEntry entry{
        DepreciationImportKey(environment.workingMonth, environment.workingYear),
        QStringLiteral("DK Amor. ") + environment.workingMonth + QLatin1Char('.') + environment.workingYear,
        QStringLiteral("Amortyzacja"), {}, dane.TSRO.field(QStringLiteral("POLE4")).asCurrency()};
    WriteCostEntry(dane, numbers, entry, counts);
    return counts;
}

} // namespace

bool DepreciationImportOffered(TDANE &dane)
{
    return dane.TSRO.isOpen();
}

ImportResult ImportDepreciation(TDANE &dane)
{
    Prompter &prompter = dane.prompter();
    if (const std::optional<ImportResult> refused = ImportStartRefusal(dane))
        return *refused;
    try {
        FixedAssetSettings settings(dane);
        if (settings.table.isOpen()) {
            if (!HasImportFields(settings.table, QStringLiteral("ST"), {QStringLiteral("B1")}, prompter))
                return {};
            if (!singleFirm(settings.table)) {
                prompter.warn(QStringLiteral("Programu \"ŚRODKI TRWAŁE\" w trybie pracy dla wielu "
                                             "firm.\rBrak możliwości importu."));
                return {};
            }
        }
    } catch (const DbError &failure) {
        prompter.error(failure.message());
        return {};
    }
    if (!sumsTableOpen(dane)) {
        ReportUnopenedImportTable(prompter, dane.TSRO);
        return {};
    }
    if (!HasImportFields(dane.TSRO, QStringLiteral("SUMA"),
                         {QStringLiteral("MC"), QStringLiteral("OZN"), QStringLiteral("POLE4")}, prompter))
        return {};
    if (!ConfirmImport(dane, QStringLiteral("ŚRODKI TRWAŁE"), QStringLiteral("Koszty")))
        return {ImportOutcome::Declined, {}};
    if (!findMonth(dane))
        return {ImportOutcome::Imported, {}};
    if (!dane.TSRO.field(QStringLiteral("OZN")).asString().startsWith(QLatin1Char('1'))) {
        prompter.error(QStringLiteral("Nie wszystkie Środki Trwałe zostały zaksięgowane.\rBrak "
                                      "możliwości importu danych.\rProszę zaksięgować wszystkie "
                                      "Środki Trwałe w module Środki Trwałe."));
        return {};
    }
    return RunImportTransaction(dane, [&dane] { return writeEntry(dane); });
}
