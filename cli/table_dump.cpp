#include "cli/table_dump.h"

#include "core/data_module.h"
#include "platform/session.h"
#include "platform/table_files.h"

#include <QFileInfo>

QString FieldCell(const Field &field, AmountDecimals decimals)
{
    if (field.isNull())
        return QString();
    switch (field.type()) {
    case FieldType::Currency:
    case FieldType::Bcd:
        return decimals == AmountDecimals::Two
                   ? field.asCurrency().toString(2, QLatin1Char('.'))
                   : field.asCurrency().toShortestString(QLatin1Char('.'));
    case FieldType::Logical:
        return field.asBoolean() ? QStringLiteral("tak") : QStringLiteral("nie");
    case FieldType::Float:
        return field.asString().replace(QLatin1Char(','), QLatin1Char('.'));
    default: {
        QString text = field.asString();
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        return text;
    }
    }
}

namespace {

void write(Cursor &table, QTextStream &out)
{
    QStringList header;
    for (int i = 0; i < table.fieldCount(); ++i)
        header << table.field(i).name();
    out << header.join(QLatin1Char('\t')) << '\n';
    for (table.first(); !table.eof(); table.next()) {
        QStringList line;
        for (int i = 0; i < table.fieldCount(); ++i)
            line << FieldCell(table.field(i), AmountDecimals::AsFine);
        out << line.join(QLatin1Char('\t')) << '\n';
    }
}

QString tablePathFor(TDANE &dane, const QString &path)
{
    QString relative = path;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive))
        relative.chop(3);
    if (relative.compare(QLatin1String("KSIEGA"), Qt::CaseInsensitive) == 0)
        return tableFilePath(relative);
    if (relative.compare(QLatin1String("FIRMA"), Qt::CaseInsensitive) == 0)
        return tableFilePath(dane.environment().dataRoot + relative);
    return tableFilePath(dane.environment().yearDirectory() + relative);
}

} // namespace

void dumpTable(TDANE &dane, const QString &path, QTextStream &out)
{
    const QString file = QFileInfo(tablePathFor(dane, path)).absoluteFilePath();
    // The data module's own cursor, when it holds the table, brings its calculated fields.
    for (Cursor *cursor : dane.session().cursors()) {
        if (cursor->isOpen() && QFileInfo(cursor->tablePath()).absoluteFilePath() == file
            && cursor->master() == nullptr) {
            cursor->setFiltered(false);
            cursor->cancelRange();
            cursor->setIndexName(QString());
            write(*cursor, out);
            return;
        }
    }
    Session session;
    Cursor table(session, QStringLiteral("TZRZUT"));
    table.setTableName(file);
    table.open();
    write(table, out);
}
