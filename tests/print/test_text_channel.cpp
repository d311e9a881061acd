#include "print/text_channel.h"

#include "platform/code_pages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TextChannel, WithoutItsCodePageNoFileIsMade)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("eksport.txt"));

    TextChannel missing("x-brak-strony");
    EXPECT_EQ(missing.unavailable(), MissingCodePageMessage("x-brak-strony"));
    EXPECT_FALSE(missing.open(path, TextChannel::Target::File));
    EXPECT_FALSE(QFile::exists(path));

    TextChannel channel;
    EXPECT_TRUE(channel.unavailable().isEmpty());
    ASSERT_TRUE(channel.open(path, TextChannel::Target::File));
    EXPECT_TRUE(channel.writeLine(QStringLiteral("Łódź")));
    channel.close();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("\xA3\xF3" "d\x9F\r\n"));
}
