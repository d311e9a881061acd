#pragma once
// Shorthand for writing table layouts.

#include "platform/table_definition.h"

inline FieldDef textField(const QString &name, int size)
{
    return {name, FieldType::Text, size, false};
}

inline FieldDef typedField(const QString &name, FieldType type)
{
    return {name, type, 0, false};
}

inline IndexDef primaryIndexOn(const QString &fields)
{
    return {QString(), splitFieldList(fields), true, true, false, false};
}

// Secondary indexes compare without letter case, as index repair rebuilds them.
inline IndexDef secondaryIndex(const QString &name, const QString &fields)
{
    return {name, splitFieldList(fields), false, false, true, false};
}
