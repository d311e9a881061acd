#include "maintenance/table_check.h"

#include "core/working_environment.h"
#include "platform/sqlite_db.h"

#include <QDir>

namespace {

QStringList tableFilesIn(const QString &directory)
{
    QStringList files;
    const QDir dir(directory);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        if (name.endsWith(QStringLiteral(".DB"), Qt::CaseInsensitive))
            files << dir.absoluteFilePath(name);
    return files;
}

} // namespace

TableHealth CheckTable(const QString &file)
{
    TableHealth health;
    try {
        Connection connection(file, Connection::Mode::ReadWrite);
        Statement check(connection.handle(), QStringLiteral("PRAGMA integrity_check"));
        while (check.step())
            health.problems << check.column(0).toString();
    } catch (const DbError &failure) {
        // The file is named by the caller's line already.
        for (const QString &line : failure.message().split(QLatin1Char('\r')))
            if (!line.startsWith(QStringLiteral("Baza : ")))
                health.problems << line;
        health.state = failure.isBusy() ? TableHealth::State::InUse : TableHealth::State::Damaged;
        return health;
    }
    if (health.problems == QStringList{QStringLiteral("ok")})
        health.problems.clear();
    else
        health.state = TableHealth::State::Damaged;
    return health;
}

QStringList CheckedTableFiles(const WorkingEnvironment &environment)
{
    const QString root = environment.dataRoot.isEmpty() ? QDir::currentPath() : environment.dataRoot;
    QStringList files = tableFilesIn(root);
    const QDir year(QDir(root).filePath(environment.workingYear));
    if (environment.workingYear.isEmpty() || !year.exists())
        return files;
    files << tableFilesIn(year.path());
    for (const QString &sub : year.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        files << tableFilesIn(year.filePath(sub));
    return files;
}
