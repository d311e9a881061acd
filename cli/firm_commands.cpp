#include "cli/firm_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "cli/field_assignments.h"
#include "firm/firm_fields.h"
#include "firm/firm_record.h"
#include "firm/users.h"
#include "platform/prompter.h"

namespace {

// The fields of the firm window a user may type.
std::optional<QString> typedFirmField(const QString &name, QString &refusal)
{
    const FirmFormField *field = FindFirmFormField(name);
    if (!field)
        refusal = QStringLiteral("Nieznane pole danych firmy: %1").arg(name);
    else if (field->readOnly)
        refusal = QStringLiteral("Pole %1 jest tylko do odczytu.").arg(field->name);
    else
        return field->name;
    return std::nullopt;
}

int firmShow(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
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

int firmSet(CommandContext &context)
{
    QString error;
    const auto assignments = parseAssignments(context.arguments, typedFirmField, error);
    if (!assignments || assignments->isEmpty())
        return usageError(context, error);

    CliSession session(context);
    if (!session.started() || !GoToFirmRecord(session.dane.TFIRMA))
        return CliFailed;
    try {
        for (const auto &[field, value] : *assignments)
            SetFirmField(session.dane, *FindFirmFormField(field), value);
    } catch (const DbError &failure) {
        CancelFirmData(session.dane);
        context.prompter.error(failure.message());
        return CliFailed;
    }
    return SaveFirmData(session.dane) ? CliSuccess : CliFailed;
}

int userList(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
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

int userAdd(CommandContext &context)
{
    const QString name = context.arguments.join(QLatin1Char(' ')).trimmed();
    if (name.isEmpty())
        return usageError(context);
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

int userDelete(CommandContext &context)
{
    if (context.arguments.size() != 1)
        return usageError(context);
    bool number = false;
    const int code = context.arguments.constFirst().toInt(&number);
    if (!number)
        return usageError(context, QStringLiteral("Kod użytkownika musi być liczbą: %1")
                                       .arg(context.arguments.constFirst()));
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

} // namespace

void addFirmCommands(CommandRegistry &registry)
{
    CommandRegistry &firm =
        registry.addGroup(QStringLiteral("firm"), QStringLiteral("dane o firmie"));
    firm.add(QStringLiteral("show"),
             QStringLiteral("pola okna danych firmy, jedno POLE=WARTOŚĆ w wierszu"), firmShow);
    firm.add(QStringLiteral("set"),
             QStringLiteral("ustawia pola w podanej kolejności, jak okno danych firmy, i zapisuje"),
             firmSet)
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."));

    CommandRegistry &user =
        registry.addGroup(QStringLiteral("user"), QStringLiteral("użytkownicy"));
    user.add(QStringLiteral("list"), QStringLiteral("użytkownicy i bieżący użytkownik"), userList);
    user.add(QStringLiteral("add"), QStringLiteral("dodaje użytkownika"), userAdd)
        .takes(QStringLiteral("NAZWISKO"));
    user.add(QStringLiteral("delete"), QStringLiteral("usuwa użytkownika po pytaniu"), userDelete)
        .takes(QStringLiteral("KOD"));
}
