#pragma once
// How a table definition lives inside a table file: one SQLite table named like the file,
// one column per field, the definitions in the metadata tables `_fields` and `_indexes`, and
// one SQLite index per index definition under the same name ("PRIMARY" for the primary one).
// A file written by another program with plain SQL, without the metadata tables, is read
// from its declared column types and its SQLite indexes.

#include "platform/table_definition.h"

class Connection;

inline constexpr const char *FieldsMetaTable = "_fields";
inline constexpr const char *IndexesMetaTable = "_indexes";
inline constexpr const char *PrimaryIndexName = "PRIMARY";

// "KSIEGA" for ".../KSIEGA.DB": the name of the rows' table inside a table file.
QString innerTableName(const QString &filePath);

// The rows' table as it is actually named in the file (names compare without case).
QString findInnerTable(Connection &connection, const QString &expectedName);

TableDef readTableDefinition(Connection &connection, const QString &table);
void validateTableDefinition(const TableDef &definition);
void writeTableSchema(Connection &connection, const QString &table, const TableDef &definition);
void createIndex(Connection &connection, const QString &table, const TableDef &definition,
                 const IndexDef &index);
void dropIndex(Connection &connection, const QString &indexName);
// Gives a plain-SQL file the metadata tables, so that its definition can change.
void ensureMetadata(Connection &connection, const TableDef &definition);
// Adds `field` after the last field of `definition`, the table's definition as it stands;
// every row gets it blank.
void appendField(Connection &connection, const QString &table, const TableDef &definition,
                 const FieldDef &field);

// The SQLite index name of an index definition.
QString sqliteIndexName(const IndexDef &index);
// The collation a field compares with in an index or an ordered query ("" for non-text).
QString collationFor(FieldType type, bool caseInsensitive);
