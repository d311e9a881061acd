#pragma once
// The page numbering dialog "Ustawienie numeratora stron.": the month being printed and the
// number its first page gets, which the user may change before the ledger prints.

#include <QDialog>

class QLineEdit;

class TKSIEGAF5 final : public QDialog {
    Q_OBJECT

public:
    explicit TKSIEGAF5(QWidget *parent = nullptr);

    // Shows the dialog (modal) for `month` with `proposed` in the edit; the text in the edit
    // when it is closed.
    QString ask(const QString &month, int proposed);

    QLineEdit *monthEdit() const { return month_; }
    QLineEdit *numberEdit() const { return number_; }

private:
    QLineEdit *month_;
    QLineEdit *number_;
};
