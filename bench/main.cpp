// `make bench`: the performance figures of the program, each beside plain SQL on the same
// data. Nothing here is a test; the numbers are for people to read and compare.
//
//   ksiega-bench              every measurement
//   ksiega-bench jpk druk     only those named (the names are listed by --lista)

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

#include <algorithm>
#include <utility>

namespace {

using Bench = void (*)(const QString &, BenchReport &);

// In the order they run; each one makes its own data root.
const std::pair<const char *, Bench> Benches[] = {
    {"silnik", benchEngine},        {"start", benchStartup},
    {"okno", benchLedgerWindow},    {"ksiegowanie", benchPosting},
    {"import", benchImports},       {"tekst", benchTextTransfer},
    {"konserwacja", benchMaintenance},
    {"jpk", benchJpk},              {"druk", benchLedgerPrint},
    {"nowy-rok", benchYearOpening},
};

} // namespace

int main(int argc, char **argv)
{
    // The ledger's printout draws text into a PDF file, and fonts need a GUI application; no
    // window opens, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QStringList chosen = application.arguments().mid(1);
    if (chosen == QStringList{QStringLiteral("--lista")}) {
        for (const auto &[name, bench] : Benches)
            out << name << '\n';
        return 0;
    }
    for (const QString &name : chosen) {
        if (std::none_of(std::begin(Benches), std::end(Benches),
                         [&](const auto &bench) { return name == QLatin1String(bench.first); })) {
            QTextStream(stderr) << QStringLiteral("Nieznany pomiar: %1 (lista: --lista)\n").arg(name);
            return 2;
        }
    }
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    BenchReport report;
    for (const auto &[name, bench] : Benches)
        if (chosen.isEmpty() || chosen.contains(QLatin1String(name)))
            bench(folder.path(), report);
    report.print(out);
    return 0;
}
