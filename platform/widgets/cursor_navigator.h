#pragma once
// The row of buttons under a grid that moves through a cursor and changes it: first, prior,
// next, last, insert, delete, edit, post, cancel, refresh — each window shows the ones it
// offers. Deleting asks first; a refused operation is reported, never thrown at the user.

#include <QFlags>
#include <QWidget>

class Cursor;
class Prompter;
class QToolButton;

class CursorNavigator : public QWidget {
    Q_OBJECT

public:
    enum Button {
        First = 0x001, Prior = 0x002, Next = 0x004, Last = 0x008, Insert = 0x010,
        Delete = 0x020, Edit = 0x040, Post = 0x080, Cancel = 0x100, Refresh = 0x200,
        Moving = First | Prior | Next | Last,
        All = 0x3FF,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    CursorNavigator(Cursor &cursor, Prompter &prompter, Buttons buttons, QWidget *parent = nullptr);

    QToolButton *button(Button which) const;
    // Runs instead of the plain insert (windows that number new records, or refuse them).
    void setInsertHandler(std::function<void()> handler) { insertHandler_ = std::move(handler); }
    void setDeleteQuestion(const QString &question) { deleteQuestion_ = question; }

signals:
    // After the navigator changed the cursor: windows refresh their counts.
    void acted(CursorNavigator::Button button);

private:
    void run(Button which);
    void updateEnabled();

    Cursor &cursor_;
    Prompter &prompter_;
    QHash<int, QToolButton *> buttons_;
    std::function<void()> insertHandler_;
    QString deleteQuestion_ = QStringLiteral("Usunąć rekord?");
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CursorNavigator::Buttons)
