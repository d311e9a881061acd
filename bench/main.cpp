// `make bench`: the performance figures of the program, each beside plain SQL on the same
// data. Nothing here is a test; the numbers are for people to read and compare.

#include "bench_report.h"
#include "engine_bench.h"
#include "import_bench.h"
#include "jpk_bench.h"
#include "ledger_print_bench.h"
#include "ledger_window_bench.h"
#include "maintenance_bench.h"
#include "posting_bench.h"
#include "startup_bench.h"
#include "text_transfer_bench.h"
#include "year_opening_bench.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    // The ledger's printout draws text into a PDF file, and fonts need a GUI application; no
    // window opens, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    QTextStream out(stdout);
    BenchReport report;
    benchEngine(folder.path(), report);
    benchStartup(folder.path(), report);
    benchLedgerWindow(folder.path(), report);
    benchPosting(folder.path(), report);
    benchImports(folder.path(), report);
    benchTextTransfer(folder.path(), report);
    benchMaintenance(folder.path(), report);
    benchJpk(folder.path(), report);
    benchLedgerPrint(folder.path(), report);
    benchYearOpening(folder.path(), report);
    report.print(out);
    return 0;
}
