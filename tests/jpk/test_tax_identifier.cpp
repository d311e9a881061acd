#include "jpk/tax_identifier.h"
#include "jpk/tax_offices.h"

#include <gtest/gtest.h>

TEST(TaxIdentifier, TwoLettersInFrontAreTheCountryElseItIsPolish)
{
    const auto german = ContractorTaxIdentifier("DE123456789");
    ASSERT_TRUE(german);
    EXPECT_EQ(german->country, "DE");
    EXPECT_EQ(german->number, "123456789");
    const auto polish = ContractorTaxIdentifier(" 526-000-12 46");
    ASSERT_TRUE(polish);
    EXPECT_EQ(polish->country, "PL");
    EXPECT_EQ(polish->number, "5260001246");
    const auto prefixed = ContractorTaxIdentifier("pl 526-000-12-46");
    ASSERT_TRUE(prefixed);
    EXPECT_EQ(prefixed->country, "PL");
    EXPECT_EQ(prefixed->number, "5260001246");
    EXPECT_EQ(ContractorTaxIdentifier("ATU12345678")->number, "U12345678");
    EXPECT_FALSE(ContractorTaxIdentifier(""));
    EXPECT_FALSE(ContractorTaxIdentifier(" - "));
    EXPECT_FALSE(ContractorTaxIdentifier("DE")) << "a country without an identifier is none";
}

TEST(TaxOffices, CodeAtTheStartOrTheNameInTheSchemasList)
{
    const QString schema = QStringLiteral(KSIEGA_JPK_SCHEMA_DIR);
    EXPECT_EQ(TaxOfficeCodeFor("1471 Urząd Skarbowy Warszawa-Ursynów", schema), "1471");
    EXPECT_EQ(TaxOfficeCodeFor("  urząd   skarbowy w bolesławcu ", schema), "0202");
    EXPECT_EQ(TaxOfficeCodeFor("Pierwszy Urząd Skarbowy Warszawa-Śródmieście", schema), "1435");
    EXPECT_EQ(TaxOfficeCodeFor("14712 Urząd", schema), "") << "five digits are no code";
    EXPECT_EQ(TaxOfficeCodeFor("Urząd Skarbowy", schema), "");
    EXPECT_EQ(TaxOfficeCodeFor("", schema), "");
    EXPECT_TRUE(KnownTaxOfficeCode("0202", schema));
    EXPECT_FALSE(KnownTaxOfficeCode("0201", schema));
    EXPECT_FALSE(KnownTaxOfficeCode("0202", "/nie/ma/schematu"));
}
