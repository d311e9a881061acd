#include "platform/widgets/cursor_navigator.h"

#include "platform/cursor.h"
#include "platform/prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace {

struct ButtonLook {
    CursorNavigator::Button button;
    QStyle::StandardPixmap icon;
    const char *hint;
};

const ButtonLook looks[] = {
    {CursorNavigator::First, QStyle::SP_MediaSkipBackward, "Pierwszy rekord"},
    {CursorNavigator::Prior, QStyle::SP_MediaSeekBackward, "Poprzedni rekord"},
    {CursorNavigator::Next, QStyle::SP_MediaSeekForward, "Następny rekord"},
    {CursorNavigator::Last, QStyle::SP_MediaSkipForward, "Ostatni rekord"},
    {CursorNavigator::Insert, QStyle::SP_FileDialogNewFolder, "Wstaw rekord"},
    {CursorNavigator::Delete, QStyle::SP_TrashIcon, "Usuń rekord"},
    {CursorNavigator::Edit, QStyle::SP_FileDialogDetailedView, "Edytuj rekord"},
    {CursorNavigator::Post, QStyle::SP_DialogApplyButton, "Zapisz zmiany"},
    {CursorNavigator::Cancel, QStyle::SP_DialogCancelButton, "Anuluj zmiany"},
    {CursorNavigator::Refresh, QStyle::SP_BrowserReload, "Odśwież dane"},
};

} // namespace

CursorNavigator::CursorNavigator(Cursor &cursor, Prompter &prompter, Buttons buttons,
                                 QWidget *parent)
    : QWidget(parent), cursor_(cursor), prompter_(prompter)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (const ButtonLook &look : looks) {
        if (!(buttons & look.button))
            continue;
        auto *tool = new QToolButton(this);
        tool->setIcon(style()->standardIcon(look.icon));
        tool->setToolTip(QString::fromUtf8(look.hint));
        tool->setAutoRaise(true);
        connect(tool, &QToolButton::clicked, this, [this, which = look.button] { run(which); });
        layout->addWidget(tool);
        buttons_.insert(look.button, tool);
    }
    layout->addStretch();
    connect(&cursor_, &Cursor::stateChanged, this, &CursorNavigator::updateEnabled);
    connect(&cursor_, &Cursor::currentChanged, this, &CursorNavigator::updateEnabled);
    connect(&cursor_, &Cursor::rowsReset, this, &CursorNavigator::updateEnabled);
    updateEnabled();
}

QToolButton *CursorNavigator::button(Button which) const
{
    return buttons_.value(which);
}

void CursorNavigator::run(Button which)
{
    RunHandler(prompter_, [this, which] {
        switch (which) {
        case First: cursor_.first(); break;
        case Prior: cursor_.prior(); break;
        case Next: cursor_.next(); break;
        case Last: cursor_.last(); break;
        case Insert:
            if (insertHandler_)
                insertHandler_();
            else
                cursor_.insert();
            break;
        case Delete:
            if (!cursor_.isEmpty() && prompter_.confirm(deleteQuestion_))
                cursor_.remove();
            break;
        case Edit: cursor_.edit(); break;
        case Post: cursor_.post(); break;
        case Cancel: cursor_.cancel(); break;
        case Refresh: cursor_.refresh(); break;
        default: break;
        }
    });
    updateEnabled();
    emit acted(which);
}

void CursorNavigator::updateEnabled()
{
    const bool open = cursor_.isOpen();
    const bool editing = cursor_.isEditing();
    const bool any = open && !cursor_.isEmpty();
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        bool enabled = open;
        switch (it.key()) {
        case First: case Prior: enabled = any && !editing && !cursor_.bof(); break;
        case Next: case Last: enabled = any && !editing && !cursor_.eof(); break;
        case Delete: case Edit: enabled = any && !editing; break;
        case Post: case Cancel: enabled = editing; break;
        default: enabled = open && !editing; break;
        }
        it.value()->setEnabled(enabled);
    }
}
