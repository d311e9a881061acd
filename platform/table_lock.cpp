#include "platform/table_lock.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString TableLock::lockPathFor(const QString &tablePath)
{
    const QFileInfo info(tablePath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".LCK");
}

std::optional<TableLock> TableLock::acquire(const QString &tablePath, Mode mode)
{
    const QByteArray lockPath = lockPathFor(tablePath).toLocal8Bit();
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0664);
    if (fd < 0) {
        if (mode == Mode::Exclusive)
            return std::nullopt;
        return TableLock(-1);
    }
    if (::flock(fd, (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return TableLock(fd);
}

TableLock::TableLock(TableLock &&other) noexcept : fd_(other.fd_)
{
    other.fd_ = -1;
}

TableLock &TableLock::operator=(TableLock &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

TableLock::~TableLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
