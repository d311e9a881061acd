// Opening the next year and changing to it from the ledger window's menu.

#include "ledger/month_view.h"
#include "ledger/windows/ledger_grid_model.h"
#include "ledger_window_fixture.h"
#include "maintenance/windows/tksiegaf6.h"
#include "maintenance/windows/trokf.h"
#include "maintenance/year_opening.h"
#include "platform/widgets/grouped_header_view.h"
#include "tests/support/every_table_whole.h"
#include "tests/support/held_table.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

template <typename Window>
Window *activeModal()
{
    return qobject_cast<Window *>(QApplication::activeModalWidget());
}

QStringList titles(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.headerData(column, Qt::Horizontal).toString();
    return texts;
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

// The grid shows the columns of the working year's book: from 2026 the KSeF number is
// column -3- and the contractor's tax identifier -5-, and sorting and the search boxes
// follow the fields to their new places.
TEST_F(YearWindows, TheGridOfA2026BookHasTheNineteenColumnHeadings)
{
    TKSIEGAF &w = open();
    const auto changeYear = [](TKSIEGAF &window, const QString &year) {
        whileModal([&] { window.action("Pasek/Zmiana roku")->trigger(); }, [&] {
            TKSIEGAF6 *change = activeModal<TKSIEGAF6>();
            ASSERT_NE(change, nullptr);
            const QList<QListWidgetItem *> items = change->lrok()->findItems(year, Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1);
            change->lrok()->setCurrentItem(items[0]);
            change->changeButton()->click();
        });
    };
    ASSERT_EQ(OpenNewYear({"2026", "2019", dane->environment().dataRoot}, dane->environment(),
                          prompter, [](const QString &) {}),
              YearOpeningResult::Completed);
    changeYear(w, "2026");
    ASSERT_EQ(w.yearPanel()->text(), "2026");
    Cursor &ledger = dane->TKSIEGA;
    ledger.append();
    ledger.field("LP").setInteger(1);
    ledger.field("MC").setAsString("01");
    ledger.field("DATA").setAsString("2026.01.05");
    ledger.field("KSEF").setAsString("5260001246-20260302-0A1B2C3D4E5F-1A");
    ledger.field("NRKSIEG").setAsString("FV/1/2026");
    ledger.field("NIP").setAsString("DE123456789");
    ledger.field("NAZ1").setAsString("Großhandel Müller GmbH");
    ledger.field("K7").setAsString("1250");
    ledger.post();
    w.refreshMonthView();

    const QAbstractItemModel &model = *w.grid()->model();
    ASSERT_EQ(model.columnCount(), 18);
    const QStringList start = titles(model);
    EXPECT_EQ(start[0], "L.p.\n-1-");
    EXPECT_EQ(start[2], "Numer\nKSeF\n-3-");
    EXPECT_EQ(start[3], "Numer\ndowodu\nksięgowego\n-4-");
    EXPECT_EQ(start[4], "Identyfikator\npodatkowy\n-5-");
    EXPECT_EQ(start[8], "wartość\nsprzedanych\ntowarów\ni usług\n-9-");
    EXPECT_EQ(start[15], "razem\nwydatki\n(14+15)\n-16-");
    EXPECT_EQ(start[16], "-17-");
    EXPECT_EQ(start[17], "Koszty działalności badawczo rozwojowej\n-18-");
    EXPECT_EQ(w.header()->groups().mid(4, 4),
              QStringList({"KONTRAHENT", "KONTRAHENT", "KONTRAHENT", ""}));
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), "5260001246-20260302-0A1B2C3D4E5F-1A");
    EXPECT_EQ(model.data(model.index(0, 4)).toString(), "DE123456789");
    EXPECT_EQ(model.data(model.index(0, 10)).toString(), "1 250,00") << "K9 in column -11-";
    EXPECT_GT(w.grid()->columnWidth(2), w.grid()->columnWidth(3)) << "room for the KSeF number";
    shoot(w, "TKSIEGAF-2026");

    w.NAGLOWEKClick();
    EXPECT_EQ(titles(model).mid(0, 6), QStringList({"-1-", "-2-", "-3-", "-4-", "-5-", "-6-"}));
    EXPECT_EQ(titles(model)[17], start[17]) << "the research costs keep their title";
    w.NAGLOWEKClick();
    EXPECT_EQ(titles(model)[2], "Numer KSeF -3-");
    EXPECT_EQ(titles(model)[4], "Identyfikator podatkowy -5-");

    const auto under = [&w](const char *box, int column) {
        return w.searchBox(box)->geometry().left()
               == w.grid()->frameWidth() + w.header()->sectionViewportPosition(column);
    };
    EXPECT_TRUE(under("EKSIEG", 3));
    EXPECT_TRUE(under("EKONTR", 5));
    w.header()->sectionClicked(3);
    EXPECT_EQ(ledger.indexName(), "NRKSIEGinx");
    w.header()->sectionClicked(5);
    EXPECT_EQ(ledger.indexName(), "KONTRinx");
    w.header()->sectionClicked(2);
    EXPECT_EQ(ledger.indexName(), "KONTRinx") << "the KSeF number orders nothing";

    changeYear(w, "2019");
    ASSERT_EQ(model.columnCount(), 17);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Numer\ndowodu\nksiegowego\n-3-");
    EXPECT_EQ(model.headerData(16, Qt::Horizontal).toString(), "Numer\nKSeF");
    EXPECT_TRUE(under("EKSIEG", 2));
    EXPECT_TRUE(under("EKONTR", 3));
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
