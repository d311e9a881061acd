#include "maintenance/tab_separated_text.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray windows1250(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

} // namespace

TEST(TabSeparatedText, EveryValueEndsAtATabAndWhatFollowsTheLastIsIgnored)
{
    EXPECT_EQ(TabSeparatedValues(u"1\tKowalski\t"), (QStringList{"1", "Kowalski"}));
    EXPECT_EQ(TabSeparatedValues(u"1\tKowalski"), (QStringList{"1"}));
    EXPECT_EQ(TabSeparatedValues(u"\t\tx\t\r"), (QStringList{"", "", "x"}));
    EXPECT_TRUE(TabSeparatedValues(u"bez tabulatora").isEmpty());
}

TEST(TabSeparatedText, LinesAreNumberedInTheFileAndEmptyOnesSkipped)
{
    const TabSeparatedText text = ReadTabSeparatedText(
        windows1250("NR\tNAZWA1\t\r\n1\tŁódź Żółć\t\r\n\r\n3\t\t\r\nśmieć bez tabulatora\n4\t"));
    EXPECT_EQ(text.header, (QStringList{"NR", "NAZWA1"}));
    ASSERT_EQ(text.lines.size(), 3);
    EXPECT_EQ(text.lines[0].number, 2);
    EXPECT_EQ(text.lines[0].values, (QStringList{"1", "Łódź Żółć"}));
    EXPECT_EQ(text.lines[1].number, 4);
    EXPECT_EQ(text.lines[1].values, (QStringList{"3", ""}));
    EXPECT_EQ(text.lines[2].number, 6) << "a last line without CR LF still counts";

    EXPECT_TRUE(ReadTabSeparatedText(QByteArray()).header.isEmpty());
    EXPECT_TRUE(ReadTabSeparatedText(QByteArray("\x00\xff\t\n", 4)).lines.isEmpty());
}

TEST(TabSeparatedText, CodingIsToldFromTheBytes)
{
    EXPECT_EQ(GuessTextCoding("NR\tNIP\t\r\n"), TextCoding::Windows1250);
    EXPECT_EQ(GuessTextCoding(windows1250("Zażółć gęślą jaźń „cytat” ŁÓDŹ")), TextCoding::Windows1250);
    EXPECT_EQ(GuessTextCoding(QStringLiteral("Zażółć gęślą jaźń").toUtf8()), TextCoding::Utf8);
    EXPECT_EQ(GuessTextCoding("\xEF\xBB\xBFNR\t"), TextCoding::Utf8) << "a UTF-8 byte order mark";
    EXPECT_EQ(GuessTextCoding(QByteArray("N\0R\0", 4)), TextCoding::Other) << "UTF-16";
    EXPECT_EQ(GuessTextCoding("Kod \x98 nieprzypisany"), TextCoding::Other);
}

TEST(TabSeparatedText, LinesAreWrittenWithTabsCrLfAndWindows1250)
{
    TabSeparatedLineWriter writer;
    bool lossy = false;
    EXPECT_EQ(writer.line({"1", "Ala\tma\r\nkota", "Łódź", ""}, lossy),
              windows1250("1\tAla:makota\tŁódź\t\t\r\n"));
    EXPECT_FALSE(lossy);
    EXPECT_EQ(writer.line({}, lossy), "\r\n");

    EXPECT_EQ(writer.line({"Ж😀ą"}, lossy), QByteArray("??\xB9\t\r\n"));
    EXPECT_TRUE(lossy);
    lossy = false;
    EXPECT_EQ(writer.line({"€"}, lossy), QByteArray("\x80\t\r\n")) << "the euro sign has a code";
    EXPECT_FALSE(lossy);
}
