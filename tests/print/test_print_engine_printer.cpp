// The printer output: lines drawn at 1/300 inch positions, in the size their code chooses,
// with page breaks by code and by page length; and the page header.

#include "print_fixture.h"

#include <cmath>

using PrinterOutput = EngineTest;

static double dots(const CanvasItem &item, bool vertical)
{
    const QPointF position = item.position(CanvasUnit::Dot300);
    return vertical ? position.y() : position.x();
}

TEST_F(PrinterOutput, LinesGoDownByTheirSizeFromTheLeftMargin)
{
    engine.MarL = 2;
    printDirect(drWINDOWS, {"&NNormalny", "Dalej normalny", "&RSzeroki", "&GWąski", "Ostatni"});
    const QList<CanvasItem> texts = printers.recording.texts();
    ASSERT_EQ(texts.size(), 5);
    const QList<double> sizes = {12, 12, 16, 8, 8};
    const QList<double> tops = {0, 50, 100, 165, 205};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        EXPECT_NEAR(dots(texts.at(i), false), 40, 1e-6);
        EXPECT_NEAR(dots(texts.at(i), true), tops.at(i), 1e-6);
        EXPECT_EQ(texts.at(i).font.pointSize, sizes.at(i));
        EXPECT_EQ(texts.at(i).font.family, "Lucida Console");
        EXPECT_TRUE(texts.at(i).font.fixedPitch);
    }
    EXPECT_EQ(texts.at(3).text, "Wąski");
    EXPECT_EQ(printers.recording.jobTitle(), "Zestawienie");
    EXPECT_EQ(printers.recording.jobsEnded(), 1);
}

TEST_F(PrinterOutput, PageBreakCodeStartsAPageAndPrintsNothing)
{
    printDirect(drWINDOWS, {"Pierwsza", "&WNie drukowane", "Druga"});
    const QList<CanvasItem> texts = printers.recording.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.at(1).text, "Druga");
    EXPECT_EQ(texts.at(1).page, 2);
    EXPECT_NEAR(dots(texts.at(1), true), 0, 1e-6);
    EXPECT_EQ(engine.Strona, 1);
}

TEST_F(PrinterOutput, KindOverridesTheLineCodes)
{
    engine.Rodzaj = drROZSZCZELONY;
    printDirect(drWINDOWS, {"&GJeden", "&NDwa"});
    for (const CanvasItem &item : printers.recording.texts())
        EXPECT_EQ(item.font.pointSize, 16);
}

// A full page goes on to the next with the system header (numbered) and the caller's
// headings when the report splits pages.
TEST_F(PrinterOutput, FullPageContinuesUnderTheHeader)
{
    engine.TypWydruku = drWINDOWS;
    engine.Bufor = true;
    engine.TextNag[1] = QStringLiteral("&GKolumny");
    engine.START(QStringLiteral("Długi"), false, 0, 1, true);
    const int pageHeight =
        int(std::lround(printers.recording.setupInForce().contentRectMm().height() * 300 / 25.4));
    const int linesOnFirstPage = (pageHeight - 50) / 40 + 1;
    for (int i = 0; i < linesOnFirstPage; ++i)
        engine.PISZ(QStringLiteral("Wiersz %1").arg(i));
    engine.STOP(false);

    const QList<CanvasItem> secondPage = printers.recording.textsOnPage(2);
    ASSERT_GE(secondPage.size(), 4);
    EXPECT_TRUE(secondPage.at(0).text.endsWith("Strona : 2"));
    EXPECT_EQ(secondPage.at(1).text, "Wydruk : Długi");
    EXPECT_EQ(secondPage.at(2).text, "Kolumny");
    EXPECT_NEAR(dots(secondPage.at(2), true), 80, 1e-6);
    EXPECT_EQ(printers.recording.textsOnPage(1).constLast().text,
              QStringLiteral("Wiersz %1").arg(linesOnFirstPage - 3));
}

TEST_F(PrinterOutput, PrinterThatCannotBeOpenedIsReported)
{
    printers.recording.setFailing(true);
    printDirect(drWINDOWS, {"Tekst"});
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().at(0).text, "Błąd otwarcia drukarki : Drukarka testowa");
    EXPECT_TRUE(printers.recording.items().isEmpty());
}

// A line wider than the sheet turns the page to landscape, and shrinks the type when even
// the turned page is too narrow, so that no column is lost at the paper's right edge.
TEST_F(PrinterOutput, TheWidestLineDecidesTheSheetAndTheType)
{
    const double portraitWidth = printers.recording.deviceSheet().contentRectMm().width();
    const auto rightEdge = [this] {
        double right = 0;
        for (const CanvasItem &item : printers.recording.texts())
            right = std::max(right, item.boxMm.right());
        return right;
    };

    printDirect(drWINDOWS, {"Krótki", QString(100, QLatin1Char('x'))});
    EXPECT_EQ(printers.recording.setupInForce().orientation, PageOrientation::Portrait);
    EXPECT_EQ(printers.recording.texts().at(1).font.pointSize, 8);

    printers.recording.clear();
    engine.MarL = 3;
    const QString summaryRow = QString(190, QLatin1Char('9'));
    printDirect(drWINDOWS, {"Krótki", summaryRow});
    const PageSetup turned = printers.recording.setupInForce();
    EXPECT_EQ(turned.orientation, PageOrientation::Landscape);
    EXPECT_EQ(turned.paperName, "A4");
    EXPECT_EQ(printers.recording.texts().at(1).text, summaryRow);
    EXPECT_LE(rightEdge(), turned.contentRectMm().width() + 1e-6);
    EXPECT_GT(rightEdge(), portraitWidth) << "it would not have fitted upright";

    printers.recording.clear();
    printDirect(drWINDOWS, {"&NKrótki", QString(400, QLatin1Char('9')), "Ostatni"});
    const QList<CanvasItem> shrunk = printers.recording.texts();
    EXPECT_LE(rightEdge(), printers.recording.setupInForce().contentRectMm().width() + 1e-6);
    EXPECT_LT(shrunk.at(1).font.pointSize, 12);
    EXPECT_NEAR(shrunk.at(1).font.pointSize / 12, shrunk.at(2).font.pointSize / 12, 1e-9)
        << "the whole report in one scale";
    EXPECT_LT(dots(shrunk.at(1), true), 50) << "lines come closer with the smaller type";
}

TEST_F(PrinterOutput, APrinterThatWillNotTurnItsPaperGetsSmallerType)
{
    printers.recording.setRefusingSetup(true);
    printDirect(drWINDOWS, {QString(190, QLatin1Char('9'))});
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(printers.recording.setupInForce().orientation, PageOrientation::Portrait);
    const CanvasItem line = printers.recording.texts().at(0);
    EXPECT_LT(line.font.pointSize, 8);
    EXPECT_LE(line.boxMm.right(), printers.recording.deviceSheet().contentRectMm().width() + 1e-6);
}

using PageHeader = EngineTest;

TEST_F(PageHeader, NamesFirmProgramDatePageAndOperator)
{
    firm = QStringLiteral("Przedsiębiorstwo Wielobranżowe Łąka i Synowie");
    environment.userName = QStringLiteral("Żaneta");
    engine.Strona = 3;
    EXPECT_EQ(engine.headerLine(),
              "Przedsiębiorstwo Wielobranżowe Program : RAZEDO 2019          Data : "
              "2019.05.10 Strona : 3 Operator : Żaneta");
    firm = QStringLiteral("Łąka");
    environment.userName.clear();
    EXPECT_EQ(engine.headerLine(), "Łąka                           Program : RAZEDO 2019        "
                                   "  Data : 2019.05.10 Strona : 3");
}

TEST_F(PageHeader, StartsEveryReportWithMarginLinesHeaderAndTitle)
{
    engine.MarG = 2;
    dialogs.title = QStringLiteral("Nowy tytuł");
    engine.START(QStringLiteral("Stary"), true, 5, 0, true);
    EXPECT_EQ(dialogs.titlesAsked, QStringList{"Stary"});
    EXPECT_EQ(engine.Tytul, "Nowy tytuł");
    EXPECT_EQ(engine.buffer(), "&G\n&G\n&G" + engine.headerLine() + "\n&GWydruk : Nowy tytuł\n");
    EXPECT_EQ(engine.Strona, 1);
    EXPECT_EQ(engine.Linia, 4);
    EXPECT_TRUE(engine.Podzial);
    EXPECT_EQ(progress.lastTitle, "Nowy tytuł");
    EXPECT_EQ(progress.lastMaximum, 5);
}
