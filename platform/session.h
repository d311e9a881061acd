#pragma once
// The database session every cursor of a data module belongs to. It shares one connection
// per table file among the cursors that open it (the firm and taxpayer cursors read the same
// file), and closes every cursor at once when maintenance needs all tables shut.

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

class Connection;
class Cursor;

class Session {
public:
    explicit Session(QString name = QStringLiteral("SESJA")) : name_(std::move(name)) {}
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    const QString &name() const { return name_; }
    std::shared_ptr<Connection> connect(const QString &file, bool readOnly);

    void registerCursor(Cursor *cursor) { cursors_.append(cursor); }
    void unregisterCursor(Cursor *cursor) { cursors_.removeAll(cursor); }
    const QList<Cursor *> &cursors() const { return cursors_; }
    // Posts what is being edited and closes every open cursor.
    void closeAll();

private:
    QString name_;
    QHash<QString, std::weak_ptr<Connection>> connections_;
    QList<Cursor *> cursors_;
};
