#include "core/structure_file.h"

#include "core/number_format.h"
#include "platform/code_pages.h"
#include "platform/db_error.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr int NameWidth = 40;
constexpr int HighestTypeCode = 37;

constexpr const char *CodePage = "windows-1250";

} // namespace

QByteArray structureFileText(const TableDef &definition)
{
    QStringList lines{QStringLiteral("STRUKTURA ZBIORU")};
    for (const FieldDef &field : definition.fields) {
        const int code = int(field.type);
        QString line = QStringLiteral("Pole:") + PadToWidth(field.name, NameWidth);
        if (code <= HighestTypeCode)
            line += QStringLiteral("Typ:") + QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
        line += field.required ? QStringLiteral("Obecnosc: TRUE") : QStringLiteral("Obecnosc:FALSE");
        line += QStringLiteral("Wielkosc:") + QString::number(isTextType(field.type) ? field.size : 0);
        lines << line;
    }
    lines << QStringLiteral("INDEKSY");
    for (const IndexDef &index : definition.indexes)
        lines << QStringLiteral("Nazwa:") + PadToWidth(index.primary ? QString() : index.name, NameWidth)
                     + QStringLiteral("Pole:") + PadToWidth(index.fieldList(), NameWidth);
    lines << QStringLiteral("KONIEC");
    QStringEncoder encoder = CodePageEncoder(CodePage);
    return encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool writeStructureFile(const QString &path, const TableDef &definition)
{
    QByteArray text;
    try {
        text = structureFileText(definition);
    } catch (const DbError &) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

QList<StructureIndexLine> readStructureIndexes(const QByteArray &text)
{
    QStringDecoder decoder = CodePageDecoder(CodePage);
    const QString decoded = decoder.decode(text);
    QList<StructureIndexLine> indexes;
    bool inIndexes = false;
    for (QString line : decoded.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!inIndexes) {
            inIndexes = line.startsWith(QLatin1String("INDEKSY"));
            continue;
        }
        if (!line.startsWith(QLatin1String("Nazwa")))
            continue;
        indexes << StructureIndexLine{RemoveSpaces(line.mid(6, NameWidth)),
                                      line.mid(51, NameWidth).trimmed()};
    }
    return indexes;
}
