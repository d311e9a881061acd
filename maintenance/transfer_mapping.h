#pragma once
// The mapping grid "zamien" of the text import and export: one row per table field or file
// column, saying which field a file column belongs to. The rows are the grid's rows from
// the first under the titles, so row i of an import mapping is the i-th column of the file.

#include <QList>
#include <QString>
#include <QStringList>

class Cursor;
struct FieldDef;

struct MappingRow {
    QString tableField; // "Pole bazy": the field's display name
    QString fileColumn; // "Pole pliku"
    QString fieldName;  // the field itself; not shown
    bool key = false;   // "*": a field of the primary key (import only)

    bool operator==(const MappingRow &) const = default;
};

using TransferMapping = QList<MappingRow>;

// The name a field is shown under. Fields of this engine carry no labels of their own, so it
// is the field name.
QString FieldDisplayName(const FieldDef &field);

// Export: every data field (not the calculated ones) under its display name.
TransferMapping ExportMapping(const Cursor &table);

// Import before a file is chosen: the data fields, "klucz" beside those of the primary key.
TransferMapping KeyHintMapping(const Cursor &table);

// Import: the file's columns in order, each taken by the field whose display name it is
// exactly; fields the file has no column for follow with no column; key fields marked.
// Calculated fields are left out, as nothing written to them would be kept.
TransferMapping ImportMapping(const Cursor &table, const QStringList &header);

// A column name counts only when something besides spaces is left.
bool HasFileColumn(const MappingRow &row);

// The key fields (display names) without a file column; an import needs none missing.
QStringList MissingKeyColumns(const TransferMapping &mapping);

// --kolumny "POLE=KOLUMNA,POLE": only the fields named are exported, under the column name
// given or their display name. Field names in any letter case. False, with `error`, for a
// field the table lacks.
bool ChooseExportColumns(TransferMapping &mapping, const QString &choice, QString &error);
