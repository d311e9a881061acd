#include "maintenance_bench.h"

#include "bench_report.h"
#include "bench_year.h"
#include "core/data_module.h"
#include "maintenance/archive.h"
#include "maintenance/index_repair.h"
#include "platform/progress.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"

#include <QDir>
#include <QProcess>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from, to}) != 0)
        qFatal("cp -r nie powiodło się");
}

void reindexWithSql(const QStringList &tables)
{
    for (const QString &table : tables) {
        Connection plain(table + QStringLiteral(".DB"), Connection::Mode::ReadWrite);
        plain.exec(QStringLiteral("REINDEX"));
    }
}

} // namespace

void benchMaintenance(const QString &folder, BenchReport &report)
{
    const QString root = folder + QStringLiteral("/archiwum");
    const BenchFolder here(root, "2019.05.10");
    CreateBenchDataRoot();
    StartedBenchProgram program;
    SilentProgress progress;
    ScriptedPrompter &prompter = program.prompter;
    WorkingEnvironment &environment = program.environment;
    TDANE &dane = *program.dane;
    FillBenchLedger(dane);
    FillBenchContractors(dane);
    const QString archive = folder + QStringLiteral("/kopia");
    const QString plainCopy = folder + QStringLiteral("/kopia-cp");

    bool done = false;
    report.compare(QStringLiteral("archiwizacja danych z rokiem 100 000 zapisów (cel < 3 s)"),
                   [&] { done = Archiwizuj(dane, archive, progress, prompter).done; },
                   [&] { copyTree(root, plainCopy); });
    if (!done)
        qFatal("archiwizacja nie powiodła się");

    prompter.enqueue(Answer::Yes);
    report.compare(QStringLiteral("odtworzenie danych z rokiem 100 000 zapisów (cel < 3 s)"),
                   [&] { done = Odtwarzaj(dane, archive, progress, prompter).done; },
                   [&] { copyTree(archive, plainCopy); });
    if (!done || dane.TKSIEGA.recordCount() != BenchEntries)
        qFatal("odtworzenie nie powiodło się");

    const QStringList opened = environment.openedTables;
    RepairLog log;
    RepairOutcome repaired;
    prompter.enqueue(Answer::Yes);
    report.compare(QStringLiteral("naprawa indeksów otwartych tabel roku 100 000 zapisów (cel < 3 s)"),
                   [&] { repaired = NaprawaIndeksow(dane, prompter, log); },
                   [&] { reindexWithSql(opened); });
    if (!repaired.started || repaired.notRepaired != 0)
        qFatal("naprawa indeksów nie powiodła się");
}
