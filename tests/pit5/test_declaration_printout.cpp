#include "pit5/declaration_page_report.h"
#include "pit5/declaration_printout.h"
#include "pit5/declaration_workflow.h"
#include "platform/print/report.h"
#include "tests/pit5/pit5_fixture.h"
#include "tests/print/pdf_text.h"
#include "tests/support/recording_printers.h"
#include "tests/support/test_application.h"

#include <QGuiApplication>

namespace {

const QString ExampleNip = QStringLiteral("1   2   3   -   4   5   6   -   7   8   -   9   0   ");

} // namespace

class DeclarationPrintoutTest : public Pit5Test {
protected:
    void SetUp() override
    {
        Pit5Test::SetUp();
        useExampleScale();
        printout = std::make_unique<DeclarationPrintout>(dane->TDEK);
    }
    void TearDown() override
    {
        printout.reset();
        Pit5Test::TearDown();
    }

    // The worked example for a new taxpayer of the method, its declaration in the cursor.
    void workedExample(bool flatRate = false)
    {
        addTaxpayer({.nip = "1234567890", .flatRate = flatRate});
        ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
        type({{"P4", "03-2019"}, {"K71", "50000"}, {"K72", "20000,40"}});
        EXPECT_TRUE(SaveDeclaration(*dane, prompter));
        prompter.clear();
    }

    void setParameters(std::initializer_list<std::pair<const char *, const char *>> values)
    {
        Cursor &parameters = dane->TPARA;
        EnsureEditing(parameters);
        for (const auto &[field, value] : values)
            parameters.field(QString::fromLatin1(field)).setAsString(QString::fromLatin1(value));
        EXPECT_TRUE(SaveTable(parameters, prompter));
        ASSERT_FALSE(parameters.isEditing());
    }

    // Page `number` of the current taxpayer's form as "Podgląd" would show it.
    RecordingCanvas &preview(int number)
    {
        canvas.clear();
        Report *page = PrepareDeclarationPreview(*dane, *printout, number);
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_TRUE(page->print(canvas));
        }
        return canvas;
    }

    const FormBox &box(DeclarationForm form, int page, const QString &field, int rule = -1)
    {
        for (const FormBox &each : DeclarationFormPage(form, page).boxes)
            if (each.field == field && each.rule == rule)
                return each;
        ADD_FAILURE() << field.toStdString() << " is not on page " << page;
        static const FormBox none;
        return none;
    }

    // The text drawn exactly in the rectangle, if any.
    static std::optional<QString> textIn(const RecordingCanvas &drawn, const QRectF &rect)
    {
        for (const CanvasItem &item : drawn.texts())
            if ((item.boxMm.topLeft() - rect.topLeft()).manhattanLength() < 1e-6
                && std::abs(item.boxMm.width() - rect.width()) < 1e-6)
                return item.text;
        return std::nullopt;
    }

    QString valueOn(int page, const char *field, DeclarationForm form = DeclarationForm::Scale)
    {
        return textIn(canvas, box(form, page, QString::fromLatin1(field)).valueMm)
            .value_or("(brak)");
    }

    // Printouts measure their texts in the fonts of the system.
    TestApplication<QGuiApplication> application;
    std::unique_ptr<DeclarationPrintout> printout;
    RecordingCanvas canvas;
};

TEST_F(DeclarationPrintoutTest, ScalePageOnePrintsTheWorkedExampleInItsBoxes)
{
    workedExample();
    preview(1);
    EXPECT_EQ(valueOn(1, "P1"), ExampleNip) << "13 characters, each followed by three blanks";
    EXPECT_EQ(valueOn(1, "P4"), "0   3   -   2   0   1   9   ");
    EXPECT_EQ(valueOn(1, "P6"), "Kowalski");
    EXPECT_EQ(valueOn(1, "P19"), "50 000,00");
    EXPECT_EQ(valueOn(1, "P20"), "20 000,40");
    EXPECT_EQ(valueOn(1, "P21"), "29 999,60");
    EXPECT_EQ(valueOn(1, "P22"), "0,00");
    EXPECT_EQ(valueOn(1, "P27"), "50 000,00");
    EXPECT_EQ(valueOn(1, "P33"), "29 999,60");
    EXPECT_EQ(valueOn(1, "P31"), "") << "a blank amount prints nothing";

    preview(2);
    EXPECT_EQ(valueOn(2, "P44"), "29 999,60");
    EXPECT_EQ(valueOn(2, "P46"), "30 000,00");
    EXPECT_EQ(valueOn(2, "P47"), "5 169,92");
    preview(3);
    EXPECT_EQ(valueOn(3, "P53"), "5 169,92");
    for (const char *field : {"P55", "P56", "P62", "P64"})
        EXPECT_EQ(valueOn(3, field), "5 170,00") << field;
    EXPECT_EQ(valueOn(3, "K70"), "100");
    EXPECT_EQ(valueOn(3, "K73"), "29 999,60");
}

TEST_F(DeclarationPrintoutTest, FlatRatePagesPrintTheIdentifiersAsTheyAre)
{
    workedExample(true);
    EXPECT_EQ(PrepareDeclarationPreview(*dane, *printout, 4), nullptr) << "three pages only";
    preview(1);
    EXPECT_EQ(valueOn(1, "P1", DeclarationForm::FlatRate), "123-456-78-90");
    EXPECT_EQ(valueOn(1, "P4", DeclarationForm::FlatRate), "03-2019");
    EXPECT_EQ(valueOn(1, "P21", DeclarationForm::FlatRate), "29 999,60");
    preview(2);
    EXPECT_EQ(valueOn(2, "P46", DeclarationForm::FlatRate), "30 000,00");
    EXPECT_EQ(valueOn(2, "P47", DeclarationForm::FlatRate), "5 700,00") << "19 %, nothing off";
}

TEST_F(DeclarationPrintoutTest, EveryTextStaysInsideItsRectangle)
{
    workedExample();
    type({{"P5", "Pierwszy Urząd Skarbowy w Krakowie-Śródmieście przy ulicy Wielopole"},
          {"K68", "Przedsiębiorstwo Handlowo-Usługowe Kowalski i Wspólnicy s.c."},
          {"K70", "33,33"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    for (int page = 4; page >= 1; --page) {
        preview(page);
        for (const CanvasItem &item : canvas.texts()) {
            canvas.setFont(item.font);
            const double width = canvas.textWidth(item.text.trimmed());
            EXPECT_LE(width, item.boxMm.width() + 0.3)
                << "page " << page << ": " << item.text.toStdString();
            EXPECT_LE(item.boxMm.bottom(), 282.0)
                << "page " << page << ": " << item.text.toStdString();
        }
    }
    preview(3);
    EXPECT_EQ(valueOn(3, "K70"), "33,33");
}

TEST_F(DeclarationPrintoutTest, WithoutTheFormPictureOnlyTheValuesPrint)
{
    workedExample();
    setParameters({{"ZL1", "false"}});
    preview(1);
    QSet<QString> values;
    for (const FormBox &each : DeclarationFormPage(DeclarationForm::Scale, 1).boxes)
        if (!each.field.isEmpty())
            values.insert(textIn(canvas, each.valueMm).value_or(QString()));
    for (const CanvasItem &item : canvas.items()) {
        EXPECT_EQ(item.kind, CanvasItem::Kind::Text) << "no frame, box or line";
        EXPECT_TRUE(values.contains(item.text)) << item.text.toStdString();
    }
    EXPECT_TRUE(canvas.textLines().contains("50 000,00"));
    EXPECT_FALSE(canvas.textLines().contains("A. MIEJSCE SKŁADANIA DEKLARACJI"));

    // The settings are read again before the next preview.
    setParameters({{"ZL1", "true"}});
    preview(1);
    EXPECT_TRUE(canvas.textLines().contains("A. MIEJSCE SKŁADANIA DEKLARACJI"));
    EXPECT_TRUE(
        canvas.textLines().contains("5. Urząd skarbowy do którego adresowana jest deklaracja :"));
    EXPECT_TRUE(canvas.textLines().contains("50 000,00"));
    int rectangles = 0;
    for (const CanvasItem &item : canvas.items())
        rectangles += item.kind == CanvasItem::Kind::Rect;
    EXPECT_GT(rectangles, 40) << "frame, headings, boxes and character boxes";
}

TEST_F(DeclarationPrintoutTest, MarginsComeFromTheParameterRecord)
{
    workedExample();
    setParameters({{"ML", "12"}, {"MG", "7"}});
    preview(3);
    EXPECT_EQ(canvas.setupInForce().marginsMm, QMarginsF(12, 7, 5, 5));
    EXPECT_EQ(canvas.setupInForce().paperName, "A4");
    EXPECT_EQ(canvas.setupInForce().orientation, PageOrientation::Portrait);
    setParameters({{"ML", "0"}, {"MG", ""}});
    preview(3);
    EXPECT_EQ(canvas.setupInForce().marginsMm, QMarginsF(0, 5, 5, 5)) << "a blank margin is 5 mm";
}

TEST_F(DeclarationPrintoutTest, RuleOfTaxationPrintsAsOneMarkAndNoneOutsideItsValues)
{
    workedExample();
    type({{"L92", "1"}, {"L108", "3"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    preview(4);
    const auto markOf = [&](const char *field, int rule) {
        return textIn(canvas,
                      box(DeclarationForm::Scale, 4, QString::fromLatin1(field), rule).valueMm)
            .value_or("(brak)");
    };
    EXPECT_EQ(markOf("L92", 0), " ");
    EXPECT_EQ(markOf("L92", 1), "X");
    EXPECT_EQ(markOf("L92", 2), " ");
    for (int rule = 0; rule < 3; ++rule)
        EXPECT_EQ(markOf("L108", rule), " ") << rule;
    EXPECT_EQ(canvas.textLines().count("X"), 1);

    type({{"L92", ""}, {"L108", "0"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    preview(4);
    EXPECT_EQ(markOf("L92", 0), " ") << "no rule, no mark";
    EXPECT_EQ(markOf("L108", 0), "X");
    EXPECT_EQ(canvas.textLines().count("X"), 1);
}

TEST_F(DeclarationPrintoutTest, AMemoLongerThanItsBoxIsCutVisibly)
{
    workedExample();
    type({{"P57", "1/2019\n2/2019\n3/2019\n4/2019\n5/2019\n6/2019\n7/2019"}});
    EXPECT_TRUE(SaveDeclaration(*dane, prompter));
    preview(3);
    const QRectF memo = box(DeclarationForm::Scale, 3, "P57").valueMm;
    QStringList lines;
    for (const CanvasItem &item : canvas.texts())
        if (memo.contains(item.boxMm.center()) && item.font.pointSize == ValuePointSize)
            lines << item.text;
    ASSERT_GE(lines.size(), 2);
    EXPECT_LT(lines.size(), 7);
    EXPECT_EQ(lines.first(), "1/2019");
    EXPECT_TRUE(lines.last().endsWith(QChar(0x2026))) << lines.last().toStdString();
    for (const CanvasItem &item : canvas.texts())
        if (lines.contains(item.text)) {
            EXPECT_LE(item.boxMm.bottom(), memo.bottom() + 1e-6);
        }
}

TEST_F(DeclarationPrintoutTest, NoToOnePageStillOffersTheNext)
{
    workedExample();
    QStringList printed;
    const auto toPaper = [&printed](Report &page) {
        printed << page.title();
        return true;
    };
    for (Answer answer : {Answer::No, Answer::Yes, Answer::No})
        prompter.enqueue(answer);
    EXPECT_TRUE(PrintDeclarationPages(*dane, *printout, prompter, toPaper));
    EXPECT_EQ(printed, (QStringList{"Tdruk1", "Tdruk3"}));
    EXPECT_EQ(messageTexts(), (QStringList{"Wydruk 2 strony po obróceniu kartki wciśnij Yes",
                                           "Wydruk 3 strony wciśnij Yes",
                                           "Wydruk 4 strony po obróceniu kartki wciśnij Yes"}));
    for (const RecordedMessage &message : prompter.messages())
        EXPECT_EQ(message.buttons, MessageButtons::YesNo);

    // A flat-rate taxpayer has three pages and so two questions.
    addTaxpayer({.surname = "Nowak", .nip = "9876543210", .flatRate = true});
    prompter.clear();
    printed.clear();
    for (Answer answer : {Answer::Yes, Answer::Yes})
        prompter.enqueue(answer);
    EXPECT_TRUE(PrintDeclarationPages(*dane, *printout, prompter, toPaper));
    EXPECT_EQ(printed, (QStringList{"TPIT5Ls1", "TPIT5Ls2", "TPIT5Ls3"}));
    EXPECT_EQ(messageTexts().size(), 2);
}

TEST_F(DeclarationPrintoutTest, PrintsPageByPageOnThePrinterAndStopsWhenItFails)
{
    workedExample();
    RecordingPrinters printers;
    prompter.enqueue(Answer::Yes);
    EXPECT_TRUE(PrintDeclaration(*dane, *printout, printers));
    EXPECT_EQ(printers.recording.jobsBegun(), 2) << "page 1, then page 2 after turning the sheet";
    EXPECT_EQ(printers.recording.jobsEnded(), 2);

    prompter.clear();
    printers.recording.setFailing(true);
    EXPECT_FALSE(PrintDeclaration(*dane, *printout, printers));
    EXPECT_EQ(messageTexts(), QStringList{"Błąd otwarcia drukarki : Drukarka testowa"})
        << "no questions after a page that did not print";

    prompter.clear();
    printers.names.clear();
    EXPECT_FALSE(PrintDeclaration(*dane, *printout, printers));
    EXPECT_EQ(messageTexts(), QStringList{"Uwaga nie posiadasz zainstalowanej drukarki !!"});
}

TEST_F(DeclarationPrintoutTest, PdfHoldsTheAnsweredPagesOrSaysWhyNot)
{
    workedExample();
    const QString file = at("deklaracja.pdf");
    for (Answer answer : {Answer::No, Answer::Yes, Answer::Yes})
        prompter.enqueue(answer);
    ASSERT_TRUE(PrintDeclarationToPdf(*dane, *printout, file, std::nullopt));
    EXPECT_EQ(pdfInfo(file, "Pages"), "3");
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains("29 999,60")) << text.toStdString();
    EXPECT_TRUE(text.contains("5 170,00"));
    EXPECT_TRUE(text.contains("L. POZAROLNICZA DZIAŁALNOSC GOSPODARCZA"));
    EXPECT_FALSE(text.contains("E. ODLICZENIA OD DOCHODU")) << "page 2 was not asked for";

    prompter.clear();
    EXPECT_FALSE(PrintDeclarationToPdf(*dane, *printout, at("brak/deklaracja.pdf"), 1));
    EXPECT_EQ(messageTexts(), QStringList{"Błąd otwarcia pliku : " + at("brak/deklaracja.pdf")});

    // A device that takes nothing, as a full disk: the file is not a whole PDF.
    prompter.clear();
    EXPECT_FALSE(PrintDeclarationToPdf(*dane, *printout, "/dev/full", 1));
    EXPECT_EQ(messageTexts(), QStringList{"Błąd zapisu pliku : /dev/full"});
}

TEST(DeclarationValues, AmountsGroupThousandsAndBoxedTextSpreads)
{
    EXPECT_EQ(FormAmountText(Money::fromUnits(12345678900)), "1 234 567,89");
    EXPECT_EQ(FormAmountText(Money::fromGrosze(12345)), "123,45");
    EXPECT_EQ(FormAmountText(Money()), "0,00");
    EXPECT_EQ(FormAmountText(-Money::fromGrosze(123450)), "-1 234,50");
    EXPECT_EQ(FormAmountText(Money::fromUnits(55)), "0,01") << "rounded to the grosz";
    EXPECT_EQ(BoxedCharacters("123-456-78-90"), ExampleNip);
    EXPECT_EQ(BoxedCharacters("123-456-78-90").size(), 52);
    EXPECT_EQ(BoxedCharacters(QString()), QString());
}

TEST_F(DeclarationPrintoutTest, WithoutTheDeclarationTableNothingPrints)
{
    workedExample();
    dane->TDEK.close();
    EXPECT_EQ(PrepareDeclarationPreview(*dane, *printout, 1), nullptr);
    RecordingPrinters printers;
    EXPECT_FALSE(PrintDeclaration(*dane, *printout, printers));
    EXPECT_EQ(printers.recording.jobsBegun(), 0);
    EXPECT_TRUE(prompter.messages().isEmpty()) << "the start sequence has reported the table";
}
