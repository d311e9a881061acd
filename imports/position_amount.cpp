#include "imports/position_amount.h"

#include "core/number_format.h"
#include "platform/decimal.h"

#include <QStringList>

namespace {

// Codes of sales declared in the purchase register: they carry no VAT of the firm's own.
bool salesDeclarationCode(const QString &code)
{
    static const QStringList codes = {
        QStringLiteral("S.00"), QStringLiteral("S.10"), QStringLiteral("S.11"), QStringLiteral("S.12"),
        QStringLiteral("S.13"), QStringLiteral("S.14"), QStringLiteral("S.21"), QStringLiteral("S.22"),
        QStringLiteral("S.23"), QStringLiteral("S.24"), QStringLiteral("S.25")};
    return codes.contains(code);
}

QChar firstSign(const QString &text)
{
    return text.isEmpty() ? QChar() : text.at(0);
}

// Half of the VAT to whole grosze, halves away from zero, on the exact value.
Money halfToGrosz(Money vat)
{
    const qint64 twice = 2 * 100; // the half, counted in grosze of 100 units
    qint64 grosze = vat.units() / twice;
    const qint64 rest = vat.units() % twice;
    if (2 * (rest < 0 ? -rest : rest) >= twice)
        grosze += rest < 0 ? -1 : 1;
    return Money::fromGrosze(grosze);
}

} // namespace

std::optional<int> PositionColumn(const QString &account)
{
    if (!account.startsWith(QLatin1String("KOL")))
        return std::nullopt;
    QString digits;
    for (const QChar c : account)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    // More digits than a column number has are no column the ledger knows.
    if (digits.size() > 9)
        return 0;
    return digits.isEmpty() ? 0 : digits.toInt();
}

int VatDeductionShare(const QString &registerCode, const QString &declarationCode)
{
    if (firstSign(registerCode) != QLatin1Char('C'))
        return 100;
    QString code = declarationCode;
    QString compact = RemoveSpaces(code);
    if (compact == QLatin1String("D.43"))
        code = compact = QStringLiteral("VXP1");
    if (compact.isEmpty())
        return 100;
    if (firstSign(code) == QLatin1Char('V')) {
        const QChar share = code.size() > 3 ? code.at(3) : QChar();
        if (share == QLatin1Char('0'))
            return 0;
        return share == QLatin1Char('5') ? 50 : 100;
    }
    const QChar first = firstSign(code);
    if (first == QLatin1Char('F') || first == QLatin1Char('S') || compact == QLatin1String("C.32"))
        return 0;
    return 100;
}

Money PositionAmount(const QString &registerCode, const InvoicePosition &position)
{
    const QChar registerKind = firstSign(registerCode);
    if ((registerKind == QLatin1Char('C') || registerKind == QLatin1Char('D'))
        && !salesDeclarationCode(position.declarationCode)) {
        switch (VatDeductionShare(registerCode, position.declarationCode)) {
        case 0:
            return position.net + position.vat;
        case 50:
            return ScaledAmount(position.net + halfToGrosz(position.vat), Decimal(75, 2), 1);
        default:
            return position.net;
        }
    }
    switch (firstSign(position.registerCode).unicode()) {
    case 'W':
        return position.vat;
    case 'X':
        return position.gross - position.vat;
    case 'Z':
        return position.gross;
    default:
        return position.net;
    }
}

Money SummaryAmount(const InvoicePosition &position, Money rate)
{
    const Money base = firstSign(position.registerCode) == QLatin1Char('W') ? position.vat : position.net;
    if (rate <= Money())
        return base;
    return ScaledAmount(base, Decimal(rate.units(), 4), 1);
}
