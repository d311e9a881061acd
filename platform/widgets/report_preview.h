#pragma once
// The report layer's windows: the print preview, from which the user may also print, and
// the system printer set-up.

class Prompter;
class QPrinter;
class QWidget;
class Report;

// Shows the report's pages (modal) on a printer of the system, set to the report's sheet.
// A report that fails while the preview draws it (a total no amount holds) is shown in the
// error box, and the preview closes.
void previewReport(Report &report, Prompter &errors, QWidget *parent = nullptr);

// The printer set-up dialog, then the preview on the printer chosen there; false when the
// set-up was cancelled or the report failed in the preview.
bool previewReportWithSetUp(Report &report, Prompter &errors, QWidget *parent = nullptr);

// The system printer set-up dialog; true when the user confirmed.
bool setUpPrinter(QPrinter &printer, QWidget *parent = nullptr);

// Printer set-up, then the report on the printer chosen; false when the user cancelled or
// the printer could not be opened.
bool printReportWithSetUp(Report &report, QWidget *parent = nullptr);
