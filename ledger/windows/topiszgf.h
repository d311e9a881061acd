#pragma once
// The description dictionary "Słownik - opis zdarzenia gospodarczego": the standard event
// descriptions the entry editor offers, kept in a list with a navigator and a box to type a
// description into. Saved when it closes. Opened from the editor's description box and from
// "Słowniki"; one instance for the run.

#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>

class CursorNavigator;
class QLineEdit;
class QTableView;
class TDANE;

class TOPISZGF final : public QDialog {
    Q_OBJECT

public:
    explicit TOPISZGF(TDANE &dane, QWidget *parent = nullptr);

    // Shows the dictionary until it is closed, then saves what was typed.
    void execute();
    void FormClose();

    QTableView *grid() const { return DBOPIS_; }
    QLineEdit *nameEdit() const { return name_; }
    CursorNavigator *navigator() const { return navigator_; }

private:
    TDANE &dane_;
    CursorTableModel model_;
    FieldBinder binder_;
    QTableView *DBOPIS_;
    QLineEdit *name_;
    CursorNavigator *navigator_;
};
