#pragma once
// "POLE=WARTOŚĆ" words of the command line, read the same way by every command that sets
// fields: the name before the first "=", the value after it, the names a command takes
// decided by its look-up. They are assigned in the order given through the field's own
// conversion, so every field-change rule runs as for a typed value.

#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Cursor;

using FieldAssignment = QPair<QString, QString>; // the field as the command knows it, the value

// The field a name written on the command line stands for; nothing when it stands for none,
// with `refusal` saying why.
using FieldLookup = std::function<std::optional<QString>(const QString &name, QString &refusal)>;

// Any field of the table, the name in any case.
FieldLookup fieldOfTable(Cursor &table);
// One of `fields`, the name in any case.
FieldLookup fieldAmong(const QStringList &fields);

// Nothing when a word has no "=" or names no field; `error` then says which.
std::optional<QList<FieldAssignment>> parseAssignments(const QStringList &words,
                                                       const FieldLookup &lookup, QString &error);
// Throws DbError when a value does not fit its field.
void applyAssignments(Cursor &table, const QList<FieldAssignment> &assignments);
