#include "platform/polish_collation.h"
#include "table_fixture.h"

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

static int sign(int comparison)
{
    return (comparison > 0) - (comparison < 0);
}

// Signs of every script (quotes, dashes, currency, emoji, U+FFFD) before the digits, the
// Polish alphabet with foreign accents beside their base letter, then every other letter and
// code point in code point order, the neighbours of U+F818 and U+FFFF and the planes above
// included.
static const QStringList GoldenOrder = {
    " Spacja", "-myślnik", "«Jodełka»", "–Półpauza", "„Cudzysłów”", "€uro", "\uFFFD",
    "😀 Uśmiech", "007 Agent", "1. Pozycja", "9", "Adam", "Ärger", "Ądam", "Bąk", "Čapek",
    "Cebula", "Ćma", "Lato", "Łata", "Muller", "Müller", "Nowak", "Ńa", "Osa", "Öztürk", "Óra",
    "Šimon", "Strasse", "Straße", "Śliwa", "Zawada", "Žižka", "Źrebię", "Żaba", "Борис",
    "Иванов", "北京", "東京", "\uF817", "\uF818", "\uF819", "\uFFFE", "\uFFFF", "𐀀", "𠀀"};

TEST(PolishCollation, GoldenListKeepsItsOrderWithAndWithoutCase)
{
    QStringList reversed = GoldenOrder;
    std::reverse(reversed.begin(), reversed.end());
    for (LetterCase letterCase : {LetterCase::Sensitive, LetterCase::Insensitive}) {
        EXPECT_EQ(sortedPolish(reversed, letterCase), GoldenOrder);
        for (int i = 0; i < GoldenOrder.size(); ++i)
            for (int j = 0; j < GoldenOrder.size(); ++j)
                EXPECT_EQ(sign(comparePolish(GoldenOrder[i], GoldenOrder[j], letterCase)),
                          sign(i - j))
                    << GoldenOrder[i].toStdString() << " vs " << GoldenOrder[j].toStdString();
    }
}

TEST(PolishCollation, OrdersTheAlphabetWithPolishLettersAfterTheirBase)
{
    const QStringList expected = {"Adam", "Ądam", "Bąk", "Cebula", "Ćma", "Dom", "Ela", "Ęki",
                                  "Lato", "Łata", "Nowak", "Ńa", "Osa", "Óra", "Sowa", "Śliwa",
                                  "Zawada", "Źrebię", "Żaba"};
    QStringList shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    EXPECT_EQ(sortedPolish(shuffled, LetterCase::Sensitive), expected);
    EXPECT_LT(comparePolish(u"ab", u"abc", LetterCase::Sensitive), 0);
}

TEST(PolishCollation, LetterCaseMattersOnlyWhenAsked)
{
    EXPECT_LT(comparePolish(u"abc", u"ABC", LetterCase::Sensitive), 0);
    // Case never outweighs a letter: "ABD" follows "abc" either way.
    EXPECT_LT(comparePolish(u"abc", u"ABD", LetterCase::Sensitive), 0);
    EXPECT_LT(comparePolish(u"ABC", u"abd", LetterCase::Sensitive), 0);
    const std::pair<const char16_t *, const char16_t *> caseVariants[] = {
        {u"abc", u"ABC"},       {u"źdźbło", u"ŹDŹBŁO"}, {u"Ärger", u"ärger"},
        {u"иванов", u"ИВАНОВ"}, {u"αθηνα", u"ΑΘΗΝΑ"},   {u"straße", u"STRAẞE"},
        {u"k", u"\u212A"}, // the Kelvin sign is a capital K
    };
    for (const auto &[lower, upper] : caseVariants) {
        EXPECT_EQ(comparePolish(lower, upper, LetterCase::Insensitive), 0)
            << QString::fromUtf16(upper).toStdString();
        EXPECT_NE(comparePolish(lower, upper, LetterCase::Sensitive), 0)
            << QString::fromUtf16(upper).toStdString();
    }
}

// Texts that differ in anything but letter case never compare equal: an index keeps them
// apart and a search finds only what was typed. Some of these pairs were equal before.
TEST(PolishCollation, EqualOnlyForTheSameText)
{
    const QStringList distinct = {"Kíra",   "Kĭra",   "Kira",   "İstanbul", "Istanbul",
                                  "ß",      "ss",     "Müller", "Muller",   "\uF818",
                                  "\uF819", "\uFFFF", "😀",     "😁",       "\uFFFD",
                                  "Ø",      "O",      "ǅ",      "Ǆ",        "ǆ"};
    for (int i = 0; i < distinct.size(); ++i) {
        for (int j = 0; j < distinct.size(); ++j) {
            const int sensitive = comparePolish(distinct[i], distinct[j], LetterCase::Sensitive);
            EXPECT_EQ(sensitive == 0, i == j)
                << distinct[i].toStdString() << " vs " << distinct[j].toStdString();
            EXPECT_EQ(sign(sensitive),
                      -sign(comparePolish(distinct[j], distinct[i], LetterCase::Sensitive)));
        }
    }
    for (const char *same : {"Kíra", "ss", "\uF818", "😀", "Ø"})
        EXPECT_EQ(comparePolish(QString::fromUtf8(same), QString::fromUtf8(same),
                                LetterCase::Sensitive),
                  0);
    EXPECT_NE(comparePolish(u"Müller", u"Muller", LetterCase::Insensitive), 0);
    EXPECT_NE(comparePolish(u"Kíra", u"Kĭra", LetterCase::Insensitive), 0);
    EXPECT_NE(comparePolish(u"\uF818", u"\uF819", LetterCase::Insensitive), 0);
    EXPECT_EQ(comparePolish(u"ǅ", u"ǆ", LetterCase::Insensitive), 0);
    EXPECT_EQ(comparePolish(u"Ø", u"ø", LetterCase::Insensitive), 0);
}

TEST(PolishCollation, Utf8AndUtf16AgreeOnEveryPair)
{
    QStringList words = {"a", "A", "ą", "Ą", "ł", "L", "żółw", "Żółw", "zolw", "1", "",
                         "€uro", "naïve", "ß", "ẞ", "\u212A", "k"};
    words += GoldenOrder;
    for (const QString &a : words) {
        for (const QString &b : words) {
            const QByteArray ua = a.toUtf8();
            const QByteArray ub = b.toUtf8();
            for (LetterCase letterCase : {LetterCase::Sensitive, LetterCase::Insensitive}) {
                const int utf8 = comparePolishUtf8(ua.constData(), int(ua.size()), ub.constData(),
                                                   int(ub.size()), letterCase);
                EXPECT_EQ(sign(comparePolish(a, b, letterCase)), sign(utf8))
                    << a.toStdString() << " vs " << b.toStdString();
            }
        }
    }
}

// Another program may store bytes that are not UTF-8 in a text column; each such byte weighs
// on its own, so that no two different byte strings collide in a unique index.
TEST(PolishCollation, MalformedUtf8NeverEqualsAnotherText)
{
    const QList<QByteArray> texts = {QByteArray("\x80", 1), QByteArray("\x81", 1),
                                     QByteArray("\x01", 1), QByteArray("\xC0\x80", 2),
                                     QByteArray("\0", 1),   QByteArray("\xC4", 1),
                                     QByteArray("\xC4\x85", 2), // ą
                                     QByteArray("\xED\xA0\x80", 3), QByteArray("\xF4\x90\x80\x80", 4),
                                     QByteArray("\xEF\xBF\xBF", 3)};
    for (int i = 0; i < texts.size(); ++i)
        for (int j = 0; j < texts.size(); ++j)
            for (LetterCase letterCase : {LetterCase::Sensitive, LetterCase::Insensitive})
                EXPECT_EQ(comparePolishUtf8(texts[i].constData(), int(texts[i].size()),
                                            texts[j].constData(), int(texts[j].size()), letterCase)
                              == 0,
                          i == j)
                    << i << " vs " << j;
}

using PolishIndexes = TableTest;

// Through the engine: the index walks in the golden order, and a unique index takes names
// that differ only in characters above U+F818.
TEST_F(PolishIndexes, TextIndexWalksTheGoldenOrderAndKeepsNamesApart)
{
    TableDef definition;
    definition.fields = {{"NAZWA", FieldType::Text, 40, false}};
    definition.indexes = {{QString(), {"NAZWA"}, true, true, false, false},
                          {"NAZWAinx", {"NAZWA"}, false, true, true, false}};
    createTable(path("NAZWY"), definition);
    Cursor names(session, "TNAZWY");
    names.setTableName(path("NAZWY"));
    names.open();
    const auto addName = [&](const QString &name) {
        names.append();
        names.field("NAZWA").setAsString(name);
        names.post();
    };
    // Signs, then the private-use and last code points: all after "Firma " and before "Lato".
    const QStringList firms = {"Firma 😀", "Firma 😁", "Firma \uF818", "Firma \uF819",
                               "Firma \uFFFF"};
    for (int i = int(GoldenOrder.size()) - 1; i >= 0; --i)
        addName(GoldenOrder[i]);
    for (const QString &firm : firms)
        addName(firm);
    EXPECT_THROW(addName("Firma \uF818"), DbError);
    names.cancel();
    EXPECT_THROW(addName("ŻABA"), DbError); // the case-insensitive unique index
    names.cancel();

    QStringList expected = GoldenOrder;
    for (int i = 0; i < firms.size(); ++i)
        expected.insert(int(GoldenOrder.indexOf("Lato")) + i, firms[i]);
    for (const QString &index : {QString(), QStringLiteral("NAZWAinx")}) {
        names.setIndexName(index);
        QStringList walked;
        for (names.first(); !names.eof(); names.next())
            walked << names.field("NAZWA").asString();
        EXPECT_EQ(walked, expected) << index.toStdString();
        EXPECT_TRUE(names.findKey({firms[3]}));
        EXPECT_EQ(names.field("NAZWA").asString(), firms[3]);
    }
}
