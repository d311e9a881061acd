#include "cli/table_text_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "maintenance/open_tables.h"
#include "maintenance/text_export.h"
#include "maintenance/text_import.h"
#include "platform/prompter.h"

#include <functional>

namespace {

// Runs `transfer` on the table the first word names and the file the second; the table is
// reported when there is no such table open.
int onTable(CommandContext &context, const std::function<int(Cursor &, const QString &)> &transfer)
{
    if (context.arguments.size() != 2)
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    Cursor *table = FindOpenTable(session.dane, context.arguments[0]);
    if (!table) {
        context.prompter.error(QStringLiteral("Brak otwartej tabeli %1.\rTabele: %2")
                                   .arg(context.arguments[0],
                                        OpenTableNames(session.dane).join(QStringLiteral(", "))));
        return CliFailed;
    }
    return transfer(*table, context.arguments[1]);
}

int exportTable(CommandContext &context)
{
    return onTable(context, [&](Cursor &table, const QString &file) {
        TransferMapping mapping = ExportMapping(table);
        QString error;
        if (const std::optional<QString> columns = context.option(QStringLiteral("kolumny"));
            columns && !ChooseExportColumns(mapping, *columns, error))
            return usageError(context, error);
        const std::optional<int> rows =
            ExportTable(table, mapping, file, context.progress, context.prompter);
        if (!rows)
            return int(CliFailed);
        context.out << QStringLiteral("Wyeksportowano wierszy: ") << *rows << '\n';
        return int(CliSuccess);
    });
}

int importTable(CommandContext &context)
{
    return onTable(context, [&](Cursor &table, const QString &file) {
        const std::optional<TransferMapping> mapping = MapImportFile(table, file, context.prompter);
        if (!mapping)
            return CliFailed;
        const std::optional<ImportCounts> counts =
            ImportTable(table, *mapping, file, context.progress, context.prompter);
        if (!counts)
            return CliFailed;
        context.out << QStringLiteral("Zaktualizowano wierszy: ") << counts->updated << '\n'
                    << QStringLiteral("Dodano wierszy: ") << counts->inserted << '\n';
        return CliSuccess;
    });
}

} // namespace

void addTableTextCommands(CommandRegistry &registry)
{
    registry
        .add(QStringLiteral("export"),
             QStringLiteral("tabela do pliku tekstowego rozdzielanego tabulatorami"),
             exportTable)
        .takes(QStringLiteral("TABELA PLIK"))
        .value(QStringLiteral("kolumny"), QStringLiteral("POLE=KOLUMNA,..."),
               QStringLiteral("tylko te pola, pod tymi nazwami kolumn (POLE bez nazwy: pod "
                              "nazwą pola); domyślnie wszystkie pola pod ich nazwami"));
    registry.addGroup(QStringLiteral("import"), QStringLiteral("import danych"))
        .addOtherwise(QStringLiteral("plik tekstowy do tabeli (wiersze według klucza zmienione "
                                     "lub dodane)"),
                      importTable)
        .takes(QStringLiteral("TABELA PLIK"));
}
