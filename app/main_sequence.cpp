#include "app/main_sequence.h"

#include "app/tzero.h"
#include "core/data_module.h"
#include "core/start_up.h"
#include "core/table_access.h"
#include "ledger/windows/tksiegaf.h"
#include "platform/widgets/polish_ui.h"
#include "platform/widgets/qt_prompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
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

    TDANE dane(environment, prompter);
    dane.setStartArguments(parseProgramArguments(environment.programArguments));
    dane.DataModuleCreate();
    // The application title; set as the name, not the display name, which X11 would append
    // to every window caption.
    QApplication::setApplicationName(QStringLiteral("RAZEDO 2019"));
    splash.advance(SplashStep);
    if (environment.abort)
        return 1;

    TKSIEGAF main(dane);
    splash.advance(SplashStep);
    splash.advance(SplashStep);
    splash.close();
    main.show();
    return application.exec();
}
