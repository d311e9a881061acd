#pragma once
// The report layer's windows: the print preview, from which the user may also print, and
// the system printer set-up.

class QPrinter;
class QWidget;
class Report;

// Shows the report's pages (modal) on a printer of the system, set to the report's sheet.
void previewReport(Report &report, QWidget *parent = nullptr);

// The printer set-up dialog, then the preview on the printer chosen there; false when the
// set-up was cancelled.
bool previewReportWithSetUp(Report &report, QWidget *parent = nullptr);

// The system printer set-up dialog; true when the user confirmed.
bool setUpPrinter(QPrinter &printer, QWidget *parent = nullptr);

// Printer set-up, then the report on the printer chosen; false when the user cancelled or
// the printer could not be opened.
bool printReportWithSetUp(Report &report, QWidget *parent = nullptr);
