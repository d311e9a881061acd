#pragma once
// Window tests leave a picture of what they showed when KSIEGA_SCREENSHOTS names a folder,
// so that a person can look at the windows without a display.

#include <QDir>
#include <QString>
#include <QWidget>

inline void saveScreenshot(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("KSIEGA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
