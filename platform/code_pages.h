#pragma once
// The single-byte code pages of the program's text files and printer output (Windows-1250,
// IBM852 ...). Qt takes them from ICU; an encoder for a code page it lacks is invalid and
// would write "?" for every Polish letter, so a missing code page stops the writer with a
// Polish message instead.

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

QString MissingCodePageMessage(const char *name);
// Both throw DbError with that message when Qt does not know the code page.
QStringEncoder CodePageEncoder(const char *name);
QStringDecoder CodePageDecoder(const char *name);
