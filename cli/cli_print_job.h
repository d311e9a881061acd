#pragma once
// One run of the text print engine from the command line: the output goes to a PDF file or
// to the system's printers, the export file name comes from the command line instead of a
// save dialog, and the engine starts with the settings the program saved.

#include "print/print_dialogs.h"
#include "print/print_engine.h"

#include <functional>
#include <memory>

class PrinterList;
class Progress;
struct WorkingEnvironment;

class CliPrintJob {
public:
    // `file` is the PDF to write when `pdf`, else the export file the save dialog would name.
    CliPrintJob(const WorkingEnvironment &environment, std::function<QString()> firmShortName,
                bool pdf, const QString &file, Prompter &prompter, Progress &progress);
    ~CliPrintJob();
    CliPrintJob(const CliPrintJob &) = delete;
    CliPrintJob &operator=(const CliPrintJob &) = delete;

    TDRUK &engine() { return engine_; }

private:
    PrintContext context_;
    std::unique_ptr<PrinterList> printers_;
    ScriptedPrintDialogs dialogs_;
    TDRUK engine_;
};
