#pragma once
// Passes every message on to the user and remembers whether one was an error, so that an
// operation can tell that a routine it called (a save) reported a failure and stopped.

#include "platform/prompter.h"

class FailureWatch final : public Prompter {
public:
    explicit FailureWatch(Prompter &inner) : inner_(inner) {}

    Answer ask(MessageIcon icon, const QString &text, MessageButtons buttons,
               const QString &caption = QString()) override
    {
        failed_ = failed_ || icon == MessageIcon::Error;
        return inner_.ask(icon, text, buttons, caption);
    }
    bool failed() const { return failed_; }

private:
    Prompter &inner_;
    bool failed_ = false;
};
