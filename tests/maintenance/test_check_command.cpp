#include "platform/sqlite_db.h"
#include "tests/cli/cli_program.h"

#include <QDir>
#include <QFile>

class CheckCommand : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--rok", "2019", "--demo"}).code, 0);
    }

    // Overwrites the first page of an index of the ledger with zeros, the way a torn write
    // or a bad sector leaves a table.
    void zeroLedgerIndexPage()
    {
        qint64 page = 0;
        qint64 pageSize = 0;
        {
            Connection connection(at("2019/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadOnly);
            Statement root(connection.handle(),
                           "SELECT rootpage FROM sqlite_master WHERE type = 'index' "
                           "AND tbl_name = 'KSIEGA' ORDER BY name LIMIT 1");
            ASSERT_TRUE(root.step());
            page = root.columnInt64(0);
            Statement size(connection.handle(), "PRAGMA page_size");
            ASSERT_TRUE(size.step());
            pageSize = size.columnInt64(0);
        }
        QFile file(at("2019/KSIEGA/KSIEGA.DB"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek((page - 1) * pageSize));
        file.write(QByteArray(int(pageSize), '\0'));
    }
};

TEST_F(CheckCommand, EveryTableOfTheRootAndTheYearIsOkAndNothingElseIsListed)
{
    QFile other(at("2019/KSIEGA/NOTATKI.TXT"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("nie tabela");
    other.close();
    ASSERT_TRUE(QDir(at("2018/KSIEGA")).mkpath("."));
    QFile::copy(at("2019/KSIEGA/KSIEGA.DB"), at("2018/KSIEGA/KSIEGA.DB"));

    const CliResult result = run({"--rok", "2019", "check"});
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("FIRMA.DB: ok")) << result.out.toStdString();
    EXPECT_TRUE(lines.contains("KSIEGA.DB: ok"));
    EXPECT_TRUE(lines.contains("2019/KSIEGA/KSIEGA.DB: ok"));
    EXPECT_TRUE(lines.contains("2019/FIN/KONTRAHI.DB: ok"));
    EXPECT_TRUE(lines.contains("2019/PLACE/STALE.DB: ok"));
    for (const QString &line : lines) {
        EXPECT_TRUE(line.endsWith(".DB: ok")) << line.toStdString();
        EXPECT_FALSE(line.startsWith("2018/")) << line.toStdString();
    }
}

TEST_F(CheckCommand, ADamagedTableIsNamedWithSqlitesProblemsAndTheCheckFails)
{
    zeroLedgerIndexPage();
    QFile garbage(at("2019/FIN/KONTRAHO.DB"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();

    const CliResult result = run({"--rok", "2019", "check"});
    EXPECT_EQ(result.code, 1);
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("2019/KSIEGA/SUMA.DB: ok")) << result.out.toStdString();
    EXPECT_TRUE(lines.contains("2019/FIN/KONTRAHO.DB: Plik tabeli jest uszkodzony lub nie jest "
                               "tabelą."))
        << result.out.toStdString();
    const QStringList ledger = lines.filter("2019/KSIEGA/KSIEGA.DB: ");
    ASSERT_EQ(ledger.size(), 1);
    EXPECT_NE(ledger.first(), "2019/KSIEGA/KSIEGA.DB: ok");
    EXPECT_TRUE(result.err.contains(
        "[błąd] Uszkodzone tabele: 2019/FIN/KONTRAHO.DB, 2019/KSIEGA/KSIEGA.DB"))
        << result.err.toStdString();
}

TEST_F(CheckCommand, ATableAnotherProcessHoldsIsReportedInUseNotDamaged)
{
    ASSERT_TRUE(QDir(at("2019/INNE")).mkpath("."));
    Connection other(at("2019/INNE/OBCA.DB"), Connection::Mode::Create);
    other.exec("CREATE TABLE OBCA (NR INTEGER)");
    other.exec("BEGIN EXCLUSIVE");
    other.exec("INSERT INTO OBCA VALUES (1)");

    const CliResult result = run({"--rok", "2019", "check"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.out.contains("2019/INNE/OBCA.DB: Tabela OBCA jest używana przez inny program. "
                                    "Spróbuj ponownie za chwilę.\n"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("2019/KSIEGA/KSIEGA.DB: ok\n"));
    EXPECT_FALSE(result.err.contains("Uszkodzone")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(
        "[błąd] Nie sprawdzono tabel używanych przez inny program: 2019/INNE/OBCA.DB"));
}
