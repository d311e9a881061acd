#pragma once
// The users window "Użytkownicy": the list of operators of the working year, a row to type
// a new one into, deleting after a question, and choosing the name the run works under.
//
// Opened by "Narzędzia" → "Zmiana użytkownika" of the main window:
//   TKSIEGAF2 window(dane, this);
//   window.execute();
//   operatorPanel()->setText(OperatorPanelText(dane.environment()));

#include "platform/widgets/cursor_table_model.h"
#include "platform/widgets/field_binder.h"

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;
class QTableView;
class TDANE;

class TKSIEGAF2 final : public QDialog {
    Q_OBJECT

public:
    explicit TKSIEGAF2(TDANE &dane, QWidget *parent = nullptr);

    // Shows the window until it is closed.
    void execute();

    // Handlers.
    void NowyUzytkownikClick();
    void KasujUzytkownikaClick();
    void ZmienUzytkownikaClick();
    void FormClose();

    QTableView *grid() const { return DBUSER_; }
    QAction *newUserAction() const { return newUser_; }
    QAction *deleteUserAction() const { return deleteUser_; }
    QPushButton *changeUserButton() const { return change_; }
    QLineEdit *codeEdit() const { return code_; }
    QLineEdit *nameEdit() const { return name_; }

private:
    TDANE &dane_;
    CursorTableModel model_;
    FieldBinder binder_;
    QTableView *DBUSER_;
    QLineEdit *code_;
    QLineEdit *name_;
    QAction *newUser_;
    QAction *deleteUser_;
    QPushButton *change_;
};
