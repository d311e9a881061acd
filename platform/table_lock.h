#pragma once
// Who holds a table. Every open of a table takes a lock on a small companion file
// ("KSIEGA.LCK" beside "KSIEGA.DB"): shared opens share it, an exclusive open needs it alone,
// so an exclusive open fails while any other connection — in this process or another — has
// the table open. The lock lives on its own file because closing any descriptor of the table
// file itself would drop the locks SQLite holds on it.

#include <QString>
#include <optional>

class TableLock {
public:
    enum class Mode { Shared, Exclusive };

    // Nothing when the lock is taken elsewhere. A shared lock whose file cannot be created
    // (a read-only folder) is granted without protection; an exclusive one is refused.
    static std::optional<TableLock> acquire(const QString &tablePath, Mode mode);
    static QString lockPathFor(const QString &tablePath);

    TableLock(TableLock &&other) noexcept;
    TableLock &operator=(TableLock &&other) noexcept;
    TableLock(const TableLock &) = delete;
    TableLock &operator=(const TableLock &) = delete;
    ~TableLock();

private:
    explicit TableLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};
