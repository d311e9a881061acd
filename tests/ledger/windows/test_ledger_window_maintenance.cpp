#include "ledger_window_fixture.h"

#include "ledger/windows/ledger_grid_model.h"
#include "maintenance/windows/tarchf.h"
#include "maintenance/windows/tawariaf.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using LedgerWindowMaintenance = LedgerWindowTest;

// Archived from the tools menu, entries deleted by another program, restored from the same
// window: the grid shows the archived entries again on the tables opened anew.
TEST_F(LedgerWindowMaintenance, RestoreFromTheToolsMenuBringsTheArchivedEntriesBackIntoTheGrid)
{
    TKSIEGAF &w = open();
    QAction *archive = w.action("Narzędzia/Archiwowanie / Odtwarzanie");
    ASSERT_TRUE(archive->isEnabled());
    w.monthButton(1)->click();
    const int shown = w.model().rowCount();
    ASSERT_GT(shown, 0);
    whileModal([&] { archive->trigger(); }, [] {
        auto *window = qobject_cast<TARCHF *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->archivePage().run->click();
    });
    ASSERT_TRUE(QFileInfo::exists(folder.at("ARCHIWUM/2019/KSIEGA/KSIEGA.DB")));
    {
        Connection ledger(folder.at("2019/KSIEGA/KSIEGA.DB"), Connection::Mode::ReadWrite);
        ledger.exec("DELETE FROM KSIEGA");
    }

    prompter.enqueue(Answer::Yes);
    whileModal([&] { archive->trigger(); }, [] {
        auto *window = qobject_cast<TARCHF *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->pages()->setCurrentIndex(1);
        window->restorePage().run->click();
    });
    EXPECT_EQ(w.model().rowCount(), shown);
    EXPECT_TRUE(dane->TKSIEGA.isOpen());
    EXPECT_EQ(w.yearPanel()->text(), "2019");
}

TEST_F(LedgerWindowMaintenance, IndexRepairFromTheToolsMenuLogsEveryOpenedTable)
{
    TKSIEGAF &w = open();
    QAction *repair = w.action("Narzędzia/Naprawa Indeksów");
    ASSERT_TRUE(repair->isEnabled());
    w.monthButton(1)->click();
    const int shown = w.model().rowCount();
    ASSERT_GT(shown, 0);
    QStringList log;
    prompter.enqueue(Answer::Yes);
    whileModal([&] { repair->trigger(); }, [&log] {
        auto *window = qobject_cast<TAWARIAF *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->startButton()->click();
        log = window->ERAP()->toPlainText().split('\n');
        window->accept();
    });
    EXPECT_EQ(log.filter(" naprawiono.").size(), 6) << log.join('\n').toStdString();
    EXPECT_EQ(log.last(), "KONIEC");
    EXPECT_EQ(w.model().rowCount(), shown);
}
