#pragma once
// The taxpayers register "PODATNICY": the taxpayers of the firm with the identification
// printed on their declarations, their share in the business and their tax method.
//
// Opened from the declaration window: its menu "Dane o Podatnikach", a double click on its
// taxpayer list, and a new declaration started without any taxpayer.

#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>
#include <QHash>

class CursorNavigator;
class QPushButton;
class QTableView;
class TDANE;

class TPIT5F7 final : public QDialog {
    Q_OBJECT

public:
    explicit TPIT5F7(TDANE &dane, QWidget *parent = nullptr);

    void execute();

    // Handlers.
    void NowyClick();
    void ZapiszClick();
    void UsunClick();
    void done(int result) override;

    QWidget *control(const QString &field) const { return controls_.value(field); }
    QTableView *grid() const { return grid_; }
    CursorNavigator *navigator() const { return navigator_; }
    QPushButton *button(const QString &text) const;

private:
    QWidget *editPanel();
    QPushButton *addButton(const QString &text, void (TPIT5F7::*handler)());

    TDANE &dane_;
    FieldBinder binder_;
    CursorTableModel model_;
    QTableView *grid_;
    CursorNavigator *navigator_;
    QHash<QString, QWidget *> controls_;
    QList<QPushButton *> buttons_;
};
