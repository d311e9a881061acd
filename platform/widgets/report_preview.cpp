#include "platform/widgets/report_preview.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/report.h"
#include "platform/widgets/guarded_handler.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

// Whether every drawing of the report the preview asked for was whole. A report that failed
// closes the preview once its error is shown: half a printout is not offered for printing.
static bool previewOn(QPrinter &printer, Report &report, Prompter &errors, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(report.title().isEmpty() ? QStringLiteral("Podgląd wydruku")
                                                   : report.title());
    bool whole = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report, &errors, &whole, &dialog](QPrinter *target) {
                         if (RunHandler(errors, [&] { report.print(*target); }))
                             return;
                         whole = false;
                         QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
                     });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
    return whole;
}

void previewReport(Report &report, Prompter &errors, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    // The preview lays out its pages on the printer's sheet before it asks for them.
    PrinterCanvas::applySetup(printer, report.pageSetup());
    previewOn(printer, report, errors, parent);
}

bool previewReportWithSetUp(Report &report, Prompter &errors, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterCanvas::applySetup(printer, report.pageSetup());
    if (!setUpPrinter(printer, parent))
        return false;
    // The dialog may have turned the sheet; the report keeps its own.
    PrinterCanvas::applySetup(printer, report.pageSetup());
    return previewOn(printer, report, errors, parent);
}

bool setUpPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Ustawienia wydruku"));
    return dialog.exec() == QDialog::Accepted;
}

bool printReportWithSetUp(Report &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterCanvas::applySetup(printer, report.pageSetup());
    if (!setUpPrinter(printer, parent))
        return false;
    return report.print(printer);
}
