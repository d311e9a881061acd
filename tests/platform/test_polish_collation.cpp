#include "platform/polish_collation.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

static QStringList sortedPolish(QStringList words, LetterCase letterCase)
{
    std::stable_sort(words.begin(), words.end(), [&](const QString &a, const QString &b) {
        return comparePolish(a, b, letterCase) < 0;
    });
    return words;
}

TEST(PolishCollation, OrdersTheAlphabetWithPolishLettersAfterTheirBase)
{
    const QStringList expected = {"Adam", "Ądam", "Bąk", "Cebula", "Ćma", "Lato", "Łata",
                                  "Nowak", "Ńa", "Osa", "Óra", "Sowa", "Śliwa", "Zawada",
                                  "Źrebię", "Żaba"};
    QStringList shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    EXPECT_EQ(sortedPolish(shuffled, LetterCase::Sensitive), expected);
}

TEST(PolishCollation, PutsSignsBeforeDigitsBeforeLetters)
{
    const QStringList expected = {" spacja", "-myślnik", "0zero", "9", "a", "z"};
    EXPECT_EQ(sortedPolish({"z", "9", "a", "0zero", "-myślnik", " spacja"}, LetterCase::Sensitive),
              expected);
    EXPECT_LT(comparePolish(u"ab", u"abc", LetterCase::Sensitive), 0);
}

TEST(PolishCollation, LetterCaseMattersOnlyWhenAsked)
{
    EXPECT_NE(comparePolish(u"abc", u"ABC", LetterCase::Sensitive), 0);
    EXPECT_EQ(comparePolish(u"abc", u"ABC", LetterCase::Insensitive), 0);
    EXPECT_EQ(comparePolish(u"źdźbło", u"ŹDŹBŁO", LetterCase::Insensitive), 0);
    // Case never outweighs a letter: "ABD" follows "abc" either way.
    EXPECT_LT(comparePolish(u"abc", u"ABD", LetterCase::Sensitive), 0);
    EXPECT_LT(comparePolish(u"ABC", u"abd", LetterCase::Sensitive), 0);
}

TEST(PolishCollation, ForeignAccentsSortWithTheirBaseLetter)
{
    EXPECT_LT(comparePolish(u"Müller", u"Mz", LetterCase::Sensitive), 0);
    EXPECT_GT(comparePolish(u"Müller", u"Mu", LetterCase::Sensitive), 0);
    EXPECT_NE(comparePolish(u"Müller", u"Muller", LetterCase::Insensitive), 0);
}

TEST(PolishCollation, Utf8AndUtf16AgreeOnEveryPair)
{
    const QStringList words = {"a", "A", "ą", "Ą", "ł", "L", "żółw", "Żółw", "zolw", "1", "",
                               "€uro", "naïve", "ß"};
    for (const QString &a : words) {
        for (const QString &b : words) {
            const QByteArray ua = a.toUtf8();
            const QByteArray ub = b.toUtf8();
            for (LetterCase letterCase : {LetterCase::Sensitive, LetterCase::Insensitive}) {
                const int utf16 = comparePolish(a, b, letterCase);
                const int utf8 = comparePolishUtf8(ua.constData(), int(ua.size()), ub.constData(),
                                                   int(ub.size()), letterCase);
                EXPECT_EQ((utf16 > 0) - (utf16 < 0), (utf8 > 0) - (utf8 < 0))
                    << a.toStdString() << " vs " << b.toStdString();
            }
        }
    }
}
