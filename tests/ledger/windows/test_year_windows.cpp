// Opening the next year and changing to it from the ledger window's menu.

#include "ledger/month_view.h"
#include "ledger/windows/ledger_grid_model.h"
#include "ledger_window_fixture.h"
#include "maintenance/windows/tksiegaf6.h"
#include "maintenance/windows/trokf.h"
#include "tests/support/held_table.h"
#include "tests/support/every_table_whole.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename Window>
Window *activeModal()
{
    return qobject_cast<Window *>(QApplication::activeModalWidget());
}

} // namespace

using YearWindows = LedgerWindowTest;

TEST_F(YearWindows, OpenTheNextYearChangeToItAndBack)
{
    TKSIEGAF &w = open("'01','02'");
    const QString root = dane->environment().dataRoot;
    SelectWorkingMonth(*dane, "13");
    const int entries2019 = dane->TKSIEGA.recordCount();
    ASSERT_GT(entries2019, 0);
    const QColor posted = w.monthButton(1)->palette().color(QPalette::Button);

    whileModal([&] { w.action("Narzędzia/Otwarcie roku")->trigger(); }, [&] {
        TROKF *opening = activeModal<TROKF>();
        ASSERT_NE(opening, nullptr);
        EXPECT_EQ(opening->windowTitle(), "Otwarcie baz na nowy rok");
        EXPECT_EQ(opening->erok()->text(), "2020");
        EXPECT_EQ(opening->srok()->text(), "2019");
        EXPECT_EQ(opening->edr()->text(), root);
        EXPECT_TRUE(opening->ememo()->isReadOnly());
        opening->startButton()->click();
        const QStringList log = opening->ememo()->toPlainText().split('\n');
        EXPECT_EQ(log.value(0), "Generowanie nowego roku.");
        EXPECT_EQ(log.value(1), "Baza danych w katalogu : " + root + "2019");
        EXPECT_EQ(log.value(2), "Tworzenie katalogu :" + root + "2020");
        EXPECT_TRUE(log.contains("Tworzenie bazy :" + root + "2020/KSIEGA/SUMA.DB"));
        EXPECT_EQ(log.last(), "KONIEC.");
        saveScreenshot(*opening, "TROKF");
        opening->closeButton()->click();
    });
    EXPECT_EQ(dane->environment().workingYear, "2019") << "opening a year does not change to it";
    EXPECT_TRUE(prompter.messages().isEmpty());

    whileModal([&] { w.action("Pasek/Zmiana roku")->trigger(); }, [&] {
        TKSIEGAF6 *change = activeModal<TKSIEGAF6>();
        ASSERT_NE(change, nullptr);
        EXPECT_EQ(change->windowTitle(), "Zmiana roku.");
        ASSERT_EQ(change->lrok()->count(), 2) << "the new year is offered at once";
        EXPECT_EQ(change->lrok()->currentItem()->text(), "2019");
        change->lrok()->setCurrentRow(1);
        saveScreenshot(*change, "TKSIEGAF6");
        change->changeButton()->click();
    });
    EXPECT_EQ(w.yearPanel()->text(), "2020");
    EXPECT_EQ(dane->environment().workingMonth, "01");
    EXPECT_TRUE(w.monthButton(1)->font().bold());
    EXPECT_NE(w.monthButton(1)->palette().color(QPalette::Button), posted)
        << "the month buttons are drawn for the new year, where nothing is posted";
    EXPECT_EQ(w.model().rowCount(), 0) << "the new year's ledger is empty";
    EXPECT_EQ(dane->TKSIEGA.tablePath(), root + "2020/KSIEGA/KSIEGA.DB");

    dane->TKSIEGA.append();
    dane->TKSIEGA.field("LP").setInteger(1);
    dane->TKSIEGA.field("MC").setAsString("01");
    dane->TKSIEGA.field("DATA").setAsString("2020.01.02");
    dane->TKSIEGA.post();
    w.refreshMonthView();
    EXPECT_EQ(w.model().rowCount(), 1);

    whileModal([&] { w.action("Narzędzia/Zmiana roku")->trigger(); }, [&] {
        TKSIEGAF6 *change = activeModal<TKSIEGAF6>();
        ASSERT_NE(change, nullptr);
        EXPECT_EQ(change->lrok()->currentItem()->text(), "2020");
        change->lrok()->setCurrentRow(0);
        change->changeButton()->click();
    });
    EXPECT_EQ(w.yearPanel()->text(), "2019");
    EXPECT_EQ(dane->environment().workingMonth, "01");
    EXPECT_EQ(dane->environment().lastPostedMonth, 2);
    EXPECT_EQ(w.monthButton(1)->palette().color(QPalette::Button), posted);
    SelectWorkingMonth(*dane, "13");
    EXPECT_EQ(dane->TKSIEGA.recordCount(), entries2019);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

// Changing the year saves the entry being typed; another program holding the ledger stops
// that with the error box, the dialog stays for another try, and the try works once it lets go.
TEST_F(YearWindows, AChangeStoppedByATableHeldElsewhereIsShownAndCanBeTriedAgain)
{
    qputenv("KSIEGA_BUSY_TIMEOUT_MS", "200");
    TKSIEGAF &w = open();
    Cursor &ledger = dane->TKSIEGA;
    SelectWorkingMonth(*dane, "01");
    ledger.first();
    ledger.edit();
    ledger.field("OPIS1").setAsString("Zmieniony opis");
    prompter.clear();
    TKSIEGAF6 change(*dane, &w);
    bool accepted = false;
    whileModal([&] { accepted = change.execute(); }, [&] {
        {
            HeldTable holder(ledger.tablePath(), HeldTable::Lock::Exclusive);
            ASSERT_TRUE(holder.held());
            change.changeButton()->click();
            ASSERT_EQ(prompter.messages().size(), 1);
            EXPECT_EQ(prompter.messages().first().icon, MessageIcon::Error);
            EXPECT_TRUE(messageTexts().first().contains("Tabela KSIEGA jest używana przez inny program"))
                << messageTexts().first().toStdString();
            EXPECT_TRUE(change.isVisible()) << "the dialog waits for another try";
        }
        change.changeButton()->click();
    });
    qunsetenv("KSIEGA_BUSY_TIMEOUT_MS");
    EXPECT_TRUE(accepted);
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(dane->environment().workingYear, "2019");
    ASSERT_TRUE(ledger.isOpen());
    SelectWorkingMonth(*dane, "01");
    ledger.first();
    EXPECT_EQ(ledger.field("OPIS1").asString(), "Zmieniony opis") << "the entry was saved on the second try";
    EXPECT_EQ(TablesNotWhole(dane->environment().dataRoot), QStringList());
}
