#include "pit5/declaration_workflow.h"
#include "pit5/windows/tpit5f.h"
#include "tests/pit5/pit5_fixture.h"
#include "tests/support/recording_printers.h"
#include "tests/support/screenshot.h"
#include "tests/support/test_application.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

class DeclarationPrintButtons : public Pit5Test {
protected:
    void SetUp() override
    {
        Pit5Test::SetUp();
        useExampleScale();
        addTaxpayer({.nip = "1234567890"});
        ASSERT_EQ(NewDeclaration(*dane, prompter), NewDeclarationResult::Created);
        type({{"K71", "50000"}, {"K72", "20000,40"}});
        EXPECT_TRUE(SaveDeclaration(*dane, prompter));
        window = std::make_unique<TPIT5F>(*dane);
        window->setPrinters(&printers);
        window->FormShow();
        window->show();
        QApplication::processEvents();
        prompter.clear();
    }
    void TearDown() override
    {
        window.reset();
        Pit5Test::TearDown();
    }

    // The title of the preview a button opens, with the number of pages it shows; the
    // preview closed at once.
    QString previewOf(const QString &button)
    {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!preview)
                return;
            preview->resize(800, 1000);
            QApplication::processEvents();
            saveScreenshot(*preview, preview->windowTitle());
            shown = QStringLiteral("%1, %2")
                        .arg(preview->windowTitle())
                        .arg(preview->findChild<QPrintPreviewWidget *>()->pageCount());
            preview->reject();
        });
        window->action(button)->trigger();
        return shown;
    }

    TestApplication<QApplication> application;
    RecordingPrinters printers;
    std::unique_ptr<TPIT5F> window;
};

TEST_F(DeclarationPrintButtons, PreviewShowsThePageOfTheTaxpayersForm)
{
    EXPECT_EQ(previewOf("Podgląd str. 1"), "Tdruk1, 1");
    EXPECT_EQ(previewOf("Podgląd str. 4"), "Tdruk4, 1");

    addTaxpayer({.surname = "Nowak", .nip = "9876543210", .flatRate = true});
    window->ZmienPodatek();
    EXPECT_FALSE(window->action("Podgląd str. 4")->isEnabled());
    EXPECT_EQ(previewOf("Podgląd str. 3"), "TPIT5Ls3, 1");
    EXPECT_EQ(previewOf("Podgląd str. 4"), "") << "the flat-rate form has no page 4";
}

TEST_F(DeclarationPrintButtons, PrintAsksForEveryFurtherPage)
{
    for (Answer answer : {Answer::No, Answer::Yes, Answer::No})
        prompter.enqueue(answer);
    window->action("Wydruk deklaracji")->trigger();
    EXPECT_EQ(messageTexts(), (QStringList{"Wydruk 2 strony po obróceniu kartki wciśnij Yes",
                                           "Wydruk 3 strony wciśnij Yes",
                                           "Wydruk 4 strony po obróceniu kartki wciśnij Yes"}));
    EXPECT_EQ(printers.recording.jobsBegun(), 2) << "pages 1 and 3";
    EXPECT_EQ(printers.recording.jobTitle(), "Tdruk3");
    EXPECT_TRUE(printers.recording.textLines().contains("29 999,60"));
}
