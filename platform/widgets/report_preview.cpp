#include "platform/widgets/report_preview.h"

#include "platform/print/printer_canvas.h"
#include "platform/print/report.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

static void previewOn(QPrinter &printer, Report &report, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(report.title().isEmpty() ? QStringLiteral("Podgląd wydruku")
                                                   : report.title());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *target) { report.print(*target); });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

void previewReport(Report &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    // The preview lays out its pages on the printer's sheet before it asks for them.
    PrinterCanvas::applySetup(printer, report.pageSetup());
    previewOn(printer, report, parent);
}

bool previewReportWithSetUp(Report &report, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    PrinterCanvas::applySetup(printer, report.pageSetup());
    if (!setUpPrinter(printer, parent))
        return false;
    // The dialog may have turned the sheet; the report keeps its own.
    PrinterCanvas::applySetup(printer, report.pageSetup());
    previewOn(printer, report, parent);
    return true;
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
