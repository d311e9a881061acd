#include "ledger/posting.h"
#include "ledger/summary_statement.h"
#include "sums_fixture.h"

using SummaryStatement = SumsTest;

TEST_F(SummaryStatement, TheTwoKindsShowTwelveRowsEachAndClosingShowsAll)
{
    start();
    ASSERT_TRUE(ShowSummaryKind(*dane, SummaryKind::Cumulative));
    QStringList keys;
    for (dane->TSUMA.first(); !dane->TSUMA.eof(); dane->TSUMA.next())
        keys << dane->TSUMA.field("KOD").asString();
    ASSERT_EQ(keys.size(), 12);
    EXPECT_EQ(keys.first(), "N01");
    EXPECT_EQ(keys.last(), "N12");

    ASSERT_TRUE(ShowSummaryKind(*dane, SummaryKind::Monthly));
    EXPECT_EQ(dane->TSUMA.recordCount(), 12);
    EXPECT_EQ(dane->TSUMA.field("NAZWA").asString(), "Styczeń");
    CloseSummary(*dane);
    EXPECT_EQ(dane->TSUMA.recordCount(), 24);
}

TEST_F(SummaryStatement, RatiosAndAmountsReadAsTheStatementShowsThem)
{
    start();
    addEntry(1, "01", {{"K10", "1234,5"}});
    ASSERT_EQ(PostMonth(*dane, "01"), PostingOutcome::Posted);
    ShowSummaryKind(*dane, SummaryKind::Monthly);
    EXPECT_TRUE(SummaryRowPosted(*dane));
    EXPECT_EQ(SummaryRatioText(dane->TSUMA.field("W2")), "-100,00");
    EXPECT_EQ(SummaryRatioText(dane->TSUMA.field("W1")), "");
    EXPECT_EQ(SummaryAmountText(dane->TSUMA.field("KW")), "-1234,50");
    EXPECT_EQ(SummaryAmountText(dane->TSUMA.field("K17")), "");
    dane->TSUMA.next();
    EXPECT_FALSE(SummaryRowPosted(*dane));
}
