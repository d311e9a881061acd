#include "startup_bench.h"

#include "assembly/data_module_assembly.h"
#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "core/start_up.h"
#include "ledger/ledger_rules.h"
#include "ledger/month_view.h"
#include "platform/scripted_prompter.h"


void benchStartup(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/dane"), "2019.05.10");
    CreateBenchDataRoot();
    ScriptedPrompter prompter;
    {
        WorkingEnvironment environment = startEnvironment();
        const std::unique_ptr<TDANE> dataModule = AssembleDataModule(environment, prompter);
        TDANE &dane = *dataModule;
        dane.DataModuleCreate();
        report.time(QStringLiteral("założenie roku: 100 000 zapisów, 2 000 kontrahentów"),
                    [&] {
                        FillBenchContractors(dane);
                        FillBenchLedger(dane);
                    });
    }

    WorkingEnvironment environment = startEnvironment();
    const std::unique_ptr<TDANE> dataModule = AssembleDataModule(environment, prompter);
    TDANE &dane = *dataModule;
    report.time(QStringLiteral("start programu na tym roku (cel < 500 ms)"),
                [&] { dane.DataModuleCreate(); });
    SelectWorkingMonth(dane, QStringLiteral("05"));
    int number = 0;
    report.time(QStringLiteral("numer następnego zapisu NUMER (cel < 1 ms)"),
                [&] { number = NUMER(dane); });
    if (number != BenchEntries + 1)
        qFatal("NUMER: zły numer");
    report.time(QStringLiteral("zmiana miesiąca w księdze, strona danych (cel < 50 ms)"),
                [&] { SelectWorkingMonth(dane, QStringLiteral("11")); });
    report.time(QStringLiteral("widok \"Wszystkie\": 100 000 zapisów"),
                [&] { SelectWorkingMonth(dane, QStringLiteral("13")); });
}
