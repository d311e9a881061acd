#include "print/polish_letters.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray windows1250(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray result;
    for (unsigned char value : values)
        result.append(static_cast<char>(value));
    return result;
}

} // namespace

TEST(ConvertPolishLetters, TheWindowsColumnIsTheWindows1250Coding)
{
    const QString letters = QStringLiteral("ąĄćĆęĘłŁóÓźŹżŻńŃśŚ");
    const QByteArray encoded = windows1250(letters);
    ASSERT_EQ(encoded.size(), qsizetype(PolishLetterTable.size()));
    for (std::size_t row = 0; row < PolishLetterTable.size(); ++row)
        EXPECT_EQ(static_cast<unsigned char>(encoded.at(row)), PolishLetterTable[row][PolishWindows1250])
            << int(letters.at(row).unicode());
}

TEST(ConvertPolishLetters, FromWindows1250ToEachPrinterCoding)
{
    const QByteArray text = windows1250(QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ 12,50 zł"));
    EXPECT_EQ(ConvertPolishLetters(text, 30), "Zazolc gesla jazn LODZ 12,50 zl");

    EXPECT_EQ(ConvertPolishLetters(windows1250(QStringLiteral("Łódź")), 31),
              bytes({0x9C, 0xA2, 0x64, 0xA6}));
    EXPECT_EQ(ConvertPolishLetters(windows1250(QStringLiteral("Łódź")), 32),
              bytes({0x9D, 0xA2, 0x64, 0xAB}));
    EXPECT_EQ(ConvertPolishLetters(windows1250(QStringLiteral("ŚĆŻ")), 32),
              bytes({0x97, 0x8F, 0xBD}));
}

TEST(ConvertPolishLetters, RoundTripsBetweenCodingsAndLaterRowsWinOnSharedBytes)
{
    const QByteArray all = windows1250(QStringLiteral("ąĄćĆęĘłŁóÓźŹżŻńŃśŚ"));
    EXPECT_EQ(ConvertPolishLetters(ConvertPolishLetters(all, 31), 13), all);
    EXPECT_EQ(ConvertPolishLetters(ConvertPolishLetters(all, 32), 23), all);
    // plain "z" stands for both ź and ż; the later row, ż, is the one taken
    EXPECT_EQ(ConvertPolishLetters("zZ", 3), bytes({0xBF, 0xAF}));
}

TEST(ConvertPolishLetters, CodesNamingNoCodingLeaveTheText)
{
    const QByteArray text = windows1250(QStringLiteral("żółw"));
    EXPECT_EQ(ConvertPolishLetters(text, 33), text);
    EXPECT_EQ(ConvertPolishLetters(text, 34), text);
    EXPECT_EQ(ConvertPolishLetters(text, 40), text);
    EXPECT_EQ(ConvertPolishLetters(text, -30), text);
    EXPECT_EQ(ConvertPolishLetters(QByteArray(), 31), QByteArray());
}
