#pragma once
// The program parameters dialog "Parametry programu", bound to the parameter record: how
// sales are imported (every invoice, or one summary entry a month) and whether the positions
// of an invoice that span several ledger columns stay separate entries. The record is saved
// when the dialog closes.

#include <QDialog>

class FieldBinder;
class QCheckBox;
class QRadioButton;
class TDANE;

class TKSIEGAF9 final : public QDialog {
    Q_OBJECT

public:
    explicit TKSIEGAF9(TDANE &dane, QWidget *parent = nullptr);

    // Shows the record's values (modal) until the dialog is closed, then saves them.
    void execute();

    QRadioButton *everyInvoice() const { return everyInvoice_; }
    QRadioButton *monthlySummary() const { return monthlySummary_; }
    QCheckBox *keepColumnsApart() const { return keepColumnsApart_; }

private:
    void FormClose();

    TDANE &dane_;
    FieldBinder *binder_;
    QRadioButton *everyInvoice_;
    QRadioButton *monthlySummary_;
    QCheckBox *keepColumnsApart_;
};
