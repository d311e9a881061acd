#include "cli/parameter_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "cli/field_assignments.h"
#include "core/parameter_fields.h"
#include "core/table_access.h"
#include "platform/failure_watch.h"
#include "platform/prompter.h"

#include <QStringList>

namespace {

std::optional<QString> knownParameter(const QString &name, QString &refusal)
{
    if (const ParameterField *field = FindParameterField(name))
        return field->name;
    QStringList names;
    for (const ParameterField &field : ParameterFields())
        names << field.name;
    refusal = QStringLiteral("Nieznany parametr: %1 (dozwolone: %2)")
                  .arg(name, names.join(QLatin1Char(' ')));
    return std::nullopt;
}

bool parameterRecordReady(CliSession &session, Prompter &prompter)
{
    if (!session.started())
        return false;
    if (!session.dane.TPARA.isOpen() || session.dane.TPARA.isEmpty()) {
        prompter.error(QStringLiteral("Brak rekordu parametrów w tabeli KSIEGA."));
        return false;
    }
    session.dane.TPARA.first();
    return true;
}

int parametersShow(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!parameterRecordReady(session, context.prompter))
        return CliFailed;
    for (const ParameterField &field : ParameterFields())
        context.out << field.name << '=' << ShownParameter(session.dane.TPARA, field) << '\n';
    return CliSuccess;
}

int parametersSet(CommandContext &context)
{
    QString error;
    const auto assignments = parseAssignments(context.arguments, knownParameter, error);
    if (!assignments || assignments->isEmpty())
        return usageError(context, error);
    QList<FieldAssignment> checked;
    for (const auto &[name, text] : *assignments) {
        const std::optional<QString> value = ParameterValue(*FindParameterField(name), text, error);
        if (!value) {
            context.prompter.error(error);
            return CliFailed;
        }
        checked << FieldAssignment{name, *value};
    }

    FailureWatch watch(context.prompter);
    CommandContext watched{context.options, context.arguments, context.out, context.err, watch,
                           context.progress, context.given, context.name, context.usage};
    CliSession session(watched);
    if (!parameterRecordReady(session, watch))
        return CliFailed;
    Cursor &parameters = session.dane.TPARA;
    try {
        EnsureEditing(parameters);
        applyAssignments(parameters, checked);
    } catch (const DbError &failure) {
        parameters.cancel();
        watch.error(failure.message());
        return CliFailed;
    }
    return SaveTable(parameters, watch) && !watch.failed() ? CliSuccess : CliFailed;
}

QString fieldHelp()
{
    QStringList lines;
    for (const ParameterField &field : ParameterFields()) {
        const QString values = field.logical ? QStringLiteral("tak|nie")
                                             : QStringLiteral("%1..%2").arg(field.minimum).arg(field.maximum);
        lines << QStringLiteral("%1=%2 — %3").arg(field.name, values, field.caption);
    }
    return lines.join(QStringLiteral("; "));
}

} // namespace

void addParameterCommands(CommandRegistry &registry)
{
    CommandRegistry &parameters = registry.addGroup(
        QStringLiteral("params"), QStringLiteral("parametry wydruku i importu (tabela KSIEGA)"));
    parameters.add(QStringLiteral("show"), QStringLiteral("parametry, jedno POLE=WARTOŚĆ w wierszu"),
                   parametersShow);
    parameters
        .add(QStringLiteral("set"),
             QStringLiteral("sprawdza i zapisuje parametry: ") + fieldHelp(), parametersSet)
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."));
}
