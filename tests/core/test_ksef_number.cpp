#include "core/ksef_number.h"

#include <gtest/gtest.h>

// Numbers whose check digits were worked out apart from this program.
TEST(KsefNumber, ValidNumbersAreKeptInTheirShortForm)
{
    EXPECT_EQ(StoredKsefNumber("5265877635-20260115-0100001AF629-33"),
              QString("5265877635-20260115-0100001AF629-33"));
    EXPECT_EQ(StoredKsefNumber("1234567890-20260301-ABCDEF012345-66"),
              QString("1234567890-20260301-ABCDEF012345-66"));
    EXPECT_EQ(StoredKsefNumber("  9999999999-20261231-00000000000F-FA "),
              QString("9999999999-20261231-00000000000F-FA"));
    EXPECT_EQ(StoredKsefNumber("1234567890-20260301-ABCDEF-012345-66"),
              QString("1234567890-20260301-ABCDEF012345-66"))
        << "the long form is stored as 35 characters";
    EXPECT_EQ(StoredKsefNumber(""), QString());
    EXPECT_EQ(StoredKsefNumber("   "), QString());
}

TEST(KsefNumber, WrongNumbersAreRefused)
{
    for (const char *wrong : {
             "1234567890-20260301-ABCDEF012345-67",  // check digits
             "1234567890-20260301-ABCDEF012345-6",   // too short
             "1234567890-20260301-ABCDEF012345-666", // too long
             "1234567890-20260301-abcdef012345-66",  // lower-case hexadecimal
             "1234567890-20260301-ABCDEF012345-6a",
             "5265877635-20260230-0100001AF629-33",  // 30 February
             "5265877635-20261301-0100001AF629-33",  // month 13
             "526587763X-20260115-0100001AF629-33",  // tax number not digits
             "1234567890-20260301-ABCDE-F012345-66", // hyphen not between the halves
             "1234567890-20260301ABCDEF012345-66-",
             "1234567890-20260301-ABCDEG012345-66",
             "1234567890-20260301-ABCDEF012345-66\u0105",
         }) {
        EXPECT_FALSE(StoredKsefNumber(QString::fromUtf8(wrong))) << wrong;
    }
}
