// The desktop program: locale, engine check, splash, data module, main window.

#include "app/guarded_application.h"
#include "app/main_sequence.h"
#include "platform/qt_messages.h"
#include "platform/widgets/qt_prompter.h"

int main(int argc, char **argv)
{
    // The user reads the program's Polish messages, not Qt's English remarks on a terminal.
    keepQtMessagesFromUser();
    QtPrompter errors;
    GuardedApplication application(argc, argv, errors);
    return runMainSequence(application);
}
