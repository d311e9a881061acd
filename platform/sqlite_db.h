#pragma once
// The table engine's connection to one table file, and prepared statements that bind and
// read Qt values. Every read and write of a table file goes through a Connection, so the
// rules below hold for every table file at every moment; cursor.h, table_files.h and
// table_lock.h build on them.
//
// Files. One table is one SQLite database file "NAME.DB"; its rows live in the SQLite
// table NAME. Beside it may lie "NAME.LCK" (the engine's open lock), "NAME.STR" (the
// structure file index repair reads) and "NAME.DB-journal", which is SQLite's alone.
//
// Locks. Two kinds, on two files. SQLite's locks on the table file order readers and
// writers of every program: a statement that reads holds SHARED while it runs; a write
// transaction (always BEGIN IMMEDIATE, so two writers never deadlock on an upgrade) holds
// RESERVED from its begin, and its commit needs EXCLUSIVE, which waits for the readers to
// finish. The engine's own lock on "NAME.LCK" (table_lock.h) tells who has the table open at
// all: every open takes it shared, and work that needs the table alone (index repair,
// delete, rename, replace) takes it exclusively. Other programs — the sqlite3 shell, Python,
// the invoicing program — take only SQLite's locks. A lock of either kind that is not given
// up within the busy timeout (10 s; KSIEGA_BUSY_TIMEOUT_MS changes it) fails the statement
// with tableInUseError(): "Tabela NAME jest używana przez inny program. Spróbuj ponownie za
// chwilę." A busy table is whole. It is never reported as damage, whose advice (index
// repair, restoring the archive) would lose what was written since the archive, and the
// statement that met it wrote nothing.
//
// Journals. Every writable connection uses a rollback journal (journal_mode=DELETE) and
// synchronous=FULL, never WAL: the files are copied whole by archive and year opening and
// may lie on shared folders. A journal belongs to the table file beside it; nothing but
// SQLite itself deletes or moves one. SQLite plays a journal back on the next read only
// when it is hot: its header is set and no connection holds RESERVED. Before a table file
// is deleted, renamed or replaced it is therefore opened and read once (table_files.cpp); a
// journal still there afterwards belongs either to a writer in progress, which holds the
// write lock and makes the table in use, or it is inactive (empty, or with a cleared
// header), which SQLite never plays back and which blocks nothing.
//
// Read-only files. A file without owner write permission (the read-only attribute), or one
// this user cannot write whatever its attributes say (another owner, a folder shared
// read-only, a read-only mount), is opened by a cursor with SQLITE_OPEN_READONLY
// (isReadOnlyFile() in paths.h). It reads as usual; every write through the cursor is
// refused with "Tabela jest tylko do odczytu" before anything is written, and no collation
// rebuild touches it. The program's checked open offers to clear the attribute and says
// when that cannot work.
//
// Transactions. A write outside a transaction is its own commit and is on disk when it
// returns. begin()/commit() nest per connection, so a walk inside a larger one commits with
// the outer one; a failure rolls back the whole outer transaction. Each table file is its
// own connection; a command that writes several table files holds them in one
// JointTransaction, which attaches the others to the first file's connection, so SQLite's
// multi-file commit (its master journal) puts all of them on disk or none. An inner rollback
// fails the whole walk: its later writes are never committed.
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
    // walk inside a larger one commits with the outer one. SQLite has no nested rollback: an
    // inner one undoes the whole transaction at once and leaves it failed. The writes the
    // outer walk still makes then go into a fresh transaction that is never committed: a
    // begin throws, and the outer commit rolls back and throws, so the walk as a whole fails
    // instead of its later writes committing one by one.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }
    // Tells the write transactions of this connection apart; 0 outside of one.
    quint64 transactionSerial() const { return depth_ > 0 ? serial_ : 0; }
    // Rows written through this connection since it opened, by any of its cursors.
    qint64 totalChanges() const;
    // Another table file, named `schema` in this connection's SQL, set up as every table file
    // is; a transaction of this connection then commits every file it wrote at once (SQLite
    // writes a super-journal beside this connection's file). Outside a transaction only.
    void attach(const QString &path, const QString &schema);
    // Drops the file again, and the statements kept for it.
    void detach(const QString &schema);

private:
    QString path_;
    Mode mode_;
    sqlite3 *db_ = nullptr;
    QHash<QString, std::shared_ptr<Statement>> cache_;
    int depth_ = 0;
    quint64 serial_ = 0;
    bool rolledBack_ = false; // an inner rollback undid the transaction still counted open
    [[noreturn]] void throwRolledBack();
};

// Turns a failed SQLite call into a Polish error that names the file.
[[noreturn]] void throwSqliteError(sqlite3 *db, int code, const QString &path);
QString quoteIdentifier(const QString &name);
