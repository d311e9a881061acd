#include "platform/field.h"

#include "platform/cursor.h"
#include "platform/field_values.h"

#include <cmath>

const FieldDef &Field::definition() const
{
    return cursor_->fieldDef(index_);
}

bool Field::isCalculated() const
{
    return index_ >= cursor_->definition().fields.size();
}

bool Field::isNull() const
{
    return !cursor_->readStored(index_).isValid();
}

QVariant Field::storedValue() const
{
    return cursor_->readStored(index_);
}

QString Field::asString() const
{
    return textFromStored(definition(), cursor_->readStored(index_));
}

qint64 Field::asInteger() const
{
    const QVariant stored = cursor_->readStored(index_);
    if (!stored.isValid())
        return 0;
    if (isCurrencyType(type()))
        return Money::fromUnits(stored.toLongLong()).roundedZloty();
    if (stored.typeId() == QMetaType::Double)
        return std::llround(stored.toDouble());
    if (stored.typeId() == QMetaType::LongLong)
        return stored.toLongLong();
    const FieldDef integer{name(), FieldType::LargeInt, 0, false};
    return storedFromText(integer, stored.toString()).toLongLong();
}

Money Field::asCurrency() const
{
    const QVariant stored = cursor_->readStored(index_);
    if (!stored.isValid())
        return Money();
    if (isCurrencyType(type()) && stored.typeId() != QMetaType::Double)
        return Money::fromUnits(stored.toLongLong());
    // Another program may have written a number that no amount holds.
    try {
        if (stored.typeId() == QMetaType::Double)
            return Money::fromDouble(stored.toDouble());
        if (stored.typeId() == QMetaType::LongLong)
            return Money::fromZloty(stored.toLongLong());
    } catch (const AmountOverflow &) {
        throw AmountOverflow(QStringLiteral("kwoty z pola %1").arg(name()));
    }
    const FieldDef amount{name(), FieldType::Currency, 0, false};
    return Money::fromUnits(storedFromText(amount, stored.toString()).toLongLong());
}

bool Field::asBoolean() const
{
    const QVariant stored = cursor_->readStored(index_);
    if (!stored.isValid())
        return false;
    if (stored.typeId() == QMetaType::QString) {
        const FieldDef logical{name(), FieldType::Logical, 0, false};
        return storedFromText(logical, stored.toString()).toLongLong() != 0;
    }
    return stored.toDouble() != 0.0;
}

double Field::asFloat() const
{
    const QVariant stored = cursor_->readStored(index_);
    if (!stored.isValid())
        return 0.0;
    if (isCurrencyType(type()))
        return asCurrency().toDouble();
    if (stored.typeId() == QMetaType::QString) {
        const FieldDef number{name(), FieldType::Float, 0, false};
        return storedFromText(number, stored.toString()).toDouble();
    }
    return stored.toDouble();
}

void Field::setAsString(const QString &text)
{
    cursor_->writeStored(index_, storedFromText(definition(), text));
}

void Field::setInteger(qint64 value)
{
    cursor_->writeStored(index_, storedFromValue(definition(), QVariant(value)));
}

void Field::setCurrency(Money value)
{
    cursor_->writeStored(index_, storedFromValue(definition(), QVariant::fromValue(value)));
}

void Field::setBoolean(bool value)
{
    cursor_->writeStored(index_, storedFromValue(definition(), QVariant(value)));
}

void Field::setFloat(double value)
{
    cursor_->writeStored(index_, storedFromValue(definition(), QVariant(value)));
}

void Field::setValue(const QVariant &value)
{
    cursor_->writeStored(index_, storedFromValue(definition(), value));
}

void Field::clear()
{
    cursor_->writeStored(index_, QVariant());
}

void Field::setStoredValue(const QVariant &stored)
{
    cursor_->writeStored(index_, stored, true);
}
