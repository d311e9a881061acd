#pragma once
// The main function of a test program whose tests measure text, print or draw windows: every
// test runs inside one application of the given kind. They need no display, and test
// discovery runs them without the test environment. Saved settings go to a folder of the run,
// never to the user's own.

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

template <typename Application>
int runTestsInApplication(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    QTemporaryDir settingsFolder;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
