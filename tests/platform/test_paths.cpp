#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

static void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString at(const QString &relative) const { return dir.path() + '/' + relative; }

    QTemporaryDir dir;
};

TEST_F(PathsTest, ResolvesEachComponentIgnoringCase)
{
    touch(at("DANE/2019/FIN/KONTRAHO.DB"));
    touch(at("DANE/KSIĘGA/SUMA.DB"));

    EXPECT_EQ(resolvePath(at("dane/2019/fin/KONTRAHo.DB")), at("DANE/2019/FIN/KONTRAHO.DB"));
    EXPECT_EQ(resolvePath(at("Dane/księga/suma.db")), at("DANE/KSIĘGA/SUMA.DB"));
    EXPECT_EQ(resolvePath(at("dane/2019/")), at("DANE/2019/"));
    EXPECT_TRUE(fileExistsCaseInsensitive(at("dane/2019/fin/kontraho.db")));
    EXPECT_FALSE(fileExistsCaseInsensitive(at("dane/2019/fin/kontrahi.db")));
}

TEST_F(PathsTest, KeepsExistingPathsAndTheMissingTailAsGiven)
{
    touch(at("DANE/2019/FIN/KONTRAHO.DB"));
    touch(at("dane/2019/FIN/KONTRAHO.DB"));

    // Both spellings exist: the exact one is taken, never the other.
    EXPECT_EQ(resolvePath(at("dane/2019/FIN/KONTRAHO.DB")), at("dane/2019/FIN/KONTRAHO.DB"));
    // A file about to be created keeps the caller's name below the last existing folder.
    EXPECT_EQ(resolvePath(at("DANE/2019/fin/NOWY/Plik.db")), at("DANE/2019/FIN/NOWY/Plik.db"));
    EXPECT_EQ(resolvePath(at("Dane/2020/ksiega")), at("DANE/2020/ksiega"));
    EXPECT_EQ(resolvePath(QString()), QString());
}

TEST_F(PathsTest, ResolvesRelativePathsAgainstTheCurrentDirectory)
{
    touch(at("DANE/2019/KSIEGA/KSIEGA.DB"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString resolved = resolvePath("dane/2019/ksiega/ksiega.db");
    const QString missing = resolvePath("dane/2018/ksiega");
    QDir::setCurrent(previous);

    EXPECT_EQ(resolved, "DANE/2019/KSIEGA/KSIEGA.DB");
    EXPECT_EQ(missing, "DANE/2018/ksiega");
}

TEST(Paths, TrailingSlash)
{
    EXPECT_EQ(withTrailingSlash(""), "");
    EXPECT_EQ(withTrailingSlash("/dane"), "/dane/");
    EXPECT_EQ(withTrailingSlash("/dane/"), "/dane/");
}

TEST_F(PathsTest, TableFamilyTakesEveryExtensionButSqliteJournals)
{
    for (const char *name : {"KSIEGA.DB", "KSIEGA.PX", "ksiega.xg0", "KSIEGA", "KSIEGA.DB-journal",
                             "KSIEGA.DB-wal", "KSIEGAF.DB", "SUMA.DB", "KSIEGA.DB.BAK"})
        touch(at("2019/KSIEGA/") + name);
    QDir().mkpath(at("2019/KSIEGA/KSIEGA.OLD"));

    const QStringList family = tableFamily(at("2019/ksiega/Ksiega"));

    const QString folder = QFileInfo(at("2019/KSIEGA")).absoluteFilePath() + '/';
    EXPECT_EQ(family, QStringList({folder + "KSIEGA", folder + "KSIEGA.DB", folder + "KSIEGA.PX",
                                   folder + "ksiega.xg0"}));
    EXPECT_TRUE(tableFamily(at("2019/KSIEGA/BRAK")).isEmpty());
    EXPECT_TRUE(tableFamily(at("2018/KSIEGA/KSIEGA")).isEmpty());
}

TEST_F(PathsTest, ReadOnlyAttribute)
{
    const QString path = at("FIRMA.DB");
    touch(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    EXPECT_TRUE(isReadOnlyFile(path));
    EXPECT_TRUE(clearReadOnly(path));
    EXPECT_FALSE(isReadOnlyFile(path));
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::ReadOwner));
    EXPECT_TRUE(clearReadOnly(path));

    EXPECT_FALSE(isReadOnlyFile(at("BRAK.DB")));
    EXPECT_FALSE(clearReadOnly(at("BRAK.DB")));
}
