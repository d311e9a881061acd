#include "platform/prompter.h"

Answer refusalFor(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return Answer::Ok;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return Answer::Cancel;
    case MessageButtons::YesNo:
        return Answer::No;
    case MessageButtons::OkAbort:
    case MessageButtons::AbortRetryIgnore:
        return Answer::Abort;
    }
    return Answer::Cancel;
}

QString displayText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}
