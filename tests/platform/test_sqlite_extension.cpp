// Other programs use our table files through the SQLite extension built beside the program:
// the sqlite3 shell, Python and plain C code write into a table the engine created and check
// it, and the engine then reads what they wrote.

#include "plain_sqlite.h"
#include "platform/cursor.h"
#include "platform/session.h"
#include "platform/table_files.h"
#include "tests/support/qt_printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Where the build puts the extension, written as the README writes it: SQLite adds ".so".
const QString Extension = QStringLiteral(KSIEGA_POLISH_EXTENSION);

TableDef contractorsLikeDefinition()
{
    TableDef definition;
    definition.fields = {{"NR", FieldType::Integer, 0, false},
                         {"NIP", FieldType::Text, 13, false},
                         {"SKROT", FieldType::Text, 20, false},
                         {"MIEJSC", FieldType::Text, 35, false}};
    definition.indexes = {{QString(), {"NR"}, true, true, false, false},
                          {"Ninx", {"NIP"}, false, false, true, false},
                          {"Sinx", {"SKROT"}, false, false, true, false},
                          {"Minx", {"MIEJSC"}, false, false, true, false}};
    return definition;
}

struct RunResult {
    int code = -1;
    QStringList lines;
    QString errors;
};

RunResult run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, process.errorString()};
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

// A python3 whose sqlite3 module may load extensions (a Python built without that option
// cannot run the README's line at all).
QString pythonThatLoadsExtensions()
{
    QStringList folders = qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts);
    folders << QStringLiteral("/usr/bin");
    for (const QString &folder : folders) {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {folder});
        if (!python.isEmpty()
            && run(python, {"-c", "import sqlite3; sqlite3.Connection.enable_load_extension"})
                       .code
                   == 0)
            return python;
    }
    return QString();
}

class SqliteExtension : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        createTable(file, contractorsLikeDefinition());
        Cursor cursor(session, "TKontrah");
        cursor.setTableName(file);
        cursor.open();
        for (const auto &[nr, name] : {std::pair{1, "Żaba"}, std::pair{2, "Adam"}}) {
            cursor.append();
            cursor.field("NR").setInteger(nr);
            cursor.field("SKROT").setAsString(QString::fromUtf8(name));
            cursor.field("MIEJSC").setAsString(QStringLiteral("Łódź"));
            cursor.post();
        }
    }

    // SKROT of every record in the engine's own index order.
    QStringList namesThroughTheEngine()
    {
        Cursor cursor(session, "TKontrah");
        cursor.setTableName(file);
        cursor.setIndexName(QStringLiteral("Sinx"));
        cursor.open();
        QStringList names;
        for (cursor.first(); !cursor.eof(); cursor.next())
            names << cursor.field("SKROT").asString();
        return names;
    }

    int argc = 1;
    char name[14] = "test_platform";
    char *argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
    QTemporaryDir dir;
    QString file = dir.path() + QStringLiteral("/KONTRAHI.DB");
    Session session;
};

TEST_F(SqliteExtension, PlainConnectionWritesAndChecksATableTheEngineCreated)
{
    {
        PlainSqlite db(file);
        EXPECT_TRUE(db.exec("INSERT INTO KONTRAHI (NR, SKROT) VALUES (3, 'Łata')")
                        .contains("no such collation sequence"));
        ASSERT_EQ(sqlite3_enable_load_extension(db.handle(), 1), SQLITE_OK);
        char *error = nullptr;
        ASSERT_EQ(sqlite3_load_extension(db.handle(), Extension.toUtf8().constData(), nullptr,
                                         &error),
                  SQLITE_OK)
            << (error ? error : "");
        EXPECT_EQ(db.exec("INSERT INTO KONTRAHI (NR, NIP, SKROT, MIEJSC) VALUES "
                          "(3, '525-000-00-01', 'Łata', 'Ełk'), (4, NULL, '„Cudzysłów”', NULL), "
                          "(5, NULL, 'Ćma', 'Żory'), (6, NULL, 'cebula', 'Zabrze'), "
                          "(7, NULL, 'ŁATKA', 'Łomża')"),
                  QString());
        EXPECT_EQ(db.column("PRAGMA integrity_check"), QStringList{"ok"});
        EXPECT_EQ(db.column("SELECT count(*) FROM KONTRAHI"), QStringList{"7"});
        const QStringList polish = {"„Cudzysłów”", "Adam", "cebula", "Ćma", "Łata", "ŁATKA",
                                    "Żaba"};
        EXPECT_EQ(db.column("SELECT SKROT FROM KONTRAHI ORDER BY SKROT COLLATE POLISH"), polish);
        EXPECT_EQ(db.column("SELECT SKROT FROM KONTRAHI INDEXED BY Sinx "
                            "ORDER BY SKROT COLLATE POLISH_NOCASE"),
                  polish);
        EXPECT_EQ(db.column("SELECT MIEJSC FROM KONTRAHI WHERE MIEJSC IS NOT NULL "
                            "ORDER BY MIEJSC COLLATE POLISH_NOCASE, NR"),
                  (QStringList{"Ełk", "Łomża", "Łódź", "Łódź", "Zabrze", "Żory"}));
    }
    EXPECT_EQ(namesThroughTheEngine(),
              (QStringList{"„Cudzysłów”", "Adam", "cebula", "Ćma", "Łata", "ŁATKA", "Żaba"}));
    Cursor cursor(session, "TKontrah");
    cursor.setTableName(file);
    cursor.setIndexName(QStringLiteral("Sinx"));
    cursor.open();
    ASSERT_TRUE(cursor.findKey({QStringLiteral("łatka")}));
    EXPECT_EQ(cursor.field("NR").asInteger(), 7);
    EXPECT_EQ(cursor.field("MIEJSC").asString(), "Łomża");
}

TEST_F(SqliteExtension, TheReadmesShellLineLoadsIt)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        GTEST_SKIP() << "sqlite3 is not installed: the README's shell line was not tried";
    const RunResult result =
        run(shell, {"-cmd", ".load " + Extension, file,
                    "INSERT INTO KONTRAHI (NR, SKROT) VALUES (3, 'Źdźbło'), (4, '«Biuro»');"
                    "SELECT count(*) FROM KONTRAHI; PRAGMA integrity_check;"
                    "SELECT SKROT FROM KONTRAHI ORDER BY SKROT COLLATE POLISH;"});
    EXPECT_EQ(result.code, 0) << result.errors.toStdString();
    EXPECT_EQ(result.lines, (QStringList{"4", "ok", "«Biuro»", "Adam", "Źdźbło", "Żaba"}))
        << result.errors.toStdString();
    EXPECT_EQ(namesThroughTheEngine(), (QStringList{"«Biuro»", "Adam", "Źdźbło", "Żaba"}));
}

TEST_F(SqliteExtension, TheReadmesPythonLineLoadsIt)
{
    const QString python = pythonThatLoadsExtensions();
    if (python.isEmpty())
        GTEST_SKIP() << "no python3 whose sqlite3 module loads extensions: the README's Python "
                        "line was not tried";
    const QString script = QStringLiteral(
        "import sqlite3, sys\n"
        "conn = sqlite3.connect(sys.argv[1])\n"
        "conn.enable_load_extension(True); conn.load_extension(sys.argv[2])\n"
        "conn.execute(\"INSERT INTO KONTRAHI (NR, SKROT) VALUES (3, 'Ósemka'), (4, 'Ośka')\")\n"
        "conn.commit()\n"
        "for (value,) in conn.execute('PRAGMA integrity_check'): print(value)\n"
        "for (value,) in conn.execute('SELECT SKROT FROM KONTRAHI ORDER BY SKROT COLLATE "
        "POLISH_NOCASE'): print(value)\n");
    const RunResult result = run(python, {"-c", script, file, Extension});
    EXPECT_EQ(result.code, 0) << result.errors.toStdString();
    EXPECT_EQ(result.lines, (QStringList{"ok", "Adam", "Ośka", "Ósemka", "Żaba"}))
        << result.errors.toStdString();
    EXPECT_EQ(namesThroughTheEngine(), (QStringList{"Adam", "Ośka", "Ósemka", "Żaba"}));
}

} // namespace
