#include "platform/session.h"

#include "platform/collation_version.h"
#include "platform/cursor.h"
#include "platform/sqlite_db.h"

#include <QFileInfo>

std::shared_ptr<Connection> Session::connect(const QString &file, bool readOnly)
{
    const QString key = QFileInfo(file).absoluteFilePath()
                        + (readOnly ? QStringLiteral("|ro") : QStringLiteral("|rw"));
    if (auto existing = connections_.value(key).lock())
        return existing;
    auto connection = std::make_shared<Connection>(
        file, readOnly ? Connection::Mode::ReadOnly : Connection::Mode::ReadWrite);
    connections_.insert(key, connection);
    refreshOutdatedTextIndexes(*connection);
    return connection;
}

void Session::closeAll()
{
    for (Cursor *cursor : cursors_)
        cursor->close();
    connections_.clear();
}
