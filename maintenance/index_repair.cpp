#include "maintenance/index_repair.h"

#include "core/data_module.h"
#include "core/structure_file.h"
#include "platform/collation_version.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"
#include "platform/table_lock.h"
#include "platform/table_schema.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Repaired = QStringLiteral(" naprawiono.");
const QString NotRepaired = QStringLiteral(" nienaprawiono.");

// What the structure file says, as the repair has always read it: the primary index comes
// back primary and unique, every named one as a plain case-insensitive index.
QList<IndexDef> indexesFrom(const QList<StructureIndexLine> &lines)
{
    QList<IndexDef> indexes;
    for (const StructureIndexLine &line : lines) {
        IndexDef index;
        index.name = line.name;
        index.fields = splitFieldList(line.fields);
        index.primary = line.name.isEmpty();
        index.unique = index.primary;
        index.caseInsensitive = !index.primary;
        indexes << index;
    }
    return indexes;
}

void dropEveryIndex(Connection &connection, const QString &table)
{
    QStringList names;
    {
        Statement list(connection.handle(),
                       QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                                      "tbl_name = ? COLLATE NOCASE AND sql IS NOT NULL"));
        list.bind(1, table);
        while (list.step())
            names << list.column(0).toString();
    }
    for (const QString &name : names)
        connection.exec(QStringLiteral("DROP INDEX %1").arg(quoteIdentifier(name)));
    connection.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(IndexesMetaTable)));
}

void rebuild(Connection &connection, const QList<IndexDef> &indexes)
{
    const QString table = findInnerTable(connection, innerTableName(connection.path()));
    TableDef definition = readTableDefinition(connection, table);
    connection.begin();
    ensureMetadata(connection, definition);
    dropEveryIndex(connection, table);
    definition.indexes.clear();
    for (const IndexDef &index : indexes) {
        createIndex(connection, table, definition, index);
        definition.indexes << index;
    }
    stampOrderVersion(connection);
    connection.commit();
}

QString firstProblem(Connection &connection)
{
    Statement check(connection.handle(), QStringLiteral("PRAGMA integrity_check(1)"));
    const QString result = check.step() ? check.column(0).toString() : QString();
    return result == QLatin1String("ok") ? QString() : result;
}

} // namespace

void RepairLog::clear()
{
    lines_.clear();
    changed();
}

void RepairLog::add(const QString &line)
{
    lines_ << line;
    changed();
}

void RepairLog::replaceLast(const QString &line)
{
    if (lines_.isEmpty())
        lines_ << line;
    else
        lines_.last() = line;
    changed();
}

void RepairLog::changed()
{
    if (listener_)
        listener_(lines_);
}

QString RepairTableIndexes(const QString &basePath)
{
    QFile structure(resolvePath(basePath + QStringLiteral(".STR")));
    if (!structure.open(QIODevice::ReadOnly))
        return NotRepaired;
    try {
        const QList<IndexDef> indexes = indexesFrom(readStructureIndexes(structure.readAll()));
        const QString file = tableFilePath(basePath);
        if (!QFileInfo::exists(file))
            return NotRepaired;
        const std::optional<TableLock> lock = TableLock::acquire(file, TableLock::Mode::Exclusive);
        if (!lock)
            return NotRepaired;
        Connection connection(file, Connection::Mode::ReadWrite);
        rebuild(connection, indexes);
        const QString problem = firstProblem(connection);
        return problem.isEmpty() ? Repaired : NotRepaired + QLatin1Char(' ') + problem;
    } catch (const DbError &) {
        return NotRepaired;
    }
}

RepairOutcome NaprawaIndeksow(TDANE &dane, Prompter &prompter, RepairLog &log)
{
    RepairOutcome outcome;
    if (!prompter.confirm(QStringLiteral("Uwaga ! Proszę zamknąć pozostałe programy.\r"
                                         "Czy zacząć odtwarzanie indeksów ?")))
        return outcome;
    outcome.started = true;
    const QStringList tables = dane.environment().openedTables;
    dane.session().closeAll();
    log.clear();
    log.add(QStringLiteral("Bazy danych używane w programie:"));
    for (const QString &table : tables)
        log.add(table);
    log.add(QStringLiteral("Odtwarzanie baz danych używanych w programie:"));
    for (const QString &table : tables) {
        log.add(table + QStringLiteral(" ..."));
        const QString result = RepairTableIndexes(table);
        log.replaceLast(table + result);
        if (result != Repaired)
            ++outcome.notRepaired;
    }
    log.add(QStringLiteral("KONIEC"));
    dane.DataModuleCreate();
    return outcome;
}
