#pragma once
// "Oznaczenie deklaracji": the month and year of a new declaration, offered for correction
// right after the declaration was filled from the taxpayer.

#include "platform/widgets/field_binder.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class TDANE;

class TPIT5F6 final : public QDialog {
    Q_OBJECT

public:
    explicit TPIT5F6(TDANE &dane, QWidget *parent = nullptr);

    void execute();

    // Handlers.
    void OKClick();

    QLineEdit *period() const { return period_; }
    QPushButton *okButton() const { return ok_; }

private:
    FieldBinder binder_;
    QLineEdit *period_;
    QPushButton *ok_;
};
