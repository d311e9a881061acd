#include "pit5/declaration_nip.h"

QString NipDigits(const QString &nip)
{
    QString digits = nip;
    digits.remove(QLatin1Char('-'));
    digits.remove(QLatin1Char(' '));
    return digits;
}

QString DeclarationNip(const QString &taxpayerNip)
{
    const QString digits = NipDigits(taxpayerNip);
    if (digits.isEmpty())
        return QString();
    return digits.mid(0, 3) + QLatin1Char('-') + digits.mid(3, 3) + QLatin1Char('-')
           + digits.mid(6, 2) + QLatin1Char('-') + digits.mid(8, 2);
}
