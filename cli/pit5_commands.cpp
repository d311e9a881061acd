#include "cli/pit5_commands.h"

#include "cli/cli_session.h"
#include "cli/table_dump.h"
#include "core/table_access.h"
#include "pit5/declaration_workflow.h"
#include "pit5/taxpayer_register.h"

#include <QRegularExpression>

namespace {

struct Assignment {
    QString field;
    QString value;
};

// "POLE=WARTOŚĆ" words; the error text for the user, empty when every word is one.
QString parseAssignments(const QStringList &words, const Cursor &table, QList<Assignment> &out)
{
    for (const QString &word : words) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return QStringLiteral("Oczekiwano POLE=WARTOŚĆ, podano „%1”.").arg(word);
        const QString field = word.left(equals).toUpper();
        if (!table.hasField(field))
            return QStringLiteral("Nieznane pole: %1").arg(field);
        out.append({field, word.mid(equals + 1)});
    }
    return QString();
}

int usage(CommandContext &context, const QString &text)
{
    context.err << text << '\n';
    return CliUsageError;
}

int failed(CommandContext &context, const QString &text)
{
    context.err << text << '\n';
    return CliFailed;
}

// Assigns in the order given, so each value runs its rules as if typed, then saves. A value
// the field cannot take leaves the record as it was.
bool assignAndSave(Cursor &table, const QList<Assignment> &assignments, Prompter &prompter)
{
    EnsureEditing(table);
    try {
        for (const Assignment &assignment : assignments)
            table.field(assignment.field).setAsString(assignment.value);
    } catch (const DbError &) {
        table.cancel();
        throw;
    }
    SaveTable(table, prompter);
    return !table.isEditing();
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

int taxpayer(CommandContext &context)
{
    const QStringList &args = context.arguments;
    const QString action = args.value(0);
    if (action != QLatin1String("add") && action != QLatin1String("edit")
        && action != QLatin1String("delete") && action != QLatin1String("list"))
        return usage(context, QStringLiteral("Użycie: ksiega-cli taxpayer add POLE=WARTOŚĆ ... | "
                                             "edit NR POLE=WARTOŚĆ ... | delete NR | list"));
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    TDANE &dane = session.dane;
    if (!dane.TOSOBA.isOpen())
        return failed(context, QStringLiteral("Brak danych o podatnikach (tabela FIRMA)."));

    if (action == QLatin1String("list")) {
        context.out << TaxpayerColumns.join(QLatin1Char('\t')) << '\n';
        for (dane.TOSOBA.first(); !dane.TOSOBA.eof(); dane.TOSOBA.next())
            writeRow(context.out, dane.TOSOBA, TaxpayerColumns);
        return CliSuccess;
    }

    QStringList words = args.mid(1);
    if (action == QLatin1String("delete")) {
        qint64 number = 0;
        if (words.size() != 1 || !readNumber(words.first(), number) || number < 1)
            return usage(context, QStringLiteral("Użycie: ksiega-cli taxpayer delete NR"));
        if (!FindTaxpayer(dane, int(number)))
            return failed(context, QStringLiteral("Brak podatnika o numerze %1.").arg(number));
        return DeleteTaxpayer(dane, context.prompter) ? CliSuccess : CliFailed;
    }
    if (action == QLatin1String("edit")) {
        qint64 number = 0;
        if (words.isEmpty() || !readNumber(words.first(), number))
            return usage(context, QStringLiteral("Użycie: ksiega-cli taxpayer edit NR POLE=WARTOŚĆ ..."));
        if (!FindTaxpayer(dane, int(number)))
            return failed(context, QStringLiteral("Brak podatnika o numerze %1.").arg(number));
        words.removeFirst();
    }
    QList<Assignment> assignments;
    const QString error = parseAssignments(words, dane.TOSOBA, assignments);
    if (!error.isEmpty())
        return usage(context, error);
    if (action == QLatin1String("add"))
        NewTaxpayer(dane);
    if (!assignAndSave(dane.TOSOBA, assignments, context.prompter))
        return CliFailed;
    context.out << dane.TOSOBA.field(QStringLiteral("NR")).asString() << '\n';
    return CliSuccess;
}

// ---- constants ----------------------------------------------------------------------------

int constants(CommandContext &context)
{
    const QStringList &args = context.arguments;
    const QString action = args.value(0);
    qint64 code = 0;
    const bool list = action == QLatin1String("list") && args.size() == 1;
    const bool set = action == QLatin1String("set") && args.size() >= 3 && readNumber(args[1], code);
    if (!list && !set)
        return usage(context, QStringLiteral("Użycie: ksiega-cli constants list | "
                                             "set KOD POLE=WARTOŚĆ ..."));
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    Cursor &table = session.dane.TSTALE;
    if (!table.isOpen())
        return CliFailed; // the start sequence has said why

    static const QStringList columns = {QStringLiteral("KOD"),     QStringLiteral("NAZWA"),
                                        QStringLiteral("JM"),      QStringLiteral("WARTOSC"),
                                        QStringLiteral("KWOTAMIN"), QStringLiteral("DATA")};
    if (list) {
        context.out << columns.join(QLatin1Char('\t')) << '\n';
        for (table.first(); !table.eof(); table.next())
            writeRow(context.out, table, columns);
        return CliSuccess;
    }
    QList<Assignment> assignments;
    const QString error = parseAssignments(args.mid(2), table, assignments);
    if (!error.isEmpty())
        return usage(context, error);
    // As in the constants window: the names and units are fixed, the values are the user's.
    static const QStringList editable = {QStringLiteral("WARTOSC"), QStringLiteral("KWOTAMIN"),
                                         QStringLiteral("DATA")};
    for (const Assignment &assignment : assignments)
        if (!editable.contains(assignment.field))
            return usage(context, QStringLiteral("Pola %1 nie można zmieniać (zmienia się WARTOSC, "
                                                 "KWOTAMIN i DATA).").arg(assignment.field));
    if (!table.findKey({code}))
        return failed(context, QStringLiteral("Brak stałej o kodzie %1.").arg(code));
    return assignAndSave(table, assignments, context.prompter) ? CliSuccess : CliFailed;
}

// ---- pit5 ---------------------------------------------------------------------------------

const QString Pit5Usage = QStringLiteral(
    "Użycie: ksiega-cli pit5 new --podatnik NR [--okres MM-RRRR] | list | set AUTO POLE=WARTOŚĆ "
    "... | import AUTO | copy AUTO | delete AUTO | show AUTO");

// The taxpayer of a declaration becomes the current one, as the window's taxpayer list
// would be set when the declaration is worked on: its method decides the tax.
bool openDeclaration(CommandContext &context, TDANE &dane, const QString &word)
{
    qint64 number = 0;
    if (!readNumber(word, number) || !FindDeclaration(dane, number)) {
        context.err << QStringLiteral("Brak deklaracji o numerze %1.").arg(word) << '\n';
        return false;
    }
    return true;
}

// What a declaration computes with comes from its taxpayer's method; without one, another
// taxpayer's method would be applied.
bool selectDeclarationsTaxpayer(CommandContext &context, TDANE &dane)
{
    const QString nip = dane.TDEK.field(QStringLiteral("NIP")).asString();
    if (FindTaxpayerByNip(dane, nip))
        return true;
    context.prompter.error(
        QStringLiteral("Brak podatnika o NIP %1: nie wiadomo, jak liczyć podatek tej deklaracji.")
            .arg(nip));
    return false;
}

int newDeclaration(CommandContext &context, TDANE &dane, const QStringList &args)
{
    std::optional<qint64> taxpayerNumber;
    std::optional<QString> period;
    for (int i = 0; i < args.size(); ++i) {
        qint64 number = 0;
        if (args[i] == QLatin1String("--podatnik") && i + 1 < args.size()
            && readNumber(args[i + 1], number))
            taxpayerNumber = number;
        else if (args[i] == QLatin1String("--okres") && i + 1 < args.size())
            period = args[i + 1];
        else
            return usage(context, Pit5Usage);
        ++i;
    }
    static const QRegularExpression monthYear(QStringLiteral("^(0[1-9]|1[0-2])-\\d{4}$"));
    if (!taxpayerNumber || (period && !monthYear.match(*period).hasMatch()))
        return usage(context, Pit5Usage);
    if (HasTaxpayers(dane) && !FindTaxpayer(dane, int(*taxpayerNumber)))
        return failed(context, QStringLiteral("Brak podatnika o numerze %1.").arg(*taxpayerNumber));
    if (NewDeclaration(dane, context.prompter) != NewDeclarationResult::Created)
        return CliFailed;
    if (period)
        dane.TDEK.field(QStringLiteral("P4")).setAsString(*period);
    SaveDeclaration(dane, context.prompter);
    if (dane.TDEK.isEditing())
        return CliFailed;
    context.out << dane.TDEK.field(QStringLiteral("AUTO")).asString() << '\n';
    return CliSuccess;
}

int pit5(CommandContext &context)
{
    const QStringList &args = context.arguments;
    const QString action = args.value(0);
    static const QStringList onOne = {QStringLiteral("import"), QStringLiteral("copy"),
                                      QStringLiteral("delete"), QStringLiteral("show")};
    const bool known = action == QLatin1String("new") || action == QLatin1String("list")
                       || (action == QLatin1String("set") && args.size() >= 3)
                       || (onOne.contains(action) && args.size() == 2);
    if (!known)
        return usage(context, Pit5Usage);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    TDANE &dane = session.dane;
    if (!dane.TDEK.isOpen())
        return CliFailed; // the start sequence has said why

    if (action == QLatin1String("new"))
        return newDeclaration(context, dane, args.mid(1));
    if (action == QLatin1String("list")) {
        static const QStringList columns = {QStringLiteral("AUTO"), QStringLiteral("MC"),
                                            QStringLiteral("P1"),   QStringLiteral("P6"),
                                            QStringLiteral("P7"),   QStringLiteral("O133")};
        context.out << columns.join(QLatin1Char('\t')) << '\n';
        for (dane.TDEK.first(); !dane.TDEK.eof(); dane.TDEK.next())
            writeRow(context.out, dane.TDEK, columns);
        return CliSuccess;
    }
    if (!openDeclaration(context, dane, args[1]))
        return CliFailed;
    const bool computes = action == QLatin1String("set") || action == QLatin1String("import")
                          || action == QLatin1String("copy");
    if (computes && !selectDeclarationsTaxpayer(context, dane))
        return CliFailed;
    Cursor &declaration = dane.TDEK;
    if (action == QLatin1String("set")) {
        QList<Assignment> assignments;
        const QString error = parseAssignments(args.mid(2), declaration, assignments);
        if (!error.isEmpty())
            return usage(context, error);
        return assignAndSave(declaration, assignments, context.prompter) ? CliSuccess : CliFailed;
    }
    if (action == QLatin1String("import"))
        return ImportLedgerData(dane, context.prompter) && !declaration.isEditing() ? CliSuccess
                                                                                    : CliFailed;
    if (action == QLatin1String("copy")) {
        CopyDeclaration(dane, context.prompter);
        if (declaration.isEditing())
            return CliFailed;
        context.out << declaration.field(QStringLiteral("AUTO")).asString() << '\n';
        return CliSuccess;
    }
    if (action == QLatin1String("delete"))
        return DeleteDeclaration(dane, context.prompter) ? CliSuccess : CliFailed;

    for (int i = 0; i < declaration.fieldCount(); ++i)
        context.out << declaration.field(i).name() << '\t' << FieldCell(declaration.field(i), AmountDecimals::Two) << '\n';
    return CliSuccess;
}

} // namespace

void addPit5Commands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("taxpayer"),
                 QStringLiteral("podatnicy: taxpayer add POLE=WARTOŚĆ ... | edit NR POLE=WARTOŚĆ "
                                "... | delete NR | list"),
                 taxpayer);
    registry.add(QStringLiteral("constants"),
                 QStringLiteral("stałe podatkowe: constants list | set KOD POLE=WARTOŚĆ ..."),
                 constants);
    registry.add(QStringLiteral("pit5"),
                 QStringLiteral("deklaracje PIT-5: pit5 new --podatnik NR [--okres MM-RRRR] | list "
                                "| set AUTO POLE=WARTOŚĆ ... | import | copy | delete | show AUTO"),
                 pit5);
}
