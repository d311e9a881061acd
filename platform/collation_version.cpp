#include "platform/collation_version.h"

#include "platform/polish_collation.h"
#include "platform/sqlite_db.h"

namespace {

bool hasTextIndexes(Connection &connection)
{
    Statement statement(connection.handle(),
                        QStringLiteral("SELECT 1 FROM sqlite_master AS m, "
                                       "pragma_index_xinfo(m.name) AS x WHERE m.type = 'index' "
                                       "AND upper(x.coll) IN (?, ?) LIMIT 1"));
    statement.bindAll({QString::fromLatin1(PolishCollation),
                       QString::fromLatin1(PolishCaseInsensitiveCollation)});
    return statement.step();
}

// The open goes on at once when another program holds the file: waiting for it would make
// a routine open as slow as a busy timeout.
class NoWaitForLocks {
public:
    explicit NoWaitForLocks(Connection &connection) : connection_(connection)
    {
        connection_.setWaitForLocks(false);
    }
    ~NoWaitForLocks() { connection_.setWaitForLocks(true); }
    NoWaitForLocks(const NoWaitForLocks &) = delete;
    NoWaitForLocks &operator=(const NoWaitForLocks &) = delete;

private:
    Connection &connection_;
};

} // namespace

int storedOrderVersion(Connection &connection)
{
    Statement statement(connection.handle(), QStringLiteral("PRAGMA user_version"));
    statement.step();
    return int(statement.columnInt64(0));
}

void stampOrderVersion(Connection &connection)
{
    connection.exec(QStringLiteral("PRAGMA user_version = %1").arg(PolishOrderVersion));
}

void rebuildTextIndexes(Connection &connection)
{
    connection.begin();
    try {
        connection.exec(QStringLiteral("REINDEX %1").arg(QLatin1String(PolishCollation)));
        connection.exec(
            QStringLiteral("REINDEX %1").arg(QLatin1String(PolishCaseInsensitiveCollation)));
        stampOrderVersion(connection);
        connection.commit();
    } catch (const DbError &) {
        connection.rollback();
        throw;
    }
}

bool refreshOutdatedTextIndexes(Connection &connection)
{
    if (connection.isReadOnly() || connection.inTransaction())
        return false;
    const NoWaitForLocks noWait(connection);
    try {
        if (storedOrderVersion(connection) >= PolishOrderVersion || !hasTextIndexes(connection))
            return false;
        rebuildTextIndexes(connection);
        return true;
    } catch (const DbError &) {
        return false;
    }
}
