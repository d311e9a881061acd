#include "platform/code_pages.h"

#include "platform/db_error.h"

#include <gtest/gtest.h>

TEST(CodePages, Windows1250CarriesPolishLettersBothWays)
{
    QStringEncoder encoder = CodePageEncoder("windows-1250");
    const QByteArray bytes = encoder.encode(QStringLiteral("Łódź ąę"));
    EXPECT_EQ(bytes, QByteArray("\xA3\xF3" "d\x9F \xB9\xEA"));
    QStringDecoder decoder = CodePageDecoder("windows-1250");
    EXPECT_EQ(QString(decoder.decode(bytes)), QStringLiteral("Łódź ąę"));
}

TEST(CodePages, AMissingCodePageIsRefusedInPolishInsteadOfWritingQuestionMarks)
{
    const QString expected = QStringLiteral("Brak strony kodowej x-brak-strony.\rTekstu z polskimi "
                                            "literami nie można zapisać ani odczytać w tym kodowaniu.");
    EXPECT_EQ(MissingCodePageMessage("x-brak-strony"), expected);
    try {
        CodePageEncoder("x-brak-strony");
        ADD_FAILURE() << "an encoder for a code page Qt does not know";
    } catch (const DbError &failure) {
        EXPECT_EQ(failure.message(), expected);
    }
    EXPECT_THROW(CodePageDecoder("x-brak-strony"), DbError);
}
