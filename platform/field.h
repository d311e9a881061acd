#pragma once
// One field of a cursor's current record, read and written in whatever form the caller
// holds: text, integer, amount, truth value or floating point. A handle is cheap and stays
// valid as long as its cursor; it always speaks of the record the cursor is on (or, inside a
// filter or calculated-field hook, of the record being examined).

#include "platform/money.h"
#include "platform/table_definition.h"

#include <QString>
#include <QVariant>

class Cursor;

class Field {
public:
    Field(Cursor *cursor, int index) : cursor_(cursor), index_(index) {}

    Cursor &cursor() const { return *cursor_; }
    int index() const { return index_; }
    const FieldDef &definition() const;
    const QString &name() const { return definition().name; }
    FieldType type() const { return definition().type; }
    int size() const { return definition().size; }
    bool isCalculated() const;

    bool isNull() const;
    // A blank field reads as "", 0, 0 zł, false and 0.0.
    QString asString() const;
    qint64 asInteger() const;
    Money asCurrency() const;
    bool asBoolean() const;
    double asFloat() const;
    QVariant storedValue() const;

    void setAsString(const QString &text);
    void setInteger(qint64 value);
    void setCurrency(Money value);
    void setBoolean(bool value);
    void setFloat(double value);
    void setValue(const QVariant &value);
    void clear();
    // Writes a value already in this field's stored form, as copied from a field of the same
    // type; a new record may take over the record number of the record it copies.
    void setStoredValue(const QVariant &stored);

private:
    Cursor *cursor_;
    int index_;
};
