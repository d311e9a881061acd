#include "ledger/entry_operations.h"
#include "ledger/month_view.h"
#include "tests/core/data_root_fixture.h"

using EntryOperations = DataRootTest;

TEST_F(EntryOperations, NewEntryIsRefusedInPostedMonthsAndUnderAllMonths)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD = '01'");
    TDANE &d = start();
    SelectWorkingMonth(d, "01");
    EXPECT_FALSE(NewEntry(d));
    EXPECT_TRUE(newEntryRefusal(d).contains("zaksięgowany"));
    SelectWorkingMonth(d, "13");
    EXPECT_FALSE(NewEntry(d));
    SelectWorkingMonth(d, "02");
    ASSERT_TRUE(NewEntry(d));
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Insert);
    EXPECT_EQ(d.TKSIEGA.field("LP").asInteger(), 1);
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "02");
    EXPECT_TRUE(SaveEntry(d));
    EXPECT_EQ(d.TKSIEGA.recordCount(), 1);
}

TEST_F(EntryOperations, SavingIntoAPostedMonthAsksAndNoDropsTheChange)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD = '01'");
    TDANE &d = start();
    SelectWorkingMonth(d, "02");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("MC").setAsString("01");
    prompter.clear();
    EXPECT_FALSE(SaveEntry(d));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Miesiąc zamkniety.\rCzy zapisać zmiany ?");
    EXPECT_EQ(environment.workingMonth, "01") << "the view follows the entry's month";
    SelectWorkingMonth(d, "13");
    EXPECT_TRUE(d.TKSIEGA.isEmpty());

    SelectWorkingMonth(d, "02");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("MC").setAsString("01");
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(SaveEntry(d));
    SelectWorkingMonth(d, "13");
    EXPECT_EQ(d.TKSIEGA.recordCount(), 1);
}

TEST_F(EntryOperations, UnderAllMonthsSavingNeverAsks)
{
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET OZN = '*' WHERE KOD = '01'");
    TDANE &d = start();
    SelectWorkingMonth(d, "02");
    ASSERT_TRUE(NewEntry(d));
    EXPECT_TRUE(SaveEntry(d));
    SelectWorkingMonth(d, "13");
    ASSERT_TRUE(EditEntry(d));
    d.TKSIEGA.field("MC").setAsString("01");
    prompter.clear();
    EXPECT_TRUE(SaveEntry(d));
    EXPECT_TRUE(prompter.messages().isEmpty()) << "no posted-month question under all months";
    EXPECT_EQ(environment.workingMonth, "13");
}

TEST_F(EntryOperations, ClosingTheEditorAsksAndTheViewFollowsTheEntry)
{
    TDANE &d = start();
    SelectWorkingMonth(d, "05");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("MC").setAsString("07");
    CloseEntryEditor(d);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Czy zapisać zmiany ?");
    EXPECT_TRUE(d.TKSIEGA.isEmpty()) << "No drops the new entry";

    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("MC").setAsString("07");
    prompter.enqueue(Answer::Yes);
    CloseEntryEditor(d);
    EXPECT_EQ(environment.workingMonth, "07");
    EXPECT_TRUE(d.TKSIEGA.isFiltered());
    EXPECT_EQ(d.TKSIEGA.recordCount(), 1);
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "07");
}

// Whoever writes the entry, the KSeF number is checked: the editor and the command line say
// so and keep the entry being edited; any other writer's post fails with the same words.
TEST_F(EntryOperations, WrongKsefNumberIsRefusedAndNothingIsSaved)
{
    TDANE &d = start();
    SelectWorkingMonth(d, "05");
    ASSERT_TRUE(NewEntry(d));
    d.TKSIEGA.field("KSEF").setAsString("1234567890-20260301-ABCDEF012345-67");
    prompter.clear();
    EXPECT_FALSE(SaveEntry(d));
    ASSERT_EQ(messageTexts(), QStringList({"Błędny numer KSeF."}));
    EXPECT_EQ(d.TKSIEGA.state(), Cursor::State::Insert) << "the entry stays to be put right";
    try {
        d.TKSIEGA.post();
        ADD_FAILURE() << "a wrong number was written";
    } catch (const DbError &error) {
        EXPECT_EQ(error.message(), "Błędny numer KSeF.");
    }

    d.TKSIEGA.field("KSEF").setAsString("1234567890-20260301-ABCDEF-012345-66");
    EXPECT_TRUE(SaveEntry(d));
    EXPECT_EQ(d.TKSIEGA.field("KSEF").asString(), "1234567890-20260301-ABCDEF012345-66");

    ASSERT_TRUE(EditEntry(d));
    d.TKSIEGA.field("KSEF").setAsString("1234567890-20260301-abcdef012345-66");
    prompter.clear();
    prompter.enqueue(Answer::Yes);
    CloseEntryEditor(d);
    EXPECT_EQ(messageTexts(), QStringList({"Czy zapisać zmiany ?", "Błędny numer KSeF."}));
    EXPECT_FALSE(d.TKSIEGA.isEditing());
    d.TKSIEGA.refresh();
    d.TKSIEGA.first();
    EXPECT_EQ(d.TKSIEGA.field("KSEF").asString(), "1234567890-20260301-ABCDEF012345-66")
        << "closing the editor saves no wrong number";
}
