#include "platform/table_copy.h"

#include "platform/sqlite_db.h"
#include "platform/table_files.h"
#include "platform/table_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Not a ".DB" name, so that a copy cut short never passes for a table, and not a table's
// base name, so that it shares no lock file with one.
QString temporaryBeside(const QString &target)
{
    const QFileInfo info(target);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("~KOPIA.TMP");
}

void backup(Connection &from, Connection &into)
{
    sqlite3_backup *copy = sqlite3_backup_init(into.handle(), "main", from.handle(), "main");
    if (!copy)
        throwSqliteError(into.handle(), sqlite3_errcode(into.handle()), into.path());
    const int stepped = sqlite3_backup_step(copy, -1);
    const int finished = sqlite3_backup_finish(copy);
    if (stepped != SQLITE_DONE)
        throwSqliteError(nullptr, stepped, into.path());
    if (finished != SQLITE_OK)
        throwSqliteError(into.handle(), finished, into.path());
}

void syncDirectory(const QString &directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void snapshotTable(const QString &source, const QString &target)
{
    const QString temporary = temporaryBeside(target);
    {
        Connection from(source, Connection::Mode::ReadWrite);
        // A temporary file left by a copy killed earlier is settled by SQLite and written over.
        Connection into(temporary, Connection::Mode::Create);
        backup(from, into);
    }
    if (QFileInfo::exists(target))
        settleJournal(target);
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData())
        != 0)
        throw DbError(QStringLiteral("Nie można zastąpić tabeli.\rBaza : ") + target);
    syncDirectory(QFileInfo(target).path());
}

void overwriteTable(const QString &source, const QString &target)
{
    const std::optional<TableLock> lock = TableLock::acquire(target, TableLock::Mode::Exclusive);
    if (!lock)
        throw tableInUseError(target);
    if (!QFileInfo::exists(target)) {
        snapshotTable(source, target);
        return;
    }
    Connection from(source, Connection::Mode::ReadWrite);
    Connection into(target, Connection::Mode::ReadWrite);
    backup(from, into);
}
