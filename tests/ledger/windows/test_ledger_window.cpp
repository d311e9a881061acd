#include "assembly/whole_data_root.h"
#include "ledger/windows/ledger_grid_model.h"
#include "ledger_window_fixture.h"
#include "platform/shell.h"
#include "platform/widgets/grouped_header_view.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

const QColor Posted(0xC0, 0xDC, 0xC0);

class NoPrograms final : public Shell {
public:
    QStringList asked;
    Outcome startProgram(const QString &path) override
    {
        asked << path;
        return Outcome::Missing;
    }
    Outcome openDocument(const QString &path) override
    {
        asked << path;
        return Outcome::Started;
    }
};

} // namespace

using LedgerWindow = LedgerWindowTest;

// The demo year a new user makes with `init --demo`, opened in December: the current
// month's entries, every month before it posted.
TEST_F(LedgerWindow, TheDemoYearOpensOnTheCurrentMonthWithItsEntries)
{
    qputenv("KSIEGA_TODAY", "2026.12.09");
    CreateWholeDataRoot({folder.at("demo"), "Kwiaciarnia Demo", "2026", "Demo", true}, prompter);
    environment = startEnvironment();
    dane = AssembleDataModule(environment, prompter);
    dane->setStartArguments({folder.at("demo/"), QStringLiteral("2026")});
    dane->DataModuleCreate();
    window = std::make_unique<TKSIEGAF>(*dane);
    window->resize(1280, 760);
    window->show();
    TKSIEGAF &w = *window;
    EXPECT_EQ(environment.workingMonth, "12");
    EXPECT_EQ(w.grid()->model()->rowCount(), 9);
    EXPECT_EQ(current("NRKSIEG"), "FS/1/12/2026");
    for (int month = 1; month <= 11; ++month)
        EXPECT_EQ(w.monthButton(month)->palette().color(QPalette::Button), Posted) << month;
    EXPECT_NE(w.monthButton(12)->palette().color(QPalette::Button), Posted);
    EXPECT_TRUE(w.monthButton(12)->font().bold()) << "today's month";
    shoot(w, "demo_ksiega_grudzien");
}

TEST_F(LedgerWindow, MonthButtonsTitleAndPostedMarkFollowTheMonthChosen)
{
    TKSIEGAF &w = open("'01'");
    EXPECT_EQ(w.windowTitle(), "RAZEDO 2019 Firma Demonstracyjna");
    EXPECT_EQ(w.yearPanel()->text(), "2019");
    EXPECT_EQ(w.operatorPanel()->text(), "Demo Operator");
    EXPECT_EQ(w.hintPanel()->text(), "pomocnik");
    EXPECT_EQ(w.title()->text(), "PODATKOWA KSIĘGA PRZYCHODÓW i ROZCHODÓW miesiąc : maj 2019");
    EXPECT_EQ(w.grid()->model()->rowCount(), 0) << "May, today's month, has no entries";
    EXPECT_TRUE(w.monthButton(5)->font().bold());
    EXPECT_EQ(w.monthButton(5)->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(w.monthButton(1)->palette().color(QPalette::Button), Posted);
    EXPECT_NE(w.monthButton(2)->palette().color(QPalette::Button), Posted);
    EXPECT_FALSE(w.monthButton(1)->font().bold());
    EXPECT_FALSE(w.zak()->isVisible());
    EXPECT_EQ(w.postingPanel()->text(), "");

    w.monthButton(3)->click();
    EXPECT_EQ(environment.workingMonth, "03");
    EXPECT_EQ(w.grid()->model()->rowCount(), 8);
    EXPECT_FALSE(w.monthButton(5)->font().bold());
    shoot(w, "TKSIEGAF-marzec");

    w.monthButton(1)->click();
    EXPECT_TRUE(w.monthButton(1)->font().bold());
    EXPECT_EQ(w.monthButton(1)->palette().color(QPalette::ButtonText), QColor(Qt::magenta));
    EXPECT_TRUE(w.zak()->isVisible());
    EXPECT_EQ(w.postingPanel()->text(), "miesiąc zaksięgowany");
    shoot(w, "TKSIEGAF-styczen-zaksiegowany");

    w.monthButton(13)->click();
    EXPECT_EQ(w.monthButton(13)->text(), "Wszystkie");
    EXPECT_EQ(w.grid()->model()->rowCount(), 24);
    EXPECT_TRUE(w.title()->text().endsWith("miesiąc : wszystkie 2019"));
    EXPECT_FALSE(dane->TKSIEGA.isFiltered());
    EXPECT_FALSE(w.zak()->isVisible());
    shoot(w, "TKSIEGAF-wszystkie");
}

TEST_F(LedgerWindow, GridHasTheBookColumnsHeadingsMarksAndSorting)
{
    TKSIEGAF &w = open();
    w.monthButton(3)->click();
    QAbstractItemModel *model = w.grid()->model();
    ASSERT_EQ(model->columnCount(), 17);
    EXPECT_EQ(model->headerData(16, Qt::Horizontal).toString(), "Numer\nKSeF");
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "L.p.\n-1-  ");
    EXPECT_EQ(model->headerData(9, Qt::Horizontal).toString(),
              "Zakup\ntowarów\nhandlowych\ni materiałów\nwg cen\nzakupu\n-10-");
    EXPECT_EQ(model->headerData(14, Qt::Horizontal).toString(), "-15-");
    EXPECT_EQ(w.header()->groups().mid(3, 3), QStringList({"KONTRAHENT", "KONTRAHENT", ""}));
    EXPECT_EQ(w.header()->groups()[14], "WYDATKI (KOSZTY)");
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), "17");
    EXPECT_EQ(model->data(model->index(0, 6)).toString(), "1 250,00");
    EXPECT_EQ(model->data(model->index(0, 8)).toString(), "1 250,00") << "K9 = K7 + K8";

    w.NAGLOWEKClick();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "-1-");
    EXPECT_EQ(model->headerData(15, Qt::Horizontal).toString(),
              "Koszty działalności badawczo rozwojowej -16-");
    EXPECT_FALSE(w.header()->hasGroups());
    EXPECT_EQ(w.header()->titleLines(), 1);
    shoot(w, "TKSIEGAF-naglowki-krotkie");
    w.NAGLOWEKClick();
    EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(),
              "wartość sprzedanych towarów i usług          -7-       ");
    EXPECT_EQ(w.header()->groups().mid(3, 2), QStringList({"", ""}));
    EXPECT_EQ(w.header()->groups()[6], "PRZYCHÓD");
    EXPECT_EQ(w.header()->titleLines(), 5);
    shoot(w, "TKSIEGAF-naglowki-pelne");

    Cursor &ledger = dane->TKSIEGA;
    ledger.setRecNo(2);
    ledger.edit();
    ledger.field("OZN").setAsString("*");
    ledger.post();
    EXPECT_EQ(model->data(model->index(2, 0), Qt::BackgroundRole).value<QColor>(),
              LedgerGridModel::markedColour());
    EXPECT_FALSE(model->data(model->index(1, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model->data(model->index(2, 1), Qt::BackgroundRole).isValid());

    w.header()->sectionClicked(2);
    EXPECT_EQ(ledger.indexName(), "NRKSIEGinx");
    w.header()->sectionClicked(1);
    EXPECT_EQ(ledger.indexName(), "NRKSIEGinx") << "the date title orders nothing";
    w.header()->sectionClicked(3);
    EXPECT_EQ(ledger.indexName(), "KONTRinx");
    EXPECT_EQ(model->data(model->index(0, 3)).toString(), "Biuro Rachunkowe Gęśla i Wspólnicy");
    w.searchBox("ENR")->setText("20");
    EXPECT_EQ(ledger.indexName(), "LPinx");
    EXPECT_EQ(current("LP"), "20");
    EXPECT_EQ(w.grid()->currentIndex().row(), 3) << "the grid follows the search";
    w.searchBox("EKONTR")->setText("Kw");
    EXPECT_EQ(current("NAZ1"), "Kwiaciarnia Róża Anna Żak");
    EXPECT_EQ(w.updaterLabel()->text(), "Demo Operator");
}

TEST_F(LedgerWindow, MenuHoldsEveryCommandWithThoseNotYetInTheProgramGreyed)
{
    TKSIEGAF &w = open();
    const QStringList served = {"Słowniki/Opis zdarzenia gospodarczego", "Słowniki/Katalog Kontrahentów",
                                "Zadania/Księgowanie bieżące", "Deklaracje/PIT 5",
                                "Narzędzia/Kasowanie danych demonstracyjnych", "Narzędzia/Zmiana użytkownika",
                                "Narzędzia/Dane o Firmie", "Narzędzia/Zmiana roku",
                                "Narzędzia/Otwarcie roku", "Programy/Zivedez", "Pomoc/Pomoc",
                                "Pomoc/O programie", "Pomoc/Przeczytaj rozporządzenie",
                                "Wydruki/Wydruk księgi", "Wydruki/Podgląd str 1", "Wydruki/Podgląd str 2",
                                "Wydruki/Strona tytułowa księgi", "Wydruki/Wydruk oświadczenia",
                                "Narzędzia/Parametry wydruku", "Narzędzia/Parametry programu"};
    for (const QString &path : served) {
        ASSERT_NE(w.action(path), nullptr) << path.toStdString();
        EXPECT_TRUE(w.action(path)->isEnabled()) << path.toStdString();
    }
    // The demo root has none of the companion programs' tables.
    for (const char *path : {"Import danych/Sprzedaż", "Import danych/Zakupy",
                             "Import danych/Ewidencja przebiegu pojazdu", "Import danych/Amortyzacja"}) {
        ASSERT_NE(w.action(path), nullptr) << path;
        EXPECT_FALSE(w.action(path)->isEnabled()) << path;
    }
    EXPECT_EQ(w.action("Pomoc/Pomoc")->shortcut(), QKeySequence(Qt::Key_F1));
    QStringList context;
    for (QAction *action : w.contextMenu()->actions())
        context << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(context, QStringList({"Nowy zapis", "Edytuj zapis", "Kopiuj zapis", "-",
                                    "Anuluj zapis", "-", "Przenumeruj"}));

    NoPrograms shell;
    w.setShell(&shell);
    w.action("Programy/Przelewy")->trigger();
    w.action("Pomoc/Pomoc")->trigger();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("Brak programu Przelewy."));
    EXPECT_EQ(shell.asked.size(), 2);
    EXPECT_TRUE(shell.asked[0].endsWith("/przelewy"));
    EXPECT_TRUE(shell.asked[1].endsWith("/pomoc/ksiega/index.htm"));
}

TEST_F(LedgerWindow, CancelAsksAndDeletesAndTheContextMenuKeepsToOpenMonths)
{
    TKSIEGAF &w = open("'01'");
    w.monthButton(1)->click();
    w.DBKSIEGContextPopup(QPoint(10, 10));
    EXPECT_FALSE(w.contextMenu()->isVisible()) << "no record commands in a posted month";
    w.Anulujzapis1Click();
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(w.grid()->model()->rowCount(), 8);

    w.monthButton(2)->click();
    w.DBKSIEGContextPopup(QPoint(10, 10));
    EXPECT_TRUE(w.contextMenu()->isVisible());
    w.contextMenu()->hide();
    w.grid()->setCurrentIndex(w.grid()->model()->index(3, 0));
    EXPECT_EQ(current("LP"), "12");
    prompter.enqueue(Answer::No);
    w.action("Kontekst/Anuluj zapis")->trigger();
    EXPECT_EQ(messageTexts(), QStringList({"Czy Anulować ?"}));
    EXPECT_EQ(w.grid()->model()->rowCount(), 8);
    prompter.enqueue(Answer::Yes);
    w.Anulujzapis1Click();
    EXPECT_EQ(w.grid()->model()->rowCount(), 7);
    EXPECT_NE(current("LP"), "12");
    EXPECT_FALSE(dane->TKSIEGA.locate("LP", 12));
}

TEST_F(LedgerWindow, RenumberingInDateOrderKeepsThePostedMonthsNumbers)
{
    TKSIEGAF &w = open("'01'");
    // February's entries dated backwards, and January's first entry moved to its end.
    Cursor &ledger = dane->TKSIEGA;
    w.monthButton(2)->click();
    int day = 28;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ledger.edit();
        ledger.field("DATA").setAsString(QStringLiteral("2019.02.%1").arg(day, 2, 10, QLatin1Char('0')));
        ledger.post();
        day -= 2;
    }
    w.monthButton(1)->click();
    ledger.first();
    ledger.edit();
    ledger.field("DATA").setAsString("2019.01.31");
    ledger.post();
    w.monthButton(2)->click();
    prompter.clear();
    w.action("Kontekst/Przenumeruj")->trigger();
    EXPECT_TRUE(prompter.messages().isEmpty());
    w.monthButton(13)->click();
    QAbstractItemModel *model = w.grid()->model();
    QStringList numbers;
    for (int row = 0; row < model->rowCount(); ++row)
        numbers << model->data(model->index(row, 0)).toString() + " "
                       + model->data(model->index(row, 1)).toString().mid(5);
    EXPECT_EQ(numbers.mid(0, 8), QStringList({"1 01.31", "2 01.05", "3 01.08", "4 01.11", "5 01.14",
                                              "6 01.17", "7 01.20", "8 01.23"}))
        << "January is posted: its numbers stay although its dates are out of order";
    EXPECT_EQ(numbers.mid(8, 3), QStringList({"9 02.14", "10 02.16", "11 02.18"}));
    EXPECT_EQ(numbers[15], "16 02.28");
    EXPECT_EQ(numbers[16], "17 03.02");
}

TEST_F(LedgerWindow, PostingFromTheMenuClosesTheMonthShownAndRecoloursIt)
{
    TKSIEGAF &w = open("'01','02'");
    QAction *post = w.action("Zadania/Księgowanie miesiąca");
    QAction *unpost = w.action("Zadania/Odksięgowanie miesiąca");
    EXPECT_FALSE(post->isEnabled()) << "May is not the month after February";
    EXPECT_FALSE(w.action("Zadania/Zestawienie zbiorcze")->isEnabled()) << "no print engine here";
    w.monthButton(2)->click();
    EXPECT_TRUE(unpost->isEnabled());
    EXPECT_FALSE(post->isEnabled());
    w.monthButton(3)->click();
    ASSERT_TRUE(post->isEnabled());
    post->trigger();
    EXPECT_TRUE(prompter.messages().isEmpty()) << messageTexts().join(" | ").toStdString();
    EXPECT_TRUE(environment.monthPosted[3]);
    EXPECT_EQ(w.monthButton(3)->palette().color(QPalette::Button), Posted);
    EXPECT_EQ(w.monthButton(3)->palette().color(QPalette::ButtonText), QColor(Qt::magenta));
    EXPECT_TRUE(w.zak()->isVisible());
    EXPECT_TRUE(unpost->isEnabled());
    EXPECT_FALSE(post->isEnabled());
    EXPECT_EQ(w.grid()->model()->rowCount(), 8);

    unpost->trigger();
    EXPECT_FALSE(environment.monthPosted[3]);
    EXPECT_EQ(w.monthButton(3)->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_FALSE(w.zak()->isVisible());
    EXPECT_TRUE(post->isEnabled());
}
