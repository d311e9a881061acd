#pragma once
// A table file as another program sees it: the SQLite C API alone, with no collation until
// one is loaded or registered.

#include <QString>
#include <QStringList>
#include <sqlite3.h>

class PlainSqlite {
public:
    explicit PlainSqlite(const QString &file)
    {
        sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~PlainSqlite() { sqlite3_close(db_); }
    PlainSqlite(const PlainSqlite &) = delete;
    PlainSqlite &operator=(const PlainSqlite &) = delete;

    sqlite3 *handle() const { return db_; }

    // Empty when the statements ran, SQLite's message otherwise.
    QString exec(const QString &sql)
    {
        char *message = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
            return QString();
        const QString error = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        return error;
    }

    // The first column of every row, or SQLite's message as the only line.
    QStringList column(const QString &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            return {QString::fromUtf8(sqlite3_errmsg(db_))};
        QStringList values;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            values << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        if (rc != SQLITE_DONE)
            values << QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(statement);
        return values;
    }

private:
    sqlite3 *db_ = nullptr;
};
