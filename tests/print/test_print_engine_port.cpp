// The line printer on a port: control bytes, margins, page breaks and page length.

#include "print_fixture.h"

using PortOutput = EngineTest;

static const QByteArray Reset("\x14\x12");
static const QByteArray Condensed("\x0F");
static const QByteArray Normal("\x14\x12");
static const QByteArray Wide("\x12\x0E");

TEST_F(PortOutput, PageBreakCodeFeedsAFormAndDropsItsText)
{
    engine.Port = drLPT2;
    printDirect(drDOS, {"&WNie drukowane", "Dalej"});
    EXPECT_EQ(fileLines("LPT2"), (QList<QByteArray>{"\x0C", Reset + Condensed + "Dalej"}));
    EXPECT_EQ(engine.Strona, 1);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(PortOutput, PitchCodesStayInForceUntilChanged)
{
    engine.MarL = 3;
    printDirect(drDOS, {"Pierwsza", "&G&NDruga", "Trzecia", "&RSzeroka", "&GWąska"});
    EXPECT_EQ(fileLines("LPT1"),
              (QList<QByteArray>{Reset + "   " + Condensed + "Pierwsza",
                                 Reset + "   " + Normal + "Druga",
                                 Reset + "   " + Normal + "Trzecia",
                                 Reset + "   " + Wide + "Szeroka",
                                 Reset + "   " + Condensed + "Waska"}));
}

TEST_F(PortOutput, CondensedKindForcesCondensedOnEveryLine)
{
    engine.Rodzaj = drGESTY;
    printDirect(drDOS, {"&NJeden", "&RDwa", "Trzy"});
    for (const QByteArray &line : fileLines("LPT1"))
        EXPECT_TRUE(line.startsWith(Reset + Condensed)) << line.toStdString();
}

TEST_F(PortOutput, PolishLettersFollowTheChosenCoding)
{
    const QList<QPair<TPL, QByteArray>> cases = {
        {drBRAK, "Zazolc"},
        {drMAZOWIA, "Za\xA7\xA2\x92\x8D"},
        {drLATIN, "Za\xBE\xA2\x88\x86"},
        {drLATIN852, "Za\xBF\xF3\xB3\xE6"},
    };
    for (const auto &[coding, expected] : cases) {
        engine.Pl = coding;
        printDirect(drDOS, {"Zażółć"});
        EXPECT_EQ(fileLines("LPT1").value(0), Reset + Condensed + expected) << int(coding);
    }
}

// With the system header the page holds MaxLiniaDOS + 1 lines, header lines included, and
// each new page repeats the header with its number and the caller's headings.
TEST_F(PortOutput, SplitPagesHoldOneLineMoreThanTheLength)
{
    engine.TypWydruku = drDOS;
    engine.Bufor = true;
    engine.MaxLiniaDOS = 70;
    engine.TextNag[1] = QStringLiteral("&GKolumny");
    engine.START(QStringLiteral("Długi"), false, 0, 1, true);
    EXPECT_TRUE(engine.Podzial);
    for (int i = 1; i <= 150; ++i)
        engine.PISZ(QStringLiteral("Wiersz %1").arg(i));
    engine.STOP(true);

    QList<QList<QByteArray>> pages(1);
    for (const QByteArray &line : fileLines("LPT1")) {
        if (line == "\x0C")
            pages.append(QList<QByteArray>());
        else
            pages.last().append(line);
    }
    ASSERT_EQ(pages.size(), 4); // three pages and the closing form feed
    EXPECT_EQ(pages.at(0).size(), 71);
    EXPECT_EQ(pages.at(1).size(), 71);
    EXPECT_TRUE(pages.at(0).at(0).contains("Strona : 1"));
    EXPECT_TRUE(pages.at(1).at(0).contains("Strona : 2"));
    EXPECT_EQ(pages.at(1).at(1), Reset + Condensed + "Wydruk : Dlugi");
    EXPECT_EQ(pages.at(1).at(2), Reset + Condensed + "Kolumny");
    EXPECT_EQ(pages.at(1).at(3), Reset + Condensed + "Wiersz 70");
    EXPECT_EQ(pages.at(2).constLast(), Reset + Condensed + "Velmor - Koniec wydruku: Dlugi");
    EXPECT_TRUE(pages.at(3).isEmpty());
}

// A page shorter than its own header must not break again while the header is written.
TEST_F(PortOutput, PageShorterThanItsHeaderStillEnds)
{
    engine.TypWydruku = drDOS;
    engine.Bufor = true;
    engine.MaxLiniaDOS = 0;
    engine.MarG = 3;
    engine.START(QStringLiteral("Krótki"), false, 0, 0, true);
    engine.PISZ(QStringLiteral("Jeden"));
    engine.PISZ(QStringLiteral("Dwa"));
    engine.STOP(false);
    const QList<QByteArray> lines = fileLines("LPT1");
    EXPECT_TRUE(lines.contains(Reset + Condensed + "Jeden"));
    EXPECT_TRUE(lines.contains(Reset + Condensed + "Dwa"));
    // Every form feed but the closing one starts a page.
    EXPECT_EQ(engine.Strona, lines.count("\x0C"));
}

TEST_F(PortOutput, PortThatCannotBeOpenedEndsThePrintWithAMessage)
{
    qputenv("KSIEGA_LPT_DIR", path("brak").toUtf8());
    engine.Port = drLPT3;
    printDirect(drDOS, {"Tekst"});
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().at(0).text, "Błąd otwarcia portu : LPT3");
    EXPECT_EQ(prompter.messages().at(0).icon, MessageIcon::Error);
    EXPECT_FALSE(engine.isOutputOpen());
    EXPECT_EQ(progress.stops, 1);
}
