#pragma once
// The working environment: what the start sequence settles and every part of the program
// reads — today's date, the working year and month, the data root, the current user, the
// month states. One instance lives for the whole run beside the data module and is passed
// to whoever needs it; each start sequence derives it again from scratch.

#include <QString>
#include <QStringList>
#include <array>

struct WorkingEnvironment {
    QString today;               // "YYYY.MM.DD", taken once at start
    QString workingYear;         // names the year directory, normally four digits
    QString workingMonth;        // "01".."12", or "13" for the whole year ("Wszystkie")
    QString dataRoot;            // ends with "/"; empty means the current directory
    QStringList years;           // year directories under the data root, ascending
    QString userName;            // stamped into saved entries and posted months
    bool abort = false;          // the start failed: no windows, the program ends
    bool importInProgress = false;
    QStringList openedTables;    // base paths opened with a display name, in order (≤ 50)
    QStringList unopenedTables;  // tables the start could not open and said so, in order
    QStringList programArguments;

    // Month states: index 1..12 posted or open; 13 is always open; 0 unused.
    std::array<bool, 14> monthPosted{};
    int lastPostedMonth = 0;

    // R + Y + "/": the working year's directory.
    QString yearDirectory() const { return dataRoot + workingYear + QLatin1Char('/'); }
};
