#include "cli/posting_commands.h"

#include "cli/cli_print_job.h"
#include "cli/cli_session.h"
#include "firm/firm_record.h"
#include "ledger/delete_all.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "ledger/summary_statement.h"
#include "ledger/year_chart.h"

#include <QFile>

// "1".."13" or "01".."13" as the two-digit month code.
static std::optional<QString> monthArgument(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return std::nullopt;
    bool ok = false;
    const int month = arguments.first().toInt(&ok);
    if (!ok || month < 1 || month > 13 || arguments.first().size() > 2)
        return std::nullopt;
    return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

static int post(CommandContext &context)
{
    const std::optional<QString> month = monthArgument(context.arguments);
    if (!month)
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    const QString refusal = postingRefusal(session.environment, *month);
    if (!refusal.isEmpty()) {
        context.prompter.error(refusal);
        return CliFailed;
    }
    switch (PostMonth(session.dane, *month)) {
    case PostingOutcome::Posted:
        context.out << QStringLiteral("Zaksięgowano miesiąc %1.\n").arg(*month);
        return CliSuccess;
    case PostingOutcome::NoMonthRow:
        context.prompter.inform(
            QStringLiteral("Baza sum nie ma wiersza miesiąca %1: nic nie zapisano.").arg(*month));
        return CliFailed;
    case PostingOutcome::NotOffered:
        context.prompter.error(QStringLiteral("Księga lub baza sum nie jest otwarta."));
        return CliFailed;
    case PostingOutcome::Declined:
    case PostingOutcome::NotSaved:
        break;
    }
    return CliFailed;
}

static int unpost(CommandContext &context)
{
    const std::optional<QString> month = monthArgument(context.arguments);
    if (!month)
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    const QString refusal = unpostingRefusal(session.environment, *month);
    if (!refusal.isEmpty()) {
        context.prompter.error(refusal);
        return CliFailed;
    }
    if (!UnpostMonth(session.dane, *month))
        return CliFailed;
    context.out << QStringLiteral("Odksięgowano miesiąc %1.\n").arg(*month);
    return CliSuccess;
}

static int postCurrent(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    SelectWorkingMonth(session.dane, session.environment.workingMonth);
    if (!PostCurrent(session.dane))
        return CliFailed;
    context.out << QStringLiteral("Przeliczono sumy otwartych miesięcy.\n");
    return CliSuccess;
}

static int deleteAll(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    SelectWorkingMonth(session.dane, session.environment.workingMonth);
    if (!DeleteAllEntries(session.dane))
        return CliFailed;
    context.out << QStringLiteral("Usunięto wszystkie zapisy księgi.\n");
    return CliSuccess;
}

struct SummaryOptions {
    SummaryKind kind = SummaryKind::Monthly;
    std::optional<QString> output; // "eksport", "bw" or "pdf"
    std::optional<QString> file;
    std::optional<QString> chart; // a .pdf or .png file
};

// The options; the error text for the user, empty when they are good.
static QString readSummaryOptions(const CommandContext &context, SummaryOptions &options)
{
    if (context.hasOption(QStringLiteral("narastajaco")))
        options.kind = SummaryKind::Cumulative;
    options.output = context.option(QStringLiteral("wydruk"));
    options.file = context.option(QStringLiteral("plik"));
    options.chart = context.option(QStringLiteral("wykres"));
    static const QStringList outputs = {QStringLiteral("eksport"), QStringLiteral("bw"),
                                        QStringLiteral("pdf")};
    if (options.output && !outputs.contains(*options.output))
        return QStringLiteral("Nieznany wydruk: „%1” (eksport, bw, pdf).").arg(*options.output);
    if (options.output.has_value() != options.file.has_value())
        return QStringLiteral("Wydruk wymaga obu opcji: --wydruk eksport|bw|pdf --plik PLIK.");
    return QString();
}

// The rows the statement shows, tab-separated, amounts as the grid shows them. Written only
// once every row is read: a row that fails half-way leaves no statement that looks whole.
static void writeSummaryRows(TDANE &dane, QTextStream &out)
{
    const QList<SummaryColumn> &columns = SummaryColumns();
    QStringList header;
    for (const SummaryColumn &column : columns)
        header << column.field;
    header << QStringLiteral("W1") << QStringLiteral("W2") << QStringLiteral("W3")
           << QStringLiteral("OZN") << QStringLiteral("DATA") << QStringLiteral("NAZWISKO");
    QStringList lines{header.join(QLatin1Char('\t'))};
    Cursor &sums = dane.TSUMA;
    for (sums.first(); !sums.eof(); sums.next()) {
        QStringList cells{sums.field(columns.first().field).asString()};
        for (const SummaryColumn &column : columns.mid(1))
            cells << SummaryAmountText(sums.field(column.field));
        for (const char *ratio : {"W1", "W2", "W3"})
            cells << SummaryRatioText(sums.field(QString::fromLatin1(ratio)));
        for (const char *stamp : {"OZN", "DATA", "NAZWISKO"})
            cells << sums.field(QString::fromLatin1(stamp)).asString();
        lines << cells.join(QLatin1Char('\t'));
    }
    out << lines.join(QLatin1Char('\n')) << '\n';
}

static bool printSummary(CliSession &session, CommandContext &context, const SummaryOptions &options)
{
    const bool pdf = *options.output == QLatin1String("pdf");
    CliPrintJob job(session.environment, [&session] { return FirmShortName(session.dane); }, pdf,
                    *options.file, context.prompter, context.progress);
    TDRUK &engine = job.engine();
    engine.TypWydruku = pdf ? drWINDOWS : *options.output == QLatin1String("bw") ? drBW : drEKSPORT;
    engine.Bufor = true;
    PrintSummaryStatement(engine, SummaryPrintGrid(session.dane));
    return engine.outputComplete() && QFile::exists(*options.file);
}

static bool writeChart(CliSession &session, CommandContext &context, const QString &fileName)
{
    QString error;
    if (!WriteYearChart(fileName, YearChartMonths(session.dane),
                        YearChartTitle(session.environment.workingYear), error)) {
        context.prompter.error(error);
        return false;
    }
    context.out << QStringLiteral("Wykres zapisano w pliku %1.").arg(fileName) << '\n';
    return true;
}

static int summary(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    SummaryOptions options;
    const QString error = readSummaryOptions(context, options);
    if (!error.isEmpty())
        return usageError(context, error);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    if (!ShowSummaryKind(session.dane, options.kind)) {
        context.prompter.error(QStringLiteral("Baza sum nie jest otwarta."));
        return CliFailed;
    }
    if (options.chart && !writeChart(session, context, *options.chart))
        return CliFailed;
    if (options.output)
        return printSummary(session, context, options) ? CliSuccess : CliFailed;
    if (options.chart)
        return CliSuccess;
    writeSummaryRows(session.dane, context.out);
    return CliSuccess;
}

void addPostingCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("post"), QStringLiteral("księguje miesiąc"), post)
        .takes(QStringLiteral("MM"));
    registry
        .add(QStringLiteral("unpost"), QStringLiteral("odksięgowuje ostatni zaksięgowany miesiąc"),
             unpost)
        .takes(QStringLiteral("MM"));
    registry.add(QStringLiteral("post-current"),
                 QStringLiteral("księgowanie bieżące: sumy wszystkich otwartych miesięcy"),
                 postCurrent);
    registry
        .add(QStringLiteral("summary"),
             QStringLiteral("zestawienie zbiorcze: wiersze sum lub ich wydruk"), summary)
        .flag(QStringLiteral("narastajaco"), QStringLiteral("sumy narastająco od początku roku"))
        .value(QStringLiteral("wydruk"), QStringLiteral("eksport|bw|pdf"),
               QStringLiteral("wydruk zestawienia zamiast wierszy (wymaga --plik)"))
        .value(QStringLiteral("plik"), QStringLiteral("PLIK"), QStringLiteral("plik wydruku"))
        .value(QStringLiteral("wykres"), QStringLiteral("PLIK.pdf|PLIK.png"),
               QStringLiteral("wykres roku: przychody, koszty i dochód miesięcy"));
    registry.add(QStringLiteral("delete-all"),
                 QStringLiteral("kasowanie danych demonstracyjnych: usuwa wszystkie zapisy"),
                 deleteAll);
}
