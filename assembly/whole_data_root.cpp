#include "assembly/whole_data_root.h"

#include "assembly/data_module_assembly.h"
#include "assembly/demo_year.h"
#include "core/data_module.h"
#include "core/new_data_root.h"
#include "core/start_up.h"
#include "imports/demo_companion_tables.h"
#include "platform/clock.h"
#include "platform/db_error.h"
#include "platform/paths.h"
#include "platform/table_files.h"
#include "platform/table_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The folders on the way to `tables` that do not exist yet, deepest first: made by this
// command, so removed with it when they are empty again.
QStringList missingFolders(const QStringList &tables)
{
    QStringList folders;
    for (const QString &table : tables)
        for (QString folder = QFileInfo(table).path();
             folder != QLatin1String(".") && !QFileInfo::exists(folder) && !folders.contains(folder);
             folder = QFileInfo(folder).path())
            folders << folder;
    std::sort(folders.begin(), folders.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return folders;
}

// The year through the program's own data module, started on the new root as the program
// starts on it.
void fillYear(const NewDataRoot &request, Prompter &prompter, int currentMonth)
{
    WorkingEnvironment environment = startEnvironment();
    const std::unique_ptr<TDANE> dane = AssembleDataModule(environment, prompter);
    StartArguments arguments;
    if (!request.dataRoot.isEmpty())
        arguments.dataRoot = withTrailingSlash(request.dataRoot);
    arguments.year = request.year;
    dane->setStartArguments(arguments);
    dane->DataModuleCreate();
    if (environment.abort || !environment.unopenedTables.isEmpty())
        throw DbError(QStringLiteral("Nie można otworzyć tabel nowych danych."));
    WriteDemoYear(*dane, currentMonth);
}

// Deletes the tables and then the folders; gives the tables that could not be deleted.
QStringList discard(const QStringList &tables, const QStringList &folders)
{
    QStringList left;
    for (const QString &table : tables) {
        const QString file = tableFilePath(table);
        try {
            deleteTable(file);
        } catch (const DbError &) {
            left << table;
            continue;
        }
        // A table that could not be made leaves its lock file; opening one wrote its
        // structure file.
        QFile::remove(TableLock::lockPathFor(file));
        QFile::remove(resolvePath(table + QStringLiteral(".STR")));
    }
    for (const QString &folder : folders)
        QDir().rmdir(folder);
    return left;
}

} // namespace

void CreateWholeDataRoot(const NewDataRoot &request, Prompter &prompter)
{
    NewDataRoot made = request;
    made.demoEntries = false;
    const QString root = withTrailingSlash(request.dataRoot);
    const QStringList rootTables = newDataRootTables(made);
    QStringList firmTables = rootTables.mid(1);
    if (request.demo)
        firmTables += DemoCompanionTables(root, request.year);
    refuseExistingTables(firmTables);
    // The parameter table is the program's and may serve another firm already: it is kept.
    const QStringList tables =
        tableExists(rootTables.first()) ? firmTables : QStringList{rootTables.first()} + firmTables;
    const QStringList folders = missingFolders(tables);
    const int currentMonth = DemoCurrentMonth(request.year, today());
    try {
        createDataRoot(made);
        if (request.demo) {
            fillYear(made, prompter, currentMonth);
            // The month after the current one has its fixed assets not yet posted, so the
            // current month imports its depreciation and the next one shows the refusal.
            WriteDemoCompanionTables(root, request.year, currentMonth % 12 + 1);
        }
    } catch (const DbError &failure) {
        const QStringList left = discard(tables, folders);
        QString message = failure.message()
                          + (request.demo ? QStringLiteral("\rDane demonstracyjne nie zostały założone")
                                          : QStringLiteral("\rDane firmy nie zostały założone"));
        message += left.isEmpty() ? QStringLiteral(": nic z nich nie zostało na dysku.")
                                  : QStringLiteral("; nie udało się usunąć tabel: %1.")
                                        .arg(left.join(QStringLiteral(", ")));
        throw DbError(message, failure.sqliteCode());
    }
}
