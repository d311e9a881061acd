#include "archive_fixture.h"

#include "maintenance/archive.h"
#include "maintenance/table_check.h"

#include <QProcess>
#include <QThread>

using Archive = ArchiveTest;

TEST_F(Archive, TakesOnlyTheTablesOfTheRootBazaAndTheKnownYearsAndDatesTheArchive)
{
    addEntries("2019", 1, 3);
    writeFile("2019/KSIEGA/KSIEGA.X01");
    writeFile("2019/KSIEGA/NOTATKI.TXT");
    plainTable("2019/LUZEM.DB");
    plainTable("BAZA/WSPOLNE/KURSY.DB");
    plainTable("BAZA/GLEBIEJ/NIZEJ/UKRYTA.DB");
    ASSERT_TRUE(QDir(at("2019/PUSTY")).mkpath("."));
    ASSERT_TRUE(QDir(at("2019/TYLKOSTR")).mkpath("."));
    writeFile("2019/TYLKOSTR/OPIS.STR");
    TDANE &d = start();
    d.TKSIEGA.first(); // the program has its tables open while it archives
    const QStringList working = filesUnder("2019/KSIEGA");

    const ArchiveOutcome outcome = Archiwizuj(d, DefaultArchiveLocation(environment), progress, prompter);
    ASSERT_TRUE(outcome.done) << messageTexts().join('\n').toStdString();
    const QStringList archived = filesUnder("ARCHIWUM");
    EXPECT_EQ(outcome.copied, archived.size());
    EXPECT_TRUE(archived.contains("FIRMA.DB"));
    EXPECT_TRUE(archived.contains("KSIEGA.DB"));
    EXPECT_TRUE(archived.contains("BAZA/WSPOLNE/KURSY.DB"));
    EXPECT_TRUE(archived.contains("2019/KSIEGA/KSIEGA.DB"));
    EXPECT_TRUE(archived.contains("2019/FIN/KONTRAHI.DB"));
    for (const QString &file : archived) {
        EXPECT_TRUE(file.endsWith(".DB")) << file.toStdString();
        EXPECT_FALSE(file.contains("LUZEM") || file.contains("UKRYTA")) << file.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(at("ARCHIWUM/2019/PUSTY")));
    EXPECT_FALSE(QFileInfo::exists(at("ARCHIWUM/2019/TYLKOSTR")));
    EXPECT_EQ(entryNumbers(at("ARCHIWUM/2019/KSIEGA/KSIEGA.DB")), QStringList({"1", "2", "3"}));
    EXPECT_EQ(filesUnder("2019/KSIEGA"), working) << "the working side files were touched";

    d.TFIRMA.first();
    EXPECT_EQ(d.TFIRMA.field("ARCHDATA").asString(), "2019.05.10");
    Connection firm(at("FIRMA.DB"), Connection::Mode::ReadOnly);
    Statement date(firm.handle(), "SELECT ARCHDATA FROM FIRMA WHERE NR IS NULL");
    ASSERT_TRUE(date.step());
    EXPECT_EQ(date.column(0).toString(), "2019.05.10");
}

TEST_F(Archive, RestoreBringsBackTheArchivedRowsOfKnownYearsAndStartsAgain)
{
    addEntries("2019", 1, 3);
    TDANE &d = start();
    ASSERT_TRUE(Archiwizuj(d, at("kopia"), progress, prompter).done);
    ASSERT_TRUE(QDir(at("kopia/2017/KSIEGA")).mkpath("."));
    ASSERT_TRUE(QFile::copy(at("kopia/2019/KSIEGA/KSIEGA.DB"), at("kopia/2017/KSIEGA/KSIEGA.DB")));
    addEntries("2019", 4, 2);
    d.TKSIEGA.refresh();
    ASSERT_EQ(d.TKSIEGA.recordCount(), 5);
    const QStringList opened = environment.openedTables;

    prompter.clear();
    prompter.enqueue(Answer::Yes);
    const ArchiveOutcome outcome = Odtwarzaj(d, at("kopia"), progress, prompter);
    ASSERT_TRUE(outcome.done) << messageTexts().join('\n').toStdString();
    EXPECT_TRUE(outcome.reopened);
    EXPECT_EQ(prompter.messages().first().text,
              "Uwaga odtworzenie spowoduje utratę wszystkich zapisów od daty ostatniego "
              "archiwowania.\rCzy odtwarzać zbiory ?");
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Warning);
    EXPECT_EQ(entryNumbers(at("2019/KSIEGA/KSIEGA.DB")), QStringList({"1", "2", "3"}));
    EXPECT_FALSE(QFileInfo::exists(at("2017"))) << "a year the program does not know was restored";
    ASSERT_TRUE(d.TKSIEGA.isOpen());
    EXPECT_EQ(d.TKSIEGA.recordCount(), 3);
    // The firm table is named from the data root the first start settled.
    EXPECT_EQ(environment.openedTables.mid(1), opened.mid(1));
    EXPECT_TRUE(environment.openedTables.first().endsWith("FIRMA"));
    EXPECT_EQ(CheckTable(at("2019/KSIEGA/KSIEGA.DB")).state, TableHealth::State::Ok);
}

TEST_F(Archive, RestoreAnsweredNoOrWithoutAnArchiveChangesNothing)
{
    addEntries("2019", 1, 2);
    TDANE &d = start();
    ASSERT_TRUE(Archiwizuj(d, at("kopia"), progress, prompter).done);
    addEntries("2019", 3, 1);

    prompter.enqueue(Answer::No);
    EXPECT_FALSE(Odtwarzaj(d, at("kopia"), progress, prompter).reopened);
    prompter.enqueue(Answer::Yes);
    const ArchiveOutcome missing = Odtwarzaj(d, at("brak"), progress, prompter);
    EXPECT_FALSE(missing.done);
    EXPECT_FALSE(missing.reopened);
    EXPECT_EQ(messageTexts().last(), "Brak katalogu archiwum " + at("brak/"));
    EXPECT_EQ(entryNumbers(at("2019/KSIEGA/KSIEGA.DB")), QStringList({"1", "2", "3"}));
    EXPECT_TRUE(d.TKSIEGA.isOpen());
}

TEST_F(Archive, AnArchiveThatCannotBeMadeIsReportedAndLeavesTheDateAsItWas)
{
    writeFile("plik");
    TDANE &d = start();
    const ArchiveOutcome outcome = Archiwizuj(d, at("plik/ARCHIWUM"), progress, prompter);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(messageTexts().last(), "Nie można utworzyć katalogu archiwum " + at("plik/ARCHIWUM/"));
    d.TFIRMA.first();
    EXPECT_EQ(d.TFIRMA.field("ARCHDATA").asString(), "");
}

// Another program holding the ledger keeps it from being restored; every other table is still
// restored, the ledger is named and left as it was.
TEST_F(Archive, ATableAnotherProgramHoldsIsNamedAndTheOthersAreRestored)
{
    addEntries("2019", 1, 2);
    TDANE &d = start();
    ASSERT_TRUE(Archiwizuj(d, at("kopia"), progress, prompter).done);
    addEntries("2019", 3, 1);
    Connection contractors(at("2019/FIN/KONTRAHI.DB"), Connection::Mode::ReadWrite);
    contractors.exec("INSERT INTO KONTRAHI (NR, SKROT) VALUES (77, 'NOWY')");

    QProcess holder;
    holder.start("flock", {"--shared", "--nonblock", at("2019/KSIEGA/KSIEGA.LCK"), "sleep", "60"});
    ASSERT_TRUE(holder.waitForStarted());
    QThread::msleep(300);
    ASSERT_EQ(holder.state(), QProcess::Running) << "the other program did not get its lock";
    prompter.enqueue(Answer::Yes);
    const ArchiveOutcome outcome = Odtwarzaj(d, at("kopia"), progress, prompter);
    holder.kill();
    holder.waitForFinished();

    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failed, QStringList({"2019/KSIEGA/KSIEGA.DB"}));
    EXPECT_GT(outcome.copied, 5);
    EXPECT_EQ(messageTexts().last(), "Nie odtworzono tabel:\r2019/KSIEGA/KSIEGA.DB – Tabela KSIEGA "
                                     "jest używana przez inny program. Spróbuj ponownie za chwilę.");
    EXPECT_EQ(entryNumbers(at("2019/KSIEGA/KSIEGA.DB")), QStringList({"1", "2", "3"}));
    Statement count(contractors.handle(), "SELECT count(*) FROM KONTRAHI WHERE NR = 77");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.columnInt64(0), 0);
}
