#include "platform/db_error.h"

#include <QFileInfo>

#include <sqlite3.h>

bool DbError::isKeyViolation() const
{
    return code_ == SQLITE_CONSTRAINT_UNIQUE || code_ == SQLITE_CONSTRAINT_PRIMARYKEY;
}

bool DbError::isBusy() const
{
    return (code_ & 0xFF) == SQLITE_BUSY || (code_ & 0xFF) == SQLITE_LOCKED;
}

DbError tableInUseError(const QString &path)
{
    return DbError(QStringLiteral("Tabela %1 jest używana przez inny program. Spróbuj ponownie "
                                  "za chwilę.\rBaza : %2")
                       .arg(QFileInfo(path).completeBaseName().toUpper(), path),
                   SQLITE_BUSY);
}
