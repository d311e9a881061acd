#pragma once
// "Opis kontrahenta": the description of the contractor the catalogue stands on — phones,
// people to ask for, province, free remarks. A window of its own beside the catalogue (not
// modal); its arrows move through the catalogue and the description follows. Whatever was
// typed is saved when the window is hidden.

#include "platform/widgets/field_binder.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;
class TDANE;

class TKonF1 final : public QWidget {
    Q_OBJECT

public:
    explicit TKonF1(TDANE &dane, QWidget *parent = nullptr);

    // Handlers.
    void FormShow();
    void FormHide();
    void PoprzedniClick();
    void NastepnyClick();

    QLabel *numberLabel() const { return number_; }
    QLabel *shortNameLabel() const { return shortName_; }
    // The box bound to a description field.
    QWidget *control(const QString &field) const { return controls_.value(field); }
    QPushButton *priorButton() const { return prior_; }
    QPushButton *nextButton() const { return next_; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showContractor();
    void startDescription();

    TDANE &dane_;
    FieldBinder binder_;
    QLabel *number_;
    QLabel *shortName_;
    QHash<QString, QWidget *> controls_;
    QPushButton *prior_;
    QPushButton *next_;
};
