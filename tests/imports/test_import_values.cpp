// The values an import computes before it writes anything: keys, columns, amounts by
// register and VAT deduction share, and the rows of one invoice.

#include "imports/import_key.h"
#include "imports/import_rows.h"
#include "imports/position_amount.h"
#include "platform/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

Money zl(const char *text)
{
    return *Money::parse(QString::fromLatin1(text));
}

InvoicePosition position(const char *registerCode, const char *net, const char *vat,
                         const char *gross, const char *declarationCode = "")
{
    return {QString::fromLatin1(registerCode), QStringLiteral("KOL13"), QString::fromLatin1(declarationCode),
            zl(net), zl(vat), zl(gross)};
}

} // namespace

TEST(ImportKey, InvoiceKeysKeepTwentyOneSignsAndTheMonthInPlace)
{
    const QString key = InvoiceImportKey("SB", "2019", "05", 15, 1);
    EXPECT_EQ(key, "SB  /2019/05/0015/001");
    EXPECT_EQ(key.size(), InvoiceKeyLength);
    EXPECT_EQ(InvoiceImportKey("ABCDEF", "19", "12", 12345, 500), "ABCD/19  /12/####/500")
        << "a long register code is cut, a short year padded, a number too wide shows hashes";
    EXPECT_EQ(InvoiceImportKey("SB", "2019", "05", 12345, 1).size(), InvoiceKeyLength);

    EXPECT_TRUE(KeyOfAnotherMonth("SB  /2019/04/0015/001", "05"));
    EXPECT_FALSE(KeyOfAnotherMonth("SB  /2019/05/0015/001", "05"));
    EXPECT_FALSE(KeyOfAnotherMonth("SB hand made key", "05")) << "no slash at sign 13";
}

TEST(ImportKey, VehicleAndDepreciationKeys)
{
    EXPECT_EQ(VehicleImportKey(7, "05", "2019"), "SAM 07 05.2019");
    EXPECT_EQ(VehicleImportKey(99, "05", "2019"), "SAM 99 05.2019");
    EXPECT_EQ(VehicleImportKey(100, "05", "2019"), "SAM ## 05.2019");
    EXPECT_EQ(VehicleImportKey(-1, "05", "2019"), "SAM ## 05.2019");
    EXPECT_EQ(DepreciationImportKey("12", "2019"), "AMOR 12.2019");
    EXPECT_EQ(FixedWidthNumber(-5, 4), "-005");
}

TEST(PositionAmount, ColumnIsEveryDigitOfAKolAccount)
{
    EXPECT_EQ(PositionColumn("KOL10"), 10);
    EXPECT_EQ(PositionColumn("KOL 1-3"), 13);
    EXPECT_EQ(PositionColumn("KOL"), 0);
    EXPECT_EQ(PositionColumn("KOL99999999999999999999"), 0) << "no column, and no overflow";
    EXPECT_FALSE(PositionColumn("kol10").has_value());
    EXPECT_FALSE(PositionColumn("MAG10").has_value());
}

TEST(PositionAmount, SalesRegistersBookNetVatOrGrossByTheirLetter)
{
    const InvoicePosition sale = position("S", "100,00", "23,00", "123,00");
    EXPECT_EQ(PositionAmount("SB", sale), zl("100"));
    EXPECT_EQ(PositionAmount("W1", position("W1", "100,00", "23,00", "123,00")), zl("23"));
    EXPECT_EQ(PositionAmount("X1", position("X1", "100,00", "23,00", "123,00")), zl("100"));
    EXPECT_EQ(PositionAmount("ZA", position("ZA", "100,00", "23,00", "123,00")), zl("123"))
        << "a Z register books gross";
    EXPECT_EQ(PositionAmount("DK", position("DK", "100,00", "23,00", "123,00", "VPN0")), zl("100"))
        << "a D register books net whatever the code";
}

TEST(PositionAmount, PurchaseRegisterAddsTheVatTheFirmMayNotDeduct)
{
    EXPECT_EQ(VatDeductionShare("CS", "VPN5"), 50);
    EXPECT_EQ(VatDeductionShare("CS", "VPN0"), 0);
    EXPECT_EQ(VatDeductionShare("CS", "VXP1"), 100);
    EXPECT_EQ(VatDeductionShare("CS", " D.4 3"), 100) << "D.43 counts as VXP1, blanks aside";
    EXPECT_EQ(VatDeductionShare("CS", "  "), 100);
    EXPECT_EQ(VatDeductionShare("CS", "F.10"), 0);
    EXPECT_EQ(VatDeductionShare("CS", "C.32"), 0);
    EXPECT_EQ(VatDeductionShare("CS", "C.40"), 100);
    EXPECT_EQ(VatDeductionShare("DK", "VPN0"), 100);

    // (243,90 + 28,06 rounded half to the grosz from 28,055) × 0,75 kept to 1/10000 zł.
    EXPECT_EQ(PositionAmount("CS", position("CS", "243,90", "56,11", "300,01", "VPN5")), zl("203,97"));
    EXPECT_EQ(PositionAmount("CS", position("CS", "0,01", "0,01", "0,02", "VPN5")), zl("0,015"))
        << "half of one grosz rounds up to a grosz, three quarters of two grosze are kept";
    EXPECT_EQ(PositionAmount("CS", position("CS", "-100,00", "-0,03", "-100,03", "VPN5")),
              zl("-75,0150")) << "a correction rounds away from zero too";
    EXPECT_EQ(PositionAmount("CS", position("CS", "100,00", "23,00", "123,00", "VPN0")), zl("123"));
    EXPECT_EQ(PositionAmount("CS", position("CS", "100,00", "23,00", "123,00", "D.43")), zl("100"));
    EXPECT_EQ(PositionAmount("CS", position("CS", "100,00", "23,00", "123,00", "S.11")), zl("100"))
        << "a sales code of the purchase register books the plain amount";
    EXPECT_EQ(PositionAmount("CS", position("CS", "100,00", "23,00", "123,00", "S.30")), zl("123"));
}

TEST(PositionAmount, SummaryTakesTheExchangeRateToFourDecimals)
{
    EXPECT_EQ(SummaryAmount(position("SB", "100,01", "23,00", "123,01"), zl("4,3123")), zl("431,2731"));
    EXPECT_EQ(SummaryAmount(position("SB", "0,03", "0", "0,03"), zl("0,5")), zl("0,015"));
    EXPECT_EQ(SummaryAmount(position("SB", "100", "23", "123"), Money()), zl("100"));
    EXPECT_EQ(SummaryAmount(position("SB", "100", "23", "123"), zl("-1")), zl("100"));
    EXPECT_EQ(SummaryAmount(position("W1", "100", "23", "123"), zl("2")), zl("46"));
}

TEST(ImportRows, CollapseKeepsTheFirstRowsWordsAndEveryAmount)
{
    ScriptedPrompter prompter;
    ImportRows rows;
    rows.add(8, "Refaktura", zl("10"), prompter);
    rows.add(7, "Kwiaty cięte w bukietach po trzydzieści znaków", zl("100"), prompter);
    rows.add(9, "Kolumna bez pola", zl("5"), prompter);
    rows.add(15, "Inne", zl("3"), prompter);
    ASSERT_EQ(rows.rows().size(), 4);
    EXPECT_EQ(rows.rows()[1].name, "Kwiaty cięte w bukietach po tr");
    EXPECT_EQ(rows.rows()[2].description, "") << "a column the ledger has no slot for";
    EXPECT_EQ(rows.rows()[3].amounts[size_t(Slot::K16)], zl("3")) << "column 15 goes to K16";
    rows.collapse();
    ASSERT_EQ(rows.rows().size(), 1);
    const ImportRow &row = rows.rows().first();
    EXPECT_EQ(row.description, "Sprzedaż pozostała");
    EXPECT_EQ(row.name, "Refaktura");
    EXPECT_EQ(row.amounts[size_t(Slot::K7)], zl("100"));
    EXPECT_EQ(row.amounts[size_t(Slot::K8)], zl("10"));
    EXPECT_EQ(row.amounts[size_t(Slot::K16)], zl("3"));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST(ImportRows, TheFiveHundredAndFirstPositionIsReportedAndTakesTheLastRow)
{
    ScriptedPrompter prompter;
    ImportRows rows;
    for (int i = 1; i <= ImportRowLimit + 2; ++i)
        rows.add(13, QString::number(i), zl("1"), prompter);
    ASSERT_EQ(rows.rows().size(), ImportRowLimit);
    EXPECT_EQ(rows.rows().last().name, QString::number(ImportRowLimit + 2));
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages().first().text, ImportRowLimitText);
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Warning);
}
