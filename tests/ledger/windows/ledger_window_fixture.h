#pragma once
// The ledger window on a demo data root (three months of sample entries, today 2019.05.10),
// with the prompter answering from a script and helpers to type as a user does.

#include "assembly/data_module_assembly.h"
#include "core/data_module.h"
#include "core/new_data_root.h"
#include "core/start_up.h"
#include "ledger/windows/tksiegaf.h"
#include "ledger/windows/tksiegaf1.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"
#include "tests/support/qt_printers.h"
#include "tests/support/screenshot.h"
#include "tests/support/started_in_new_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

class LedgerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.dir.isValid());
        createDataRoot({QString(), QStringLiteral("Firma Demonstracyjna"), QStringLiteral("2019"),
                        QStringLiteral("Demo Operator"), true});
        QApplication::setApplicationName(QStringLiteral("RAZEDO 2019"));
    }
    void TearDown() override
    {
        window.reset();
        dane.reset();
    }

    // Starts the program with `months` ("'01','02'") posted and opens the ledger window.
    TKSIEGAF &open(const QString &months = QString())
    {
        if (!months.isEmpty()) {
            Connection sums(folder.at(QStringLiteral("2019/KSIEGA/SUMA.DB")), Connection::Mode::ReadWrite);
            sums.exec("UPDATE SUMA SET OZN = '*' WHERE KOD IN (" + months + ")");
        }
        environment = startEnvironment();
        dane = AssembleDataModule(environment, prompter);
        dane->DataModuleCreate();
        window = std::make_unique<TKSIEGAF>(*dane);
        window->resize(1280, 760);
        window->show();
        return *window;
    }

    // Runs `inside` while the modal window opened by `opening` is up.
    static void whileModal(const std::function<void()> &opening, const std::function<void()> &inside)
    {
        QTimer::singleShot(0, inside);
        opening();
    }

    // Key by key, Polish letters included (QTest::keyClicks knows only ASCII).
    static void type(QWidget *box, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(box);
        if (!edit)
            edit = qobject_cast<QComboBox *>(box)->lineEdit();
        edit->setFocus();
        edit->selectAll();
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
    // Types into a box and leaves it, as the user does with the keyboard.
    static void typeAndLeave(QWidget *box, const QString &text)
    {
        type(box, text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        auto *combo = qobject_cast<QComboBox *>(box);
        QApplication::sendEvent(combo ? static_cast<QWidget *>(combo->lineEdit()) : box, &leave);
    }
    static QString shown(QWidget *box)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            return edit->text();
        return qobject_cast<QComboBox *>(box)->currentText();
    }

    // A picture of the window as the user would see it, its pending layout done.
    static void shoot(QWidget &window, const QString &name)
    {
        QApplication::processEvents();
        saveScreenshot(window, name);
    }

    QString current(const char *field) { return dane->TKSIEGA.field(field).asString(); }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const RecordedMessage &message : prompter.messages())
            texts << message.text;
        return texts;
    }

    int argc = 1;
    char name[20] = "test_ledger_windows";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    StartedInNewFolder folder;
    WorkingEnvironment environment;
    ScriptedPrompter prompter;
    std::unique_ptr<TDANE> dane;
    std::unique_ptr<TKSIEGAF> window;
};
