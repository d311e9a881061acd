#pragma once
// The one way logic talks to the user. A window shows a message box, a test reads the
// recorded messages and answers from a script, the command line prints and answers from
// `--answers`. Texts arrive exactly as the program words them; "\r" inside means a new line.

#include <QString>

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class MessageButtons { Ok, OkCancel, OkAbort, YesNo, YesNoCancel, AbortRetryIgnore };

enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer ask(MessageIcon icon, const QString &text, MessageButtons buttons,
                       const QString &caption = QString()) = 0;

    void inform(const QString &text, const QString &caption = QString())
    {
        ask(MessageIcon::Information, text, MessageButtons::Ok, caption);
    }
    void warn(const QString &text, const QString &caption = QString())
    {
        ask(MessageIcon::Warning, text, MessageButtons::Ok, caption);
    }
    void error(const QString &text, const QString &caption = QString())
    {
        ask(MessageIcon::Error, text, MessageButtons::Ok, caption);
    }
    void plain(const QString &text, const QString &caption = QString())
    {
        ask(MessageIcon::None, text, MessageButtons::Ok, caption);
    }
    // A Yes/No question; true only on Yes.
    bool confirm(const QString &text, MessageIcon icon = MessageIcon::Warning,
                 const QString &caption = QString())
    {
        return ask(icon, text, MessageButtons::YesNo, caption) == Answer::Yes;
    }
};

// The answer a question gets when nobody can give one: the safe way out of each button set.
Answer refusalFor(MessageButtons buttons);

// The texts use "\r" for a line break; screens and terminals want "\n".
QString displayText(const QString &text);
