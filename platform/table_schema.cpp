#include "platform/table_schema.h"

#include "platform/collation_version.h"
#include "platform/polish_collation.h"
#include "platform/sqlite_db.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Text:
        return field.size > 0 ? QStringLiteral("VARCHAR(%1)").arg(field.size)
                              : QStringLiteral("TEXT");
    case FieldType::SmallInt: return QStringLiteral("SMALLINT");
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::Word: return QStringLiteral("WORD INTEGER");
    case FieldType::LargeInt: return QStringLiteral("BIGINT");
    case FieldType::Logical: return QStringLiteral("BOOLEAN");
    case FieldType::Float: return QStringLiteral("DOUBLE");
    case FieldType::Currency: return QStringLiteral("CURRENCY INTEGER");
    case FieldType::Bcd: return QStringLiteral("BCD INTEGER");
    case FieldType::Date: return QStringLiteral("DATE TEXT");
    case FieldType::Time: return QStringLiteral("TIME TEXT");
    case FieldType::DateTime: return QStringLiteral("DATETIME TEXT");
    case FieldType::AutoInc: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Memo: return QStringLiteral("MEMO TEXT");
    case FieldType::FormattedMemo: return QStringLiteral("FMTMEMO TEXT");
    case FieldType::Bytes: return QStringLiteral("BYTES BLOB");
    case FieldType::VarBytes: return QStringLiteral("VARBYTES BLOB");
    case FieldType::Graphic: return QStringLiteral("GRAPHIC BLOB");
    default: return QStringLiteral("BLOB");
    }
}

// The field a plain-SQL column stands for, read from its declared type.
FieldDef fieldFromDeclaredType(const QString &name, const QString &declared, bool notNull,
                               bool autoIncrement)
{
    const QString type = declared.toUpper();
    FieldDef field{name, FieldType::Text, 0, notNull};
    auto has = [&](const char *word) { return type.contains(QLatin1String(word)); };
    if (autoIncrement || has("AUTOINC"))
        field.type = FieldType::AutoInc;
    else if (has("CURRENCY") || has("MONEY"))
        field.type = FieldType::Currency;
    else if (has("BCD"))
        field.type = FieldType::Bcd;
    else if (has("BOOL") || has("LOGICAL"))
        field.type = FieldType::Logical;
    else if (has("FMTMEMO"))
        field.type = FieldType::FormattedMemo;
    else if (has("MEMO"))
        field.type = FieldType::Memo;
    else if (has("DATETIME") || has("TIMESTAMP"))
        field.type = FieldType::DateTime;
    else if (has("DATE"))
        field.type = FieldType::Date;
    else if (has("TIME"))
        field.type = FieldType::Time;
    else if (has("SMALLINT"))
        field.type = FieldType::SmallInt;
    else if (has("BIGINT"))
        field.type = FieldType::LargeInt;
    else if (has("WORD"))
        field.type = FieldType::Word;
    else if (has("INT"))
        field.type = FieldType::Integer;
    else if (has("CHAR") || has("TEXT") || has("CLOB") || type.isEmpty())
        field.type = FieldType::Text;
    else if (has("GRAPHIC"))
        field.type = FieldType::Graphic;
    else if (has("BLOB") || has("BYTES"))
        field.type = FieldType::Blob;
    else
        field.type = FieldType::Float; // REAL, FLOAT, DOUBLE, NUMERIC, DECIMAL
    if (field.type == FieldType::Text) {
        static const QRegularExpression size(QStringLiteral("\\((\\d+)\\)"));
        const auto match = size.match(type);
        if (match.hasMatch())
            field.size = match.captured(1).toInt();
    }
    return field;
}

bool hasTable(Connection &connection, const char *name)
{
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    statement.bind(1, QString::fromLatin1(name));
    return statement.step();
}

QList<FieldDef> readFieldsFromMetadata(Connection &connection)
{
    QList<FieldDef> fields;
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT name, type, size, required FROM %1 ORDER BY position")
                            .arg(QLatin1String(FieldsMetaTable)));
    while (statement.step())
        fields << FieldDef{statement.column(0).toString(),
                           FieldType(statement.columnInt64(1)), int(statement.columnInt64(2)),
                           statement.columnInt64(3) != 0};
    return fields;
}

QList<FieldDef> readFieldsFromColumns(Connection &connection, const QString &table)
{
    bool autoIncrementTable = false;
    if (hasTable(connection, "sqlite_sequence")) {
        Statement sequence(connection.handle(),
                           QStringLiteral("SELECT 1 FROM sqlite_master WHERE name=? AND sql LIKE "
                                          "'%AUTOINCREMENT%'"));
        sequence.bind(1, table);
        autoIncrementTable = sequence.step();
    }
    QList<FieldDef> fields;
    Statement statement(connection.handle(),
                        QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
    while (statement.step()) {
        const QString declared = statement.column(2).toString();
        const bool rowidAlias = statement.columnInt64(5) == 1
                                && declared.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        fields << fieldFromDeclaredType(statement.column(1).toString(), declared,
                                        statement.columnInt64(3) != 0,
                                        rowidAlias && autoIncrementTable);
    }
    return fields;
}

QList<IndexDef> readIndexesFromMetadata(Connection &connection)
{
    QList<IndexDef> indexes;
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT name, fields, is_primary, is_unique, "
                                       "case_insensitive, descending FROM %1 ORDER BY position")
                            .arg(QLatin1String(IndexesMetaTable)));
    while (statement.step())
        indexes << IndexDef{statement.column(0).toString(),
                            splitFieldList(statement.column(1).toString()),
                            statement.columnInt64(2) != 0, statement.columnInt64(3) != 0,
                            statement.columnInt64(4) != 0, statement.columnInt64(5) != 0};
    return indexes;
}

QList<IndexDef> readIndexesFromSqlite(Connection &connection, const QString &table,
                                      const QList<FieldDef> &fields)
{
    QList<IndexDef> indexes;
    for (const FieldDef &field : fields)
        if (field.type == FieldType::AutoInc)
            indexes << IndexDef{QString(), {field.name}, true, true, false, false};
    Statement list(connection.handle(),
                   QStringLiteral("PRAGMA index_list(%1)").arg(quoteIdentifier(table)));
    while (list.step()) {
        if (list.columnInt64(4) != 0) // partial indexes order only some rows
            continue;
        const QString name = list.column(1).toString();
        const bool unique = list.columnInt64(2) != 0;
        const QString origin = list.column(3).toString();
        IndexDef index;
        index.primary = origin == QLatin1String("pk")
                        || name.compare(QLatin1String(PrimaryIndexName), Qt::CaseInsensitive) == 0;
        index.unique = unique || index.primary;
        index.name = index.primary ? QString() : name;
        Statement columns(connection.handle(),
                          QStringLiteral("PRAGMA index_xinfo(%1)").arg(quoteIdentifier(name)));
        bool usable = true;
        while (columns.step()) {
            if (columns.columnInt64(5) == 0) // the rowid every index ends with
                continue;
            if (columns.columnIsNull(2)) {
                usable = false; // an index on an expression
                continue;
            }
            index.fields << columns.column(2).toString();
            index.descending = index.descending || columns.columnInt64(3) != 0;
            const QString collation = columns.column(4).toString();
            index.caseInsensitive = index.caseInsensitive
                                    || collation.compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0
                                    || collation == QLatin1String(PolishCaseInsensitiveCollation);
        }
        if (usable && !index.fields.isEmpty() && (!index.primary || indexes.isEmpty()))
            indexes << index;
    }
    return indexes;
}

QString indexColumnList(const TableDef &definition, const IndexDef &index)
{
    QStringList columns;
    for (const QString &name : index.fields) {
        const int at = definition.fieldIndex(name);
        QString column = quoteIdentifier(definition.fields[at].name);
        const QString collation = collationFor(definition.fields[at].type, index.caseInsensitive);
        if (!collation.isEmpty())
            column += QStringLiteral(" COLLATE ") + collation;
        if (index.descending)
            column += QStringLiteral(" DESC");
        columns << column;
    }
    return columns.join(QStringLiteral(", "));
}

void validateIndex(const TableDef &definition, const IndexDef &index)
{
    if (index.fields.isEmpty())
        throw DbError(QStringLiteral("Indeks %1 nie ma pól.").arg(index.name));
    if (!index.primary && index.name.trimmed().isEmpty())
        throw DbError(QStringLiteral("Indeks pomocniczy musi mieć nazwę."));
    for (const QString &name : index.fields) {
        const int at = definition.fieldIndex(name);
        if (at < 0)
            throw DbError(QStringLiteral("Indeks %1 wskazuje nieistniejące pole %2.")
                              .arg(index.name, name));
        if (storageClassOf(definition.fields[at].type) == StorageClass::Blob
            || definition.fields[at].type == FieldType::Memo)
            throw DbError(QStringLiteral("Pole %1 nie może należeć do indeksu.").arg(name));
    }
}

void writeMetadata(Connection &connection, const TableDef &definition)
{
    connection.exec(QStringLiteral("CREATE TABLE %1 (position INTEGER PRIMARY KEY, name TEXT NOT "
                                   "NULL, type INTEGER NOT NULL, size INTEGER NOT NULL, required "
                                   "INTEGER NOT NULL)")
                        .arg(QLatin1String(FieldsMetaTable)));
    connection.exec(QStringLiteral("CREATE TABLE %1 (position INTEGER PRIMARY KEY, name TEXT NOT "
                                   "NULL, fields TEXT NOT NULL, is_primary INTEGER NOT NULL, "
                                   "is_unique INTEGER NOT NULL, case_insensitive INTEGER NOT NULL, "
                                   "descending INTEGER NOT NULL)")
                        .arg(QLatin1String(IndexesMetaTable)));
    Statement insert(connection.handle(),
                     QStringLiteral("INSERT INTO %1 (position, name, type, size, required) "
                                    "VALUES (?, ?, ?, ?, ?)")
                         .arg(QLatin1String(FieldsMetaTable)));
    for (int i = 0; i < definition.fields.size(); ++i) {
        const FieldDef &field = definition.fields[i];
        insert.bindAll({i + 1, field.name, int(field.type), isTextType(field.type) ? field.size : 0,
                        field.required ? 1 : 0});
        insert.run();
        insert.reset();
    }
}

} // namespace

QString innerTableName(const QString &filePath)
{
    return QFileInfo(filePath).completeBaseName().toUpper();
}

QString findInnerTable(Connection &connection, const QString &expectedName)
{
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND "
                                       "name=? COLLATE NOCASE"));
    statement.bind(1, expectedName);
    if (!statement.step())
        throw DbError(QStringLiteral("Plik nie zawiera tabeli %1.\rBaza : %2")
                          .arg(expectedName, connection.path()));
    return statement.column(0).toString();
}

QString collationFor(FieldType type, bool caseInsensitive)
{
    if (!isTextType(type))
        return QString();
    return QLatin1String(caseInsensitive ? PolishCaseInsensitiveCollation : PolishCollation);
}

QString sqliteIndexName(const IndexDef &index)
{
    return index.primary ? QLatin1String(PrimaryIndexName) : index.name;
}

TableDef readTableDefinition(Connection &connection, const QString &table)
{
    TableDef definition;
    if (hasTable(connection, FieldsMetaTable) && hasTable(connection, IndexesMetaTable)) {
        definition.fields = readFieldsFromMetadata(connection);
        definition.indexes = readIndexesFromMetadata(connection);
    } else {
        definition.fields = readFieldsFromColumns(connection, table);
        definition.indexes = readIndexesFromSqlite(connection, table, definition.fields);
    }
    return definition;
}

void validateTableDefinition(const TableDef &definition)
{
    if (definition.fields.isEmpty())
        throw DbError(QStringLiteral("Tabela musi mieć przynajmniej jedno pole."));
    int autoIncrements = 0;
    for (int i = 0; i < definition.fields.size(); ++i) {
        const FieldDef &field = definition.fields[i];
        if (field.name.trimmed().isEmpty())
            throw DbError(QStringLiteral("Pole bez nazwy w definicji tabeli."));
        if (definition.fieldIndex(field.name) != i)
            throw DbError(QStringLiteral("Pole %1 występuje dwukrotnie.").arg(field.name));
        if (!isSupportedType(field.type))
            throw DbError(QStringLiteral("Nieobsługiwany typ pola %1.").arg(field.name));
        if (field.type == FieldType::AutoInc)
            ++autoIncrements;
    }
    if (autoIncrements > 1)
        throw DbError(QStringLiteral("Tabela może mieć tylko jedno pole autonumerowane."));
    int primaries = 0;
    for (int i = 0; i < definition.indexes.size(); ++i) {
        const IndexDef &index = definition.indexes[i];
        validateIndex(definition, index);
        primaries += index.primary ? 1 : 0;
        for (int j = 0; j < i; ++j)
            if (!index.primary && !definition.indexes[j].primary
                && definition.indexes[j].name.compare(index.name, Qt::CaseInsensitive) == 0)
                throw DbError(QStringLiteral("Indeks %1 występuje dwukrotnie.").arg(index.name));
    }
    if (primaries > 1)
        throw DbError(QStringLiteral("Tabela może mieć tylko jeden indeks główny."));
}

void writeTableSchema(Connection &connection, const QString &table, const TableDef &definition)
{
    validateTableDefinition(definition);
    QStringList columns;
    for (const FieldDef &field : definition.fields)
        columns << quoteIdentifier(field.name) + QLatin1Char(' ') + declaredType(field);
    connection.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                        .arg(quoteIdentifier(table), columns.join(QStringLiteral(", "))));
    writeMetadata(connection, definition);
    for (const IndexDef &index : definition.indexes)
        createIndex(connection, table, definition, index);
    stampOrderVersion(connection);
}

void ensureMetadata(Connection &connection, const TableDef &definition)
{
    if (hasTable(connection, FieldsMetaTable) && hasTable(connection, IndexesMetaTable))
        return;
    connection.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(FieldsMetaTable)));
    connection.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(IndexesMetaTable)));
    writeMetadata(connection, definition);
    Statement insert(connection.handle(),
                     QStringLiteral("INSERT INTO %1 (position, name, fields, is_primary, is_unique, "
                                    "case_insensitive, descending) VALUES (?, ?, ?, ?, ?, ?, ?)")
                         .arg(QLatin1String(IndexesMetaTable)));
    for (int i = 0; i < definition.indexes.size(); ++i) {
        const IndexDef &index = definition.indexes[i];
        insert.bindAll({i + 1, index.name, index.fieldList(), index.primary ? 1 : 0,
                        index.unique ? 1 : 0, index.caseInsensitive ? 1 : 0,
                        index.descending ? 1 : 0});
        insert.run();
        insert.reset();
    }
}

void appendField(Connection &connection, const QString &table, const TableDef &definition,
                 const FieldDef &field)
{
    TableDef extended = definition;
    extended.fields << field;
    validateTableDefinition(extended);
    ensureMetadata(connection, definition);
    connection.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                        .arg(quoteIdentifier(table), quoteIdentifier(field.name),
                             declaredType(field)));
    Statement insert(connection.handle(),
                     QStringLiteral("INSERT INTO %1 (position, name, type, size, required) "
                                    "VALUES (?, ?, ?, ?, ?)")
                         .arg(QLatin1String(FieldsMetaTable)));
    insert.bindAll({extended.fields.size(), field.name, int(field.type),
                    isTextType(field.type) ? field.size : 0, field.required ? 1 : 0});
    insert.run();
}

void createIndex(Connection &connection, const QString &table, const TableDef &definition,
                 const IndexDef &index)
{
    validateIndex(definition, index);
    const bool unique = index.primary || index.unique;
    connection.exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                        .arg(unique ? QStringLiteral("UNIQUE ") : QString(),
                             quoteIdentifier(sqliteIndexName(index)), quoteIdentifier(table),
                             indexColumnList(definition, index)));
    Statement insert(connection.handle(),
                     QStringLiteral("INSERT INTO %1 (position, name, fields, is_primary, is_unique, "
                                    "case_insensitive, descending) VALUES ((SELECT "
                                    "coalesce(max(position), 0) + 1 FROM %1), ?, ?, ?, ?, ?, ?)")
                         .arg(QLatin1String(IndexesMetaTable)));
    insert.bindAll({index.primary ? QString() : index.name, index.fieldList(), index.primary ? 1 : 0,
                    unique ? 1 : 0, index.caseInsensitive ? 1 : 0, index.descending ? 1 : 0});
    insert.run();
}

void dropIndex(Connection &connection, const QString &indexName)
{
    const bool primary = indexName.isEmpty();
    const QString sqliteName = primary ? QLatin1String(PrimaryIndexName) : indexName;
    connection.exec(QStringLiteral("DROP INDEX IF EXISTS %1").arg(quoteIdentifier(sqliteName)));
    Statement remove(connection.handle(),
                     primary ? QStringLiteral("DELETE FROM %1 WHERE is_primary <> 0")
                                   .arg(QLatin1String(IndexesMetaTable))
                             : QStringLiteral("DELETE FROM %1 WHERE is_primary = 0 AND name = ? "
                                              "COLLATE NOCASE")
                                   .arg(QLatin1String(IndexesMetaTable)));
    if (!primary)
        remove.bind(1, indexName);
    remove.run();
}
