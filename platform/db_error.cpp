#include "platform/db_error.h"

#include <sqlite3.h>

bool DbError::isKeyViolation() const
{
    return code_ == SQLITE_CONSTRAINT_UNIQUE || code_ == SQLITE_CONSTRAINT_PRIMARYKEY;
}

bool DbError::isBusy() const
{
    return (code_ & 0xFF) == SQLITE_BUSY || (code_ & 0xFF) == SQLITE_LOCKED;
}
