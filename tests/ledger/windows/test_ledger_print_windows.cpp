// Printing from the ledger window and from modal windows: every window a print opens takes
// the user's input at once, whichever window opened it.

#include "tests/ledger/windows/ledger_window_fixture.h"
#include "ledger/windows/ledger_grid_model.h"
#include "ledger/windows/tksiegaf3.h"
#include "print/print_engine.h"
#include "print/windows/print_engine_window.h"
#include "print/windows/qt_print_dialogs.h"
#include "print/windows/tksiegad3.h"
#include "print/windows/tksiegaf5.h"
#include "print/windows/tksiegaf8.h"
#include "tests/print/print_fixture.h"
#include "tests/support/held_table.h"
#include "tests/support/every_table_whole.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace {

// Answers each modal window as it comes up, and notes which ones came, in order: the page
// numbering dialog gets `firstPage`, the printer set-up is confirmed, the preview is
// counted and closed.
class ModalScript {
public:
    explicit ModalScript(QString firstPage = QString()) : firstPage_(std::move(firstPage))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QStringList seen;
    int previewPages = 0;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last_)
            return;
        last_ = modal;
        if (auto *numbering = qobject_cast<TKSIEGAF5 *>(modal)) {
            seen << QStringLiteral("numeracja %1 od %2").arg(numbering->monthEdit()->text(),
                                                            numbering->numberEdit()->text());
            if (!firstPage_.isEmpty())
                numbering->numberEdit()->setText(firstPage_);
            numbering->accept();
        } else if (auto *setUp = qobject_cast<QPrintDialog *>(modal)) {
            seen << QStringLiteral("drukarka");
            setUp->accept();
        } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
            QApplication::processEvents();
            previewPages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
            seen << QStringLiteral("podgląd");
            saveScreenshot(*preview, QStringLiteral("ksiega_podglad"));
            preview->reject();
        }
    }

    QString firstPage_;
    QTimer timer_;
    QWidget *last_ = nullptr;
};

} // namespace

using LedgerPrintWindows = LedgerWindowTest;

TEST_F(LedgerPrintWindows, APreviewAsksThePageNumberSetsUpThePrinterAndStoresTheLastPage)
{
    TKSIEGAF &w = open();
    w.monthButton(2)->click();
    ModalScript script(QStringLiteral("31"));
    w.action("Wydruki/Podgląd str 2")->trigger();
    EXPECT_EQ(script.seen, QStringList({"numeracja 02 od 1", "drukarka", "podgląd"}));
    EXPECT_EQ(script.previewPages, 1);
    Cursor &sums = dane->TSUMA;
    ASSERT_TRUE(sums.findKey({QStringLiteral("N02")}));
    EXPECT_EQ(sums.field("Ilstr").asInteger(), 31);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(LedgerPrintWindows, ThePrintParametersAreSavedWhenTheDialogCloses)
{
    open();
    TKSIEGAF8 dialog(*dane);
    whileModal([&] { dialog.execute(); }, [&] {
        EXPECT_EQ(dialog.edit("P2")->text(), "10");
        EXPECT_TRUE(dialog.printOnPlainPaper()->isChecked());
        type(dialog.edit("P3"), "25");
        dialog.printOnForm()->click();
        dialog.accept();
    });
    Cursor &parameters = dane->TPARA;
    EXPECT_FALSE(parameters.isEditing()) << "posted";
    parameters.refresh();
    EXPECT_EQ(parameters.field("P3").asInteger(), 25);
    EXPECT_FALSE(parameters.field("ZL1").asBoolean());
}

TEST_F(LedgerPrintWindows, ATotalNoAmountHoldsShowsTheErrorBoxAndTheLedgerGoesOn)
{
    // April's entries as another program wrote them: each fits an amount, their sum does not.
    Connection ledger(folder.at(QStringLiteral("2019/KSIEGA/KSIEGA.DB")), Connection::Mode::ReadWrite);
    ledger.exec("INSERT INTO KSIEGA (LP, MC, DATA, K7) VALUES (1, '04', '2019.04.01', 5000000000000000000), "
                "(2, '04', '2019.04.02', 5000000000000000000)");
    TKSIEGAF &w = open();
    w.monthButton(4)->click();
    {
        ModalScript script(QStringLiteral("5"));
        w.action("Wydruki/Podgląd str 2")->trigger(); // the page with the revenue columns
        EXPECT_EQ(script.seen.mid(0, 2), QStringList({"numeracja 04 od 1", "drukarka"}));
    }
    ASSERT_FALSE(messageTexts().isEmpty());
    EXPECT_EQ(messageTexts().first(), "Nie można obliczyć sumy K7 na wydruku: wynik jest poza zakresem, "
                                      "jaki może mieć kwota. Polecenie przerwano.");
    EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the preview of half a printout closed";
    Cursor &sums = dane->TSUMA;
    ASSERT_TRUE(sums.findKey({QStringLiteral("N04")}));
    EXPECT_TRUE(sums.field("Ilstr").isNull()) << "a preview that failed numbers no pages";

    // The grid follows its cursor again: the walk of the printout did not leave it frozen.
    EXPECT_FALSE(dane->TKSIEGA.controlsDisabled());
    w.monthButton(1)->click();
    EXPECT_EQ(w.model().rowCount(), dane->TKSIEGA.recordCount());
    EXPECT_GT(w.model().rowCount(), 0);
    EXPECT_EQ(TablesNotWhole(dane->environment().dataRoot), QStringList());
}

// The print parameters read and write the parameter table; another program holding it stops
// a change with the error box, and the same click works once it lets go.
TEST_F(LedgerPrintWindows, ATableHeldByAnotherProgramStopsAParameterAndTheDialogGoesOn)
{
    qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
    open();
    TKSIEGAF8 dialog(*dane);
    whileModal([&] { dialog.execute(); }, [&] {
        {
            HeldTable holder(dane->TPARA.tablePath(), HeldTable::Lock::Exclusive);
            ASSERT_TRUE(holder.held());
            dialog.printOnForm()->click();
            ASSERT_EQ(prompter.messages().size(), 1);
            EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Error);
            EXPECT_TRUE(messageTexts().first().contains("jest używana przez inny program"))
                << messageTexts().first().toStdString();
            EXPECT_TRUE(dialog.isVisible());
        }
        dialog.printOnForm()->click();
        dialog.accept();
    });
    qunsetenv("KSIEGA_BUSY_TIMEOUT_MS");
    Cursor &parameters = dane->TPARA;
    parameters.refresh();
    EXPECT_FALSE(parameters.field("ZL1").asBoolean()) << "saved once the table was free";
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(TablesNotWhole(dane->environment().dataRoot), QStringList());
}

TEST_F(LedgerPrintWindows, TheStatementPreviewedFromItsModalFormTakesInput)
{
    open();
    TKsiegaD3 statement(prompter);
    ModalScript script;
    bool previewOnTop = false;
    whileModal([&] { statement.exec(); }, [&] {
        type(statement.edit(1), "Jan Kowalski");
        QTimer::singleShot(0, [&] {
            previewOnTop = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        });
        statement.previewButton()->click();
        statement.reject();
    });
    EXPECT_TRUE(previewOnTop);
    EXPECT_EQ(script.seen, QStringList({"podgląd"}));
    EXPECT_EQ(script.previewPages, 1);
}

// The summary statement is modal; the engine window it prints to must not wait behind it.
TEST_F(LedgerPrintWindows, TheEngineWindowOpenedFromTheModalSummaryTakesInputAtOnce)
{
    open();
    QSettings settings(folder.at(QStringLiteral("druk.ini")), QSettings::IniFormat);
    WorkingEnvironment printEnvironment;
    RecordingPrinters printers;
    CountingProgress progress;
    QtPrintDialogs dialogs(settings, window.get());
    TDRUK engine{PrintContext{printEnvironment, [] { return QStringLiteral("Test"); },
                              QStringLiteral("RAZEDO 2019")},
                 printers, dialogs, prompter, progress};
    dialogs.attach(engine);
    TKSIEGAF3 summary(*dane, engine, window.get());
    QWidget *modalAfterPrint = nullptr;
    whileModal([&] { summary.execute(); }, [&] {
        summary.printAction()->trigger();
        modalAfterPrint = QApplication::activeModalWidget();
        dialogs.engineWindow().close();
        summary.reject();
    });
    EXPECT_EQ(modalAfterPrint, &dialogs.engineWindow());
    EXPECT_TRUE(dialogs.engineWindow().preview()->toPlainText().contains("Zestawienie zbiorcze"));

    dialogs.showEngineWindow();
    EXPECT_EQ(dialogs.engineWindow().windowModality(), Qt::NonModal)
        << "opened from the main window it stays beside it";
    dialogs.engineWindow().close();
}
