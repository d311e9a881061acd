#include "platform/scripted_prompter.h"

#include <QHash>

ScriptedPrompter::ScriptedPrompter(const QList<Answer> &answers, QTextStream *echo)
    : echo_(echo)
{
    for (Answer answer : answers)
        answers_.enqueue(answer);
}

void ScriptedPrompter::enqueue(Answer answer)
{
    answers_.enqueue(answer);
}

Answer ScriptedPrompter::ask(MessageIcon icon, const QString &text, MessageButtons buttons,
                             const QString &caption)
{
    // A plain message asks nothing, so it must not eat an answer meant for a later question.
    Answer answer = Answer::Ok;
    if (buttons != MessageButtons::Ok) {
        answer = answers_.isEmpty() ? refusalFor(buttons) : answers_.dequeue();
        if (!answerFits(answer, buttons))
            answer = refusalFor(buttons);
    }
    messages_.append({icon, text, buttons, caption, answer});
    echo(messages_.constLast());
    return answer;
}

void ScriptedPrompter::echo(const RecordedMessage &message)
{
    if (!echo_)
        return;
    *echo_ << '[' << messageLevelName(message.icon) << "] " << displayText(message.text)
            << '\n';
    if (message.buttons != MessageButtons::Ok)
        *echo_ << "[odpowiedź] " << answerLabel(message.answer) << '\n';
    echo_->flush();
}

bool answerFits(Answer answer, MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == Answer::Ok;
    case MessageButtons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case MessageButtons::OkAbort:
        return answer == Answer::Ok || answer == Answer::Abort;
    case MessageButtons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case MessageButtons::YesNoCancel:
        return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return answer == Answer::Abort || answer == Answer::Retry || answer == Answer::Ignore;
    }
    return false;
}

QString answerLabel(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QStringLiteral("OK");
    case Answer::Cancel:
        return QStringLiteral("Anuluj");
    case Answer::Yes:
        return QStringLiteral("Tak");
    case Answer::No:
        return QStringLiteral("Nie");
    case Answer::Abort:
        return QStringLiteral("Przerwij");
    case Answer::Retry:
        return QStringLiteral("Ponów");
    case Answer::Ignore:
        return QStringLiteral("Ignoruj");
    }
    return QString();
}

QString messageLevelName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QStringLiteral("komunikat");
    case MessageIcon::Information:
        return QStringLiteral("informacja");
    case MessageIcon::Warning:
        return QStringLiteral("ostrzeżenie");
    case MessageIcon::Error:
        return QStringLiteral("błąd");
    case MessageIcon::Question:
        return QStringLiteral("pytanie");
    }
    return QString();
}

std::optional<Answer> parseAnswerWord(const QString &word)
{
    static const QHash<QString, Answer> words = {
        {QStringLiteral("y"), Answer::Yes},       {QStringLiteral("yes"), Answer::Yes},
        {QStringLiteral("t"), Answer::Yes},       {QStringLiteral("tak"), Answer::Yes},
        {QStringLiteral("n"), Answer::No},        {QStringLiteral("no"), Answer::No},
        {QStringLiteral("nie"), Answer::No},      {QStringLiteral("ok"), Answer::Ok},
        {QStringLiteral("c"), Answer::Cancel},    {QStringLiteral("cancel"), Answer::Cancel},
        {QStringLiteral("anuluj"), Answer::Cancel}, {QStringLiteral("a"), Answer::Abort},
        {QStringLiteral("abort"), Answer::Abort}, {QStringLiteral("przerwij"), Answer::Abort},
        {QStringLiteral("r"), Answer::Retry},     {QStringLiteral("retry"), Answer::Retry},
        {QStringLiteral("ponów"), Answer::Retry}, {QStringLiteral("i"), Answer::Ignore},
        {QStringLiteral("ignore"), Answer::Ignore}, {QStringLiteral("ignoruj"), Answer::Ignore},
    };
    const auto found = words.constFind(word.trimmed().toLower());
    if (found == words.constEnd())
        return std::nullopt;
    return *found;
}
