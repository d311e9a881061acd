#pragma once
// A prompter without a screen: it keeps every message in order and answers questions from
// a queue given in advance. Tests read what the user would have seen; the command line
// echoes each message as "[level] text" and takes its answers from `--answers`.

#include "platform/prompter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QTextStream>

#include <optional>

struct RecordedMessage {
    MessageIcon icon;
    QString text;
    MessageButtons buttons;
    QString caption;
    Answer answer;
};

class ScriptedPrompter final : public Prompter {
public:
    explicit ScriptedPrompter(const QList<Answer> &answers = {}, QTextStream *echo = nullptr);

    Answer ask(MessageIcon icon, const QString &text, MessageButtons buttons,
               const QString &caption = QString()) override;

    void enqueue(Answer answer);
    qsizetype pendingAnswers() const { return answers_.size(); }

    const QList<RecordedMessage> &messages() const { return messages_; }
    // Forgets the messages seen so far; answers still queued stay queued.
    void clear() { messages_.clear(); }

private:
    void echo(const RecordedMessage &message);

    QQueue<Answer> answers_;
    QList<RecordedMessage> messages_;
    QTextStream *echo_;
};

// Whether a button set offers the answer.
bool answerFits(Answer answer, MessageButtons buttons);

// The Polish label of the button that gives the answer ("Tak", "Anuluj", ...).
QString answerLabel(Answer answer);

// The Polish name of a message's level as the echo prints it ("ostrzeżenie", ...).
QString messageLevelName(MessageIcon icon);

// Reads one answer as a user types it, in English or Polish: "t", "tak", "yes", "nie", "ok",
// "anuluj", "ponów" ... Letter case does not matter.
std::optional<Answer> parseAnswerWord(const QString &word);
