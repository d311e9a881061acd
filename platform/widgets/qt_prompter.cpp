#include "platform/widgets/qt_prompter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <optional>

static QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// In the order the boxes show them; the first one is the default, as on Windows.
static QList<QMessageBox::StandardButton> boxButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {QMessageBox::Ok};
    case MessageButtons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::OkAbort:
        return {QMessageBox::Ok, QMessageBox::Abort};
    case MessageButtons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::AbortRetryIgnore:
        return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    }
    return {QMessageBox::Ok};
}

static QMessageBox::StandardButton boxButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Abort:
        return QMessageBox::Abort;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    }
    return QMessageBox::NoButton;
}

static std::optional<Answer> answerOf(QMessageBox::StandardButton button)
{
    for (Answer answer : {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No, Answer::Abort,
                          Answer::Retry, Answer::Ignore}) {
        if (boxButton(answer) == button)
            return answer;
    }
    return std::nullopt;
}

QtPrompter::QtPrompter(QWidget *parent) : parent_(parent) {}

Answer QtPrompter::ask(MessageIcon icon, const QString &text, MessageButtons buttons,
                       const QString &caption)
{
    QMessageBox box(parent_ ? parent_ : QApplication::activeWindow());
    box.setIcon(boxIcon(icon));
    box.setWindowTitle(caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption);
    box.setText(displayText(text));
    const QList<QMessageBox::StandardButton> shown = boxButtons(buttons);
    for (QMessageBox::StandardButton button : shown)
        box.addButton(button);
    box.setDefaultButton(shown.constFirst());
    // The close box and Escape answer what a refusal answers.
    box.setEscapeButton(box.button(boxButton(refusalFor(buttons))));
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return answerOf(clicked).value_or(refusalFor(buttons));
}
