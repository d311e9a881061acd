#pragma once
// File names as the program writes them meet file systems that tell letter case apart: the
// program asks for "KONTRAHo.DB" and the disk holds "KONTRAHO.DB". Every path the program
// opens goes through resolvePath first. Separators are always "/".

#include <QString>
#include <QStringList>

// The path itself when it exists; otherwise each component is looked up in its directory
// ignoring letter case. From the first component found in neither form on, the rest is kept
// as given, so a file about to be created keeps the name the caller chose.
QString resolvePath(const QString &path);

bool fileExistsCaseInsensitive(const QString &path);

// Directories are joined by plain concatenation, so they carry their "/". Empty stays empty:
// an empty directory means the current one.
QString withTrailingSlash(QString dir);

// Every file that makes up the table at basePath ("dir/NAME", no extension): the files of
// its directory named NAME.<anything> ignoring case, as absolute paths in sorted order.
// SQLite's own journal files are left out: moving or deleting one can corrupt the table.
QStringList tableFamily(const QString &basePath);

// Read-only means the file has no owner write permission (the read-only attribute), or this
// user may not write it whatever its attributes say: another user's file, a folder shared
// read-only, a file system mounted read-only. A missing file is not read-only.
bool isReadOnlyFile(const QString &path);
// Gives the owner write permission; true when the file is writable for this user after.
bool clearReadOnly(const QString &path);
