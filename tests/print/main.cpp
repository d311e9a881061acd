// Printing measures text and draws windows, so every test here runs inside one application.
// They need no display, and test discovery runs them without the test environment. Saved
// settings go to a folder of the run, never to the user's own.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
