// The entry editor's catalogue button opens the catalogue; a contractor picked there fills
// the entry's contractor boxes.

#include "tests/contractors/contractor_fixture.h"

#include "contractors/contractor_catalogue.h"
#include "contractors/windows/tkonf.h"
#include "ledger/entry_operations.h"
#include "ledger/windows/tksiegaf1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using EntryCatalogueButton = ContractorTest;

TEST_F(EntryCatalogueButton, APickedContractorFillsTheEntry)
{
    TDANE &d = startWith({{1, "111-11-11-111", "Alfa", "Gdynia"}, {2, "222-22-22-222", "Beta", "Łódź"}});
    ASSERT_TRUE(FindContractor(d.TKontrah, 2));
    SetContractorField(d.TKontrah, "NAZWA2", "Oddział Śródmieście");
    SetContractorField(d.TKontrah, "UL", "Piotrkowska 1");
    SetContractorField(d.TKontrah, "KOD", "90-001");
    ASSERT_TRUE(SaveContractor(d, prompter));
    d.TKontrah.first();

    TKONF catalogue(d);
    TKSIEGAF1 editor(d);
    editor.setCatalogue([&catalogue] { return catalogue.execute(); });
    ASSERT_TRUE(NewEntry(d));
    editor.show();

    QTimer::singleShot(0, [&catalogue] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&catalogue));
        QTableView *grid = catalogue.grid();
        const QRect row = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, row.center());
        if (catalogue.isVisible()) {
            ADD_FAILURE() << "the catalogue stayed open";
            catalogue.close();
        }
    });
    editor.catalogueButton()->click();

    EXPECT_EQ(d.TKSIEGA.field("NRK").asString(), "2");
    EXPECT_EQ(d.TKSIEGA.field("NAZ1").asString(), "Beta pełna");
    EXPECT_EQ(d.TKSIEGA.field("NAZ2").asString(), "Oddział Śródmieście");
    EXPECT_EQ(d.TKSIEGA.field("UL").asString(), "Piotrkowska 1");
    EXPECT_EQ(d.TKSIEGA.field("KOD").asString(), "90-001");
    EXPECT_EQ(d.TKSIEGA.field("NIP").asString(), "222-22-22-222");
    EXPECT_EQ(qobject_cast<QLineEdit *>(editor.control("NAZ1"))->text(), "Beta pełna");

    QTimer::singleShot(0, [&catalogue] { catalogue.action("Zamknij")->trigger(); });
    SetContractorField(d.TKontrah, "NAZWA1", "Inna");
    editor.catalogueButton()->click();
    EXPECT_EQ(d.TKSIEGA.field("NAZ1").asString(), "Beta pełna") << "closed: nothing taken";
}
