#include "cli/entry_commands.h"

#include "cli/cli_session.h"
#include "cli/field_assignments.h"
#include "ledger/entry_editor_support.h"
#include "ledger/entry_operations.h"
#include "ledger/month_view.h"
#include "ledger/record_operations.h"
#include "platform/prompter.h"

#include <QHash>
#include <optional>

namespace {

int refuse(CommandContext &context, const QString &message)
{
    context.prompter.error(message);
    return CliFailed;
}

// Assigns the fields and saves as "Zapisz" does; prints the entry's number when written.
int assignAndSave(CommandContext &context, TDANE &dane, const QList<FieldAssignment> &assignments)
{
    Cursor &ledger = dane.TKSIEGA;
    try {
        applyAssignments(ledger, assignments);
    } catch (const DbError &error) {
        ledger.cancel();
        return refuse(context, error.message());
    }
    const qint64 number = ledger.field(QStringLiteral("LP")).asInteger();
    if (!SaveEntry(dane))
        return refuse(context, QStringLiteral("Zapis nie został zapisany."));
    CloseEntryEditor(dane);
    context.out << number << '\n';
    return CliSuccess;
}

int add(CommandContext &context, TDANE &dane, const QStringList &words)
{
    QString error;
    const auto assignments = parseAssignments(words, dane.TKSIEGA, error);
    if (!assignments) {
        context.err << error << '\n';
        return CliUsageError;
    }
    const QString refusal = newEntryRefusal(dane);
    if (!refusal.isEmpty())
        return refuse(context, refusal);
    if (!NewEntry(dane))
        return refuse(context, QStringLiteral("Nie można dodać zapisu: księga nie jest otwarta."));
    return assignAndSave(context, dane, *assignments);
}

// Stands on entry `number` in its own month's view (or the month named on the command
// line), as a user would pick it. An empty text when found, else the refusal.
QString goToEntry(CommandContext &context, TDANE &dane, qint64 number)
{
    Cursor &ledger = dane.TKSIEGA;
    SelectWorkingMonth(dane, QStringLiteral("13"));
    if (!ledger.locate(QStringLiteral("LP"), number))
        return QStringLiteral("Brak zapisu o numerze %1.").arg(number);
    const QString month = context.options.month.value_or(ledger.field(QStringLiteral("MC")).asString());
    SelectWorkingMonth(dane, month);
    if (!ledger.locate(QStringLiteral("LP"), number))
        return QStringLiteral("Zapis numer %1 nie należy do miesiąca %2.").arg(number).arg(month);
    return QString();
}

std::optional<qint64> entryNumber(const QString &word)
{
    bool ok = false;
    const qint64 number = word.toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

int edit(CommandContext &context, TDANE &dane, const QStringList &words)
{
    const std::optional<qint64> number = entryNumber(words.value(0));
    QString error;
    const auto assignments = parseAssignments(words.mid(1), dane.TKSIEGA, error);
    if (!number || !assignments) {
        context.err << (number ? error : QStringLiteral("Użycie: entry edit LP POLE=WARTOŚĆ ..."))
                    << '\n';
        return CliUsageError;
    }
    const QString missing = goToEntry(context, dane, *number);
    if (!missing.isEmpty())
        return refuse(context, missing);
    const QString &month = dane.environment().workingMonth;
    if (dane.monthIsPosted(month)) {
        for (const auto &[field, value] : *assignments)
            if (FieldsLockedInPostedMonth().contains(field.toUpper()))
                return refuse(context, QStringLiteral("Miesiąc %1 jest zaksięgowany: pola %2 "
                                                      "nie można zmienić.")
                                           .arg(month, field.toUpper()));
    }
    if (!EditEntry(dane))
        return refuse(context, QStringLiteral("Edycja zapisu numer %1 została przerwana.").arg(*number));
    return assignAndSave(context, dane, *assignments);
}

// "Kopiuj zapis": the copy goes to the first open month, dated today; fields named on the
// command line are then changed as in the editor before it is saved.
int copy(CommandContext &context, TDANE &dane, const QStringList &words)
{
    const std::optional<qint64> number = entryNumber(words.value(0));
    QString error;
    const auto assignments = parseAssignments(words.mid(1), dane.TKSIEGA, error);
    if (!number || !assignments) {
        context.err << (number ? error : QStringLiteral("Użycie: entry copy LP [POLE=WARTOŚĆ ...]"))
                    << '\n';
        return CliUsageError;
    }
    SelectWorkingMonth(dane, QStringLiteral("13"));
    if (!dane.TKSIEGA.locate(QStringLiteral("LP"), *number))
        return refuse(context, QStringLiteral("Brak zapisu o numerze %1.").arg(*number));
    if (!CopyEntry(dane))
        return refuse(context, QStringLiteral("Nie można skopiować zapisu numer %1.").arg(*number));
    return assignAndSave(context, dane, *assignments);
}

// "Anuluj zapis": asks "Czy Anulować ?" (answered by --answers) and deletes the entry.
int remove(CommandContext &context, TDANE &dane, const QStringList &words)
{
    const std::optional<qint64> number = entryNumber(words.value(0));
    if (!number || words.size() != 1) {
        context.err << QStringLiteral("Użycie: entry delete LP\n");
        return CliUsageError;
    }
    const QString missing = goToEntry(context, dane, *number);
    if (!missing.isEmpty())
        return refuse(context, missing);
    const QString refusal = cancelEntryRefusal(dane);
    if (!refusal.isEmpty())
        return refuse(context, refusal);
    if (!CancelEntry(dane))
        return refuse(context, QStringLiteral("Zapis numer %1 nie został usunięty.").arg(*number));
    return CliSuccess;
}

int entry(CommandContext &context)
{
    using Action = int (*)(CommandContext &, TDANE &, const QStringList &);
    static const QHash<QString, Action> actions = {{QStringLiteral("add"), add},
                                                   {QStringLiteral("edit"), edit},
                                                   {QStringLiteral("copy"), copy},
                                                   {QStringLiteral("delete"), remove}};
    const Action action = actions.value(context.arguments.value(0));
    if (!action) {
        context.err << QStringLiteral("Użycie: entry add POLE=WARTOŚĆ ... | entry edit LP "
                                      "POLE=WARTOŚĆ ... | entry copy LP [POLE=WARTOŚĆ ...] | "
                                      "entry delete LP\n");
        return CliUsageError;
    }
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    SelectWorkingMonth(session.dane, session.environment.workingMonth);
    return action(context, session.dane, context.arguments.mid(1));
}

// "Przenumeruj": prints how many entries took a new number.
int renumber(CommandContext &context)
{
    if (!context.arguments.isEmpty()) {
        context.err << QStringLiteral("Użycie: renumber\n");
        return CliUsageError;
    }
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    SelectWorkingMonth(session.dane, session.environment.workingMonth);
    const std::optional<int> changed = Renumber(session.dane, context.progress);
    if (!changed)
        return CliFailed;
    context.out << *changed << '\n';
    return CliSuccess;
}

} // namespace

void addEntryCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("entry"),
                 QStringLiteral("zapisy księgi: entry add POLE=WARTOŚĆ ... | entry edit LP "
                                "POLE=WARTOŚĆ ... | entry copy LP [POLE=WARTOŚĆ ...] | entry "
                                "delete LP"),
                 entry);
    registry.add(QStringLiteral("renumber"),
                 QStringLiteral("przenumerowanie zapisów otwartych miesięcy według dat"), renumber);
}
