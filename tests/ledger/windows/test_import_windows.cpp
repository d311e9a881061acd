// The ledger window's "Import danych" menu on the demo's companion tables, and the program
// parameters dialog that chooses how sales come in.

#include "imports/demo_companion_tables.h"
#include "imports/windows/tksiegaf9.h"
#include "ledger_window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

class ImportWindows : public LedgerWindowTest {
protected:
    void SetUp() override
    {
        LedgerWindowTest::SetUp();
        WriteDemoCompanionTables(QString(), QStringLiteral("2019"), 6);
    }

    void setParameters(const char *assignments)
    {
        Connection parameters(folder.at(QStringLiteral("KSIEGA.DB")), Connection::Mode::ReadWrite);
        parameters.exec(QStringLiteral("UPDATE KSIEGA SET ") + assignments);
    }
};

TEST_F(ImportWindows, EveryImportRunsFromTheMenuIntoTheMonthShown)
{
    TKSIEGAF &w = open();
    for (const char *path : {"Import danych/Sprzedaż", "Import danych/Zakupy",
                             "Import danych/Ewidencja przebiegu pojazdu", "Import danych/Amortyzacja"}) {
        EXPECT_TRUE(w.action(path)->isEnabled()) << path;
        prompter.enqueue(Answer::Ok);
        w.action(path)->trigger();
    }
    EXPECT_EQ(w.grid()->model()->rowCount(), 6 + 7 + 2 + 1) << messageTexts().join('\n').toStdString();
    EXPECT_EQ(w.title()->text(), "PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW miesiąc : maj 2019");
    EXPECT_EQ(w.hintPanel()->text(), "Zapisy dodane: 1, zmienione: 0, usunięte: 0.")
        << "the last import says what it wrote";
    EXPECT_TRUE(dane->TKSIEGA.isFiltered());
    shoot(w, "TKSIEGAF-import-maj");

    w.monthButton(6)->click();
    prompter.enqueue(Answer::Ok);
    w.action("Import danych/Amortyzacja")->trigger();
    EXPECT_TRUE(messageTexts().last().startsWith("Nie wszystkie Środki Trwałe zostały zaksięgowane."));
    EXPECT_EQ(w.grid()->model()->rowCount(), 0);
}

TEST_F(ImportWindows, TheMonthlySummaryOpensTheEntryEditorOnItsEntry)
{
    setParameters("L3 = 1");
    TKSIEGAF &w = open();
    prompter.enqueue(Answer::Ok);
    QString shownNumber;
    whileModal([&] { w.action("Import danych/Sprzedaż")->trigger(); }, [&] {
        TKSIEGAF1 &editor = w.editor();
        shownNumber = shown(editor.control("NRKSIEG"));
        shoot(editor, "TKSIEGAF1-zbiorczy-maj");
        editor.saveButton()->click();
    });
    EXPECT_EQ(shownNumber, "DK Sprze. 05.2019");
    ASSERT_EQ(w.grid()->model()->rowCount(), 1);
    EXPECT_EQ(current("NRKSIEG"), "DK Sprze. 05.2019");
    EXPECT_EQ(current("NRKOMP"), "*");
}

TEST_F(ImportWindows, ProgramParametersAreSavedWhenTheDialogCloses)
{
    setParameters("L3 = 0, B1 = 0");
    open();
    TKSIEGAF9 dialog(*dane);
    whileModal([&] { dialog.execute(); }, [&] {
        EXPECT_TRUE(dialog.everyInvoice()->isChecked());
        EXPECT_FALSE(dialog.keepColumnsApart()->isChecked());
        dialog.monthlySummary()->click();
        dialog.keepColumnsApart()->click();
        shoot(dialog, "TKSIEGAF9");
        dialog.accept();
    });
    Cursor &parameters = dane->TPARA;
    EXPECT_FALSE(parameters.isEditing());
    parameters.refresh();
    EXPECT_EQ(parameters.field("L3").asInteger(), 1);
    EXPECT_TRUE(parameters.field("B1").asBoolean());
    EXPECT_TRUE(prompter.messages().isEmpty());
}
