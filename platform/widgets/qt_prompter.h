#pragma once
// The prompter of the desktop program: every message is a modal QMessageBox.

#include "platform/prompter.h"

class QWidget;

class QtPrompter final : public Prompter {
public:
    // Without a parent the box belongs to whichever window is active when it appears.
    explicit QtPrompter(QWidget *parent = nullptr);

    Answer ask(MessageIcon icon, const QString &text, MessageButtons buttons,
               const QString &caption = QString()) override;

private:
    QWidget *parent_;
};
