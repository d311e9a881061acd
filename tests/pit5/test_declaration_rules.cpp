#include "pit5/declaration_rules.h"
#include "pit5/declaration_tax.h"
#include "pit5/taxpayer_share.h"
#include "tests/pit5/pit5_fixture.h"

#include <limits>

class DeclarationRules : public Pit5Test {
protected:
    void SetUp() override
    {
        Pit5Test::SetUp();
        useExampleScale();
        dek().insert();
    }

    // The tax of a base typed straight into the base position.
    Money taxOf(const char *base)
    {
        type({{"P46", base}});
        return amount("P47");
    }
};

TEST_F(DeclarationRules, WorkedExampleCarriesFromAnnexToAmountDue)
{
    type({{"K71", "50000"}, {"K72", "20000,40"}});
    EXPECT_EQ(amount("K73"), zl("29999,60"));
    EXPECT_EQ(amount("K74"), Money());
    EXPECT_EQ(amount("P19"), zl("50000"));
    EXPECT_EQ(amount("P20"), zl("20000,40"));
    for (const char *field : {"P21", "P27", "P29", "P33", "P44"})
        EXPECT_EQ(amount(field), field == std::string("P27") ? zl("50000") : zl("29999,60")) << field;
    EXPECT_EQ(amount("P46"), zl("30000"));
    EXPECT_EQ(amount("P47"), zl("5169,92"));
    EXPECT_EQ(amount("P53"), zl("5169,92"));
    for (const char *field : {"P55", "P56", "P62", "P64"})
        EXPECT_EQ(amount(field), zl("5170")) << field;
}

TEST_F(DeclarationRules, ReducingAmountComesOffInEveryBracket)
{
    EXPECT_EQ(taxOf("50000"), zl("10397,28"));
    // At the threshold both formulas agree; one złoty above it the tax grows by 30 grosze,
    // not by the whole reducing amount.
    EXPECT_EQ(taxOf("37024"), zl("6504,48"));
    EXPECT_EQ(taxOf("37025"), zl("6504,78"));
    // From twice the threshold the third rate: 1 000 × 40 % + T × 30 % + T × 19 % − K.
    EXPECT_EQ(taxOf("75048"), zl("18011,68"));
    EXPECT_EQ(taxOf("1000"), Money()); // 190,00 − 530,08 is below zero
}

TEST_F(DeclarationRules, MissingScaleConstantsCountAsZero)
{
    removeConstant(15);
    removeConstant(9);
    EXPECT_EQ(taxOf("30000"), zl("5700"));
    EXPECT_EQ(taxOf("40000"), zl("7034,56")); // the second rate is 0
}

TEST_F(DeclarationRules, ExactProductsRoundOnlyOnceToGrosze)
{
    const ScaleConstants scale{zl("18,5"), Money(), Money(), zl("100000"), Money()};
    EXPECT_EQ(ScaleTax(zl("1,01"), scale), zl("0,19")); // 0,18685
    EXPECT_EQ(ScaleTax(zl("0,81"), scale), zl("0,15")); // 0,14985
    EXPECT_EQ(FlatTax(zl("0,50"), zl("1")), zl("0,01")); // 0,005 rounds away from zero
    // Bases and rates large enough to overflow a 64-bit product of their units.
    EXPECT_EQ(FlatTax(zl("5000000000"), zl("19")), zl("950000000"));
    EXPECT_EQ(ShareOf(zl("10000"), Decimal(50, 0)), zl("5000"));
    EXPECT_EQ(ShareOf(zl("100"), Decimal(3333, 2)), zl("33,33"));
}

TEST_F(DeclarationRules, ATaxNoAmountHoldsIsAnOverflowNotAWrappedNumber)
{
    // The largest rate the constants box takes, on the largest base the declaration takes.
    const Money largest = zl("99999999999,99");
    EXPECT_THROW(FlatTax(largest, largest), AmountOverflow);
    EXPECT_THROW(FlatTax(-largest, largest), AmountOverflow);
    EXPECT_THROW(ScaleTax(largest, {zl("19"), zl("30"), largest, zl("37024"), zl("530,08")}), AmountOverflow);
    EXPECT_EQ(FlatTax(largest, zl("100")), largest);
    // Amounts another program wrote past the typed range.
    const Money most = Money::fromUnits(std::numeric_limits<qint64>::max());
    EXPECT_THROW(ScaleTax(most, {most, most, most, most, Money()}), AmountOverflow);
    EXPECT_THROW(ScaleTax(most, {zl("19"), zl("30"), zl("40"), -most, Money()}), AmountOverflow);
}

TEST_F(DeclarationRules, IncomeAndLossSplits)
{
    type({{"P19", "1000"}, {"P20", "1000"}});
    EXPECT_TRUE(amount("P21").isZero());
    EXPECT_TRUE(amount("P22").isZero());
    EXPECT_FALSE(dek().field("P21").isNull());

    type({{"P20", "1800"}});
    EXPECT_EQ(amount("P22"), zl("800"));
    EXPECT_EQ(amount("P30"), zl("800"));
    EXPECT_TRUE(amount("P29").isZero());
    EXPECT_TRUE(amount("P33").isZero());
    EXPECT_TRUE(amount("P44").isZero());

    type({{"P45", "500"}});
    EXPECT_TRUE(amount("P46").isZero()); // the increase does not exceed the loss
    type({{"P45", "1000"}});
    EXPECT_EQ(amount("P46"), zl("200")); // the increase first absorbs the business loss

    // Rental income beside a business loss: the total row nets them.
    type({{"P23", "3000"}, {"P24", "1000"}});
    EXPECT_EQ(amount("P25"), zl("2000"));
    EXPECT_EQ(amount("P29"), zl("1200"));
    EXPECT_EQ(amount("P30"), Money());
}

TEST_F(DeclarationRules, DeductionsNeverTakeIncomeOrTaxBelowZero)
{
    type({{"P19", "10000"}, {"P31", "3000"}, {"P32", "8000"}});
    EXPECT_TRUE(amount("P33").isZero());
    type({{"P32", "1000"}, {"P34", "500"}, {"P36", "999"}, {"P42", "999"}});
    // P36 and P42 run the rule but are not deductions.
    EXPECT_EQ(amount("P44"), zl("5500"));
    type({{"P45", "0,50"}});
    EXPECT_EQ(amount("P46"), zl("5501")); // 5 500,50 rounds half away from zero
    type({{"P48", "99999"}});
    EXPECT_TRUE(amount("P53").isZero());
}

TEST_F(DeclarationRules, AdvanceRoundsToWholeZlotyAndCarriesThePaidSum)
{
    type({{"P47", "100,50"}, {"P54", "0"}});
    EXPECT_EQ(amount("P55"), zl("101"));
    EXPECT_EQ(amount("P56"), zl("101"));
    type({{"P47", "99,60"}, {"P54", "100"}});
    EXPECT_TRUE(amount("P55").isZero());
    EXPECT_EQ(amount("P56"), zl("100"));
    type({{"P47", "1000"}, {"P61", "300"}, {"P63", "25,50"}});
    EXPECT_EQ(amount("P62"), zl("600"));
    EXPECT_EQ(amount("P64"), zl("625,50"));
}

TEST_F(DeclarationRules, AnnexRowsFeedSectionC)
{
    type({{"K80", "1000"}, {"K81", "1500"}, {"L94", "200"}, {"L110", "300"},
          {"M119", "400"}, {"M127", "100"}, {"K89", "7777"}, {"K98", "8888"}});
    EXPECT_EQ(amount("K83"), zl("500"));
    EXPECT_EQ(amount("L96"), zl("200"));
    EXPECT_EQ(amount("M129"), zl("100"));
    // Rows 3 and 4 of section K are neither split nor summed.
    EXPECT_TRUE(dek().field("K91").isNull());
    EXPECT_EQ(amount("P19"), zl("1500"));
    EXPECT_EQ(amount("P20"), zl("1500"));
    EXPECT_EQ(amount("P23"), zl("400"));
    EXPECT_EQ(amount("P24"), zl("100"));
    EXPECT_EQ(amount("P29"), zl("300"));
}

TEST_F(DeclarationRules, IdentificationFields)
{
    type({{"P1", "123-456-78-90"}, {"P4", "05-2006"}});
    EXPECT_EQ(text("NIP"), "1234567890");
    EXPECT_EQ(text("MC"), "05");

    type({{"P11", "krakowski"}});
    EXPECT_EQ(text("P12"), "krakowski");
    EXPECT_EQ(text("P16"), "krakowski");
    type({{"P11", "wielicki"}});
    EXPECT_EQ(text("P12"), "krakowski"); // a filled field is kept
    EXPECT_EQ(text("P16"), "krakowski");

    type({{"P5", "Urząd Skarbowy Kraków-Podgórze"}});
    dane->TPARA.first();
    EXPECT_EQ(dane->TPARA.field("US").asString(), "Urząd Skarbowy Kraków-Podgórze");
    EXPECT_FALSE(dane->TPARA.isEditing());
}

TEST_F(DeclarationRules, WithoutConstantsTheTaxKeepsItsValue)
{
    type({{"P47", "123"}});
    dane->TSTALE.close();
    type({{"P46", "30000"}});
    EXPECT_EQ(amount("P47"), zl("123"));
}

class FlatRateRules : public DeclarationRules {
protected:
    void SetUp() override
    {
        DeclarationRules::SetUp();
        dek().cancel();
        addTaxpayer({.flatRate = true});
        dek().insert();
    }
};

TEST_F(FlatRateRules, FlatRateHasNoReducingAmount)
{
    EXPECT_EQ(taxOf("30000"), zl("5700"));
    setConstant(25, "WARTOSC", "18,5");
    EXPECT_EQ(taxOf("30001"), zl("5550,19"));
}

TEST_F(FlatRateRules, MissingFlatRateIsTakenFromTheFirstScaleRateAndKept)
{
    removeConstant(25);
    setConstant(8, "WARTOSC", "18");
    EXPECT_EQ(taxOf("10000"), zl("1800"));
    Cursor &constants = dane->TSTALE;
    ASSERT_TRUE(constants.findKey({25}));
    EXPECT_EQ(constants.field("NAZWA").asString(), "Stawka podatku liniowego");
    EXPECT_EQ(constants.field("JM").asString(), "%");
    EXPECT_EQ(constants.field("WARTOSC").asCurrency(), zl("18"));
    EXPECT_EQ(constants.field("DATA").asString(), "2019.05.10");
}

TEST_F(FlatRateRules, WithoutAnyRateNineteenPercentIsKept)
{
    removeConstant(25);
    removeConstant(8);
    // The constants window's guard against new records does not stop the rule's own record.
    setConstantsInsertGuard(*dane, true);
    EXPECT_EQ(taxOf("10000"), zl("1900"));
    ASSERT_TRUE(dane->TSTALE.findKey({25}));
    EXPECT_EQ(dane->TSTALE.field("WARTOSC").asCurrency(), zl("19"));

    const int records = dane->TSTALE.recordCount();
    dane->TSTALE.insert();
    EXPECT_FALSE(dane->TSTALE.isEditing());
    EXPECT_EQ(dane->TSTALE.recordCount(), records);
    setConstantsInsertGuard(*dane, false);
    dane->TSTALE.insert();
    EXPECT_TRUE(dane->TSTALE.isEditing());
    dane->TSTALE.cancel();
}

TEST_F(FlatRateRules, ATaxNoAmountHoldsIsRefusedNamingItsFieldAndTheDeclarationStaysAsItWas)
{
    EXPECT_EQ(taxOf("30000"), zl("5700"));
    setConstant(25, "WARTOSC", "99999999999,99");
    const auto refusedNaming = [this](const char *base, const QString &message) {
        try {
            type({{"P46", base}});
            ADD_FAILURE() << "the tax of " << base << " was calculated";
        } catch (const DbError &failure) {
            EXPECT_EQ(failure.message(), message);
        }
        EXPECT_EQ(amount("P46"), zl("30000"));
        EXPECT_EQ(amount("P47"), zl("5700"));
    };
    // Beyond the 64 bits of an amount.
    refusedNaming("99999999999", "Nie można obliczyć pola P47: wynik jest poza zakresem, jaki może "
                                 "mieć kwota. Polecenie przerwano.");
    // Within them, but beyond what the tax box may hold.
    refusedNaming("1000", "Kwota 999999999999,90 zł w polu P47 jest poza dopuszczalnym zakresem "
                          "od -99 999 999 999,99 do 99 999 999 999,99 zł.");
}
