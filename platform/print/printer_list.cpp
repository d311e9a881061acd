#include "platform/print/printer_list.h"

#include "platform/print/printer_canvas.h"

#include <QPrinter>
#include <QPrinterInfo>

QString NoPrinterMessage()
{
    return QStringLiteral("Uwaga nie posiadasz zainstalowanej drukarki !!");
}

QString PrintFailureMessage(const PageCanvas &canvas, const QString &printerName)
{
    switch (canvas.failure()) {
    case PageCanvas::Failure::PageSetup:
        return QStringLiteral("Drukarka nie przyjmuje ustawień strony : ") + printerName;
    case PageCanvas::Failure::Output:
        return QStringLiteral("Błąd zapisu wydruku : ") + printerName;
    case PageCanvas::Failure::None:
    case PageCanvas::Failure::Device:
        break;
    }
    return QStringLiteral("Błąd otwarcia drukarki : ") + printerName;
}

PrinterList &GivenOrSystemPrinters(PrinterList *given, std::unique_ptr<PrinterList> &system)
{
    if (given)
        return *given;
    if (!system)
        system = std::make_unique<SystemPrinters>();
    return *system;
}

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
