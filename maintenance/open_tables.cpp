#include "maintenance/open_tables.h"

#include "core/data_module.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withoutExtension(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive))
        name.chop(3);
    return name;
}

QString fileOf(const Cursor &cursor)
{
    return QFileInfo(cursor.tablePath()).absoluteFilePath();
}

// The table's path under the year's directory ("AUTO/SUMA"), or its file name when it lies
// elsewhere.
QString pathInYear(TDANE &dane, const Cursor &cursor)
{
    const QString year = QDir(dane.environment().yearDirectory()).absolutePath() + QLatin1Char('/');
    const QString file = fileOf(cursor);
    return withoutExtension(file.startsWith(year) ? file.mid(year.size()) : QFileInfo(file).fileName());
}

} // namespace

Cursor *FindOpenTable(TDANE &dane, const QString &name)
{
    const QString wanted = withoutExtension(name.trimmed());
    if (wanted.isEmpty())
        return nullptr;
    const QList<Cursor *> &cursors = dane.session().cursors();
    if (wanted.contains(QLatin1Char('/'))) {
        const QString file =
            QFileInfo(resolvePath(dane.environment().yearDirectory() + wanted + QStringLiteral(".DB")))
                .absoluteFilePath();
        for (Cursor *cursor : cursors)
            if (cursor->isOpen() && fileOf(*cursor) == file)
                return cursor;
        return nullptr;
    }
    for (Cursor *cursor : cursors)
        if (cursor->isOpen()
            && (cursor->name().compare(wanted, Qt::CaseInsensitive) == 0
                || QFileInfo(cursor->tablePath()).completeBaseName().compare(wanted, Qt::CaseInsensitive) == 0))
            return cursor;
    return nullptr;
}

QStringList OpenTableNames(TDANE &dane)
{
    QStringList names;
    for (Cursor *cursor : dane.session().cursors()) {
        if (!cursor->isOpen())
            continue;
        const QString base = QFileInfo(cursor->tablePath()).completeBaseName().toUpper();
        const QString inYear = pathInYear(dane, *cursor);
        if (FindOpenTable(dane, base) == cursor)
            names << base;
        else if (inYear.contains(QLatin1Char('/')) && FindOpenTable(dane, inYear) == cursor)
            names << inYear;
        else
            names << cursor->name();
    }
    return names;
}
