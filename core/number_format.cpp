#include "core/number_format.h"

#include <algorithm>

namespace {

bool isDigitPlace(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('9');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

// The mask's number characters: digit places and separators, in order.
QString numberPart(const QString &mask)
{
    QString part;
    for (QChar c : mask) {
        if (isDigitPlace(c) || isSeparator(c))
            part += c;
    }
    return part;
}

int decimalsOf(const QString &numberPart)
{
    const qsizetype lastSeparator = std::max(numberPart.lastIndexOf(QLatin1Char(',')),
                                             numberPart.lastIndexOf(QLatin1Char('.')));
    return lastSeparator < 0 ? 0 : int(numberPart.size() - lastSeparator - 1);
}

// `written` is the number with the mask's decimals, a point and no grouping.
QString applyMask(const QString &mask, const QString &numberPart, QString written)
{
    if (written.size() > numberPart.size()) {
        written = numberPart;
        for (QChar &c : written) {
            if (isDigitPlace(c))
                c = QLatin1Char('#');
        }
    }
    written = written.rightJustified(numberPart.size(), QLatin1Char('0'));
    written.remove(QLatin1Char(',')).remove(QLatin1Char('.'));

    QString result = mask;
    qsizetype next = 0;
    bool leadingZeros = true;
    for (QChar &place : result) {
        if (!isDigitPlace(place) || next >= written.size())
            continue;
        QChar digit = written.at(next++);
        if (digit != QLatin1Char('0'))
            leadingZeros = false;
        if (leadingZeros && place == QLatin1Char('#'))
            digit = QLatin1Char(' ');
        place = digit;
    }
    return result;
}

} // namespace

QString FormatByMask(const QString &mask, qint64 value)
{
    const QString part = numberPart(mask);
    const int decimals = decimalsOf(part);
    QString written = QString::number(value);
    if (decimals > 0)
        written += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return applyMask(mask, part, written);
}

QString FormatByMask(const QString &mask, Money value)
{
    constexpr int exactDecimals = 4; // an amount has no more than these
    const QString part = numberPart(mask);
    const int decimals = decimalsOf(part);
    QString written = value.toString(std::min(decimals, exactDecimals), QLatin1Char('.'));
    if (decimals > exactDecimals)
        written += QString(decimals - exactDecimals, QLatin1Char('0'));
    return applyMask(mask, part, written);
}

QString GroupThousands(const QString &amount)
{
    const qsizetype length = amount.size();
    QString grouped;
    grouped.reserve(length + length / 3);
    for (qsizetype i = 0; i < length; ++i) {
        const qsizetype fromRight = length - i;
        if (fromRight >= 6 && fromRight % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += amount.at(i);
    }
    return grouped;
}

QString RemoveSpaces(const QString &text)
{
    return QString(text).remove(QLatin1Char(' '));
}

QString PadToWidth(const QString &text, int width)
{
    return text.leftJustified(std::max(width, 0), QLatin1Char(' '), true);
}

QString RepeatChar(QChar character, int count)
{
    return QString(std::max(count, 0), character);
}
