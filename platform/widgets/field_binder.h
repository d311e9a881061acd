#pragma once
// Edit controls bound to fields of a cursor's current record. Showing a record fills the
// controls; the first keystroke puts the cursor into edit state (so its state hooks run, and
// may refuse); what is typed is assigned to the field when the control is left or when the
// record is posted, through the field's own conversion, so the field-change hooks run for a
// typed value exactly as for one set by an import.

#include "platform/cursor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class Prompter;

class FieldBinder : public QObject {
    Q_OBJECT

public:
    FieldBinder(Cursor &cursor, Prompter &prompter, QObject *parent = nullptr);

    Cursor &cursor() const { return cursor_; }

    // An edit box; with an input mask (e.g. "9999.99.99;_") the mask's blanks read as empty.
    void bindLineEdit(QLineEdit *edit, const QString &field);
    // An editable combo box holds the field's text; a fixed one its item index (integer).
    void bindComboBox(QComboBox *combo, const QString &field);
    void bindCheckBox(QCheckBox *box, const QString &field);
    // Radio buttons whose group ids are the field's integer values.
    void bindButtonGroup(QButtonGroup *group, const QString &field);
    void bindMemo(QPlainTextEdit *memo, const QString &field);
    void bindLabel(QLabel *label, const QString &field);

    // Fills every control from the current record.
    void refresh();
    // Assigns what is typed in every control to its field (before a post, or on demand).
    void updateRecord();
    // Makes every control read-only or editable (posted months lock the editor).
    void setReadOnly(bool readOnly);

    // Runs after a control's value was assigned to its field: windows hang their
    // "on exit" handlers here.
    void setAfterAssign(QWidget *control, std::function<void()> handler);
    // Runs when an editable control is left without anything typed in it; with something
    // typed, the after-assign handler runs instead.
    void setOnUntouchedExit(QWidget *control, std::function<void()> handler);
    // Changes what controls show without counting it as typing: the record keeps its values.
    void displayOnly(const std::function<void()> &change);

private:
    struct Binding {
        QPointer<QWidget> widget;
        QString field;
        std::function<void()> show;
        std::function<QString()> text; // empty function: not editable
        bool dirty = false;
        std::function<void()> afterAssign;
        std::function<void()> onUntouchedExit;
    };
    Binding &add(QWidget *widget, const QString &field);
    void startEditing(Binding &binding);
    void assign(Binding &binding);
    void show(Binding &binding);
    QString currentText(const QString &field) const;
    bool isCalculated(const QString &field) const;
    bool isEditable(const Binding &binding) const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    Cursor &cursor_;
    Prompter &prompter_;
    std::vector<std::unique_ptr<Binding>> bindings_; // stable addresses for the connections
    bool filling_ = false;
};
