#pragma once
// The two-character codes that may open a line of a text report, and what each means to a
// line printer and to a printer of the system.

#include <QByteArray>
#include <QString>

inline const QString CodeCondensed = QStringLiteral("&G");
inline const QString CodeNormal = QStringLiteral("&N");
inline const QString CodeWide = QStringLiteral("&R");
inline const QString CodePageBreak = QStringLiteral("&W");

inline const QByteArray PitchCondensed = QByteArrayLiteral("\x0F");
inline const QByteArray PitchNormal = QByteArrayLiteral("\x14\x12");
inline const QByteArray PitchWide = QByteArrayLiteral("\x12\x0E");
// Opens every port line: cancels double width and condensed print left from before.
inline const QByteArray PitchReset = QByteArrayLiteral("\x14\x12");
inline const QByteArray FormFeed = QByteArrayLiteral("\x0C");

// Removes the code when the line begins with it.
inline bool takeCode(QString &line, const QString &code)
{
    if (!line.startsWith(code))
        return false;
    line.remove(0, code.size());
    return true;
}
