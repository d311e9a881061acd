#include "contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_search.h"

class ContractorSearch : public ContractorTest {
protected:
    void SetUp() override
    {
        ContractorTest::SetUp();
        startWith({{4, "555", "Łoś", "Zabrze"},
                   {12, "111", "Lis", "Łódź"},
                   {20, "333", "Żuk", "Kraków"},
                   {31, "222", "Ananas", "Opole"}});
    }
    void search(ContractorColumn column, const QString &typed)
    {
        SearchContractors(dane->TKontrah, column, typed, prompter);
    }
};

TEST_F(ContractorSearch, NearestMatchAndTheSearchedOrderStays)
{
    search(ContractorColumn::Nip, "3");
    EXPECT_EQ(current(), 20);
    EXPECT_EQ(dane->TKontrah.indexName(), "Ninx");
    search(ContractorColumn::Nip, "34");
    EXPECT_EQ(current(), 4) << "the next NIP after 34 is 555";
    EXPECT_EQ(numbers(), (QList<qint64>{12, 31, 20, 4})) << "the grid stays ordered by NIP";

    search(ContractorColumn::ShortName, "L");
    EXPECT_EQ(current(), 12);
    search(ContractorColumn::ShortName, "Ł");
    EXPECT_EQ(current(), 4) << "Ł comes after L";
    EXPECT_EQ(numbers(), (QList<qint64>{31, 12, 4, 20}));

    search(ContractorColumn::Place, "ł");
    EXPECT_EQ(currentText("MIEJSC"), "Łódź") << "letter case does not matter";
    search(ContractorColumn::Place, "zz");
    EXPECT_EQ(current(), 4) << "past the last key stays on the last record";
    EXPECT_EQ(dane->TKontrah.indexName(), "Minx");
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(ContractorSearch, NumberBoxFindsTheNearestNumberAndIgnoresNonNumbers)
{
    search(ContractorColumn::Place, "Opole");
    ASSERT_EQ(current(), 31);
    search(ContractorColumn::Number, "13");
    EXPECT_EQ(current(), 20);
    EXPECT_EQ(dane->TKontrah.indexName(), "");
    search(ContractorColumn::Number, "00012");
    EXPECT_EQ(current(), 12);

    search(ContractorColumn::Number, "12a");
    EXPECT_EQ(current(), 12) << "a non-number finds nothing and moves nowhere";
    search(ContractorColumn::Number, "-");
    EXPECT_EQ(current(), 12);
    search(ContractorColumn::Number, "");
    EXPECT_EQ(current(), 4) << "an emptied box goes back to the top";
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(ContractorSearch, SearchingSavesWhatWasTyped)
{
    SetContractorField(dane->TKontrah, "UL", "Długa 5");
    search(ContractorColumn::ShortName, "Ż");
    EXPECT_FALSE(dane->TKontrah.isEditing());
    ASSERT_TRUE(FindContractor(dane->TKontrah, 4));
    EXPECT_EQ(currentText("UL"), "Długa 5");
}

TEST_F(ContractorSearch, ColumnTitlesPickTheirOrderAndOthersNothing)
{
    ASSERT_TRUE(FindContractor(dane->TKontrah, 20));
    EXPECT_EQ(ContractorColumnAt(3), ContractorColumn::ShortName);
    SortContractors(dane->TKontrah, *ContractorColumnAt(3), prompter);
    EXPECT_EQ(dane->TKontrah.indexName(), "Sinx");
    EXPECT_EQ(current(), 20) << "the current contractor stays current";
    EXPECT_EQ(ContractorColumnAt(1), ContractorColumn::Number);
    EXPECT_EQ(ContractorColumnAt(2), ContractorColumn::Nip);
    EXPECT_EQ(ContractorColumnAt(4), ContractorColumn::Place);
    EXPECT_FALSE(ContractorColumnAt(0));
    EXPECT_FALSE(ContractorColumnAt(5));
}
