#pragma once
// "Ustawienie marginesów": the envelope's top and left margins in millimetres, kept in
// "Margines.dan" in the program's working directory.

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;

class TkonF4 final : public QDialog {
    Q_OBJECT

public:
    // Refusals of what was typed go to the prompter.
    explicit TkonF4(Prompter &prompter, QWidget *parent = nullptr);

    // Shows the dialog (modal); true when the margins were written.
    bool execute();

    // Handlers.
    void FormShow();
    void ZapiszClick();

    QLineEdit *topEdit() const { return top_; }
    QLineEdit *leftEdit() const { return left_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *abandonButton() const { return abandon_; }

private:
    Prompter &prompter_;
    QLineEdit *top_;
    QLineEdit *left_;
    QPushButton *save_;
    QPushButton *abandon_;
};
