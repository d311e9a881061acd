#pragma once
// "Spis z natury": the year's stock-takings in a list, with boxes for the day, value and
// description of a new one, "Dodaj" and "Usuń" (the stock-taking picked in the list).
// Opened by "Narzędzia" → "Spis z natury" of the main window:
//   TSPISF window(dane.environment().yearDirectory(), dane.prompter(), this);
//   window.exec();

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TSPISF final : public QDialog {
    Q_OBJECT

public:
    TSPISF(const QString &yearDirectory, Prompter &prompter, QWidget *parent = nullptr);

    // Handlers.
    void DODAJClick();
    void USUNClick();

    QTableWidget *list() const { return list_; }
    QLineEdit *dateBox() const { return date_; }
    QLineEdit *valueBox() const { return value_; }
    QLineEdit *descriptionBox() const { return description_; }

private:
    void showStockTakings();

    QString yearDirectory_;
    Prompter &prompter_;
    QTableWidget *list_;
    QLineEdit *date_;
    QLineEdit *value_;
    QLineEdit *description_;
};
