#include "imports/register_import.h"

#include "core/data_module.h"
#include "imports/import_rules.h"
#include "imports/import_start.h"
#include "imports/monthly_summary.h"
#include "ledger/record_operations.h"
#include "platform/prompter.h"

#include <QScopeGuard>
#include <QScopedValueRollback>

namespace {

struct ImportParameters {
    int mode = 0;              // L3: 0 every invoice, 1 a monthly summary of sales
    bool keepColumnsApart = false; // B1
};

ImportParameters readParameters(TDANE &dane)
{
    ImportParameters parameters;
    Cursor &record = dane.TPARA;
    if (!record.isOpen() || record.isEmpty())
        return parameters;
    record.first();
    if (record.hasField(QStringLiteral("L3")))
        parameters.mode = int(record.field(QStringLiteral("L3")).asInteger());
    if (record.hasField(QStringLiteral("B1")))
        parameters.keepColumnsApart = record.field(QStringLiteral("B1")).asBoolean();
    return parameters;
}

// The fields each table must have for the mode chosen, whatever else it holds.
bool tablesHaveFields(TDANE &dane, RegisterKind kind, bool summary)
{
    const bool sales = kind == RegisterKind::Sales;
    QStringList registerFields = {QStringLiteral("RD"), QStringLiteral("NAZWA"), QStringLiteral("L1")};
    QStringList headerFields = {QStringLiteral("RD"), QStringLiteral("ROK"), QStringLiteral("MC"),
                                QStringLiteral("NRD"), QStringLiteral("DATA")};
    QStringList positionFields = {QStringLiteral("RD"), QStringLiteral("ROK"), QStringLiteral("MC"),
                                  QStringLiteral("NRD"), QStringLiteral("AUTO"),
                                  QStringLiteral("KKONTO"), QStringLiteral("WNETTO"), QStringLiteral("VAT")};
    if (summary) {
        headerFields << QStringLiteral("L1");
    } else {
        if (sales)
            registerFields << QStringLiteral("Wzor");
        headerFields << QStringLiteral("NRK") << QStringLiteral("ONAZ1") << QStringLiteral("ONAZ2")
                     << QStringLiteral("OKOD") << QStringLiteral("OMIEJSC") << QStringLiteral("OUL")
                     << QStringLiteral("ONIP");
        if (!sales)
            headerFields << QStringLiteral("DATAS") << QStringLiteral("ZBANK");
        positionFields << QStringLiteral("NAZWA") << QStringLiteral("WBRUTTO") << QStringLiteral("DEK");
    }
    Prompter &prompter = dane.prompter();
    return HasImportFields(dane.TRD, QStringLiteral("RD"), registerFields, prompter)
           && HasImportFields(dane.TNAG, QStringLiteral("NAGFAKS"), headerFields, prompter)
           && HasImportFields(dane.TPOZ, QStringLiteral("POZFAKS"), positionFields, prompter);
}

} // namespace

bool RegisterImportOffered(TDANE &dane)
{
    return dane.TRD.isOpen() && dane.TNAG.isOpen() && dane.TPOZ.isOpen();
}

ImportResult ImportRegisters(TDANE &dane, RegisterKind kind, Progress &progress,
                             const std::function<void()> &editSummary)
{
    Prompter &prompter = dane.prompter();
    if (const std::optional<ImportResult> refused = ImportStartRefusal(dane))
        return *refused;
    for (Cursor *table : {&dane.TRD, &dane.TNAG, &dane.TPOZ}) {
        if (!table->isOpen()) {
            ReportUnopenedImportTable(prompter, *table);
            return {};
        }
    }
    const ImportParameters parameters = readParameters(dane);
    const bool summary = kind == RegisterKind::Sales && parameters.mode == 1;
    if (!tablesHaveFields(dane, kind, summary))
        return {};
    if (!ConfirmImport(dane, QStringLiteral("ZIVEDEZ"),
                       kind == RegisterKind::Sales ? QStringLiteral("Sprzedaż") : QStringLiteral("Zakupy")))
        return {ImportOutcome::Declined, {}};

    const QScopedValueRollback<bool> importing(dane.environment().importInProgress, true);
    setPurchaseImport(dane, kind == RegisterKind::Purchases);
    const auto salesRegistersAgain = qScopeGuard([&dane] { setPurchaseImport(dane, false); });
    if (summary)
        return ImportMonthlySummary(dane, progress, editSummary);
    return RunImportTransaction(dane, [&] {
        const ImportedEntries counts = ImportInvoices(dane, kind, parameters.keepColumnsApart, progress);
        if (!Renumber(dane, progress))
            throw ReportedImportFailure{};
        return counts;
    });
}
