#include "cli/field_assignments.h"

#include "platform/cursor.h"

#include <algorithm>

FieldLookup fieldOfTable(Cursor &table)
{
    return [&table](const QString &name, QString &refusal) -> std::optional<QString> {
        const int index = table.fieldIndex(name);
        if (index < 0) {
            refusal = QStringLiteral("Tabela %1 nie ma pola %2.").arg(table.name(), name);
            return std::nullopt;
        }
        return table.field(index).name();
    };
}

FieldLookup fieldAmong(const QStringList &fields)
{
    return [fields](const QString &name, QString &refusal) -> std::optional<QString> {
        const auto field = std::find_if(fields.cbegin(), fields.cend(), [&](const QString &known) {
            return known.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (field == fields.cend()) {
            refusal = QStringLiteral("Nieznane pole: %1 (dozwolone: %2)")
                          .arg(name, fields.join(QLatin1Char(' ')));
            return std::nullopt;
        }
        return *field;
    };
}

std::optional<QList<FieldAssignment>> parseAssignments(const QStringList &words,
                                                       const FieldLookup &lookup, QString &error)
{
    QList<FieldAssignment> assignments;
    for (const QString &word : words) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            error = QStringLiteral("Oczekiwano POLE=WARTOŚĆ: %1").arg(word);
            return std::nullopt;
        }
        const std::optional<QString> field = lookup(word.left(equals), error);
        if (!field)
            return std::nullopt;
        assignments << FieldAssignment{*field, word.mid(equals + 1)};
    }
    return assignments;
}

void applyAssignments(Cursor &table, const QList<FieldAssignment> &assignments)
{
    for (const auto &[field, value] : assignments)
        table.field(field).setAsString(value);
}
