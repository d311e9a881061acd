#include "platform/table_files.h"

#include "platform/paths.h"
#include "platform/sqlite_db.h"
#include "platform/table_lock.h"
#include "platform/table_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

namespace {

TableLock lockExclusively(const QString &file)
{
    auto lock = TableLock::acquire(file, TableLock::Mode::Exclusive);
    if (!lock)
        throw tableInUseError(file);
    return std::move(*lock);
}

QString existingTableFile(const QString &path)
{
    const QString file = tableFilePath(path);
    if (!QFileInfo::exists(file))
        throw DbError(QStringLiteral("Tabela nie istnieje.\rBaza : ") + file);
    return file;
}

enum class Move { KeepExisting, ReplaceExisting };

// The last step of a rename or a replace, on a source locked exclusively. SQLite rolls back
// an interrupted write while the journal still sits beside the file it belongs to; a journal
// carried over to another name would be applied to whatever table takes that name later.
// The rows' table takes the name that goes with the new file name. A replacement overwrites
// the destination in one atomic step; a rename never overwrites.
void moveSettledTable(const QString &source, const QString &destination, Move move)
{
    settleJournal(source);
    {
        Connection connection(source, Connection::Mode::ReadWrite);
        const QString table = findInnerTable(connection, innerTableName(source));
        const QString newName = innerTableName(destination);
        if (table.compare(newName, Qt::CaseSensitive) != 0)
            connection.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                                .arg(quoteIdentifier(table), quoteIdentifier(newName)));
    }
    if (move == Move::ReplaceExisting) {
        if (std::rename(QFile::encodeName(source).constData(),
                        QFile::encodeName(destination).constData())
            != 0)
            throw DbError(QStringLiteral("Nie można zastąpić tabeli.\rBaza : ") + destination);
    } else if (!QFile::rename(source, destination)) {
        throw DbError(QStringLiteral("Nie można zmienić nazwy tabeli.\rBaza : ") + source);
    }
    QFile::remove(TableLock::lockPathFor(source));
    // The rename itself must survive a power cut, not only the file's contents.
    const int directory = ::open(QFile::encodeName(QFileInfo(destination).path()).constData(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

} // namespace

void settleJournal(const QString &file)
{
    if (!QFile::exists(file + QStringLiteral("-journal")))
        return;
    Connection connection(file, Connection::Mode::ReadWrite);
    connection.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!QFile::exists(file + QStringLiteral("-journal")))
        return;
    connection.begin();
    connection.rollback();
}

QString tableFilePath(const QString &path)
{
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".DB");
    return resolvePath(file);
}

bool tableExists(const QString &path)
{
    return QFileInfo::exists(tableFilePath(path));
}

void createTable(const QString &path, const TableDef &definition, bool replace)
{
    validateTableDefinition(definition);
    const QString file = tableFilePath(path);
    if (QFileInfo::exists(file)) {
        if (!replace)
            throw DbError(QStringLiteral("Tabela już istnieje.\rBaza : ") + file);
        deleteTable(file);
    }
    const TableLock lock = lockExclusively(file);
    try {
        Connection connection(file, Connection::Mode::Create);
        connection.begin();
        writeTableSchema(connection, innerTableName(file), definition);
        connection.commit();
    } catch (const DbError &) {
        QFile::remove(file);
        throw;
    }
}

TableDef readTableDefinition(const QString &path)
{
    const QString file = existingTableFile(path);
    Connection connection(file, Connection::Mode::ReadOnly);
    return readTableDefinition(connection, findInnerTable(connection, innerTableName(file)));
}

void addIndex(const QString &path, const IndexDef &index)
{
    const QString file = existingTableFile(path);
    const TableLock lock = lockExclusively(file);
    Connection connection(file, Connection::Mode::ReadWrite);
    const QString table = findInnerTable(connection, innerTableName(file));
    TableDef definition = readTableDefinition(connection, table);
    if (index.primary ? definition.primaryIndex() != nullptr
                      : definition.findIndex(index.name) != nullptr)
        throw DbError(QStringLiteral("Indeks %1 już istnieje.\rBaza : %2")
                          .arg(index.primary ? QStringLiteral("główny") : index.name, file));
    connection.begin();
    ensureMetadata(connection, definition);
    createIndex(connection, table, definition, index);
    connection.commit();
}

void addField(const QString &path, const FieldDef &field)
{
    const QString file = existingTableFile(path);
    const TableLock lock = lockExclusively(file);
    settleJournal(file);
    Connection connection(file, Connection::Mode::ReadWrite);
    const QString table = findInnerTable(connection, innerTableName(file));
    const TableDef definition = readTableDefinition(connection, table);
    if (definition.fieldIndex(field.name) >= 0)
        throw DbError(QStringLiteral("Pole %1 już istnieje.\rBaza : %2").arg(field.name, file));
    connection.begin();
    appendField(connection, table, definition, field);
    connection.commit();
}

void deleteIndex(const QString &path, const QString &indexName)
{
    const QString file = existingTableFile(path);
    const TableLock lock = lockExclusively(file);
    Connection connection(file, Connection::Mode::ReadWrite);
    const QString table = findInnerTable(connection, innerTableName(file));
    const TableDef definition = readTableDefinition(connection, table);
    connection.begin();
    ensureMetadata(connection, definition);
    dropIndex(connection, indexName);
    connection.commit();
}

void emptyTable(const QString &path)
{
    const QString file = existingTableFile(path);
    Connection connection(file, Connection::Mode::ReadWrite);
    const QString table = findInnerTable(connection, innerTableName(file));
    connection.exec(QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(table)));
}

bool deleteTable(const QString &path)
{
    const QString file = tableFilePath(path);
    if (!QFileInfo::exists(file))
        return false;
    const TableLock lock = lockExclusively(file);
    settleJournal(file);
    if (!QFile::remove(file))
        throw DbError(QStringLiteral("Nie można usunąć tabeli.\rBaza : ") + file);
    QFile::remove(TableLock::lockPathFor(file));
    return true;
}

void renameTable(const QString &from, const QString &to)
{
    const QString source = existingTableFile(from);
    QString target = to;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".DB");
    if (QFileInfo::exists(tableFilePath(target)))
        throw DbError(QStringLiteral("Tabela już istnieje.\rBaza : ") + tableFilePath(target));
    const TableLock lock = lockExclusively(source);
    moveSettledTable(source, target, Move::KeepExisting);
}

void replaceTable(const QString &target, const QString &replacement)
{
    const QString source = existingTableFile(replacement);
    const QString destination = tableFilePath(target);
    const TableLock sourceLock = lockExclusively(source);
    std::optional<TableLock> destinationLock;
    if (QFileInfo::exists(destination)) {
        destinationLock = lockExclusively(destination);
        settleJournal(destination);
    }
    moveSettledTable(source, destination, Move::ReplaceExisting);
}
