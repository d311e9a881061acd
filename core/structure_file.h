#pragma once
// The structure file beside a table ("KSIEGA.STR" beside "KSIEGA.DB"): a plain-text record
// of the table's fields and indexes, written once when the table is first opened through the
// checked path, and read back by index repair to rebuild the indexes.
//
//   STRUKTURA ZBIORU
//   Pole:<name, 40 chars>Typ:<2-digit code>Obecnosc: TRUE|Obecnosc:FALSE Wielkosc:<size>
//   INDEKSY
//   Nazwa:<name, 40 chars>Pole:<field list, 40 chars>
//   KONIEC
//
// Windows-1250 text with CR LF line ends.

#include "platform/table_definition.h"

#include <QByteArray>
#include <QString>

// Throws DbError when the code page is missing.
QByteArray structureFileText(const TableDef &definition);
// False when the file cannot be written (nor encoded); an existing file is never rewritten
// by callers.
bool writeStructureFile(const QString &path, const TableDef &definition);

// The index lines of a structure file: name (spaces removed, empty for the primary index)
// and field list, as index repair reads them. Throws DbError when the code page is missing.
struct StructureIndexLine {
    QString name;
    QString fields;
};
QList<StructureIndexLine> readStructureIndexes(const QByteArray &text);
