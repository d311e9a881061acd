// The Polish collations as a SQLite loadable extension, so that the sqlite3 shell, Python and
// the companion programs can read, write and check the table files: their text indexes are
// built with these collations and SQLite refuses to touch them without.
//
// SQLite hands an extension its API as a table of functions instead of linking it to a
// library: the extension then works in any program that embeds SQLite, whatever its build.

#include "platform/collation/polish_order.h"

#include <sqlite3ext.h>

namespace {

int registerCollations(sqlite3 *db, char **errorMessage, const sqlite3_api_routines *api)
{
    int rc = api->create_collation(db, PolishCollation, SQLITE_UTF8, nullptr, collatePolish);
    if (rc == SQLITE_OK)
        rc = api->create_collation(db, PolishCaseInsensitiveCollation, SQLITE_UTF8, nullptr,
                                   collatePolishNoCase);
    if (rc != SQLITE_OK && errorMessage)
        *errorMessage = api->mprintf("%s", api->errmsg(db));
    return rc;
}

} // namespace

// SQLite looks for the entry point named after the file (libksiega_polish →
// sqlite3_ksiegapolish_init) and for the generic one; both are given.
extern "C" __attribute__((visibility("default"))) int
sqlite3_ksiegapolish_init(sqlite3 *db, char **errorMessage, const sqlite3_api_routines *api)
{
    return registerCollations(db, errorMessage, api);
}

extern "C" __attribute__((visibility("default"))) int
sqlite3_extension_init(sqlite3 *db, char **errorMessage, const sqlite3_api_routines *api)
{
    return registerCollations(db, errorMessage, api);
}
