#include "platform/qt_messages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

TEST(QtMessages, QtsRemarksGoToTheLogWhenOneIsNamed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString log = folder.filePath("qt.log");
    qputenv("KSIEGA_QT_LOG", log.toLocal8Bit());
    keepQtMessagesFromUser();
    qWarning("QPainter::begin(): Returned false");
    qunsetenv("KSIEGA_QT_LOG");
    qWarning("bez dziennika");
    qInstallMessageHandler(nullptr);

    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_TRUE(text.contains("QPainter::begin(): Returned false")) << text.toStdString();
    EXPECT_FALSE(text.contains("bez dziennika"));
}
