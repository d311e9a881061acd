#include "ledger_print_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "ledger/month_view.h"
#include "platform/print/printer_canvas.h"
#include "platform/print/report.h"
#include "platform/scripted_prompter.h"
#include "print/ledger_printout.h"

#include <QPrinter>

namespace {

class PdfDevices final : public LedgerPrintDevices {
public:
    explicit PdfDevices(const QString &file)
        : printer_(makePdfPrinter(file)), canvas_(*printer_), job_(canvas_)
    {
    }
    QString firstPageNumber(const QString &, int proposed) override
    {
        return QString::number(proposed);
    }
    bool preview(Report &report) override { return job_.add(report); }
    bool print(Report &report) override
    {
        const bool added = job_.add(report);
        pages += report.pagesPrinted();
        return added;
    }
    bool finish() override { return job_.end(); }

    int pages = 0;

private:
    std::unique_ptr<QPrinter> printer_;
    PrinterCanvas canvas_;
    ReportJob job_;
};

// June of a benchmark year in `year`'s form of the book.
void benchYearPrint(const QString &folder, const QString &year, const QString &label,
                    BenchReport &report)
{
    const QByteArray today = (year + QStringLiteral(".07.10")).toLatin1();
    const BenchFolder here(folder + QStringLiteral("/wydruk") + year, today.constData());
    CreateBenchDataRoot(year);
    StartedBenchProgram program({Answer::Yes});
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);
    SelectWorkingMonth(dane, BenchMonth(6));
    LedgerPrintout printout(dane);
    PdfDevices devices(folder + QStringLiteral("/wydruk") + year + QStringLiteral("/czerwiec.pdf"));
    bool printed = false;
    report.time(label, [&] { printed = PrintLedger(dane, printout, devices); });
    if (!printed || devices.pages == 0)
        qFatal("wydruk księgi: plik PDF nie powstał");
}

} // namespace

void benchLedgerPrint(const QString &folder, BenchReport &report)
{
    benchYearPrint(folder, QStringLiteral("2019"),
                   QStringLiteral("wydruk księgi miesiąca do PDF, obie strony (cel < 5 s)"), report);
    benchYearPrint(folder, QStringLiteral("2026"),
                   QStringLiteral("wydruk księgi 2026 (19 kolumn) miesiąca do PDF, obie strony "
                                  "(cel < 5 s)"),
                   report);
}
