#include "tests/pit5/pit5_fixture.h"

#include "pit5/tax_method.h"

class TaxpayerRegister : public Pit5Test {
protected:
    Cursor &view() { return dane->TOSOBA; }
    QStringList numbers()
    {
        QStringList shown;
        for (view().first(); !view().eof(); view().next())
            shown << view().field("NR").asString();
        return shown;
    }
};

TEST_F(TaxpayerRegister, NewTaxpayerFollowsTheLastNumber)
{
    EXPECT_EQ(addTaxpayer({}), 1);
    EXPECT_EQ(addTaxpayer({.surname = "Nowak"}), 2);
    NewTaxpayer(*dane);
    EXPECT_EQ(view().field("NAZWISKO").asString(), "Nowy");
    EXPECT_EQ(view().field("NR").asString(), "0");
    EXPECT_TRUE(SaveTaxpayer(*dane, prompter));
    EXPECT_EQ(view().field("NR").asInteger(), 3);
    // The firm's own record, a natural person, leads the register without a number.
    EXPECT_EQ(numbers(), QStringList({"", "1", "2", "3"}));
}

TEST_F(TaxpayerRegister, TypedNumberIsKeptAndNavigatorInsertIsNumbered)
{
    addTaxpayer({});
    NewTaxpayer(*dane);
    view().field("NR").setInteger(7);
    EXPECT_TRUE(SaveTaxpayer(*dane, prompter));
    EXPECT_EQ(view().field("NR").asInteger(), 7);

    InsertTaxpayer(*dane);
    view().field("NAZWISKO").setAsString("Wiśniewska");
    view().field("NR").clear(); // a blank number would make the record the firm's own
    EXPECT_TRUE(SaveTaxpayer(*dane, prompter));
    EXPECT_EQ(view().field("NR").asInteger(), 8);
}

TEST_F(TaxpayerRegister, SaveReportsMissingNipAndShare)
{
    const auto warningAfterSaving = [this](const char *nip, const char *share) {
        prompter.clear();
        addTaxpayer({.nip = nip, .share = share});
        return messageTexts();
    };
    EXPECT_EQ(warningAfterSaving("", "0"),
              QStringList({"Brak uzupełnionych pól :  NIP-u, Procent Udziału"}));
    EXPECT_EQ(warningAfterSaving("123-456-78-90", "0"),
              QStringList({"Brak uzupełnionych pól : , Procent Udziału"}));
    EXPECT_EQ(warningAfterSaving("   ", "50"), QStringList({"Brak uzupełnionych pól :  NIP-u"}));
    EXPECT_EQ(warningAfterSaving("1234567890", "50"), QStringList());
    warningAfterSaving("", "50");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Warning);
    // The record is saved either way.
    EXPECT_EQ(numbers().size(), 6);
}

TEST_F(TaxpayerRegister, FirmRecordShowsOnlyForANaturalPerson)
{
    addTaxpayer({});
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='P' WHERE NR IS NULL");
    view().refresh();
    EXPECT_EQ(numbers(), QStringList({"1"}));
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='F' WHERE NR IS NULL");
    view().refresh();
    EXPECT_EQ(numbers(), QStringList({"", "1"}));
}

TEST_F(TaxpayerRegister, DeleteAndCloseAsk)
{
    addTaxpayer({});
    prompter.enqueue(Answer::No);
    EXPECT_FALSE(DeleteTaxpayer(*dane, prompter));
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(DeleteTaxpayer(*dane, prompter));
    EXPECT_EQ(prompter.messages().last().text, "Czy skasować dane ?");
    EXPECT_EQ(prompter.messages().last().icon, MessageIcon::Warning);
    EXPECT_EQ(numbers(), QStringList({""}));

    NewTaxpayer(*dane);
    prompter.enqueue(Answer::No);
    EXPECT_TRUE(CloseTaxpayerRegister(*dane, prompter));
    EXPECT_EQ(prompter.messages().last().text, "Czy zapisać zmiany ?");
    EXPECT_EQ(numbers(), QStringList({""}));
    NewTaxpayer(*dane);
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(CloseTaxpayerRegister(*dane, prompter));
    EXPECT_EQ(numbers(), QStringList({"", "1"}));
}

TEST_F(TaxpayerRegister, TheFirmsOwnRecordIsNeverDeleted)
{
    addTaxpayer({});
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='F' WHERE NR IS NULL");
    view().refresh();
    view().first();
    ASSERT_TRUE(view().field("NR").isNull());
    prompter.clear();
    EXPECT_FALSE(DeleteTaxpayer(*dane, prompter));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("To są dane firmy"));
    view().refresh();
    EXPECT_EQ(numbers(), QStringList({"", "1"}));
}

TEST_F(TaxpayerRegister, TaxMethodDefaultsToTheScaleAndIsSaved)
{
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='P' WHERE NR IS NULL");
    view().refresh();
    EXPECT_EQ(SettleTaxMethod(*dane, prompter), std::nullopt);

    addTaxpayer({});
    view().edit();
    view().field("ZL1").clear();
    view().post();
    EXPECT_EQ(SettleTaxMethod(*dane, prompter), false);
    EXPECT_FALSE(view().isEditing());
    view().refresh();
    EXPECT_FALSE(view().field("ZL1").isNull());

    view().edit();
    view().field("ZL1").setBoolean(true);
    view().post();
    EXPECT_EQ(SettleTaxMethod(*dane, prompter), true);
    EXPECT_TRUE(IsFlatRateTaxpayer(*dane));
}

TEST_F(TaxpayerRegister, FindsATaxpayerByNipInAnyFormat)
{
    addTaxpayer({.surname = "Nowak", .nip = "111-222-33-44"});
    addTaxpayer({.surname = "Zieliński", .nip = "555 666 77 88"});
    EXPECT_TRUE(FindTaxpayerByNip(*dane, "1112223344"));
    EXPECT_EQ(view().field("NAZWISKO").asString(), "Nowak");
    EXPECT_TRUE(FindTaxpayerByNip(*dane, "555-666-77-88"));
    EXPECT_EQ(view().field("NAZWISKO").asString(), "Zieliński");
    EXPECT_FALSE(FindTaxpayerByNip(*dane, "9999999999"));
    EXPECT_EQ(view().field("NAZWISKO").asString(), "Zieliński");
}
