#include "contractors/contractor_numbers.h"

#include "core/number_format.h"

#include <QRegularExpression>

QString ContractorNumberText(qint64 number)
{
    return FormatByMask(QStringLiteral("99999"), number);
}

std::optional<qint64> ParseContractorNumber(const QString &typed)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const QString number = RemoveSpaces(typed);
    if (!digits.match(number).hasMatch())
        return std::nullopt;
    return number.toLongLong();
}
