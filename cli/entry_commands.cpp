#include "cli/entry_commands.h"

#include "cli/cli_session.h"
#include "cli/field_assignments.h"
#include "ledger/entry_editor_support.h"
#include "ledger/entry_operations.h"
#include "ledger/ledger_rules.h"
#include "ledger/month_view.h"
#include "ledger/record_operations.h"
#include "platform/prompter.h"

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
    if (!SaveEntry(dane)) {
        ledger.cancel();
        return refuse(context, QStringLiteral("Zapis nie został zapisany."));
    }
    CloseEntryEditor(dane);
    context.out << number << '\n';
    return CliSuccess;
}

int add(CommandContext &context, TDANE &dane, const QStringList &words)
{
    QString error;
    const auto assignments = parseAssignments(words, fieldOfTable(dane.TKSIEGA), error);
    if (!assignments)
        return usageError(context, error);
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
    const auto assignments = parseAssignments(words.mid(1), fieldOfTable(dane.TKSIEGA), error);
    if (!number || !assignments)
        return usageError(context, number ? error : QString());
    const QString missing = goToEntry(context, dane, *number);
    if (!missing.isEmpty())
        return refuse(context, missing);
    const QString &month = dane.environment().workingMonth;
    if (monthIsPosted(dane, month)) {
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
    const auto assignments = parseAssignments(words.mid(1), fieldOfTable(dane.TKSIEGA), error);
    if (!number || !assignments)
        return usageError(context, number ? error : QString());
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
    if (!number || words.size() != 1)
        return usageError(context);
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

using Action = int (*)(CommandContext &, TDANE &, const QStringList &);

// The entry commands work in the month view the command line names, as the window does.
CommandFunction inLedger(Action action)
{
    return [action](CommandContext &context) -> int {
        CliSession session(context);
        if (!session.started())
            return CliFailed;
        SelectWorkingMonth(session.dane, session.environment.workingMonth);
        return action(context, session.dane, context.arguments);
    };
}

// "Przenumeruj": prints how many entries took a new number.
int renumber(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
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
    CommandRegistry &entry =
        registry.addGroup(QStringLiteral("entry"), QStringLiteral("zapisy księgi"));
    entry
        .add(QStringLiteral("add"),
             QStringLiteral("nowy zapis w miesiącu roboczym (wypisuje jego numer)"), inLedger(add))
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."));
    entry.add(QStringLiteral("edit"), QStringLiteral("zmienia pola zapisu"), inLedger(edit))
        .takes(QStringLiteral("LP POLE=WARTOŚĆ ..."));
    entry
        .add(QStringLiteral("copy"),
             QStringLiteral("kopia zapisu w pierwszym otwartym miesiącu, z dzisiejszą datą"),
             inLedger(copy))
        .takes(QStringLiteral("LP [POLE=WARTOŚĆ ...]"));
    entry
        .add(QStringLiteral("delete"), QStringLiteral("anuluje zapis po pytaniu"), inLedger(remove))
        .takes(QStringLiteral("LP"));
    registry.add(QStringLiteral("renumber"),
                 QStringLiteral("przenumerowanie zapisów otwartych miesięcy według dat"), renumber);
}
