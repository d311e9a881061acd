#include "platform/field_values.h"

#include "platform/amount_range.h"
#include "platform/db_error.h"

#include <QDate>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void notValid(const QString &text, const char *what, const FieldDef &field)
{
    throw DbError(QStringLiteral("'%1' nie jest poprawną %2 (pole %3).")
                      .arg(text, QString::fromUtf8(what), field.name));
}

QVariant integerInRange(qint64 value, const QString &text, const FieldDef &field)
{
    qint64 low = std::numeric_limits<qint64>::min();
    qint64 high = std::numeric_limits<qint64>::max();
    if (field.type == FieldType::SmallInt) {
        low = -32768;
        high = 32767;
    } else if (field.type == FieldType::Word) {
        low = 0;
        high = 65535;
    } else if (field.type == FieldType::Integer || field.type == FieldType::AutoInc) {
        low = std::numeric_limits<qint32>::min();
        high = std::numeric_limits<qint32>::max();
    }
    if (value < low || value > high)
        throw DbError(QStringLiteral("Wartość %1 jest poza zakresem pola %2.").arg(text, field.name));
    return QVariant(value);
}

// A number that no amount holds (1e308, nan, whole złoty past what the units count) is
// refused with the field's name.
template <class Number>
Money amountFrom(Number value, Money (*convert)(Number), const FieldDef &field)
{
    try {
        return convert(value);
    } catch (const AmountOverflow &) {
        throw DbError(QStringLiteral("Wartość %1 nie jest kwotą, jaką może mieć pole %2.")
                          .arg(QString::number(value), field.name));
    }
}

QString shortestFloat(double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

std::optional<bool> parseLogicalWord(const QString &text)
{
    const QString word = text.trimmed().toLower();
    static const QStringList yes = {QStringLiteral("true"), QStringLiteral("tak"),
                                    QStringLiteral("t"), QStringLiteral("1"),
                                    QStringLiteral("prawda"), QStringLiteral("yes"),
                                    QStringLiteral("y")};
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("nie"),
                                   QStringLiteral("n"), QStringLiteral("0"),
                                   QStringLiteral("fałsz"), QStringLiteral("falsz"),
                                   QStringLiteral("no"), QStringLiteral("f")};
    if (yes.contains(word))
        return true;
    if (no.contains(word))
        return false;
    return std::nullopt;
}

QVariant storedFromText(const FieldDef &field, const QString &text)
{
    if (text.isEmpty())
        return QVariant();
    if (isTextType(field.type) && field.type != FieldType::Date) {
        if (field.type == FieldType::Text && field.size > 0 && text.size() > field.size) {
            // Half of a character beyond the basic plane is no text the file can hold.
            const bool splitsPair = text.at(field.size - 1).isHighSurrogate();
            return QVariant(text.left(field.size - (splitsPair ? 1 : 0)));
        }
        return QVariant(text);
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant();
    switch (field.type) {
    case FieldType::Logical: {
        const auto value = parseLogicalWord(trimmed);
        if (!value)
            notValid(text, "wartością logiczną", field);
        return QVariant(qint64(*value ? 1 : 0));
    }
    case FieldType::Currency:
    case FieldType::Bcd: {
        const auto money = Money::parse(trimmed);
        if (!money)
            notValid(text, "kwotą", field);
        return QVariant(money->units());
    }
    case FieldType::Float: {
        QString number = trimmed;
        number.remove(QLatin1Char(' '));
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = number.toDouble(&ok);
        // "nan" would be stored as a blank field and "inf" is no quantity a ledger holds.
        if (!ok || !std::isfinite(value))
            notValid(text, "liczbą", field);
        return QVariant(value);
    }
    case FieldType::Date: {
        QDate date = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            date = QDate::fromString(trimmed, QStringLiteral("yyyy.MM.dd"));
        if (!date.isValid())
            notValid(text, "datą", field);
        return QVariant(date.toString(QStringLiteral("yyyy-MM-dd")));
    }
    case FieldType::Bytes:
    case FieldType::VarBytes:
    case FieldType::Blob:
    case FieldType::Graphic:
        return QVariant(text.toUtf8());
    default: {
        bool ok = false;
        const qint64 value = trimmed.toLongLong(&ok);
        if (!ok)
            notValid(text, "liczbą całkowitą", field);
        return integerInRange(value, text, field);
    }
    }
}

QString textFromStored(const FieldDef &field, const QVariant &stored)
{
    if (!stored.isValid())
        return QString();
    switch (field.type) {
    case FieldType::Logical:
        return stored.toLongLong() != 0 ? QStringLiteral("Prawda") : QStringLiteral("Fałsz");
    case FieldType::Currency:
    case FieldType::Bcd:
        if (stored.typeId() == QMetaType::Double)
            return Money::fromDouble(stored.toDouble()).toShortestString();
        return Money::fromUnits(stored.toLongLong()).toShortestString();
    case FieldType::Float:
        return shortestFloat(stored.toDouble());
    default:
        if (stored.typeId() == QMetaType::QByteArray)
            return QString::fromUtf8(stored.toByteArray());
        if (stored.typeId() == QMetaType::Double)
            return shortestFloat(stored.toDouble());
        return stored.toString();
    }
}

QVariant storedFromValue(const FieldDef &field, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    if (value.metaType() == QMetaType::fromType<Money>()) {
        const Money money = value.value<Money>();
        if (isCurrencyType(field.type))
            return QVariant(money.units());
        if (field.type == FieldType::Float)
            return QVariant(money.toDouble());
        if (isIntegerType(field.type))
            return QVariant(money.roundedZloty());
        return storedFromText(field, money.toShortestString());
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        if (field.type == FieldType::Logical || isIntegerType(field.type))
            return QVariant(qint64(value.toBool() ? 1 : 0));
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (isCurrencyType(field.type))
            return QVariant(amountFrom(value.toLongLong(), &Money::fromZloty, field).units());
        if (isIntegerType(field.type) || field.type == FieldType::Logical)
            return QVariant(value.toLongLong());
        if (field.type == FieldType::Float)
            return QVariant(value.toDouble());
        break;
    case QMetaType::Double:
        if (isCurrencyType(field.type))
            return QVariant(amountFrom(value.toDouble(), &Money::fromDouble, field).units());
        if (field.type == FieldType::Float)
            return value;
        if (isIntegerType(field.type))
            return QVariant(qint64(std::llround(value.toDouble())));
        break;
    default:
        break;
    }
    return storedFromText(field, value.toString());
}

int compareStored(const QVariant &a, const QVariant &b, LetterCase letterCase)
{
    auto rank = [](const QVariant &v) {
        if (!v.isValid())
            return 0;
        switch (v.typeId()) {
        case QMetaType::QString: return 2;
        case QMetaType::QByteArray: return 3;
        default: return 1;
        }
    };
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    switch (ra) {
    case 0:
        return 0;
    case 1:
        if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double) {
            const double x = a.toDouble();
            const double y = b.toDouble();
            return x < y ? -1 : x > y ? 1 : 0;
        } else {
            const qint64 x = a.toLongLong();
            const qint64 y = b.toLongLong();
            return x < y ? -1 : x > y ? 1 : 0;
        }
    case 2:
        return comparePolish(a.toString(), b.toString(), letterCase);
    default: {
        const QByteArray x = a.toByteArray();
        const QByteArray y = b.toByteArray();
        return x < y ? -1 : y < x ? 1 : 0;
    }
    }
}
