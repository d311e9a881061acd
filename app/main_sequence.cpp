#include "app/main_sequence.h"

#include "app/tzero.h"
#include "assembly/data_module_assembly.h"
#include "core/data_module.h"
#include "core/program_title.h"
#include "core/start_up.h"
#include "core/table_access.h"
#include "firm/firm_record.h"
#include "ledger/windows/tksiegaf.h"
#include "platform/print/printer_list.h"
#include "platform/widgets/polish_ui.h"
#include "platform/widgets/qt_prompter.h"
#include "print/print_engine.h"
#include "print/windows/qt_print_dialogs.h"
#include "print/windows/tpraca.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QSettings>
#include <QUrl>

namespace {

constexpr int SplashStep = 33;

// The engine is part of the program; when it cannot open a database the installation is
// broken and the user is told so in the words the program has always used.
bool engineUsable(Prompter &prompter)
{
    if (CheckDatabaseEngine())
        return true;
    if (prompter.ask(MessageIcon::None, QStringLiteral("BDE nie jest zainstalowane. Zainstalować BDE teraz?"),
                     MessageButtons::YesNo)
        == Answer::Yes) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().filePath(QStringLiteral("bde.exe")))))
            prompter.plain(QStringLiteral("Błąd! Przeinstaluj BDE."));
        prompter.warn(QStringLiteral("Proszę uruchomić ponownie program po instalacji BDE"));
    }
    prompter.error(QStringLiteral("Po instalacji BDE, uruchom ponownie program. "));
    return false;
}

} // namespace

void StartDataModule(TDANE &dane, Prompter &prompter)
{
    try {
        dane.DataModuleCreate();
    } catch (const DbError &failure) {
        prompter.error(failure.message());
    }
}

int runMainSequence(QApplication &application)
{
    applyPolishInterface(application);
    WorkingEnvironment environment = startEnvironment();
    environment.programArguments = application.arguments().mid(1);
    QtPrompter prompter;
    if (!engineUsable(prompter))
        return 1;

    Tzero splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    const std::unique_ptr<TDANE> dataModule = AssembleDataModule(environment, prompter);
    TDANE &dane = *dataModule;
    dane.setStartArguments(parseProgramArguments(environment.programArguments));
    StartDataModule(dane, prompter);
    // The application title; set as the name, not the display name, which X11 would append
    // to every window caption.
    QApplication::setApplicationName(programTitle());
    splash.advance(SplashStep);
    if (environment.abort)
        return 1;

    TKSIEGAF main(dane);
    splash.advance(SplashStep);
    TPRACA progress;
    main.setProgress(&progress);
    splash.advance(SplashStep);
    // The print engine's settings live where they always have: the ZV\DRUK key.
    QSettings printSettings(QStringLiteral("ZV"), QStringLiteral("DRUK"));
    SystemPrinters printers;
    QtPrintDialogs printDialogs(printSettings, &main);
    const PrintContext printContext{environment, [&dane] { return FirmShortName(dane); },
                                    QApplication::applicationName()};
    TDRUK printEngine(printContext, printers, printDialogs, prompter, progress);
    printDialogs.attach(printEngine);
    printEngine.startUp(printSettings);
    main.setPrintEngine(&printEngine);
    splash.close();
    main.showMaximized();
    return application.exec();
}
