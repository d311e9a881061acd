#pragma once
// A thin layer over the SQLite C API: a connection to one table file set up the way every
// table file is used (rollback journal, full synchronous writes, busy timeout, the Polish
// collations) and prepared statements that bind and read Qt values.
//
// Collation version. A text index is kept in the order of the Polish collations, so that
// order is part of the file: an index built in one order and searched in another misses
// records and lets a duplicate into a unique index. Each file therefore records in
// `PRAGMA user_version` (used for nothing else) the PolishOrderVersion its text indexes were
// built in; 0 stands for files from before the version was kept. A file is stamped when it
// is created and whenever its text indexes are rebuilt, and the rebuild (REINDEX of both
// collations) commits together with its stamp, so a crash leaves the old indexes with the
// old version. When the engine opens a writable file of an older version it rebuilds the
// text indexes at once if it gets the write lock without waiting; when another program
// holds the file, or the file is read-only, the open goes on as before and a later open
// tries again: an open never fails or waits for the rebuild. Index repair always rebuilds.
// A file of a newer version is left as it is, and so is a file without a Polish-collated
// index (a companion program's plain-SQL table is not written to for nothing). Other
// programs get the same order from the SQLite extension built beside the program, which is
// compiled from the same weights (platform/collation/).

#include "platform/db_error.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

class Statement {
public:
    Statement(sqlite3 *db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int position, const QVariant &value); // 1-based; invalid QVariant binds NULL
    void bindAll(const QVariantList &values);
    bool step();          // true while a row is available
    void run();           // steps to the end, for statements without rows
    void reset();         // ready for new bindings; clears them

    int columnCount() const;
    QVariant column(int index) const; // qint64, double, QString, QByteArray or invalid (NULL)
    qint64 columnInt64(int index) const;
    bool columnIsNull(int index) const;
    sqlite3_stmt *handle() const { return stmt_; }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
    QString sql_;
};

// Resets a statement when the scope ends, so a cached statement never keeps a read lock.
class StatementScope {
public:
    explicit StatementScope(Statement &statement) : statement_(statement) {}
    ~StatementScope() { statement_.reset(); }
    StatementScope(const StatementScope &) = delete;
    StatementScope &operator=(const StatementScope &) = delete;
    Statement *operator->() { return &statement_; }
    Statement &operator*() { return statement_; }

private:
    Statement &statement_;
};

class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    Connection(const QString &path, Mode mode);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const QString &path() const { return path_; }
    bool isReadOnly() const { return mode_ == Mode::ReadOnly; }
    sqlite3 *handle() const { return db_; }

    void exec(const QString &sql);
    // Without waiting, a lock another program holds fails at once instead of after the busy
    // timeout.
    void setWaitForLocks(bool wait);
    // A statement prepared once per connection and kept; reset it after use (StatementScope).
    Statement &cached(const QString &sql);
    qint64 lastInsertRowid() const;
    int changes() const;

    // One write transaction at a time per connection; nested begins are counted so that a
    // walk inside a larger one commits with the outer one.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }
    // Tells the write transactions of this connection apart; 0 outside of one.
    quint64 transactionSerial() const { return depth_ > 0 ? serial_ : 0; }
    // Rows written through this connection since it opened, by any of its cursors.
    qint64 totalChanges() const;

private:
    QString path_;
    Mode mode_;
    sqlite3 *db_ = nullptr;
    QHash<QString, std::shared_ptr<Statement>> cache_;
    int depth_ = 0;
    quint64 serial_ = 0;
};

// Turns a failed SQLite call into a Polish error that names the file.
[[noreturn]] void throwSqliteError(sqlite3 *db, int code, const QString &path);
QString quoteIdentifier(const QString &name);
