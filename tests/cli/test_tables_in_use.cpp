// Commands meet a ledger another process holds, or one this user may not write: they say
// so, fail, print nothing that looks like a result and leave every table whole.

#include "cli_program.h"
#include "tests/support/held_table.h"

#include <QFile>

class TablesInUse : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
        ASSERT_EQ(run({"init", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
        ASSERT_EQ(run({"entry", "add", "K7=10", "NAZ1=Kowalski Jan"}).out, "1\n");
    }
    void TearDown() override { qunsetenv("KSIEGA_BUSY_TIMEOUT_MS"); }

    int ledgerRows()
    {
        const CliResult dump = run({"dump", "KSIEGA/KSIEGA"});
        EXPECT_EQ(dump.code, 0) << dump.err.toStdString();
        return int(dump.out.count('\n')) - 1;
    }

    // The program's own check of every table of the data root and the working year.
    void expectEveryTableWhole()
    {
        const CliResult check = run({"check"});
        EXPECT_EQ(check.code, 0) << check.out.toStdString() << check.err.toStdString();
    }

    QString inUse() const
    {
        return "[błąd] Tabela KSIEGA jest używana przez inny program. Spróbuj ponownie za chwilę.";
    }
};

TEST_F(TablesInUse, ACommandOnAHeldLedgerSaysItIsInUseAndChangesNothing)
{
    HeldTable holder(at("2019/KSIEGA/KSIEGA.DB"), HeldTable::Lock::Exclusive);
    ASSERT_TRUE(holder.held());
    for (const QStringList &command : {QStringList{"entry", "add", "NRKSIEG=7", "K7=1"},
                                       QStringList{"renumber"}, QStringList{"status"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliResult result = run(command);
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.contains(inUse())) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains("Naprawa indeksów")) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains("ARCHIWUM")) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains("nie ma pola")) << result.err.toStdString();
    }
    holder.release();
    EXPECT_EQ(ledgerRows(), 1);
    expectEveryTableWhole();
}

TEST_F(TablesInUse, ASaveIntoALedgerAnotherProgramWritesFailsAndSaysSo)
{
    HeldTable holder(at("2019/KSIEGA/KSIEGA.DB"), HeldTable::Lock::Write);
    ASSERT_TRUE(holder.held());
    for (const QStringList &command :
         {QStringList{"entry", "add", "K7=2"}, QStringList{"entry", "edit", "1", "K7=3"},
          QStringList{"--miesiac", "01", "entry", "add", "K7=2"}, QStringList{"renumber"}}) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const CliResult result = run(command);
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.out, "") << "no entry number for an entry that was not written";
        EXPECT_TRUE(result.err.contains(inUse())) << result.err.toStdString();
    }
    holder.release();
    EXPECT_EQ(ledgerRows(), 1);
    EXPECT_TRUE(run({"dump", "KSIEGA/KSIEGA"}).out.contains("\t10.00\t"));
    expectEveryTableWhole();
}

// The ledger file sits on a read-only mount, so neither its attributes nor the owner's
// rights can make it writable: the program offers to clear the attribute, says that did not
// work, keeps reading and refuses to write.
TEST_F(TablesInUse, ALedgerThisUserCannotWriteGetsTheReadOnlyHandling)
{
    const QString ledger = at("2019/KSIEGA/KSIEGA.DB");
    QFile file(ledger);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    launcher = {"unshare", "--map-root-user", "--mount", "sh", "-c",
                R"(mount --bind -o ro "$0" "$0" && exec "$@")", ledger};

    const CliResult add = run({"--answers", "t", "entry", "add", "K7=4"});
    EXPECT_EQ(add.code, 1);
    EXPECT_EQ(add.out, "");
    EXPECT_TRUE(add.err.contains("Uwaga baza: KSIEGA.DB\njest w trybie Tylko Do Odczytu"))
        << add.err.toStdString();
    EXPECT_TRUE(add.err.contains("Próba automatycznej zmiany atrybutu niepowiodła się."))
        << add.err.toStdString();

    const CliResult dump = run({"dump", "KSIEGA/KSIEGA"});
    EXPECT_EQ(dump.code, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out.count('\n'), 2) << "a read-only ledger is still read";

    launcher.clear();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    expectEveryTableWhole();
}
