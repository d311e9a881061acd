// The file outputs: the export without form lines and the file kept whole.

#include "print_fixture.h"

using FileOutput = EngineTest;

static const QStringList SampleReport = {
    "&GTabela",   "======",     "|----|---|", "|  1 | x |", "A",
    ">ZV<ukryte", "&G&NObie",   "&WPo stronie", "",
};

TEST_F(FileOutput, ExportDropsHeaderRulesShortLinesAndMarkedLines)
{
    dialogs.exportFile = path("eksport.txt");
    printDirect(drEKSPORT, SampleReport, true);
    EXPECT_EQ(dialogs.exportNamesOffered, QStringList{"eksport.txt"});
    EXPECT_EQ(fileLines("eksport.txt"),
              (QList<QByteArray>{"Tabela", "|  1 | x |", "&NObie", "Po stronie"}));
}

TEST_F(FileOutput, WholeFileKeepsEveryLineAndFeedsFormsAtPageBreaks)
{
    dialogs.exportFile = path("calosc.txt");
    printDirect(drBW, SampleReport, true);
    EXPECT_EQ(fileLines("calosc.txt"),
              (QList<QByteArray>{"", "", "Tabela", "======", "|----|---|", "|  1 | x |", "A",
                                 ">ZV<ukryte", "&NObie", "\x0CPo stronie", ""}));
}

TEST_F(FileOutput, LettersAreConvertedWithOAsA2InBothDosCodings)
{
    dialogs.exportFile = path("eksport.txt");
    for (const TPL coding : {drMAZOWIA, drLATIN}) {
        engine.Pl = coding;
        printDirect(drEKSPORT, {"Wóz"});
        EXPECT_EQ(fileLines("eksport.txt"), QList<QByteArray>{"W\xA2z"}) << int(coding);
    }
    engine.Pl = drLATIN852;
    printDirect(drEKSPORT, {"Wóz"});
    EXPECT_EQ(fileLines("eksport.txt"), QList<QByteArray>{"W\xF3z"});
}

TEST_F(FileOutput, CancelledSaveDialogEndsThePrintSilently)
{
    printDirect(drEKSPORT, {"Tekst"});
    EXPECT_FALSE(engine.isOutputOpen());
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(path("eksport.txt")));
}

TEST_F(FileOutput, FileThatCannotBeCreatedIsReported)
{
    dialogs.exportFile = path("brak/eksport.txt");
    printDirect(drBW, {"Tekst"});
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().at(0).text, "Błąd otwarcia pliku : " + path("brak/eksport.txt"));
}

// Buffered, the report waits in the buffer; "DRUKUJ" prints it line by line, and what
// follows the last line break is not printed.
TEST_F(FileOutput, BufferPrintsUpToItsLastLineBreak)
{
    engine.TypWydruku = drBW;
    engine.START(QStringLiteral("Bufor"), false, 2, 0, false);
    engine.PISZ(QStringLiteral("Jeden"));
    engine.PISZ(QStringLiteral("Dwa"));
    engine.STOP(true);
    EXPECT_EQ(dialogs.windowShown, 1);
    EXPECT_EQ(engine.buffer(), "Jeden\nDwa\n&GVelmor - Koniec wydruku: Bufor\n");
    EXPECT_TRUE(engine.reportClosed());

    dialogs.exportFile = path("bufor.txt");
    const QString text = engine.buffer() + QStringLiteral("bez końca");
    EXPECT_TRUE(engine.DRUKUJ(text));
    EXPECT_EQ(fileLines("bufor.txt"),
              (QList<QByteArray>{"Jeden", "Dwa", "Velmor - Koniec wydruku: Bufor"}));
    EXPECT_EQ(progress.lastMaximum, text.size());
    EXPECT_EQ(progress.steps, text.size());
    EXPECT_EQ(progress.stops, 2);
}
