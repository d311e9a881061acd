#pragma once
// "POLE=WARTOŚĆ" words of the command line, assigned in the order given through the field's
// own conversion, so every field-change rule runs as for a typed value.

#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

class Cursor;

using FieldAssignment = QPair<QString, QString>;

// Nothing when a word has no "=" or names no field; `error` then says which.
std::optional<QList<FieldAssignment>> parseAssignments(const QStringList &words, Cursor &table,
                                                       QString &error);
// Throws DbError when a value does not fit its field.
void applyAssignments(Cursor &table, const QList<FieldAssignment> &assignments);
