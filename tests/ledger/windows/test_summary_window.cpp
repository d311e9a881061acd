#include "assembly/whole_data_root.h"
#include "core/new_data_root.h"
#include "ledger/posting.h"
#include "ledger/windows/tksiegaf3.h"
#include "ledger/windows/year_chart_widget.h"
#include "tests/core/data_root_fixture.h"
#include "tests/print/print_fixture.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

class SummaryWindow : public DataRootTest {
protected:
    // A year with January posted (purchases only) and February's sums counted but open.
    TDANE &prepare()
    {
        TDANE &d = start();
        d.TKSIEGA.append();
        d.TKSIEGA.field("LP").setInteger(1);
        d.TKSIEGA.field("MC").setAsString("01");
        d.TKSIEGA.field("K10").setAsString("250");
        d.TKSIEGA.post();
        EXPECT_EQ(PostMonth(d, "01"), PostingOutcome::Posted);
        EXPECT_TRUE(PostCurrent(d));
        return d;
    }

    QString cell(TKSIEGAF3 &window, int row, int column, int role = Qt::DisplayRole)
    {
        return window.model().data(window.model().index(row, column), role).toString();
    }

    int argc = 1;
    char name[20] = "test_ledger_windows";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    WorkingEnvironment printEnvironment;
    RecordingPrinters printers;
    ScriptedPrintDialogs dialogs;
    CountingProgress progress;
    TDRUK engine{PrintContext{printEnvironment, [] { return QStringLiteral("Test"); },
                              QStringLiteral("RAZEDO 2019")},
                 printers, dialogs, prompter, progress};
};

TEST_F(SummaryWindow, ShowsMonthRowsWithPostedOnesColouredAndTheCurrentRowsDetails)
{
    TDANE &d = prepare();
    TKSIEGAF3 window(d, engine);
    EXPECT_EQ(window.windowTitle(), "Zestawienie zbiorcze.");
    window.FormShow();
    window.show();
    EXPECT_TRUE(window.monthlyOption()->isChecked());
    ASSERT_EQ(window.model().rowCount(), 12);
    EXPECT_EQ(cell(window, 0, 0), "Styczeń");
    EXPECT_EQ(cell(window, 0, 4), "250,00");
    EXPECT_EQ(cell(window, 0, 10), "-250,00");
    EXPECT_EQ(window.model().headerData(1, Qt::Horizontal).toString().section('\n', 0, 0), "PRZYCHÓD");
    EXPECT_EQ(window.model().headerData(10, Qt::Horizontal).toString(), "\nWynik finansowy\n(9-10-11-14)");

    const QColor posted = QApplication::palette().color(QPalette::ToolTipBase);
    EXPECT_EQ(window.model().data(window.model().index(0, 3), Qt::BackgroundRole).value<QColor>(), posted);
    EXPECT_FALSE(window.model().data(window.model().index(1, 3), Qt::BackgroundRole).isValid());

    EXPECT_EQ(window.ratioLabel(1)->text(), "");
    EXPECT_EQ(window.ratioLabel(2)->text(), "-100,00");
    EXPECT_EQ(window.postingDateLabel()->text(), "2019.05.10");
    EXPECT_EQ(window.posterLabel()->text(), "Kowalski Jan");
    saveScreenshot(window, "tksiegaf3_miesiace");

    window.grid()->setCurrentIndex(window.model().index(1, 0));
    EXPECT_EQ(d.TSUMA.field("KOD").asString(), "02");
    EXPECT_EQ(window.ratioLabel(2)->text(), "");
    EXPECT_EQ(window.posterLabel()->text(), "");
}

TEST_F(SummaryWindow, TheRunningKindShowsTwelveRunningRowsAndClosingLiftsTheRange)
{
    TDANE &d = prepare();
    TKSIEGAF3 window(d, engine);
    window.FormShow();
    window.show();
    QTest::mouseClick(window.cumulativeOption(), Qt::LeftButton);
    ASSERT_EQ(window.model().rowCount(), 12);
    EXPECT_EQ(cell(window, 0, 0), "Narastająco Styczeń");
    EXPECT_EQ(cell(window, 11, 0), "Narastająco Grudzień");
    EXPECT_EQ(cell(window, 11, 4), "250,00");
    saveScreenshot(window, "tksiegaf3_narastajaco");

    window.reject();
    EXPECT_EQ(d.TSUMA.recordCount(), 24);
}

TEST_F(SummaryWindow, ThePrintButtonPrintsTheShownRowsThroughTheTablePrinter)
{
    TDANE &d = prepare();
    TKSIEGAF3 window(d, engine);
    window.FormShow();
    window.show();
    window.printAction()->trigger();
    EXPECT_EQ(dialogs.windowShown, 1) << "the engine window offers the printout";
    EXPECT_EQ(engine.Tytul, "Zestawienie zbiorcze");
    const QStringList lines = engine.buffer().split('\n');
    const qsizetype rows = std::count_if(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.startsWith(QLatin1Char('|')) && !line.startsWith(QLatin1String("|-"));
    });
    EXPECT_EQ(rows, 2 + 12) << "group line, titles and twelve month rows";
    EXPECT_TRUE(engine.buffer().contains(QStringLiteral("|Styczeń"))) << engine.buffer().toStdString();
    EXPECT_TRUE(engine.buffer().contains(QStringLiteral("PRZYCHÓD")));
    EXPECT_EQ(d.TSUMA.field("KOD").asString(), "01") << "the grid stays on its row";
}

TEST_F(SummaryWindow, TheChartTabShowsTheYearFromTheSums)
{
    TDANE &d = prepare();
    TKSIEGAF3 window(d, engine);
    window.FormShow();
    window.show();
    ASSERT_EQ(window.tabs()->count(), 2);
    EXPECT_EQ(window.tabs()->tabText(0), "Tabela");
    EXPECT_EQ(window.tabs()->tabText(1), "Wykres");
    ASSERT_EQ(window.chart()->months().size(), 12);
    EXPECT_EQ(window.chart()->months()[0].costs.toString(2), "250,00");
    EXPECT_EQ(window.chart()->months()[0].income().toString(2), "-250,00");
    EXPECT_EQ(window.model().rowCount(), 12) << "the grid keeps the month rows";
    window.tabs()->setCurrentIndex(1);
    saveScreenshot(window, "tksiegaf3_wykres");
}

// The demo year in December: eleven posted months in the grid and the chart, December open.
TEST_F(SummaryWindow, TheDemoYearShowsItsPostedMonthsInTheGridAndTheChart)
{
    qputenv("KSIEGA_TODAY", "2026.12.09");
    CreateWholeDataRoot({at("demo"), "Kwiaciarnia Demo", "2026", "Demo", true}, prompter);
    TDANE &d = start("2026.12.09", {at("demo/"), QStringLiteral("2026")});
    TKSIEGAF3 window(d, engine);
    window.FormShow();
    window.resize(1280, 760);
    window.show();
    const QColor posted = QApplication::palette().color(QPalette::ToolTipBase);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(window.model().data(window.model().index(row, 3), Qt::BackgroundRole).value<QColor>() == posted,
                  row < 11)
            << row;
    const QList<YearChartMonth> &months = window.chart()->months();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months[4].revenue.toString(2), "31280,75");
    EXPECT_EQ(months[4].income().toString(2), "12758,20");
    for (int month = 0; month < 11; ++month)
        EXPECT_GT(months[month].income(), Money()) << "a profitable month " << month + 1;
    EXPECT_EQ(months[11].revenue, Money()) << "December is not posted yet";
    window.tabs()->setCurrentIndex(1);
    saveScreenshot(window, "demo_wykres");
}
