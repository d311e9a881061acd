#include "cli/ledger_print_commands.h"

#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "cli/field_assignments.h"
#include "ledger/month_view.h"
#include "platform/failure_watch.h"
#include "platform/print/printer_canvas.h"
#include "platform/print/report.h"
#include "platform/prompter.h"
#include "print/ledger_printout.h"
#include "print/ledger_title_page.h"
#include "print/statement_form.h"

#include <QPrinter>

#include <algorithm>

namespace {

// Every report of a command into one PDF file.
class PdfFileJob {
public:
    explicit PdfFileJob(const QString &fileName)
        : fileName_(fileName), printer_(makePdfPrinter(fileName)), canvas_(*printer_), job_(canvas_)
    {
    }

    bool add(Report &report) { return job_.add(report); }

    // False, with the reason told, when the file is not whole on disk.
    bool end(Prompter &prompter)
    {
        if (job_.end())
            return true;
        prompter.error((canvas_.failure() == PageCanvas::Failure::Output
                            ? QStringLiteral("Błąd zapisu pliku : ")
                            : QStringLiteral("Błąd otwarcia pliku : "))
                       + fileName_);
        return false;
    }

private:
    QString fileName_;
    std::unique_ptr<QPrinter> printer_;
    PrinterCanvas canvas_;
    ReportJob job_;
};

class CliLedgerDevices final : public LedgerPrintDevices {
public:
    CliLedgerDevices(const QString &fileName, std::optional<QString> firstPage, Prompter &prompter)
        : file_(fileName), firstPage_(std::move(firstPage)), prompter_(prompter)
    {
    }

    QString firstPageNumber(const QString &, int proposed) override
    {
        return firstPage_.value_or(QString::number(proposed));
    }
    bool preview(Report &report) override { return print(report); }
    bool print(Report &report) override
    {
        if (!file_.add(report))
            return false;
        if (report.pagesPrinted() > 0) {
            first_ = first_ ? std::min(*first_, report.pageOffset() + 1) : report.pageOffset() + 1;
            last_ = std::max(last_, report.pageOffset() + report.pagesPrinted());
        }
        return true;
    }
    bool finish() override { return file_.end(prompter_); }

    QString pages() const
    {
        return QStringLiteral("Strony: %1–%2").arg(first_.value_or(0)).arg(last_);
    }

private:
    PdfFileJob file_;
    std::optional<QString> firstPage_;
    Prompter &prompter_;
    std::optional<int> first_;
    int last_ = 0;
};

// The session with its messages watched, so a failed save ends the command as failed.
struct WatchedSession {
    explicit WatchedSession(CommandContext &context)
        : watch(context.prompter),
          watched{context.options, context.arguments, context.out, context.err, watch,
                  context.progress, context.given, context.name, context.usage},
          session(watched)
    {
    }
    FailureWatch watch;
    CommandContext watched;
    CliSession session;
};

int printLedger(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    std::optional<int> half;
    if (const std::optional<QString> page = context.option(QStringLiteral("strona"))) {
        if (*page != QLatin1String("1") && *page != QLatin1String("2"))
            return usageError(context, QStringLiteral("Strona księgi to 1 albo 2: %1").arg(*page));
        half = page->toInt();
    }
    WatchedSession run(context);
    TDANE &dane = run.session.dane;
    if (!run.session.started())
        return CliFailed;
    const QString month = run.session.environment.workingMonth;
    if (month == QLatin1String("13")) {
        run.watch.error(QStringLiteral("Księgę drukuje się dla jednego miesiąca, nie dla całego "
                                       "roku: podaj --miesiac 01..12."));
        return CliFailed;
    }
    SelectWorkingMonth(dane, month);
    CliLedgerDevices devices(*context.option(QStringLiteral("plik")),
                             context.option(QStringLiteral("od")), run.watch);
    LedgerPrintout printout(dane);
    const bool printed = half ? PreviewLedgerHalf(dane, printout, *half, devices)
                              : PrintLedger(dane, printout, devices);
    if (!printed || run.watch.failed())
        return CliFailed;
    context.out << devices.pages() << '\n';
    return CliSuccess;
}

int printReport(CommandContext &context, Report &report)
{
    PdfFileJob file(*context.option(QStringLiteral("plik")));
    const bool added = file.add(report);
    return file.end(context.prompter) && added ? CliSuccess : CliFailed;
}

int printTitle(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    Report report;
    BuildLedgerTitlePage(report);
    return printReport(context, report);
}

int printStatement(CommandContext &context)
{
    QStringList names;
    for (const StatementField &field : StatementFields())
        names << field.name;
    QString error;
    const auto assignments = parseAssignments(context.arguments, fieldAmong(names), error);
    if (!assignments)
        return usageError(context, error);
    QStringList values(names.size());
    for (const auto &[name, value] : *assignments)
        values[names.indexOf(name)] = value;
    Report report;
    BuildStatementForm(report, values);
    return printReport(context, report);
}

QString statementFieldHelp()
{
    QStringList lines;
    for (const StatementField &field : StatementFields())
        lines << field.name + QStringLiteral(" (") + field.caption + QLatin1Char(')');
    return lines.join(QStringLiteral(", "));
}

} // namespace

void addLedgerPrintCommands(CommandRegistry &registry)
{
    CommandRegistry &print =
        registry.addGroup(QStringLiteral("print"), QStringLiteral("wydruki księgi do pliku PDF"));
    print
        .add(QStringLiteral("ledger"),
             QStringLiteral("księga miesiąca (--miesiac): strona 1 albo 2, bez --strona cały "
                            "„Wydruk księgi” z pytaniem między stronami"),
             printLedger)
        .value(QStringLiteral("strona"), QStringLiteral("1|2"),
               QStringLiteral("jedna strona księgi, jak w podglądzie"))
        .value(QStringLiteral("od"), QStringLiteral("N"),
               QStringLiteral("numer pierwszej strony (domyślnie kolejny po poprzednim miesiącu)"))
        .value(QStringLiteral("plik"), QStringLiteral("PLIK.pdf"), QStringLiteral("plik PDF"))
        .required();
    print.add(QStringLiteral("title"), QStringLiteral("strona tytułowa księgi"), printTitle)
        .value(QStringLiteral("plik"), QStringLiteral("PLIK.pdf"), QStringLiteral("plik PDF"))
        .required();
    print
        .add(QStringLiteral("statement"),
             QStringLiteral("oświadczenie; pola: ") + statementFieldHelp(), printStatement)
        .takes(QStringLiteral("POLE=WARTOŚĆ ..."))
        .value(QStringLiteral("plik"), QStringLiteral("PLIK.pdf"), QStringLiteral("plik PDF"))
        .required();
}
