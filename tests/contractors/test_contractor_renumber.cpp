#include "contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/contractor_notes.h"
#include "contractors/contractor_renumber.h"

class ContractorRenumber : public ContractorTest {
protected:
    void SetUp() override
    {
        ContractorTest::SetUp();
        addDescription(5, "555");
        startWith({{5, "", "Beta", ""}, {9, "", "Alfa", ""}, {14, "", "Gamma", ""}});
    }
    bool renumber(qint64 from, const QString &to)
    {
        EXPECT_TRUE(FindContractor(dane->TKontrah, from));
        dane->TKontrah.setIndexName("Sinx");
        return RenumberContractor(*dane, prompter, to);
    }
    QStringList descriptions()
    {
        Cursor &notes = dane->TKONTRAHo;
        QStringList all;
        for (notes.first(); !notes.eof(); notes.next())
            all << notes.field("NR").asString() + ":" + notes.field("Tel1").asString();
        return all;
    }
    const QString taken = QStringLiteral(
        "W katalogu kontrahentów istnieje kontrahent o tym numerze\rBrak możliwości zmiany.");
};

TEST_F(ContractorRenumber, ANumberInUseTheOwnOneIncludedIsRefused)
{
    for (const QString &number : {QStringLiteral("00009"), QStringLiteral("5")}) {
        prompter.clear();
        EXPECT_FALSE(renumber(5, number));
        ASSERT_EQ(prompter.messages().size(), 1);
        EXPECT_EQ(prompter.messages()[0].text, taken);
        EXPECT_EQ(prompter.messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(current(), 5);
        EXPECT_EQ(dane->TKontrah.indexName(), "Sinx");
        EXPECT_EQ(numbers(), (QList<qint64>{9, 5, 14}));
    }
}

TEST_F(ContractorRenumber, ContractorMovesWithItsDescriptionAndKeepsItsPlace)
{
    EXPECT_TRUE(renumber(5, " 0 7 "));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(current(), 7);
    EXPECT_EQ(currentText("SKROT"), "Beta");
    EXPECT_EQ(dane->TKontrah.indexName(), "Sinx");
    EXPECT_EQ(numbers(), (QList<qint64>{9, 7, 14}));
    EXPECT_EQ(descriptions(), QStringList{"7:555"});

    start();
    EXPECT_EQ(numbers(), (QList<qint64>{7, 9, 14})) << "on disk";
    EXPECT_EQ(descriptions(), QStringList{"7:555"});
}

TEST_F(ContractorRenumber, ADescriptionAlreadyUnderTheNewNumberIsNotOverwritten)
{
    addDescription(30, "stary");
    EXPECT_TRUE(renumber(5, "30"));
    dane->TKONTRAHo.refresh();
    EXPECT_EQ(descriptions(), (QStringList{"5:555", "30:stary"}));
}

TEST_F(ContractorRenumber, WhileTheDescriptionIsShownItFollowsTheNewNumber)
{
    LinkContractorNotes(*dane);
    EXPECT_TRUE(renumber(5, "6"));
    EXPECT_EQ(dane->TKONTRAHo.field("Tel1").asString(), "555");
    EXPECT_EQ(dane->TKONTRAHo.recordCount(), 1);
    EXPECT_TRUE(UnlinkContractorNotes(*dane, prompter));
}

TEST_F(ContractorRenumber, ABlankOrWrongNumberIsRefused)
{
    for (const QString &number : {QStringLiteral("     "), QStringLiteral("x1"),
                                  QStringLiteral("123456")}) {
        prompter.clear();
        EXPECT_FALSE(renumber(9, number));
        ASSERT_EQ(prompter.messages().size(), 1);
        EXPECT_EQ(prompter.messages()[0].text, "Błędny numer kontrahenta : " + number);
    }
    EXPECT_EQ(numbers(), (QList<qint64>{9, 5, 14}));
}
