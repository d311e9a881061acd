#include "platform/sqlite_db.h"
#include "tests/cli/cli_program.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <csignal>
#include <sys/resource.h>

class TableTextCommands : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019", "--demo"}).code, 0);
    }
    QString read(const QString &name)
    {
        QFile file(at(name));
        if (!file.open(QIODevice::ReadOnly))
            return "(brak pliku)";
        QStringDecoder decoder("windows-1250");
        return decoder.decode(file.readAll());
    }
    QString catalogue() { return run({"dump", "FIN/KONTRAHI"}).out; }
    void sql(const QString &statement)
    {
        Connection connection(at("2019/FIN/KONTRAHI.DB"), Connection::Mode::ReadWrite);
        connection.exec(statement);
    }
};

TEST_F(TableTextCommands, ExportAndImportPrintWhatTheyWroteAndTheCatalogueComesBackWhole)
{
    const QString before = catalogue();
    CliResult exported = run({"export", "KONTRAHI", "import.txt"});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, "Wyeksportowano wierszy: 6\n");
    EXPECT_EQ(exported.err, "");
    EXPECT_TRUE(read("import.txt").startsWith("NR\tNIP\tSKROT\tNAZWA1\t"));

    sql("DELETE FROM KONTRAHI WHERE NR > 2");
    sql("UPDATE KONTRAHI SET SKROT = 'ZMIENIONY'");
    const CliResult imported = run({"import", "KONTRAHI", "import.txt"});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, "Zaktualizowano wierszy: 2\nDodano wierszy: 4\n");
    EXPECT_EQ(catalogue(), before);
    EXPECT_FALSE(QFile::exists(at("import.txt")));
    EXPECT_TRUE(QFile::exists(at("zimport.txt")));

    exported = run({"export", "kontrahi.db", "wybrane.txt", "--kolumny", "NR=Numer,skrot"});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    EXPECT_TRUE(read("wybrane.txt").startsWith("Numer\tSKROT\t\r\n1\tHURTOWNIA ŁAD\t\r\n"));
}

TEST_F(TableTextCommands, EveryTableOfTheDataModuleCanBeNamed)
{
    const CliResult sums = run({"export", "SUMA", "suma.txt"});
    ASSERT_EQ(sums.code, 0) << sums.err.toStdString();
    EXPECT_EQ(sums.out, "Wyeksportowano wierszy: 24\n");
    EXPECT_EQ(run({"export", "KSIEGA/SUMA", "suma2.txt"}).out, sums.out);
    EXPECT_EQ(read("suma2.txt"), read("suma.txt"));

    EXPECT_EQ(run({"export", "KSIEGA", "ksiega.txt"}).out, "Wyeksportowano wierszy: 45\n")
        << "the demo ledger's January to May, not the parameter table of the same name";
    EXPECT_EQ(run({"export", "TPARA", "parametry.txt"}).out, "Wyeksportowano wierszy: 1\n");

    const CliResult unknown = run({"export", "KOLORY", "k.txt"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(unknown.err.contains("[błąd] Brak otwartej tabeli KOLORY.\nTabele: KSIEGA, SUMA, TPARA, "
                                     "FIRMA, TOSOBA, USER, OPISZG, KONTRAHI, KONTRAHO, RD, NAGFAKS, "
                                     "POZFAKS, AUTO/SUMA, AUTO, ST/SUMA, DPIT5, STALE"))
        << "the demo's companion tables are open too"
        << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(at("k.txt")));
}

TEST_F(TableTextCommands, RefusedImportsChangeNothingAndWrongWordsAreUsageErrors)
{
    const QString before = catalogue();
    QFile file(at("import.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SKROT\tMIEJSC\t\r\nNOWY\tOpole\t\r\n");
    file.close();
    const CliResult noKey = run({"import", "KONTRAHI", "import.txt"});
    EXPECT_EQ(noKey.code, 1);
    EXPECT_EQ(noKey.out, "");
    EXPECT_TRUE(noKey.err.contains("brak kolumny pola klucza: NR")) << noKey.err.toStdString();
    EXPECT_EQ(catalogue(), before);
    EXPECT_TRUE(QFile::exists(at("import.txt")));

    for (const QStringList &words :
         {QStringList{"export", "KONTRAHI"}, QStringList{"import"}, QStringList{"import", "KONTRAHI"},
          QStringList{"export", "KONTRAHI", "a.txt", "--kolumny", "NR,KOLOR"},
          QStringList{"export", "KONTRAHI", "a.txt", "--kolumny"}}) {
        const CliResult result = run(words);
        EXPECT_EQ(result.code, 2) << words.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("Użycie: ksiega-cli " + words[0])) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(at("a.txt")));

    const CliResult help = run({"import", "--help"});
    EXPECT_TRUE(help.out.contains("TABELA PLIK")) << help.out.toStdString();
}

TEST_F(TableTextCommands, AWriteThatFailsEndsTheCommandWithItsMessageAndNoResult)
{
    const CliResult full = run({"export", "KONTRAHI", "/dev/full"});
    EXPECT_EQ(full.code, 1);
    EXPECT_EQ(full.out, "");
    EXPECT_TRUE(full.err.contains("[błąd] Błąd zapisu pliku : /dev/full")) << full.err.toStdString();

    // An import into a table file that cannot grow: the disk is full for it.
    QFile file(at("import.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NR\tNAZWA1\t\r\n");
    for (int i = 100; i < 400; ++i)
        file.write(QStringLiteral("%1\tKontrahent z dość długą nazwą numer %1\t\r\n").arg(i).toLatin1());
    file.close();
    const QString before = catalogue();
    const qint64 size = QFileInfo(at("2019/FIN/KONTRAHI.DB")).size();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KSIEGA_TODAY", "2019.05.10");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.path());
    process.setChildProcessModifier([size] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(size);
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(KSIEGA_CLI_PATH, {"import", "KONTRAHI", "import.txt"});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 1) << err.toStdString();
    EXPECT_EQ(process.readAllStandardOutput(), "");
    EXPECT_TRUE(err.contains("[błąd] Błąd zapisu")) << err.toStdString();
    EXPECT_TRUE(err.contains("Nie zaimportowano żadnego wiersza z pliku import.txt.")) << err.toStdString();
    EXPECT_EQ(catalogue(), before);
    EXPECT_TRUE(QFile::exists(at("import.txt")));
    EXPECT_FALSE(QFile::exists(at("zimport.txt")));
}
