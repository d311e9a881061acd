#include "maintenance/archive.h"
#include "maintenance/windows/tarchf.h"
#include "maintenance/windows/tawariaf.h"
#include "tests/maintenance/archive_fixture.h"
#include "tests/support/screenshot.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using ArchiveWindow = ArchiveTest;

TEST_F(ArchiveWindow, ShowsBothPagesAtTheDefaultLocationAndKeepsATypedPath)
{
    TDANE &d = start();
    TARCHF window(d, progress);
    window.FormShow();
    window.show();
    EXPECT_EQ(window.windowTitle(), "Moduł ARCHIWUM");
    ASSERT_EQ(window.pages()->count(), 2);
    EXPECT_EQ(window.pages()->tabText(0), "ARCHIWOWANIE");
    EXPECT_EQ(window.pages()->tabText(1), "ODTWARZANIE");
    EXPECT_EQ(window.pages()->currentIndex(), 0);
    saveScreenshot(window, "TARCHF");

    const TARCHF::Page &page = window.archivePage();
    EXPECT_EQ(page.path->text(), DefaultArchiveLocation(environment));
    EXPECT_EQ(window.restorePage().path->text(), DefaultArchiveLocation(environment));
    EXPECT_TRUE(page.defaultLocation->isChecked());
    EXPECT_FALSE(page.browse->isEnabled());
    page.chosenLocation->click();
    EXPECT_TRUE(page.browse->isEnabled());
    page.path->setText(at("inne"));
    page.defaultLocation->click();
    EXPECT_FALSE(page.pathGroup->isEnabled());
    EXPECT_EQ(page.path->text(), at("inne"));

    window.ArchiwizujClick();
    EXPECT_TRUE(QFileInfo::exists(at("inne/2019/KSIEGA/KSIEGA.DB")));
    EXPECT_FALSE(window.isVisible());
    window.FormShow();
    EXPECT_EQ(window.archivePage().archiveDate->text(), "2019.05.10");
    EXPECT_EQ(window.restorePage().archiveDate->text(), "2019.05.10");
}

TEST_F(ArchiveWindow, TheDirectoryPickerFillsThePathOfItsPage)
{
    TDANE &d = start();
    TARCHF window(d, progress);
    QStringList starts;
    window.setDirectoryChooser([&](const QString &from) -> std::optional<QString> {
        starts << from;
        return at("wybrany");
    });
    window.FormShow();
    window.restorePage().chosenLocation->click();
    window.restorePage().browse->click();
    EXPECT_EQ(starts, QStringList{DefaultArchiveLocation(environment)});
    EXPECT_EQ(window.restorePage().path->text(), at("wybrany"));
    EXPECT_EQ(window.archivePage().path->text(), DefaultArchiveLocation(environment));
}

using RepairWindow = ArchiveTest;

TEST_F(RepairWindow, StartFillsTheLogAndReopensTheTables)
{
    TDANE &d = start();
    TAWARIAF window(d);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Naprawa Indeksów");
    EXPECT_EQ(window.startButton()->text(), "START");
    prompter.enqueue(Answer::Yes);
    window.startButton()->click();
    const QStringList lines = window.ERAP()->toPlainText().split('\n');
    EXPECT_EQ(lines.first(), "Bazy danych używane w programie:");
    EXPECT_EQ(lines.last(), "KONIEC");
    EXPECT_EQ(lines.filter(" naprawiono.").size(), environment.openedTables.size());
    EXPECT_TRUE(d.TKSIEGA.isOpen());
    saveScreenshot(window, "TAWARIAF");
}
