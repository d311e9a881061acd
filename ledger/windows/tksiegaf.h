#pragma once
// The ledger window, the program's main window: caption with the firm's short name, the
// status bar with its four panels (hint, year, operator, posting state). Closing it ends
// the program.

#include <QMainWindow>

class QLabel;
class TDANE;

class TKSIEGAF : public QMainWindow {
    Q_OBJECT

public:
    explicit TKSIEGAF(TDANE &dane, QWidget *parent = nullptr);

    // Caption, year and operator panels, as the window shows them after any change of the
    // firm, the year or the user.
    void FormShow();

    QLabel *hintPanel() const { return hint_; }
    QLabel *yearPanel() const { return year_; }
    QLabel *operatorPanel() const { return operator_; }
    QLabel *postingPanel() const { return posting_; }

private:
    QLabel *addPanel(const QString &text, int width);

    TDANE &dane_;
    QLabel *hint_;
    QLabel *year_;
    QLabel *operator_;
    QLabel *posting_;
};
