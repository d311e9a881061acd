#include "platform/scripted_prompter.h"

#include <gtest/gtest.h>

TEST(Prompter, RefusalIsTheSafeWayOutOfEachButtonSet)
{
    EXPECT_EQ(refusalFor(MessageButtons::Ok), Answer::Ok);
    EXPECT_EQ(refusalFor(MessageButtons::OkCancel), Answer::Cancel);
    EXPECT_EQ(refusalFor(MessageButtons::OkAbort), Answer::Abort);
    EXPECT_EQ(refusalFor(MessageButtons::YesNo), Answer::No);
    EXPECT_EQ(refusalFor(MessageButtons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(refusalFor(MessageButtons::AbortRetryIgnore), Answer::Abort);
}

TEST(Prompter, DisplayTextTurnsCarriageReturnsIntoLineBreaks)
{
    EXPECT_EQ(displayText("Brak pliku\rKONTRAHO.DB\r\nKoniec\n"), "Brak pliku\nKONTRAHO.DB\nKoniec\n");
    EXPECT_EQ(displayText("\r\r"), "\n\n");
}

TEST(ScriptedPrompter, PlainMessagesNeverTakeAnAnswerMeantForAQuestion)
{
    ScriptedPrompter prompter({Answer::Yes});
    prompter.inform("Zaksięgowano", "Księga");
    prompter.error("Błąd zapisu");

    EXPECT_TRUE(prompter.confirm("Usunąć zapis?"));
    ASSERT_EQ(prompter.messages().size(), 3);
    const RecordedMessage &first = prompter.messages().at(0);
    EXPECT_EQ(first.icon, MessageIcon::Information);
    EXPECT_EQ(first.text, "Zaksięgowano");
    EXPECT_EQ(first.buttons, MessageButtons::Ok);
    EXPECT_EQ(first.caption, "Księga");
    EXPECT_EQ(first.answer, Answer::Ok);
    EXPECT_EQ(prompter.messages().at(2).answer, Answer::Yes);
    EXPECT_EQ(prompter.messages().at(2).icon, MessageIcon::Warning);
}

TEST(ScriptedPrompter, AnswersInOrderThenRefuses)
{
    ScriptedPrompter prompter({Answer::Retry});
    prompter.enqueue(Answer::No);
    prompter.enqueue(Answer::Yes);

    EXPECT_EQ(prompter.ask(MessageIcon::Error, "Dysk", MessageButtons::AbortRetryIgnore), Answer::Retry);
    EXPECT_EQ(prompter.ask(MessageIcon::Question, "Dalej?", MessageButtons::YesNoCancel), Answer::No);
    // Yes is not on an OK/Cancel box: the answer is used up and the box refused.
    EXPECT_EQ(prompter.ask(MessageIcon::Question, "Drukować?", MessageButtons::OkCancel), Answer::Cancel);
    EXPECT_EQ(prompter.pendingAnswers(), 0);
    EXPECT_EQ(prompter.ask(MessageIcon::Question, "Nadpisać?", MessageButtons::YesNo), Answer::No);
    EXPECT_EQ(prompter.ask(MessageIcon::Error, "Dysk", MessageButtons::AbortRetryIgnore), Answer::Abort);
    EXPECT_EQ(prompter.messages().size(), 5);
}

TEST(ScriptedPrompter, ClearForgetsMessagesButKeepsAnswers)
{
    ScriptedPrompter prompter({Answer::Yes, Answer::Yes});
    EXPECT_TRUE(prompter.confirm("Pierwsze?"));
    prompter.clear();

    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_TRUE(prompter.confirm("Drugie?"));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().at(0).text, "Drugie?");
}

TEST(ScriptedPrompter, EchoesLevelTextAndAnswer)
{
    QString printed;
    QTextStream echo(&printed);
    ScriptedPrompter prompter({Answer::No, Answer::Ok}, &echo);

    prompter.plain("Koniec");
    prompter.inform("Zaksięgowano\rmiesiąc 03");
    prompter.error("Brak pliku");
    prompter.confirm("Usunąć?");
    prompter.ask(MessageIcon::Question, "Drukować?", MessageButtons::OkCancel);
    prompter.ask(MessageIcon::Question, "Jeszcze raz?", MessageButtons::AbortRetryIgnore);

    EXPECT_EQ(printed, "[komunikat] Koniec\n"
                       "[informacja] Zaksięgowano\nmiesiąc 03\n"
                       "[błąd] Brak pliku\n"
                       "[ostrzeżenie] Usunąć?\n[odpowiedź] Nie\n"
                       "[pytanie] Drukować?\n[odpowiedź] OK\n"
                       "[pytanie] Jeszcze raz?\n[odpowiedź] Przerwij\n");
}

TEST(ScriptedPrompter, AnswerWordsInEnglishAndPolish)
{
    const QList<std::pair<QString, Answer>> words = {
        {"y", Answer::Yes},       {"YES", Answer::Yes},      {"t", Answer::Yes},
        {"Tak", Answer::Yes},     {"n", Answer::No},         {"no", Answer::No},
        {"NIE", Answer::No},      {"ok", Answer::Ok},        {"OK", Answer::Ok},
        {"c", Answer::Cancel},    {"cancel", Answer::Cancel}, {"Anuluj", Answer::Cancel},
        {"a", Answer::Abort},     {"abort", Answer::Abort},  {"przerwij", Answer::Abort},
        {"r", Answer::Retry},     {"retry", Answer::Retry},  {"PONÓW", Answer::Retry},
        {"i", Answer::Ignore},    {"ignore", Answer::Ignore}, {" ignoruj ", Answer::Ignore},
    };
    for (const auto &[word, answer] : words)
        EXPECT_EQ(parseAnswerWord(word), answer) << word.toStdString();
    EXPECT_EQ(parseAnswerWord(""), std::nullopt);
    EXPECT_EQ(parseAnswerWord("tn"), std::nullopt);
    EXPECT_EQ(parseAnswerWord("ponow"), std::nullopt);
}
