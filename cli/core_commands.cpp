#include "cli/core_commands.h"

#include "assembly/whole_data_root.h"
#include "cli/cli_session.h"
#include "cli/table_dump.h"
#include "core/new_data_root.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/table_files.h"

#include <QRegularExpression>

namespace {

int init(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    NewDataRoot request;
    request.dataRoot = context.options.start.dataRoot.value_or(QString());
    request.year = context.option(QStringLiteral("rok"))
                       .value_or(context.options.start.year.value_or(
                           today().toString(QStringLiteral("yyyy"))));
    request.firmName =
        context.option(QStringLiteral("firma")).value_or(QStringLiteral("Moja Firma"));
    request.operatorName =
        context.option(QStringLiteral("operator"))
            .value_or(context.options.operatorName.value_or(QStringLiteral("Administrator")));
    request.demo = context.hasOption(QStringLiteral("demo"));
    static const QRegularExpression fourDigits(QStringLiteral("^[12]\\d{3}$"));
    if (!fourDigits.match(request.year).hasMatch())
        return usageError(context,
                          QStringLiteral("Rok musi mieć cztery cyfry: %1").arg(request.year));
    CreateWholeDataRoot(request, context.prompter);
    context.out << QStringLiteral("Założono dane firmy \"%1\" na rok %2.\n")
                       .arg(request.firmName, request.year);
    return CliSuccess;
}

int status(CommandContext &context)
{
    CliSession session(context);
    // A start that gave up has no state to show, only what its messages said.
    if (!session.started())
        return CliFailed;
    const WorkingEnvironment &env = session.environment;
    context.out << "katalog: " << env.dataRoot << '\n'
                << "rok: " << env.workingYear << '\n'
                << "miesiac: " << env.workingMonth << '\n'
                << "uzytkownik: " << env.userName << '\n'
                << "lata: " << env.years.join(QLatin1Char(' ')) << '\n'
                << "tabele: " << env.openedTables.join(QLatin1Char(';')) << '\n'
                << "ostatni_zaksiegowany: " << env.lastPostedMonth << '\n';
    // A table that would not open has been named on the error stream; the state shown is
    // then not the state of the whole data.
    return env.unopenedTables.isEmpty() ? CliSuccess : CliFailed;
}

int dump(CommandContext &context)
{
    if (context.arguments.size() != 1)
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    dumpTable(session.dane, context.arguments.first(), context.out);
    return CliSuccess;
}

} // namespace

void addCoreCommands(CommandRegistry &registry)
{
    registry
        .add(QStringLiteral("init"), QStringLiteral("zakłada nowe dane w bieżącym katalogu"), init)
        .value(QStringLiteral("firma"), QStringLiteral("NAZWA"),
               QStringLiteral("nazwa firmy (domyślnie „Moja Firma”)"))
        .value(QStringLiteral("rok"), QStringLiteral("RRRR"),
               QStringLiteral("rok danych (domyślnie rok z opcji programu lub bieżący)"))
        .value(QStringLiteral("operator"), QStringLiteral("NAZWISKO"),
               QStringLiteral("pierwszy użytkownik (domyślnie „Administrator”)"))
        .flag(QStringLiteral("demo"),
              QStringLiteral("z danymi demonstracyjnymi: rok firmy do bieżącego miesiąca, "
                             "poprzednie miesiące zaksięgowane, deklaracja PIT-5"));
    registry.add(QStringLiteral("status"), QStringLiteral("pokazuje stan po uruchomieniu"), status);
    registry
        .add(QStringLiteral("dump"),
             QStringLiteral("wypisuje tabelę, np. KSIEGA/SUMA, FIRMA (tabela firmy) lub KSIEGA "
                            "(tabela parametrów)"),
             dump)
        .takes(QStringLiteral("ŚCIEŻKA"));
}
