#include "platform/db_error.h"
#include "platform/scripted_prompter.h"
#include "platform/widgets/guarded_handler.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

class GuardedHandler : public ::testing::Test {
protected:
    QStringList errors() const
    {
        QStringList texts;
        for (const RecordedMessage &message : prompter.messages()) {
            EXPECT_EQ(message.icon, MessageIcon::Error);
            texts << message.text;
        }
        return texts;
    }

    int argc = 1;
    char name[5] = "test";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    ScriptedPrompter prompter;
};

TEST_F(GuardedHandler, EveryKindOfFailureEndsInTheErrorBox)
{
    RunHandler(prompter, [] { throw DbError("Tabela KSIEGA nie jest otwarta."); });
    RunHandler(prompter, [] { throw std::runtime_error("bad_alloc"); });
    RunHandler(prompter, [] { throw 42; });
    bool ran = false;
    RunHandler(prompter, [&ran] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(errors(), (QStringList{"Tabela KSIEGA nie jest otwarta.",
                                     "Nieoczekiwany błąd programu: bad_alloc",
                                     "Nieoczekiwany błąd programu."}));
}

TEST_F(GuardedHandler, ASlotThatFailsLeavesTheWidgetWorking)
{
    class Window : public QWidget {
    public:
        void click() { ++clicks; throw DbError("Błąd odczytu."); }
        int clicks = 0;
    } window;
    auto *button = new QPushButton("Zapisz", &window);
    QObject::connect(button, &QPushButton::clicked, &window, Guarded(prompter, &window, &Window::click));
    auto *choice = new QButtonGroup(&window);
    choice->addButton(new QPushButton("A", &window), 7);
    int chosen = 0;
    QObject::connect(choice, &QButtonGroup::idClicked, &window, Guarded(prompter, [&chosen](int id) {
        chosen = id;
        throw std::logic_error("zły wybór");
    }));
    window.show();

    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(choice->button(7), Qt::LeftButton);
    EXPECT_EQ(window.clicks, 2);
    EXPECT_EQ(chosen, 7) << "the signal's argument reaches the handler";
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(errors(), (QStringList{"Błąd odczytu.", "Błąd odczytu.",
                                     "Nieoczekiwany błąd programu: zły wybór"}));
}
