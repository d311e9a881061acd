#include "maintenance/transfer_mapping.h"

#include "platform/cursor.h"

#include <algorithm>

namespace {

QStringList primaryKey(const Cursor &table)
{
    const IndexDef *primary = table.definition().primaryIndex();
    return primary ? primary->fields : QStringList();
}

// Data fields, as the grid lists them.
TransferMapping dataFieldRows(const Cursor &table)
{
    TransferMapping rows;
    const QStringList key = primaryKey(table);
    for (const FieldDef &field : table.fieldDefs())
        rows.append({FieldDisplayName(field), QString(), field.name,
                     key.contains(field.name, Qt::CaseInsensitive)});
    return rows;
}

} // namespace

QString FieldDisplayName(const FieldDef &field)
{
    return field.name;
}

TransferMapping ExportMapping(const Cursor &table)
{
    TransferMapping rows = dataFieldRows(table);
    for (MappingRow &row : rows) {
        row.fileColumn = row.tableField;
        row.key = false;
    }
    return rows;
}

TransferMapping KeyHintMapping(const Cursor &table)
{
    TransferMapping rows = dataFieldRows(table);
    for (MappingRow &row : rows)
        if (row.key)
            row.fileColumn = QStringLiteral("klucz");
    return rows;
}

TransferMapping ImportMapping(const Cursor &table, const QStringList &header)
{
    TransferMapping rows;
    for (const QString &column : header)
        rows.append({QString(), column, QString(), false});
    for (const MappingRow &field : dataFieldRows(table)) {
        const auto taken = std::find_if(rows.begin(), rows.end(), [&](const MappingRow &row) {
            return row.fileColumn == field.tableField;
        });
        if (taken == rows.end()) {
            rows.append({field.tableField, QString(), field.fieldName, field.key});
        } else {
            taken->tableField = field.tableField;
            taken->fieldName = field.fieldName;
            taken->key = field.key;
        }
    }
    return rows;
}

bool HasFileColumn(const MappingRow &row)
{
    return !row.fileColumn.trimmed().isEmpty();
}

QStringList MissingKeyColumns(const TransferMapping &mapping)
{
    QStringList missing;
    for (const MappingRow &row : mapping)
        if (row.key && !HasFileColumn(row))
            missing.append(row.tableField);
    return missing;
}

bool ChooseExportColumns(TransferMapping &mapping, const QString &choice, QString &error)
{
    TransferMapping chosen = mapping;
    for (MappingRow &row : chosen)
        row.fileColumn.clear();
    for (const QString &item : choice.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QString field = item.left(equals).trimmed();
        const auto row = std::find_if(chosen.begin(), chosen.end(), [&](const MappingRow &candidate) {
            return candidate.fieldName.compare(field, Qt::CaseInsensitive) == 0;
        });
        if (row == chosen.end()) {
            error = QStringLiteral("Tabela nie ma pola %1.").arg(field);
            return false;
        }
        row->fileColumn = equals < 0 ? row->tableField : item.mid(equals + 1);
    }
    mapping = chosen;
    return true;
}
