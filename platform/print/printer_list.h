#pragma once
// The printers a printout can go to, the one chosen, and a canvas on it. The program offers
// the system's printers; the command line a PDF file; tests a recording canvas.

#include "platform/print/page_canvas.h"

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

class PrinterList {
public:
    virtual ~PrinterList() = default;

    virtual QStringList printerNames() const = 0;
    virtual QString currentPrinter() const = 0;
    virtual void selectPrinter(const QString &name) = 0;
    // Draws on the current printer; the same canvas serves job after job.
    virtual PageCanvas &canvas() = 0;
    // The printer behind the canvas, for the printer set-up dialog; none for a device that
    // is not a QPrinter.
    virtual QPrinter *qprinter() { return nullptr; }

    bool isEmpty() const { return printerNames().isEmpty(); }
};

// What the user is told when there is no printer to print on.
QString NoPrinterMessage();
// What the user is told when a job on the printer failed, by the canvas's reason.
QString PrintFailureMessage(const PageCanvas &canvas, const QString &printerName);

// The printers a window was given, or else the system's, made on first use and kept in
// `system`.
PrinterList &GivenOrSystemPrinters(PrinterList *given, std::unique_ptr<PrinterList> &system);

// The printers installed in the system, the default one chosen first.
class SystemPrinters final : public PrinterList {
public:
    SystemPrinters();
    ~SystemPrinters() override;

    QStringList printerNames() const override;
    QString currentPrinter() const override;
    void selectPrinter(const QString &name) override;
    PageCanvas &canvas() override;
    QPrinter *qprinter() override { return printer_.get(); }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PageCanvas> canvas_;
};

// One printer, named "PDF", that writes every job to the same file.
class PdfFilePrinter final : public PrinterList {
public:
    explicit PdfFilePrinter(const QString &fileName);
    ~PdfFilePrinter() override;

    QStringList printerNames() const override { return {name()}; }
    QString currentPrinter() const override { return name(); }
    void selectPrinter(const QString &) override {}
    PageCanvas &canvas() override;
    QPrinter *qprinter() override { return printer_.get(); }

private:
    static QString name() { return QStringLiteral("PDF"); }

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PageCanvas> canvas_;
};
