#pragma once
// Conversions between what callers hand a field (text, numbers, amounts, truth values) and
// what a table file stores for it, and the ordering of stored values exactly as SQLite
// orders them in an index, so that searches in memory agree with the files.
//
// Stored forms: text, memo and dates as QString (dates "yyyy-MM-dd"); integers and logical
// values as qint64 (logical 0/1); currency as qint64 of 1/10000 zł; floating point as double;
// bytes as QByteArray; a blank field as an invalid QVariant.

#include "platform/money.h"
#include "platform/polish_collation.h"
#include "platform/table_definition.h"

#include <QVariant>
#include <optional>

// true/false, tak/nie, t/n, 1/0, prawda/fałsz, yes/no (any letter case).
std::optional<bool> parseLogicalWord(const QString &text);

// Text as a field's own type reads it; an empty text is blank. Throws DbError, worded for the
// user, when the text does not fit the type. Text longer than the field is cut to its size.
QVariant storedFromText(const FieldDef &field, const QString &text);
QString textFromStored(const FieldDef &field, const QVariant &stored);

// Any value a caller may pass (QString, integers, double, bool, Money) in the stored form of
// the field, as used for keys of searches and ranges.
QVariant storedFromValue(const FieldDef &field, const QVariant &value);

// SQLite's order: blank < numbers < text (Polish order) < bytes.
int compareStored(const QVariant &a, const QVariant &b, LetterCase letterCase);
