#include "imports/import_key.h"

#include "core/number_format.h"

QString FixedWidthNumber(qint64 number, int width)
{
    const QString digits = QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    return digits.size() > width ? RepeatChar(QLatin1Char('#'), width) : digits;
}

QString InvoiceImportKey(const QString &registerCode, const QString &year, const QString &month,
                         qint64 invoiceNumber, int row)
{
    const QChar slash = QLatin1Char('/');
    return PadToWidth(registerCode, 4) + slash + PadToWidth(year, 4) + slash
           + PadToWidth(month, 2) + slash + FixedWidthNumber(invoiceNumber, 4) + slash
           + FixedWidthNumber(row, 3);
}

QString VehicleImportKey(qint64 vehicle, const QString &month, const QString &year)
{
    const QString number = vehicle < 0 ? QStringLiteral("##") : FixedWidthNumber(vehicle, 2);
    return QStringLiteral("SAM ") + number + QLatin1Char(' ') + month + QLatin1Char('.') + year;
}

QString DepreciationImportKey(const QString &month, const QString &year)
{
    return QStringLiteral("AMOR ") + month + QLatin1Char('.') + year;
}

bool KeyOfAnotherMonth(const QString &key, const QString &month)
{
    return key.mid(10, 2) != month && key.mid(12, 1) == QLatin1String("/");
}
