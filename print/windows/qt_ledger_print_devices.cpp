#include "print/windows/qt_ledger_print_devices.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/report.h"
#include "platform/prompter.h"
#include "platform/widgets/report_preview.h"
#include "print/windows/tksiegaf5.h"

#include <QPrinter>

QtLedgerPrintDevices::QtLedgerPrintDevices(Prompter &prompter, QWidget *parent)
    : prompter_(prompter), parent_(parent)
{
}

QtLedgerPrintDevices::~QtLedgerPrintDevices() = default;

QString QtLedgerPrintDevices::firstPageNumber(const QString &month, int proposed)
{
    if (!numbering_)
        numbering_ = std::make_unique<TKSIEGAF5>(parent_);
    return numbering_->ask(month, proposed);
}

bool QtLedgerPrintDevices::preview(Report &report)
{
    return previewReportWithSetUp(report, prompter_, parent_);
}

bool QtLedgerPrintDevices::print(Report &report)
{
    return PrintOnChosenPrinter(report, prompter_, parent_);
}

bool PrintOnChosenPrinter(Report &report, Prompter &prompter, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterCanvas::applySetup(printer, report.pageSetup());
    if (!setUpPrinter(printer, parent))
        return false;
    if (report.print(printer))
        return true;
    prompter.error(QStringLiteral("Błąd wydruku na drukarce : ") + printer.printerName());
    return false;
}
