#pragma once
// The structured book checked against the official JPK_PKPIR(3) schema with libxml2. The
// schema imports its types by their web addresses; the catalog beside it maps them to the
// local files, and the network is never asked.

#include <QString>
#include <QStringList>

// The main schema file in the schema folder.
QString JpkSchemaFile(const QString &schemaDirectory);

// Nothing when `file` is valid; else the validator's messages, "line N: text" each. A schema
// that cannot be read gives one message that says so.
QStringList SchemaValidationErrors(const QString &file, const QString &schemaDirectory);
