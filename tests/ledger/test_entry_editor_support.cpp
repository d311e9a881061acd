#include "ledger/companion_programs.h"
#include "ledger/entry_contractor.h"
#include "ledger/entry_editor_support.h"
#include "ledger/entry_operations.h"
#include "platform/shell.h"
#include "tests/ledger/ledger_fixture.h"

#include <QSet>

TEST(DateArrows, StepAcrossMonthAndYearEndsByTheDatesOwnYear)
{
    EXPECT_EQ(SteppedDate("2019.01.01", false), "2018.12.31");
    EXPECT_EQ(SteppedDate("2019.12.31", true), "2020.01.01");
    EXPECT_EQ(SteppedDate("2020.02.28", true), "2020.02.29");
    EXPECT_EQ(SteppedDate("2019.02.28", true), "2019.03.01");
    EXPECT_EQ(SteppedDate("2019.03.01", false), "2019.02.28");
    EXPECT_EQ(SteppedDate("2019.05.10", true), "2019.05.11");
    EXPECT_EQ(SteppedDate("2019.xx.10", true), std::nullopt);
    EXPECT_EQ(SteppedDate("", false), std::nullopt);
    EXPECT_EQ(SteppedDate("2019.13.01", true), std::nullopt) << "no thirteenth month to step in";
    EXPECT_EQ(SteppedDate("0000.03.01", false), "0000.02.28") << "a year 0000 still has days";
    EXPECT_EQ(SteppedDate("0001.01.01", false), "0000.12.31");
}

class EntryEditorSupport : public LedgerTest {
protected:
    void contractor(int number, const char *nip, const char *name)
    {
        Cursor &contractors = dane->TKontrah;
        contractors.append();
        contractors.field("NR").setInteger(number);
        contractors.field("NIP").setAsString(nip);
        contractors.field("NAZWA1").setAsString(QString::fromUtf8(name));
        contractors.field("NAZWA2").setAsString("oddział");
        contractors.field("KOD").setAsString("00-950");
        contractors.field("MIEJSC").setAsString("WARSZAWA");
        contractors.field("UL").setAsString("Żelazna 12");
        contractors.post();
    }
    QString field(const char *name) { return dane->TKSIEGA.field(name).asString(); }
};

TEST_F(EntryEditorSupport, LookUpByNumberOrNipFillsTheContractorAndMissesChangeNothing)
{
    TDANE &d = ready();
    contractor(12, "526-000-12-46", "Hurtownia Ład");
    contractor(3, "677-000-21-37", "Kwiaciarnia Róża");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("NAZ1").setAsString("wpisane ręcznie");
    EXPECT_FALSE(LookUpEntryContractor(d, ContractorKey::Number, "99"));
    EXPECT_FALSE(LookUpEntryContractor(d, ContractorKey::Number, "   "));
    EXPECT_FALSE(LookUpEntryContractor(d, ContractorKey::Number, "12a"));
    EXPECT_FALSE(LookUpEntryContractor(d, ContractorKey::Nip, "111-111-11-11"));
    EXPECT_EQ(field("NAZ1"), "wpisane ręcznie");
    EXPECT_EQ(field("NRK"), "");

    EXPECT_TRUE(LookUpEntryContractor(d, ContractorKey::Number, "12"));
    EXPECT_EQ(field("NRK"), "12");
    EXPECT_EQ(field("NAZ1"), "Hurtownia Ład");
    EXPECT_EQ(field("NAZ2"), "oddział");
    EXPECT_EQ(field("KOD"), "00-950");
    EXPECT_EQ(field("MIEJSC"), "WARSZAWA");
    EXPECT_EQ(field("UL"), "Żelazna 12");
    EXPECT_EQ(field("NIP"), "526-000-12-46");

    EXPECT_TRUE(LookUpEntryContractor(d, ContractorKey::Nip, "677-000-21-37"));
    EXPECT_EQ(field("NRK"), "3");
    EXPECT_EQ(field("NAZ1"), "Kwiaciarnia Róża");
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(EntryEditorSupport, SavingIntoTheCatalogueNumbersNewContractorsAndOverwritesKnownOnes)
{
    TDANE &d = ready();
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("NAZ1").setAsString("Nowy Klient");
    d.TKSIEGA.field("MIEJSC").setAsString("ŁÓDŹ");
    ASSERT_TRUE(SaveEntryContractor(d));
    EXPECT_EQ(field("NRK"), "1") << "an empty catalogue starts at 00001";
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Browse) << "the entry was saved with its number";
    Cursor &contractors = d.TKontrah;
    EXPECT_EQ(contractors.recordCount(), 1);
    EXPECT_EQ(contractors.field("NAZWA1").asString(), "Nowy Klient");
    EXPECT_EQ(contractors.field("MIEJSC").asString(), "ŁÓDŹ");
    EXPECT_EQ(contractors.field("SKROT").asString(), "Nowy Klient");

    contractor(41, "", "Stary");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("NAZ1").setAsString("Drugi");
    ASSERT_TRUE(SaveEntryContractor(d));
    EXPECT_EQ(field("NRK"), "42");

    ASSERT_TRUE(EditEntry(d));
    d.TKSIEGA.field("NRK").setAsString("41");
    d.TKSIEGA.field("NAZ1").setAsString("Stary po zmianie");
    d.TKSIEGA.field("UL").setAsString("Nowa 1");
    ASSERT_TRUE(SaveEntryContractor(d));
    EXPECT_EQ(contractors.recordCount(), 3) << "no new contractor for a known number";
    ASSERT_TRUE(contractors.findKey({41}));
    EXPECT_EQ(contractors.field("NAZWA1").asString(), "Stary po zmianie");
    EXPECT_EQ(contractors.field("UL").asString(), "Nowa 1");
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Edit) << "the entry's number did not change";
}

TEST_F(EntryEditorSupport, AFailedSaveIntoTheCatalogueLeavesNoEmptyContractor)
{
    TDANE &d = ready();
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("NAZ1").setAsString("Nowy Klient");
    d.TKontrah.setBeforePost([](Cursor &) { throw DbError(QStringLiteral("odmowa zapisu")); });
    EXPECT_FALSE(SaveEntryContractor(d));
    EXPECT_EQ(prompter.messages().last().text, "Błąd zapisu");
    d.TKontrah.refresh();
    EXPECT_EQ(d.TKontrah.recordCount(), 0);
    EXPECT_EQ(field("NRK"), "") << "the entry names no contractor that was never saved";
}

TEST_F(EntryEditorSupport, DateArrowsEditTheEntryAndDescriptionsComeInTableOrder)
{
    TDANE &d = ready();
    entry(1, "05", "2019.05.31");
    SelectWorkingMonth(d, "05");
    EXPECT_TRUE(StepEntryDate(d, true));
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Edit);
    EXPECT_EQ(field("DATA"), "2019.06.01");
    d.TKSIEGA.field("DATA").setAsString("zła data");
    EXPECT_FALSE(StepEntryDate(d, false));
    EXPECT_EQ(field("DATA"), "zła data");
    d.TKSIEGA.cancel();

    Cursor &descriptions = d.TOPISZG;
    const QStringList names = DescriptionNames(descriptions);
    ASSERT_FALSE(names.isEmpty());
    descriptions.append();
    descriptions.field("NAZWA").setAsString("Ąkuku");
    descriptions.post();
    EXPECT_EQ(DescriptionNames(descriptions), names + QStringList{"Ąkuku"});
    EXPECT_EQ(EntryMonthOpen(d), true);
}

// What would have been started or opened, with the files that exist.
class RecordingShell final : public Shell {
public:
    QSet<QString> existing;
    QStringList started;
    Outcome startProgram(const QString &path) override { return record(path); }
    Outcome openDocument(const QString &path) override { return record(path); }

private:
    Outcome record(const QString &path)
    {
        if (!existing.contains(path))
            return Outcome::Missing;
        started << path;
        return Outcome::Started;
    }
};

TEST(CompanionPrograms, MissingProgramsAreReportedWithTheirOwnMessage)
{
    RecordingShell shell;
    ScriptedPrompter prompter;
    EXPECT_FALSE(StartCompanionProgram(CompanionProgram::VatRegister, "/opt/zv", shell, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("Brak programu Ewidencji VAT.\r"));
    EXPECT_EQ(prompter.messages()[0].caption, "/opt/zv/ewidencja-vat");

    shell.existing = {"/opt/zv/zivedez-demo", "/opt/zv/srodki-trwale"};
    prompter.clear();
    EXPECT_TRUE(StartCompanionProgram(CompanionProgram::Zivedez, "/opt/zv", shell, prompter));
    EXPECT_TRUE(StartCompanionProgram(CompanionProgram::FixedAssets, "/opt/zv", shell, prompter));
    EXPECT_EQ(shell.started, QStringList({"/opt/zv/zivedez-demo", "/opt/zv/srodki-trwale"}));
    EXPECT_TRUE(prompter.messages().isEmpty()) << "the second executable stands in silently";

    shell.existing.clear();
    EXPECT_FALSE(StartCompanionProgram(CompanionProgram::Zivedez, "/opt/zv", shell, prompter));
    EXPECT_FALSE(StartCompanionProgram(CompanionProgram::Transfers, "/opt/zv", shell, prompter));
    EXPECT_FALSE(StartCompanionProgram(CompanionProgram::VehicleLog, "/opt/zv", shell, prompter));
    EXPECT_FALSE(StartCompanionProgram(CompanionProgram::FixedAssets, "/opt/zv", shell, prompter));
    QStringList first;
    for (const RecordedMessage &message : prompter.messages())
        first << message.text.section('\r', 0, 0);
    EXPECT_EQ(first, QStringList({"Brak programu do Zivedez.", "Brak programu Przelewy.",
                                  "Brak programu EWIDENCJI PRZEBIEGU POJAZDU.",
                                  "Brak programu EWIDENCJI ŚRODKÓW TRWAŁYCH i WYPOSAŻENIA."}));
    EXPECT_EQ(prompter.messages()[0].caption, "/opt/zv/zivedez");

    prompter.clear();
    shell.existing = {"/opt/zv/pomoc/ksiega/index.htm"};
    EXPECT_TRUE(OpenDocument("/opt/zv", HelpDocument, shell, prompter));
    EXPECT_FALSE(OpenDocument("/opt/zv", RegulationDocument, shell, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text,
              "Nie można otworzyć dokumentu : /opt/zv/pomoc/rozp_13_02_07__opublikowane_pd.pdf");
}
