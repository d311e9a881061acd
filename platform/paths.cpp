#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

static QString findIgnoringCase(const QString &directory, const QString &name)
{
    const QStringList entries =
        QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

QString resolvePath(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    qsizetype index = 0;
    for (; index < parts.size(); ++index) {
        const QString &part = parts.at(index);
        QString name = part;
        if (part != QLatin1String(".") && part != QLatin1String("..")
            && !QFileInfo::exists(resolved + part)) {
            name = findIgnoringCase(resolved.isEmpty() ? QStringLiteral(".") : resolved, part);
            if (name.isEmpty())
                break;
        }
        resolved += name;
        if (index + 1 < parts.size())
            resolved += QLatin1Char('/');
    }
    for (; index < parts.size(); ++index) {
        resolved += parts.at(index);
        if (index + 1 < parts.size())
            resolved += QLatin1Char('/');
    }
    if (path.endsWith(QLatin1Char('/')) && !resolved.endsWith(QLatin1Char('/')))
        resolved += QLatin1Char('/');
    return resolved;
}

bool fileExistsCaseInsensitive(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(resolvePath(path));
}

QString withTrailingSlash(QString dir)
{
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QStringList tableFamily(const QString &basePath)
{
    const QFileInfo base(basePath);
    const QString baseName = base.fileName();
    const QString directory = resolvePath(base.path());
    // The rollback journal, and the files of modes we never use but another program might.
    static const QRegularExpression sqliteOwn(QStringLiteral("-(journal|wal|shm|mj[0-9a-f]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);

    QStringList family;
    const QFileInfoList entries =
        QDir(directory).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.completeBaseName().compare(baseName, Qt::CaseInsensitive) != 0)
            continue;
        if (sqliteOwn.match(entry.fileName()).hasMatch())
            continue;
        family.append(entry.absoluteFilePath());
    }
    family.sort();
    return family;
}

bool isReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists()
           && (!info.permissions().testFlag(QFileDevice::WriteOwner) || !info.isWritable());
}

bool clearReadOnly(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    if (isReadOnlyFile(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    return !isReadOnlyFile(path);
}
