#include "ledger/entry_editor_link.h"
#include "ledger/entry_operations.h"
#include "ledger/ledger_rules.h"
#include "ledger/month_view.h"
#include "tests/core/data_root_fixture.h"

class EntryRules : public DataRootTest {
protected:
    TDANE &ready(const char *day = "2019.05.10")
    {
        TDANE &d = start(day);
        SelectWorkingMonth(d, environment.workingMonth);
        return d;
    }

    // Writes an entry straight through the ledger cursor, as an import would.
    void entry(TDANE &d, const QString &month, int number, const QString &extra = QString(),
               const QString &value = QString())
    {
        d.TKSIEGA.append();
        d.TKSIEGA.field("MC").setAsString(month);
        d.TKSIEGA.field("LP").setInteger(number);
        if (!extra.isEmpty())
            d.TKSIEGA.field(extra).setAsString(value);
        d.TKSIEGA.post();
    }

    void post(const QString &months)
    {
        plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD IN (" + months + ")");
    }
};

TEST_F(EntryRules, NumberingIsOneAboveTheHighestInTheYear)
{
    TDANE &d = ready();
    EXPECT_EQ(NUMER(d), 1) << "an empty ledger starts at 1";
    entry(d, "05", 1);
    entry(d, "05", 2);
    entry(d, "02", 7);
    EXPECT_EQ(NUMER(d), 8);
    SelectWorkingMonth(d, "02");
    EXPECT_EQ(NUMER(d), 8) << "whichever month is shown";
    entry(d, "13", 5);
    entry(d, "01", 9);
    EXPECT_EQ(NUMER(d), 10) << "month 13 sorts last in the book order but is not the highest";
    d.TKSIEGA.setIndexName("DATAinx");
    NUMER(d);
    EXPECT_EQ(d.TKSIEGA.indexName(), "LPinx");
}

TEST_F(EntryRules, InvalidMonthCodesAreSavedAsThirteen)
{
    TDANE &d = ready();
    const QStringList given = {"14", "99", "", "00", "13", "05"};
    const QStringList stored = {"13", "13", "13", "00", "13", "05"};
    for (int i = 0; i < given.size(); ++i) {
        entry(d, given[i], i + 1);
        EXPECT_EQ(d.TKSIEGA.field("MC").asString(), stored[i]) << given[i].toStdString();
        EXPECT_EQ(d.TKSIEGA.field("NAZWISKO").asString(), "Kowalski Jan");
    }
}

TEST_F(EntryRules, TotalsAreExactAndBlankCountsAsZero)
{
    TDANE &d = ready();
    d.TKSIEGA.append();
    d.TKSIEGA.field("K7").setAsString("100,10");
    d.TKSIEGA.field("K8").setAsString("0,20");
    EXPECT_EQ(d.TKSIEGA.field("K9").asString(), "100,30");
    EXPECT_EQ(d.TKSIEGA.field("K14").asString(), "0,00");
    d.TKSIEGA.post();
    entry(d, "05", 2, "K13", "19,99");
    EXPECT_EQ(d.TKSIEGA.field("K14").asString(), "19,99");
    EXPECT_EQ(d.TKSIEGA.field("K9").asCurrency(), Money());
    EXPECT_TRUE(d.TKSIEGA.field("K15").isNull()) << "column 15 is never computed";
}

TEST_F(EntryRules, NewEntryIsDatedTodayUnlessAnImportWrites)
{
    TDANE &d = ready("2019.05.10");
    SelectWorkingMonth(d, "02");
    entry(d, "02", 1);
    EXPECT_EQ(d.TKSIEGA.field("DATA").asString(), "2019.05.10");
    environment.importInProgress = true;
    entry(d, "02", 2);
    EXPECT_TRUE(d.TKSIEGA.field("DATA").isNull());
}

TEST_F(EntryRules, EditingAnImportedEntryAsksFirst)
{
    TDANE &d = ready();
    entry(d, "05", 1, "NRKOMP", "   ");
    d.TKSIEGA.edit();
    EXPECT_TRUE(prompter.messages().isEmpty()) << "spaces only are not an import mark";
    d.TKSIEGA.cancel();

    entry(d, "05", 2, "NRKOMP", "SB/15/2019");
    prompter.enqueue(Answer::Yes);
    d.TKSIEGA.edit();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith(
        "Zmiana zapisu komputerowego powstałego z importu danych z programu ZIVEDEZ.\r"));
    EXPECT_TRUE(prompter.messages()[0].text.endsWith("\rCzy przerwać edycję ?"));
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Browse) << "Yes abandons the edit";
    d.TKSIEGA.edit();
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Edit) << "No goes on";
}

struct RecordingEditor : EntryEditorLink {
    void showMonth(const QString &month) override { shown << month; }
    QStringList shown;
};

TEST_F(EntryRules, MonthChangesAreCheckedAgainstPostedMonths)
{
    post("'01','02'");
    TDANE &d = ready();
    EXPECT_TRUE(monthIsPosted(d, "02"));
    EXPECT_FALSE(monthIsPosted(d, "03"));
    EXPECT_FALSE(monthIsPosted(d, "13")) << "month 13 is never closed";
    EXPECT_FALSE(monthIsPosted(d, "00"));

    RecordingEditor editor;
    setEntryEditor(d, &editor);
    d.TKSIEGA.append();
    d.TKSIEGA.field("MC").setAsString("02");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Miesiąc zamkniety.");
    EXPECT_EQ(editor.shown, QStringList({"05"}));
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "02") << "the warning alone changes nothing";

    d.TKSIEGA.field("MC").setAsString("77");
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "05") << "an invalid month becomes the working one";
    setEntryEditor(d, nullptr);
    d.TKSIEGA.field("MC").setAsString("77");
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "77") << "without the editor it waits for the save";
}

TEST_F(EntryRules, AnInvalidMonthInAPostedWorkingMonthWarnsOnce)
{
    post("'01','02','03','04','05'");
    TDANE &d = ready();
    RecordingEditor editor;
    setEntryEditor(d, &editor);
    d.TKSIEGA.append();
    prompter.clear();
    d.TKSIEGA.field("MC").setAsString("99");
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "05");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Miesiąc zamkniety.");
    setEntryEditor(d, nullptr);
}

TEST_F(EntryRules, WithoutSumsEveryMonthIsOpen)
{
    post("'01'");
    ASSERT_TRUE(deleteTable(at("2019/KSIEGA/SUMA")));
    TDANE &d = ready();
    EXPECT_EQ(environment.lastPostedMonth, 0);
    EXPECT_FALSE(monthIsPosted(d, "01"));
}

TEST_F(EntryRules, MonthFilterShowsTheWorkingMonthOrAll)
{
    TDANE &d = ready();
    entry(d, "05", 1);
    entry(d, "04", 2);
    entry(d, "05", 3);
    d.TKSIEGA.refresh();
    EXPECT_EQ(d.TKSIEGA.recordCount(), 2);
    SelectWorkingMonth(d, "04");
    EXPECT_EQ(d.TKSIEGA.recordCount(), 1);
    SelectWorkingMonth(d, "13");
    EXPECT_FALSE(d.TKSIEGA.isFiltered());
    EXPECT_EQ(d.TKSIEGA.recordCount(), 3);
}
