#include "core/ksef_number.h"

#include <QDate>

namespace {

constexpr qsizetype StoredLength = 35;
constexpr qsizetype CheckedLength = 32;
// Where the hyphen of the long form splits the hexadecimal part.
constexpr qsizetype LongFormHyphen = 26;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isUpperHex(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool allOf(QStringView part, bool (*test)(QChar))
{
    for (QChar c : part)
        if (!test(c))
            return false;
    return true;
}

bool validShortForm(QStringView number)
{
    if (number.size() != StoredLength || number[10] != QLatin1Char('-')
        || number[19] != QLatin1Char('-') || number[32] != QLatin1Char('-'))
        return false;
    if (!allOf(number.mid(0, 10), isDigit) || !allOf(number.mid(11, 8), isDigit)
        || !allOf(number.mid(20, 12), isUpperHex) || !allOf(number.mid(33, 2), isUpperHex))
        return false;
    const QDate issued(number.mid(11, 4).toInt(), number.mid(15, 2).toInt(),
                       number.mid(17, 2).toInt());
    return issued.isValid() && KsefCheckDigits(number.left(CheckedLength)) == number.mid(33, 2);
}

} // namespace

QString KsefCheckDigits(QStringView text)
{
    quint8 crc = 0;
    for (QChar c : text) {
        crc ^= quint8(c.unicode());
        for (int bit = 0; bit < 8; ++bit)
            crc = quint8((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return QStringLiteral("%1").arg(crc, 2, 16, QLatin1Char('0')).toUpper();
}

std::optional<QString> StoredKsefNumber(const QString &typed)
{
    QString number = typed.trimmed();
    if (number.isEmpty())
        return QString();
    if (number.size() == StoredLength + 1 && number[LongFormHyphen] == QLatin1Char('-'))
        number.remove(LongFormHyphen, 1);
    if (!validShortForm(number))
        return std::nullopt;
    return number;
}
