#include "core/table_upgrades.h"

#include "platform/collation_version.h"
#include "platform/cursor.h"
#include "platform/prompter.h"
#include "platform/sqlite_db.h"
#include "platform/table_files.h"
#include "platform/table_lock.h"
#include "platform/table_schema.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <fcntl.h>
#include <unistd.h>

// The copy is made by SQLite from the source file's own schema, so a companion program's
// plain table keeps its columns, declared types, constraints and indexes exactly, and our own
// tables keep their field and index definitions with them. It is built whole under a
// temporary name beside the target and only then renamed into place: a crash, a full disk or
// a refused write leaves no target, and a later run that adds the missing tables of a year
// builds this one again instead of skipping a half-copied table as existing.

namespace {

const QString Source = QStringLiteral("zrodlo");

struct Column {
    QString name;
    QString declaredType;
    bool notNull = false;
    QString defaultSql; // the default as the schema writes it; empty when there is none
};

QList<Column> sourceColumns(Connection &connection, const QString &table)
{
    QList<Column> columns;
    Statement info(connection.handle(),
                   QStringLiteral("PRAGMA %1.table_info(%2)").arg(Source, quoteIdentifier(table)));
    while (info.step())
        columns << Column{info.column(1).toString(), info.column(2).toString(),
                          info.columnInt64(3) != 0, info.column(4).toString()};
    return columns;
}

// What an emptied column holds: blank, unless the other program's schema forbids it; then
// its declared default, or the empty value of its kind.
QString emptiedValue(const Column &column)
{
    if (!column.notNull)
        return QStringLiteral("NULL");
    if (!column.defaultSql.isEmpty())
        return QLatin1Char('(') + column.defaultSql + QLatin1Char(')');
    const QString type = column.declaredType.toUpper();
    const bool text = type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT"))
                      || type.contains(QLatin1String("CLOB"));
    return text ? QStringLiteral("''") : QStringLiteral("0");
}

void copyRows(Connection &connection, const QString &table, const QStringList &emptied,
              const QString &condition)
{
    QStringList targets;
    QStringList values;
    for (const Column &column : sourceColumns(connection, table)) {
        const QString name = quoteIdentifier(column.name);
        targets << name;
        values << (emptied.contains(column.name, Qt::CaseInsensitive) ? emptiedValue(column) : name);
    }
    if (targets.isEmpty())
        return;
    QString sql = QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4.%1")
                      .arg(quoteIdentifier(table), targets.join(QLatin1Char(',')),
                           values.join(QLatin1Char(',')), Source);
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    connection.exec(sql);
}

QStringList schemaStatements(Connection &connection, const QString &types)
{
    QStringList statements;
    Statement schema(connection.handle(),
                     QStringLiteral("SELECT sql FROM %1.sqlite_master WHERE type IN (%2) AND sql "
                                    "IS NOT NULL AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                                    "ORDER BY rowid")
                         .arg(Source, types));
    while (schema.step())
        statements << schema.column(0).toString();
    return statements;
}

QStringList sourceTables(Connection &connection)
{
    QStringList tables;
    Statement list(connection.handle(),
                   QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table' AND name "
                                  "NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid")
                       .arg(Source));
    while (list.step())
        tables << list.column(0).toString();
    return tables;
}

qint64 sourcePragma(Connection &connection, const char *pragma)
{
    Statement statement(connection.handle(),
                        QStringLiteral("PRAGMA %1.%2").arg(Source, QLatin1String(pragma)));
    return statement.step() ? statement.columnInt64(0) : 0;
}

bool hasPolishIndex(Connection &connection)
{
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT 1 FROM main.sqlite_master WHERE type = 'index' AND "
                                       "sql LIKE '%COLLATE POLISH%'"));
    return statement.step();
}

struct CopyRequest {
    QString sourceFile;
    QString targetTable; // the rows' table as the target file's name calls it
    bool copy = false;
    QStringList emptied;
    QString zeroField; // with it, only the rows whose value there is "0"
};

// Writes the complete copy into `file`, which does not exist yet.
void buildCopy(const QString &file, const CopyRequest &request)
{
    Connection connection(file, Connection::Mode::Create);
    Statement attach(connection.handle(), QStringLiteral("ATTACH DATABASE ? AS ") + Source);
    attach.bind(1, request.sourceFile);
    attach.run();
    connection.exec(QStringLiteral("PRAGMA main.page_size = %1")
                        .arg(sourcePragma(connection, "page_size")));
    const qint64 userVersion = sourcePragma(connection, "user_version");
    const qint64 applicationId = sourcePragma(connection, "application_id");
    const QString inner = innerTableName(request.sourceFile);

    connection.begin();
    for (const QString &statement : schemaStatements(connection, QStringLiteral("'table'")))
        connection.exec(statement);
    for (const QString &table : sourceTables(connection)) {
        const bool metadata = table == QLatin1String(FieldsMetaTable)
                              || table == QLatin1String(IndexesMetaTable);
        const bool rows = table.compare(inner, Qt::CaseInsensitive) == 0;
        if (metadata || (request.copy && !rows))
            copyRows(connection, table, {}, {});
        else if (rows && request.copy)
            copyRows(connection, table, request.emptied, {});
        else if (rows && !request.zeroField.isEmpty())
            copyRows(connection, table, {},
                     quoteIdentifier(request.zeroField) + QStringLiteral(" = '0'"));
    }
    // Indexes are built once the rows are in, and triggers come last so that none fires
    // on the copied rows.
    for (const QString &statement :
         schemaStatements(connection, QStringLiteral("'index','view','trigger'")))
        connection.exec(statement);
    if (sourceTables(connection).contains(QLatin1String(FieldsMetaTable)))
        connection.exec(QStringLiteral("UPDATE main.%1 SET required = 0")
                            .arg(QLatin1String(FieldsMetaTable)));
    // A copy under another file name holds its rows under that name; under the same name it
    // keeps the other program's spelling.
    const QString table = findInnerTable(connection, inner);
    if (table.compare(request.targetTable, Qt::CaseInsensitive) != 0)
        connection.exec(QStringLiteral("ALTER TABLE main.%1 RENAME TO %2")
                            .arg(quoteIdentifier(table), quoteIdentifier(request.targetTable)));
    if (hasPolishIndex(connection))
        stampOrderVersion(connection); // the indexes were just built in today's order
    else
        connection.exec(QStringLiteral("PRAGMA main.user_version = %1").arg(userVersion));
    connection.exec(QStringLiteral("PRAGMA main.application_id = %1").arg(applicationId));
    connection.commit();
    connection.exec(QStringLiteral("DETACH DATABASE ") + Source);
}

void syncDirectory(const QString &path)
{
    const int directory = ::open(QFile::encodeName(path).constData(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

// False when the target appeared meanwhile; it is never overwritten.
bool publish(const QString &built, const QString &target)
{
    if (!QFile::rename(built, target))
        return false;
    syncDirectory(QFileInfo(target).path());
    return true;
}

void removeBuilt(const QString &built)
{
    try {
        deleteTable(built);
    } catch (const DbError &) {
        // Whatever is left is found and removed by the next copy to this target.
    }
}

} // namespace

bool CopyTableStructure(Cursor &source, const QString &target, bool copy,
                        const QString &clearList, bool zeroOnly, Prompter &prompter)
{
    if (QFileInfo::exists(target))
        return false;
    CopyRequest request{source.tablePath(), innerTableName(target), copy,
                        copy ? splitFieldList(clearList) : QStringList(), QString()};
    if (!copy && zeroOnly)
        if (const IndexDef *primary = source.definition().primaryIndex())
            request.zeroField = primary->fields.value(0);

    const QString built = target + QStringLiteral(".tmp");
    bool published = false;
    try {
        if (source.isEditing())
            source.post();
        deleteTable(built); // left by a copy that was cut off
        {
            const std::optional<TableLock> lock = TableLock::acquire(built, TableLock::Mode::Exclusive);
            if (!lock)
                throw DbError(QStringLiteral("Tabela jest używana przez inny program.\rBaza : ")
                              + built);
            buildCopy(built, request);
            published = publish(built, target);
        }
        QFile::remove(TableLock::lockPathFor(built));
    } catch (const DbError &) {
        removeBuilt(built);
        prompter.ask(MessageIcon::Error, QStringLiteral("Nie mozna utworzyć tabeli"),
                     MessageButtons::Ok, QStringLiteral("Błąd"));
        return false;
    }
    if (!published)
        removeBuilt(built);
    return published;
}
