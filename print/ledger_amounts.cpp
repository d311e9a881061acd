#include "print/ledger_amounts.h"

#include "core/number_format.h"

namespace {

// Grouped by threes with the sign kept in front of the digits, not spaced from them.
QString grouped(const QString &unsignedAmount, bool negative)
{
    const QString digits = GroupThousands(unsignedAmount.trimmed()).trimmed();
    return negative ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString LedgerAmountText(Money amount)
{
    const QString text = amount.toString(2);
    const bool negative = text.startsWith(QLatin1Char('-'));
    return grouped(negative ? text.mid(1) : text, negative);
}

QString YearToDateText(Money amount)
{
    const QString masked = FormatByMask(QStringLiteral("######9.99"), amount).trimmed();
    if (masked.contains(QLatin1Char('#')))
        return masked;
    const bool negative = masked.startsWith(QLatin1Char('-'));
    return grouped(negative ? masked.mid(1) : masked, negative);
}

QString BlankWhenZero(Money amount, QString (*format)(Money))
{
    return amount == Money() ? QString() : format(amount);
}
