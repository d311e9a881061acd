#include "contractors/envelope_margin_entry.h"

#include "contractors/envelope_margins.h"
#include "platform/prompter.h"

#include <cmath>

QString MarginText(double millimetres)
{
    return QString::number(millimetres, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<double> ParseMarginText(const QString &typed)
{
    QString number = typed.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

bool SaveEnvelopeMarginEntries(const QString &path, const QString &top, const QString &left,
                               Prompter &prompter)
{
    const std::optional<double> topMm = ParseMarginText(top);
    const std::optional<double> leftMm = ParseMarginText(left);
    if (!topMm || !leftMm) {
        prompter.error(QStringLiteral("Błędna wartość marginesu : ") + (topMm ? left : top));
        return false;
    }
    if (!writeEnvelopeMargins(path, {*topMm, *leftMm})) {
        prompter.error(QStringLiteral("Nie można zapisać pliku : ") + path);
        return false;
    }
    return true;
}
