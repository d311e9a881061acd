#include "cli/import_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "imports/depreciation_import.h"
#include "imports/register_import.h"
#include "imports/vehicle_import.h"
#include "ledger/entry_operations.h"
#include "platform/failure_watch.h"

namespace {

using CompanionImport = std::function<ImportResult(TDANE &, Progress &)>;

// Prints what the import did only when it did it: a refusal, an "Przerwij" or any error
// on the way (a save that failed in the editor step too) ends the command with exit 1.
int runImport(CommandContext &context, const CompanionImport &import)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    FailureWatch watch(context.prompter);
    CommandContext watched{context.options, context.arguments, context.out, context.err, watch,
                           context.progress, context.given, context.name, context.usage};
    CliSession session(watched);
    if (!session.started())
        return CliFailed;
    const ImportResult result = import(session.dane, context.progress);
    if (!result.imported() || watch.failed())
        return CliFailed;
    context.out << ImportedEntriesText(result.counts) << '\n';
    return CliSuccess;
}

// The monthly summary's entry editor without a window: its closing question ("Czy zapisać
// zmiany ?") takes the next answer.
CompanionImport registerImport(RegisterKind kind)
{
    return [kind](TDANE &dane, Progress &progress) {
        return ImportRegisters(dane, kind, progress, [&dane] { CloseEntryEditor(dane); });
    };
}

} // namespace

void addImportCommands(CommandRegistry &registry)
{
    CommandRegistry &imports = registry.addGroup(QStringLiteral("import"), QStringLiteral("import danych"));
    imports.add(QStringLiteral("sales"),
                QStringLiteral("sprzedaż miesiąca z rejestrów programu ZIVEDEZ (pytania: ok, przy "
                               "imporcie zbiorczym także t/n zapisu)"),
                [](CommandContext &context) { return runImport(context, registerImport(RegisterKind::Sales)); });
    imports.add(QStringLiteral("purchases"),
                QStringLiteral("zakupy miesiąca z rejestrów programu ZIVEDEZ (pytanie: ok)"),
                [](CommandContext &context) {
                    return runImport(context, registerImport(RegisterKind::Purchases));
                });
    imports.add(QStringLiteral("vehicles"),
                QStringLiteral("koszty użytkowania samochodów z programu SAMOCHÓD (pytanie: ok)"),
                [](CommandContext &context) {
                    return runImport(context, [](TDANE &dane, Progress &) { return ImportVehicleCosts(dane); });
                });
    imports.add(QStringLiteral("depreciation"),
                QStringLiteral("amortyzacja z programu ŚRODKI TRWAŁE (pytanie: ok)"),
                [](CommandContext &context) {
                    return runImport(context, [](TDANE &dane, Progress &) { return ImportDepreciation(dane); });
                });
}
