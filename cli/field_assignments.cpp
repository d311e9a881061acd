#include "cli/field_assignments.h"

#include "platform/cursor.h"

std::optional<QList<FieldAssignment>> parseAssignments(const QStringList &words, Cursor &table,
                                                       QString &error)
{
    QList<FieldAssignment> assignments;
    for (const QString &word : words) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            error = QStringLiteral("Oczekiwano POLE=WARTOŚĆ, a jest: %1").arg(word);
            return std::nullopt;
        }
        const QString field = word.left(equals);
        if (!table.hasField(field)) {
            error = QStringLiteral("Tabela %1 nie ma pola %2.").arg(table.name(), field);
            return std::nullopt;
        }
        assignments << FieldAssignment{field, word.mid(equals + 1)};
    }
    return assignments;
}

void applyAssignments(Cursor &table, const QList<FieldAssignment> &assignments)
{
    for (const auto &[field, value] : assignments)
        table.field(field).setAsString(value);
}
