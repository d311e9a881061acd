#include "cli/pit5_commands.h"

#include "cli/cli_session.h"
#include "cli/field_assignments.h"
#include "cli/table_dump.h"
#include "core/table_access.h"
#include "pit5/declaration_printout.h"
#include "pit5/declaration_workflow.h"
#include "pit5/taxpayer_register.h"
#include "platform/joint_transaction.h"
#include "platform/prompter.h"

#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <functional>

namespace {

int failed(CommandContext &context, const QString &text)
{
    context.prompter.error(text);
    return CliFailed;
}

// Runs `action` on the program's data once `table` is open; `whenClosed` says why not, when
// the start sequence has not said it already.
int onTable(CommandContext &context, Cursor TDANE::*table,
            const std::function<int(TDANE &)> &action, const QString &whenClosed = QString())
{
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    if (!(session.dane.*table).isOpen())
        return whenClosed.isEmpty() ? int(CliFailed) : failed(context, whenClosed);
    return action(session.dane);
}

// Assigns in the order given, so each value runs its rules as if typed, then saves. A value
// the field cannot take leaves the record as it was.
bool assignAndSave(Cursor &table, const QList<FieldAssignment> &assignments, Prompter &prompter)
{
    EnsureEditing(table);
    try {
        applyAssignments(table, assignments);
    } catch (const DbError &) {
        table.cancel();
        throw;
    }
    return SaveTable(table, prompter);
}

void writeRow(QTextStream &out, Cursor &table, const QStringList &fields)
{
    QStringList cells;
    for (const QString &field : fields)
        cells << FieldCell(table.field(field), AmountDecimals::Two);
    out << cells.join(QLatin1Char('\t')) << '\n';
}

bool readNumber(const QString &text, qint64 &number)
{
    bool ok = false;
    number = text.toLongLong(&ok);
    return ok;
}

// ---- taxpayer ---------------------------------------------------------------------------

const QStringList TaxpayerColumns = {QStringLiteral("NR"),   QStringLiteral("NAZWISKO"),
                                     QStringLiteral("IMIE"), QStringLiteral("NIP"),
                                     QStringLiteral("ZAPAS4"), QStringLiteral("ZL1"),
                                     QStringLiteral("ZL2")};

int onTaxpayers(CommandContext &context, const std::function<int(TDANE &)> &action)
{
    return onTable(context, &TDANE::TOSOBA, action,
                   QStringLiteral("Brak danych o podatnikach (tabela FIRMA)."));
}

// The fields as typed in the taxpayer's window, then saved; prints the taxpayer's number.
int assignTaxpayer(CommandContext &context, TDANE &dane, const QStringList &words, bool added)
{
    QString error;
    const auto assignments = parseAssignments(words, fieldOfTable(dane.TOSOBA), error);
    if (!assignments)
        return usageError(context, error);
    if (added)
        NewTaxpayer(dane);
    if (!assignAndSave(dane.TOSOBA, *assignments, context.prompter))
        return CliFailed;
    context.out << dane.TOSOBA.field(QStringLiteral("NR")).asString() << '\n';
    return CliSuccess;
}

int taxpayerAdd(CommandContext &context)
{
    return onTaxpayers(context, [&](TDANE &dane) -> int {
        return assignTaxpayer(context, dane, context.arguments, true);
    });
}

int taxpayerEdit(CommandContext &context)
{
    qint64 number = 0;
    if (!readNumber(context.arguments.value(0), number))
        return usageError(context);
    return onTaxpayers(context, [&](TDANE &dane) -> int {
        if (!FindTaxpayer(dane, int(number)))
            return failed(context, QStringLiteral("Brak podatnika o numerze %1.").arg(number));
        return assignTaxpayer(context, dane, context.arguments.mid(1), false);
    });
}

int taxpayerDelete(CommandContext &context)
{
    qint64 number = 0;
    if (context.arguments.size() != 1 || !readNumber(context.arguments.first(), number)
        || number < 1)
        return usageError(context);
    return onTaxpayers(context, [&](TDANE &dane) -> int {
        if (!FindTaxpayer(dane, int(number)))
            return failed(context, QStringLiteral("Brak podatnika o numerze %1.").arg(number));
        return DeleteTaxpayer(dane, context.prompter) ? CliSuccess : CliFailed;
    });
}

int taxpayerList(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    return onTaxpayers(context, [&](TDANE &dane) -> int {
        context.out << TaxpayerColumns.join(QLatin1Char('\t')) << '\n';
        for (dane.TOSOBA.first(); !dane.TOSOBA.eof(); dane.TOSOBA.next())
            writeRow(context.out, dane.TOSOBA, TaxpayerColumns);
        return CliSuccess;
    });
}

// ---- constants ----------------------------------------------------------------------------

int constantsList(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    return onTable(context, &TDANE::TSTALE, [&](TDANE &dane) -> int {
        static const QStringList columns = {QStringLiteral("KOD"),      QStringLiteral("NAZWA"),
                                            QStringLiteral("JM"),       QStringLiteral("WARTOSC"),
                                            QStringLiteral("KWOTAMIN"), QStringLiteral("DATA")};
        context.out << columns.join(QLatin1Char('\t')) << '\n';
        for (dane.TSTALE.first(); !dane.TSTALE.eof(); dane.TSTALE.next())
            writeRow(context.out, dane.TSTALE, columns);
        return CliSuccess;
    });
}

int constantsSet(CommandContext &context)
{
    qint64 code = 0;
    if (context.arguments.size() < 2 || !readNumber(context.arguments.first(), code))
        return usageError(context);
    return onTable(context, &TDANE::TSTALE, [&](TDANE &dane) -> int {
        Cursor &table = dane.TSTALE;
        QString error;
        const auto assignments =
            parseAssignments(context.arguments.mid(1), fieldOfTable(table), error);
        if (!assignments)
            return usageError(context, error);
        // As in the constants window: the names and units are fixed, the values are the user's.
        static const QStringList editable = {QStringLiteral("WARTOSC"), QStringLiteral("KWOTAMIN"),
                                             QStringLiteral("DATA")};
        for (const auto &[field, value] : *assignments)
            if (!editable.contains(field))
                return usageError(context, QStringLiteral("Pola %1 nie można zmieniać (zmienia się "
                                                          "WARTOSC, KWOTAMIN i DATA).")
                                               .arg(field));
        if (!table.findKey({code}))
            return failed(context, QStringLiteral("Brak stałej o kodzie %1.").arg(code));
        return assignAndSave(table, *assignments, context.prompter) ? CliSuccess : CliFailed;
    });
}

// ---- pit5 ---------------------------------------------------------------------------------

// A declaration's rules write the parameters too (the tax office typed last) and the
// constants (a flat rate missing from them): a command commits the three files together.
struct DeclarationFiles : JointTransaction {
    explicit DeclarationFiles(TDANE &dane)
        : JointTransaction({&dane.TDEK, &dane.TPARA, &dane.TSTALE}) {}
};

// The taxpayer of a declaration becomes the current one, as the window's taxpayer list
// would be set when the declaration is worked on: its method decides the tax.
bool openDeclaration(CommandContext &context, TDANE &dane, const QString &word)
{
    qint64 number = 0;
    if (!readNumber(word, number) || !FindDeclaration(dane, number)) {
        context.prompter.error(QStringLiteral("Brak deklaracji o numerze %1.").arg(word));
        return false;
    }
    return true;
}

// What a declaration computes with, and the form it prints on, come from its taxpayer's
// method; without the taxpayer, another taxpayer's method would be applied. `unknown` says
// what cannot be known then.
bool selectDeclarationsTaxpayer(CommandContext &context, TDANE &dane,
                                const QString &unknown = QStringLiteral(
                                    "nie wiadomo, jak liczyć podatek tej deklaracji."))
{
    const QString nip = dane.TDEK.field(QStringLiteral("NIP")).asString();
    if (FindTaxpayerByNip(dane, nip))
        return true;
    context.prompter.error(QStringLiteral("Brak podatnika o NIP %1: %2").arg(nip, unknown));
    return false;
}

int onDeclarations(CommandContext &context, const std::function<int(TDANE &)> &action)
{
    return onTable(context, &TDANE::TDEK, action);
}

int declarationNew(CommandContext &context)
{
    qint64 taxpayerNumber = 0;
    const std::optional<QString> period = context.option(QStringLiteral("okres"));
    static const QRegularExpression monthYear(QStringLiteral("^(0[1-9]|1[0-2])-\\d{4}$"));
    if (!context.arguments.isEmpty())
        return usageError(context);
    if (!readNumber(*context.option(QStringLiteral("podatnik")), taxpayerNumber))
        return usageError(context, QStringLiteral("Numer podatnika musi być liczbą."));
    if (period && !monthYear.match(*period).hasMatch())
        return usageError(context, QStringLiteral("Okres to MM-RRRR: %1").arg(*period));
    return onDeclarations(context, [&](TDANE &dane) -> int {
        if (HasTaxpayers(dane) && !FindTaxpayer(dane, int(taxpayerNumber)))
            return failed(context,
                          QStringLiteral("Brak podatnika o numerze %1.").arg(taxpayerNumber));
        DeclarationFiles together(dane);
        if (NewDeclaration(dane, context.prompter) != NewDeclarationResult::Created)
            return CliFailed;
        if (period)
            dane.TDEK.field(QStringLiteral("P4")).setAsString(*period);
        if (!SaveDeclaration(dane, context.prompter))
            return CliFailed;
        together.commit();
        context.out << dane.TDEK.field(QStringLiteral("AUTO")).asString() << '\n';
        return CliSuccess;
    });
}

int declarationList(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    return onDeclarations(context, [&](TDANE &dane) -> int {
        static const QStringList columns = {QStringLiteral("AUTO"), QStringLiteral("MC"),
                                            QStringLiteral("P1"),   QStringLiteral("P6"),
                                            QStringLiteral("P7"),   QStringLiteral("O133")};
        context.out << columns.join(QLatin1Char('\t')) << '\n';
        for (dane.TDEK.first(); !dane.TDEK.eof(); dane.TDEK.next())
            writeRow(context.out, dane.TDEK, columns);
        return CliSuccess;
    });
}

enum class Computes { No, Yes };

// Runs `action` on the declaration AUTO named by the first word, made current; when it
// `computes`, with its own taxpayer made current too.
CommandFunction onDeclaration(Computes computes, bool (*wordsFit)(const QStringList &),
                              int (*action)(CommandContext &, TDANE &))
{
    return [=](CommandContext &context) -> int {
        if (!wordsFit(context.arguments))
            return usageError(context);
        return onDeclarations(context, [&](TDANE &dane) -> int {
            if (!openDeclaration(context, dane, context.arguments.first()))
                return CliFailed;
            if (computes == Computes::Yes && !selectDeclarationsTaxpayer(context, dane))
                return CliFailed;
            return action(context, dane);
        });
    };
}

bool oneWord(const QStringList &words)
{
    return words.size() == 1;
}

bool numberAndAssignments(const QStringList &words)
{
    return words.size() >= 2;
}

int declarationSet(CommandContext &context, TDANE &dane)
{
    QString error;
    const auto assignments =
        parseAssignments(context.arguments.mid(1), fieldOfTable(dane.TDEK), error);
    if (!assignments)
        return usageError(context, error);
    DeclarationFiles together(dane);
    if (!assignAndSave(dane.TDEK, *assignments, context.prompter))
        return CliFailed;
    together.commit();
    return CliSuccess;
}

int declarationImport(CommandContext &context, TDANE &dane)
{
    DeclarationFiles together(dane);
    if (!ImportLedgerData(dane, context.prompter))
        return CliFailed;
    together.commit();
    return CliSuccess;
}

int declarationCopy(CommandContext &context, TDANE &dane)
{
    DeclarationFiles together(dane);
    if (!CopyDeclaration(dane, context.prompter))
        return CliFailed;
    together.commit();
    context.out << dane.TDEK.field(QStringLiteral("AUTO")).asString() << '\n';
    return CliSuccess;
}

int declarationDelete(CommandContext &context, TDANE &dane)
{
    return DeleteDeclaration(dane, context.prompter) ? CliSuccess : CliFailed;
}

int declarationShow(CommandContext &context, TDANE &dane)
{
    Cursor &declaration = dane.TDEK;
    for (int i = 0; i < declaration.fieldCount(); ++i)
        context.out << declaration.field(i).name() << '\t'
                    << FieldCell(declaration.field(i), AmountDecimals::Two) << '\n';
    return CliSuccess;
}

// One page with --strona, otherwise the whole print with its page questions, into the file.
int declarationPrint(CommandContext &context)
{
    std::optional<int> page;
    if (const std::optional<QString> text = context.option(QStringLiteral("strona"))) {
        qint64 number = 0;
        if (!readNumber(*text, number))
            return usageError(context, QStringLiteral("Numer strony musi być liczbą."));
        page = int(std::clamp<qint64>(number, INT_MIN, INT_MAX));
    }
    const QString file = context.option(QStringLiteral("plik")).value_or(QString());
    if (!oneWord(context.arguments) || file.isEmpty())
        return usageError(context);
    return onDeclarations(context, [&](TDANE &dane) -> int {
        if (!openDeclaration(context, dane, context.arguments.first())
            || !selectDeclarationsTaxpayer(
                context, dane, QStringLiteral("nie wiadomo, na którym formularzu ją wydrukować.")))
            return CliFailed;
        DeclarationPrintout printout(dane.TDEK);
        return PrintDeclarationToPdf(dane, printout, file, page) ? CliSuccess : CliFailed;
    });
}

} // namespace

void addPit5Commands(CommandRegistry &registry)
{
    CommandRegistry &taxpayer =
        registry.addGroup(QStringLiteral("taxpayer"), QStringLiteral("podatnicy"));
    taxpayer
        .add(QStringLiteral("add"), QStringLiteral("nowy podatnik (wypisuje jego numer)"),
             taxpayerAdd)
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."));
    taxpayer.add(QStringLiteral("edit"), QStringLiteral("zmienia pola podatnika"), taxpayerEdit)
        .takes(QStringLiteral("NR POLE=WARTOŚĆ ..."));
    taxpayer
        .add(QStringLiteral("delete"), QStringLiteral("usuwa podatnika po pytaniu"), taxpayerDelete)
        .takes(QStringLiteral("NR"));
    taxpayer.add(QStringLiteral("list"), QStringLiteral("podatnicy, jeden w wierszu"),
                 taxpayerList);

    CommandRegistry &constants =
        registry.addGroup(QStringLiteral("constants"), QStringLiteral("stałe podatkowe"));
    constants.add(QStringLiteral("list"), QStringLiteral("stałe, jedna w wierszu"), constantsList);
    constants
        .add(QStringLiteral("set"),
             QStringLiteral("zmienia wartość, kwotę minimalną lub datę stałej"), constantsSet)
        .takes(QStringLiteral("KOD POLE=WARTOŚĆ ..."));

    CommandRegistry &pit5 =
        registry.addGroup(QStringLiteral("pit5"), QStringLiteral("deklaracje PIT-5"));
    pit5.add(QStringLiteral("new"),
             QStringLiteral("nowa deklaracja podatnika (wypisuje jej numer AUTO)"), declarationNew)
        .value(QStringLiteral("podatnik"), QStringLiteral("NR"), QStringLiteral("numer podatnika"))
        .required()
        .value(QStringLiteral("okres"), QStringLiteral("MM-RRRR"),
               QStringLiteral("okres deklaracji"));
    pit5.add(QStringLiteral("list"), QStringLiteral("deklaracje, jedna w wierszu"),
             declarationList);
    pit5.add(QStringLiteral("set"), QStringLiteral("zmienia pola deklaracji i ją przelicza"),
             onDeclaration(Computes::Yes, numberAndAssignments, declarationSet))
        .takes(QStringLiteral("AUTO POLE=WARTOŚĆ ..."));
    pit5.add(QStringLiteral("import"), QStringLiteral("przenosi dane z księgi do deklaracji"),
             onDeclaration(Computes::Yes, oneWord, declarationImport))
        .takes(QStringLiteral("AUTO"));
    pit5.add(QStringLiteral("copy"), QStringLiteral("kopia deklaracji (wypisuje numer kopii)"),
             onDeclaration(Computes::Yes, oneWord, declarationCopy))
        .takes(QStringLiteral("AUTO"));
    pit5.add(QStringLiteral("delete"), QStringLiteral("usuwa deklarację po pytaniu"),
             onDeclaration(Computes::No, oneWord, declarationDelete))
        .takes(QStringLiteral("AUTO"));
    pit5.add(QStringLiteral("show"), QStringLiteral("wszystkie pola deklaracji"),
             onDeclaration(Computes::No, oneWord, declarationShow))
        .takes(QStringLiteral("AUTO"));
    pit5.add(QStringLiteral("print"),
             QStringLiteral("deklaracja na formularzu do pliku PDF: jedna strona albo cały "
                            "wydruk z pytaniami o kolejne strony"),
             declarationPrint)
        .takes(QStringLiteral("AUTO"))
        .value(QStringLiteral("strona"), QStringLiteral("N"),
               QStringLiteral("tylko ta strona formularza"))
        .value(QStringLiteral("plik"), QStringLiteral("PLIK.pdf"), QStringLiteral("plik PDF"))
        .required();
}
