#pragma once
// The text form tables are exported to and imported from: a header line of column names,
// then one line per row, every value followed by one tab, lines ending in CR LF, Windows-1250
// bytes. What follows the last tab of a line is no value, so a line break of either kind
// and any text without its closing tab are ignored.
//
// Reading works on bytes: whatever a file holds becomes a header and lines (possibly none),
// so a reader of untrusted files needs nothing else. Reading and writing throw DbError only
// when the system lacks the code page.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

inline constexpr char Windows1250[] = "windows-1250";

struct TabSeparatedLine {
    int number = 0; // in the file, the header being line 1
    QStringList values;
};

struct TabSeparatedText {
    QStringList header;            // the first line's values
    QList<TabSeparatedLine> lines; // the further lines holding at least one value
};

// The values of one line: each ends at a tab.
QStringList TabSeparatedValues(QStringView line);

// The whole file, decoded as Windows-1250.
TabSeparatedText ReadTabSeparatedText(const QByteArray &bytes);

enum class TextCoding {
    Windows1250,
    Utf8,  // valid UTF-8 holding letters beyond ASCII
    Other, // bytes Windows-1250 text never holds: NUL, or the five codes it leaves unused
};

TextCoding GuessTextCoding(const QByteArray &bytes);

// A value as a line carries it: a tab inside becomes ":", line breaks are dropped.
QString LineValue(QString text);

// Lines as the file holds them: each value followed by a tab, then CR LF, in Windows-1250.
// A character that coding lacks is written as "?" and the line counts as lossy.
class TabSeparatedLineWriter {
public:
    TabSeparatedLineWriter();
    QByteArray line(const QStringList &values, bool &lossy);

private:
    QByteArray encode(const QString &text, bool &lossy);

    QStringEncoder encoder_;
};
