#pragma once
// The summary statement "Zestawienie zbiorcze.": the sums table as month rows or running
// rows, posted months coloured, the ratios and the posting stamp of the current row below
// the grid, and a toolbar button printing the grid through the text engine. A second tab
// shows the year as a chart.
//
// Opened by "Zadania" → "Zestawienie zbiorcze" and the toolbar's "Zestawienie zbiorcze
// danych" of the main window:
//   TKSIEGAF3 window(dane, printEngine, this);
//   window.execute();

#include "platform/widgets/cursor_table_model.h"

#include <QDialog>

class QAction;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTableView;
class TDANE;
class YearChartWidget;
class TDRUK;

class TKSIEGAF3 final : public QDialog {
    Q_OBJECT

public:
    TKSIEGAF3(TDANE &dane, TDRUK &printEngine, QWidget *parent = nullptr);

    // Shows the statement until it is closed.
    void execute();

    // Handlers.
    void FormShow();
    void RadioGroup1Click();
    void DrukujClick();
    void FormClose();

    QTableView *grid() const { return DBSUMA_; }
    // The tabs "Tabela" (the grid) and "Wykres" (the year's chart).
    QTabWidget *tabs() const { return tabs_; }
    YearChartWidget *chart() const { return chart_; }
    CursorTableModel &model() { return model_; }
    QRadioButton *monthlyOption() const { return monthly_; }
    QRadioButton *cumulativeOption() const { return cumulative_; }
    QAction *printAction() const { return print_; }
    // The texts below the grid: W1, W2, W3, the posting date and the poster.
    QLabel *ratioLabel(int number) const { return ratios_[number - 1]; }
    QLabel *postingDateLabel() const { return postingDate_; }
    QLabel *posterLabel() const { return poster_; }

private:
    void showCurrentRow();

    TDANE &dane_;
    TDRUK &printEngine_;
    CursorTableModel model_;
    QTableView *DBSUMA_;
    QTabWidget *tabs_;
    YearChartWidget *chart_;
    QRadioButton *monthly_;
    QRadioButton *cumulative_;
    QAction *print_;
    QLabel *ratios_[3];
    QLabel *postingDate_;
    QLabel *poster_;
};
