#include "cli/firm_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "firm/firm_fields.h"
#include "firm/firm_record.h"
#include "firm/users.h"
#include "platform/failure_watch.h"

namespace {

const QString FirmUsage = QStringLiteral("Użycie: ksiega-cli firm show | firm set POLE=WARTOŚĆ ...");
const QString UserUsage =
    QStringLiteral("Użycie: ksiega-cli user list | user add NAZWISKO | user delete KOD");

int usageError(CommandContext &context, const QString &message, const QString &usage)
{
    if (!message.isEmpty())
        context.err << message << '\n';
    context.err << usage << '\n';
    return CliUsageError;
}

int firmShow(CommandContext &context)
{
    CliSession session(context);
    if (!session.started() || !GoToFirmRecord(session.dane.TFIRMA))
        return CliFailed;
    for (const FirmFormField &field : FirmFormFields()) {
        Cursor &record = field.parameter ? session.dane.TPARA : session.dane.TFIRMA;
        const QString value =
            record.hasField(field.name) ? record.field(field.name).asString() : QString();
        context.out << field.name << '=' << value << '\n';
    }
    return CliSuccess;
}

int firmSet(CommandContext &context, const QStringList &assignments)
{
    QList<QPair<const FirmFormField *, QString>> changes;
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return usageError(context, QStringLiteral("Oczekiwano POLE=WARTOŚĆ: %1").arg(assignment),
                              FirmUsage);
        const QString name = assignment.left(equals);
        const FirmFormField *field = FindFirmFormField(name);
        if (!field)
            return usageError(context, QStringLiteral("Nieznane pole danych firmy: %1").arg(name),
                              FirmUsage);
        if (field->readOnly)
            return usageError(context, QStringLiteral("Pole %1 jest tylko do odczytu.").arg(field->name),
                              FirmUsage);
        changes.append({field, assignment.mid(equals + 1)});
    }
    if (changes.isEmpty())
        return usageError(context, QString(), FirmUsage);

    FailureWatch watch(context.prompter);
    CommandContext watched{context.options, context.arguments, context.out, context.err, watch,
                           context.progress};
    CliSession session(watched);
    if (!session.started() || !GoToFirmRecord(session.dane.TFIRMA))
        return CliFailed;
    try {
        for (const auto &[field, value] : changes)
            SetFirmField(session.dane, *field, value);
    } catch (const DbError &failure) {
        CancelFirmData(session.dane);
        watch.error(failure.message());
        return CliFailed;
    }
    SaveFirmData(session.dane);
    return watch.failed() ? CliFailed : CliSuccess;
}

int firm(CommandContext &context)
{
    const QStringList &arguments = context.arguments;
    if (arguments.size() == 1 && arguments.first() == QLatin1String("show"))
        return firmShow(context);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("set"))
        return firmSet(context, arguments.mid(1));
    return usageError(context, QString(), FirmUsage);
}

int userList(CommandContext &context)
{
    CliSession session(context);
    if (!session.started() || !session.dane.TUSER.isOpen())
        return CliFailed;
    Cursor &users = session.dane.TUSER;
    for (users.first(); !users.eof(); users.next())
        context.out << users.field(QStringLiteral("KOD")).asString() << '\t'
                    << users.field(QStringLiteral("NAZWISKO")).asString() << '\n';
    context.out << QStringLiteral("Bieżący użytkownik: ")
                << OperatorPanelText(session.environment) << '\n';
    return CliSuccess;
}

int userAdd(CommandContext &context, const QString &name)
{
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    try {
        const int code = AddUser(session.dane, name);
        context.out << QStringLiteral("Dodano użytkownika %1: %2\n").arg(QString::number(code), name);
    } catch (const DbError &failure) {
        context.prompter.error(failure.message());
        return CliFailed;
    }
    return CliSuccess;
}

int userDelete(CommandContext &context, const QString &codeText)
{
    bool number = false;
    const int code = codeText.toInt(&number);
    if (!number)
        return usageError(context, QStringLiteral("Kod użytkownika musi być liczbą: %1").arg(codeText),
                          UserUsage);
    CliSession session(context);
    if (!session.started() || !session.dane.TUSER.isOpen())
        return CliFailed;
    if (!FindUser(session.dane, code)) {
        context.prompter.error(QStringLiteral("Brak użytkownika o kodzie %1.").arg(code));
        return CliFailed;
    }
    const QString name = session.dane.TUSER.field(QStringLiteral("NAZWISKO")).asString();
    if (!DeleteUser(session.dane))
        return CliFailed;
    context.out << QStringLiteral("Usunięto użytkownika %1: %2\n").arg(QString::number(code), name);
    return CliSuccess;
}

int user(CommandContext &context)
{
    const QStringList &arguments = context.arguments;
    const QString action = arguments.value(0);
    if (action == QLatin1String("list") && arguments.size() == 1)
        return userList(context);
    if (action == QLatin1String("add") && arguments.size() >= 2) {
        const QString name = arguments.mid(1).join(QLatin1Char(' ')).trimmed();
        if (!name.isEmpty())
            return userAdd(context, name);
    }
    if (action == QLatin1String("delete") && arguments.size() == 2)
        return userDelete(context, arguments[1]);
    return usageError(context, QString(), UserUsage);
}

} // namespace

void addFirmCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("firm"),
                 QStringLiteral("dane o firmie: firm show | firm set POLE=WARTOŚĆ ..."), firm);
    registry.add(QStringLiteral("user"),
                 QStringLiteral("użytkownicy: user list | user add NAZWISKO | user delete KOD"),
                 user);
}
