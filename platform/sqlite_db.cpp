#include "platform/sqlite_db.h"

#include "platform/polish_collation.h"

#include <sqlite3.h>

#include <iterator>

namespace {

constexpr int DefaultBusyTimeoutMs = 10000;

// How long a statement waits for a lock another program holds before the table counts as in
// use. Scripts that would rather fail at once, and the tests, set KSIEGA_BUSY_TIMEOUT_MS.
int busyTimeoutMs()
{
    bool set = false;
    const int value = qEnvironmentVariableIntValue("KSIEGA_BUSY_TIMEOUT_MS", &set);
    return set && value >= 0 ? value : DefaultBusyTimeoutMs;
}

QString describe(int code)
{
    switch (code & 0xFF) {
    case SQLITE_LOCKED:
        return QStringLiteral("Tabela jest zablokowana przez inny program.");
    case SQLITE_CONSTRAINT:
        if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
            return QStringLiteral("Naruszenie klucza: rekord o takim kluczu już istnieje.");
        return QStringLiteral("Zapis narusza ograniczenia tabeli.");
    case SQLITE_READONLY:
        return QStringLiteral("Tabela jest tylko do odczytu.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Plik tabeli jest uszkodzony lub nie jest tabelą.");
    case SQLITE_FULL:
        return QStringLiteral("Brak miejsca na dysku.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Nie można otworzyć pliku tabeli.");
    case SQLITE_IOERR:
        return QStringLiteral("Błąd odczytu lub zapisu pliku tabeli.");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Brak uprawnień do pliku tabeli.");
    case SQLITE_NOMEM:
        return QStringLiteral("Brak pamięci.");
    default:
        return QStringLiteral("Błąd bazy danych.");
    }
}

} // namespace

void throwSqliteError(sqlite3 *db, int code, const QString &path)
{
    const int extended = db ? sqlite3_extended_errcode(db) : code;
    if ((extended & 0xFF) == SQLITE_BUSY)
        throw tableInUseError(path);
    QString message = describe(extended);
    if (!path.isEmpty())
        message += QStringLiteral("\rBaza : ") + path;
    if ((extended & 0xFF) == SQLITE_ERROR && db)
        message += QStringLiteral("\r") + QString::fromUtf8(sqlite3_errmsg(db));
    throw DbError(message, extended);
}

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Statement::Statement(sqlite3 *db, const QString &sql) : db_(db), sql_(sql)
{
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db, rc, QString::fromUtf8(sqlite3_db_filename(db, "main")));
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bind(int position, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt_, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(stmt_, position, value.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(stmt_, position, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(stmt_, position, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(stmt_, position, bytes.constData(), bytes.size(),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt_, position, text.constData(), text.size(),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        throwSqliteError(db_, rc, QString());
}

void Statement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values[i]);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    throwSqliteError(db_, rc, QString::fromUtf8(sqlite3_db_filename(db_, "main")));
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

QVariant Statement::column(int index) const
{
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, index));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(stmt_, index)),
            sqlite3_column_bytes(stmt_, index)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt_, index)),
                                   sqlite3_column_bytes(stmt_, index)));
    default:
        return QVariant();
    }
}

qint64 Statement::columnInt64(int index) const
{
    return sqlite3_column_int64(stmt_, index);
}

bool Statement::columnIsNull(int index) const
{
    return sqlite3_column_type(stmt_, index) == SQLITE_NULL;
}

Connection::Connection(const QString &path, Mode mode) : path_(path), mode_(mode)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::ReadOnly)
        flags |= SQLITE_OPEN_READONLY;
    else
        flags |= SQLITE_OPEN_READWRITE;
    if (mode == Mode::Create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const int code = db_ ? sqlite3_extended_errcode(db_) : rc;
        sqlite3_close(db_);
        db_ = nullptr;
        throw DbError(describe(code) + QStringLiteral("\rBaza : ") + path, code);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMs());
    registerPolishCollations(db_);
    if (mode == Mode::ReadOnly)
        return;
    // The files are copied whole by archive and year opening and may lie on shared folders:
    // a rollback journal and a full sync after each commit, never WAL. Setting the journal
    // mode reads the file, so a table another program holds fails here; the handle must not
    // outlive the failed constructor.
    try {
        exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (const DbError &) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

Connection::~Connection()
{
    cache_.clear();
    if (depth_ > 0)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
}

void Connection::exec(const QString &sql)
{
    Statement statement(db_, sql);
    statement.run();
}

void Connection::setWaitForLocks(bool wait)
{
    sqlite3_busy_timeout(db_, wait ? busyTimeoutMs() : 0);
}

Statement &Connection::cached(const QString &sql)
{
    auto it = cache_.find(sql);
    if (it == cache_.end())
        it = cache_.insert(sql, std::make_shared<Statement>(db_, sql));
    return *it.value();
}

qint64 Connection::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const
{
    return sqlite3_changes(db_);
}

qint64 Connection::totalChanges() const
{
    return sqlite3_total_changes64(db_);
}

void Connection::attach(const QString &path, const QString &schema)
{
    if (inTransaction())
        throw DbError(QStringLiteral("Tabeli nie można dołączyć do trwającej transakcji.\rBaza : ")
                      + path);
    Statement statement(db_, QStringLiteral("ATTACH DATABASE ? AS %1").arg(quoteIdentifier(schema)));
    statement.bind(1, path);
    statement.run();
    const QString name = quoteIdentifier(schema);
    exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE").arg(name));
    exec(QStringLiteral("PRAGMA %1.synchronous=FULL").arg(name));
}

void Connection::detach(const QString &schema)
{
    const QString prefix = quoteIdentifier(schema) + QLatin1Char('.');
    for (auto it = cache_.begin(); it != cache_.end();)
        it = it.key().contains(prefix) ? cache_.erase(it) : std::next(it);
    exec(QStringLiteral("DETACH DATABASE %1").arg(quoteIdentifier(schema)));
}

void Connection::begin()
{
    if (rolledBack_)
        throwRolledBack();
    if (depth_ == 0) {
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        ++serial_;
    }
    ++depth_;
}

void Connection::commit()
{
    if (depth_ == 0)
        throw DbError(QStringLiteral("Transakcja została już wycofana.\rBaza : ") + path_);
    if (depth_ == 1 && rolledBack_) {
        rollback();
        throwRolledBack();
    }
    if (depth_ == 1)
        exec(QStringLiteral("COMMIT"));
    --depth_;
}

void Connection::rollback()
{
    if (depth_ == 0)
        return;
    const bool inner = depth_ > 1;
    depth_ = inner ? depth_ - 1 : 0;
    rolledBack_ = inner;
    if (!sqlite3_get_autocommit(db_))
        exec(QStringLiteral("ROLLBACK"));
    if (inner) {
        // Deferred: it takes no lock until the outer walk writes again.
        exec(QStringLiteral("BEGIN"));
        ++serial_;
    }
}

void Connection::throwRolledBack()
{
    throw DbError(QStringLiteral("Zmiany zostały wycofane, bo część polecenia nie powiodła się."
                                 "\rBaza : ")
                  + path_);
}
