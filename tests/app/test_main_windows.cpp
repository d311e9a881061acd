#include "app/guarded_application.h"
#include "app/main_sequence.h"
#include "app/tzero.h"
#include "assembly/data_module_assembly.h"
#include "contractors/contractor_help.h"
#include "core/data_module.h"
#include "core/new_data_root.h"
#include "core/start_up.h"
#include "ledger/companion_programs.h"
#include "pit5/pit5_help.h"
#include "ledger/windows/tksiegaf.h"
#include "platform/db_error.h"
#include "platform/scripted_prompter.h"
#include "platform/sqlite_db.h"
#include "tests/support/qt_printers.h"
#include "tests/support/screenshot.h"
#include "tests/support/started_in_new_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

class MainWindows : public ::testing::Test {
protected:
    int argc = 1;
    char name[9] = "test_app";
    char *argv[2] = {name, nullptr};
    QApplication application{argc, argv};
};

TEST_F(MainWindows, SplashCountsToNinetyNine)
{
    Tzero splash;
    EXPECT_EQ(splash.windowTitle(), "Dzień dobry");
    EXPECT_EQ(splash.budowa()->minimum(), 0);
    EXPECT_EQ(splash.budowa()->maximum(), 100);
    EXPECT_EQ(splash.budowa()->value(), 0);
    splash.show();
    for (int i = 0; i < 3; ++i)
        splash.advance(33);
    EXPECT_EQ(splash.budowa()->value(), 99);
    EXPECT_TRUE(splash.findChild<QLabel *>() != nullptr);
    saveScreenshot(splash, "Tzero");
}

TEST_F(MainWindows, LedgerWindowShowsFirmYearAndOperator)
{
    StartedInNewFolder folder;
    createDataRoot({QString(), "Firma Łąka", "2019", "Żaneta Ćwik", false});
    WorkingEnvironment environment = startEnvironment();
    ScriptedPrompter prompter;
    {
        const std::unique_ptr<TDANE> dataModule = AssembleDataModule(environment, prompter);
        TDANE &dane = *dataModule;
        dane.DataModuleCreate();
        QApplication::setApplicationName("RAZEDO 2019");
        TKSIEGAF window(dane);
        window.show();
        EXPECT_EQ(window.windowTitle(), "RAZEDO 2019 Firma Łąka");
        EXPECT_EQ(window.hintPanel()->text(), "pomocnik");
        EXPECT_EQ(window.yearPanel()->text(), "2019");
        EXPECT_EQ(window.operatorPanel()->text(), "Żaneta Ćwik");
        EXPECT_EQ(window.hintPanel()->minimumWidth(), 300);
        saveScreenshot(window, "TKSIEGAF-szkielet");
    }
}

TEST_F(MainWindows, ATableFaultAtStartIsShownAndTheStartGoesOn)
{
    StartedInNewFolder folder;
    createDataRoot({QString(), "Firma", "2019", "Operator", false});
    Connection(folder.dir.filePath("2019/KSIEGA/SUMA.DB"), Connection::Mode::ReadWrite)
        .exec("DELETE FROM _indexes");
    WorkingEnvironment environment = startEnvironment();
    ScriptedPrompter prompter;
    {
        const std::unique_ptr<TDANE> dataModule = AssembleDataModule(environment, prompter);
        TDANE &dane = *dataModule;
        StartDataModule(dane, prompter);
        ASSERT_FALSE(prompter.messages().isEmpty());
        EXPECT_EQ(prompter.messages().last().icon, MessageIcon::Error);
        EXPECT_TRUE(prompter.messages().last().text.contains("TSUMA"));
        EXPECT_FALSE(environment.abort);
        EXPECT_TRUE(dane.TKSIEGA.isOpen()) << "the tables opened before the fault stay open";
        TKSIEGAF window(dane);
        EXPECT_EQ(window.yearPanel()->text(), "2019");
    }
}

TEST_F(MainWindows, HelpPagesLieBesideTheProgramAndSpeakPolish)
{
    for (const QString &document : {HelpDocument, ContractorHelpDocument, Pit5HelpDocument}) {
        QFile page(QDir(QStringLiteral(KSIEGA_PROGRAM_DIR)).filePath(document));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString text = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(text.contains(QStringLiteral("lang=\"pl\""))) << document.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("F1"))) << document.toStdString();
    }
}

// What escapes every window's guard still ends in the error box, and the loop goes on.
TEST(GuardedApplicationTest, AFailureEscapingAnEventHandlerIsShownAndTheLoopGoesOn)
{
    int argc = 1;
    char name[9] = "test_app";
    char *argv[2] = {name, nullptr};
    ScriptedPrompter errors;
    GuardedApplication application(argc, argv, errors);

    class Failing : public QObject {
    protected:
        bool event(QEvent *event) override
        {
            if (event->type() == QEvent::User)
                throw DbError("Tabela SUMA jest uszkodzona.");
            return QObject::event(event);
        }
    } failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));

    bool later = false;
    QTimer::singleShot(0, &failing, [] { throw std::runtime_error("brak pamięci"); });
    QTimer::singleShot(0, &failing, [&later] { later = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(later);
    ASSERT_EQ(errors.messages().size(), 2);
    EXPECT_EQ(errors.messages()[0].text, "Tabela SUMA jest uszkodzona.");
    EXPECT_EQ(errors.messages()[1].text, "Nieoczekiwany błąd programu: brak pamięci");
    EXPECT_EQ(errors.messages()[1].icon, MessageIcon::Error);
}
