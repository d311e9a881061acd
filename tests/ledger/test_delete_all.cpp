#include "ledger/delete_all.h"
#include "ledger/entry_operations.h"
#include "ledger/month_view.h"
#include "ledger/posting.h"
#include "sums_fixture.h"

class DeleteAll : public SumsTest {
protected:
    // A year with entries in two posted months, a printed page number and column 16 totals.
    void prepare()
    {
        start();
        addEntry(1, "01", {{"K7", "10"}});
        addEntry(2, "02", {{"K7", "20"}});
        ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
        ASSERT_EQ(PostMonth(*dane, "02"), PostingOutcome::Posted);
        dane.reset();
        plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET Ilstr = 4, K17 = 55000 WHERE KOD = 'N02'");
        start();
        prompter.clear();
    }

    static constexpr const char *FirstQuestion =
        "Czy chcesz usunąć wszystkie zapisy ?.\rUwaga ! Brak możliwości odtworzenia danych.";
    static constexpr const char *SecondQuestion =
        "Czy napewno chcesz usunąć wszystkie zapisy ?.\rUwaga ! Brak możliwości odtworzenia danych.";
};

TEST_F(DeleteAll, AnythingButTwoYesAnswersKeepsEverything)
{
    prepare();
    const auto before = allSums();
    EXPECT_FALSE(DeleteAllEntries(*dane));
    prompter.enqueue(Answer::Yes);
    EXPECT_FALSE(DeleteAllEntries(*dane));
    ASSERT_EQ(messageTexts(), QStringList({FirstQuestion, FirstQuestion, SecondQuestion}));
    for (const RecordedMessage &message : prompter.messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Warning);
        EXPECT_EQ(message.buttons, MessageButtons::YesNo);
    }
    SelectWorkingMonth(*dane, "13");
    EXPECT_EQ(dane->TKSIEGA.recordCount(), 2);
    EXPECT_EQ(allSums(), before);
    EXPECT_EQ(environment.lastPostedMonth, 2);
}

TEST_F(DeleteAll, EmptiesTheLedgerAndTheSumsAndOpensEveryMonthAtOnce)
{
    prepare();
    SelectWorkingMonth(*dane, "02");
    prompter.enqueue(Answer::Yes);
    prompter.enqueue(Answer::Yes);
    ASSERT_TRUE(DeleteAllEntries(*dane));

    EXPECT_TRUE(dane->TKSIEGA.isFiltered()) << "the view shows the working month again";
    SelectWorkingMonth(*dane, "13");
    EXPECT_TRUE(dane->TKSIEGA.isEmpty());
    const auto running = sumsRow("N02");
    EXPECT_EQ(running["KOD"], "N02");
    EXPECT_EQ(running["NAZWA"], "Narastająco Luty");
    EXPECT_EQ(running["K17"], "5,50");
    for (const QString field : {"K7", "K9", "K16", "Ilstr", "W1", "W2", "W3", "OZN", "DATA", "NAZWISKO"})
        EXPECT_EQ(running[field], "") << field.toStdString();
    for (const auto &row : allSums())
        EXPECT_EQ(row["OZN"], "") << row["KOD"].toStdString();

    // Months are open now, not only after the next start: the closed month takes entries.
    EXPECT_EQ(environment.lastPostedMonth, 0);
    EXPECT_FALSE(environment.monthPosted[1]);
    SelectWorkingMonth(*dane, "01");
    ASSERT_TRUE(NewEntry(*dane));
    EXPECT_EQ(dane->TKSIEGA.field("LP").asInteger(), 1);
    EXPECT_TRUE(SaveEntry(*dane));
    EXPECT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
}
