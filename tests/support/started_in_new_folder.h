#pragma once
// A fresh temporary folder made the current directory, where the program keeps its parameter
// table, with today set to 10 May 2019; both are undone when it goes.

#include <QDir>
#include <QTemporaryDir>

struct StartedInNewFolder {
    StartedInNewFolder()
    {
        QDir::setCurrent(dir.path());
        qputenv("KSIEGA_TODAY", "2019.05.10");
    }
    ~StartedInNewFolder()
    {
        qunsetenv("KSIEGA_TODAY");
        QDir::setCurrent(previous);
    }
    StartedInNewFolder(const StartedInNewFolder &) = delete;
    StartedInNewFolder &operator=(const StartedInNewFolder &) = delete;

    QString at(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }

    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
};
