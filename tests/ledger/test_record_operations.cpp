#include "ledger/entry_operations.h"
#include "ledger/ledger_rules.h"
#include "ledger/record_operations.h"
#include "platform/progress.h"
#include "tests/ledger/ledger_fixture.h"

using RecordOperations = LedgerTest;

TEST_F(RecordOperations, CopyGoesToTheFirstOpenMonthDatedTodayWithItsImportKey)
{
    TDANE &d = ready("'01','02'", "04");
    entry(3, "04", "2019.04.20",
          {{"NRKOMP", "FV/7/2019"}, {"B1", "tak"}, {"K7", "100,10"}, {"NAZ1", "Łąka"},
           {"OZN", "*"}, {"UWAGI", "pierwsza\nlinia"},
           {"KSEF", "1234567890-20260301-ABCDEF012345-66"}});
    entry(1, "01", "2019.01.05");
    SelectWorkingMonth(d, "04");
    ASSERT_EQ(d.TKSIEGA.recordCount(), 1);
    ASSERT_TRUE(CopyEntry(d));
    EXPECT_EQ(environment.workingMonth, "03") << "the first open month is shown";
    Cursor &ledger = d.TKSIEGA;
    EXPECT_EQ(ledger.state(), Cursor::State::Insert);
    EXPECT_EQ(ledger.field("LP").asInteger(), 4);
    EXPECT_EQ(ledger.field("MC").asString(), "03");
    EXPECT_EQ(ledger.field("DATA").asString(), "2019.05.10");
    EXPECT_EQ(ledger.field("NRKOMP").asString(), "FV/7/2019");
    EXPECT_TRUE(ledger.field("B1").asBoolean());
    EXPECT_EQ(ledger.field("K9").asString(), "100,10");
    EXPECT_EQ(ledger.field("NAZ1").asString(), "Łąka");
    EXPECT_EQ(ledger.field("UWAGI").asString(), "pierwsza\nlinia");
    EXPECT_EQ(ledger.field("KSEF").asString(), "1234567890-20260301-ABCDEF012345-66");
    EXPECT_TRUE(ledger.field("OZN").isNull()) << "the marker is not copied";
    prompter.clear();
    EXPECT_TRUE(SaveEntry(d));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(book(), QStringList({"1 01 2019.01.05", "4 03 2019.05.10", "3 04 2019.04.20"}));

    SelectWorkingMonth(d, "02");
    EXPECT_FALSE(CopyEntry(d)) << "an empty view has nothing to copy";
}

TEST_F(RecordOperations, CancelAsksAndDeletesOnlyInAnOpenMonth)
{
    TDANE &d = ready("'01'", "02");
    entry(1, "01", "2019.01.05");
    entry(2, "02", "2019.02.05");
    entry(3, "02", "2019.02.06");
    SelectWorkingMonth(d, "02");
    prompter.clear(); // the posted month's warning while January's entry was written
    prompter.enqueue(Answer::No);
    EXPECT_FALSE(CancelEntry(d));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Czy Anulować ?");
    EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(d.TKSIEGA.recordCount(), 2);

    d.TKSIEGA.last();
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(CancelEntry(d));
    EXPECT_EQ(book(), QStringList({"1 01 2019.01.05", "2 02 2019.02.05"})) << "no renumbering";

    prompter.clear();
    SelectWorkingMonth(d, "01");
    EXPECT_FALSE(cancelEntryRefusal(d).isEmpty());
    EXPECT_FALSE(CancelEntry(d));
    SelectWorkingMonth(d, "13");
    EXPECT_FALSE(CancelEntry(d));
    EXPECT_TRUE(prompter.messages().isEmpty()) << "refused without a question";
    EXPECT_EQ(book().size(), 2);
}

TEST_F(RecordOperations, RenumberingFollowsTheDatesAndKeepsPostedMonths)
{
    TDANE &d = ready("'01','02'", "03");
    SilentProgress progress;
    EXPECT_EQ(Renumber(d, progress), 0) << "an empty ledger";
    EXPECT_TRUE(book().isEmpty());

    // Posted months keep even a wrong number; the open months continue after the last
    // entry of February in the book order.
    entry(1, "01", "2019.01.31");
    entry(9, "01", "2019.01.02");
    entry(4, "02", "2019.02.10");
    entry(6, "02", "2019.02.01");
    entry(20, "03", "2019.03.15", {{"NRKOMP", "FV/1/2019"}});
    entry(8, "04", "2019.03.02");
    entry(21, "13", "2019.01.01");
    entry(30, "00", "2019.12.31");
    entry(7, "03", "2019.03.15");
    SelectWorkingMonth(d, "03");
    d.TKSIEGA.last();
    ASSERT_EQ(d.TKSIEGA.field("LP").asInteger(), 20);
    prompter.clear();
    environment.userName = "Inny Operator";
    EXPECT_EQ(Renumber(d, progress), 4);
    EXPECT_TRUE(prompter.messages().isEmpty()) << "no imported-entry question per entry";
    EXPECT_EQ(book(), QStringList({"11 00 2019.12.31", "1 01 2019.01.31", "9 01 2019.01.02",
                                   "4 02 2019.02.10", "6 02 2019.02.01", "9 03 2019.03.15",
                                   "10 03 2019.03.15", "8 04 2019.03.02", "7 13 2019.01.01"}));
    EXPECT_TRUE(d.TKSIEGA.isFiltered()) << "the month view is back";
    EXPECT_EQ(d.TKSIEGA.indexName(), "LPinx");
    EXPECT_EQ(d.TKSIEGA.recordCount(), 2);
    EXPECT_EQ(d.TKSIEGA.field("NRKOMP").asString(), "FV/1/2019") << "the entry shown stays current";
    EXPECT_EQ(d.TKSIEGA.field("LP").asInteger(), 9);
    SelectWorkingMonth(d, "13");
    ASSERT_TRUE(d.TKSIEGA.locate("LP", 8));
    EXPECT_EQ(d.TKSIEGA.field("NAZWISKO").asString(), "Kowalski Jan")
        << "an entry whose number stays is not rewritten";
    ASSERT_TRUE(d.TKSIEGA.locate("LP", 7));
    EXPECT_EQ(d.TKSIEGA.field("NAZWISKO").asString(), "Inny Operator");

    SelectWorkingMonth(d, "13");
    EXPECT_EQ(Renumber(d, progress), 0) << "numbered already";
    EXPECT_FALSE(d.TKSIEGA.isFiltered()) << "\"Wszystkie\" stays unfiltered";
}

TEST_F(RecordOperations, RenumberingWithoutPostedMonthsStartsAtOneAndAFailedWriteChangesNothing)
{
    TDANE &d = ready();
    entry(5, "05", "2019.05.03");
    entry(3, "05", "2019.05.01");
    entry(4, "04", "2019.05.02");
    const QStringList before = book();
    int posts = 0;
    d.TKSIEGA.setBeforePost([&](Cursor &ledger) {
        TKSIEGABeforePost(d, ledger);
        if (++posts == 2)
            throw DbError("dysk pełny");
    });
    SilentProgress progress;
    EXPECT_EQ(Renumber(d, progress), std::nullopt);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0].text, "Błąd zapisu");
    EXPECT_EQ(book(), before) << "the first renumbered entry went back too";

    d.TKSIEGA.setBeforePost([&](Cursor &ledger) { TKSIEGABeforePost(d, ledger); });
    EXPECT_EQ(Renumber(d, progress), 3);
    EXPECT_EQ(book(), QStringList({"2 04 2019.05.02", "1 05 2019.05.01", "3 05 2019.05.03"}));
}
