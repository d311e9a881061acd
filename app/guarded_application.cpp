#include "app/guarded_application.h"

#include "platform/widgets/guarded_handler.h"

GuardedApplication::GuardedApplication(int &argc, char **argv, Prompter &errors)
    : QApplication(argc, argv), errors_(errors)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    // An event whose handler failed counts as not handled.
    bool handled = false;
    RunHandler(errors_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
