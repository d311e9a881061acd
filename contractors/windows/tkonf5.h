#pragma once
// "Zmiana numeru kontrahenta :": the new number for the contractor the catalogue stands on,
// typed into a five-digit box that starts with the present number.

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDANE;

class TKONF5 final : public QDialog {
    Q_OBJECT

public:
    explicit TKONF5(TDANE &dane, QWidget *parent = nullptr);

    // Shows the dialog (modal) for the current contractor; true when he was renumbered.
    bool execute();

    // Handlers.
    void FormShow();
    void ZmienClick();

    QLineEdit *numberEdit() const { return ENR_; }
    QPushButton *changeButton() const { return change_; }
    QPushButton *abandonButton() const { return abandon_; }

private:
    TDANE &dane_;
    QLineEdit *ENR_;
    QPushButton *change_;
    QPushButton *abandon_;
    bool renumbered_ = false;
};
