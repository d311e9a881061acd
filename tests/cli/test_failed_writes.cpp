// Every command that writes, run where the disk takes no more: it ends with its Polish
// message and exit code 1, prints nothing that looks like a result and leaves the tables as
// they were.

#include "cli_program.h"

#include <QFile>

class FailedWrites : public CliProgramTest {
protected:
    void SetUp() override
    {
        CliProgramTest::SetUp();
        ASSERT_EQ(run({"init", "--demo", "--rok", "2019", "--operator", "Nowak Anna"}).code, 0);
    }

    QString dumps(const QStringList &tables)
    {
        QString all;
        for (const QString &table : tables) {
            const CliResult dump = run({"dump", table});
            EXPECT_EQ(dump.code, 0) << table.toStdString() << dump.err.toStdString();
            all += dump.out;
        }
        return all;
    }

    // The command fails on a full disk, the tables read back as before and every one of
    // them passes the integrity check.
    void expectRefused(const QStringList &args, const QStringList &tables, qint64 bytes = 0,
                       const QByteArray &input = QByteArray())
    {
        const QString before = dumps(tables);
        const CliResult result = runOnFullDisk(args, bytes, input);
        const std::string command = args.join(' ').toStdString();
        EXPECT_EQ(result.code, 1) << command << '\n' << result.err.toStdString();
        EXPECT_EQ(result.out, "") << command;
        EXPECT_TRUE(result.err.contains("[błąd]")) << command << '\n' << result.err.toStdString();
        EXPECT_EQ(dumps(tables), before) << command;
        const CliResult check = run({"check"});
        EXPECT_EQ(check.code, 0) << command << '\n' << check.out.toStdString();
    }
};

const QStringList Ledger = {"KSIEGA/KSIEGA", "KSIEGA/SUMA"};

// The demo year on 2019.05.10: January to April posted, May (entries 37 to 45) open.
TEST_F(FailedWrites, EntryCommands)
{
    expectRefused({"entry", "add", "K7=100", "NRKSIEG=FV/1"}, Ledger);
    expectRefused({"entry", "edit", "39", "K7=123,45"}, Ledger);
    expectRefused({"entry", "copy", "3"}, Ledger);
    expectRefused({"--answers", "tak", "entry", "delete", "42"}, Ledger);
    ASSERT_EQ(run({"entry", "edit", "44", "DATA=2019.05.01"}).code, 0);
    expectRefused({"renumber"}, Ledger);
    EXPECT_EQ(run({"renumber"}).out, "8\n") << "with room on the disk the same walk works";
}

TEST_F(FailedWrites, PostingCommands)
{
    expectRefused({"--answers", "tak", "post", "05"}, Ledger);
    ASSERT_EQ(run({"--answers", "tak", "post", "05"}).code, 0);
    expectRefused({"unpost", "05"}, Ledger);
    expectRefused({"post-current"}, Ledger);
    expectRefused({"--answers", "tak,tak", "delete-all"}, Ledger);
}

TEST_F(FailedWrites, ContractorCommands)
{
    const QStringList catalogue = {"FIN/KONTRAHI", "FIN/KONTRAHo"};
    expectRefused({"contractor", "add", "NAZWA1=Hurtownia Nowa"}, catalogue);
    expectRefused({"contractor", "edit", "1", "SKROT=Inny"}, catalogue);
    expectRefused({"contractor", "note", "1", "OPIS=Dzwonić rano"}, catalogue);
    expectRefused({"contractor", "renumber", "1", "77"}, catalogue);
    const CliResult added = run({"contractor", "add", "NAZWA1=Hurtownia Nowa"});
    ASSERT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_FALSE(added.out.isEmpty()) << "the number is printed once the contractor is saved";
}

TEST_F(FailedWrites, FirmAndUserCommands)
{
    const QStringList firm = {"FIRMA", "KSIEGA", "KSIEGA/USER"};
    expectRefused({"firm", "set", "SKROT=Nowa"}, firm);
    expectRefused({"user", "add", "Kowalski Jan"}, firm);
}

// The demo's owner is taxpayer 1 with the declaration of April, number 1.
TEST_F(FailedWrites, TaxpayerAndDeclarationCommands)
{
    const QString number = "1";
    const QStringList pit5 = {"FIRMA", "DRUKI/DPIT5", "PLACE/STALE"};
    expectRefused({"taxpayer", "add", "NAZWISKO=Nowak"}, pit5);
    expectRefused({"taxpayer", "edit", "1", "IMIE=Janusz"}, pit5);
    expectRefused({"constants", "set", "15", "WARTOSC=530,08"}, pit5);
    expectRefused({"pit5", "new", "--podatnik", "1"}, pit5);
    expectRefused({"pit5", "set", number, "K71=50000"}, pit5);
    expectRefused({"pit5", "copy", number}, pit5);
    expectRefused({"--answers", "ok", "pit5", "import", number}, pit5);

    // Not the disk this time: the number is another taxpayer's, and the file says no.
    const QString before = dumps(pit5);
    const CliResult taken = run({"taxpayer", "add", "NR=1", "NAZWISKO=Nowak"});
    EXPECT_EQ(taken.code, 1) << taken.err.toStdString();
    EXPECT_EQ(taken.out, "");
    EXPECT_TRUE(taken.err.contains("[błąd] Błąd zapisu")) << taken.err.toStdString();
    EXPECT_EQ(dumps(pit5), before);
}

TEST_F(FailedWrites, TablesExportedAndImportedAsText)
{
    expectRefused({"export", "KSIEGA", "ksiega.txt"}, Ledger);
    ASSERT_EQ(run({"export", "KONTRAHI", "kontrahenci.txt"}).code, 0);
    ASSERT_EQ(run({"contractor", "edit", "1", "SKROT=Zmieniony"}).code, 0);
    expectRefused({"import", "KONTRAHI", "kontrahenci.txt"}, {"FIN/KONTRAHI"});
}

TEST_F(FailedWrites, CompanionImports)
{
    // Room in the journal for two pages of the ledger: the walk fails halfway, after it
    // has written entries that must not stay.
    const qint64 twoPages = 3 * 4096;
    for (const char *kind : {"sales", "purchases", "vehicles", "depreciation"}) {
        expectRefused({"--miesiac", "05", "--answers", "ok", "import", kind}, Ledger);
        expectRefused({"--miesiac", "05", "--answers", "ok", "import", kind}, Ledger, twoPages);
    }
    ASSERT_EQ(run({"params", "set", "L3=1"}).code, 0);
    expectRefused({"--miesiac", "05", "--answers", "ok,tak", "import", "sales"}, Ledger, twoPages);
}

// A text print that fills the disk halfway has written part of its lines: it says so.
TEST_F(FailedWrites, TextPrintsThatLoseLines)
{
    QByteArray lines;
    for (int i = 1; i <= 400; ++i)
        lines += "Wiersz wydruku numer " + QByteArray::number(i) + " z polskimi literami: żółć\n";
    for (const char *output : {"eksport", "bw"}) {
        const CliResult result = runOnFullDisk(
            {"text-print", "--wyjscie", output, "--plik", "wydruk.txt"}, 4000, lines);
        EXPECT_EQ(result.code, 1) << output << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("[błąd] Błąd zapisu wydruku : wydruk.txt\nWydruk jest "
                                        "niepełny."))
            << result.err.toStdString();
        EXPECT_EQ(result.out, "");
        EXPECT_LE(QFile(at("wydruk.txt")).size(), 4000);
    }
    const CliResult whole =
        run({"text-print", "--wyjscie", "eksport", "--plik", "wydruk.txt"}, "2019.05.10", lines);
    EXPECT_EQ(whole.code, 0) << whole.err.toStdString();
    EXPECT_GT(QFile(at("wydruk.txt")).size(), 4000);

    expectRefused({"summary", "--wydruk", "eksport", "--plik", "zestawienie.txt"}, Ledger);
}

TEST_F(FailedWrites, PdfPrintoutsTheDiskCannotTake)
{
    const QList<QStringList> printouts = {
        {"text-print", "--wyjscie", "pdf", "--plik", "wydruk.pdf"},
        {"summary", "--wydruk", "pdf", "--plik", "zestawienie.pdf"},
    };
    for (const QStringList &args : printouts) {
        const CliResult result = runOnFullDisk(args, 0, "Wiersz wydruku\n");
        EXPECT_EQ(result.code, 1) << args.join(' ').toStdString() << result.err.toStdString();
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.contains("[błąd]")) << result.err.toStdString();
    }
}

// The sums file is held by another program while the ledger is free: the ledger, emptied
// first, is not emptied alone.
TEST_F(FailedWrites, DeleteAllWithTheSumsHeldElsewhereKeepsEveryEntry)
{
    const QString before = dumps(Ledger);
    QProcess holder;
    holder.start("sqlite3", {at("2019/KSIEGA/SUMA.DB")});
    ASSERT_TRUE(holder.waitForStarted());
    holder.write("BEGIN IMMEDIATE;\n.print trzymam\n");
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_TRUE(holder.readAll().contains("trzymam"));
    const CliResult result = run({"--answers", "tak,tak", "delete-all"});
    holder.write("ROLLBACK;\n.quit\n");
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_EQ(result.code, 1) << result.err.toStdString();
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(dumps(Ledger), before);
}
