#include "cli/stock_taking_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "cli/field_assignments.h"
#include "ledger/stock_taking.h"
#include "platform/prompter.h"

namespace {

const QStringList Fields = {QStringLiteral("DATA"), QStringLiteral("WARTOSC"), QStringLiteral("OPIS")};

int spisAdd(CommandContext &context)
{
    QString error;
    const auto assignments = parseAssignments(context.arguments, fieldAmong(Fields), error);
    if (!assignments)
        return usageError(context, error);
    QHash<QString, QString> given;
    for (const auto &[field, value] : *assignments)
        given.insert(field.toUpper(), value);
    if (!given.contains(Fields[0]) || !given.contains(Fields[1]))
        return usageError(context, QStringLiteral("Podaj DATA= i WARTOSC= spisu z natury."));
    const std::optional<StockTaking> stockTaking =
        TypedStockTaking(given[Fields[0]], given[Fields[1]], given.value(Fields[2]), error);
    if (!stockTaking) {
        context.prompter.error(error);
        return CliFailed;
    }
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    return AddStockTaking(session.environment.yearDirectory(), *stockTaking, context.prompter)
               ? CliSuccess
               : CliFailed;
}

int spisList(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    QList<StockTaking> stockTakings;
    try {
        stockTakings = ReadStockTakings(session.environment.yearDirectory());
    } catch (const DbError &error) {
        context.prompter.error(error.message());
        return CliFailed;
    }
    for (const StockTaking &stockTaking : stockTakings)
        context.out << stockTaking.date << '\t' << stockTaking.value.toString() << '\t'
                    << stockTaking.description << '\n';
    return CliSuccess;
}

int spisDelete(CommandContext &context)
{
    if (context.arguments.size() != 1)
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    return DeleteStockTaking(session.environment.yearDirectory(), context.arguments[0],
                             context.prompter)
               ? CliSuccess
               : CliFailed;
}

} // namespace

void addStockTakingCommands(CommandRegistry &registry)
{
    CommandRegistry &spis =
        registry.addGroup(QStringLiteral("spis"), QStringLiteral("spisy z natury roku roboczego"));
    spis.add(QStringLiteral("add"), QStringLiteral("nowy spis z natury"), spisAdd)
        .takes(QStringLiteral("DATA=RRRR.MM.DD WARTOSC=KWOTA [OPIS=TEKST]"));
    spis.add(QStringLiteral("list"), QStringLiteral("spisy z natury według dat"), spisList);
    spis.add(QStringLiteral("delete"), QStringLiteral("usuwa spis z natury z podanego dnia"), spisDelete)
        .takes(QStringLiteral("RRRR.MM.DD"));
}
