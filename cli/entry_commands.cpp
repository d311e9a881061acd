#include "cli/entry_commands.h"

#include "cli/cli_session.h"
#include "cli/field_assignments.h"
#include "ledger/entry_operations.h"
#include "ledger/month_view.h"
#include "platform/prompter.h"

namespace {

// The boxes the entry editor locks while a posted month is shown.
const QStringList LockedInPostedMonth = {"LP", "DATA", "MC",  "K7",  "K8",  "K9",
                                         "K10", "K11", "K12", "K13", "K14", "K16"};

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

int edit(CommandContext &context, TDANE &dane, const QStringList &words)
{
    bool ok = false;
    const qint64 number = words.value(0).toLongLong(&ok);
    QString error;
    const auto assignments = parseAssignments(words.mid(1), dane.TKSIEGA, error);
    if (!ok || !assignments) {
        context.err << (ok ? error : QStringLiteral("Użycie: entry edit LP POLE=WARTOŚĆ ..."))
                    << '\n';
        return CliUsageError;
    }
    Cursor &ledger = dane.TKSIEGA;
    // Unless a month was named, the view is the entry's own month, as a user would pick it.
    SelectWorkingMonth(dane, QStringLiteral("13"));
    if (!ledger.locate(QStringLiteral("LP"), number))
        return refuse(context, QStringLiteral("Brak zapisu o numerze %1.").arg(number));
    const QString month = context.options.month.value_or(ledger.field(QStringLiteral("MC")).asString());
    SelectWorkingMonth(dane, month);
    if (!ledger.locate(QStringLiteral("LP"), number))
        return refuse(context, QStringLiteral("Zapis numer %1 nie należy do miesiąca %2.")
                                   .arg(number)
                                   .arg(month));
    if (dane.monthIsPosted(month)) {
        for (const auto &[field, value] : *assignments)
            if (LockedInPostedMonth.contains(field.toUpper()))
                return refuse(context, QStringLiteral("Miesiąc %1 jest zaksięgowany: pola %2 "
                                                      "nie można zmienić.")
                                           .arg(month, field.toUpper()));
    }
    if (!EditEntry(dane))
        return refuse(context, QStringLiteral("Edycja zapisu numer %1 została przerwana.").arg(number));
    return assignAndSave(context, dane, *assignments);
}

int entry(CommandContext &context)
{
    const QString action = context.arguments.value(0);
    if (action != QLatin1String("add") && action != QLatin1String("edit")) {
        context.err << QStringLiteral("Użycie: entry add POLE=WARTOŚĆ ... | entry edit LP "
                                      "POLE=WARTOŚĆ ...\n");
        return CliUsageError;
    }
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    SelectWorkingMonth(session.dane, session.environment.workingMonth);
    const QStringList words = context.arguments.mid(1);
    return action == QLatin1String("add") ? add(context, session.dane, words)
                                          : edit(context, session.dane, words);
}

} // namespace

void addEntryCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("entry"),
                 QStringLiteral("zapisy księgi: entry add POLE=WARTOŚĆ ... | entry edit LP "
                                "POLE=WARTOŚĆ ..."),
                 entry);
}
