#include "maintenance/archive.h"

#include "core/data_module.h"
#include "core/table_access.h"
#include "firm/firm_record.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/progress.h"
#include "platform/prompter.h"
#include "platform/table_copy.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

bool isTableFile(const QString &name)
{
    return QFileInfo(name).suffix().compare(QLatin1String("DB"), Qt::CaseInsensitive) == 0;
}

QStringList tablesIn(const QDir &directory, const QString &prefix)
{
    QStringList tables;
    for (const QString &name : directory.entryList(QDir::Files, QDir::Name))
        if (isTableFile(name))
            tables << prefix + name;
    return tables;
}

// The tables one level under `directory`, named from the root: "2019/KSIEGA/KSIEGA.DB".
QStringList tablesOneLevelUnder(const QDir &root, const QString &directory)
{
    QStringList tables;
    const QDir parent(root.filePath(directory));
    for (const QString &sub : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        tables << tablesIn(QDir(parent.filePath(sub)), directory + QLatin1Char('/') + sub
                                                           + QLatin1Char('/'));
    return tables;
}

// The root's own tables, BAZA's, then each year's: one step of the progress each.
QList<QStringList> tableGroups(const QString &root, const QStringList &years)
{
    const QDir dir(root);
    QList<QStringList> groups{tablesIn(dir, QString()),
                              tablesOneLevelUnder(dir, QStringLiteral("BAZA"))};
    for (const QString &year : years)
        groups << tablesOneLevelUnder(dir, year);
    return groups;
}

using CopyTable = std::function<void(const QString &source, const QString &target)>;

// Copies every table of the groups from `from` to `to`, each into a directory made as
// needed; a table that fails is kept with its reason and the walk goes on.
ArchiveOutcome copyGroups(const QList<QStringList> &groups, const QString &from, const QString &to,
                          const CopyTable &copy, Progress &progress, QStringList &reasons)
{
    ArchiveOutcome outcome;
    const QDir source(from);
    const QDir target(to);
    for (const QStringList &group : groups) {
        progress.step();
        for (const QString &table : group) {
            try {
                if (!target.mkpath(QFileInfo(table).path()))
                    throw DbError(QStringLiteral("Nie można utworzyć katalogu ")
                                  + QDir::cleanPath(target.filePath(QFileInfo(table).path())));
                copy(source.filePath(table), resolvePath(target.filePath(table)));
                ++outcome.copied;
            } catch (const DbError &failure) {
                outcome.failed << table;
                reasons << table + QStringLiteral(" – ")
                               + failure.message().section(QLatin1Char('\r'), 0, 0);
            }
        }
    }
    outcome.done = outcome.failed.isEmpty();
    return outcome;
}

bool recordArchiveDate(TDANE &dane, Prompter &prompter)
{
    Cursor &firm = dane.TFIRMA;
    try {
        if (!GoToFirmRecord(firm))
            return false;
        if (firm.isEmpty())
            firm.append();
        else
            EnsureEditing(firm);
        firm.field(QStringLiteral("ARCHDATA")).setAsString(todayText());
    } catch (const DbError &) {
        if (firm.isEditing())
            firm.cancel();
        prompter.error(QStringLiteral("Błąd zapisu"));
        return false;
    }
    return SaveTable(firm, prompter);
}

} // namespace

QString DefaultArchiveLocation(const WorkingEnvironment &environment)
{
    return environment.dataRoot + QStringLiteral("ARCHIWUM");
}

QStringList ArchivedTables(const QString &root, const QStringList &years)
{
    QStringList tables;
    for (const QStringList &group : tableGroups(root, years))
        tables << group;
    return tables;
}

ArchiveOutcome Archiwizuj(TDANE &dane, const QString &location, Progress &progress,
                          Prompter &prompter)
{
    const WorkingEnvironment &env = dane.environment();
    const QString archive = withTrailingSlash(location);
    const QString root = env.dataRoot.isEmpty() ? withTrailingSlash(QDir::currentPath()) : env.dataRoot;
    if (!QDir().mkpath(archive)) {
        prompter.error(QStringLiteral("Nie można utworzyć katalogu archiwum ") + archive);
        return {};
    }
    progress.start(QStringLiteral("Archiwowanie"), int(env.years.size()) + 2);
    QStringList reasons;
    ArchiveOutcome outcome =
        copyGroups(tableGroups(root, env.years), root, archive, snapshotTable, progress, reasons);
    progress.stop();
    if (!outcome.done) {
        // An archive with tables missing is not dated: the date says what can be restored.
        prompter.error(QStringLiteral("Nie zarchiwizowano tabel:\r") + reasons.join(QLatin1Char('\r')));
        return outcome;
    }
    outcome.done = recordArchiveDate(dane, prompter);
    return outcome;
}

ArchiveOutcome Odtwarzaj(TDANE &dane, const QString &location, Progress &progress,
                         Prompter &prompter)
{
    const QString archive = withTrailingSlash(location);
    if (!prompter.confirm(QStringLiteral("Uwaga odtworzenie spowoduje utratę wszystkich zapisów od "
                                         "daty ostatniego archiwowania.\r"
                                         "Czy odtwarzać zbiory ?")))
        return {};
    if (!QFileInfo(archive).isDir()) {
        prompter.error(QStringLiteral("Brak katalogu archiwum ") + archive);
        return {};
    }
    dane.session().closeAll();
    const WorkingEnvironment &env = dane.environment();
    const QString root = env.dataRoot.isEmpty() ? withTrailingSlash(QDir::currentPath()) : env.dataRoot;
    progress.start(QStringLiteral("Odtwarzanie zbiorów"), int(env.years.size()) + 2);
    QStringList reasons;
    ArchiveOutcome outcome =
        copyGroups(tableGroups(archive, env.years), archive, root, overwriteTable, progress, reasons);
    progress.stop();
    dane.DataModuleCreate();
    outcome.reopened = true;
    if (!outcome.done)
        prompter.error(QStringLiteral("Nie odtworzono tabel:\r") + reasons.join(QLatin1Char('\r')));
    return outcome;
}
