#include "tests/pit5/pit5_fixture.h"

#include "pit5/declaration_nip.h"
#include "pit5/declaration_workflow.h"

#include <QFile>

class DeclarationWorkflow : public Pit5Test {
protected:
    void SetUp() override
    {
        Pit5Test::SetUp();
        useExampleScale();
        plainSql("FIRMA.DB", "UPDATE FIRMA SET NIP='999-888-77-66', REGON='123456789', "
                             "NAZWA1='Łąka', NAZWA2='sp. j.', MIEJSCOWOSC='Kraków', "
                             "ULICA='Długa', NUMER='5', LOKAL='3' WHERE NR IS NULL");
        dane->TFIRMA.refresh();
        dane->TOSOBA.refresh();
    }

    // A saved declaration of the current taxpayer for a month ("MM-YYYY").
    void newDeclaration(const char *period)
    {
        ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
        type({{"P4", period}});
        EXPECT_TRUE(SaveDeclaration(*dane, prompter));
        ASSERT_FALSE(dek().isEditing());
    }

    void import()
    {
        prompter.enqueue(Answer::Ok);
        ASSERT_TRUE(ImportLedgerData(*dane, prompter));
    }

    // Contributions 1..7 of 100 zł each and a health contribution of 30 zł a month.
    void setContributions()
    {
        for (int code = 1; code <= 7; ++code)
            setConstant(code, "KWOTAMIN", "100");
        setConstant(12, "KWOTAMIN", "30");
    }
};

TEST_F(DeclarationWorkflow, NipIsWrittenInGroups)
{
    EXPECT_EQ(DeclarationNip("1234567890"), "123-456-78-90");
    EXPECT_EQ(DeclarationNip("123-45-67-890"), "123-456-78-90");
    EXPECT_EQ(DeclarationNip("123 456 78 90"), "123-456-78-90");
    EXPECT_EQ(DeclarationNip(""), "");
}

TEST_F(DeclarationWorkflow, WithoutTaxpayersTheRegisterIsOffered)
{
    plainSql("FIRMA.DB", "UPDATE FIRMA SET RP='P' WHERE NR IS NULL");
    dane->TOSOBA.refresh();
    prompter.enqueue(Answer::Yes);
    EXPECT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::OpenTaxpayers);
    EXPECT_EQ(messageTexts(),
              QStringList({"Brak zdefiniowanego podatnika.\rCzy otworzyć formularz podatników ?"}));
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Information);
    EXPECT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::NoTaxpayer);
    EXPECT_FALSE(dek().isEditing());
    EXPECT_TRUE(dek().isEmpty());
}

TEST_F(DeclarationWorkflow, NewDeclarationIsFilledFromTaxpayerAndFirm)
{
    addTaxpayer({.nip = "123-45-67-890", .share = "50"});
    EXPECT_EQ(DeclarationPeriodText(*dane), "Miesiąc + Rok");
    EXPECT_EQ(DeclarationTaxpayerText(*dane), "Firma");
    ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
    EXPECT_EQ(dek().state(), Cursor::State::Insert);
    EXPECT_EQ(text("P4"), "05-2019");
    EXPECT_EQ(text("MC"), "05");
    EXPECT_EQ(text("O133"), "10-05-2019");
    EXPECT_EQ(text("P1"), "123-456-78-90");
    EXPECT_EQ(text("NIP"), "1234567890");
    EXPECT_EQ(text("P6"), "Kowalski");
    EXPECT_EQ(text("P7"), "Jan");
    EXPECT_EQ(dek().field("K70").asFloat(), 50.0);
    EXPECT_EQ(text("K66"), "999-888-77-66");
    EXPECT_EQ(text("K67"), "123456789");
    EXPECT_EQ(text("K68"), "Łąka sp. j.");
    EXPECT_EQ(text("K69"), "Kraków, Długa 5 3");
    EXPECT_TRUE(dek().field("M118").isNull());
    EXPECT_EQ(DeclarationPeriodText(*dane), "05-2019");
    EXPECT_EQ(DeclarationTaxpayerText(*dane), "Kowalski Jan");
}

TEST_F(DeclarationWorkflow, RentalTaxpayerFillsSectionM)
{
    addTaxpayer({.share = "25", .rental = true});
    ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
    EXPECT_EQ(text("M117"), "Kraków, Długa 5 3");
    EXPECT_EQ(dek().field("M118").asFloat(), 25.0);
    EXPECT_TRUE(dek().field("K66").isNull());

    type({{"P4", "03-2019"}});
    writeRunningSums("2019", 3, 10000, 2000, 1000, 1000);
    import();
    EXPECT_EQ(amount("M119"), zl("2500"));
    EXPECT_EQ(amount("M120"), zl("1000"));
    EXPECT_EQ(amount("P23"), zl("2500"));
    EXPECT_TRUE(amount("K71").isZero());
}

TEST_F(DeclarationWorkflow, ImportTakesTheShareOfTheRunningSums)
{
    addTaxpayer({.share = "50"});
    setContributions();
    newDeclaration("01-2019");
    writeRunningSums("2019", 1, 10000, 1000, 500, 2500);
    import();
    EXPECT_EQ(messageTexts().first(), "Czy chcesz importować dane dla mc: 01");
    EXPECT_EQ(prompter.messages().first().buttons, MessageButtons::OkCancel);
    EXPECT_EQ(amount("K71"), zl("5000"));
    EXPECT_EQ(amount("K72"), zl("2000"));
    // January: nothing carried, one month of contributions.
    EXPECT_TRUE(amount("P54").isZero());
    EXPECT_EQ(amount("P34"), zl("700"));
    EXPECT_EQ(amount("P48"), zl("30"));
    EXPECT_EQ(amount("P44"), zl("2300"));
    EXPECT_FALSE(dek().isEditing());
    const Money firstDue = amount("P55");

    // A second import recomputes rather than adds.
    import();
    EXPECT_EQ(amount("K71"), zl("5000"));
    EXPECT_EQ(amount("P34"), zl("700"));
    EXPECT_EQ(amount("P48"), zl("30"));
    EXPECT_EQ(amount("P55"), firstDue);
}

TEST_F(DeclarationWorkflow, TheShareMultipliesAsTheDecimalTypedAndMustLieWithinAHundred)
{
    addTaxpayer({.share = "0,29"});
    newDeclaration("01-2019");
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K9=25000, K10=0, K11=0, K14=0 WHERE KOD='N01'");
    import();
    // 2,50 zł × 0,29 % is 0,00725 zł; in doubles 25000 × 0.29 / 100 comes to 72.4999... units.
    EXPECT_EQ(amount("K71"), zl("0,0073"));

    EXPECT_THROW(dek().field("K70").setAsString("1e308"), DbError);
    EXPECT_THROW(dek().field("K70").setFloat(100.5), DbError);
    dek().cancel();
    // A share another program wrote is refused when it is used, and nothing is imported.
    plainSql("2019/DRUKI/DPIT5.DB", "UPDATE DPIT5 SET K70 = 1e308");
    dek().refresh();
    prompter.enqueue(Answer::Ok);
    EXPECT_THROW(static_cast<void>(ImportLedgerData(*dane, prompter)), DbError);
    EXPECT_FALSE(dek().isEditing());
    EXPECT_EQ(amount("K71"), zl("0,0073"));
}

TEST_F(DeclarationWorkflow, CostsNoAmountHoldsAreRefusedNamingThemAndNothingIsImported)
{
    addTaxpayer({});
    newDeclaration("01-2019");
    // Running sums another program wrote: each fits an amount, their total does not.
    plainSql("2019/KSIEGA/SUMA.DB", "UPDATE SUMA SET K9=100, K10=5000000000000000000, "
                                    "K11=5000000000000000000, K14=0 WHERE KOD='N01'");
    prompter.enqueue(Answer::Ok);
    try {
        static_cast<void>(ImportLedgerData(*dane, prompter));
        ADD_FAILURE() << "the costs were imported";
    } catch (const AmountOverflow &overflow) {
        EXPECT_EQ(overflow.message(), "Nie można obliczyć kosztów z sum księgi (kolumny 10 + 11 + 14): "
                                      "wynik jest poza zakresem, jaki może mieć kwota. Polecenie przerwano.");
    }
    EXPECT_FALSE(dek().isEditing());
    EXPECT_TRUE(amount("K71").isZero());
    EXPECT_TRUE(amount("K72").isZero());
}

TEST_F(DeclarationWorkflow, PreviousMonthIsCarried)
{
    addTaxpayer({.nip = "1112223344"});
    addTaxpayer({.surname = "Nowak", .nip = "5556667788", .share = "50"});
    setContributions();
    writeRunningSums("2019", 1, 10000, 0, 0, 0);
    writeRunningSums("2019", 2, 30000, 0, 0, 0);

    // Another taxpayer's January must not be taken.
    newDeclaration("01-2019");
    import();
    ASSERT_TRUE(FindTaxpayerByNip(*dane, "1112223344"));
    newDeclaration("01-2019");
    import();
    const Money januaryDue = amount("P56");
    ASSERT_GT(januaryDue, Money());

    newDeclaration("02-2019");
    import();
    EXPECT_EQ(amount("P54"), januaryDue);
    EXPECT_EQ(amount("P34"), zl("1400"));
    EXPECT_EQ(amount("P48"), zl("60"));
    EXPECT_EQ(amount("P56"), januaryDue + amount("P55"));
}

TEST_F(DeclarationWorkflow, MissingSumsStillBringContributions)
{
    addTaxpayer({});
    setContributions();
    ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
    type({{"P4", "06-2018"}}); // no ledger for 2018
    import();
    EXPECT_EQ(messageTexts().last(), "Brak informacji z Księgi Podatkowej");
    EXPECT_EQ(amount("P34"), zl("700"));
    EXPECT_TRUE(dek().field("K71").isNull());
    EXPECT_FALSE(dek().isEditing()); // the new declaration was saved by the import

    prompter.clear();
    prompter.enqueue(Answer::Cancel);
    type({{"P34", "1"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    EXPECT_FALSE(ImportLedgerData(*dane, prompter));
    EXPECT_EQ(amount("P34"), zl("1"));
}

TEST_F(DeclarationWorkflow, ImportReadsTheDeclarationsYearAndLeavesTheLedgersSums)
{
    QDir().mkpath(at("2018/KSIEGA"));
    ASSERT_TRUE(QFile::copy(at("2019/KSIEGA/SUMA.DB"), at("2018/KSIEGA/SUMA.DB")));
    writeRunningSums("2018", 12, 8000, 0, 0, 0);
    writeRunningSums("2019", 12, 1000, 0, 0, 0);
    addTaxpayer({});
    newDeclaration("12-2018");
    import();
    EXPECT_EQ(amount("K71"), zl("8000"));
    EXPECT_TRUE(dane->TSUMA.tablePath().contains("/2019/"));
}

TEST_F(DeclarationWorkflow, CopyRecomputesFromTheCopiedInputs)
{
    addTaxpayer({});
    newDeclaration("04-2019");
    type({{"K71", "50000"}, {"K72", "20000,40"}, {"P37", "remont\nłazienki"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    const qint64 original = dek().field("AUTO").asInteger();
    setConstant(15, "WARTOSC", "0");

    EXPECT_TRUE(CopyDeclaration(*dane, prompter));
    EXPECT_FALSE(dek().isEditing());
    EXPECT_NE(dek().field("AUTO").asInteger(), original);
    EXPECT_EQ(dek().recordCount(), 2);
    EXPECT_EQ(text("MC"), "04");
    EXPECT_EQ(text("NIP"), "1234567890");
    EXPECT_EQ(text("P37"), "remont\nłazienki");
    EXPECT_EQ(amount("P19"), zl("50000"));
    EXPECT_EQ(amount("P47"), zl("5700")); // the constants in force when copying
    EXPECT_EQ(amount("P64"), zl("5700"));
    ASSERT_TRUE(FindDeclaration(*dane, original));
    EXPECT_EQ(amount("P47"), zl("5169,92"));
}

TEST_F(DeclarationWorkflow, DeleteAndCloseAsk)
{
    addTaxpayer({});
    newDeclaration("04-2019");
    prompter.enqueue(Answer::No);
    EXPECT_FALSE(DeleteDeclaration(*dane, prompter));
    EXPECT_EQ(dek().recordCount(), 1);
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(DeleteDeclaration(*dane, prompter));
    EXPECT_EQ(messageTexts().last(), "Czy skasować deklarację ?");
    EXPECT_EQ(dek().recordCount(), 0);

    ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
    prompter.enqueue(Answer::No);
    EXPECT_TRUE(CloseDeclaration(*dane, prompter));
    EXPECT_EQ(messageTexts().last(), "Czy zapisać zmiany ?");
    EXPECT_EQ(dek().recordCount(), 0);
    ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(CloseDeclaration(*dane, prompter));
    EXPECT_EQ(dek().recordCount(), 1);
}
