#include "ledger/ledger_search.h"
#include "ledger/ledger_view.h"
#include "tests/ledger/ledger_fixture.h"

class LedgerSearch : public LedgerTest {
protected:
    void fill()
    {
        entry(20, "01", "2019.01.02", {{"NRKSIEG", "FV/20"}, {"NAZ1", "Zając"}});
        entry(21, "01", "2019.01.03", {{"NRKSIEG", "FV/21"}, {"NAZ1", "Łukasz"}});
        entry(10, "03", "2019.03.01", {{"NRKSIEG", "A/10"}, {"NAZ1", "Żak"}});
        entry(12, "03", "2019.03.02", {{"NRKSIEG", "B/12"}, {"NAZ1", "Lis"}});
        entry(15, "03", "2019.03.03", {{"NRKSIEG", "C/15"}, {"NAZ1", "Ćma"}});
    }
    qint64 current() { return dane->TKSIEGA.field("LP").asInteger(); }
};

// The book order begins with the month: the typed number must be looked for inside the
// month shown, never compared with the month codes.
TEST_F(LedgerSearch, NumberBoxFindsTheNearestNumberInTheMonthShown)
{
    TDANE &d = ready(QString(), "03");
    fill();
    SelectWorkingMonth(d, "03");
    SearchLedgerByNumber(d, "11");
    EXPECT_EQ(current(), 12);
    SearchLedgerByNumber(d, "5");
    EXPECT_EQ(current(), 10);
    SearchLedgerByNumber(d, "15");
    EXPECT_EQ(current(), 15);
    SearchLedgerByNumber(d, "99");
    EXPECT_EQ(current(), 15) << "past the last number: the last entry";
    SearchLedgerByNumber(d, "1");
    SearchLedgerByNumber(d, "1x");
    EXPECT_EQ(current(), 10) << "text that is no number moves nowhere";
    EXPECT_EQ(d.TKSIEGA.recordCount(), 3) << "the search keeps to the month";
}

TEST_F(LedgerSearch, NumberBoxUnderAllMonthsFindsTheLowestNumberNotBelow)
{
    TDANE &d = ready(QString(), "13");
    fill();
    SelectWorkingMonth(d, "13");
    d.TKSIEGA.setIndexName("KONTRinx");
    SearchLedgerByNumber(d, "11");
    EXPECT_EQ(d.TKSIEGA.indexName(), "LPinx");
    EXPECT_EQ(current(), 12);
    EXPECT_EQ(d.TKSIEGA.field("MC").asString(), "03");
    SearchLedgerByNumber(d, "16");
    EXPECT_EQ(current(), 20) << "January's numbers are higher here";
    SearchLedgerByNumber(d, "50");
    EXPECT_EQ(current(), 15) << "the last entry of the book order";
}

TEST_F(LedgerSearch, TextBoxesAndColumnTitlesOrderTheView)
{
    TDANE &d = ready(QString(), "03");
    fill();
    SelectWorkingMonth(d, "03");
    SearchLedgerByDocument(d, "B");
    EXPECT_EQ(d.TKSIEGA.indexName(), "NRKSIEGinx");
    EXPECT_EQ(current(), 12);
    SearchLedgerByContractor(d, "Ż");
    EXPECT_EQ(d.TKSIEGA.indexName(), "KONTRinx");
    EXPECT_EQ(current(), 10) << "Polish order: Ż after Z";
    SearchLedgerByContractor(d, "M");
    EXPECT_EQ(current(), 10) << "nearest after Lis within March";

    EXPECT_TRUE(SortLedgerByField(d, "NRKSIEG"));
    EXPECT_EQ(d.TKSIEGA.indexName(), "NRKSIEGinx");
    EXPECT_EQ(current(), 10) << "the current entry stays current";
    EXPECT_FALSE(SortLedgerByField(d, "DATA"));
    EXPECT_FALSE(SortLedgerByField(d, "K17"));
    EXPECT_EQ(d.TKSIEGA.indexName(), "NRKSIEGinx");
    EXPECT_TRUE(SortLedgerByField(d, "LP"));
    EXPECT_EQ(d.TKSIEGA.indexName(), "LPinx");
    EXPECT_TRUE(SortLedgerByField(d, "NAZ1"));
    EXPECT_EQ(d.TKSIEGA.indexName(), "KONTRinx");
}

TEST_F(LedgerSearch, MonthViewTitleAndPostedMark)
{
    TDANE &d = ready("'01','02'", "03");
    EXPECT_EQ(LedgerTitle(environment), "PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW miesiąc : marzec 2019");
    EXPECT_FALSE(ShowsPostedMonth(environment));
    EXPECT_EQ(PostingPanelText(environment), "");
    EXPECT_TRUE(RecordCommandsOffered(d));
    EXPECT_EQ(FirstOpenMonth(environment), "03");

    SelectWorkingMonth(d, "02");
    EXPECT_TRUE(ShowsPostedMonth(environment));
    EXPECT_EQ(PostingPanelText(environment), "miesiąc zaksięgowany");
    EXPECT_FALSE(RecordCommandsOffered(d));

    SelectWorkingMonth(d, "13");
    EXPECT_TRUE(LedgerTitle(environment).endsWith("wszystkie 2019"));
    EXPECT_FALSE(RecordCommandsOffered(d));
    environment.lastPostedMonth = 12;
    EXPECT_FALSE(ShowsPostedMonth(environment));
    EXPECT_EQ(FirstOpenMonth(environment), "13");
    EXPECT_EQ(MonthButtonCaptions().size(), 13);
    EXPECT_EQ(MonthButtonCaptions().last(), "Wszystkie");
}
