// The engine's windows: the engine window bound to the engine's fields, its printing of the
// buffer, the progress window and the title prompt.

#include "tests/print/print_fixture.h"

#include "print/windows/print_engine_window.h"
#include "print/windows/tdruktyt.h"
#include "print/windows/tpraca.h"
#include "tests/support/screenshot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

class EngineWindow : public EngineTest {
protected:
    QSettings settings{path("DRUK.ini"), QSettings::IniFormat};
    PrintEngineWindow window{engine, settings};
};

TEST_F(EngineWindow, ShowsTheEngineFieldsAndWritesChangesBack)
{
    engine.TypWydruku = drDOS;
    engine.Port = drLPT2;
    engine.Rodzaj = drNORMALNY;
    engine.Pl = drLATIN852;
    engine.MarG = 4;
    engine.Podzial = true;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Moduł wydruku");
    EXPECT_EQ(window.outputs()->checkedId(), int(drDOS));
    EXPECT_EQ(window.portBox()->currentText(), "LPT2");
    EXPECT_EQ(window.pitchBox()->currentText(), "normalny");
    EXPECT_EQ(window.codingBox()->currentText(), "WINDOWS");
    EXPECT_EQ(window.topMarginEdit()->text(), "4");
    EXPECT_EQ(window.linesEdit()->text(), "70");
    EXPECT_TRUE(window.splitBox()->isChecked());
    EXPECT_EQ(window.printerBox()->currentText(), "Drukarka testowa");
    saveScreenshot(window, "TDRUK");

    window.outputs()->button(drBW)->click();
    window.codingBox()->setCurrentIndex(1);
    window.directBox()->setChecked(true);
    window.leftMarginEdit()->setText(" 7");
    EXPECT_EQ(engine.TypWydruku, drBW);
    EXPECT_EQ(engine.Pl, drMAZOWIA);
    EXPECT_TRUE(engine.Bufor);
    EXPECT_EQ(engine.MarL, 7);
}

TEST_F(EngineWindow, UnreadableOrNegativeNumbersCountAsZero)
{
    EXPECT_EQ(marginFieldValue(" 7"), 7);
    EXPECT_EQ(marginFieldValue("x"), 0);
    EXPECT_EQ(marginFieldValue("-5"), 0);
    EXPECT_EQ(marginFieldValue(""), 0);
    window.show();
    window.linesEdit()->setText("ab");
    EXPECT_EQ(engine.MaxLiniaDOS, 0);
}

TEST_F(EngineWindow, SaveWritesEverySetting)
{
    window.show();
    window.outputs()->button(drEKSPORT)->click();
    window.saveButton()->click();
    EXPECT_EQ(settings.value("DRTYP").toInt(), int(drEKSPORT));
    EXPECT_EQ(settings.value("DRLINIDOS").toInt(), 70);
}

// "DRUKUJ" prints the selection, or the whole buffer when nothing is selected, as edited.
TEST_F(EngineWindow, PrintsTheSelectionOrTheWholeEditedBuffer)
{
    engine.TypWydruku = drBW;
    engine.START(QStringLiteral("Okno"), false, 0, 0, false);
    engine.PISZ(QStringLiteral("Pierwsza"));
    engine.PISZ(QStringLiteral("Druga"));
    engine.STOP(false);
    window.showBuffer();
    EXPECT_EQ(window.preview()->toPlainText(), "Pierwsza\nDruga\n");
    EXPECT_EQ(window.preview()->font().family(), "Courier New");
    EXPECT_EQ(window.preview()->lineWrapMode(), QPlainTextEdit::NoWrap);

    dialogs.exportFile = path("calosc.txt");
    window.preview()->setPlainText("Pierwsza poprawiona\nDruga\n");
    window.printButton()->click();
    EXPECT_EQ(fileLines("calosc.txt"), (QList<QByteArray>{"Pierwsza poprawiona", "Druga"}));
    EXPECT_FALSE(window.preview()->textCursor().hasSelection());

    dialogs.exportFile = path("wybor.txt");
    QTextCursor selection = window.preview()->textCursor();
    selection.setPosition(0);
    selection.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
    window.preview()->setTextCursor(selection);
    window.printButton()->click();
    EXPECT_EQ(fileLines("wybor.txt"), QList<QByteArray>{"Pierwsza poprawiona"});
}

TEST(ProgressWindow, CountsStepsAndClosesAtStop)
{
    TPRACA progress;
    progress.start("Przeliczanie", 4);
    EXPECT_EQ(progress.windowTitle(), "Postęp ...");
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.title(), "Przeliczanie");
    auto *gauge = progress.findChild<QProgressBar *>();
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->maximum(), 4);
    progress.step();
    progress.step();
    EXPECT_EQ(gauge->value(), 2);
    progress.stop();
    EXPECT_EQ(gauge->value(), 0);
    EXPECT_FALSE(progress.isVisible());
}

TEST(TitlePrompt, ReturnsTheTextEntered)
{
    TDRUKTYT prompt;
    EXPECT_EQ(prompt.windowTitle(), "Nazwa wydruku");
    QTimer::singleShot(0, &prompt, [&prompt] {
        EXPECT_EQ(prompt.titleEdit()->text(), "Zestawienie");
        prompt.titleEdit()->setText("Zestawienie roczne");
        prompt.findChild<QPushButton *>()->click();
    });
    EXPECT_EQ(prompt.ask("Zestawienie"), "Zestawienie roczne");
}
