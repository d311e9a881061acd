#pragma once
// "Otwarcie baz na nowy rok": the year to create (EROK), the year it is made from (SROK) and
// the folder holding the years (EDR), proposed from the working year and editable; "START"
// opens the year and writes each step into the log EMEMO, "PRZERWIJ" closes the window.
//
//   TROKF opening(dane, this);
//   opening.execute();

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDANE;

class TROKF final : public QDialog {
    Q_OBJECT

public:
    explicit TROKF(TDANE &dane, QWidget *parent = nullptr);

    // Fills the fields and shows the window until it is closed.
    void execute();

    // Handlers.
    void FormShow();
    void STARTClick();
    void PRZERWIJClick();

    QLineEdit *erok() const { return EROK_; }
    QLineEdit *srok() const { return SROK_; }
    QLineEdit *edr() const { return EDR_; }
    QPlainTextEdit *ememo() const { return EMEMO_; }
    QPushButton *startButton() const { return START_; }
    QPushButton *closeButton() const { return PRZERWIJ_; }

private:
    TDANE &dane_;
    QLineEdit *EROK_;
    QLineEdit *SROK_;
    QLineEdit *EDR_;
    QPlainTextEdit *EMEMO_;
    QPushButton *START_;
    QPushButton *PRZERWIJ_;
};
