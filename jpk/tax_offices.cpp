#include "jpk/tax_offices.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

QString comparable(const QString &name)
{
    return name.simplified().toUpper();
}

// Code → name, in the order of the list.
QList<std::pair<QString, QString>> readOffices(const QString &schemaDirectory)
{
    QList<std::pair<QString, QString>> offices;
    QFile file(TaxOfficeListFile(schemaDirectory));
    if (!file.open(QIODevice::ReadOnly))
        return offices;
    QXmlStreamReader xml(&file);
    QString code;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("enumeration")) {
            code = xml.attributes().value(QLatin1String("value")).toString();
        } else if (xml.name() == QLatin1String("documentation") && !code.isEmpty()) {
            offices.append({code, xml.readElementText()});
            code.clear();
        }
    }
    return offices;
}

} // namespace

QString TaxOfficeListFile(const QString &schemaDirectory)
{
    return schemaDirectory + QStringLiteral("/KodyUrzedowSkarbowych_v8-0E.xsd");
}

QString TaxOfficeCodeFor(const QString &office, const QString &schemaDirectory)
{
    static const QRegularExpression leadingCode(QStringLiteral("^\\s*(\\d{4})(?!\\d)"));
    const QRegularExpressionMatch match = leadingCode.match(office);
    if (match.hasMatch())
        return match.captured(1);
    const QString wanted = comparable(office);
    if (wanted.isEmpty())
        return QString();
    for (const auto &[code, name] : readOffices(schemaDirectory))
        if (comparable(name) == wanted)
            return code;
    return QString();
}

bool KnownTaxOfficeCode(const QString &code, const QString &schemaDirectory)
{
    for (const auto &entry : readOffices(schemaDirectory))
        if (entry.first == code)
            return true;
    return false;
}
