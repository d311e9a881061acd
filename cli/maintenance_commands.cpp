#include "cli/maintenance_commands.h"

#include "assembly/data_module_assembly.h"
#include "cli/cli_session.h"
#include "cli/command_registry.h"
#include "core/data_module.h"
#include "core/start_up.h"
#include "maintenance/archive.h"
#include "maintenance/index_repair.h"
#include "maintenance/table_check.h"
#include "platform/prompter.h"

#include <QDir>

namespace {

// The data root and the working year as the start sequence settles them. A damaged table
// may stop the start sequence half-way; what it settled so far still says where to look,
// and the damage itself is what the check is there to name.
WorkingEnvironment locateTables(CommandContext &context)
{
    WorkingEnvironment environment = startEnvironment();
    const std::unique_ptr<TDANE> dane = AssembleDataModule(environment, context.prompter);
    dane->setStartArguments(context.options.start);
    try {
        dane->DataModuleCreate();
    } catch (const DbError &) {
    }
    if (context.options.start.year)
        environment.workingYear = *context.options.start.year;
    return environment;
}

int check(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    const WorkingEnvironment environment = locateTables(context);
    const QDir root(environment.dataRoot.isEmpty() ? QDir::currentPath() : environment.dataRoot);
    QStringList damaged;
    QStringList inUse;
    for (const QString &file : CheckedTableFiles(environment)) {
        const QString name = root.relativeFilePath(file);
        const TableHealth health = CheckTable(file);
        context.out << name << ": "
                    << (health.problems.isEmpty() ? QStringLiteral("ok")
                                                  : health.problems.join(QStringLiteral("; ")))
                    << '\n';
        if (health.state == TableHealth::State::Damaged)
            damaged << name;
        else if (health.state == TableHealth::State::InUse)
            inUse << name;
    }
    if (!damaged.isEmpty())
        context.prompter.error(QStringLiteral("Uszkodzone tabele: ") + damaged.join(QStringLiteral(", ")));
    if (!inUse.isEmpty())
        context.prompter.error(QStringLiteral("Nie sprawdzono tabel używanych przez inny program: ")
                               + inUse.join(QStringLiteral(", ")));
    return damaged.isEmpty() && inUse.isEmpty() ? CliSuccess : CliFailed;
}

QString archiveLocation(CommandContext &context, const WorkingEnvironment &environment)
{
    return context.option(QStringLiteral("katalog")).value_or(DefaultArchiveLocation(environment));
}

int archive(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    const ArchiveOutcome outcome =
        Archiwizuj(session.dane, archiveLocation(context, session.environment), context.progress,
                   context.prompter);
    if (!outcome.done)
        return CliFailed;
    context.out << QStringLiteral("Zarchiwizowano tabel: ") << outcome.copied << '\n';
    return CliSuccess;
}

int restore(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    const ArchiveOutcome outcome =
        Odtwarzaj(session.dane, archiveLocation(context, session.environment), context.progress,
                  context.prompter);
    if (!outcome.done)
        return CliFailed;
    context.out << QStringLiteral("Odtworzono tabel: ") << outcome.copied << '\n';
    return session.started() ? CliSuccess : CliFailed;
}

int repairIndexes(CommandContext &context)
{
    if (!context.arguments.isEmpty())
        return usageError(context);
    CliSession session(context);
    if (!session.started())
        return CliFailed;
    RepairLog log;
    const RepairOutcome outcome = NaprawaIndeksow(session.dane, context.prompter, log);
    if (!outcome.started)
        return CliFailed;
    for (const QString &line : log.lines())
        context.out << line << '\n';
    return outcome.notRepaired == 0 && session.started() ? CliSuccess : CliFailed;
}

} // namespace

void addMaintenanceCommands(CommandRegistry &registry)
{
    registry.add(QStringLiteral("check"),
                 QStringLiteral("sprawdza spójność każdej tabeli katalogu danych i roku pracy"),
                 check);
    const QString location = QStringLiteral("katalog archiwum (domyślnie katalog danych i ARCHIWUM)");
    registry
        .add(QStringLiteral("archive"),
             QStringLiteral("kopiuje tabele katalogu danych i wszystkich lat do archiwum"), archive)
        .value(QStringLiteral("katalog"), QStringLiteral("KATALOG"), location);
    registry
        .add(QStringLiteral("restore"),
             QStringLiteral("odtwarza tabele z archiwum (pytanie: odpowiedź z --answers)"), restore)
        .value(QStringLiteral("katalog"), QStringLiteral("KATALOG"), location);
    registry.add(QStringLiteral("repair-indexes"),
                 QStringLiteral("odtwarza indeksy otwieranych tabel z plików struktury i wypisuje "
                                "dziennik (pytanie: odpowiedź z --answers)"),
                 repairIndexes);
}
