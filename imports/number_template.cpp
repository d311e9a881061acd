#include "imports/number_template.h"

#include "core/calendar.h"
#include "platform/cursor.h"

#include <optional>

namespace {

// Characters 6..7 of the record's DATA "YYYY.MM.DD".
std::optional<QString> monthOfDate(Cursor &record)
{
    if (!record.hasField(QStringLiteral("DATA")))
        return std::nullopt;
    return record.field(QStringLiteral("DATA")).asString().mid(5, 2);
}

QString fieldText(Cursor &record, const QString &name)
{
    if (name == QLatin1String("MC"))
        return monthOfDate(record).value_or(QString());
    if (name == QLatin1String("mc")) {
        const std::optional<QString> month = monthOfDate(record);
        return month ? RomanMonth(month->toInt()) : QString();
    }
    if (!record.hasField(name))
        return QString();
    return record.field(name).asString();
}

QString offsetNumber(Cursor &record, const QString &name, qint64 offset)
{
    if (!record.hasField(name))
        return QString();
    try {
        return QString::number(record.field(name).asInteger() + offset);
    } catch (const DbError &) {
        // A text field that holds no number cannot be counted on; it gives nothing, like a
        // name that is no field, rather than stopping the import that asked for it.
        return QString();
    }
}

} // namespace

QString ExpandNumberTemplate(Cursor &record, const QString &numberTemplate)
{
    QString result;
    bool inside = false;
    qsizetype nameStart = 0;
    qsizetype braceStart = -1;
    bool offsetPending = false;
    qint64 offset = 0;

    for (qsizetype i = 0; i < numberTemplate.size(); ++i) {
        const QChar c = numberTemplate.at(i);
        if (c == QLatin1Char('[')) {
            inside = true;
            nameStart = i + 1;
            braceStart = -1;
            offsetPending = false;
        } else if (!inside) {
            result += c;
        } else if (c == QLatin1Char('{')) {
            braceStart = i;
        } else if (c == QLatin1Char('}') && braceStart >= 0) {
            const QString digits = numberTemplate.mid(braceStart + 1, i - braceStart - 1);
            bool isNumber = false;
            const qint64 value = digits.trimmed().toLongLong(&isNumber);
            if (isNumber) {
                offset = value;
                offsetPending = true;
            }
        } else if (c == QLatin1Char(']')) {
            if (offsetPending) {
                const QString name = numberTemplate.mid(nameStart, braceStart - nameStart);
                result += offsetNumber(record, name, offset);
            } else {
                result += fieldText(record, numberTemplate.mid(nameStart, i - nameStart));
            }
            inside = false;
        }
    }
    return result;
}
