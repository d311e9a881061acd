#include "cli/cli_print_job.h"

#include "core/program_title.h"
#include "platform/print/printer_list.h"

#include <QSettings>

static std::unique_ptr<PrinterList> printersFor(bool pdf, const QString &file)
{
    if (pdf)
        return std::make_unique<PdfFilePrinter>(file);
    return std::make_unique<SystemPrinters>();
}

static ScriptedPrintDialogs dialogsAnswering(const QString &exportFile)
{
    ScriptedPrintDialogs dialogs;
    dialogs.exportFile = exportFile;
    return dialogs;
}

CliPrintJob::CliPrintJob(const WorkingEnvironment &environment,
                         std::function<QString()> firmShortName, bool pdf, const QString &file,
                         Prompter &prompter, Progress &progress)
    : context_{environment, std::move(firmShortName), programTitle()},
      printers_(printersFor(pdf, file)), dialogs_(dialogsAnswering(file)),
      engine_(context_, *printers_, dialogs_, prompter, progress)
{
    QSettings settings(QStringLiteral("ZV"), QStringLiteral("DRUK"));
    engine_.startUp(settings);
}

CliPrintJob::~CliPrintJob() = default;
