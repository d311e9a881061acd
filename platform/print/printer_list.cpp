#include "platform/print/printer_list.h"

#include "platform/print/printer_canvas.h"

#include <QPrinter>
#include <QPrinterInfo>

SystemPrinters::SystemPrinters()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      canvas_(std::make_unique<PrinterCanvas>(*printer_))
{
}

SystemPrinters::~SystemPrinters() = default;

QStringList SystemPrinters::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::currentPrinter() const
{
    return printer_->printerName();
}

void SystemPrinters::selectPrinter(const QString &name)
{
    printer_->setPrinterName(name);
}

PageCanvas &SystemPrinters::canvas()
{
    return *canvas_;
}

PdfFilePrinter::PdfFilePrinter(const QString &fileName)
    : printer_(makePdfPrinter(fileName)), canvas_(std::make_unique<PrinterCanvas>(*printer_))
{
}

PdfFilePrinter::~PdfFilePrinter() = default;

PageCanvas &PdfFilePrinter::canvas()
{
    return *canvas_;
}
