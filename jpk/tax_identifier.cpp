#include "jpk/tax_identifier.h"

namespace {

bool isLatinLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

} // namespace

std::optional<TaxIdentifier> ContractorTaxIdentifier(const QString &nip)
{
    QString number;
    for (QChar c : nip)
        if (c != QLatin1Char('-') && !c.isSpace())
            number += c;
    QString country = QStringLiteral("PL");
    if (number.size() >= 2 && isLatinLetter(number[0]) && isLatinLetter(number[1])) {
        country = number.left(2).toUpper();
        number.remove(0, 2);
    }
    if (number.isEmpty())
        return std::nullopt;
    return TaxIdentifier{country, number};
}
