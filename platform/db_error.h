#pragma once
// Every failure of the table engine, worded in Polish for the user. The SQLite result code
// is kept for callers that react to one kind of failure (a key violation, a busy table).

#include <QByteArray>
#include <QString>
#include <exception>

class DbError : public std::exception {
public:
    explicit DbError(QString message, int sqliteCode = 0)
        : message_(std::move(message)), utf8_(message_.toUtf8()), code_(sqliteCode) {}

    const QString &message() const { return message_; }
    int sqliteCode() const { return code_; }
    bool isKeyViolation() const;
    bool isBusy() const;
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
    int code_;
};

// Another program holds the table file `path` (a lock of the engine or of SQLite) longer
// than the engine waits. Worded so that nobody takes it for damage: the table is whole and
// the same command works once the other program lets go.
DbError tableInUseError(const QString &path);
