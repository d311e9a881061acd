#pragma once
// The print parameters dialog "Parametry wydruku", bound to the parameter record: the
// ledger printout's margins and the PIT-5 form's margin corrections and print kind. The
// record is saved when the dialog closes.

#include <QDialog>

class FieldBinder;
class QLineEdit;
class QRadioButton;
class TDANE;

class TKSIEGAF8 final : public QDialog {
    Q_OBJECT

public:
    explicit TKSIEGAF8(TDANE &dane, QWidget *parent = nullptr);

    // Shows the record's values (modal) until the dialog is closed, then saves them.
    void execute();

    QLineEdit *edit(const QString &field) const;
    QRadioButton *printOnPlainPaper() const { return plain_; }
    QRadioButton *printOnForm() const { return form_; }

private:
    void FormClose();

    TDANE &dane_;
    FieldBinder *binder_;
    QRadioButton *plain_;
    QRadioButton *form_;
};
