#include "year_opening_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "maintenance/year_opening.h"
#include "platform/scripted_prompter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

// Every table file of the year but the ledger, copied byte for byte into `target`.
void copyYearFiles(const QString &source, const QString &target)
{
    QDirIterator files(source, {QStringLiteral("*.DB")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (file.endsWith(QLatin1String("KSIEGA/KSIEGA.DB")))
            continue;
        const QString copy = target + file.mid(source.size());
        QDir().mkpath(QFileInfo(copy).path());
        if (!QFile::copy(file, copy))
            qFatal("kopia plików roku: zapis");
    }
}

} // namespace

void benchYearOpening(const QString &folder, BenchReport &report)
{
    const BenchFolder here(folder + QStringLiteral("/rok"), "2019.05.10");
    CreateBenchDataRoot();
    StartedBenchProgram program;
    ScriptedPrompter &prompter = program.prompter;
    WorkingEnvironment &environment = program.environment;
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);
    FillBenchContractors(dane);

    YearOpeningResult result = YearOpeningResult::Refused;
    const QString root = environment.dataRoot;
    report.compare(QStringLiteral("otwarcie roku po roku 100 000 zapisów (cel < 2 s)"),
                   [&] {
                       result = OpenNewYear(ProposedYearOpening(environment), environment,
                                            prompter, [](const QString &) {});
                   },
                   [&] { copyYearFiles(root + QStringLiteral("2019"), root + QStringLiteral("kopia")); });
    if (result != YearOpeningResult::Completed)
        qFatal("otwarcie roku: nie ukończone");
}
