#include "ledger/stock_taking.h"
#include "ledger/windows/tspisf.h"
#include "ledger_window_fixture.h"

#include <QPushButton>
#include <QTableWidget>

using StockTakingWindow = LedgerWindowTest;

TEST_F(StockTakingWindow, AddsListsAndDeletesTheYearsStockTakings)
{
    TKSIEGAF &w = open();
    ASSERT_NE(w.action("Narzędzia/Spis z natury"), nullptr);
    EXPECT_TRUE(w.action("Narzędzia/Spis z natury")->isEnabled());
    const QString year = dane->environment().yearDirectory();
    TSPISF spis(year, prompter, &w);
    spis.show();
    EXPECT_EQ(spis.list()->rowCount(), 0);

    type(spis.dateBox(), "20191231");
    type(spis.valueBox(), "12345,67");
    type(spis.descriptionBox(), "Towary w magazynie");
    spis.findChild<QPushButton *>("DODAJ")->click();
    ASSERT_TRUE(prompter.messages().isEmpty()) << prompter.messages()[0].text.toStdString();
    ASSERT_EQ(spis.list()->rowCount(), 1);
    EXPECT_EQ(spis.list()->item(0, 0)->text(), "2019.12.31");
    EXPECT_EQ(spis.list()->item(0, 1)->text(), "12345,67");
    EXPECT_EQ(spis.list()->item(0, 2)->text(), "Towary w magazynie");
    type(spis.dateBox(), "20190101");
    type(spis.valueBox(), "800");
    spis.DODAJClick();
    ASSERT_EQ(spis.list()->rowCount(), 2);
    EXPECT_EQ(spis.list()->item(0, 0)->text(), "2019.01.01") << "in date order";
    saveScreenshot(spis, "TSPISF");

    type(spis.dateBox(), "20191231");
    type(spis.valueBox(), "1");
    spis.DODAJClick();
    EXPECT_EQ(messageTexts(), QStringList({"Spis z natury z dnia 31.12.2019 jest już zapisany."}));
    type(spis.dateBox(), "20190231");
    spis.DODAJClick();
    EXPECT_TRUE(messageTexts().last().startsWith("Błędna data spisu z natury"));
    EXPECT_EQ(spis.list()->rowCount(), 2);

    prompter.clear();
    spis.list()->setCurrentCell(1, 0);
    prompter.enqueue(Answer::Yes);
    spis.USUNClick();
    EXPECT_EQ(messageTexts(), QStringList({"Czy usunąć spis z natury z dnia 2019.12.31 ?"}));
    ASSERT_EQ(spis.list()->rowCount(), 1);
    EXPECT_EQ(ReadStockTakings(year).size(), 1);
    EXPECT_EQ(ReadStockTakings(year)[0].value, Money::fromZloty(800));
}
