#pragma once
// Which order a table file's text indexes were built in, and bringing them up to date when
// the order changes (see "Collation version" in sqlite_db.h). The version lives in the file's
// `PRAGMA user_version`, which the engine uses for nothing else.

class Connection;

// The version the file's text indexes were built with; 0 for a file from before versions.
int storedOrderVersion(Connection &connection);
// Records that the file's indexes follow the current order; part of the caller's write.
void stampOrderVersion(Connection &connection);
// Rebuilds every index that uses a Polish collation and stamps the file, all in one commit
// (inside the caller's transaction when there is one). Index repair calls it for every
// table whatever the stored version. Fails like any other write.
void rebuildTextIndexes(Connection &connection);
// Rebuilds the text indexes of a writable file kept in an older order when it can be done
// right now, without waiting for another program's lock; true when it was done. Otherwise
// the file stays as it is for a later open: an open never fails or waits because of this.
bool refreshOutdatedTextIndexes(Connection &connection);
