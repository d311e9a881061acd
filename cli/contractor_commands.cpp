#include "cli/contractor_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "cli/field_assignments.h"
#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_envelope.h"
#include "contractors/contractor_notes.h"
#include "contractors/contractor_numbers.h"
#include "contractors/contractor_renumber.h"
#include "contractors/contractor_search.h"
#include "contractors/envelope_margin_entry.h"
#include "contractors/envelope_margins.h"
#include "core/table_access.h"
#include "platform/prompter.h"
#include "platform/print/printer_list.h"

#include <functional>
#include <memory>

namespace {

// The fields `fields` of a contractor or its description; the number is the catalogue's.
std::optional<QList<FieldAssignment>> contractorAssignments(const QStringList &words,
                                                            const QStringList &fields,
                                                            QString &error)
{
    const FieldLookup among = fieldAmong(fields);
    return parseAssignments(
        words,
        [&among](const QString &name, QString &refusal) -> std::optional<QString> {
            if (name.compare(QLatin1String("NR"), Qt::CaseInsensitive) != 0)
                return among(name, refusal);
            refusal =
                QStringLiteral("Numer nadaje katalog; zmiana numeru: contractor renumber NR NOWY");
            return std::nullopt;
        },
        error);
}

// The number a command names, or nothing after reporting a usage error.
std::optional<qint64> numberArgument(CommandContext &context, const QString &word, int &code)
{
    const std::optional<qint64> number = ParseContractorNumber(word);
    if (!number)
        code = usageError(context, QStringLiteral("Numer kontrahenta to od 1 do 5 cyfr: %1").arg(word));
    return number;
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
// error, with `whyNot` when there is one, when the words do not fit the command.
int onContractor(CommandContext &context, bool wordsFit,
                 const std::function<int(CliSession &, qint64)> &action,
                 const QString &whyNot = QString())
{
    if (!wordsFit)
        return usageError(context, whyNot);
    int code = CliSuccess;
    const auto number = numberArgument(context, context.arguments.value(0), code);
    if (!number)
        return code;
    CliSession session(context);
    if (!goToContractor(session, context, *number))
        return CliFailed;
    return action(session, *number);
}

// "NR POLE=WARTOŚĆ ...": runs `action` with at least one assignment of `fields` on the
// contractor of that number.
int onContractorFields(
    CommandContext &context, const QStringList &fields,
    const std::function<int(CliSession &, const QList<FieldAssignment> &)> &action)
{
    QString error;
    const auto assignments = contractorAssignments(context.arguments.mid(1), fields, error);
    return onContractor(
        context, assignments && !assignments->isEmpty(),
        [&](CliSession &session, qint64) { return action(session, *assignments); }, error);
}

// Sets the fields in the order given and saves; a refused value cancels the change.
bool assignAndSave(CliSession &session, const QList<FieldAssignment> &assignments,
                   Prompter &prompter)
{
    Cursor &contractors = session.dane.TKontrah;
    try {
        for (const auto &[field, value] : assignments)
            SetContractorField(contractors, field, value);
    } catch (const DbError &failure) {
        contractors.cancel();
        prompter.error(failure.message());
        return false;
    }
    return SaveContractor(session.dane, prompter);
}

int add(CommandContext &context)
{
    QString error;
    const auto assignments =
        contractorAssignments(context.arguments, ContractorEditFields(), error);
    if (!assignments)
        return usageError(context, error);
    CliSession session(context);
    if (!session.started() || !session.dane.TKontrah.isOpen())
        return CliFailed;
    // One save of the whole record: a value refused or a failed write leaves no contractor
    // behind and no number printed.
    const std::optional<qint64> number = AppendContractor(session.dane, context.prompter);
    if (!number || !assignAndSave(session, *assignments, context.prompter))
        return CliFailed;
    context.out << ContractorNumberText(*number) << '\n';
    return CliSuccess;
}

int edit(CommandContext &context)
{
    return onContractorFields(context, ContractorEditFields(),
                              [&](CliSession &session, const QList<FieldAssignment> &assignments) {
                                  return assignAndSave(session, assignments, context.prompter)
                                             ? CliSuccess
                                             : CliFailed;
                              });
}

int list(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    ContractorColumn column = ContractorColumn::Number;
    if (const std::optional<QString> order = context.option(QStringLiteral("po"))) {
        static const QStringList orders = {QStringLiteral("NR"), QStringLiteral("NIP"),
                                           QStringLiteral("SKROT"), QStringLiteral("MIEJSC")};
        const qsizetype at = orders.indexOf(order->toUpper());
        if (at < 0)
            return usageError(context, QStringLiteral("Nieznany porządek: %1").arg(*order));
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
    return UnlinkContractorNotes(session.dane, context.prompter) ? CliSuccess : CliFailed;
}

int show(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 1, [&](CliSession &session, qint64 number) {
        return showContractor(context, session, number);
    });
}

// The contractor's description, linked to it as the window links it.
int writeNote(CommandContext &context, CliSession &session,
              const QList<FieldAssignment> &assignments)
{
    if (!session.dane.TKONTRAHo.isOpen()) {
        context.prompter.error(QStringLiteral("Brak bazy opisów kontrahentów."));
        return CliFailed;
    }
    LinkContractorNotes(session.dane);
    Cursor &notes = session.dane.TKONTRAHo;
    bool assigned = true;
    try {
        EnsureEditing(notes);
        applyAssignments(notes, assignments);
    } catch (const DbError &failure) {
        notes.cancel();
        context.prompter.error(failure.message());
        assigned = false;
    }
    return UnlinkContractorNotes(session.dane, context.prompter) && assigned ? CliSuccess
                                                                            : CliFailed;
}

int note(CommandContext &context)
{
    return onContractorFields(context, ContractorNoteFields(),
                              [&](CliSession &session, const QList<FieldAssignment> &assignments) {
                                  return writeNote(context, session, assignments);
                              });
}

int renumber(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 2, [&](CliSession &session, qint64) {
        return RenumberContractor(session.dane, context.prompter, context.arguments[1]) ? CliSuccess
                                                                                       : CliFailed;
    });
}

int deleteOne(CommandContext &context)
{
    return onContractor(context, context.arguments.size() == 1, [&](CliSession &session, qint64) {
        return DeleteContractor(session.dane, context.prompter) ? CliSuccess : CliFailed;
    });
}

int envelope(CommandContext &context)
{
    const std::optional<QString> pdf = context.option(QStringLiteral("pdf"));
    return onContractor(context, context.arguments.size() == 1, [&](CliSession &session, qint64) {
        std::unique_ptr<PrinterList> printers;
        if (pdf)
            printers = std::make_unique<PdfFilePrinter>(*pdf);
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
        return usageError(context);
    const std::optional<EnvelopeMargins> read = readEnvelopeMargins(path);
    if (!read) {
        context.prompter.inform(QStringLiteral("Brak marginesów koperty (plik Margines.dan)."));
        return CliFailed;
    }
    context.out << QStringLiteral("Margines górny: ") << MarginText(read->topMm) << " mm\n"
                << QStringLiteral("Margines lewy: ") << MarginText(read->leftMm) << " mm\n";
    return CliSuccess;
}

} // namespace

void addContractorCommands(CommandRegistry &registry)
{
    CommandRegistry &catalogue =
        registry.addGroup(QStringLiteral("contractor"), QStringLiteral("katalog kontrahentów"));
    catalogue
        .add(QStringLiteral("add"),
             QStringLiteral(
                 "kontrahent z następnym numerem (wypisuje go); pola w podanej kolejności"),
             add)
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."));
    catalogue.add(QStringLiteral("edit"), QStringLiteral("zmienia pola kontrahenta"), edit)
        .takes(QStringLiteral("NR POLE=WARTOŚĆ ..."));
    catalogue
        .add(QStringLiteral("list"), QStringLiteral("kontrahenci: numer, NIP, skrót, miejscowość"),
             list)
        .value(QStringLiteral("po"), QStringLiteral("NR|NIP|SKROT|MIEJSC"),
               QStringLiteral("porządek listy (domyślnie NR)"));
    catalogue
        .add(QStringLiteral("show"), QStringLiteral("wszystkie pola kontrahenta i jego opisu"),
             show)
        .takes(QStringLiteral("NR"));
    catalogue.add(QStringLiteral("note"), QStringLiteral("zmienia pola opisu kontrahenta"), note)
        .takes(QStringLiteral("NR POLE=WARTOŚĆ ..."));
    catalogue
        .add(QStringLiteral("renumber"), QStringLiteral("nadaje kontrahentowi nowy numer"),
             renumber)
        .takes(QStringLiteral("NR NOWY"));
    catalogue
        .add(QStringLiteral("delete"), QStringLiteral("usuwa kontrahenta po pytaniu „Usuń rekord”"),
             deleteOne)
        .takes(QStringLiteral("NR"));
    catalogue.add(QStringLiteral("envelope"), QStringLiteral("koperta kontrahenta"), envelope)
        .takes(QStringLiteral("NR"))
        .value(QStringLiteral("pdf"), QStringLiteral("PLIK"),
               QStringLiteral("koperta do pliku PDF zamiast na drukarkę"));
    catalogue
        .add(QStringLiteral("margins"),
             QStringLiteral("pokazuje lub ustawia marginesy koperty (mm)"), margins)
        .takes(QStringLiteral("[GÓRNY LEWY]"));
}
