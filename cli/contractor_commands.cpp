#include "cli/contractor_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_envelope.h"
#include "contractors/contractor_notes.h"
#include "contractors/contractor_numbers.h"
#include "contractors/contractor_renumber.h"
#include "contractors/contractor_search.h"
#include "contractors/envelope_margin_entry.h"
#include "contractors/envelope_margins.h"
#include "platform/failure_watch.h"
#include "core/table_access.h"
#include "platform/print/printer_list.h"

#include <functional>
#include <memory>

namespace {

const QString Usage = QStringLiteral(
    "Użycie: ksiega-cli contractor add POLE=WARTOŚĆ ... | edit NR POLE=WARTOŚĆ ... | "
    "list [--po NR|NIP|SKROT|MIEJSC] | show NR | note NR POLE=WARTOŚĆ ... | "
    "renumber NR NOWY | delete NR | envelope NR [--pdf PLIK] | margins [GÓRNY LEWY]");

int usageError(CommandContext &context, const QString &message)
{
    if (!message.isEmpty())
        context.err << message << '\n';
    context.err << Usage << '\n';
    return CliUsageError;
}

using Assignments = QList<QPair<QString, QString>>;

// POLE=WARTOŚĆ words as (field as the table names it, value); an error text for a word that
// is not one or names a field outside `allowed`.
std::optional<QString> parseAssignments(const QStringList &words, const QStringList &allowed,
                                        Assignments &assignments)
{
    for (const QString &word : words) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return QStringLiteral("Oczekiwano POLE=WARTOŚĆ: %1").arg(word);
        const QString name = word.left(equals);
        if (name.compare(QLatin1String("NR"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Numer nadaje katalog; zmiana numeru: contractor renumber NR NOWY");
        const auto field = std::find_if(allowed.cbegin(), allowed.cend(), [&](const QString &known) {
            return known.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (field == allowed.cend())
            return QStringLiteral("Nieznane pole: %1 (dozwolone: %2)")
                .arg(name, allowed.join(QLatin1Char(' ')));
        assignments.append({*field, word.mid(equals + 1)});
    }
    return std::nullopt;
}

// The number a command names, or nothing after reporting a usage error.
std::optional<qint64> numberArgument(CommandContext &context, const QString &word, int &code)
{
    const std::optional<qint64> number = ParseContractorNumber(word);
    if (!number)
        code = usageError(context, QStringLiteral("Numer kontrahenta to od 1 do 5 cyfr: %1").arg(word));
    return number;
}

// "NR POLE=WARTOŚĆ ...": the number and at least one assignment of the `allowed` fields, or
// nothing after reporting a usage error.
std::optional<std::pair<qint64, Assignments>> numberedAssignments(CommandContext &context,
                                                                   const QStringList &allowed,
                                                                   int &code)
{
    const auto number = numberArgument(context, context.arguments.value(0), code);
    if (!number)
        return std::nullopt;
    Assignments assignments;
    const auto error = parseAssignments(context.arguments.mid(1), allowed, assignments);
    if (error || assignments.isEmpty()) {
        code = usageError(context, error.value_or(QString()));
        return std::nullopt;
    }
    return std::pair{*number, assignments};
}

// The contractor of that number made current; reported when there is none.
bool goToContractor(CliSession &session, CommandContext &context, qint64 number)
{
    if (!session.started() || !session.dane.TKontrah.isOpen())
        return false;
    if (FindContractor(session.dane.TKontrah, number))
        return true;
    context.prompter.error(QStringLiteral("Brak kontrahenta o numerze %1.")
                               .arg(ContractorNumberText(number)));
    return false;
}

// Runs `action` on the contractor whose number is the first word, made current; a usage
// error when the words do not fit the command.
int onContractor(CommandContext &context, bool wordsFit,
                 const std::function<int(CliSession &, qint64)> &action)
{
    if (!wordsFit)
        return usageError(context, QString());
    int code = CliSuccess;
    const auto number = numberArgument(context, context.arguments.value(0), code);
    if (!number)
        return code;
    CliSession session(context);
    if (!goToContractor(session, context, *number))
        return CliFailed;
    return action(session, *number);
}

// Sets the fields in the order given and saves; a refused value cancels the change.
int assignAndSave(CliSession &session, const Assignments &assignments, FailureWatch &watch)
{
    Cursor &contractors = session.dane.TKontrah;
    try {
        for (const auto &[field, value] : assignments)
            SetContractorField(contractors, field, value);
    } catch (const DbError &failure) {
        contractors.cancel();
        watch.error(failure.message());
        return CliFailed;
    }
    return SaveContractor(session.dane, watch) && !watch.failed() ? CliSuccess : CliFailed;
}

int add(CommandContext &context)
{
    Assignments assignments;
    if (const auto error = parseAssignments(context.arguments, ContractorEditFields(), assignments))
        return usageError(context, *error);
    CliSession session(context);
    if (!session.started() || !session.dane.TKontrah.isOpen())
        return CliFailed;
    FailureWatch watch(context.prompter);
    const std::optional<qint64> number = AddContractor(session.dane, watch);
    if (!number)
        return CliFailed;
    context.out << ContractorNumberText(*number) << '\n';
    return assignAndSave(session, assignments, watch);
}

int edit(CommandContext &context)
{
    int code = CliSuccess;
    const auto command = numberedAssignments(context, ContractorEditFields(), code);
    if (!command)
        return code;
    const auto &[number, assignments] = *command;
    CliSession session(context);
    if (!goToContractor(session, context, number))
        return CliFailed;
    FailureWatch watch(context.prompter);
    return assignAndSave(session, assignments, watch);
}

int list(CommandContext &context)
{
    ContractorColumn column = ContractorColumn::Number;
    const QStringList &words = context.arguments;
    if (!words.isEmpty()) {
        static const QStringList orders = {QStringLiteral("NR"), QStringLiteral("NIP"),
                                           QStringLiteral("SKROT"), QStringLiteral("MIEJSC")};
        QString order;
        if (words.size() == 2 && words[0] == QLatin1String("--po"))
            order = words[1];
        else if (words.size() == 1 && words[0].startsWith(QLatin1String("--po=")))
            order = words[0].mid(5);
        const qsizetype at = orders.indexOf(order.toUpper());
        if (at < 0)
            return usageError(context, QString());
        column = *ContractorColumnAt(int(at) + 1);
    }
    CliSession session(context);
    Cursor &contractors = session.dane.TKontrah;
    if (!session.started() || !contractors.isOpen())
        return CliFailed;
    SortContractors(contractors, column, context.prompter);
    context.out << "NR\tNIP\tSKROT\tMIEJSC\n";
    for (contractors.first(); !contractors.eof(); contractors.next())
        context.out << ContractorNumberText(contractors.field(QStringLiteral("NR")).asInteger())
                    << '\t' << contractors.field(QStringLiteral("NIP")).asString() << '\t'
                    << contractors.field(QStringLiteral("SKROT")).asString() << '\t'
                    << contractors.field(QStringLiteral("MIEJSC")).asString() << '\n';
    return CliSuccess;
}

// Every field of the contractor and of its description, one POLE=WARTOŚĆ a line.
int showContractor(CommandContext &context, CliSession &session, qint64 number)
{
    Cursor &contractors = session.dane.TKontrah;
    context.out << "NR=" << ContractorNumberText(number) << '\n';
    for (const QString &field : ContractorEditFields())
        context.out << field << '=' << contractors.field(field).asString() << '\n';
    if (!session.dane.TKONTRAHo.isOpen())
        return CliSuccess;
    LinkContractorNotes(session.dane);
    Cursor &notes = session.dane.TKONTRAHo;
    for (const QString &field : ContractorNoteFields()) {
        QString value = notes.isEmpty() ? QString() : notes.field(field).asString();
        value.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        context.out << field << '=' << value << '\n';
    }
    UnlinkContractorNotes(session.dane, context.prompter);
    return CliSuccess;
}

int show(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 1, [&](CliSession &session, qint64 number) {
        return showContractor(context, session, number);
    });
}

int note(CommandContext &context)
{
    int code = CliSuccess;
    const auto command = numberedAssignments(context, ContractorNoteFields(), code);
    if (!command)
        return code;
    const auto &[number, assignments] = *command;
    CliSession session(context);
    if (!goToContractor(session, context, number))
        return CliFailed;
    if (!session.dane.TKONTRAHo.isOpen()) {
        context.prompter.error(QStringLiteral("Brak bazy opisów kontrahentów."));
        return CliFailed;
    }
    FailureWatch watch(context.prompter);
    LinkContractorNotes(session.dane);
    Cursor &notes = session.dane.TKONTRAHo;
    try {
        EnsureEditing(notes);
        for (const auto &[field, value] : assignments)
            notes.field(field).setAsString(value);
    } catch (const DbError &failure) {
        notes.cancel();
        watch.error(failure.message());
    }
    UnlinkContractorNotes(session.dane, watch);
    return watch.failed() ? CliFailed : CliSuccess;
}

int renumber(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 2, [&](CliSession &session, qint64) {
        return RenumberContractor(session.dane, context.prompter, context.arguments[1]) ? CliSuccess
                                                                                       : CliFailed;
    });
}

int remove(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 1, [&](CliSession &session, qint64) {
        return DeleteContractor(session.dane, context.prompter) ? CliSuccess : CliFailed;
    });
}

int envelope(CommandContext &context)
{
    const QStringList &words = context.arguments;
    const bool toPdf = words.size() == 3 && words[1] == QLatin1String("--pdf");
    return onContractor(context, words.size() == 1 || toPdf, [&](CliSession &session, qint64) {
        std::unique_ptr<PrinterList> printers;
        if (toPdf)
            printers = std::make_unique<PdfFilePrinter>(words[2]);
        else
            printers = std::make_unique<SystemPrinters>();
        return PrintContractorEnvelope(session.dane.TKontrah, *printers, EnvelopeMarginsFile(),
                                       context.prompter)
                   ? CliSuccess
                   : CliFailed;
    });
}

int margins(CommandContext &context)
{
    const QString path = EnvelopeMarginsFile();
    if (context.arguments.size() == 2)
        return SaveEnvelopeMarginEntries(path, context.arguments[0], context.arguments[1],
                                         context.prompter)
                   ? CliSuccess
                   : CliFailed;
    if (!context.arguments.isEmpty())
        return usageError(context, QString());
    const std::optional<EnvelopeMargins> read = readEnvelopeMargins(path);
    if (!read) {
        context.prompter.inform(QStringLiteral("Brak marginesów koperty (plik Margines.dan)."));
        return CliFailed;
    }
    context.out << QStringLiteral("Margines górny: ") << MarginText(read->topMm) << " mm\n"
                << QStringLiteral("Margines lewy: ") << MarginText(read->leftMm) << " mm\n";
    return CliSuccess;
}

int contractor(CommandContext &context)
{
    static const QMap<QString, CommandFunction> subcommands = {
        {QStringLiteral("add"), add},           {QStringLiteral("edit"), edit},
        {QStringLiteral("list"), list},         {QStringLiteral("show"), show},
        {QStringLiteral("note"), note},         {QStringLiteral("renumber"), renumber},
        {QStringLiteral("delete"), remove},     {QStringLiteral("envelope"), envelope},
        {QStringLiteral("margins"), margins}};
    if (context.arguments.isEmpty() || !subcommands.contains(context.arguments.first()))
        return usageError(context, QString());
    const CommandFunction run = subcommands.value(context.arguments.first());
    CommandContext rest{context.options, context.arguments.mid(1), context.out, context.err,
                        context.prompter, context.progress};
    return run(rest);
}

} // namespace

void addContractorCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("contractor"),
                 QStringLiteral("katalog kontrahentów: add | edit | list | show | note | "
                                "renumber | delete | envelope | margins"),
                 contractor);
}
