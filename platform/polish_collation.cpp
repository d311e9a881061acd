#include "platform/polish_collation.h"

#include <sqlite3.h>

int comparePolish(QStringView a, QStringView b, LetterCase letterCase)
{
    return comparePolishUtf16(reinterpret_cast<const char16_t *>(a.utf16()), int(a.size()),
                              reinterpret_cast<const char16_t *>(b.utf16()), int(b.size()),
                              letterCase);
}

void registerPolishCollations(sqlite3 *db)
{
    sqlite3_create_collation(db, PolishCollation, SQLITE_UTF8, nullptr, collatePolish);
    sqlite3_create_collation(db, PolishCaseInsensitiveCollation, SQLITE_UTF8, nullptr,
                             collatePolishNoCase);
}
